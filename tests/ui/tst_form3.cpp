#include "burn/GrabbedDrive.h"
#include "support/TestAudio.h"
#include "support/TestSupport.h"
#include "ui/Form3.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

using namespace velnora;
using namespace velnora::test;

namespace
{

const QString CrLf = QStringLiteral("\r\n");
const QString RefusedHead = QStringLiteral("CDイメージを保存できません。次を直してください。\r\n\r\n");
// The list's columns.
enum { NumberColumn, TitleColumn, PerformerColumn, FileColumn, LengthColumn, ProblemColumn };

} // namespace

class TestForm3 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOverDisabledMainWindow();
    void listsTitlesOfTheBlockShown_data();
    void listsTitlesOfTheBlockShown();
    void editsTheTracks_data();
    void editsTheTracks();
    void totalsAgainstTheCapacity_data();
    void totalsAgainstTheCapacity();
    void writesTheImage();
    void refusesBeforeAnything_data();
    void refusesBeforeAnything();
    void overWarningAsksFirst_data();
    void overWarningAsksFirst();
    void cancelLeavesNothing_data();
    void cancelLeavesNothing();
    void burnsOnlyWhatADriveTakes_data();
    void burnsOnlyWhatADriveTakes();

private:
    void editLayout(EditType type, const QString &album, const QString &artist, const QStringList &titles);
    Form3 *open();
    QString audio(const QString &name) const { return m_audio.filePath(name); }
    QStringList names() const;
    QString cell(int row, int column) const;
    QString totals() const { return m_form->findChild<QLabel *>(QStringLiteral("Label1"))->text(); }
    void click(const QString &name);
    // What the output folder holds: nothing but what the image left.
    QStringList written() const
    {
        return QDir(m_fx->dir.path() + QStringLiteral("/out")).entryList(QDir::Files);
    }

    QTemporaryDir m_audioDir;
    QDir m_audio;
    std::unique_ptr<WindowFixture> m_fx;
    QPointer<Form3> m_form;
};

void TestForm3::initTestCase()
{
    QVERIFY(m_audioDir.isValid());
    m_audio.setPath(m_audioDir.path());
    const struct {
        const char *name;
        const char *seconds;
    } files[] = {{"a.wav", "5"}, {"b.wav", "6"}, {"c.wav", "7"}, {"short.wav", "3"}, {"long.wav", "30"}};
    // Text under an audio file's name.
    QFile notes(audio(QStringLiteral("notes.wav")));
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write(QByteArray("not a sound\n").repeated(100)) > 0);
    notes.close();
    for (const auto &f : files)
        QVERIFY(testaudio::run(QStringLiteral("sox"),
                               {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                                QStringLiteral("16"), audio(QLatin1String(f.name)), QStringLiteral("synth"),
                                QLatin1String(f.seconds), QStringLiteral("sine"), QStringLiteral("1000")}));
}

void TestForm3::init()
{
    m_fx = std::make_unique<WindowFixture>();
    QVERIFY(QDir(m_fx->dir.path()).mkpath(QStringLiteral("out")));
}

void TestForm3::cleanup()
{
    if (m_form)
        m_form->close();
    m_fx.reset();
}

void TestForm3::editLayout(EditType type, const QString &album, const QString &artist,
                           const QStringList &titles)
{
    Session &s = m_fx->window->session();
    s.setEditType(type);
    s.setAlbum(album);
    s.setArtist(artist);
    s.setTitles(titles.join(CrLf) + CrLf);
    QVERIFY(s.editConfirmed().done());
}

Form3 *TestForm3::open()
{
    if (!triggerAction(*m_fx->window, QStringLiteral("ディスク作成")))
        return nullptr;
    m_form = qobject_cast<Form3 *>(m_fx->window->discWindow());
    return m_form;
}

QStringList TestForm3::names() const
{
    QStringList n;
    for (const QString &path : m_fx->window->session().disc().files())
        n << QFileInfo(path).fileName();
    return n;
}

QString TestForm3::cell(int row, int column) const
{
    const auto *list = m_form->findChild<QTreeWidget *>(QStringLiteral("List1"));
    const QTreeWidgetItem *item = list->topLevelItem(row);
    return item ? item->text(column) : QStringLiteral("<no row %1>").arg(row);
}

void TestForm3::click(const QString &name)
{
    auto *button = m_form->findChild<QPushButton *>(name);
    QVERIFY2(button && button->isEnabled(), qPrintable(name));
    button->click();
}

void TestForm3::opensOverDisabledMainWindow()
{
    // Without the layout there is nothing to put on a disc.
    QVERIFY(!triggerAction(*m_fx->window, QStringLiteral("ディスク作成")));
    editLayout(EditType::Ja, QStringLiteral("アルバム"), QStringLiteral("歌手"), {QStringLiteral("一")});
    QVERIFY(open());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("ディスクの作成"));
    for (const char *name : {"List1", "追加", "削除", "上へ", "下へ", "Check1", "Label1", "イメージ保存"})
        QVERIFY2(m_form->findChild<QWidget *>(QString::fromUtf8(name)), name);
    QCOMPARE(m_form->findChild<QPushButton *>(QStringLiteral("イメージ保存"))->text(),
             QStringLiteral("CDイメージ保存..."));
    QVERIFY(!m_fx->window->isEnabled());
    m_form->close();
    QVERIFY(m_fx->window->isEnabled());
    // "クリア" takes the layout and the command with it.
    command(*m_fx->window, 3)->click();
    QVERIFY(!action(*m_fx->window, QStringLiteral("ディスク作成"))->isEnabled());
}

void TestForm3::listsTitlesOfTheBlockShown_data()
{
    QTest::addColumn<EditType>("type");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("performer");

    QTest::newRow("ja") << EditType::Ja << u"朝の歌集"_qs << u"空トリオ"_qs
                        << QStringList{u"朝の歌"_qs, u"夜想曲"_qs} << QStringList{u"朝の歌"_qs, u"夜想曲"_qs}
                        << u"空トリオ"_qs;
    // Both blocks: the "ja" block's full-width texts, not the "en" block's.
    QTest::newRow("en + ja shows ja")
        << EditType::EnJa << u"Songs"_qs << u"Trio"_qs << QStringList{u"Morning"_qs, u"Night"_qs}
        << QStringList{u"Ｍｏｒｎｉｎｇ"_qs, u"Ｎｉｇｈｔ"_qs} << u"Ｔｒｉｏ"_qs;
    QTest::newRow("en") << EditType::En << u"Songs"_qs << u"Trio"_qs
                        << QStringList{u"Morning"_qs, u"Night"_qs} << QStringList{u"Morning"_qs, u"Night"_qs}
                        << u"Trio"_qs;
}

void TestForm3::listsTitlesOfTheBlockShown()
{
    QFETCH(EditType, type);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, shown);
    QFETCH(QString, performer);
    editLayout(type, album, artist, titles);
    m_fx->window->session().disc().setFiles({audio(QStringLiteral("a.wav"))});
    QVERIFY(open());
    const auto *list = m_form->findChild<QTreeWidget *>(QStringLiteral("List1"));
    QCOMPARE(list->topLevelItemCount(), int(shown.size()));
    for (int row = 0; row < shown.size(); ++row) {
        QCOMPARE(cell(row, NumberColumn), QString::number(row + 1));
        QCOMPARE(cell(row, TitleColumn), shown.at(row));
        QCOMPARE(cell(row, PerformerColumn), performer);
    }
    QCOMPARE(cell(0, FileColumn), u"a.wav"_qs);
    QCOMPARE(cell(0, LengthColumn), u"0:05"_qs);
    QCOMPARE(cell(0, ProblemColumn), QString());
    QCOMPARE(cell(1, FileColumn), QString());
    QCOMPARE(cell(1, ProblemColumn), u"音声ファイルがありません"_qs);
    // Only a row with a file can be removed, and one file has nowhere to move.
    auto enabled = [this](const char *name) {
        return m_form->findChild<QPushButton *>(QString::fromUtf8(name))->isEnabled();
    };
    auto *rows = m_form->findChild<QTreeWidget *>(QStringLiteral("List1"));
    rows->setCurrentItem(rows->topLevelItem(1));
    QVERIFY(!enabled("削除") && !enabled("上へ") && !enabled("下へ"));
    rows->setCurrentItem(rows->topLevelItem(0));
    QVERIFY(enabled("削除") && !enabled("上へ") && !enabled("下へ"));
}

void TestForm3::editsTheTracks_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("totals");
    const QStringList abc{u"a.wav"_qs, u"b.wav"_qs, u"c.wav"_qs};

    QTest::newRow("add two by the dialog")
        << QStringList{} << u"dialog a.wav b.wav"_qs << -1 << QStringList{u"a.wav"_qs, u"b.wav"_qs}
        << u"曲: 3曲 / 音声ファイル: 2個　合計 0:13 (曲間を含む) / 74分"_qs;
    QTest::newRow("add after the others")
        << QStringList{u"c.wav"_qs} << u"dialog a.wav"_qs << -1 << QStringList{u"c.wav"_qs, u"a.wav"_qs}
        << u"曲: 3曲 / 音声ファイル: 2個　合計 0:14 (曲間を含む) / 74分"_qs;
    QTest::newRow("cancelled dialog adds nothing")
        << QStringList{u"c.wav"_qs} << u"dialog"_qs << -1 << QStringList{u"c.wav"_qs}
        << u"曲: 3曲 / 音声ファイル: 1個　合計 0:07 / 74分"_qs;
    // Cancelled before the window takes what was measured, however far the measuring got.
    QTest::newRow("cancelled while measured adds nothing")
        << QStringList{u"c.wav"_qs} << u"cancel a.wav b.wav"_qs << -1 << QStringList{u"c.wav"_qs}
        << u"曲: 3曲 / 音声ファイル: 1個　合計 0:07 / 74分"_qs;
    QTest::newRow("drop two") << QStringList{u"a.wav"_qs} << u"drop c.wav b.wav"_qs << -1
                              << QStringList{u"a.wav"_qs, u"c.wav"_qs, u"b.wav"_qs}
                              << u"曲: 3曲 / 音声ファイル: 3個　合計 0:22 (曲間を含む) / 74分"_qs;
    QTest::newRow("remove the first") << abc << u"削除"_qs << 0 << QStringList{u"b.wav"_qs, u"c.wav"_qs}
                                      << u"曲: 3曲 / 音声ファイル: 2個　合計 0:15 (曲間を含む) / 74分"_qs;
    QTest::newRow("remove the last") << abc << u"削除"_qs << 2 << QStringList{u"a.wav"_qs, u"b.wav"_qs}
                                     << u"曲: 3曲 / 音声ファイル: 2個　合計 0:13 (曲間を含む) / 74分"_qs;
    QTest::newRow("move the last up")
        << abc << u"上へ"_qs << 2 << QStringList{u"a.wav"_qs, u"c.wav"_qs, u"b.wav"_qs}
        << u"曲: 3曲 / 音声ファイル: 3個　合計 0:22 (曲間を含む) / 74分"_qs;
    QTest::newRow("move the first down")
        << abc << u"下へ"_qs << 0 << QStringList{u"b.wav"_qs, u"a.wav"_qs, u"c.wav"_qs}
        << u"曲: 3曲 / 音声ファイル: 3個　合計 0:22 (曲間を含む) / 74分"_qs;
    QTest::newRow("gaps off") << abc << u"Check1"_qs << -1 << abc
                              << u"曲: 3曲 / 音声ファイル: 3個　合計 0:18 / 74分"_qs;
}

void TestForm3::editsTheTracks()
{
    QFETCH(QStringList, before);
    QFETCH(QString, action);
    QFETCH(int, row);
    QFETCH(QStringList, after);
    QFETCH(QString, totals);
    editLayout(EditType::Ja, u"アルバム"_qs, u"歌手"_qs, {u"一"_qs, u"二"_qs, u"三"_qs});
    QStringList paths;
    for (const QString &name : before)
        paths << audio(name);
    m_fx->window->session().disc().setFiles(paths);
    QVERIFY(open());

    const QStringList words = action.split(QLatin1Char(' '));
    QStringList chosen;
    for (const QString &name : words.mid(1))
        chosen << audio(name);
    if (words.first() == QLatin1String("cancel")) {
        m_fx->platform.queueFileNames(chosen);
        click(QStringLiteral("追加"));
        auto *progress = m_form->findChild<QProgressDialog *>(QStringLiteral("長さ進行"));
        QVERIFY(progress);
        progress->findChild<QPushButton *>()->click();
    } else if (words.first() == QLatin1String("dialog")) {
        m_fx->platform.queueFileNames(chosen);
        click(QStringLiteral("追加"));
        QCOMPARE(m_fx->platform.fileDialogs.size(), 1);
        QVERIFY(m_fx->platform.fileDialogs.first().multiple);
        QCOMPARE(
            m_fx->platform.fileDialogs.first().filter,
            u"音声ファイル(*.wav *.aif *.aiff *.flac *.m4a *.mp3 *.ogg *.opus);;すべてのファイル(*.*)"_qs);
    } else if (words.first() == QLatin1String("drop")) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : chosen)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_form, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_form, &drop);
    } else if (action == QLatin1String("Check1")) {
        m_form->findChild<QCheckBox *>(action)->click();
        QVERIFY(!m_fx->window->session().disc().gaps());
    } else {
        auto *list = m_form->findChild<QTreeWidget *>(QStringLiteral("List1"));
        list->setCurrentItem(list->topLevelItem(row));
        click(action);
    }
    // Files are measured off the window's thread.
    QTRY_COMPARE(names(), after);
    QTRY_VERIFY(!m_form->busy());
    QCOMPARE(this->totals(), totals);
    for (int i = 0; i < after.size(); ++i)
        QCOMPARE(cell(i, FileColumn), after.at(i));
}

void TestForm3::totalsAgainstTheCapacity_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("totals");
    QTest::addColumn<QColor>("background");
    QTest::newRow("74 minutes") << 74 << u"曲: 1曲 / 音声ファイル: 1個　合計 74:00 / 74分"_qs << QColor();
    QTest::newRow("over 74")
        << 75 << u"曲: 1曲 / 音声ファイル: 1個　合計 75:00　74分を超えています。80分のディスクが要ります。"_qs
        << QColor(255, 240, 180);
    QTest::newRow("over 80")
        << 81 << u"曲: 1曲 / 音声ファイル: 1個　合計 81:00　80分を超えています。CDに収まりません。"_qs
        << QColor(255, 200, 200);
}

void TestForm3::totalsAgainstTheCapacity()
{
    QFETCH(int, minutes);
    QFETCH(QString, totals);
    QFETCH(QColor, background);
    editLayout(EditType::Ja, u"アルバム"_qs, u"歌手"_qs, {u"一"_qs});
    audio::AudioInfo info;
    info.samples = qint64(minutes) * 60 * audio::CdSampleRate;
    m_fx->window->session().disc().setTracks({{audio(u"a.wav"_qs), info}});
    QVERIFY(open());
    QCOMPARE(this->totals(), totals);
    auto *label = m_form->findChild<QLabel *>(QStringLiteral("Label1"));
    if (background.isValid())
        QCOMPARE(label->palette().color(QPalette::Window), background);
    else
        QCOMPARE(label->palette().color(QPalette::Window), m_form->palette().color(QPalette::Window));
}

void TestForm3::writesTheImage()
{
    // Four titles, one of them renamed after the first edit: the image has the layout as it stands.
    editLayout(EditType::Ja, u"朝の歌集"_qs, u"空トリオ"_qs, {u"朝"_qs, u"昼"_qs, u"夜"_qs, u"夜明け"_qs});
    Session &s = m_fx->window->session();
    s.cancel();
    s.setTitles(u"朝\r\n昼\r\n夕\r\n夜明け\r\n"_qs);
    QVERIFY(s.editConfirmed().done());
    s.disc().setFiles({audio(u"a.wav"_qs), audio(u"b.wav"_qs), audio(u"c.wav"_qs), audio(u"long.wav"_qs)});
    QVERIFY(open());
    const QString cue = m_fx->dir.path() + QStringLiteral("/out/disc.cue");
    m_fx->platform.queueFileName(cue);
    QList<int> percents;
    connect(m_form, &Form3::imageProgress, this, [&percents](int, int percent) { percents << percent; });
    m_fx->platform.expectBox(u"CDイメージを保存しました。\r\n"
                             "保存したフォルダーで次のコマンドを実行すると、CDに書き込めます。\r\n\r\n"
                             "cdrskin -v dev=/dev/sr0 -sao -text cuefile=disc.cue"_qs);
    click(QStringLiteral("イメージ保存"));
    QCOMPARE(m_fx->platform.messages.last().title, u"CDイメージ保存"_qs);
    QCOMPARE(m_fx->platform.messages.last().icon, Platform::Icon::Information);
    const ScriptedPlatform::FileDialog dialog = m_fx->platform.fileDialogs.first();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.filter, u"CUEシート(*.cue)"_qs);
    QCOMPARE(dialog.title, u"CDイメージ保存"_qs);
    QCOMPARE(dialog.defaultSuffix, u"cue"_qs);
    QCOMPARE(dialog.startName, u"朝の歌集.cue"_qs);
    QVERIFY(!percents.isEmpty() && percents.last() == 100);
    QTRY_VERIFY(!m_form->findChild<QProgressDialog *>());
    QCOMPARE(written(), (QStringList{u"disc.bin"_qs, u"disc.cdt"_qs, u"disc.cue"_qs}));

    QByteArray info;
    QVERIFY(testaudio::run(
        QStringLiteral("cd-info"),
        {QStringLiteral("--no-device-info"), QStringLiteral("--no-cddb"), QStringLiteral("--cue-file"), cue},
        &info));
    const QString text = QString::fromUtf8(info);
    QVERIFY2(text.contains(QStringLiteral("CD-ROM Track List (1 - 4)")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("TITLE: 夕")) && !text.contains(QStringLiteral("TITLE: 夜\n")),
             qPrintable(text));
}

void TestForm3::refusesBeforeAnything_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("problem"); // shown on the list, in the row of the track concerned
    QTest::addColumn<int>("row");
    QTest::newRow("fewer files than tracks")
        << QStringList{u"a.wav"_qs, u"b.wav"_qs}
        << u"音声ファイルが2個、曲が3曲あります。曲と同じ数の音声ファイルにしてください。"_qs
        << u"音声ファイルがありません"_qs << 2;
    QTest::newRow("more files than tracks")
        << QStringList{u"a.wav"_qs, u"b.wav"_qs, u"c.wav"_qs, u"a.wav"_qs}
        << u"音声ファイルが4個、曲が3曲あります。曲と同じ数の音声ファイルにしてください。"_qs
        << u"曲名にない曲です"_qs << 3;
    QTest::newRow("a track under 4 s")
        << QStringList{u"a.wav"_qs, u"short.wav"_qs, u"c.wav"_qs}
        << u"2曲目の「short.wav」は4秒より短い音声です。4秒以上の曲にしてください。"_qs << u"4秒より短い"_qs
        << 1;
    QTest::newRow("a file that is not audio")
        << QStringList{u"a.wav"_qs, u"notes.wav"_qs, u"c.wav"_qs}
        << u"2曲目の「notes.wav」: WAV、AIFF、FLAC、M4A、MP3、Ogg Vorbis、Opusの音声ファイルではありません。"
           "別のファイルにしてください。"_qs
        << u"WAV、AIFF、FLAC、M4A、MP3、Ogg Vorbis、Opusの音声ファイルではありません"_qs << 1;
    QTest::newRow("both, every one told")
        << QStringList{u"short.wav"_qs, u"b.wav"_qs}
        << u"音声ファイルが2個、曲が3曲あります。曲と同じ数の音声ファイルにしてください。\r\n"
           "1曲目の「short.wav」は4秒より短い音声です。4秒以上の曲にしてください。"_qs
        << u"4秒より短い"_qs << 0;
}

void TestForm3::refusesBeforeAnything()
{
    QFETCH(QStringList, files);
    QFETCH(QString, changes);
    QFETCH(QString, problem);
    QFETCH(int, row);
    editLayout(EditType::Ja, u"アルバム"_qs, u"歌手"_qs, {u"一"_qs, u"二"_qs, u"三"_qs});
    QStringList paths;
    for (const QString &name : files)
        paths << audio(name);
    m_fx->window->session().disc().setFiles(paths);
    QVERIFY(open());
    QCOMPARE(cell(row, ProblemColumn), problem);
    // No name is asked for an image that cannot be written.
    m_fx->platform.expectBox(RefusedHead + changes);
    click(QStringLiteral("イメージ保存"));
    QCOMPARE(m_fx->platform.messages.last().icon, Platform::Icon::Stop);
    QVERIFY(m_fx->platform.fileDialogs.isEmpty());
    QVERIFY(written().isEmpty());
}

void TestForm3::overWarningAsksFirst_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("after"); // the box after the question and the dialog; empty for none
    QTest::newRow("cancel") << Answer::Cancel << QString();
    // Measured as 75 minutes, the file then gives 5 seconds: the writer fails and leaves nothing.
    QTest::newRow("ok, then the file is not what was measured")
        << Answer::Ok
        << u"CDイメージを保存できませんでした。ファイルは作られていません。\r\n"
           "1曲目の「a.wav」の長さが確かめたときと違います。ファイルを確かめて、もう一度保存してください。"_qs;
}

void TestForm3::overWarningAsksFirst()
{
    QFETCH(Answer, answer);
    QFETCH(QString, after);
    editLayout(EditType::Ja, u"アルバム"_qs, u"歌手"_qs, {u"一"_qs});
    audio::AudioInfo info;
    info.samples = qint64(75) * 60 * audio::CdSampleRate;
    m_fx->window->session().disc().setTracks({{audio(u"a.wav"_qs), info}});
    QVERIFY(open());
    m_fx->platform.expectBox(u"ディスクの長さが75:00で、74分を超えます。\r\n"
                             "80分のディスクと、それに書き込めるドライブが要ります。\r\n\r\n"
                             "CDイメージを保存しますか？"_qs,
                             answer);
    if (answer == Answer::Ok) {
        m_fx->platform.queueFileName(m_fx->dir.path() + QStringLiteral("/out/disc.cue"));
        m_fx->platform.expectBox(after);
    }
    click(QStringLiteral("イメージ保存"));
    QCOMPARE(m_fx->platform.messages.first().buttons, Platform::Buttons::OkCancel);
    QCOMPARE(m_fx->platform.fileDialogs.size(), answer == Answer::Ok ? 1 : 0);
    QVERIFY(written().isEmpty());
}

void TestForm3::cancelLeavesNothing_data()
{
    QTest::addColumn<bool>("fromWindow");
    QTest::newRow("the progress dialog's cancel") << true;
    QTest::newRow("the session's progress callback") << false;
}

void TestForm3::cancelLeavesNothing()
{
    QFETCH(bool, fromWindow);
    editLayout(EditType::Ja, u"アルバム"_qs, u"歌手"_qs, {u"一"_qs, u"二"_qs});
    Session &s = m_fx->window->session();
    s.disc().setFiles({audio(u"long.wav"_qs), audio(u"a.wav"_qs)});
    const QString cue = m_fx->dir.path() + QStringLiteral("/out/disc.cue");
    if (fromWindow) {
        QVERIFY(open());
        // Cancelled while the first track is written: the writer waits until the dialog has shown it.
        connect(m_form, &Form3::imageProgress, this, [this](int track, int percent) {
            if (track == 1 && percent >= 10)
                if (auto *progress = m_form->findChild<QProgressDialog *>())
                    progress->findChild<QPushButton *>()->click();
        });
        m_fx->platform.queueFileName(cue);
        m_fx->platform.expectBox(u"CDイメージの保存を取り消しました。ファイルは作られていません。"_qs);
        click(QStringLiteral("イメージ保存"));
    } else {
        std::atomic<bool> cancel{false};
        int last = 0;
        const Outcome outcome = s.saveCdImageTo(
            cue,
            [&](int, int percent) {
                last = percent;
                if (percent >= 50)
                    cancel = true;
            },
            &cancel);
        QCOMPARE(outcome.kind, Outcome::Kind::Cancelled);
        QCOMPARE(outcome.command, Outcome::Command::CdImage);
        QVERIFY(last >= 50 && last < 100);
    }
    QVERIFY2(written().isEmpty(), qPrintable(written().join(u' ')));
}

void TestForm3::burnsOnlyWhatADriveTakes_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("drives"); // offered instead of the system's; none: the system's
    QTest::addColumn<int>("minutes");        // the track measured as this long; 0: as it is
    QTest::addColumn<QString>("medium");     // what the window says the drive holds
    QTest::addColumn<QString>("box");        // the first line of the box "書き込み" leads to; empty: none
    QTest::addColumn<QString>("reason");     // in the box too

    const QStringList one{u"a.wav"_qs};
    const QStringList null{u"stdio:/dev/null"_qs};
    const QString noDrive = u"CDドライブが見つかりません。"_qs;
    // This machine has no CD writer.
    QTest::newRow("no drive") << one << QStringList() << 0 << noDrive << noDrive
                              << u"CDを書き込めるドライブをつないで、もう一度お試しください。"_qs;
    // The whole disc is built and handed to libburn, whose own check stops it: the drive is no CD.
    QTest::newRow("libburn's emulated drive")
        << one << null << 0 << u"stdio file（CDではありません）"_qs
        << u"このディスクはCDではありません（stdio file）。"_qs << u"audio track prohibited by non-CD"_qs;
    QTest::newRow("a refused disc asks no drive")
        << QStringList() << null << 0 << u"stdio file（CDではありません）"_qs
        << u"CDに書き込めません。次を直してください。"_qs
        << u"音声ファイルが0個、曲が1曲あります。曲と同じ数の音声ファイルにしてください。"_qs;
    QTest::newRow("over 74 minutes asks, cancel burns nothing")
        << one << null << 75 << u"stdio file（CDではありません）"_qs << QString() << QString();
    QTest::newRow("a drive gone since the list was made")
        << one << QStringList{u"/dev/no-such-drive"_qs} << 0 << noDrive << noDrive
        << u"「/dev/no-such-drive」はCDドライブではないか、開けません。"_qs;
}

void TestForm3::burnsOnlyWhatADriveTakes()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, drives);
    QFETCH(int, minutes);
    QFETCH(QString, medium);
    QFETCH(QString, box);
    QFETCH(QString, reason);
    editLayout(EditType::Ja, u"アルバム"_qs, u"歌手"_qs, {u"一"_qs});
    QList<disc::DiscTrack> tracks;
    for (const QString &name : files)
        tracks.append({audio(name), audio::probeAudio(audio(name))});
    if (minutes > 0)
        tracks.first().audio.samples = qint64(minutes) * 60 * audio::CdSampleRate;
    m_fx->window->session().disc().setTracks(tracks);
    QVERIFY(open());
    auto *burn = m_form->findChild<QPushButton *>(u"書き込み"_qs);
    auto *list = m_form->findChild<QComboBox *>(u"Combo1"_qs);
    auto *label = m_form->findChild<QLabel *>(u"Label2"_qs);
    for (const char *name : {"更新", "Combo2", "試し書き", "書き込み後に取り出す"})
        QVERIFY2(m_form->findChild<QWidget *>(QString::fromUtf8(name)), name);
    // The system's drives are looked for as the window opens.
    QTRY_VERIFY(burn->isEnabled());
    if (!drives.isEmpty()) {
        m_form->setDriveLister([drives] {
            QList<burning::DriveInfo> offered;
            for (const QString &address : drives)
                offered.append({address, {}, {}, {}});
            return offered;
        });
        click(u"更新"_qs);
        QTRY_VERIFY(burn->isEnabled());
    }
    QCOMPARE(list->count(), drives.size());
    QCOMPARE(label->text(), medium);
    if (minutes > 0)
        m_fx->platform.expectBox(u"ディスクの長さが75:00で、74分を超えます。\r\n"
                                 "80分のディスクと、それに書き込めるドライブが要ります。\r\n\r\n"
                                 "書き込みますか？"_qs,
                                 Answer::Cancel);
    else
        m_fx->platform.expectBox();
    click(u"書き込み"_qs);
    QTRY_VERIFY(burn->isEnabled());
    QVERIFY(!m_form->busy());
    const ScriptedPlatform::Message &said = m_fx->platform.messages.last();
    if (!box.isEmpty()) {
        QCOMPARE(said.text.section(CrLf, 0, 0), box);
        QVERIFY2(said.text.contains(reason), qPrintable(said.text));
        QCOMPARE(said.icon, Platform::Icon::Stop);
        QCOMPARE(said.title, u"CDに書き込み"_qs);
    }
    // Nothing left grabbed, and the window is as before: the drive can be tried again.
    QCOMPARE(burning::GrabbedDrive::held(), 0);
    for (const char *name :
         {"Combo1", "更新", "Combo2", "試し書き", "書き込み後に取り出す", "追加", "イメージ保存"})
        QVERIFY2(m_form->findChild<QWidget *>(QString::fromUtf8(name))->isEnabled(), name);
    QTRY_COMPARE(label->text(), medium);
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
