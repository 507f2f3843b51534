#include "support/TestSupport.h"

#include "document/DroppedName.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QUrl>

using namespace velnora;
using namespace velnora::test;

namespace
{

QWidget *dropTarget(MainWindow &w, int index)
{
    return index == 3 ? test::titleBox(w)->viewport() : test::text1(w, index);
}

struct DropResult {
    bool enterAccepted = false;
    bool dropAccepted = false;
};

// Drags the data in at one point, moves it to another and drops it there, as a file manager does.
DropResult dropOn(QWidget *target, const QMimeData &mime)
{
    const QPoint enterAt(2, 2);
    const QPoint dropAt(target->width() - 3, target->height() / 2);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    DropResult result;
    QDragEnterEvent enter(enterAt, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    result.enterAccepted = enter.isAccepted();
    QDragMoveEvent move(dropAt, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(dropAt), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    result.dropAccepted = drop.isAccepted();
    return result;
}

// Data that counts how often it is read, as a drag source between processes is asked each time.
class CountingMime : public QMimeData
{
public:
    mutable int reads = 0;

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        ++reads;
        return QMimeData::retrieveData(mimeType, type);
    }
};

QList<QUrl> fileUrls(const WindowFixture &f, const QStringList &names)
{
    QList<QUrl> urls;
    for (const QString &name : names)
        urls << QUrl::fromLocalFile(f.path(name));
    return urls;
}

// The start of every drop test: text in the three boxes, a file in the title, save commands on.
void prepare(WindowFixture &f)
{
    f.window->session().setAlbum(QStringLiteral("KeepA"));
    f.window->session().setArtist(QStringLiteral("KeepB"));
    f.window->session().setTitles(QStringLiteral("old\r\nlines"));
    f.window->session().setSaveCommandsEnabled(true);
    f.window->session().setCurrentFile(f.path(QStringLiteral("before.txt")));
}

void expectPreEdit(MainWindow &w)
{
    QVERIFY(!test::command(w, 4)->isEnabled());
    QVERIFY(!test::action(w, QStringLiteral("上書き保存"))->isEnabled());
    QVERIFY(!test::action(w, QStringLiteral("名前を付けて保存"))->isEnabled());
    QVERIFY(test::check2(w)->isVisible());
    QVERIFY(test::titleBox(w)->isEnabled());
}

} // namespace

class TestDrop : public QObject
{
    Q_OBJECT

private slots:
    void nameFromPath_data();
    void nameFromPath();
    void fileNameMode_data();
    void fileNameMode();
    void fileMode_data();
    void fileMode();
    void fileModeOpensFirstFileOnly();
    void fileModeReadsDiscLine();
    void refusedFile_data();
    void refusedFile();
    void oversizedDropOpensWithOpen();
    void textGoesToReceivingBox_data();
    void textGoesToReceivingBox();
    void fileAndTextTogether();
    void dataIsReadOncePerDragAndOncePerDrop();
    void fileListAsTextIsNotInserted();
    void webLinks_data();
    void webLinks();
    void droppedLineEndLeavesDiscLineWhole();
    void otherDataIsRefused();
    void editedStateRefusesDrops_data();
    void editedStateRefusesDrops();
};

void TestDrop::nameFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("extension cut") << QStringLiteral("/m/01 Intro.mp3") << QStringLiteral("01 Intro");
    QTest::newRow("only the last dot")
        << QStringLiteral("/m/02 Song.live.wav") << QStringLiteral("02 Song.live");
    QTest::newRow("only dot first gives empty") << QStringLiteral("/m/.hidden") << QString();
    QTest::newRow("no dot, whole name") << QStringLiteral("/m/README") << QStringLiteral("README");
    QTest::newRow("dot in the folder only") << QStringLiteral("/m/album.d/track") << QStringLiteral("track");
    QTest::newRow("trailing dot") << QStringLiteral("/m/name.") << QStringLiteral("name");
    QTest::newRow("folder with a trailing slash") << QStringLiteral("/m/Disc 1/") << QStringLiteral("Disc 1");
    QTest::newRow("backslash belongs to the name") << QStringLiteral("/m/a\\b.txt") << QStringLiteral("a\\b");
    QTest::newRow("no slash") << QStringLiteral("song.ogg") << QStringLiteral("song");
}

void TestDrop::nameFromPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(titleFromDroppedPath(path), name);
}

void TestDrop::fileNameMode_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two files on the title box")
        << 3 << QString() << QStringList{QStringLiteral("01 Intro.mp3"), QStringLiteral("02 Song.live.wav")}
        << QStringLiteral("01 Intro\r\n02 Song.live\r\n");
    QTest::newRow("dot-first name empty, dotless whole")
        << 3 << QString() << QStringList{QStringLiteral(".hidden"), QStringLiteral("README")}
        << QStringLiteral("\r\nREADME\r\n");
    QTest::newRow("glued to a last line without break")
        << 3 << QStringLiteral("Old") << QStringList{QStringLiteral("x.mp3")} << QStringLiteral("Oldx\r\n");
    QTest::newRow("after a final break")
        << 3 << QStringLiteral("Old\r\n") << QStringList{QStringLiteral("x.mp3")}
        << QStringLiteral("Old\r\nx\r\n");
    QTest::newRow("dropped on the album box, names go to the titles")
        << 1 << QStringLiteral("a\r\n") << QStringList{QStringLiteral("b.flac")}
        << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("a folder is taken like a file")
        << 2 << QString() << QStringList{QStringLiteral("Disc 1.x")} << QStringLiteral("Disc 1\r\n");
}

void TestDrop::fileNameMode()
{
    QFETCH(int, box);
    QFETCH(QString, titles);
    QFETCH(QStringList, names);
    QFETCH(QString, expected);
    WindowFixture f;
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("Disc 1.x")));
    prepare(f);
    f.window->session().setTitles(titles);
    test::check2(*f.window)->setChecked(true);
    QMimeData mime;
    mime.setUrls(fileUrls(f, names)); // the files need not exist: nothing is opened
    const DropResult r = dropOn(dropTarget(*f.window, box), mime);
    QVERIFY(r.enterAccepted);
    QVERIFY(r.dropAccepted);
    QCOMPARE(f.window->session().titles(), expected);
    QCOMPARE(f.window->session().album(), QStringLiteral("KeepA"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("KeepB"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(f.platform.messages.size(), 0);
    expectPreEdit(*f.window);
}

void TestDrop::fileMode_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("titles");
    QTest::newRow("plain titles replace the old ones")
        << 3 << QByteArray("x\r\ny") << QStringLiteral("x\r\ny\r\n");
    QTest::newRow("dropped on the artist box") << 2 << QByteArray("x\r\n") << QStringLiteral("x\r\n");
    QTest::newRow("empty file empties the titles") << 1 << QByteArray() << QString();
    QByteArray exact(100000 - 2, 'a');
    exact += "\r\n";
    QTest::newRow("exactly 100000 bytes is accepted")
        << 3 << exact << QString(99998, QLatin1Char('a')) + QStringLiteral("\r\n");
}

void TestDrop::fileMode()
{
    QFETCH(int, box);
    QFETCH(QByteArray, content);
    QFETCH(QString, titles);
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("in.txt"), content);
    QMimeData mime;
    mime.setUrls(fileUrls(f, {QStringLiteral("in.txt")}));
    const DropResult r = dropOn(dropTarget(*f.window, box), mime);
    QVERIFY(r.enterAccepted && r.dropAccepted);
    QCOMPARE(f.window->session().titles(), titles);
    QCOMPARE(f.window->session().album(), QStringLiteral("KeepA"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("KeepB"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("in.txt")));
    // No question, and the old titles are not kept in the snapshot.
    QCOMPARE(f.platform.messages.size(), 0);
    QCOMPARE(f.readFile(f.tempDat()), QByteArray());
    expectPreEdit(*f.window);
}

void TestDrop::fileModeOpensFirstFileOnly()
{
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("a.txt"), QByteArray("first\r\n"));
    f.writeFile(QStringLiteral("b.txt"), QByteArray("second\r\n"));
    QMimeData mime;
    mime.setUrls(
        fileUrls(f, {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("missing.txt")}));
    dropOn(dropTarget(*f.window, 3), mime);
    QCOMPARE(f.window->session().titles(), QStringLiteral("first\r\n"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("a.txt")));
    QCOMPARE(f.platform.messages.size(), 0);
}

void TestDrop::fileModeReadsDiscLine()
{
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("in.txt"), QByteArray("x\r\n0\tNew album\tNew artist\r\n"));
    QMimeData mime;
    mime.setUrls(fileUrls(f, {QStringLiteral("in.txt")}));
    dropOn(dropTarget(*f.window, 1), mime);
    QCOMPARE(f.window->session().album(), QStringLiteral("New album"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("New artist"));
    QVERIFY(!f.window->session().titles().contains(QStringLiteral("old")));
}

void TestDrop::refusedFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("100001 bytes") << QStringLiteral("big.txt") << QStringLiteral("100KBを超えています！");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("開けません！");
    QTest::newRow("missing file") << QStringLiteral("missing.txt") << QStringLiteral("開けません！");
    QTest::newRow("under a regular file")
        << QStringLiteral("plain.txt/x.txt") << QStringLiteral("開けません！");
    // A device has no size and never ends; it must not be read.
    QTest::newRow("device file") << QStringLiteral("/dev/zero") << QStringLiteral("開けません！");
    // It claims size 0; reading stops at 100001 bytes.
    QTest::newRow("size 0 that never ends")
        << QStringLiteral("/proc/self/pagemap") << QStringLiteral("100KBを超えています！");
}

void TestDrop::refusedFile()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("big.txt"), QByteArray(100001, 'a'));
    f.writeFile(QStringLiteral("plain.txt"), QByteArray("plain"));
    QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("folder")));
    QMimeData mime;
    QList<QUrl> urls = fileUrls(f, {name, QStringLiteral("plain.txt")});
    if (name.startsWith(QLatin1Char('/')))
        urls[0] = QUrl::fromLocalFile(name);
    mime.setUrls(urls);
    f.platform.expectBox(message);
    dropOn(dropTarget(*f.window, 3), mime);
    QCOMPARE(f.platform.messages.size(), 1);
    const ScriptedPlatform::Message m = f.platform.messages.at(0);
    QCOMPARE(m.text, message);
    QCOMPARE(m.title, QStringLiteral("VELNORA"));
    QCOMPARE(m.icon, Platform::Icon::None);
    QCOMPARE(m.buttons, Platform::Buttons::Ok);
    QCOMPARE(f.window->session().titles(), QStringLiteral("old\r\nlines"));
    QCOMPARE(f.window->session().album(), QStringLiteral("KeepA"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("KeepB"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    expectPreEdit(*f.window);
}

void TestDrop::oversizedDropOpensWithOpen()
{
    WindowFixture f;
    QByteArray big(100001 - 2, 'b');
    big += "\r\n";
    f.writeFile(QStringLiteral("big.txt"), big);
    QMimeData mime;
    mime.setUrls(fileUrls(f, {QStringLiteral("big.txt")}));
    f.platform.expectBox(QStringLiteral("100KBを超えています！"));
    dropOn(dropTarget(*f.window, 3), mime);
    QCOMPARE(f.window->session().titles(), QString());
    f.platform.queueFileName(f.path(QStringLiteral("big.txt")));
    QVERIFY(triggerAction(*f.window, QStringLiteral("開く")));
    QCOMPARE(f.window->session().titles(), QString(99999, QLatin1Char('b')) + QStringLiteral("\r\n"));
}

void TestDrop::textGoesToReceivingBox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selEnd"); // equal to selStart: just the caret
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::newRow("artist box at its caret") << 2 << 2 << 2 << QStringLiteral("xy") << QStringLiteral("KeepA")
                                             << QStringLiteral("KexyepB") << QStringLiteral("old\r\nlines");
    QTest::newRow("album box selection replaced")
        << 1 << 1 << 4 << QStringLiteral("Z") << QStringLiteral("KZA") << QStringLiteral("KeepB")
        << QStringLiteral("old\r\nlines");
    QTest::newRow("album box, LF line end becomes CR LF")
        << 1 << 5 << 5 << QStringLiteral("x\ny\r\nz\n") << QStringLiteral("KeepAx\r\ny\r\nz\r\n")
        << QStringLiteral("KeepB") << QStringLiteral("old\r\nlines");
    QTest::newRow("title box at its caret, CR LF a line break")
        << 3 << 3 << 3 << QStringLiteral("1\r\n2") << QStringLiteral("KeepA") << QStringLiteral("KeepB")
        << QStringLiteral("old1\r\n2\r\nlines");
    QTest::newRow("title box selection across lines replaced")
        << 3 << 1 << 6 << QStringLiteral("-") << QStringLiteral("KeepA") << QStringLiteral("KeepB")
        << QStringLiteral("o-nes");
    QTest::newRow("title box, lone LF also a break")
        << 3 << 0 << 0 << QStringLiteral("a\nb\n") << QStringLiteral("KeepA") << QStringLiteral("KeepB")
        << QStringLiteral("a\r\nb\r\nold\r\nlines");
}

void TestDrop::textGoesToReceivingBox()
{
    QFETCH(int, box);
    QFETCH(int, selStart);
    QFETCH(int, selEnd);
    QFETCH(QString, text);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    WindowFixture f;
    prepare(f);
    if (box == 3) {
        QTextCursor c = test::titleBox(*f.window)->textCursor();
        c.setPosition(selStart);
        c.setPosition(selEnd, QTextCursor::KeepAnchor);
        test::titleBox(*f.window)->setTextCursor(c);
    } else {
        auto *edit = static_cast<QLineEdit *>(test::text1(*f.window, box));
        edit->setSelection(selStart, selEnd - selStart);
    }
    QMimeData mime;
    mime.setText(text);
    const DropResult r = dropOn(dropTarget(*f.window, box), mime);
    QVERIFY(r.enterAccepted && r.dropAccepted);
    QCOMPARE(f.window->session().album(), album);
    QCOMPARE(f.window->session().artist(), artist);
    QCOMPARE(f.window->session().titles(), titles);
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(f.platform.messages.size(), 0);
    expectPreEdit(*f.window);
}

void TestDrop::fileAndTextTogether()
{
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("in.txt"), QByteArray("loaded\r\n"));
    test::artistBox(*f.window)->setCursorPosition(0);
    QMimeData mime;
    mime.setUrls(fileUrls(f, {QStringLiteral("in.txt")}));
    mime.setText(QStringLiteral("typed "));
    dropOn(dropTarget(*f.window, 2), mime);
    QCOMPARE(f.window->session().titles(), QStringLiteral("loaded\r\n"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("typed KeepB"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("in.txt")));
}

void TestDrop::dataIsReadOncePerDragAndOncePerDrop()
{
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("in.txt"), QByteArray("loaded\r\n"));
    test::artistBox(*f.window)->setCursorPosition(0);
    CountingMime mime;
    mime.setUrls(fileUrls(f, {QStringLiteral("in.txt")}));
    mime.setText(QStringLiteral("typed "));
    QWidget *target = dropTarget(*f.window, 2);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(2, 2), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    const int perReading = mime.reads;
    QVERIFY(perReading > 0);
    for (int x = 3; x < 13; ++x) {
        QDragMoveEvent move(QPoint(x, 2), actions, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        QVERIFY(move.isAccepted());
    }
    QCOMPARE(mime.reads, perReading);
    QDropEvent drop(QPointF(13, 2), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(mime.reads, 2 * perReading);
    QCOMPARE(f.window->session().artist(), QStringLiteral("typed KeepB"));
    QCOMPARE(f.window->session().titles(), QStringLiteral("loaded\r\n"));
}

void TestDrop::fileListAsTextIsNotInserted()
{
    WindowFixture f;
    prepare(f);
    test::check2(*f.window)->setChecked(true);
    const QList<QUrl> urls = fileUrls(f, {QStringLiteral("a.mp3"), QStringLiteral("b.mp3")});
    for (const QString &text : {urls.at(0).toLocalFile() + QStringLiteral("\n") + urls.at(1).toLocalFile(),
                                urls.at(0).toString() + QStringLiteral("\r\n") + urls.at(1).toString()}) {
        f.window->session().setAlbum(QStringLiteral("KeepA"));
        f.window->session().setTitles(QString());
        QMimeData mime;
        mime.setUrls(urls);
        mime.setText(text);
        dropOn(dropTarget(*f.window, 1), mime);
        QCOMPARE(f.window->session().titles(), QStringLiteral("a\r\nb\r\n"));
        QCOMPARE(f.window->session().album(), QStringLiteral("KeepA"));
    }
}

void TestDrop::webLinks_data()
{
    QTest::addColumn<bool>("names");
    QTest::addColumn<int>("box");
    QTest::addColumn<QStringList>("links");
    QTest::addColumn<bool>("withLocalFile");
    QTest::addColumn<QString>("titles");
    const QStringList https = {QStringLiteral("https://example.com/album")};
    const QStringList two = {QStringLiteral("http://example.com/a b"),
                             QStringLiteral("ftp://example.com/x.txt")};
    QTest::newRow("https link on the album box changes nothing")
        << false << 1 << https << false << QStringLiteral("old\r\nlines");
    QTest::newRow("links on the title box in file-name mode change nothing")
        << true << 3 << two << false << QStringLiteral("old\r\nlines");
    QTest::newRow("link and local file: the file is opened, no link text")
        << false << 1 << https << true << QStringLiteral("loaded\r\n");
    QTest::newRow("link and local file in file-name mode: only the file's name")
        << true << 3 << two << true << QStringLiteral("old\r\nlinesin\r\n");
}

// A link dragged from a web browser carries the link as its text too; neither is a title.
void TestDrop::webLinks()
{
    QFETCH(bool, names);
    QFETCH(int, box);
    QFETCH(QStringList, links);
    QFETCH(bool, withLocalFile);
    QFETCH(QString, titles);
    WindowFixture f;
    prepare(f);
    f.writeFile(QStringLiteral("in.txt"), QByteArray("loaded\r\n"));
    test::check2(*f.window)->setChecked(names);
    test::albumBox(*f.window)->setCursorPosition(5);
    QList<QUrl> urls;
    QString text;
    for (const QString &link : links) {
        urls << QUrl(link);
        text += urls.constLast().toString(QUrl::FullyEncoded) + QStringLiteral("\n"); // as browsers send it
    }
    if (withLocalFile) {
        urls << QUrl::fromLocalFile(f.path(QStringLiteral("in.txt")));
        text += urls.constLast().toLocalFile();
    }
    QMimeData mime;
    mime.setUrls(urls);
    mime.setText(text);
    const DropResult r = dropOn(dropTarget(*f.window, box), mime);
    QCOMPARE(r.dropAccepted, withLocalFile);
    QCOMPARE(f.window->session().titles(), titles);
    QCOMPARE(f.window->session().album(), QStringLiteral("KeepA"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("KeepB"));
    QCOMPARE(f.platform.messages.size(), 0);
    if (withLocalFile) {
        QCOMPARE(f.window->windowTitle(),
                 names ? QStringLiteral("VELNORA")
                       : QStringLiteral("VELNORA - ") + f.path(QStringLiteral("in.txt")));
    } else {
        QCOMPARE(f.window->windowTitle(),
                 QStringLiteral("VELNORA - ") + f.path(QStringLiteral("before.txt")));
        QVERIFY(test::command(*f.window, 4)->isEnabled());
    }
}

// A line dragged from a Linux editor carries its LF; the layout's disc line must stay one line.
void TestDrop::droppedLineEndLeavesDiscLineWhole()
{
    WindowFixture f;
    f.window->session().setTitles(QStringLiteral("t"));
    QMimeData album;
    album.setText(QStringLiteral("Album\n"));
    dropOn(dropTarget(*f.window, 1), album);
    QMimeData artist;
    artist.setText(QStringLiteral("Art\nist"));
    dropOn(dropTarget(*f.window, 2), artist);
    f.expectEdit();
    test::command(*f.window, 1)->click(); // "編集", ja
    QCOMPARE(f.window->session().titles(), QStringLiteral("ja\r\n0\tＡｌｂｕｍ\tＡｒｔｉｓｔ\r\n1\tｔ\r\n"));
}

void TestDrop::otherDataIsRefused()
{
    WindowFixture f;
    prepare(f);
    for (int box = 1; box <= 3; ++box) {
        QMimeData mime;
        mime.setData(QStringLiteral("image/png"), QByteArray("\x89PNG"));
        const DropResult r = dropOn(dropTarget(*f.window, box), mime);
        QVERIFY(!r.enterAccepted);
        QVERIFY(!r.dropAccepted);
    }
    QCOMPARE(f.window->session().titles(), QStringLiteral("old\r\nlines"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("before.txt")));
    QVERIFY(test::command(*f.window, 4)->isEnabled());
}

void TestDrop::editedStateRefusesDrops_data()
{
    QTest::addColumn<bool>("names");
    QTest::addColumn<bool>("withText");
    QTest::newRow("file mode") << false << false;
    QTest::newRow("file-name mode") << true << false;
    QTest::newRow("text") << false << true;
}

// The title box holds the layout and cannot be typed in; a drop must not undo the edit either.
void TestDrop::editedStateRefusesDrops()
{
    QFETCH(bool, names);
    QFETCH(bool, withText);
    WindowFixture f;
    prepare(f);
    f.window->session().enterEditedState();
    test::check2(*f.window)->setChecked(names);
    f.writeFile(QStringLiteral("in.txt"), QByteArray("loaded\r\n"));
    QMimeData mime;
    if (withText)
        mime.setText(QStringLiteral("dropped"));
    else
        mime.setUrls(fileUrls(f, {QStringLiteral("in.txt")}));
    const DropResult r = dropOn(dropTarget(*f.window, 3), mime);
    QVERIFY(!r.enterAccepted);
    QVERIFY(!r.dropAccepted);
    QCOMPARE(f.window->session().titles(), QStringLiteral("old\r\nlines"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("VELNORA - ") + f.path(QStringLiteral("before.txt")));
    QVERIFY(test::command(*f.window, 4)->isEnabled());
    QVERIFY(!test::titleBox(*f.window)->isEnabled());
    QCOMPARE(f.platform.messages.size(), 0);
}

QTEST_MAIN(TestDrop)
#include "tst_drop.moc"
