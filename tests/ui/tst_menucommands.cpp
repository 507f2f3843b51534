#include "support/TestAudio.h"
#include "support/TestSupport.h"

#include "ui/MainWindow.h"
#include "wording/OutcomeBoxes.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

using namespace velnora;
using namespace velnora::test;

namespace
{

const QString Titles = u"Morning\r\nRain\r\n"_qs;

// Selection of a document box as [start, length]; for the title box positions count CR LF as one.
struct Selection {
    int start = -1;
    int length = 0;
};

QString todayText()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace

Q_DECLARE_METATYPE(Selection)

// The menu commands over a scripted desktop: what each does to the document and what it hands to
// the desktop.
class TestMenuCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stayOnTopToggles();

    void deleteSelection_data();
    void deleteSelection();
    void selectAll_data();
    void selectAll();
    void ctrlAInTitleBoxSelectsOnce();
    void insertDate_data();
    void insertDate();
    void editedStateLeavesLayoutAlone_data();
    void editedStateLeavesLayoutAlone();

    void editKeystrokes_data();
    void editKeystrokes();

    void webPages_data();
    void webPages();
    void storeAddressesEndInVisitIdentifier();
    void helpFileIsOpened_data();
    void helpFileIsOpened();
    void missingHelpFileShowsNothing();
    void helpShortcutFromDocumentBox_data();
    void helpShortcutFromDocumentBox();
    void versionBox();
    void sampleReplacesFilledDocument();
    void sampleLeavesEditedState();
    void exitClosesWindowAndDeletesSnapshot();
    void exportCdTextFile_data();
    void exportCdTextFile();
    void importAudioTitles_data();
    void importAudioTitles();

private:
    void fillDocument();
    QWidget *focusTarget(const QString &name) const;
    void select(int box, Selection s);
    std::unique_ptr<WindowFixture> m_f;
};

void TestMenuCommands::init()
{
    m_f = std::make_unique<WindowFixture>();
    m_f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_f->window.get()));
    m_f->platform.clear();
}

void TestMenuCommands::cleanup()
{
    m_f.reset();
}

void TestMenuCommands::fillDocument()
{
    m_f->window->session().setAlbum(u"Blue Album"_qs);
    m_f->window->session().setArtist(u"Tom's Band"_qs);
    m_f->window->session().setTitles(Titles);
}

QWidget *TestMenuCommands::focusTarget(const QString &name) const
{
    QWidget *w = m_f->window->findChild<QWidget *>(name);
    // The separator list is enabled only with some numbering modes.
    if (auto *combo = qobject_cast<QComboBox *>(w))
        combo->setEnabled(true);
    return w;
}

void TestMenuCommands::select(int box, Selection s)
{
    if (s.start < 0)
        return;
    if (auto *line = qobject_cast<QLineEdit *>(test::text1(*m_f->window, box))) {
        line->setSelection(s.start, s.length);
        return;
    }
    QTextCursor c = test::titleBox(*m_f->window)->textCursor();
    c.setPosition(s.start);
    c.setPosition(s.start + s.length, QTextCursor::KeepAnchor);
    test::titleBox(*m_f->window)->setTextCursor(c);
}

void TestMenuCommands::stayOnTopToggles()
{
    QAction *a = test::action(*m_f->window, u"常に手前に表示"_qs);
    QVERIFY(triggerAction(*m_f->window, a->objectName()));
    QVERIFY(a->isChecked());
    QCOMPARE(m_f->platform.stayOnTopCalls, QList<bool>{true});
    QVERIFY(triggerAction(*m_f->window, a->objectName()));
    QVERIFY(!a->isChecked());
    QCOMPARE(m_f->platform.stayOnTopCalls, (QList<bool>{true, false}));
}

// Focus target, box holding a selection, the selection, and the three boxes afterwards.
void TestMenuCommands::deleteSelection_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("box");
    QTest::addColumn<Selection>("selection");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");

    QTest::newRow("artist, part selected")
        << u"Text1(2)"_qs << 2 << Selection{3, 2} << u"Blue Album"_qs << u"Tom Band"_qs << Titles;
    QTest::newRow("album, all selected")
        << u"Text1(1)"_qs << 1 << Selection{0, 10} << QString() << u"Tom's Band"_qs << Titles;
    QTest::newRow("titles, across a line break")
        << u"Text1(3)"_qs << 3 << Selection{4, 6} << u"Blue Album"_qs << u"Tom's Band"_qs << u"Mornin\r\n"_qs;
    // QLineEdit's own delete would take the character after the caret.
    QTest::newRow("artist, caret without selection")
        << u"Text1(2)"_qs << 2 << Selection{3, 0} << u"Blue Album"_qs << u"Tom's Band"_qs << Titles;
    QTest::newRow("titles, caret without selection")
        << u"Text1(3)"_qs << 3 << Selection{0, 0} << u"Blue Album"_qs << u"Tom's Band"_qs << Titles;
    QTest::newRow("focus on a button")
        << u"Command1"_qs << 2 << Selection{3, 2} << u"Blue Album"_qs << u"Tom's Band"_qs << Titles;
    QTest::newRow("focus on the separator combo")
        << u"Combo1"_qs << 2 << Selection{3, 2} << u"Blue Album"_qs << u"Tom's Band"_qs << Titles;
}

void TestMenuCommands::deleteSelection()
{
    QFETCH(QString, focus);
    QFETCH(int, box);
    QFETCH(Selection, selection);
    fillDocument();
    QWidget *target = focusTarget(focus);
    QVERIFY(target);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    select(box, selection);
    const QString comboText = test::combo1(*m_f->window)->currentText();

    QVERIFY(triggerAction(*m_f->window, u"削除"_qs));

    QTEST(m_f->window->session().album(), "album");
    QTEST(m_f->window->session().artist(), "artist");
    QTEST(m_f->window->session().titles(), "titles");
    QCOMPARE(test::combo1(*m_f->window)->currentText(), comboText);
    QVERIFY(m_f->platform.messages.isEmpty());
}

void TestMenuCommands::selectAll_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("selected"); // the box's selected text, CR LF as line break

    QTest::newRow("album") << u"Text1(1)"_qs << 1 << u"Blue Album"_qs;
    QTest::newRow("artist") << u"Text1(2)"_qs << 2 << u"Tom's Band"_qs;
    QTest::newRow("titles, final CR LF included") << u"Text1(3)"_qs << 3 << Titles;
    QTest::newRow("focus on a button") << u"Command1"_qs << 2 << QString();
}

static QString selectedText(MainWindow &w, int box)
{
    if (auto *line = qobject_cast<QLineEdit *>(test::text1(w, box)))
        return line->selectedText();
    QString text = test::titleBox(w)->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, u"\r\n"_qs);
    return text;
}

void TestMenuCommands::selectAll()
{
    QFETCH(QString, focus);
    QFETCH(int, box);
    QFETCH(QString, selected);
    fillDocument();
    QWidget *target = focusTarget(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QVERIFY(triggerAction(*m_f->window, u"すべて選択"_qs));

    QCOMPARE(selectedText(*m_f->window, box), selected);
    if (box == 3) {
        const QTextCursor c = test::titleBox(*m_f->window)->textCursor();
        QCOMPARE(c.selectionStart(), 0);
        QCOMPARE(c.selectionEnd(), test::titleBox(*m_f->window)->document()->characterCount() - 1);
    }
}

void TestMenuCommands::ctrlAInTitleBoxSelectsOnce()
{
    fillDocument();
    QPlainTextEdit *box = test::titleBox(*m_f->window);
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    QSignalSpy triggered(test::action(*m_f->window, u"すべて選択"_qs), &QAction::triggered);
    QSignalSpy selectionChanged(box, &QPlainTextEdit::selectionChanged);

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::processEvents();

    QCOMPARE(selectedText(*m_f->window, 3), Titles);
    QVERIFY(triggered.count() + (selectionChanged.count() > 0 ? 1 : 0) <= 2);
    QVERIFY(selectionChanged.count() == 1);
}

void TestMenuCommands::insertDate_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("box");
    QTest::addColumn<Selection>("selection");
    QTest::addColumn<QString>("album");  // %1 stands for the date
    QTest::addColumn<QString>("artist"); // %1 stands for the date
    QTest::addColumn<QString>("titles"); // %1 stands for the date

    QTest::newRow("artist, selection replaced")
        << u"Text1(2)"_qs << 2 << Selection{6, 4} << u"Blue Album"_qs << u"Tom's %1"_qs << Titles;
    QTest::newRow("album, at the caret")
        << u"Text1(1)"_qs << 1 << Selection{5, 0} << u"Blue %1Album"_qs << u"Tom's Band"_qs << Titles;
    QTest::newRow("titles, at the caret on the second line")
        << u"Text1(3)"_qs << 3 << Selection{8, 0} << u"Blue Album"_qs << u"Tom's Band"_qs
        << u"Morning\r\n%1Rain\r\n"_qs;
    QTest::newRow("focus on a button")
        << u"Command1"_qs << 2 << Selection{6, 4} << u"Blue Album"_qs << u"Tom's Band"_qs << Titles;
    QTest::newRow("focus on the separator combo")
        << u"Combo1"_qs << 1 << Selection{0, 4} << u"Blue Album"_qs << u"Tom's Band"_qs << Titles;
}

void TestMenuCommands::insertDate()
{
    QFETCH(QString, focus);
    QFETCH(int, box);
    QFETCH(Selection, selection);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    fillDocument();
    QWidget *target = focusTarget(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    select(box, selection);
    const QString comboText = test::combo1(*m_f->window)->currentText();

    const QString before = todayText();
    QVERIFY(triggerAction(*m_f->window, u"日付"_qs));
    const QString after = todayText();

    // Midnight may pass between the two readings.
    auto matches = [&](const QString &actual, const QString &pattern) {
        QString early = pattern;
        QString late = pattern;
        return actual == early.replace(u"%1"_qs, before) || actual == late.replace(u"%1"_qs, after);
    };
    QVERIFY2(matches(m_f->window->session().album(), album), qPrintable(m_f->window->session().album()));
    QVERIFY2(matches(m_f->window->session().artist(), artist), qPrintable(m_f->window->session().artist()));
    QVERIFY2(matches(m_f->window->session().titles(), titles), qPrintable(m_f->window->session().titles()));
    QCOMPARE(test::combo1(*m_f->window)->currentText(), comboText);
}

void TestMenuCommands::editedStateLeavesLayoutAlone_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("削除") << u"削除"_qs;
    QTest::newRow("すべて選択") << u"すべて選択"_qs;
    QTest::newRow("日付") << u"日付"_qs;
}

// In the edited state the title box is disabled and the name boxes hidden: the commands that act on
// a focused document box find none and leave the layout as it is, even with a selection in it.
void TestMenuCommands::editedStateLeavesLayoutAlone()
{
    QFETCH(QString, item);
    fillDocument();
    QPlainTextEdit *box = test::titleBox(*m_f->window);
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), box);
    m_f->window->session().enterEditedState();
    QVERIFY(!box->isEnabled());
    select(3, Selection{0, 4});

    QVERIFY(triggerAction(*m_f->window, item));

    QCOMPARE(m_f->window->session().titles(), Titles);
    QCOMPARE(box->textCursor().selectionStart(), 0);
    QCOMPARE(box->textCursor().selectionEnd(), 4);
    QCOMPARE(m_f->window->session().album(), u"Blue Album"_qs);
    QCOMPARE(m_f->window->session().artist(), u"Tom's Band"_qs);
}

void TestMenuCommands::editKeystrokes_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("undo in the album box") << u"元に戻す"_qs << u"Text1(1)"_qs << QKeySequence(u"Ctrl+Z"_qs);
    QTest::newRow("cut in the artist box") << u"切り取り"_qs << u"Text1(2)"_qs << QKeySequence(u"Ctrl+X"_qs);
    QTest::newRow("copy in the title box") << u"コピー"_qs << u"Text1(3)"_qs << QKeySequence(u"Ctrl+C"_qs);
    QTest::newRow("paste on a button") << u"貼り付け"_qs << u"Command1"_qs << QKeySequence(u"Ctrl+V"_qs);
}

void TestMenuCommands::editKeystrokes()
{
    QFETCH(QString, item);
    QFETCH(QString, focus);
    QFETCH(QKeySequence, keys);
    fillDocument();
    focusTarget(focus)->setFocus();
    QVERIFY(triggerAction(*m_f->window, item));
    QCOMPARE(m_f->platform.sentKeys, QList<QKeySequence>{keys});
    // The focused control does the work; the command itself touches no box.
    QCOMPARE(m_f->window->session().album(), u"Blue Album"_qs);
    QCOMPARE(m_f->window->session().artist(), u"Tom's Band"_qs);
    QCOMPARE(m_f->window->session().titles(), Titles);
}

void TestMenuCommands::webPages_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opens"); // whether the desktop has a browser for it

    QTest::newRow("Yahoo(jp)") << u"ヤフー"_qs << u"http://music.yahoo.co.jp/"_qs << true;
    QTest::newRow("Amazon(jp)") << u"アマゾンjp"_qs
                                << u"http://www.amazon.co.jp/exec/obidos/tg/browse/-/561956/ref=cs_tab_m_1_4/"
                                   "250-0000000-0000000"_qs
                                << true;
    QTest::newRow("Amazon(com)")
        << u"アマゾンcom"_qs
        << u"http://www.amazon.com/exec/obidos/tg/browse/-/5174/ref%3Dtab%5Fm%5Fm%5F9/"
           "002-0000000-0000000"_qs
        << true;
    QTest::newRow("Yahoo(jp) without a browser: told, with the address")
        << u"ヤフー"_qs << u"http://music.yahoo.co.jp/"_qs << false;
    QTest::newRow("Amazon(com) without a browser: the address as handed over")
        << u"アマゾンcom"_qs
        << u"http://www.amazon.com/exec/obidos/tg/browse/-/5174/ref%3Dtab%5Fm%5Fm%5F9/"
           "002-0000000-0000000"_qs
        << false;
}

void TestMenuCommands::webPages()
{
    QFETCH(QString, item);
    QFETCH(QString, address);
    QFETCH(bool, opens);
    m_f->platform.setShellOpenFails(!opens);
    // The address as handed to the browser ("%5F" is "_" to QUrl, "%3D" stays).
    const QString failure = u"開けません！\r\n"_qs + QUrl(address).toString();
    if (!opens)
        m_f->platform.expectBox(failure);
    QVERIFY(triggerAction(*m_f->window, item));
    QCOMPARE(m_f->platform.openedUrls.size(), 1);
    const QUrl url = m_f->platform.openedUrls.constFirst();
    QCOMPARE(url, QUrl(address));
    QCOMPARE(url.scheme(), u"http"_qs);
    QCOMPARE(m_f->platform.messages.size(), opens ? 0 : 1);
    if (!opens) {
        QCOMPARE(m_f->platform.messages.at(0).icon, Platform::Icon::Stop);
        QCOMPARE(m_f->platform.messages.at(0).buttons, Platform::Buttons::Ok);
    }
}

void TestMenuCommands::storeAddressesEndInVisitIdentifier()
{
    const QRegularExpression visit(u"/[0-9]{3}-[0-9]{7}-[0-9]{7}$"_qs);
    for (const QString &item : {u"アマゾンjp"_qs, u"アマゾンcom"_qs}) {
        m_f->platform.clear();
        QVERIFY(triggerAction(*m_f->window, item));
        QCOMPARE(m_f->platform.openedUrls.size(), 1);
        const QString encoded = QString::fromLatin1(m_f->platform.openedUrls.constFirst().toEncoded());
        QVERIFY2(visit.match(encoded).hasMatch(), qPrintable(encoded));
    }
    // The US store's "=" stays escaped in what reaches the browser.
    QVERIFY(m_f->platform.openedUrls.constFirst().toEncoded().contains("/ref%3Dtab"));
}

// Files under a scratch root; the program's folder is "." (a build tree) or "bin" (an install).
void TestMenuCommands::helpFileIsOpened_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("opens"); // whether the desktop has a viewer for it
    QTest::newRow("help.chm beside the program")
        << u"."_qs << QStringList{u"help.chm"_qs} << u"help.chm"_qs << true;
    QTest::newRow("help.chm without a viewer: told, with its path")
        << u"."_qs << QStringList{u"help.chm"_qs} << u"help.chm"_qs << false;
    QTest::newRow("installed manual without a browser: told, with its path")
        << u"bin"_qs << QStringList{u"share/doc/velnora/manual/index.html"_qs}
        << u"share/doc/velnora/manual/index.html"_qs << false;
    QTest::newRow("help.chm before the manual")
        << u"."_qs << QStringList{u"manual/index.html"_qs, u"help.chm"_qs} << u"help.chm"_qs << true;
    QTest::newRow("manual beside the program")
        << u"."_qs << QStringList{u"manual/index.html"_qs} << u"manual/index.html"_qs << true;
    QTest::newRow("installed manual") << u"bin"_qs << QStringList{u"share/doc/velnora/manual/index.html"_qs}
                                      << u"share/doc/velnora/manual/index.html"_qs << true;
    QTest::newRow("installed help.chm before the installed manual")
        << u"bin"_qs
        << QStringList{u"share/doc/velnora/manual/index.html"_qs, u"share/doc/velnora/help.chm"_qs}
        << u"share/doc/velnora/help.chm"_qs << true;
    QTest::newRow("manual beside the program before the installed one")
        << u"bin"_qs << QStringList{u"share/doc/velnora/manual/index.html"_qs, u"bin/manual/index.html"_qs}
        << u"bin/manual/index.html"_qs << true;
}

void TestMenuCommands::helpFileIsOpened()
{
    QFETCH(QString, programFolder);
    QFETCH(QStringList, files);
    QFETCH(QString, opened);
    QFETCH(bool, opens);
    const QDir root(m_f->dir.path());
    QVERIFY(root.mkpath(programFolder));
    for (const QString &file : files) {
        QVERIFY(root.mkpath(QFileInfo(file).path()));
        m_f->writeFile(file, "ITSF");
    }
    m_f->platform.setProgramFolder(root.filePath(programFolder));
    m_f->platform.setShellOpenFails(!opens);
    if (!opens)
        m_f->platform.expectBox(u"開けません！\r\n"_qs + m_f->path(opened));

    QVERIFY(triggerAction(*m_f->window, u"ヘルプファイル"_qs));
    QCOMPARE(m_f->platform.openedUrls, QList<QUrl>{QUrl::fromLocalFile(m_f->path(opened))});
    QCOMPARE(m_f->platform.messages.size(), opens ? 0 : 1);
}

void TestMenuCommands::missingHelpFileShowsNothing()
{
    QVERIFY(!QFile::exists(m_f->path(u"help.chm"_qs)));
    QVERIFY(triggerAction(*m_f->window, u"ヘルプファイル"_qs));
    QVERIFY(m_f->platform.openedUrls.isEmpty());
    QVERIFY(m_f->platform.messages.isEmpty());

    // A folder of that name is no help file either, nor a folder in the manual's place.
    QVERIFY(QDir(m_f->dir.path()).mkdir(u"help.chm"_qs));
    QVERIFY(QDir(m_f->dir.path()).mkpath(u"manual/index.html"_qs));
    QVERIFY(triggerAction(*m_f->window, u"ヘルプファイル"_qs));
    QVERIFY(m_f->platform.openedUrls.isEmpty());
    QVERIFY(m_f->platform.messages.isEmpty());
}

void TestMenuCommands::helpShortcutFromDocumentBox_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("album") << u"Text1(1)"_qs << int(Qt::Key_H) << ctrl;
    QTest::newRow("artist") << u"Text1(2)"_qs << int(Qt::Key_H) << ctrl;
    QTest::newRow("titles") << u"Text1(3)"_qs << int(Qt::Key_H) << ctrl;
    QTest::newRow("button") << u"Command1"_qs << int(Qt::Key_H) << ctrl;
    QTest::newRow("F1 in the album box") << u"Text1(1)"_qs << int(Qt::Key_F1) << int(Qt::NoModifier);
    QTest::newRow("F1 in the title box") << u"Text1(3)"_qs << int(Qt::Key_F1) << int(Qt::NoModifier);
}

void TestMenuCommands::helpShortcutFromDocumentBox()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    fillDocument();
    m_f->writeFile(u"help.chm"_qs, "ITSF");
    QWidget *target = focusTarget(focus);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(m_f->platform.openedUrls, QList<QUrl>{QUrl::fromLocalFile(m_f->path(u"help.chm"_qs))});
    // The box does not take the key as a backspace either.
    QCOMPARE(m_f->window->session().album(), u"Blue Album"_qs);
    QCOMPARE(m_f->window->session().artist(), u"Tom's Band"_qs);
    QCOMPARE(m_f->window->session().titles(), Titles);
}

void TestMenuCommands::versionBox()
{
    fillDocument();
    m_f->platform.expectBox(u"ver1.0"_qs);
    QVERIFY(triggerAction(*m_f->window, u"バージョン"_qs));
    QCOMPARE(m_f->platform.messages.size(), 1);
    const ScriptedPlatform::Message m = m_f->platform.messages.constFirst();
    QCOMPARE(m.text, u"ver1.0"_qs);
    QCOMPARE(m.title, u"バージョン情報"_qs);
    QCOMPARE(m.icon, Platform::Icon::None);
    QCOMPARE(m.buttons, Platform::Buttons::Ok);
    QCOMPARE(m_f->window->session().titles(), Titles);
}

void TestMenuCommands::sampleReplacesFilledDocument()
{
    fillDocument();
    QVERIFY(triggerAction(*m_f->window, u"サンプル"_qs));

    QVERIFY(m_f->platform.messages.isEmpty());
    QCOMPARE(m_f->window->session().album(), u"Album"_qs);
    QCOMPARE(m_f->window->session().artist(), u"Artist"_qs);
    QCOMPARE(m_f->window->session().titles(), u"    FirstTitle\r\n"
                                              "SecondTitle \u25CF\r\n"
                                              "         ThirdTitle\r\n"
                                              "FourthTitle\r\n"
                                              "FifthTitle\r\n"
                                              "SixthTitle\r\n"
                                              "   SeventhTitle\r\n"
                                              "EighthTitle\r\n"
                                              "   NinthTitle\r\n"
                                              "TenthTitle\r\n"
                                              "        EleventhTitle\r\n"
                                              "TwelfthTitle\r\n"_qs);
    // As if typed: the line-number column follows, twelve lines and the empty one after the last break.
    QCOMPARE(m_f->window->session().lineCount(), 13);
}

void TestMenuCommands::sampleLeavesEditedState()
{
    fillDocument();
    m_f->window->session().setCurrentFile(u"/music/blue.txt"_qs);
    m_f->window->session().enterEditedState();
    QVERIFY(m_f->window->session().saveEnabled());

    QVERIFY(triggerAction(*m_f->window, u"サンプル"_qs));

    QVERIFY(!m_f->window->session().saveEnabled());
    QVERIFY(test::titleBox(*m_f->window)->isEnabled());
    QVERIFY(test::albumBox(*m_f->window)->isVisible());
    QVERIFY(test::artistBox(*m_f->window)->isVisible());
    QCOMPARE(test::label1(*m_f->window, 3)->text(), u"曲名"_qs);
    QCOMPARE(m_f->window->windowTitle(), u"VELNORA"_qs);
    QVERIFY(!test::action(*m_f->window, u"上書き保存"_qs)->isEnabled());
    QVERIFY(!test::action(*m_f->window, u"名前を付けて保存"_qs)->isEnabled());
    QCOMPARE(m_f->window->session().album(), u"Album"_qs);
    QVERIFY(m_f->window->session().titles().startsWith(u"    FirstTitle\r\nSecondTitle \u25CF\r\n"_qs));
}

void TestMenuCommands::exitClosesWindowAndDeletesSnapshot()
{
    fillDocument();
    QVERIFY(QFile::exists(m_f->tempDat()));
    QVERIFY(triggerAction(*m_f->window, u"終了"_qs));
    QVERIFY(!m_f->window->isVisible());
    QVERIFY(!QFile::exists(m_f->tempDat()));
    QVERIFY(m_f->platform.messages.isEmpty());
}

void TestMenuCommands::exportCdTextFile_data()
{
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("text"); // the box after the command
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("document"); // the current file, in the folder; none when empty
    QTest::addColumn<QString>("proposed"); // the name the dialog starts from

    QTest::newRow("written: each block's use and the burn command")
        << Titles
        << u"en: 5 / 253 パック\r\nja: 10 / 253 パック\r\n\r\n"
           u"cdrskin -v dev=/dev/sr0 -audio -pad textfile=album.cdt 01.wav 02.wav"_qs
        << true << u"album.txt"_qs << u"album.cdt"_qs;
    QTest::newRow("no document file: the album's name is proposed")
        << Titles
        << u"en: 5 / 253 パック\r\nja: 10 / 253 パック\r\n\r\n"
           u"cdrskin -v dev=/dev/sr0 -audio -pad textfile=album.cdt 01.wav 02.wav"_qs
        << true << QString() << u"Blue Album.cdt"_qs;
    QTest::newRow("over capacity: refused with the edit's words, no name asked")
        << QString(30, u'x').append(u"\r\n"_qs).repeated(10) +
               QString(100, u'y').append(u"\r\n"_qs).repeated(30)
        << u"CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。\r\n"
           u"en ブロック: 318 / 253 パック\r\nja ブロック: 635 / 253 パック"_qs
        << false << u"album.txt"_qs << QString();
}

// "CD-TEXTファイルに書き出し" after "編集" as "en + ja"; the file is written as album.cdt.
void TestMenuCommands::exportCdTextFile()
{
    QFETCH(QString, titles);
    QFETCH(QString, text);
    QFETCH(bool, written);
    QFETCH(QString, document);
    fillDocument();
    m_f->window->session().setTitles(titles);
    m_f->window->session().setEditType(EditType::EnJa);
    QVERIFY(!test::action(*m_f->window, u"CDTEXT書き出し"_qs)->isEnabled());
    m_f->expectEdit();
    if (!written)
        m_f->platform.expectBox(); // the edit's warning that the text is over capacity
    showOutcome(m_f->platform, m_f->window->session().edit()); // as "編集" shows it
    if (!document.isEmpty())
        m_f->window->session().setCurrentFile(m_f->path(document));
    m_f->platform.clear();
    const QString cdt = m_f->path(u"album.cdt"_qs);
    if (written)
        m_f->platform.queueFileName(cdt);
    m_f->platform.expectBox(text);

    QVERIFY(triggerAction(*m_f->window, u"CDTEXT書き出し"_qs));
    QCOMPARE(m_f->platform.fileDialogs.size(), written ? 1 : 0);
    if (written) {
        QVERIFY(m_f->platform.fileDialogs.at(0).save);
        QCOMPARE(m_f->platform.fileDialogs.at(0).filter, u"CD-TEXTファイル(*.cdt)"_qs);
        QFETCH(QString, proposed);
        QCOMPARE(m_f->platform.fileDialogs.at(0).startName,
                 document.isEmpty() ? proposed : m_f->path(proposed));
        QCOMPARE(m_f->platform.fileDialogs.at(0).title, u"CD-TEXTファイルに書き出し"_qs);
        QCOMPARE(m_f->platform.fileDialogs.at(0).defaultSuffix, u"cdt"_qs);
    }
    QCOMPARE(m_f->platform.messages.size(), 1);
    const ScriptedPlatform::Message box = m_f->platform.messages.at(0);
    QCOMPARE(box.text, text);
    QCOMPARE(box.title, written ? u"CD-TEXT書き出し完了"_qs : u"CD-TEXT容量超過"_qs);
    QCOMPARE(box.icon, written ? Platform::Icon::Information : Platform::Icon::Stop);
    QCOMPARE(QFileInfo::exists(cdt), written);
}

void TestMenuCommands::importAudioTitles_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<bool>("chosen"); // the dialog returns the file, else it is cancelled
    QTest::addColumn<QString>("titles");

    QTest::newRow("edited state: not offered") << true << false << QString();
    QTest::newRow("pre-edit, dialog cancelled: nothing changes") << false << false << Titles;
    QTest::newRow("pre-edit, a file chosen: its name as the title") << false << true << u"one\r\n"_qs;
}

void TestMenuCommands::importAudioTitles()
{
    QFETCH(bool, edited);
    QFETCH(bool, chosen);
    fillDocument();
    if (edited) {
        m_f->window->session().enterEditedState();
        QVERIFY(!test::action(*m_f->window, u"音声取り込み"_qs)->isEnabled());
        return;
    }
    const QString wav = m_f->path(u"one.wav"_qs);
    QVERIFY(testaudio::run(
        u"sox"_qs, {u"-n"_qs, u"-r"_qs, u"44100"_qs, u"-c"_qs, u"2"_qs, wav, u"trim"_qs, u"0"_qs, u"5"_qs}));
    m_f->platform.queueFileNames(chosen ? QStringList{wav} : QStringList{});
    QVERIFY(triggerAction(*m_f->window, u"音声取り込み"_qs));
    QCOMPARE(m_f->platform.fileDialogs.size(), 1);
    QVERIFY(m_f->platform.fileDialogs.at(0).multiple);
    QCOMPARE(m_f->platform.fileDialogs.at(0).filter,
             u"音声ファイル(*.wav *.aif *.aiff *.flac *.m4a *.mp3 *.ogg *.opus);;すべてのファイル(*.*)"_qs);
    QTEST(m_f->window->session().titles(), "titles");
    QCOMPARE(m_f->window->session().album(), u"Blue Album"_qs);
    QTRY_VERIFY(!m_f->window->session().disc().probing());
    QCOMPARE(m_f->window->session().disc().files(), chosen ? QStringList{wav} : QStringList{});
}

QTEST_MAIN(TestMenuCommands)
#include "tst_menucommands.moc"
