#include "support/TestSupport.h"

#include "files/FileAccess.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace velnora;
using namespace velnora::test;

namespace
{

// Geometry relative to the parent, in twips (15 to the pixel at the offscreen 96 dpi).
QRect twipRect(const QWidget *w)
{
    const QRect g = w->geometry();
    return {g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15};
}

QString captionOf(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    return QString();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpControls_data();
    void startUpControls();
    void startUpState();
    void tabOrder();
    void titleTextKeepsEveryCharacter();
    void everyTypedOrPastedBreakIsATitleBreak();
    void lineNumbers_data();
    void lineNumbers();
    void typingInAlbumRebuildsColumn();
    void labelDoubleClickEmptiesItsBox();
    void keepFileAndLoadAreStable();
    void commandLineFile_data();
    void commandLineFile();
    void commandLineFileCannotBeOpened_data();
    void commandLineFileCannotBeOpened();
    void secondInstanceIsRefused();
    void tempDatLivesUntilClose();
    void readOnlyProgramFolderKeepsSnapshot();
    void snapshotNeverGoesThroughWhatIsPlanted_data();
    void snapshotNeverGoesThroughWhatIsPlanted();
    void windowSnapsToMinimumSize();
    void columnHidesAfter21Entries();
    void editedStateHidesColumn();
};

void TestMainWindow::startUpControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    auto row = [](const char *name, const QString &caption, QRect r, bool visible, bool enabled) {
        QTest::newRow(name) << QString::fromUtf8(name) << caption << r << visible << enabled;
    };
    row("Label1(1)", QStringLiteral("アルバム名"), {105, 105, 1335, 255}, true, true);
    row("Label1(2)", QStringLiteral("アーティスト名"), {2835, 105, 1335, 255}, true, true);
    row("Text1(1)", QString(), {105, 315, 2625, 375}, true, true);
    row("Text1(2)", QString(), {2835, 315, 2625, 375}, true, true);
    row("Label1(3)", QStringLiteral("曲名"), {105, 840, 2205, 255}, true, true);
    row("Check2", QStringLiteral("ドロップしてファイル名を利用"), {2520, 800, 2640, 225}, true, true);
    // The layout rule at 5670 x 8400 has already stretched these.
    row("List1", QString(), {105, 1035, 645, 4110}, true, true);
    row("Text1(3)", QString(), {465, 1035, 5010, 4245}, true, true);
    row("Command9(1)", QStringLiteral("▲"), {105, 4995, 390, 225}, true, true);
    row("Command9(2)", QStringLiteral("▼"), {105, 5205, 390, 225}, true, true);
    row("Frame1", QString(), {105, 5325, 5370, 2325}, true, true);
    row("Frame2", QStringLiteral("編集種類"), {105, 210, 2115, 1170}, true, true);
    row("Option1", QStringLiteral("en (英語テキスト)"), {105, 210, 1695, 225}, true, true);
    row("Option2", QStringLiteral("ja (日本語テキスト)"), {105, 525, 1800, 225}, true, true);
    row("Option3", QStringLiteral("en + ja (両方)"), {105, 840, 1380, 225}, true, true);
    row("Command1", QStringLiteral("編集"), {105, 1470, 650, 330}, true, true);
    row("Command2", QStringLiteral("取消"), {840, 1470, 650, 330}, true, true);
    row("Command3", QStringLiteral("クリア"), {1575, 1470, 650, 330}, true, true);
    row("Command8", QStringLiteral("ソート"), {105, 1890, 650, 330}, true, true);
    row("Command4", QStringLiteral("保存"), {840, 1890, 650, 330}, true, false);
    row("Command5", QStringLiteral("終了"), {1575, 1890, 650, 330}, true, true);
    row("Frame3", QString(), {2310, 210, 2955, 2010}, true, true);
    row("Check1", QStringLiteral("行頭の曲番文字の削除と添付"), {105, 0, 2640, 225}, true, true);
    row("Option4", QStringLiteral("固定曲番"), {210, 315, 1065, 225}, true, true);
    row("Option5", QStringLiteral("可変曲番"), {1260, 315, 1065, 225}, true, true);
    row("Frame4", QString(), {210, 525, 2535, 960}, true, true);
    row("Option6", QStringLiteral("削除-文字長"), {105, 210, 1380, 225}, true, true);
    row("Option7", QStringLiteral("添付-文字種"), {105, 525, 1485, 225}, true, true);
    row("Label2", QStringLiteral("0"), {1470, 210, 540, 250}, true, true);
    row("VScroll1", QString(), {1995, 210, 225, 250}, true, true);
    row("Combo1", QString(), {1470, 525, 750, 300}, true, false);
    row("Command6", QStringLiteral("削除"), {210, 1575, 750, 330}, true, true);
    row("Command7", QStringLiteral("添付"), {1050, 1575, 750, 330}, true, false);
}

void TestMainWindow::startUpControls()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    WindowFixture f;
    auto *w = f.window->findChild<QWidget *>(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(captionOf(w), caption);
    // Twips that are no multiple of 15 land on the nearest pixel.
    const QRect got = twipRect(w);
    QVERIFY2(qAbs(got.x() - geometry.x()) < 15 && qAbs(got.y() - geometry.y()) < 15 &&
                 qAbs(got.width() - geometry.width()) < 15 && qAbs(got.height() - geometry.height()) < 15,
             qPrintable(QStringLiteral("%1: %2,%3 %4x%5")
                            .arg(name)
                            .arg(got.x())
                            .arg(got.y())
                            .arg(got.width())
                            .arg(got.height())));
    QCOMPARE(w->isVisible(), visible);
    QCOMPARE(w->isEnabled(), enabled);
}

void TestMainWindow::startUpState()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    QCOMPARE(w.objectName(), QStringLiteral("Form1"));
    QCOMPARE(w.windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(w.outerWidthTwips(), 5670);
    QCOMPARE(w.outerHeightTwips(), 8400);
    QVERIFY(test::option(w, 2)->isChecked());
    QVERIFY(!test::check2(w)->isChecked());
    QVERIFY(test::check1(w)->isChecked());
    QVERIFY(test::option(w, 4)->isChecked());
    QVERIFY(test::option(w, 6)->isChecked());
    QCOMPARE(test::combo1(w)->count(), 4);
    QCOMPARE(test::combo1(w)->itemText(0), QStringLiteral("-"));
    QCOMPARE(test::combo1(w)->itemText(1), QStringLiteral("."));
    QCOMPARE(test::combo1(w)->itemText(2), QStringLiteral("_"));
    QCOMPARE(test::combo1(w)->itemText(3), QStringLiteral(" "));
    QCOMPARE(test::combo1(w)->currentText(), QStringLiteral("-"));
    QVERIFY(!test::action(w, QStringLiteral("上書き保存"))->isEnabled());
    QVERIFY(!test::action(w, QStringLiteral("名前を付けて保存"))->isEnabled());
    QVERIFY(w.session().sortFlag());
    QVERIFY(w.session().lineStr().isEmpty());
    QCOMPARE(w.session().snapshot().path(), f.tempDat());
    QCOMPARE(w.session().lineCount(), 0);
    QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Combo2"))->isVisible());
    QVERIFY(!w.findChild<QWidget *>(QStringLiteral("Combo3"))->isVisible());
    QCOMPARE(test::command9(w, 1)->toolTip(), QStringLiteral("曲移動(上へ)"));
    QCOMPARE(test::command9(w, 2)->toolTip(), QStringLiteral("曲移動(下へ)"));
    QCOMPARE(test::list1(w)->palette().color(QPalette::Base), QColor(255, 192, 192));
    QVERIFY(test::list1(w)->font().bold());
    // ＭＳ Ｐゴシック is drawn with its twin, whose name the font gives in the desktop's language.
    const QString twin = QFontInfo(QFont(QStringLiteral("IPAPGothic"))).family();
    QCOMPARE(QFontInfo(test::list1(w)->font()).family(), twin);
    QCOMPARE(QFontInfo(w.font()).family(), twin);
    QCOMPARE(test::list1(w)->font().pointSize(), 9);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestMainWindow::tabOrder()
{
    WindowFixture f;
    const QStringList expected = {
        QStringLiteral("Text1(1)"),   QStringLiteral("Text1(2)"), QStringLiteral("Text1(3)"),
        QStringLiteral("Option1"),    QStringLiteral("Option2"),  QStringLiteral("Option3"),
        QStringLiteral("Command1"),   QStringLiteral("Command2"), QStringLiteral("Command3"),
        QStringLiteral("Command4"),   QStringLiteral("Command5"), QStringLiteral("Check1"),
        QStringLiteral("Option4"),    QStringLiteral("Option5"),  QStringLiteral("Option6"),
        QStringLiteral("Option7"),    QStringLiteral("VScroll1"), QStringLiteral("Combo1"),
        QStringLiteral("Command6"),   QStringLiteral("Command7"), QStringLiteral("Check2"),
        QStringLiteral("Command8"),   QStringLiteral("List1"),    QStringLiteral("Command9(1)"),
        QStringLiteral("Command9(2)")};
    QStringList seen;
    QWidget *w = test::albumBox(*f.window);
    for (int guard = 0; guard < 500 && seen.size() < expected.size(); ++guard) {
        if (expected.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen.append(w->objectName());
        w = w->nextInFocusChain();
    }
    QCOMPARE(seen, expected);

    // Tab and Shift+Tab leave the title box as they leave every other control; a TAB typed there
    // would replace the selected title and split the layout line it lands on.
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.window->session().setTitles(QStringLiteral("Morning\r\nRain"));
    QPlainTextEdit *titles = test::titleBox(*f.window);
    titles->selectAll();
    titles->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), titles);
    QTest::keyClick(titles, Qt::Key_Tab);
    QTRY_VERIFY(QApplication::focusWidget() != titles);
    QVERIFY(QApplication::focusWidget()->objectName().startsWith(QStringLiteral("Option")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), titles);
    QTest::keyClick(titles, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), test::artistBox(*f.window));
    QCOMPARE(f.window->session().titles(), QStringLiteral("Morning\r\nRain"));
}

void TestMainWindow::titleTextKeepsEveryCharacter()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.session().setTitles(QStringLiteral("a\nb\rc\r\nd"));
    QCOMPARE(w.session().titles(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    const QString special = QStringLiteral("no\u00A0break\u3000wide\ttab\r\n");
    w.session().setTitles(special);
    QCOMPARE(w.session().titles(), special);
    QCOMPARE(test::titleBox(w)->document()->blockCount(), 2);
    // What the box takes as a paragraph break is a line break of the titles too.
    w.session().setTitles(QStringLiteral("a\u2029b\ufdd0c"));
    QCOMPARE(w.session().titles(), QStringLiteral("a\r\nb\r\nc"));
    QCOMPARE(w.session().lineCount(), test::titleBox(w)->document()->blockCount());
}

void TestMainWindow::everyTypedOrPastedBreakIsATitleBreak()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    test::titleBox(w)->setFocus();
    QTest::keyClicks(test::titleBox(w), QStringLiteral("a"));
    QTest::keyClick(test::titleBox(w), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(test::titleBox(w), QStringLiteral("b"));
    QCOMPARE(w.session().titles(), QStringLiteral("a\r\nb"));
    QCOMPARE(w.session().lineCount(), 2);

    auto *pasted = new QMimeData; // the clipboard owns it
    pasted->setText(QStringLiteral("\r\nc\u2028d"));
    QApplication::clipboard()->setMimeData(pasted);
    test::titleBox(w)->paste();
    QCOMPARE(w.session().titles(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    QCOMPARE(w.session().lineCount(), 4);
    // A command takes the text as last typed: "クリア" keeps it in the snapshot.
    QTest::keyClicks(test::titleBox(w), QStringLiteral("e"));
    test::command(w, 3)->click();
    QCOMPARE(f.readFile(f.tempDat()), QByteArray("a\r\nb\r\nc\r\nde"));
    QCOMPARE(w.session().titles(), QString());
}

void TestMainWindow::lineNumbers_data()
{
    QTest::addColumn<QString>("titles");
    QTest::addColumn<int>("entries");
    QTest::newRow("empty box has no numbers") << QString() << 0;
    QTest::newRow("one character and CR LF") << QStringLiteral("x\r\n") << 2;
    QTest::newRow("two lines, no final break") << QStringLiteral("x\r\ny") << 2;
    QTest::newRow("only CR LF") << QStringLiteral("\r\n") << 2;
}

void TestMainWindow::lineNumbers()
{
    QFETCH(QString, titles);
    QFETCH(int, entries);
    WindowFixture f;
    f.window->session().setTitles(titles);
    QCOMPARE(f.window->session().lineCount(), entries);
    QAbstractItemModel *model = test::list1(*f.window)->model();
    QCOMPARE(model->rowCount(), entries);
    for (int i = 0; i < entries; ++i)
        QCOMPARE(model->index(i, 0).data().toString(), QString::number(i + 1));
}

void TestMainWindow::typingInAlbumRebuildsColumn()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.session().setTitles(QStringLiteral("A\r\nB\r\n"));
    test::list1(w)->setCurrentIndex(test::list1(w)->model()->index(1, 0));
    QVERIFY(test::list1(w)->selectionModel()->hasSelection());
    QTest::keyClicks(test::albumBox(w), QStringLiteral("x"));
    QVERIFY(!test::list1(w)->selectionModel()->hasSelection());
    QCOMPARE(w.session().lineCount(), 3);
}

void TestMainWindow::labelDoubleClickEmptiesItsBox()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.session().setAlbum(QStringLiteral("Album"));
    w.session().setArtist(QStringLiteral("Artist"));
    w.session().setTitles(QStringLiteral("T\r\n"));
    const QString kept = w.session().keepArtist();
    QTest::mouseDClick(test::label1(w, 2), Qt::LeftButton);
    QCOMPARE(w.session().artist(), QString());
    QCOMPARE(w.session().album(), QStringLiteral("Album"));
    QCOMPARE(w.session().keepArtist(), kept);
    QTest::mouseDClick(test::label1(w, 3), Qt::LeftButton);
    QCOMPARE(w.session().titles(), QString());
    QTest::mouseDClick(test::label1(w, 1), Qt::LeftButton);
    QCOMPARE(w.session().album(), QString());
    QVERIFY(f.platform.messages.isEmpty());
}

void TestMainWindow::keepFileAndLoadAreStable()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    const QString file = f.path(QStringLiteral("titles.txt"));
    // The snapshot's writer is KeepFile.
    Snapshot &kept = w.session().snapshot();
    kept.setPath(file);
    kept.write(QStringLiteral("x\r\ny"));
    QCOMPARE(f.readFile(file), QByteArray("x\r\ny"));
    QCOMPARE(w.session().loadFile(file, OpenSizeCap), Session::LoadResult::Loaded);
    QCOMPARE(w.session().titles(), QStringLiteral("x\r\ny\r\n"));
    kept.write(w.session().titles());
    QCOMPARE(f.readFile(file), QByteArray("x\r\ny\r\n"));
    w.session().setTitles(QString());
    QCOMPARE(w.session().loadFile(file, OpenSizeCap), Session::LoadResult::Loaded);
    QCOMPARE(w.session().titles(), QStringLiteral("x\r\ny\r\n"));
    kept.write(QString());
    QCOMPARE(f.readFile(file), QByteArray());
    kept.setPath(f.path(QStringLiteral("missing/dir/file.txt")));
    kept.write(QStringLiteral("x"));
    QVERIFY(!QFile::exists(kept.path()));
    QCOMPARE(kept.lines(), QStringList{QStringLiteral("x")});
}

void TestMainWindow::commandLineFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("quoted");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::newRow("quoted path with blanks")
        << QStringLiteral("my titles.txt") << true << QByteArray("x\r\ny") << QString() << QString()
        << QStringLiteral("x\r\ny\r\n");
    QTest::newRow("unquoted path with blanks")
        << QStringLiteral("my titles.txt") << false << QByteArray("x\r\ny") << QString() << QString()
        << QStringLiteral("x\r\ny\r\n");
    QTest::newRow("disc line fills album and artist")
        << QStringLiteral("disc.txt") << false << QByteArray("Intro\r\n0\tA\tB\r\nOutro\r\n")
        << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("Intro\r\n0\tA\tB\r\nOutro\r\n");
    QTest::newRow("cp932 file") << QStringLiteral("sjis.txt") << false << QByteArray("\x82\xA0\x82\xA2\r\n")
                                << QString() << QString() << QStringLiteral("あい\r\n");
    QTest::newRow("UTF-8 file") << QStringLiteral("utf8.txt") << false
                                << QByteArray("\xE3\x81\x82\xE3\x81\x84\r\n") << QString() << QString()
                                << QStringLiteral("あい\r\n");
    QTest::newRow("lone LF becomes a break") << QStringLiteral("lf.txt") << false << QByteArray("a\nb\r\n")
                                             << QString() << QString() << QStringLiteral("a\r\nb\r\n");
}

void TestMainWindow::commandLineFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, quoted);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QTemporaryDir files;
    const QString path = files.filePath(fileName);
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    WindowFixture f(quoted ? QLatin1Char('"') + path + QLatin1Char('"') : path);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + path);
    QCOMPARE(f.window->session().album(), album);
    QCOMPARE(f.window->session().artist(), artist);
    QCOMPARE(f.window->session().titles(), titles);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestMainWindow::commandLineFileCannotBeOpened_data()
{
    QTest::addColumn<QString>("name");  // in a temporary folder; empty: the folder itself
    QTest::addColumn<QString>("fixed"); // a path outside it
    QTest::addColumn<QString>("reason");
    const QString notFile = QStringLiteral("ファイルでない可能性があります。");
    QTest::newRow("missing file") << QStringLiteral("none.txt") << QString() << notFile;
    QTest::newRow("a folder") << QString() << QString() << notFile;
    QTest::newRow("a device that never ends") << QString() << QStringLiteral("/dev/zero") << notFile;
    QTest::newRow("one byte over 4 MiB")
        << QStringLiteral("huge.txt") << QString() << QStringLiteral("4MBを超えています。");
    QTest::newRow("size 0 that never ends")
        << QString() << QStringLiteral("/proc/self/pagemap") << QStringLiteral("4MBを超えています。");
}

void TestMainWindow::commandLineFileCannotBeOpened()
{
    QFETCH(QString, name);
    QFETCH(QString, fixed);
    QFETCH(QString, reason);
    QTemporaryDir files;
    QFile huge(files.filePath(QStringLiteral("huge.txt")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(4 * 1024 * 1024 + 1));
    huge.close();
    const QString path = !fixed.isEmpty() ? fixed : name.isEmpty() ? files.path() : files.filePath(name);
    const QString failure = QStringLiteral("開けません！\r\n") + reason;
    WindowFixture f(path, [&](ScriptedPlatform &p) { p.expectBox(failure); });
    QCOMPARE(f.platform.messages.size(), 1);
    const ScriptedPlatform::Message m = f.platform.messages.constFirst();
    QCOMPARE(m.text, failure);
    QCOMPARE(m.title, QStringLiteral("VELNORA"));
    QCOMPARE(m.icon, Platform::Icon::None);
    QCOMPARE(m.buttons, Platform::Buttons::Ok);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + path);
    QCOMPARE(f.window->session().titles(), QString());
}

void TestMainWindow::secondInstanceIsRefused()
{
    QTemporaryDir dir;
    ScriptedPlatform platform;
    platform.setProgramFolder(dir.path());
    platform.setOtherInstanceRunning(true);
    platform.expectBox(QStringLiteral("２重起動防止！"));
    MainWindow w(platform);
    QVERIFY(!w.startUp());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages.constFirst().text, QStringLiteral("２重起動防止！"));
    QCOMPARE(platform.messages.constFirst().title, QStringLiteral("VELNORA"));
    QCOMPARE(platform.messages.constFirst().icon, Platform::Icon::None);
    QCOMPARE(platform.messages.constFirst().buttons, Platform::Buttons::Ok);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("temp.dat"))));
}

void TestMainWindow::tempDatLivesUntilClose()
{
    WindowFixture f;
    QVERIFY(QFile::exists(f.tempDat()));
    QCOMPARE(f.readFile(f.tempDat()), QByteArray());
    f.window->close();
    QVERIFY(!QFile::exists(f.tempDat()));
}

void TestMainWindow::readOnlyProgramFolderKeepsSnapshot()
{
    QTemporaryDir dir;
    // A folder below a regular file cannot be written, not even by root.
    QFile blocker(dir.filePath(QStringLiteral("program")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedPlatform platform;
    platform.setProgramFolder(dir.filePath(QStringLiteral("program/bin")));
    platform.setUserDataFolder(dir.filePath(QStringLiteral("data")));
    MainWindow w(platform);
    QVERIFY(w.startUp());
    QCOMPARE(w.session().snapshot().path(), dir.filePath(QStringLiteral("data/temp.dat")));
    QVERIFY(QFile::exists(w.session().snapshot().path()));
    w.session().snapshot().write(QStringLiteral("A\r\nB"));
    QCOMPARE(w.session().snapshot().lines(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));

    // Neither folder writable: the snapshot is still there in memory.
    ScriptedPlatform nowhere;
    nowhere.setProgramFolder(dir.filePath(QStringLiteral("program/bin")));
    nowhere.setUserDataFolder(dir.filePath(QStringLiteral("program/data")));
    MainWindow w2(nowhere);
    QVERIFY(w2.startUp());
    w2.session().snapshot().write(QStringLiteral("C\r\n\r\nD\r\n"));
    QCOMPARE(w2.session().snapshot().lines(),
             (QStringList{QStringLiteral("C"), QString(), QStringLiteral("D")}));
    QVERIFY(nowhere.messages.isEmpty());
}

void TestMainWindow::snapshotNeverGoesThroughWhatIsPlanted_data()
{
    QTest::addColumn<QString>("planted");  // what takes the name temp.dat
    QTest::addColumn<bool>("beforeStart"); // false: swapped in after the last snapshot
    for (const bool before : {true, false}) {
        const char *when = before ? "before start-up" : "while the program runs";
        QTest::addRow("link to the user's file, %s", when) << QStringLiteral("link to file") << before;
        QTest::addRow("dangling link, %s", when) << QStringLiteral("dangling link") << before;
        QTest::addRow("link to a pipe, %s", when) << QStringLiteral("link to pipe") << before;
        QTest::addRow("pipe, %s", when) << QStringLiteral("pipe") << before;
        QTest::addRow("link to a device that never ends, %s", when)
            << QStringLiteral("link to device") << before;
        QTest::addRow("longer file, %s", when) << QStringLiteral("longer file") << before;
    }
}

// A temp.dat that someone replaced is neither read through nor written through: the link's target,
// the pipe or the device stay untouched and the titles come from the copy in memory.
void TestMainWindow::snapshotNeverGoesThroughWhatIsPlanted()
{
    QFETCH(QString, planted);
    QFETCH(bool, beforeStart);
    QTemporaryDir dir;
    const QString temp = dir.filePath(QStringLiteral("temp.dat"));
    const QString secret = dir.filePath(QStringLiteral("secret.txt"));
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    {
        QFile f(secret);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("user's own\r\n") > 0);
    }
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    auto plant = [&] {
        QFile::remove(temp);
        if (planted == QStringLiteral("link to file"))
            QVERIFY(QFile::link(secret, temp));
        else if (planted == QStringLiteral("dangling link"))
            QVERIFY(QFile::link(dir.filePath(QStringLiteral("created.txt")), temp));
        else if (planted == QStringLiteral("link to pipe"))
            QVERIFY(QFile::link(pipe, temp));
        else if (planted == QStringLiteral("pipe"))
            QVERIFY(::mkfifo(QFile::encodeName(temp).constData(), 0600) == 0);
        else if (planted == QStringLiteral("link to device"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), temp));
        else {
            QFile f(temp);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("A\r\nB and more") > 0);
        }
    };
    ScriptedPlatform platform;
    platform.setProgramFolder(dir.path());
    platform.setUserDataFolder(dir.filePath(QStringLiteral("data")));
    MainWindow w(platform);
    if (beforeStart)
        plant();
    QVERIFY(w.startUp());
    w.session().snapshot().write(QStringLiteral("A\r\nB"));
    if (!beforeStart)
        plant();
    QCOMPARE(w.session().snapshot().lines(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QVERIFY(platform.messages.isEmpty());
    QFile kept(secret);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("user's own\r\n"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("created.txt"))));
    struct stat st = {};
    QVERIFY(::stat(QFile::encodeName(pipe).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    // Planted before start-up, the name was taken back with a file of the program's own.
    if (beforeStart) {
        QVERIFY(::lstat(QFile::encodeName(temp).constData(), &st) == 0 && S_ISREG(st.st_mode));
        QCOMPARE(w.session().snapshot().path(), temp);
    }
}

void TestMainWindow::windowSnapsToMinimumSize()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.setOuterSizeTwips(5000, 9000);
    QCOMPARE(w.outerWidthTwips(), 5670);
    QCOMPARE(w.outerHeightTwips(), 9000);
    w.setOuterSizeTwips(6000, 8000);
    QCOMPARE(w.outerWidthTwips(), 6000);
    QCOMPARE(w.outerHeightTwips(), 8400);
    // Between two pixels the window takes the larger: its size never reads back short of the one set.
    w.setOuterSizeTwips(5675, 8405);
    QCOMPARE(w.outerWidthTwips(), 5685);
    QCOMPARE(w.outerHeightTwips(), 8415);
    w.setOuterSizeTwips(5670, 8400);
    QCOMPARE(twipRect(test::titleBox(w)), QRect(465, 1035, 5010, 4245));
    QCOMPARE(twipRect(test::albumBox(w)).width(), 2625);
    QCOMPARE(twipRect(test::artistBox(w)).width(), 2625);
}

void TestMainWindow::columnHidesAfter21Entries()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.session().setTitles(QStringLiteral("t\r\n").repeated(20).chopped(2) + QStringLiteral("\r\n"));
    QCOMPARE(w.session().lineCount(), 21);
    QVERIFY(test::list1(w)->isVisible());
    QVERIFY(test::command9(w, 1)->isVisible());
    QCOMPARE(twipRect(test::titleBox(w)).x(), 465);
    w.session().setTitles(w.session().titles() + QStringLiteral("\r\n"));
    QCOMPARE(w.session().lineCount(), 22);
    QVERIFY(!test::list1(w)->isVisible());
    QVERIFY(!test::command9(w, 1)->isVisible());
    QVERIFY(!test::command9(w, 2)->isVisible());
    QCOMPARE(twipRect(test::titleBox(w)).x(), 105);
    QCOMPARE(twipRect(test::titleBox(w)).width(), 5355);
}

void TestMainWindow::editedStateHidesColumn()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.session().setTitles(QStringLiteral("a\r\nb\r\n"));
    w.session().enterEditedState();
    QVERIFY(!test::list1(w)->isVisible());
    QVERIFY(!test::command9(w, 1)->isVisible());
    QCOMPARE(twipRect(test::titleBox(w)).x(), 105);
    w.session().setTitles(QStringLiteral("a\r\n"));
    QVERIFY(!test::list1(w)->isVisible());
    w.session().henshumae();
    QVERIFY(test::list1(w)->isVisible());
    QVERIFY(test::command9(w, 1)->isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("VELNORA"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
