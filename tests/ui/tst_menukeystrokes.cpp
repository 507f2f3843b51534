#include "support/TestSupport.h"

#include "platform/DesktopPlatform.h"
#include "platform/JapaneseDesktop.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>

using namespace velnora;

namespace
{

// The real desktop's keystrokes and window flags, with the process services kept inside a
// temporary folder and boxes answered without blocking.
class TestDesktop : public DesktopPlatform
{
public:
    explicit TestDesktop(const QString &folder) : m_folder(folder) {}

    // No keystroke asks anything: any box is a fault.
    Answer messageBox(const QString &text, const QString &, Icon, Buttons) override
    {
        messages.append(text);
        QTest::qFail(qPrintable(QStringLiteral("unexpected box \"%1\"").arg(text)), __FILE__, __LINE__);
        return Ok;
    }
    void shellOpen(const QUrl &url, std::function<void(bool)>) override { openedUrls.append(url); }
    QString programFolder() const override { return m_folder; }
    QString userDataFolder() const override { return m_folder; }
    QString commandLine() const override { return QString(); }
    bool acquireSingleInstance() override { return true; }
    void sendKeys(const QKeySequence &keys) override
    {
        requests.append(keys);
        DesktopPlatform::sendKeys(keys);
    }

    QStringList messages;
    QList<QUrl> openedUrls;
    QList<QKeySequence> requests; // every request, the echo of a sent keystroke included

private:
    QString m_folder;
};

// Counts the times a widget is hidden.
class HideCounter : public QObject
{
public:
    int hides = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

// Lets queued keystrokes, and whatever they set off, run to their end.
void settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

const QString Album = u"Blue Album"_qs;
const QString Artist = u"Tom's Band"_qs;
const QString Titles = u"Morning\r\nRain\r\n"_qs;

} // namespace

// One choice of an edit item acts once, wherever the focus is: the keystroke it sends must not
// come back through the item's own shortcut.
class TestMenuKeystrokes : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ctrlCInBoxCopiesOnce_data();
    void ctrlCInBoxCopiesOnce();
    void editItemActsOnce_data();
    void editItemActsOnce();
    void shortcutOnButtonDoesNotRepeat_data();
    void shortcutOnButtonDoesNotRepeat();
    void keystrokeForDeletedControlIsDropped();
    void stayOnTopKeepsWindowInPlace();

private:
    QWidget *widget(const QString &name) const { return m_window->findChild<QWidget *>(name); }
    void focus(QWidget *w);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestDesktop> m_platform;
    std::unique_ptr<MainWindow> m_window;
};

void TestMenuKeystrokes::init()
{
    JapaneseDesktop::install();
    m_dir = std::make_unique<QTemporaryDir>();
    m_platform = std::make_unique<TestDesktop>(m_dir->path());
    m_window = std::make_unique<MainWindow>(*m_platform);
    QVERIFY(m_window->startUp());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->session().setAlbum(Album);
    m_window->session().setArtist(Artist);
    m_window->session().setTitles(Titles);
    QGuiApplication::clipboard()->setText(u"Clip"_qs);
    settle();
}

void TestMenuKeystrokes::cleanup()
{
    m_window.reset();
    m_platform.reset();
    m_dir.reset();
}

void TestMenuKeystrokes::focus(QWidget *w)
{
    QVERIFY(w);
    w->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), w);
}

void TestMenuKeystrokes::ctrlCInBoxCopiesOnce_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("copied");
    QTest::newRow("album") << u"Text1(1)"_qs << u"Blue"_qs;
    QTest::newRow("artist") << u"Text1(2)"_qs << u"Band"_qs;
    QTest::newRow("titles") << u"Text1(3)"_qs << u"Rain"_qs;
}

void TestMenuKeystrokes::ctrlCInBoxCopiesOnce()
{
    QFETCH(QString, box);
    QFETCH(QString, copied);
    QWidget *w = widget(box);
    focus(w);
    if (auto *line = qobject_cast<QLineEdit *>(w)) {
        line->setSelection(line->text().indexOf(copied), int(copied.size()));
    } else {
        auto *plain = qobject_cast<QPlainTextEdit *>(w);
        QTextCursor c = plain->textCursor();
        c.setPosition(8);
        c.setPosition(12, QTextCursor::KeepAnchor);
        plain->setTextCursor(c);
    }
    QSignalSpy changed(QGuiApplication::clipboard(), &QClipboard::dataChanged);

    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    settle();

    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(changed.count(), 1);
    QVERIFY(m_platform->requests.size() <= 1);
    QCOMPARE(m_window->session().album(), Album);
    QCOMPARE(m_window->session().artist(), Artist);
    QCOMPARE(m_window->session().titles(), Titles);
}

// The item chosen from the menu with the focus in a box: the box does the work once.
void TestMenuKeystrokes::editItemActsOnce_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("clipboardChanges");

    QTest::newRow("paste in the album box")
        << u"貼り付け"_qs << u"Text1(1)"_qs << u"Blue AlbumClip"_qs << Artist << Titles << u"Clip"_qs << 0;
    QTest::newRow("paste in the title box") << u"貼り付け"_qs << u"Text1(3)"_qs << Album << Artist
                                            << u"Morning\r\nRain\r\nClip"_qs << u"Clip"_qs << 0;
    QTest::newRow("cut in the artist box")
        << u"切り取り"_qs << u"Text1(2)"_qs << Album << u"Tom's "_qs << Titles << u"Band"_qs << 1;
    QTest::newRow("copy in the artist box")
        << u"コピー"_qs << u"Text1(2)"_qs << Album << Artist << Titles << u"Band"_qs << 1;
    // Two separate edits precede: undoing twice would take both back.
    QTest::newRow("undo in the album box")
        << u"元に戻す"_qs << u"Text1(1)"_qs << u"YBlue Album"_qs << Artist << Titles << u"Clip"_qs << 0;
    QTest::newRow("undo in the title box") << u"元に戻す"_qs << u"Text1(3)"_qs << Album << Artist
                                           << u"YMorning\r\nRain\r\n"_qs << u"Clip"_qs << 0;
}

void TestMenuKeystrokes::editItemActsOnce()
{
    QFETCH(QString, item);
    QFETCH(QString, box);
    QWidget *w = widget(box);
    focus(w);
    if (auto *line = qobject_cast<QLineEdit *>(w)) {
        if (item == u"元に戻す"_qs) {
            line->setCursorPosition(0);
            QTest::keyClicks(line, u"Y"_qs);
            line->setCursorPosition(int(line->text().size()));
            QTest::keyClicks(line, u"X"_qs);
            QCOMPARE(line->text(), u"YBlue AlbumX"_qs);
        } else {
            line->setSelection(6, 4);
            if (item == u"貼り付け"_qs)
                line->setCursorPosition(int(line->text().size()));
        }
    } else {
        auto *plain = qobject_cast<QPlainTextEdit *>(w);
        QTextCursor c = plain->textCursor();
        if (item == u"元に戻す"_qs) {
            c.setPosition(0);
            plain->setTextCursor(c);
            QTest::keyClicks(plain, u"Y"_qs);
            c.movePosition(QTextCursor::End);
            plain->setTextCursor(c);
            QTest::keyClicks(plain, u"X"_qs);
            QCOMPARE(m_window->session().titles(), u"YMorning\r\nRain\r\nX"_qs);
        } else {
            c.movePosition(QTextCursor::End);
            plain->setTextCursor(c);
        }
    }
    settle();
    QSignalSpy changed(QGuiApplication::clipboard(), &QClipboard::dataChanged);

    QVERIFY(test::action(*m_window, item)->isEnabled());
    test::action(*m_window, item)->trigger();
    settle();

    QTEST(m_window->session().album(), "album");
    QTEST(m_window->session().artist(), "artist");
    QTEST(m_window->session().titles(), "titles");
    QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    QTEST(int(changed.count()), "clipboardChanges");
    QCOMPARE(m_platform->requests.size(), 1);
}

// With the focus on a control that does not claim the key, the sent keystroke reaches the item's
// shortcut again; that echo must not send another one.
void TestMenuKeystrokes::shortcutOnButtonDoesNotRepeat_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("pressed"); // the user's own keystroke rather than the menu
    QTest::newRow("undo chosen") << u"元に戻す"_qs << int(Qt::Key_Z) << false;
    QTest::newRow("cut chosen") << u"切り取り"_qs << int(Qt::Key_X) << false;
    QTest::newRow("copy chosen") << u"コピー"_qs << int(Qt::Key_C) << false;
    QTest::newRow("paste chosen") << u"貼り付け"_qs << int(Qt::Key_V) << false;
    QTest::newRow("Ctrl+C pressed") << u"コピー"_qs << int(Qt::Key_C) << true;
    QTest::newRow("Ctrl+V pressed") << u"貼り付け"_qs << int(Qt::Key_V) << true;
}

void TestMenuKeystrokes::shortcutOnButtonDoesNotRepeat()
{
    QFETCH(QString, item);
    QFETCH(int, key);
    QFETCH(bool, pressed);
    QWidget *button = widget(u"Command1"_qs);
    focus(button);
    QSignalSpy changed(QGuiApplication::clipboard(), &QClipboard::dataChanged);
    QSignalSpy triggered(test::action(*m_window, item), &QAction::triggered);

    if (pressed)
        QTest::keyClick(button, Qt::Key(key), Qt::ControlModifier);
    else
        test::action(*m_window, item)->trigger();
    settle();
    const qsizetype requests = m_platform->requests.size();
    const qsizetype triggers = triggered.count();
    settle();

    // Settled: nothing further is sent however long the loop runs.
    QCOMPARE(m_platform->requests.size(), requests);
    QCOMPARE(triggered.count(), triggers);
    QVERIFY(requests <= 2);
    QCOMPARE(m_platform->requests.constFirst(), QKeySequence(Qt::CTRL | Qt::Key(key)));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_window->session().album(), Album);
    QCOMPARE(m_window->session().artist(), Artist);
    QCOMPARE(m_window->session().titles(), Titles);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestMenuKeystrokes::keystrokeForDeletedControlIsDropped()
{
    auto *extra = new QLineEdit(m_window->centralWidget());
    extra->show();
    focus(extra);
    m_platform->sendKeys(QKeySequence(Qt::CTRL | Qt::Key_V));
    delete extra;
    settle();
    QCOMPARE(m_window->session().album(), Album);
    QCOMPARE(m_window->session().titles(), Titles);
}

void TestMenuKeystrokes::stayOnTopKeepsWindowInPlace()
{
    QWidget *artist = widget(u"Text1(2)"_qs);
    focus(artist);
    const QRect geometry = m_window->geometry();
    QAction *a = test::action(*m_window, u"常に手前に表示"_qs);
    // Recreating the window to change its band would hide it and show it again.
    HideCounter hidden;
    m_window->installEventFilter(&hidden);

    a->trigger();
    settle();
    QVERIFY(a->isChecked());
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->geometry(), geometry);
    QCOMPARE(m_window->focusWidget(), artist);

    a->trigger();
    settle();
    QVERIFY(!a->isChecked());
    QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!m_window->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->geometry(), geometry);
    QCOMPARE(m_window->focusWidget(), artist);
    QCOMPARE(hidden.hides, 0);
    m_window->removeEventFilter(&hidden);
}

QTEST_MAIN(TestMenuKeystrokes)
#include "tst_menukeystrokes.moc"
