#include "support/TestSupport.h"

#include "files/FileAccess.h"
#include "text/Cp932.h"
#include "text/NativePath.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

using namespace velnora;
using namespace velnora::test;

namespace
{

const QString OpenFilter = QStringLiteral("テキストファイル(*.txt);;CUEシート(*.cue);;すべてのファイル(*.*)");
const QString SaveFilter = QStringLiteral("テキストファイル(*.txt)");
const QString ClearQuestion = QStringLiteral("記入済みのデータはクリアされますがよいですか？");

void expectMessage(const ScriptedPlatform::Message &m, const QString &text, const QString &title,
                   Platform::Icon icon, Platform::Buttons buttons)
{
    QCOMPARE(m.text, text);
    QCOMPARE(m.title, title);
    QCOMPARE(m.icon, icon);
    QCOMPARE(m.buttons, buttons);
}

void expectClearQuestion(const ScriptedPlatform::Message &m)
{
    expectMessage(m, ClearQuestion, QStringLiteral("データクリアOK？"), Platform::Icon::Exclamation,
                  Platform::Buttons::OkCancel);
}

// A document with text in all three boxes, in the edited state, with a file in the title.
void fillEdited(WindowFixture &f, const QString &file)
{
    f.window->session().setAlbum(QStringLiteral("Alb"));
    f.window->session().setArtist(QStringLiteral("Art"));
    f.window->session().setTitles(QStringLiteral("t1\r\nt2"));
    f.window->session().enterEditedState();
    if (!file.isEmpty())
        f.window->session().setCurrentFile(file);
}

bool saveCommandsEnabled(MainWindow &w)
{
    const bool button = test::command(w, 4)->isEnabled();
    if (test::action(w, QStringLiteral("上書き保存"))->isEnabled() != button ||
        test::action(w, QStringLiteral("名前を付けて保存"))->isEnabled() != button ||
        test::action(w, QStringLiteral("CDTEXT書き出し"))->isEnabled() != button ||
        test::action(w, QStringLiteral("ディスク作成"))->isEnabled() != button)
        qFatal("the save commands are out of step");
    return button;
}

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT

private slots:
    void clearKeepsSnapshotAndResetsTitle();
    void newOnEmptyBoxesDoesNothing();
    void newAsksBeforeClearing_data();
    void newAsksBeforeClearing();
    void openOnEmptyBoxesAsksNothing();
    void openAfterQuestion_data();
    void openAfterQuestion();
    void openUnreadableLeavesDocumentCleared_data();
    void openUnreadableLeavesDocumentCleared();
    void openCancelledChangesNothing();
    void openSizeCap_data();
    void openSizeCap();
    void nonUtf8NameOpensAndSavesBack();
    void openUtf8AndCp932Alike_data();
    void openUtf8AndCp932Alike();
    void saveTitleTable_data();
    void saveTitleTable();
    void saveAfterClearAsksForName();
    void saveCancelledWritesNothing();
    void saveWritesTitlesOnly();
    void saveAddsNoExtension();
    void dialogsShareLastName();
    void saveFailureIsReported_data();
    void saveFailureIsReported();
    void saveRefusesUnencodable();
    void saveLoadSaveIsStable_data();
    void saveLoadSaveIsStable();
    void editSaveOpenEditSaveIsStable_data();
    void editSaveOpenEditSaveIsStable();
    void exitReleaseAsksAboutSaving_data();
    void exitReleaseAsksAboutSaving();
    void exitClickClosesJacketThenWindow();
};

void TestFiles::clearKeepsSnapshotAndResetsTitle()
{
    WindowFixture f;
    fillEdited(f, f.path(QStringLiteral("doc.txt")));
    test::command(*f.window, 3)->click();
    QCOMPARE(f.platform.messages.size(), 0);
    QCOMPARE(f.window->session().keepAlbum(), QStringLiteral("Alb"));
    QCOMPARE(f.window->session().keepArtist(), QStringLiteral("Art"));
    QCOMPARE(f.readFile(f.tempDat()), QByteArray("t1\r\nt2"));
    QCOMPARE(f.window->session().album(), QString());
    QCOMPARE(f.window->session().artist(), QString());
    QCOMPARE(f.window->session().titles(), QString());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(test::label1(*f.window, 3)->text(), QStringLiteral("曲名"));
    QVERIFY(!saveCommandsEnabled(*f.window));
}

void TestFiles::newOnEmptyBoxesDoesNothing()
{
    WindowFixture f;
    const QString file = f.path(QStringLiteral("doc.txt"));
    f.window->session().setCurrentFile(file);
    QVERIFY(triggerAction(*f.window, QStringLiteral("新規")));
    QCOMPARE(f.platform.messages.size(), 0);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + file);
}

void TestFiles::newAsksBeforeClearing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("OK clears") << int(Platform::Ok) << true;
    QTest::newRow("Cancel keeps all") << int(Platform::Cancel) << false;
}

void TestFiles::newAsksBeforeClearing()
{
    QFETCH(int, answer);
    QFETCH(bool, cleared);
    WindowFixture f;
    const QString file = f.path(QStringLiteral("doc.txt"));
    f.window->session().setArtist(QStringLiteral("only the artist"));
    f.window->session().setCurrentFile(file);
    f.platform.queueAnswer(Answer(answer));
    QVERIFY(triggerAction(*f.window, QStringLiteral("新規")));
    QCOMPARE(f.platform.messages.size(), 1);
    expectClearQuestion(f.platform.messages.at(0));
    QCOMPARE(f.window->session().artist(), cleared ? QString() : QStringLiteral("only the artist"));
    QCOMPARE(f.window->session().keepArtist(), cleared ? QStringLiteral("only the artist") : QString());
    QCOMPARE(f.window->windowTitle(),
             cleared ? QStringLiteral("VELNORA") : QStringLiteral("VELNORA - ") + file);
}

void TestFiles::openOnEmptyBoxesAsksNothing()
{
    WindowFixture f;
    const QString file = f.path(QStringLiteral("in.txt"));
    f.writeFile(QStringLiteral("in.txt"), QByteArray("0\tA\tB\r\nx\r\ny"));
    f.platform.queueFileName(file);
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.platform.messages.size(), 0);
    QCOMPARE(f.platform.fileDialogs.size(), 1);
    QCOMPARE(f.platform.fileDialogs.at(0).save, false);
    QCOMPARE(f.platform.fileDialogs.at(0).filter, OpenFilter);
    QCOMPARE(f.platform.fileDialogs.at(0).startName, QString());
    QCOMPARE(f.window->session().album(), QStringLiteral("A"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("B"));
    QVERIFY(f.window->session().titles().endsWith(QStringLiteral("x\r\ny\r\n")));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + file);
}

void TestFiles::openAfterQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("OK clears and opens") << int(Platform::Ok) << true;
    QTest::newRow("Cancel shows no dialog") << int(Platform::Cancel) << false;
}

void TestFiles::openAfterQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, opened);
    WindowFixture f;
    const QString file = f.path(QStringLiteral("in.txt"));
    f.writeFile(QStringLiteral("in.txt"), QByteArray("new1\r\nnew2\r\n"));
    fillEdited(f, f.path(QStringLiteral("old.txt")));
    f.platform.expectBox(ClearQuestion, Answer(answer));
    if (opened)
        f.platform.queueFileName(file);
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.platform.messages.size(), 1);
    expectClearQuestion(f.platform.messages.at(0));
    QCOMPARE(f.platform.fileDialogs.size(), opened ? 1 : 0);
    if (opened) {
        // The loaded file has no disc line: album and artist were cleared and stay empty.
        QCOMPARE(f.window->session().album(), QString());
        QCOMPARE(f.window->session().artist(), QString());
        QCOMPARE(f.window->session().titles(), QStringLiteral("new1\r\nnew2\r\n"));
        QCOMPARE(f.readFile(f.tempDat()), QByteArray("t1\r\nt2"));
        QCOMPARE(f.window->session().keepAlbum(), QStringLiteral("Alb"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + file);
        QVERIFY(!saveCommandsEnabled(*f.window));
        QCOMPARE(test::label1(*f.window, 3)->text(), QStringLiteral("曲名"));
    } else {
        QCOMPARE(f.window->session().titles(), QStringLiteral("t1\r\nt2"));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("old.txt")));
        QVERIFY(saveCommandsEnabled(*f.window));
    }
}

void TestFiles::openUnreadableLeavesDocumentCleared_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << QStringLiteral("missing.txt");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("under a regular file") << QStringLiteral("plain.txt/x.txt");
    QTest::newRow("device file") << QStringLiteral("/dev/zero");
}

void TestFiles::openUnreadableLeavesDocumentCleared()
{
    QFETCH(QString, name);
    WindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("folder")));
    f.writeFile(QStringLiteral("plain.txt"), QByteArray("plain"));
    fillEdited(f, f.path(QStringLiteral("old.txt")));
    f.platform.queueAnswer(Platform::Ok);
    f.platform.queueFileName(name.startsWith(QLatin1Char('/')) ? name : f.path(name));
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.platform.messages.size(), 1); // the question only
    QCOMPARE(f.window->session().titles(), QString());
    QCOMPARE(f.window->session().album(), QString());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    // "取消" can still bring the titles back.
    QCOMPARE(f.readFile(f.tempDat()), QByteArray("t1\r\nt2"));
}

void TestFiles::openCancelledChangesNothing()
{
    WindowFixture f;
    fillEdited(f, f.path(QStringLiteral("old.txt")));
    f.platform.queueAnswer(Platform::Ok);
    f.platform.queueCancelledFileDialog();
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.platform.fileDialogs.size(), 1);
    QCOMPARE(f.window->session().titles(), QStringLiteral("t1\r\nt2"));
    QCOMPARE(f.window->session().album(), QStringLiteral("Alb"));
    QCOMPARE(f.readFile(f.tempDat()), QByteArray());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("old.txt")));
}

void TestFiles::openSizeCap_data()
{
    QTest::addColumn<QString>("name"); // in the temporary folder; "/..." is absolute
    QTest::addColumn<bool>("opens");
    QTest::newRow("over the drop limit opens") << QStringLiteral("big.txt") << true;
    QTest::newRow("one byte over 4 MiB is refused") << QStringLiteral("huge.txt") << false;
    QTest::newRow("size 0 that never ends is refused") << QStringLiteral("/proc/self/pagemap") << false;
}

void TestFiles::openSizeCap()
{
    QFETCH(QString, name);
    QFETCH(bool, opens);
    WindowFixture f;
    QByteArray big(100001 - 2, 'a');
    big += "\r\n";
    f.writeFile(QStringLiteral("big.txt"), big);
    QFile huge(f.path(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(4 * 1024 * 1024 + 1));
    huge.close();
    fillEdited(f, QString());
    f.platform.expectBox(ClearQuestion, Platform::Ok);
    if (!opens)
        f.platform.expectBox(QStringLiteral("開けません！\r\n4MBを超えています。"));
    f.platform.queueFileName(name.startsWith(QLatin1Char('/')) ? name : f.path(name));
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    if (opens) {
        QCOMPARE(f.platform.messages.size(), 1); // the question only
        QCOMPARE(f.window->session().titles().size(), 100001);
        return;
    }
    QCOMPARE(f.platform.messages.size(), 2);
    expectMessage(f.platform.messages.at(1), QStringLiteral("開けません！\r\n4MBを超えています。"),
                  QStringLiteral("VELNORA"), Platform::Icon::None, Platform::Buttons::Ok);
    // Cleared as any failed open leaves it, and "取消" brings the titles back.
    QCOMPARE(f.window->session().titles(), QString());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(f.readFile(f.tempDat()), QByteArray("t1\r\nt2"));
}

// A file named on an old cp932 system: its name is not UTF-8, and the save goes back to it.
void TestFiles::nonUtf8NameOpensAndSavesBack()
{
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path()) + "/\x82\xa0\x82\xa2.txt";
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(fd >= 0);
    // QTemporaryDir cannot remove a name it cannot decode.
    const auto removeFile = qScopeGuard([&] { ::unlink(native.constData()); });
    const QByteArray content("old\r\n");
    QVERIFY(::write(fd, content.constData(), content.size()) == content.size());
    ::close(fd);
    const QString path = fromNativePath(native);
    WindowFixture f(path);
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.window->session().titles(), QStringLiteral("old\r\n"));
    QCOMPARE(f.window->windowTitle(),
             QStringLiteral("VELNORA - ") + dir.path() + QStringLiteral("/\ufffd\ufffd\ufffd\ufffd.txt"));
    f.window->session().setTitles(QStringLiteral("new\r\n"));
    f.window->session().enterEditedState();
    QVERIFY(triggerAction(*f.window, QStringLiteral("上書き保存")));
    QVERIFY(f.platform.messages.isEmpty());
    // Nothing beside it: no second file under a decoded name, no temporary file left.
    DIR *folder = ::opendir(QFile::encodeName(dir.path()).constData());
    QVERIFY(folder);
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(folder)) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names << QByteArray(entry->d_name);
    }
    ::closedir(folder);
    QCOMPARE(names, QList<QByteArray>{native.mid(native.lastIndexOf('/') + 1)});
    QFile saved;
    const int in = ::open(native.constData(), O_RDONLY);
    QVERIFY(in >= 0);
    QVERIFY(saved.open(in, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    QCOMPARE(saved.readAll(), QByteArray("new\r\n"));
}

void TestFiles::openUtf8AndCp932Alike_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("kanji and kana") << QStringLiteral("0\t夏の唄\t山田\r\n春の曲\r\nｱｲｳ\r\n");
    QTest::newRow("full-width forms and tilde") << QStringLiteral("ＡＢＣ　～１２\r\n￥１０００\r\n");
}

void TestFiles::openUtf8AndCp932Alike()
{
    QFETCH(QString, text);
    QStringList albums, artists, titles;
    for (const QByteArray &bytes : {text.toUtf8(), cp932::encode(text).bytes}) {
        WindowFixture f;
        f.writeFile(QStringLiteral("in.txt"), bytes);
        f.platform.queueFileName(f.path(QStringLiteral("in.txt")));
        QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
        albums << f.window->session().album();
        artists << f.window->session().artist();
        titles << f.window->session().titles();
    }
    QCOMPARE(albums.at(0), albums.at(1));
    QCOMPARE(artists.at(0), artists.at(1));
    QCOMPARE(titles.at(0), titles.at(1));
    QVERIFY(titles.at(0).contains(text.mid(text.indexOf(QLatin1Char('\n')) + 1)));
}

void TestFiles::saveTitleTable_data()
{
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QString>("command"); // "保存" is the button, anything else a menu item
    QTest::addColumn<int>("answer"); // to "上書き保存をしますか？"; 0 when it must not be asked
    QTest::addColumn<bool>("dialog");
    QTest::newRow("no file, 保存 shows the dialog") << false << QStringLiteral("保存") << 0 << true;
    QTest::newRow("no file, 上書き保存 shows the dialog")
        << false << QStringLiteral("上書き保存") << 0 << true;
    QTest::newRow("no file, 名前を付けて保存 shows the dialog")
        << false << QStringLiteral("名前を付けて保存") << 0 << true;
    QTest::newRow("file, 上書き保存 writes at once") << true << QStringLiteral("上書き保存") << 0 << false;
    QTest::newRow("file, 保存 Yes overwrites")
        << true << QStringLiteral("保存") << int(Platform::Yes) << false;
    QTest::newRow("file, 保存 No shows the dialog")
        << true << QStringLiteral("保存") << int(Platform::No) << true;
    QTest::newRow("file, 名前を付けて保存 shows the dialog")
        << true << QStringLiteral("名前を付けて保存") << 0 << true;
}

void TestFiles::saveTitleTable()
{
    QFETCH(bool, hasFile);
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, dialog);
    WindowFixture f;
    const QString current = f.path(QStringLiteral("current.txt"));
    const QString chosen = f.path(QStringLiteral("chosen.txt"));
    f.writeFile(QStringLiteral("current.txt"), QByteArray("old"));
    fillEdited(f, hasFile ? current : QString());
    if (answer)
        f.platform.expectBox(QStringLiteral("上書き保存をしますか？"), Answer(answer));
    if (dialog)
        f.platform.queueFileName(chosen);
    bool flagsDuringRun[2] = {false, false};
    f.platform.onMessage = [&](const ScriptedPlatform::Message &) {
        flagsDuringRun[0] = f.window->session().overwriteFlag();
        flagsDuringRun[1] = f.window->session().saveAsFlag();
    };
    if (command == QStringLiteral("保存"))
        test::command(*f.window, 4)->click();
    else
        QVERIFY(triggerAction(*f.window, command));

    if (answer) {
        QCOMPARE(f.platform.messages.size(), 1);
        expectMessage(f.platform.messages.at(0), QStringLiteral("上書き保存をしますか？"),
                      QStringLiteral("上書き保存"), Platform::Icon::Exclamation, Platform::Buttons::YesNo);
        QVERIFY(!flagsDuringRun[0] && !flagsDuringRun[1]);
    } else {
        QCOMPARE(f.platform.messages.size(), 0);
    }
    QCOMPARE(f.platform.fileDialogs.size(), dialog ? 1 : 0);
    if (dialog) {
        QCOMPARE(f.platform.fileDialogs.at(0).save, true);
        QCOMPARE(f.platform.fileDialogs.at(0).filter, SaveFilter);
        // The document's own dialog: its default title, the name as typed.
        QCOMPARE(f.platform.fileDialogs.at(0).title, QString());
        QCOMPARE(f.platform.fileDialogs.at(0).defaultSuffix, QString());
    }
    QCOMPARE(f.readFile(current), dialog ? QByteArray("old") : QByteArray("t1\r\nt2"));
    QCOMPARE(f.readFile(chosen), dialog ? QByteArray("t1\r\nt2") : QByteArray());
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + (dialog ? chosen : current));
    QCOMPARE(f.window->session().overwriteFlag(), false);
    QCOMPARE(f.window->session().saveAsFlag(), false);
    QVERIFY(saveCommandsEnabled(*f.window));
}

void TestFiles::saveAfterClearAsksForName()
{
    WindowFixture f;
    fillEdited(f, f.path(QStringLiteral("current.txt")));
    test::command(*f.window, 3)->click();
    f.window->session().setTitles(QStringLiteral("fresh"));
    f.window->session().setSaveCommandsEnabled(true);
    f.platform.queueFileName(f.path(QStringLiteral("fresh.txt")));
    QVERIFY(triggerAction(*f.window, QStringLiteral("上書き保存")));
    QCOMPARE(f.platform.fileDialogs.size(), 1);
    QCOMPARE(f.readFile(f.path(QStringLiteral("fresh.txt"))), QByteArray("fresh"));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("current.txt"))));
}

void TestFiles::saveCancelledWritesNothing()
{
    WindowFixture f;
    fillEdited(f, QString());
    f.platform.queueCancelledFileDialog();
    test::command(*f.window, 4)->click();
    QCOMPARE(f.platform.fileDialogs.size(), 1);
    QCOMPARE(f.platform.messages.size(), 0);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("temp.dat")});
}

void TestFiles::saveWritesTitlesOnly()
{
    WindowFixture f;
    f.window->session().setAlbum(QStringLiteral("Alb"));
    f.window->session().setArtist(QStringLiteral("Art"));
    f.window->session().setTitles(QStringLiteral("one\r\ntwo"));
    f.window->session().setSaveCommandsEnabled(true);
    f.platform.queueFileName(f.path(QStringLiteral("t.txt")));
    test::command(*f.window, 4)->click();
    QCOMPARE(f.readFile(f.path(QStringLiteral("t.txt"))), QByteArray("one\r\ntwo"));
}

void TestFiles::saveAddsNoExtension()
{
    WindowFixture f;
    fillEdited(f, QString());
    f.platform.queueFileName(f.path(QStringLiteral("noext")));
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    QCOMPARE(f.readFile(f.path(QStringLiteral("noext"))), QByteArray("t1\r\nt2"));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("noext.txt"))));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("noext")));
}

void TestFiles::dialogsShareLastName()
{
    WindowFixture f;
    const QString a = f.path(QStringLiteral("a.txt"));
    const QString b = f.path(QStringLiteral("b.txt"));
    f.writeFile(QStringLiteral("a.txt"), QByteArray("a\r\n"));
    f.platform.queueFileName(a);
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    f.window->session().setSaveCommandsEnabled(true);
    f.platform.queueFileName(b);
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    // A cancelled dialog keeps the name for the next one.
    f.platform.queueCancelledFileDialog();
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    // With every box empty "開く" asks nothing before its dialog.
    f.window->session().setTitles(QString());
    f.platform.queueCancelledFileDialog();
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.platform.fileDialogs.size(), 4);
    QCOMPARE(f.platform.fileDialogs.at(0).startName, QString());
    QCOMPARE(f.platform.fileDialogs.at(1).startName, a);
    QCOMPARE(f.platform.fileDialogs.at(2).startName, b);
    QCOMPARE(f.platform.fileDialogs.at(3).startName, b);
    QCOMPARE(f.platform.fileDialogs.at(3).save, false);
}

void TestFiles::saveFailureIsReported_data()
{
    QTest::addColumn<QString>("target"); // a name in the temporary folder, or an absolute path
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("overwrite"); // the target is the current file
    QTest::newRow("read-only file, 上書き保存")
        << QStringLiteral("/proc/version") << QStringLiteral("上書き保存") << true;
    QTest::newRow("read-only file, 保存 Yes")
        << QStringLiteral("/proc/version") << QStringLiteral("保存") << true;
    QTest::newRow("missing folder, 名前を付けて保存")
        << QStringLiteral("missing/out.txt") << QStringLiteral("名前を付けて保存") << false;
    QTest::newRow("parent is a regular file, 保存")
        << QStringLiteral("plain.txt/out.txt") << QStringLiteral("保存") << false;
    QTest::newRow("new file in a system folder")
        << QStringLiteral("/proc/velnora.txt") << QStringLiteral("名前を付けて保存") << false;
}

void TestFiles::saveFailureIsReported()
{
    QFETCH(QString, target);
    QFETCH(QString, command);
    QFETCH(bool, overwrite);
    WindowFixture f;
    f.writeFile(QStringLiteral("plain.txt"), QByteArray("plain"));
    const QString path = target.startsWith(QLatin1Char('/')) ? target : f.path(target);
    const QByteArray before = f.readFile(path);
    const QString titleBefore = overwrite ? QStringLiteral("VELNORA - ") + path : QStringLiteral("VELNORA");
    fillEdited(f, overwrite ? path : QString());
    if (overwrite && command == QStringLiteral("保存"))
        f.platform.expectBox(QStringLiteral("上書き保存をしますか？"), Platform::Yes);
    else if (!overwrite)
        f.platform.queueFileName(path);
    f.platform.expectBox(); // the failure, checked below
    if (command == QStringLiteral("保存"))
        test::command(*f.window, 4)->click();
    else
        QVERIFY(triggerAction(*f.window, command));

    const ScriptedPlatform::Message m = f.platform.takeLastMessage();
    const QString prefix = QStringLiteral("保存できませんでした。\r\n") + path + QStringLiteral("\r\n");
    QVERIFY2(m.text.startsWith(prefix), qPrintable(m.text));
    QVERIFY2(m.text.size() > prefix.size(), "the reason is missing");
    QCOMPARE(m.title, QStringLiteral("保存エラー"));
    QCOMPARE(m.icon, Platform::Icon::Stop);
    QCOMPARE(m.buttons, Platform::Buttons::Ok);
    QCOMPARE(f.readFile(path), before);
    QCOMPARE(f.readFile(f.path(QStringLiteral("plain.txt"))), QByteArray("plain"));
    QCOMPARE(f.window->windowTitle(), titleBefore);
    QVERIFY(saveCommandsEnabled(*f.window));
}

void TestFiles::saveRefusesUnencodable()
{
    WindowFixture f;
    const QString current = f.path(QStringLiteral("current.txt"));
    f.writeFile(QStringLiteral("current.txt"), QByteArray("old"));
    fillEdited(f, current);
    f.window->session().setTitles(QStringLiteral("a〜\r\nb♫"));
    f.window->session().setSaveCommandsEnabled(true);
    const QString reason =
        QStringLiteral("\r\nShift_JIS(cp932)で保存できない文字があります。\r\n2行目「♫」(U+266B)");
    f.platform.expectBox();
    QVERIFY(triggerAction(*f.window, QStringLiteral("上書き保存")));
    QCOMPARE(f.platform.messages.size(), 1);
    expectMessage(f.platform.messages.at(0), QStringLiteral("保存できませんでした。\r\n") + current + reason,
                  QStringLiteral("保存エラー"), Platform::Icon::Stop, Platform::Buttons::Ok);
    QCOMPARE(f.readFile(current), QByteArray("old"));

    // Under a new name nothing is created and the title stays.
    f.platform.queueFileName(f.path(QStringLiteral("new.txt")));
    f.platform.expectBox(QStringLiteral("保存できませんでした。\r\n") + f.path(QStringLiteral("new.txt")) +
                         reason);
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("new.txt"))));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + current);

    // Without the character the input-method wave dash is saved as its cp932 twin.
    f.window->session().setTitles(QStringLiteral("a〜\r\nb"));
    QVERIFY(triggerAction(*f.window, QStringLiteral("上書き保存")));
    QCOMPARE(f.readFile(current), QByteArray("a\x81\x60\r\nb"));
}

void TestFiles::saveLoadSaveIsStable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("layout");
    QTest::newRow("plain titles without final break")
        << QStringLiteral("x\r\ny") << QByteArray("x\r\ny") << false;
    QTest::newRow("plain Japanese titles")
        << QStringLiteral("曲\r\nア\r\n") << QByteArray("\x8b\xc8\r\n\x83\x41\r\n") << false;
    const QString en = QStringLiteral("en\r\n0\tAlbum\tArtist\r\n1\tIntro\r\n3\tSong\r\n");
    const QByteArray enBytes("en\r\n0\tAlbum\tArtist\r\n1\tIntro\r\n3\tSong\r\n");
    const QString ja = QStringLiteral("ja\r\n0\tＡ曲\tア\r\n1\tア\r\n");
    const QByteArray jaBytes("ja\r\n0\t\x82\x60\x8b\xc8\t\x83\x41\r\n1\t\x83\x41\r\n");
    QTest::newRow("en layout") << en << enBytes << true;
    QTest::newRow("ja layout") << ja << jaBytes << true;
    QTest::newRow("en + ja layout") << en + QStringLiteral("\r\n") + ja << enBytes + "\r\n" + jaBytes << true;
}

void TestFiles::saveLoadSaveIsStable()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, layout);
    WindowFixture f;
    const QString first = f.path(QStringLiteral("first.txt"));
    const QString second = f.path(QStringLiteral("second.txt"));
    const QString third = f.path(QStringLiteral("third.txt"));
    f.window->session().setTitles(text);
    if (layout)
        f.window->session().enterEditedState();
    else
        f.window->session().setSaveCommandsEnabled(true);
    f.platform.queueFileName(first);
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    QCOMPARE(f.readFile(first), bytes);

    auto reload = [&](const QString &path) {
        if (layout) {
            // The reader "開く" uses, without the removal of the marks that follows it.
            test::command(*f.window, 3)->click();
            QCOMPARE(f.window->session().loadFile(path, OpenSizeCap), Session::LoadResult::Loaded);
            f.window->session().enterEditedState();
        } else {
            f.platform.queueAnswer(Platform::Ok);
            f.platform.queueFileName(path);
            QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
            f.window->session().setSaveCommandsEnabled(true);
        }
    };
    reload(first);
    f.platform.queueFileName(second);
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    reload(second);
    f.platform.queueFileName(third);
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    const QByteArray settled = bytes.endsWith("\r\n") ? bytes : bytes + "\r\n";
    QCOMPARE(f.readFile(second), settled);
    QCOMPARE(f.readFile(third), settled);
    QCOMPARE(f.platform.messages.size(), layout ? 0 : 2);
}

void TestFiles::editSaveOpenEditSaveIsStable_data()
{
    QTest::addColumn<int>("option"); // Option1 en, Option2 ja, Option3 en + ja
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("en") << 1 << QStringLiteral("Album") << QStringLiteral("Artist")
                        << QStringLiteral("Intro\r\n\r\nSong")
                        << QByteArray("en\r\n0\tAlbum\tArtist\r\n1\tIntro\r\n3\tSong\r\n");
    QTest::newRow("ja") << 2 << QStringLiteral("夏") << QStringLiteral("ア") << QStringLiteral("曲A")
                        << QByteArray("ja\r\n0\t\x89\xc4\t\x83\x41\r\n1\t\x8b\xc8\x82\x60\r\n");
    QTest::newRow("en + ja") << 3 << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("x")
                             << QByteArray("en\r\n0\tA\tB\r\n1\tx\r\n\r\n"
                                           "ja\r\n0\t\x82\x60\t\x82\x61\r\n1\t\x82\x98\r\n");
}

// The user's road: edit, save, open the saved layout (album and artist come back, the marks go),
// edit and save again: the second file has the same bytes.
void TestFiles::editSaveOpenEditSaveIsStable()
{
    QFETCH(int, option);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(QByteArray, bytes);
    WindowFixture f;
    const QString first = f.path(QStringLiteral("first.txt"));
    const QString second = f.path(QStringLiteral("second.txt"));
    f.window->session().setAlbum(album);
    f.window->session().setArtist(artist);
    f.window->session().setTitles(titles);
    test::option(*f.window, option)->click();
    f.expectEdit();
    test::command(*f.window, 1)->click();
    QVERIFY(f.window->session().saveEnabled());
    f.platform.queueFileName(first);
    test::command(*f.window, 4)->click();
    QCOMPARE(f.readFile(first), bytes);

    f.platform.queueAnswer(Platform::Ok);
    f.platform.queueFileName(first);
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + first);
    QVERIFY(!f.window->session().saveEnabled());
    QVERIFY(!f.window->session().titles().contains(QLatin1Char('\t')));

    test::option(*f.window, option)->click();
    f.expectEdit();
    test::command(*f.window, 1)->click();
    QVERIFY(f.window->session().saveEnabled());
    f.platform.queueFileName(second);
    QVERIFY(triggerAction(*f.window, QStringLiteral("名前を付けて保存")));
    QCOMPARE(f.readFile(second), bytes);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + second);
}

void TestFiles::exitReleaseAsksAboutSaving_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Yes enables") << int(Platform::Yes) << false << true;
    QTest::newRow("No disables") << int(Platform::No) << true << false;
}

void TestFiles::exitReleaseAsksAboutSaving()
{
    QFETCH(int, answer);
    QFETCH(bool, startEnabled);
    QFETCH(bool, enabled);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        WindowFixture f;
        f.window->session().setSaveCommandsEnabled(startEnabled);
        f.platform.queueAnswer(Answer(answer));
        QTest::mouseClick(test::command(*f.window, 5), button);
        QCOMPARE(f.platform.messages.size(), 1);
        expectMessage(f.platform.messages.at(0), QStringLiteral("保存ボタンを有効にしますか？"),
                      QStringLiteral("VELNORA"), Platform::Icon::None, Platform::Buttons::YesNo);
        QCOMPARE(saveCommandsEnabled(*f.window), enabled);
        QVERIFY(f.window->isVisible());
        QVERIFY(QFile::exists(f.tempDat()));
    }
}

void TestFiles::exitClickClosesJacketThenWindow()
{
    {
        WindowFixture f;
        f.platform.queueAnswer(Platform::Yes);
        QTest::mouseClick(test::command(*f.window, 5), Qt::LeftButton);
        QCOMPARE(f.platform.messages.size(), 1);
        QVERIFY(!f.window->isVisible());
        QVERIFY(!QFile::exists(f.tempDat()));
    }
    {
        // Released away from the button: the question only.
        WindowFixture f;
        f.platform.queueAnswer(Platform::No);
        QTest::mousePress(test::command(*f.window, 5), Qt::LeftButton);
        QTest::mouseRelease(test::command(*f.window, 5), Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(f.platform.messages.size(), 1);
        QVERIFY(f.window->isVisible());
        QVERIFY(!test::command(*f.window, 5)->isDown());
    }
    {
        WindowFixture f;
        f.window->openJacketWindow();
        QPointer<QWidget> jacket = f.window->jacketWindow();
        QVERIFY(jacket && jacket->isVisible());
        f.window->exitProgram();
        QVERIFY(!jacket || !jacket->isVisible());
        QVERIFY(!f.window->isVisible());
        QVERIFY(!QFile::exists(f.tempDat()));
    }
}

QTEST_MAIN(TestFiles)
#include "tst_files.moc"
