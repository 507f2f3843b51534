#include "ui/MainWindow.h"

#include "messages/Captions.h"
#include "platform/Platform.h"
#include "text/Lines.h"
#include "text/NativePath.h"
#include "ui/DropController.h"
#include "ui/Form1Controls.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/LayoutRule.h"
#include "ui/MenuController.h"
#include "ui/TitleBox.h"
#include "ui/TitleToolsController.h"
#include "ui/Twips.h"
#include "wording/OutcomeBoxes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <functional>

namespace velnora
{

namespace
{

// The outer window is the client area plus what a desktop frame, caption and menu take; the
// program's sizes are outer sizes, so the allowance is fixed rather than read from the window
// manager. With 750 twips of height the lower group box ends at the client area's bottom edge.
constexpr OuterFrame WindowFrame{120, 750};

// The title box's text with CR LF between its paragraphs. Raw text keeps every character
// (toPlainText would turn no-break spaces into blanks).
QString boxTitles(const QPlainTextEdit *box)
{
    QString raw = box->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return raw;
}

// Characters that the text box, like QTextCursor::insertText, also takes as a paragraph break.
bool hasOtherBreaks(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
    });
}

} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_session(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(programName());
    m_platform.setDialogParent(this);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    Form1Controls::build(client);
    m_albumBox = control<QLineEdit>(QStringLiteral("Text1(1)"));
    m_artistBox = control<QLineEdit>(QStringLiteral("Text1(2)"));
    m_titleBox = control<TitleBox>(QStringLiteral("Text1(3)"));
    m_exitButton = control<QPushButton>(QStringLiteral("Command5"));
    for (int i = 1; i <= 3; ++i) {
        m_label1[i] = control<QLabel>(QStringLiteral("Label1(%1)").arg(i));
        m_label1[i]->installEventFilter(this);
    }

    new TitleToolsController(client, m_session);
    new DropController(client, m_session, m_platform);
    auto *menu = new MenuController(this, m_session, m_platform);
    connect(menu, &MenuController::jacketRequested, this, &MainWindow::openJacketWindow);
    connect(menu, &MenuController::discRequested, this, &MainWindow::openDiscWindow);
    bindDocument();
    bindCommands();
    setTabOrder();
    setOuterSizeTwips(5670, 8400);
}

MainWindow::~MainWindow()
{
    if (m_jacketWindow) {
        m_jacketWindow->disconnect(this);
        delete m_jacketWindow.data();
    }
    if (m_discWindow) {
        m_discWindow->disconnect(this);
        delete m_discWindow.data();
    }
}

template <typename T> T *MainWindow::control(const QString &name) const
{
    return centralWidget()->findChild<T *>(name);
}

void MainWindow::bindDocument()
{
    // Typing goes to the session; the session's text is shown only where the box differs, so the
    // caret stays where the user types.
    connect(m_albumBox, &QLineEdit::textChanged, &m_session, &Session::setAlbum);
    connect(m_artistBox, &QLineEdit::textChanged, &m_session, &Session::setArtist);
    connect(m_titleBox, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showingTitles)
            return;
        // The line count now, the text when a command reads it: a keystroke in 10,000 lines stays fast.
        const QTextDocument *doc = m_titleBox->document();
        const int lines = doc->isEmpty() ? 0 : doc->blockCount();
        m_typing = true;
        m_session.titlesTyped(lines, [box = m_titleBox] { return boxTitles(box); });
        m_typing = false;
    });
    connect(&m_session, &Session::albumChanged, this, [this](const QString &text) {
        if (m_albumBox->text() != text)
            m_albumBox->setText(text);
        applyLayoutRule();
    });
    connect(&m_session, &Session::artistChanged, this, [this](const QString &text) {
        if (m_artistBox->text() != text)
            m_artistBox->setText(text);
        applyLayoutRule();
    });
    connect(&m_session, &Session::titlesChanged, this, [this] {
        // What the box sent is what it shows: no second reading of a long text per keystroke.
        // The session tells only of a text that differs from the box's.
        if (!m_typing) {
            const QString text = m_session.titles();
            m_showingTitles = true;
            m_titleBox->setPlainText(withLineFeeds(text));
            m_showingTitles = false;
            // The box breaks lines at more characters than CR LF: then what it shows is the text.
            if (hasOtherBreaks(text))
                m_session.setTitles(boxTitles(m_titleBox));
        }
        applyLayoutRule();
    });

    const EditType types[] = {EditType::En, EditType::Ja, EditType::EnJa};
    for (int n = 1; n <= 3; ++n) {
        auto *option = control<QRadioButton>(QStringLiteral("Option%1").arg(n));
        connect(option, &QRadioButton::toggled, this, [this, type = types[n - 1]](bool on) {
            if (on)
                m_session.setEditType(type);
        });
    }
    connect(&m_session, &Session::editTypeChanged, this, [this](EditType type) {
        const int n = type == EditType::En ? 1 : (type == EditType::Ja ? 2 : 3);
        control<QRadioButton>(QStringLiteral("Option%1").arg(n))->setChecked(true);
    });
    control<QRadioButton>(QStringLiteral("Option1"))->installEventFilter(this);
    control<QRadioButton>(QStringLiteral("Option2"))->installEventFilter(this);
    connect(control<QCheckBox>(QStringLiteral("Check2")), &QCheckBox::toggled, &m_session,
            &Session::setFileNameDrop);

    connect(&m_session, &Session::stateChanged, this, &MainWindow::showState);
    connect(&m_session, &Session::characterRejected, this, &MainWindow::showRejected);
}

void MainWindow::bindCommands()
{
    const struct {
        const char *name;
        std::function<void()> command;
    } buttons[] = {{"Command1", [this] { showOutcome(m_platform, m_session.edit()); }},
                   {"Command2", [this] { m_session.cancel(); }},
                   {"Command3", [this] { m_session.clearDocument(); }},
                   {"Command4", [this] { showOutcome(m_platform, m_session.save()); }}};
    for (const auto &b : buttons)
        connect(control<QPushButton>(QLatin1String(b.name)), &QPushButton::clicked, this, b.command);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitProgram);
    m_exitButton->installEventFilter(this);
}

void MainWindow::setTabOrder()
{
    const char *const order[] = {"Text1(1)", "Text1(2)", "Text1(3)", "Option1",     "Option2",
                                 "Option3",  "Command1", "Command2", "Command3",    "Command4",
                                 "Command5", "Check1",   "Option4",  "Option5",     "Option6",
                                 "Option7",  "VScroll1", "Combo1",   "Command6",    "Command7",
                                 "Check2",   "Command8", "List1",    "Command9(1)", "Command9(2)"};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(control<QWidget>(QLatin1String(order[i - 1])),
                             control<QWidget>(QLatin1String(order[i])));
}

bool MainWindow::startUp()
{
    // 8. The minimum-size rule raises it at once.
    setOuterSizeTwips(outerWidthTwips(), 8200);
    const Outcome outcome = m_session.startUp();
    showOutcome(m_platform, outcome);
    return outcome.refusal != Outcome::Refusal::OtherInstance;
}

void MainWindow::showState()
{
    const bool edited = m_session.isEdited();
    for (int i = 1; i <= 2; ++i) {
        m_label1[i]->setVisible(!edited);
        (i == 1 ? m_albumBox : m_artistBox)->setVisible(!edited);
        auto *move = control<QPushButton>(QStringLiteral("Command9(%1)").arg(i));
        if (edited)
            move->hide();
        else if (m_session.lineColumnFits())
            move->show();
    }
    m_label1[3]->setText(edited ? messages::captions::mainwindow::editedTitlesLabel()
                                : messages::captions::mainwindow::titlesLabel());
    control<QCheckBox>(QStringLiteral("Check2"))->setVisible(!edited);
    auto *saveButton = control<QPushButton>(QStringLiteral("Command4"));
    saveButton->setStyleSheet(edited ? QStringLiteral("background-color: rgb(192, 255, 255);") : QString());
    QFont f = saveButton->font();
    f.setBold(edited);
    saveButton->setFont(f);
    saveButton->setEnabled(m_session.saveEnabled());
    if (!edited)
        control<QListView>(QStringLiteral("List1"))->show();
    m_titleBox->setEnabled(!edited);
    const QString file = m_session.currentFile();
    // A name that is not UTF-8 shows only approximately here but is written back to exactly.
    setWindowTitle(file.isEmpty() ? programName() : titleForFile(displayPath(file)));
    applyLayoutRule();
}

void MainWindow::showRejected(int field, qsizetype start, qsizetype length)
{
    QWidget *box = field == 1 ? static_cast<QWidget *>(m_albumBox)
                              : (field == 2 ? static_cast<QWidget *>(m_artistBox) : m_titleBox);
    // In the edited state the field is hidden or disabled; focus and selection stay as they are.
    if (!box->isVisibleTo(this) || !box->isEnabled())
        return;
    if (field == 3) {
        m_titleBox->selectTitles(m_session.titles(), start, length);
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    static_cast<QLineEdit *>(box)->setSelection(int(start), int(length));
}

void MainWindow::openJacketWindow()
{
    if (!m_jacketWindow) {
        auto *jacket = new Form2(m_session.document(), m_platform);
        connect(jacket, &Form2::closed, this, &MainWindow::jacketWindowClosed);
        m_jacketWindow = jacket;
        // Disabled while the jacket window is open.
        connect(m_jacketWindow, &QObject::destroyed, this, &MainWindow::jacketWindowClosed);
    }
    setEnabled(false);
    m_jacketWindow->show();
    m_jacketWindow->raise();
    m_jacketWindow->activateWindow();
}

void MainWindow::openDiscWindow()
{
    if (!m_discWindow) {
        auto *discWindow = new Form3(m_session, m_platform);
        connect(discWindow, &Form3::closed, this, &MainWindow::jacketWindowClosed);
        connect(discWindow, &QObject::destroyed, this, &MainWindow::jacketWindowClosed);
        m_discWindow = discWindow;
    }
    setEnabled(false);
    m_discWindow->show();
    m_discWindow->raise();
    m_discWindow->activateWindow();
}

void MainWindow::jacketWindowClosed()
{
    setEnabled(true);
}

void MainWindow::exitProgram()
{
    if (m_jacketWindow)
        m_jacketWindow->close();
    if (m_discWindow)
        m_discWindow->close();
    close();
}

int MainWindow::px(int twipsValue) const
{
    return twipsToPixels(twipsValue, logicalDpiY());
}

int MainWindow::outerWidthTwips() const
{
    return WindowFrame.outerWidth(width(), logicalDpiY());
}

int MainWindow::outerHeightTwips() const
{
    return WindowFrame.outerHeight(height() - menuBar()->sizeHint().height(), logicalDpiY());
}

void MainWindow::setOuterSizeTwips(int widthTwips, int heightTwips)
{
    resize(WindowFrame.clientWidth(widthTwips, logicalDpiY()),
           WindowFrame.clientHeight(heightTwips, logicalDpiY()) + menuBar()->sizeHint().height());
    applyLayoutRule();
}

void MainWindow::applyLayoutRule()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    LayoutInput in{outerWidthTwips(), outerHeightTwips(), m_session.lineCount(), m_session.saveEnabled(),
                   isMinimized()};
    LayoutDecision d = layoutRule(in);
    // A size change runs the rule again; running it here keeps it independent of when the
    // window system reports the new size.
    for (int pass = 0;
         pass < 3 && d.kind != LayoutDecision::Kind::Arrange && d.kind != LayoutDecision::Kind::Nothing;
         ++pass) {
        if (d.kind == LayoutDecision::Kind::SetWidth)
            in.width = d.newSize;
        else
            in.height = d.newSize;
        setOuterSizeTwips(in.width, in.height); // the rule itself is not run again from here
        d = layoutRule(in);
    }
    if (d.kind == LayoutDecision::Kind::Arrange) {
        const Layout &l = d.layout;
        auto setLeftWidth = [this](QWidget *w, int left, int width) {
            w->setGeometry(px(left), w->y(), px(width), w->height());
        };
        setLeftWidth(m_albumBox, 105, l.albumWidth);
        setLeftWidth(m_artistBox, l.artistLeft, l.albumWidth);
        setLeftWidth(m_label1[2], l.artistLeft, 1335);
        m_titleBox->setGeometry(px(l.titleLeft), px(1035), px(l.titleWidth), px(l.titleHeight));
        auto *list = control<QListView>(QStringLiteral("List1"));
        list->setGeometry(list->x(), px(1035), list->width(), px(l.listHeight));
        list->setVisible(l.showList);
        const int tops[] = {l.upTop, l.downTop};
        for (int i = 1; i <= 2; ++i) {
            auto *move = control<QPushButton>(QStringLiteral("Command9(%1)").arg(i));
            move->setVisible(l.showList);
            move->move(move->x(), px(tops[i - 1]));
        }
        auto *frame1 = control<QGroupBox>(QStringLiteral("Frame1"));
        frame1->move(frame1->x(), px(l.frame1Top));
    }
    m_inLayout = false;
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayoutRule();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyLayoutRule();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_session.end();
    QMainWindow::closeEvent(event);
}

bool MainWindow::exitButtonReleased(QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const bool clicks = mouse->button() == Qt::LeftButton && m_exitButton->isDown() &&
                        m_exitButton->rect().contains(mouse->position().toPoint());
    m_session.askSaveCommands();
    // Whether the button still sees its click after a modal box depends on the window system; the
    // click is made here so that a left click always closes after the question.
    if (!clicks)
        return false;
    m_exitButton->setDown(false);
    exitProgram();
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Qt sends a release to the widget the button was pressed on, wherever it is released. The type
    // is tested first: other events still arrive while the window is destroyed.
    if (event->type() == QEvent::MouseButtonRelease && watched == m_exitButton)
        return exitButtonReleased(event) || QMainWindow::eventFilter(watched, event);
    if (event->type() != QEvent::MouseButtonDblClick)
        return QMainWindow::eventFilter(watched, event);
    for (int i = 1; i <= 3; ++i) {
        if (watched == m_label1[i]) {
            m_session.clearField(i);
            return true;
        }
    }
    if (watched->objectName() == QLatin1String("Option1") ||
        watched->objectName() == QLatin1String("Option2")) {
        const bool english = watched->objectName() == QLatin1String("Option1");
        static_cast<QRadioButton *>(watched)->setChecked(true);
        if (english)
            m_session.convertToEnglish();
        else
            m_session.convertToJapanese();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace velnora
