#include "support/ScriptedCorePlatform.h"
#include "support/TestAudio.h"

#include "burn/GrabbedDrive.h"
#include "files/CdTextFile.h"
#include "session/Session.h"
#include "text/Cp932.h"
#include "wording/OutcomeBoxes.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>

using namespace velnora;

namespace
{

// A command run on the session; dir is the temporary folder.
// A command of a row; what it returns is shown as the window shows it.
using Command = std::function<void(Session &, const QDir &dir, CorePlatform &platform)>;

QString iconName(CorePlatform::Icon icon)
{
    switch (icon) {
    case CorePlatform::Icon::None:
        return QStringLiteral("none");
    case CorePlatform::Icon::Stop:
        return QStringLiteral("stop");
    case CorePlatform::Icon::Question:
        return QStringLiteral("question");
    case CorePlatform::Icon::Exclamation:
        return QStringLiteral("exclamation");
    case CorePlatform::Icon::Information:
        return QStringLiteral("information");
    }
    return QString();
}

QString buttonsName(CorePlatform::Buttons buttons)
{
    switch (buttons) {
    case CorePlatform::Buttons::Ok:
        return QStringLiteral("ok");
    case CorePlatform::Buttons::OkCancel:
        return QStringLiteral("ok cancel");
    case CorePlatform::Buttons::YesNo:
        return QStringLiteral("yes no");
    }
    return QString();
}

// A box as one line: "title | text | icon | buttons".
QString box(const QString &title, const QString &text, const QString &icon, const QString &buttons)
{
    return title + QStringLiteral(" | ") + text + QStringLiteral(" | ") + icon + QStringLiteral(" | ") +
           buttons;
}

const QString ClearBox =
    box(QStringLiteral("データクリアOK？"), QStringLiteral("記入済みのデータはクリアされますがよいですか？"),
        QStringLiteral("exclamation"), QStringLiteral("ok cancel"));
const QString DoneBox =
    box(QStringLiteral("編集完了"), QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください"),
        QStringLiteral("information"), QStringLiteral("ok"));

// A session over a scripted platform whose program folder is a fresh temporary folder, started.
struct Fixture {
    QTemporaryDir dir;
    ScriptedCorePlatform platform;
    Session session{platform};

    Fixture()
    {
        platform.setProgramFolder(dir.path());
        platform.setUserDataFolder(dir.filePath(QStringLiteral("userdata")));
    }
    QString path(const QString &name) const { return name.isEmpty() ? QString() : dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    // Expects the boxes of a row ("title | text | icon | buttons"), the first ones answered as given,
    // the others with their first button.
    void expect(const QStringList &boxes, const QList<Answer> &answers)
    {
        for (qsizetype i = 0; i < boxes.size(); ++i)
            platform.expectBox(boxes.at(i).split(QStringLiteral(" | ")).at(1),
                               i < answers.size() ? std::optional(answers.at(i))
                                                  : ScriptedCorePlatform::FirstButton);
    }
    // Start-up as the window runs it: its boxes shown, false when another instance runs.
    bool startUp()
    {
        const Outcome outcome = session.startUp();
        showOutcome(platform, outcome);
        return outcome.refusal != Outcome::Refusal::OtherInstance;
    }
    QStringList boxes() const
    {
        QStringList seen;
        for (const ScriptedCorePlatform::Message &m : platform.messages)
            seen << box(m.title, m.text, iconName(m.icon), buttonsName(m.buttons));
        return seen;
    }
};

} // namespace

Q_DECLARE_METATYPE(Command)

// A command that fills the document from files in the temporary folder.
using FileCommand = std::function<Outcome(Session &, const QDir &dir)>;
Q_DECLARE_METATYPE(FileCommand)

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void startUp_data();
    void startUp();
    void exportProposesName_data();
    void exportProposesName();
    void rejectedCharacterIsShownWhereItStands();
    void movedTitleSelectsItsEntry();
    void endRemovesSnapshot();
    void commandsWithPathsNeedNoPlatform();
    void titlesFromFiles_data();
    void titlesFromFiles();
    void burn_data();
    void burn();
};

// Every command from a filled document: the boxes asked, then the document, the current file, the
// edited state and the snapshot's bytes as they stand afterwards.
void TestSession::commands_data()
{
    QTest::addColumn<QString>("titles"); // before; album "Alb", artist "Art"
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QString>("fileName"); // the next file dialog's answer, in the temporary folder;
                                           // "(cancelled)" cancels it
    QTest::addColumn<Command>("command");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("currentFile");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QByteArray>("snapshot"); // temp.dat

    const QString two = QStringLiteral("b\r\na");
    const QByteArray none = QByteArray();
    auto run = [](auto m) {
        return Command([m](Session &s, const QDir &, CorePlatform &p) {
            if constexpr (std::is_same_v<decltype((s.*m)()), Outcome>)
                showOutcome(p, (s.*m)());
            else
                (s.*m)();
        });
    };

    QTest::newRow("clear keeps the titles in the snapshot")
        << two << QList<Answer>{} << QString() << run(&Session::clearDocument) << QStringList{} << QString()
        << QString() << QString() << false << QByteArray("b\r\na");
    QTest::newRow("new, cancelled") << two << QList<Answer>{CorePlatform::Cancel} << QString()
                                    << run(&Session::newDocument) << QStringList{ClearBox}
                                    << QStringLiteral("Alb") << two << QString() << false << none;
    QTest::newRow("new, confirmed") << two << QList<Answer>{CorePlatform::Ok} << QString()
                                    << run(&Session::newDocument) << QStringList{ClearBox} << QString()
                                    << QString() << QString() << false << QByteArray("b\r\na");
    QTest::newRow("open, dialog cancelled")
        << two << QList<Answer>{CorePlatform::Ok} << QStringLiteral("(cancelled)")
        << run(&Session::openDocument) << QStringList{ClearBox} << QStringLiteral("Alb") << two << QString()
        << false << none;
    QTest::newRow("open a disc line with edit marks")
        << two << QList<Answer>{CorePlatform::Ok} << QStringLiteral("in.txt") << run(&Session::openDocument)
        << QStringList{ClearBox} << QStringLiteral("New") << QStringLiteral("x\r\n0\tNew\tOne\r\n")
        << QStringLiteral("in.txt") << false << QByteArray("b\r\na");
    QTest::newRow("save without a file asks for a name")
        << two << QList<Answer>{} << QStringLiteral("out.txt") << run(&Session::save) << QStringList{}
        << QStringLiteral("Alb") << two << QStringLiteral("out.txt") << false << none;
    QTest::newRow("sort ascending") << two << QList<Answer>{} << QString() << run(&Session::sortTitles)
                                    << QStringList{} << QStringLiteral("Alb") << QStringLiteral("a\r\nb\r\n")
                                    << QString() << false << QByteArray("b\r\na");
    QTest::newRow("attach numbers") << two << QList<Answer>{} << QString()
                                    << run(&Session::attachTrackNumbers) << QStringList{}
                                    << QStringLiteral("Alb") << QStringLiteral("01-b\r\n02-a\r\n")
                                    << QString() << false << QByteArray("b\r\na");
    QTest::newRow("delete numbers") << QStringLiteral("01 b\r\n02 a") << QList<Answer>{} << QString()
                                    << Command([](Session &s, const QDir &, CorePlatform &) {
                                           s.setCounter(3);
                                           s.deleteTrackNumbers();
                                       })
                                    << QStringList{} << QStringLiteral("Alb") << QStringLiteral("b\r\na\r\n")
                                    << QString() << false << QByteArray("01 b\r\n02 a");
    QTest::newRow("edit ja") << two << QList<Answer>{CorePlatform::Yes} << QString() << run(&Session::edit)
                             << QStringList{box(QStringLiteral("編集種類確認"),
                                                QStringLiteral("ja 編集でよいですか？"),
                                                QStringLiteral("question"), QStringLiteral("yes no")),
                                            DoneBox}
                             << QStringLiteral("Alb")
                             << QStringLiteral("ja\r\n0\tＡｌｂ\tＡｒｔ\r\n1\tｂ\r\n2\tａ\r\n") << QString()
                             << true << QByteArray("b\r\na");
    QTest::newRow("edit with an empty first line stops")
        << QStringLiteral("\r\na") << QList<Answer>{} << QString() << run(&Session::edit)
        << QStringList{box(QStringLiteral("改行禁止"), QStringLiteral("曲名の一行目は改行しちゃダメ"),
                           QStringLiteral("stop"), QStringLiteral("ok"))}
        << QStringLiteral("Alb") << QStringLiteral("\r\na") << QString() << false << none;
    QTest::newRow("cancel after clear brings back titles and names")
        << two << QList<Answer>{} << QString() << Command([](Session &s, const QDir &, CorePlatform &) {
               s.clearDocument();
               s.cancel();
           })
        << QStringList{} << QStringLiteral("Alb") << QStringLiteral("b\r\na\r\n") << QString() << false
        << QByteArray("b\r\na");
    QTest::newRow("en double click narrows")
        << QStringLiteral(" ｂ ") << QList<Answer>{} << QString() << run(&Session::convertToEnglish)
        << QStringList{} << QStringLiteral("Alb") << QStringLiteral("b") << QString() << false << none;
    QTest::newRow("file names dropped")
        << two << QList<Answer>{} << QString() << Command([](Session &s, const QDir &, CorePlatform &p) {
               s.setFileNameDrop(true);
               showOutcome(p, s.dropFiles({QStringLiteral("/music/01 Intro.flac"),
                                           QStringLiteral("/music/02.live.mp3")}));
           })
        << QStringList{} << QStringLiteral("Alb") << QStringLiteral("b\r\na01 Intro\r\n02.live\r\n")
        << QString() << false << none;
    QTest::newRow("dropped folder cannot be opened")
        << two << QList<Answer>{} << QString() << Command([](Session &s, const QDir &, CorePlatform &p) {
               showOutcome(p, s.dropFiles({QStringLiteral("/")}));
           })
        << QStringList{box(QStringLiteral("VELNORA"), QStringLiteral("開けません！"), QStringLiteral("none"),
                           QStringLiteral("ok"))}
        << QStringLiteral("Alb") << two << QString() << false << none;
    QTest::newRow("dropped file replaces the titles")
        << two << QList<Answer>{} << QString() << Command([](Session &s, const QDir &dir, CorePlatform &p) {
               showOutcome(p, s.dropFiles({dir.filePath(QStringLiteral("in.txt"))}));
           })
        << QStringList{} << QStringLiteral("New") << QStringLiteral("x\r\n0\tNew\tOne\r\n")
        << QStringLiteral("in.txt") << false << none;
    QTest::newRow("label double click clears the titles")
        << two << QList<Answer>{} << QString()
        << Command([](Session &s, const QDir &, CorePlatform &) { s.clearField(3); }) << QStringList{}
        << QStringLiteral("Alb") << QString() << QString() << false << none;
    QTest::newRow("sample") << two << QList<Answer>{} << QString() << run(&Session::pasteSample)
                            << QStringList{} << QStringLiteral("Album")
                            << QStringLiteral(
                                   "    FirstTitle\r\nSecondTitle \u25CF\r\n         ThirdTitle\r\n"
                                   "FourthTitle\r\nFifthTitle\r\nSixthTitle\r\n   SeventhTitle\r\n"
                                   "EighthTitle\r\n   NinthTitle\r\nTenthTitle\r\n        EleventhTitle\r\n"
                                   "TwelfthTitle\r\n")
                            << QString() << false << none;
    const QString jaConfirm = box(QStringLiteral("編集種類確認"), QStringLiteral("ja 編集でよいですか？"),
                                  QStringLiteral("question"), QStringLiteral("yes no"));
    auto editAndExport = Command([](Session &s, const QDir &, CorePlatform &p) {
        showOutcome(p, s.edit());
        showOutcome(p, s.exportCdTextFile());
    });
    QTest::newRow("export after the edit: the use and the burn command")
        << two << QList<Answer>{CorePlatform::Yes} << QStringLiteral("out.cdt") << editAndExport
        << QStringList{jaConfirm, DoneBox,
                       box(QStringLiteral("CD-TEXT書き出し完了"),
                           QStringLiteral(
                               "ja: 4 / 253 パック\r\n\r\n"
                               "cdrskin -v dev=/dev/sr0 -audio -pad textfile=out.cdt 01.wav 02.wav"),
                           QStringLiteral("information"), QStringLiteral("ok"))}
        << QStringLiteral("Alb") << QStringLiteral("ja\r\n0\tＡｌｂ\tＡｒｔ\r\n1\tｂ\r\n2\tａ\r\n")
        << QString() << true << QByteArray("b\r\na");
    QString long30 = QString(100, QLatin1Char('x'));
    QString longLayout = QStringLiteral("ja\r\n0\tＡｌｂ\tＡｒｔ\r\n");
    for (int t = 1; t <= 30; ++t)
        longLayout += QStringLiteral("%1\t").arg(t) + QString(100, QChar(0xFF58)) + QStringLiteral("\r\n");
    const QString overCapacity =
        QStringLiteral("CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。"
                       "\r\nja ブロック: 527 / 253 パック");
    QTest::newRow("over capacity: a box after the edit, the export refuses with its words")
        << QStringList(30, long30).join(QStringLiteral("\r\n")) << QList<Answer>{CorePlatform::Yes}
        << QString() << editAndExport
        << QStringList{jaConfirm, DoneBox,
                       box(QStringLiteral("CD-TEXT容量超過"), overCapacity, QStringLiteral("exclamation"),
                           QStringLiteral("ok")),
                       box(QStringLiteral("CD-TEXT容量超過"), overCapacity, QStringLiteral("stop"),
                           QStringLiteral("ok"))}
        << QStringLiteral("Alb") << longLayout << QString() << true
        << QStringList(30, long30).join(QStringLiteral("\r\n")).toLatin1();
    // Written as typed: the bytes are valid, only some readers drop such texts.
    const QString nonJis =
        QStringLiteral("ja ブロックにJIS X 0208にない文字 (機種依存文字) があります。"
                       "CD-TEXTとしては正しく書けますが、一部の読み取りソフトで作られたプレーヤーでは、"
                       "その文字を含む曲名やアルバム名が何も表示されません。\r\n"
                       "1曲目の曲名「髙」(U+9AD9) → 高\r\n2曲目の曲名「①」(U+2460) → （１）\r\n"
                       "「→」の後の文字に置き換えると、どのプレーヤーでも表示されます。");
    const QString nonJisBox = box(QStringLiteral("CD-TEXT機種依存文字"), nonJis,
                                  QStringLiteral("exclamation"), QStringLiteral("ok"));
    const QString nonJisQuestion = box(QStringLiteral("CD-TEXT機種依存文字"),
                                       nonJis + QStringLiteral("\r\n\r\nこのまま書き出しますか？"),
                                       QStringLiteral("exclamation"), QStringLiteral("ok cancel"));
    const QString nonJisTitles = QStringLiteral("髙橋\r\n①");
    const QString nonJisLayout = QStringLiteral("ja\r\n0\tＡｌｂ\tＡｒｔ\r\n1\t髙橋\r\n2\t①\r\n");
    QTest::newRow("characters some players cannot show: a box after the edit")
        << nonJisTitles << QList<Answer>{CorePlatform::Yes} << QString() << run(&Session::edit)
        << QStringList{jaConfirm, DoneBox, nonJisBox} << QStringLiteral("Alb") << nonJisLayout << QString()
        << true << cp932::encode(nonJisTitles).bytes;
    QTest::newRow("characters some players cannot show: the export asks, OK writes")
        << nonJisTitles
        << QList<Answer>{CorePlatform::Yes, CorePlatform::Ok, CorePlatform::Ok, CorePlatform::Ok}
        << QStringLiteral("out.cdt") << editAndExport
        << QStringList{jaConfirm, DoneBox, nonJisBox, nonJisQuestion,
                       box(QStringLiteral("CD-TEXT書き出し完了"),
                           QStringLiteral(
                               "ja: 4 / 253 パック\r\n\r\n"
                               "cdrskin -v dev=/dev/sr0 -audio -pad textfile=out.cdt 01.wav 02.wav"),
                           QStringLiteral("information"), QStringLiteral("ok"))}
        << QStringLiteral("Alb") << nonJisLayout << QString() << true << cp932::encode(nonJisTitles).bytes;
    // No file dialog follows: the strict double would fail on one.
    QTest::newRow("characters some players cannot show: Cancel writes nothing")
        << nonJisTitles
        << QList<Answer>{CorePlatform::Yes, CorePlatform::Ok, CorePlatform::Ok, CorePlatform::Cancel}
        << QString() << editAndExport << QStringList{jaConfirm, DoneBox, nonJisBox, nonJisQuestion}
        << QStringLiteral("Alb") << nonJisLayout << QString() << true << cp932::encode(nonJisTitles).bytes;
    QTest::newRow("exit question enables saving")
        << two << QList<Answer>{CorePlatform::Yes} << QString() << run(&Session::askSaveCommands)
        << QStringList{box(QStringLiteral("VELNORA"), QStringLiteral("保存ボタンを有効にしますか？"),
                           QStringLiteral("none"), QStringLiteral("yes no"))}
        << QStringLiteral("Alb") << two << QString() << false << none;
}

void TestSession::commands()
{
    QFETCH(QString, titles);
    QFETCH(QList<Answer>, answers);
    QFETCH(QString, fileName);
    QFETCH(Command, command);
    QFETCH(QStringList, boxes);

    Fixture f;
    QVERIFY(f.startUp());
    f.write(QStringLiteral("in.txt"), "x\r\n0\tNew\tOne\r\n");
    f.session.setAlbum(QStringLiteral("Alb"));
    f.session.setArtist(QStringLiteral("Art"));
    f.session.setTitles(titles);
    f.expect(boxes, answers);
    if (fileName == QLatin1String("(cancelled)"))
        f.platform.queueCancelledFileDialog();
    else if (!fileName.isEmpty())
        f.platform.queueFileName(f.path(fileName));
    const QByteArray before = f.read(QStringLiteral("temp.dat"));
    command(f.session, QDir(f.dir.path()), f.platform);

    QTEST(f.boxes(), "boxes");
    QTEST(f.session.album(), "album");
    QTEST(f.session.titles(), "after");
    QFETCH(QString, currentFile);
    QCOMPARE(f.session.currentFile(), f.path(currentFile));
    QTEST(f.session.isEdited(), "edited");
    QFETCH(QByteArray, snapshot);
    QCOMPARE(f.read(QStringLiteral("temp.dat")), snapshot.isNull() ? before : snapshot);
    if (QByteArray(QTest::currentDataTag()) == "save without a file asks for a name")
        QCOMPARE(f.read(QStringLiteral("out.txt")), QByteArray("b\r\na"));
    // The export writes its file only when it tells of it.
    if (fileName.endsWith(QLatin1String(".cdt")))
        QCOMPARE(f.read(fileName) != "(none)",
                 f.boxes().constLast().contains(QStringLiteral("書き出し完了")));
}

void TestSession::exportProposesName_data()
{
    QTest::addColumn<QString>("document"); // the current file
    QTest::addColumn<QString>("album");    // as the disc line holds it
    QTest::addColumn<QString>("proposed");
    QTest::newRow("the document's file first") << u"/d/x.txt"_qs << u"Alb"_qs << u"/d/x.cdt"_qs;
    QTest::newRow("no file: the album") << QString() << u"Blue Album"_qs << u"Blue Album.cdt"_qs;
    QTest::newRow("a slash names no folder") << QString() << u"AC/DC"_qs << u"AC_DC.cdt"_qs;
    QTest::newRow("NUL and line feed") << QString() << u"a\0b\nc"_qs << u"a_b_c.cdt"_qs;
    QTest::newRow("not hidden") << QString() << u"..hidden"_qs << u"hidden.cdt"_qs;
    QTest::newRow("dots and blanks at the start") << QString() << u". .x"_qs << u"x.cdt"_qs;
    QTest::newRow("blanks trimmed") << QString() << u"\u3000 名前 \u3000"_qs << u"名前.cdt"_qs;
    QTest::newRow("only a dot: none") << QString() << u"."_qs << QString();
    QTest::newRow("only blanks: none") << QString() << u"\u3000 "_qs << QString();
    QTest::newRow("no album: none") << QString() << QString() << QString();
    QTest::newRow("long Japanese: 200 bytes at most")
        << QString() << QString(100, QChar(0x3042)) << QString(66, QChar(0x3042)) + u".cdt"_qs;
    QTest::newRow("a pair over the limit goes whole")
        << QString() << QString(199, u'x') + u"\U0001F600"_qs << QString(199, u'x') + u".cdt"_qs;
}

void TestSession::exportProposesName()
{
    QFETCH(QString, document);
    QFETCH(QString, album);
    QTEST(cdTextFileName(document, album), "proposed");
}

void TestSession::startUp_data()
{
    QTest::addColumn<bool>("otherInstance");
    QTest::addColumn<QString>("commandLine"); // a name in the temporary folder
    QTest::addColumn<bool>("programFolderWritable");
    QTest::addColumn<bool>("started");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("snapshotFolder"); // where temp.dat went, relative to the temporary folder

    QTest::newRow("second instance") << true << QString() << true << false
                                     << QStringList{box(QStringLiteral("VELNORA"),
                                                        QStringLiteral("２重起動防止！"),
                                                        QStringLiteral("none"), QStringLiteral("ok"))}
                                     << QString() << QString();
    QTest::newRow("named file with edit marks")
        << false << QStringLiteral("in.txt") << true << true << QStringList{} << QStringLiteral("x\r\ny\r\n")
        << QStringLiteral(".");
    QTest::newRow("named file missing")
        << false << QStringLiteral("gone.txt") << true << true
        << QStringList{box(QStringLiteral("VELNORA"),
                           QStringLiteral("開けません！\r\nファイルでない可能性があります。"),
                           QStringLiteral("none"), QStringLiteral("ok"))}
        << QString() << QStringLiteral(".");
    QTest::newRow("program folder not writable")
        << false << QString() << false << true << QStringList{} << QString() << QStringLiteral("userdata");
}

void TestSession::startUp()
{
    QFETCH(bool, otherInstance);
    QFETCH(QString, commandLine);
    QFETCH(bool, programFolderWritable);

    Fixture f;
    f.write(QStringLiteral("in.txt"), "ja\r\n0\tA\tB\r\n1\tx\r\n2\ty\r\n");
    f.platform.setOtherInstanceRunning(otherInstance);
    if (!commandLine.isEmpty())
        f.platform.setCommandLine(f.path(commandLine));
    // Root writes through permission bits: a program "folder" that is a regular file stops it.
    if (!programFolderWritable) {
        f.write(QStringLiteral("plain"), "x");
        f.platform.setProgramFolder(f.path(QStringLiteral("plain")));
    }

    QFETCH(QStringList, boxes);
    f.expect(boxes, {});
    QTEST(f.startUp(), "started");
    QTEST(f.boxes(), "boxes");
    QTEST(f.session.titles(), "titles");
    QCOMPARE(f.session.currentFile(), f.path(commandLine));
    QFETCH(QString, snapshotFolder);
    const QString expected = snapshotFolder.isEmpty()
                                 ? QString()
                                 : QDir(f.path(snapshotFolder)).filePath(QStringLiteral("temp.dat"));
    if (!expected.isEmpty())
        QCOMPARE(QDir::cleanPath(f.session.snapshot().path()), QDir::cleanPath(expected));
}

void TestSession::rejectedCharacterIsShownWhereItStands()
{
    Fixture f;
    QVERIFY(f.startUp());
    f.session.setEditType(EditType::En);
    f.session.setAlbum(QStringLiteral("Alb"));
    f.session.setArtist(QStringLiteral("Art"));
    f.session.setTitles(QStringLiteral("ok\r\nb☆d"));
    QSignalSpy rejected(&f.session, &Session::characterRejected);
    f.platform.expectBox(QStringLiteral("en 編集でよいですか？"), CorePlatform::Yes);
    f.platform.expectBox(); // the refusal, checked below
    const Outcome outcome = f.session.edit();
    showOutcome(f.platform, outcome);
    // The place as a person counts it, for a face that cannot select it.
    QCOMPARE(outcome.refusal, Outcome::Refusal::CharacterRejected);
    QCOMPARE(outcome.rejected->character.character, QStringLiteral("☆"));
    QCOMPARE(outcome.rejected->line, 2);
    QCOMPARE(outcome.rejected->column, qsizetype(2));
    QCOMPARE(rejected.size(), 1);
    QCOMPARE(rejected.at(0).at(0).toInt(), 3);
    QCOMPARE(rejected.at(0).at(1).value<qsizetype>(), 5); // a CR LF counts two
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.platform.messages.at(1).title, QStringLiteral("編集中断"));
    QVERIFY(!f.session.isEdited());
}

void TestSession::movedTitleSelectsItsEntry()
{
    Fixture f;
    QVERIFY(f.startUp());
    f.session.setTitles(QStringLiteral("a\r\nb\r\nc\r\n"));
    QSignalSpy entry(&f.session, &Session::entrySelected);
    QSignalSpy selected(&f.session, &Session::titleSelected);
    f.session.moveTitle(3, MoveDirection::Up);
    QCOMPARE(f.session.titles(), QStringLiteral("a\r\nc\r\nb\r\n"));
    QCOMPARE(entry.size(), 1);
    QCOMPARE(entry.at(0).at(0).toInt(), 2);
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).at(0).value<qsizetype>(), 3);
    QCOMPARE(selected.at(0).at(1).value<qsizetype>(), 1);
}

void TestSession::endRemovesSnapshot()
{
    Fixture f;
    QVERIFY(f.startUp());
    QVERIFY(QFile::exists(f.path(QStringLiteral("temp.dat"))));
    f.session.end();
    QVERIFY(!QFile::exists(f.path(QStringLiteral("temp.dat"))));
}

// The commands that take a path and ask nothing run without a platform (as the converter runs them);
// their outcomes carry what a face says: the lines read, the blocks' use, a failed write's file.
void TestSession::commandsWithPathsNeedNoPlatform()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString in = dir.filePath(QStringLiteral("in.txt"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("b\r\n");
    file.close();
    Session session;
    const Outcome opened = session.openFile(in);
    QVERIFY(opened.done());
    QCOMPARE(opened.lines, QStringList{QStringLiteral("b")});
    session.setAlbum(QStringLiteral("Alb"));
    session.setArtist(QStringLiteral("Art"));
    const Outcome edited = session.editConfirmed();
    QVERIFY(edited.done());
    QCOMPARE(edited.cdText.use, QStringList{QStringLiteral("ja: 3 / 253 パック")});
    const Outcome saved = session.saveTo(dir.filePath(QStringLiteral("in.txt/out.txt")));
    QCOMPARE(saved.kind, Outcome::Kind::Failed);
    QCOMPARE(saved.error.code, ENOTDIR);
    QVERIFY(session.exportCdTextFileTo(dir.filePath(QStringLiteral("out.cdt"))).done());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("out.cdt"))));
}

QTEST_GUILESS_MAIN(TestSession)
// "書き込み" as the disc window runs it, up to the drive and, where libburn allows it without a CD
// writer, through the write: the tracks as data to a pseudo-drive that is a file.
void TestSession::burn_data()
{
    QTest::addColumn<QString>("drive"); // in the temporary folder when it starts "stdio:"
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("minutes"); // the track measured as this long; 0 as it is
    QTest::addColumn<bool>("cancel"); // as soon as the drive tells progress
    QTest::addColumn<Outcome::Kind>("kind");
    QTest::addColumn<QStringList>("boxes"); // the question's and the outcome's, first lines

    const QString title = QStringLiteral("CDに書き込み");
    const QString file = QStringLiteral("stdio:disc.raw");
    QTest::newRow("written through") << file << 1 << 0 << false << Outcome::Kind::Done
                                     << QStringList{box(title, QStringLiteral("書き込みが終わりました。"),
                                                        QStringLiteral("information"), QStringLiteral("ok"))};
    QTest::newRow("stopped as it writes")
        << file << 1 << 0 << true << Outcome::Kind::Cancelled
        << QStringList{box(title, QStringLiteral("書き込みを中止しました。"), QStringLiteral("exclamation"),
                           QStringLiteral("ok"))};
    QTest::newRow("no drive") << QString() << 1 << 0 << false << Outcome::Kind::Failed
                              << QStringList{box(title, QStringLiteral("CDドライブが見つかりません。"),
                                                 QStringLiteral("stop"), QStringLiteral("ok"))};
    QTest::newRow("refused: asks no drive")
        << file << 0 << 0 << false << Outcome::Kind::Refused
        << QStringList{box(title, QStringLiteral("CDに書き込めません。次を直してください。"),
                           QStringLiteral("stop"), QStringLiteral("ok"))};
    QTest::newRow("over 74 minutes, declined")
        << file << 1 << 75 << false << Outcome::Kind::Cancelled
        << QStringList{box(title, QStringLiteral("ディスクの長さが75:00で、74分を超えます。"),
                           QStringLiteral("exclamation"), QStringLiteral("ok cancel"))};
}

void TestSession::burn()
{
    QFETCH(QString, drive);
    QFETCH(int, files);
    QFETCH(int, minutes);
    QFETCH(bool, cancel);
    QFETCH(Outcome::Kind, kind);
    QFETCH(QStringList, boxes);
    Fixture f;
    QVERIFY(
        testaudio::run(QStringLiteral("sh"),
                       {QStringLiteral("-c"), QStringLiteral("cd '%1' && sox -n -r 44100 -b 16 -c 2 a.wav "
                                                             "synth 60 whitenoise vol 0.5")
                                                  .arg(f.dir.path())}));
    f.session.setEditType(EditType::Ja);
    f.session.setAlbum(QStringLiteral("アルバム"));
    f.session.setArtist(QStringLiteral("歌手"));
    f.session.setTitles(QStringLiteral("一\r\n"));
    QVERIFY(f.session.editConfirmed().done());
    QList<disc::DiscTrack> tracks;
    for (int i = 0; i < files; ++i)
        tracks.append({f.path(QStringLiteral("a.wav")), audio::probeAudio(f.path(QStringLiteral("a.wav")))});
    if (minutes > 0)
        tracks.first().audio.samples = qint64(minutes) * 60 * audio::CdSampleRate;
    f.session.disc().setTracks(tracks);

    burning::BurnOptions options;
    options.drive =
        drive.startsWith(QLatin1String("stdio:")) ? QStringLiteral("stdio:") + f.path(drive.mid(6)) : drive;
    options.emulated = options.asData = true;
    for (qsizetype i = 0; i < boxes.size(); ++i)
        f.platform.expectBox(minutes > 0 ? std::optional(Answer::Cancel) : ScriptedCorePlatform::FirstButton);
    std::atomic<bool> stop{false};
    int told = 0;
    const Outcome outcome = f.session.burn(
        options,
        [&](const burning::BurnProgress &) {
            ++told;
            if (cancel)
                stop = true;
        },
        &stop);
    showOutcome(f.platform, outcome);
    QCOMPARE(outcome.command, Outcome::Command::Burn);
    QCOMPARE(outcome.kind, kind);
    QStringList seen; // each box with the first line of its text
    for (const ScriptedCorePlatform::Message &m : f.platform.messages)
        seen << box(m.title, m.text.section(QStringLiteral("\r\n"), 0, 0), iconName(m.icon),
                    buttonsName(m.buttons));
    QCOMPARE(seen, boxes);
    QCOMPARE(told > 0, kind == Outcome::Kind::Done || cancel);
    QCOMPARE(burning::GrabbedDrive::held(), 0);
    // A disc written through is the track's sectors, padded to the pseudo-drive's 2048 bytes.
    if (kind == Outcome::Kind::Done) {
        const qint64 sectors = tracks.first().audio.frames();
        QCOMPARE(QFileInfo(f.path(QStringLiteral("disc.raw"))).size(), (sectors * 2352 + 2047) / 2048 * 2048);
    }
}

#include "tst_session.moc"

namespace
{

// Five seconds of sine as FLAC, tagged with metaflac ("TITLE=...").
bool makeFlac(const QString &path, const QStringList &tags)
{
    if (!testaudio::run(QStringLiteral("sox"),
                        {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                         QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                         QStringLiteral("16"), path, QStringLiteral("synth"), QStringLiteral("5"),
                         QStringLiteral("sine"), QStringLiteral("440")}))
        return false;
    if (tags.isEmpty())
        return true;
    QStringList arguments;
    for (const QString &tag : tags)
        arguments << QStringLiteral("--set-tag=") + tag;
    return testaudio::run(QStringLiteral("metaflac"), arguments << path);
}

Outcome importNamed(Session &s, const QDir &dir, const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    return s.importAudioTitles(paths);
}

} // namespace

// Titles and tracks from audio files and from a cue sheet, over a document "Mine" / "Me" / "old"
// whose named boxes are emptied first where the row says so.
void TestSession::titlesFromFiles_data()
{
    QTest::addColumn<bool>("emptyNames"); // the album and artist boxes empty before the command
    QTest::addColumn<FileCommand>("command");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QStringList>("tracks"); // file names; every one probed as 5 seconds
    QTest::addColumn<QStringList>("boxes");

    const FileCommand album = [](Session &s, const QDir &dir) {
        return importNamed(s, dir,
                           {QStringLiteral("10.flac"), QStringLiteral("a.flac"), QStringLiteral("2.flac"),
                            QStringLiteral("b.flac")});
    };
    const QString ordered = QStringLiteral("First\r\nSecond\r\n2\r\n10\r\n");
    const QStringList orderedFiles{QStringLiteral("b.flac"), QStringLiteral("a.flac"),
                                   QStringLiteral("2.flac"), QStringLiteral("10.flac")};
    QTest::newRow("import: track tags, then names in natural order; empty boxes filled")
        << true << album << QStringLiteral("Tag Album") << QStringLiteral("Band") << ordered << orderedFiles
        << QStringList{};
    QTest::newRow("import: filled boxes kept")
        << false << album << QStringLiteral("Mine") << QStringLiteral("Me") << ordered << orderedFiles
        << QStringList{};
    QTest::newRow("import: a file without tags left out and named")
        << false << FileCommand([](Session &s, const QDir &dir) {
               return importNamed(s, dir, {QStringLiteral("notes.flac"), QStringLiteral("a.flac")});
           })
        << QStringLiteral("Mine") << QStringLiteral("Me") << QStringLiteral("Second\r\n")
        << QStringList{QStringLiteral("a.flac")}
        << QStringList{box(QStringLiteral("曲名の取り込み"),
                           QStringLiteral("次のファイルは取り込みませんでした。\r\n「notes.flac」: "
                                          "音声ファイルではありません\r\n読める音声ファイル(WAV、AIFF、FLAC、"
                                          "M4A、MP3、Ogg、Opus)を選んでください。"),
                           QStringLiteral("exclamation"), QStringLiteral("ok"))};
    QTest::newRow("import: no file read changes nothing")
        << false << FileCommand([](Session &s, const QDir &dir) {
               return importNamed(s, dir, {QStringLiteral("notes.flac")});
           })
        << QStringLiteral("Mine") << QStringLiteral("Me") << QStringLiteral("old") << QStringList{}
        << QStringList{box(QStringLiteral("曲名の取り込み"),
                           QStringLiteral("曲名を取り込めるファイルがありませんでした。\r\n「notes.flac」: "
                                          "音声ファイルではありません\r\n読める音声ファイル(WAV、AIFF、FLAC、"
                                          "M4A、MP3、Ogg、Opus)を選んでください。"),
                           QStringLiteral("exclamation"), QStringLiteral("ok"))};
    QTest::newRow("file-name drop: audio files become tracks, the titles their names")
        << false << FileCommand([](Session &s, const QDir &dir) {
               s.setFileNameDrop(true);
               return s.dropFiles({dir.filePath(QStringLiteral("b.flac")),
                                   dir.filePath(QStringLiteral("in.txt")),
                                   dir.filePath(QStringLiteral("a.flac"))});
           })
        << QStringLiteral("Mine") << QStringLiteral("Me") << QStringLiteral("oldb\r\nin\r\na\r\n")
        << QStringList{QStringLiteral("b.flac"), QStringLiteral("a.flac")} << QStringList{};
    const auto openCue = [](const QByteArray &sheet) {
        return FileCommand([sheet](Session &s, const QDir &dir) {
            QFile f(dir.filePath(QStringLiteral("disc.cue")));
            if (f.open(QIODevice::WriteOnly))
                f.write(sheet);
            f.close();
            return s.openFile(f.fileName());
        });
    };
    QTest::newRow("open a cp932 cue sheet: a file per track")
        << false
        << openCue(cp932::encode(
                       QStringLiteral("PERFORMER \"歌手\"\nTITLE \"盤\"\n"
                                      "FILE \"b.flac\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"一曲目\"\n"
                                      "    INDEX 01 00:00:00\n"
                                      "FILE \"a.flac\" WAVE\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n"))
                       .bytes)
        << QStringLiteral("盤") << QStringLiteral("歌手") << QStringLiteral("一曲目\r\na\r\n")
        << QStringList{QStringLiteral("b.flac"), QStringLiteral("a.flac")} << QStringList{};
    QTest::newRow("open a UTF-8 cue sheet: one file cut at each INDEX 01")
        << false
        << openCue(QStringLiteral("TITLE \"盤\"\nFILE \"b.flac\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"前\"\n"
                                  "    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    TITLE \"後\"\n"
                                  "    INDEX 01 00:02:00\n")
                       .toUtf8())
        << QStringLiteral("盤") << QString() << QStringLiteral("前\r\n後\r\n")
        << QStringList{QStringLiteral("b.flac 0-150"), QStringLiteral("b.flac 150-")} << QStringList{};
    // An image's BINARY file is raw CD audio, 5 seconds of it, measured by its size, not probed.
    QTest::newRow("open a cue sheet of a BINARY image: raw CD audio")
        << false << FileCommand([openCue](Session &s, const QDir &dir) {
               QFile bin(dir.filePath(QStringLiteral("disc.bin")));
               if (bin.open(QIODevice::WriteOnly))
                   bin.write(QByteArray(5 * 44100 * 4, '\x11'));
               bin.close();
               return openCue("FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                              "  TRACK 02 AUDIO\n    INDEX 00 00:01:00\n    INDEX 01 00:02:00\n")(s, dir);
           })
        << QString() << QString() << QStringLiteral("\r\n\r\n")
        << QStringList{QStringLiteral("disc.bin 0-150"), QStringLiteral("disc.bin 150-")} << QStringList{};
    QTest::newRow("open a cue sheet without INDEX 01: told, the document kept")
        << false
        << openCue(QByteArrayLiteral("FILE \"b.flac\" WAVE\n  TRACK 01 AUDIO\n    INDEX 00 00:00:00\n"))
        << QStringLiteral("Mine") << QStringLiteral("Me") << QStringLiteral("old") << QStringList{}
        << QStringList{box(QStringLiteral("開けません！"),
                           QStringLiteral("1曲目に INDEX 01 がありません。INDEX 01 を加えてください。"),
                           QStringLiteral("stop"), QStringLiteral("ok"))};
}

void TestSession::titlesFromFiles()
{
    QFETCH(bool, emptyNames);
    QFETCH(FileCommand, command);
    QFETCH(QStringList, tracks);
    QFETCH(QStringList, boxes);

    Fixture f;
    QVERIFY(f.startUp());
    QVERIFY(makeFlac(f.path(QStringLiteral("a.flac")),
                     {QStringLiteral("TITLE=Second"), QStringLiteral("TRACKNUMBER=2")}));
    QVERIFY(makeFlac(f.path(QStringLiteral("b.flac")),
                     {QStringLiteral("TITLE=First"), QStringLiteral("TRACKNUMBER=1"),
                      QStringLiteral("ALBUM=Tag Album"), QStringLiteral("ALBUMARTIST=Band"),
                      QStringLiteral("ARTIST=Guest")}));
    QVERIFY(makeFlac(f.path(QStringLiteral("10.flac")), {}));
    QVERIFY(makeFlac(f.path(QStringLiteral("2.flac")), {}));
    f.write(QStringLiteral("notes.flac"), "not audio at all");
    f.write(QStringLiteral("in.txt"), "x\r\n");
    f.session.setAlbum(emptyNames ? QString() : QStringLiteral("Mine"));
    f.session.setArtist(emptyNames ? QString() : QStringLiteral("Me"));
    f.session.setTitles(QStringLiteral("old"));
    f.session.enterEditedState();
    f.expect(boxes, {});
    showOutcome(f.platform, command(f.session, QDir(f.dir.path())));

    QTEST(f.boxes(), "boxes");
    QTEST(f.session.album(), "album");
    QTEST(f.session.artist(), "artist");
    QTEST(f.session.titles(), "titles");
    QTRY_VERIFY(!f.session.disc().probing());
    QStringList names;
    for (const disc::DiscTrack &track : f.session.disc().tracks()) {
        // A part of a file: its frames within it.
        names << QFileInfo(track.path).fileName() +
                     (track.cut()
                          ? QStringLiteral(" %1-%2")
                                .arg(track.start / 588)
                                .arg(track.length < 0 ? QString()
                                                      : QString::number((track.start + track.length) / 588))
                          : QString());
        QCOMPARE(track.audio.frames(), 5 * 75);
    }
    QCOMPARE(names, tracks);
    // The parts of one file hold their own gaps.
    QCOMPARE(f.session.disc().gaps(), !names.join(QString()).contains(QLatin1Char('-')));
    // Each command that took the files left the edited state; "取消" gives the old titles back.
    QCOMPARE(f.session.isEdited(), tracks.isEmpty());
    if (QByteArray(QTest::currentDataTag()).startsWith("import") && !tracks.isEmpty()) {
        f.session.cancel();
        QCOMPARE(f.session.titles(), QStringLiteral("old\r\n"));
    }
}
