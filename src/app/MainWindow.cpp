#include "app/MainWindow.h"

#include "app/DropController.h"
#include "app/EditController.h"
#include "app/FileController.h"
#include "app/LineNumberModel.h"
#include "app/NameBox.h"
#include "app/TitleBox.h"
#include "app/TitleToolsController.h"
#include "app/logic/FileAccess.h"
#include "app/logic/LayoutRule.h"
#include "app/logic/Twips.h"
#include "edit/EditMarks.h"
#include "jacket/Form2.h"
#include "menu/MenuController.h"
#include "platform/JapaneseDesktop.h"
#include "platform/Platform.h"
#include "text/Cp932.h"
#include "text/Lines.h"
#include "text/NativePath.h"
#include "text/TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

namespace velnora
{

namespace
{

const QColor ListColour(255, 192, 192);
const QColor EditedSaveColour(192, 255, 255);

// The outer window is the client area plus what a desktop frame, caption and menu take; the
// program's sizes are outer sizes, so the allowance is fixed rather than read from the window
// manager. With 750 twips of height the lower group box ends at the client area's bottom edge.
constexpr int FrameAllowanceWidth = 120;
constexpr int FrameAllowanceHeight = 750;

QFont listFont()
{
    QFont f = JapaneseDesktop::font(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    f.setBold(true);
    return f;
}

} // namespace

MainWindow::MainWindow(Platform &platform, QWidget *parent) : QMainWindow(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VELNORA"));
    buildControls();
    buildMenus();
    setTabOrder();

    m_edit = new EditController(this);
    m_files = new FileController(this);
    m_drops = new DropController(this);
    m_titleTools = new TitleToolsController(this);
    m_menu = new MenuController(this);

    setOuterSizeTwips(5670, 8400);
}

MainWindow::~MainWindow()
{
    if (m_jacketWindow)
        delete m_jacketWindow.data();
}

void MainWindow::place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

int MainWindow::px(int twipsValue) const
{
    return twipsToPixels(twipsValue, logicalDpiY());
}

int MainWindow::twips(int pixels) const
{
    return pixelsToTwips(pixels, logicalDpiY());
}

void MainWindow::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto named = [](QWidget *w, const QString &name) {
        w->setObjectName(name);
        return w;
    };
    const QString labelCaptions[4] = {QString(), QStringLiteral("アルバム名"),
                                      QStringLiteral("アーティスト名"), QStringLiteral("曲名")};
    for (int i = 1; i <= 3; ++i) {
        m_label1[i] = new QLabel(labelCaptions[i], client);
        named(m_label1[i], QStringLiteral("Label1(%1)").arg(i));
        m_label1[i]->installEventFilter(this);
    }
    place(m_label1[1], 105, 105, 1335, 255);
    place(m_label1[2], 2835, 105, 1335, 255);
    place(m_label1[3], 105, 840, 2205, 255);

    m_albumBox = new NameBox(client);
    named(m_albumBox, QStringLiteral("Text1(1)"));
    place(m_albumBox, 105, 315, 2625, 375);
    m_artistBox = new NameBox(client);
    named(m_artistBox, QStringLiteral("Text1(2)"));
    place(m_artistBox, 2835, 315, 2625, 375);

    m_check2 = new QCheckBox(QStringLiteral("ドロップしてファイル名を利用"), client);
    named(m_check2, QStringLiteral("Check2"));
    place(m_check2, 2520, 800, 2640, 225);

    m_lineNumbers = new LineNumberModel(this);
    m_list1 = new QListView(client);
    named(m_list1, QStringLiteral("List1"));
    m_list1->setModel(m_lineNumbers);
    m_list1->setUniformItemSizes(true);
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list1->setFont(listFont());
    {
        QPalette p = m_list1->palette();
        p.setColor(QPalette::Base, ListColour);
        m_list1->setPalette(p);
    }
    place(m_list1, 105, 1035, 645, 3840);

    m_titleBox = new TitleBox(client);
    named(m_titleBox, QStringLiteral("Text1(3)"));
    m_titleBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_titleBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_titleBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(m_titleBox, 480, 1035, 5010, 4045);

    const QString moveCaptions[3] = {QString(), QStringLiteral("▲"), QStringLiteral("▼")};
    const QString moveTips[3] = {QString(), QStringLiteral("曲移動(上へ)"), QStringLiteral("曲移動(下へ)")};
    for (int i = 1; i <= 2; ++i) {
        m_command9[i] = new QPushButton(moveCaptions[i], client);
        named(m_command9[i], QStringLiteral("Command9(%1)").arg(i));
        m_command9[i]->setToolTip(moveTips[i]);
        m_command9[i]->setFont(listFont());
        m_command9[i]->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192);"));
    }
    place(m_command9[1], 105, 4795, 390, 225);
    place(m_command9[2], 105, 5035, 390, 225);

    // The line-number column's right part (its scroll bar) lies under the title box.
    m_list1->lower();
    m_command9[1]->raise();
    m_command9[2]->raise();

    auto *frame1 = new QGroupBox(client);
    m_frame[1] = frame1;
    named(frame1, QStringLiteral("Frame1"));
    place(frame1, 105, 5140, 5370, 2325);

    // The caption of the move buttons: in the strip of the lower group box right of "▼", so it
    // follows the buttons when the window grows and is never hidden with them.
    auto *label3 = new QLabel(QStringLiteral("曲移動"), frame1);
    named(label3, QStringLiteral("Label3"));
    place(label3, 450, 15, 900, 195);

    m_frame[2] = new QGroupBox(QStringLiteral("編集種類"), frame1);
    named(m_frame[2], QStringLiteral("Frame2"));
    place(m_frame[2], 105, 210, 2115, 1170);
    m_option[1] = new QRadioButton(QStringLiteral("en (英語テキスト)"), m_frame[2]);
    place(m_option[1], 105, 210, 1695, 225);
    m_option[2] = new QRadioButton(QStringLiteral("ja (日本語テキスト)"), m_frame[2]);
    place(m_option[2], 105, 525, 1800, 225);
    m_option[3] = new QRadioButton(QStringLiteral("en + ja (両方)"), m_frame[2]);
    place(m_option[3], 105, 840, 1380, 225);
    m_option[2]->setChecked(true);

    const struct {
        int n;
        const char16_t *caption;
        int left, top;
    } buttons[] = {{1, u"編集", 105, 1470},   {2, u"取消", 840, 1470}, {3, u"クリア", 1575, 1470},
                   {8, u"ソート", 105, 1890}, {4, u"保存", 840, 1890}, {5, u"終了", 1575, 1890}};
    for (const auto &b : buttons) {
        m_command[b.n] = new QPushButton(QString::fromUtf16(b.caption), frame1);
        named(m_command[b.n], QStringLiteral("Command%1").arg(b.n));
        place(m_command[b.n], b.left, b.top, 650, 330);
    }
    m_command[4]->setEnabled(false);

    m_frame[3] = new QGroupBox(frame1);
    named(m_frame[3], QStringLiteral("Frame3"));
    place(m_frame[3], 2310, 210, 2955, 2010);
    m_check1 = new QCheckBox(QStringLiteral("行頭の曲番文字の削除と添付"), m_frame[3]);
    named(m_check1, QStringLiteral("Check1"));
    place(m_check1, 105, 0, 2640, 225);
    m_check1->setChecked(true);
    m_check1->setAutoFillBackground(true); // sits on the group box's top edge
    m_option[4] = new QRadioButton(QStringLiteral("固定曲番"), m_frame[3]);
    place(m_option[4], 210, 315, 1065, 225);
    m_option[5] = new QRadioButton(QStringLiteral("可変曲番"), m_frame[3]);
    place(m_option[5], 1260, 315, 1065, 225);
    m_option[4]->setChecked(true);

    m_frame[4] = new QGroupBox(m_frame[3]);
    named(m_frame[4], QStringLiteral("Frame4"));
    place(m_frame[4], 210, 525, 2535, 960);
    m_option[6] = new QRadioButton(QStringLiteral("削除-文字長"), m_frame[4]);
    place(m_option[6], 105, 210, 1380, 225);
    m_option[7] = new QRadioButton(QStringLiteral("添付-文字種"), m_frame[4]);
    place(m_option[7], 105, 525, 1485, 225);
    m_option[6]->setChecked(true);
    m_label2 = new QLabel(QStringLiteral("0"), m_frame[4]);
    named(m_label2, QStringLiteral("Label2"));
    m_label2->setFrameShape(QFrame::Panel);
    m_label2->setFrameShadow(QFrame::Sunken);
    m_label2->setAlignment(Qt::AlignCenter);
    place(m_label2, 1470, 210, 540, 250);
    m_vscroll1 = new QScrollBar(Qt::Vertical, m_frame[4]);
    named(m_vscroll1, QStringLiteral("VScroll1"));
    m_vscroll1->setRange(0, 9);
    m_vscroll1->setSingleStep(1);
    m_vscroll1->setPageStep(1);
    m_vscroll1->setInvertedAppearance(true); // the top end is 9
    place(m_vscroll1, 1995, 210, 225, 250);
    m_combo1 = new QComboBox(m_frame[4]);
    named(m_combo1, QStringLiteral("Combo1"));
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    place(m_combo1, 1470, 525, 750, 300);

    m_command[6] = new QPushButton(QStringLiteral("削除"), m_frame[3]);
    named(m_command[6], QStringLiteral("Command6"));
    place(m_command[6], 210, 1575, 750, 330);
    m_command[7] = new QPushButton(QStringLiteral("添付"), m_frame[3]);
    named(m_command[7], QStringLiteral("Command7"));
    place(m_command[7], 1050, 1575, 750, 330);

    for (int n = 1; n <= 7; ++n)
        m_option[n]->setObjectName(QStringLiteral("Option%1").arg(n));

    // Auxiliary lists of the title tools; never shown.
    m_combo2 = new QComboBox(client);
    named(m_combo2, QStringLiteral("Combo2"));
    m_combo2->hide();
    m_combo3 = new QComboBox(client);
    named(m_combo3, QStringLiteral("Combo3"));
    m_combo3->hide();

    connect(m_albumBox, &QLineEdit::textChanged, this, &MainWindow::onDocumentChanged);
    connect(m_artistBox, &QLineEdit::textChanged, this, &MainWindow::onDocumentChanged);
    connect(m_titleBox, &QPlainTextEdit::textChanged, this, [this] {
        onDocumentChanged();
        emit titlesChanged();
    });
}

void MainWindow::buildMenus()
{
    struct Item {
        const char16_t *name;
        const char16_t *caption;
        QKeySequence shortcut;
    };
    auto addMenu = [this](const char16_t *name, const char16_t *caption, std::initializer_list<Item> items) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf16(caption));
        menu->setObjectName(QString::fromUtf16(name));
        menu->menuAction()->setObjectName(QString::fromUtf16(name));
        for (const Item &item : items) {
            const QString itemName = QString::fromUtf16(item.name);
            QAction *action =
                item.caption ? menu->addAction(QString::fromUtf16(item.caption)) : menu->addSeparator();
            action->setObjectName(itemName);
            if (!item.shortcut.isEmpty())
                action->setShortcut(item.shortcut);
            m_actions.insert(itemName, action);
        }
    };
    addMenu(u"ファイル", u"ファイル(&F)",
            {{u"新規", u"新規(&N)", QKeySequence(Qt::CTRL | Qt::Key_N)},
             {u"開く", u"開く(&O)...", QKeySequence(Qt::CTRL | Qt::Key_O)},
             {u"上書き保存", u"上書き保存(&S)", QKeySequence(Qt::CTRL | Qt::Key_S)},
             {u"名前を付けて保存", u"名前を付けて保存(&A)...", {}},
             {u"区分線F1", nullptr, {}},
             {u"常に手前に表示", u"常に手前に表示", {}},
             {u"区分線F2", nullptr, {}},
             {u"印刷", u"CDジャケット印刷(&P)...", QKeySequence(Qt::CTRL | Qt::Key_P)},
             {u"区分線F3", nullptr, {}},
             {u"終了", u"終了(&X)", {}}});
    addMenu(u"編集", u"編集(&E)",
            {{u"元に戻す", u"元に戻す(&U)", QKeySequence(Qt::CTRL | Qt::Key_Z)},
             {u"区分線E1", nullptr, {}},
             {u"切り取り", u"切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X)},
             {u"コピー", u"コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C)},
             {u"貼り付け", u"貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V)},
             {u"区分線E2", nullptr, {}},
             {u"削除", u"削除(&L)", {}},
             {u"すべて選択", u"すべて選択(&A)", QKeySequence(Qt::CTRL | Qt::Key_A)},
             {u"区分線E3", nullptr, {}},
             {u"日付", u"日付", {}}});
    addMenu(u"楽曲検索", u"楽曲検索(&M)",
            {{u"ヤフー", u"Yahoo(jp)-音楽", {}},
             {u"アマゾンjp", u"Amazon(jp)-音楽", {}},
             {u"アマゾンcom", u"Amazon(com)-音楽", {}}});
    addMenu(u"ヘルプ", u"ヘルプ(&H)",
            {{u"ヘルプファイル", u"ヘルプファイル(&H)", QKeySequence(Qt::CTRL | Qt::Key_H)},
             {u"バージョン", u"バージョン情報", {}},
             {u"区分線H1", nullptr, {}},
             {u"サンプル", u"サンプル貼付", {}}});
    m_actions.value(QStringLiteral("常に手前に表示"))->setCheckable(true);
    connect(m_actions.value(QStringLiteral("印刷")), &QAction::triggered, this,
            &MainWindow::openJacketWindow);
}

void MainWindow::setTabOrder()
{
    const QList<QWidget *> order = {m_albumBox,   m_artistBox,  m_titleBox,   m_option[1],   m_option[2],
                                    m_option[3],  m_command[1], m_command[2], m_command[3],  m_command[4],
                                    m_command[5], m_check1,     m_option[4],  m_option[5],   m_option[6],
                                    m_option[7],  m_vscroll1,   m_combo1,     m_command[6],  m_command[7],
                                    m_check2,     m_command[8], m_list1,      m_command9[1], m_command9[2]};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
}

QWidget *MainWindow::text1(int i) const
{
    switch (i) {
    case 1:
        return m_albumBox;
    case 2:
        return m_artistBox;
    case 3:
        return m_titleBox;
    default:
        return nullptr;
    }
}

QString MainWindow::album() const
{
    return m_albumBox->text();
}
QString MainWindow::artist() const
{
    return m_artistBox->text();
}

QString MainWindow::titles() const
{
    // Raw text keeps every character (toPlainText would turn no-break spaces into blanks).
    QString raw = m_titleBox->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return raw;
}

void MainWindow::setAlbum(const QString &text)
{
    m_albumBox->setText(text);
}
void MainWindow::setArtist(const QString &text)
{
    m_artistBox->setText(text);
}

void MainWindow::setTitles(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (plain == m_titleBox->toPlainText() && plain.isEmpty())
        return;
    m_titleBox->setPlainText(plain);
}

EditType MainWindow::editType() const
{
    if (m_option[1]->isChecked())
        return EditType::En;
    if (m_option[3]->isChecked())
        return EditType::EnJa;
    return EditType::Ja;
}

int MainWindow::listEntries() const
{
    return m_lineNumbers->count();
}

bool MainWindow::isEdited() const
{
    return m_command[4]->isEnabled();
}

bool MainWindow::keepFile(const QString &path, const QString &text)
{
    if (path.isEmpty())
        return false;
    return !writeFileAtomically(path, cp932::encode(text).bytes, Links::Refuse).failed();
}

void MainWindow::writeSnapshot(const QString &text)
{
    m_snapshot = text;
    m_snapshotBytes = cp932::encode(text).bytes.size();
    keepFile(m_state.TempPath, text);
}

QStringList MainWindow::snapshotLines()
{
    // Never more than what was written, never through a link, never waiting on a pipe.
    const FileRead read = readFileBounded(m_state.TempPath, m_snapshotBytes, Links::Refuse);
    if (read.ok()) {
        const QString text = cp932::decode(read.bytes);
        if (text == m_snapshot)
            return readLines(text);
    }
    // Unreadable, or not what was written (a character cp932 cannot hold): the copy in memory.
    return readLines(m_snapshot);
}

MainWindow::LoadResult MainWindow::loadFile(const QString &path, qint64 cap)
{
    // Only regular files: a folder has no lines and a device or pipe never ends.
    const FileRead read = readFileBounded(path, cap, Links::Follow);
    if (read.tooLarge)
        return LoadResult::TooLarge;
    if (!read.ok())
        return LoadResult::Failed;
    Document doc = document();
    loadLines(doc, readLines(decodeFileBytes(read.bytes)));
    if (doc.album != album())
        setAlbum(doc.album);
    if (doc.artist != artist())
        setArtist(doc.artist);
    setTitles(doc.titles);
    return LoadResult::Loaded;
}

void MainWindow::henshumae()
{
    for (int i = 1; i <= 2; ++i) {
        m_label1[i]->show();
        text1(i)->show();
        if (listEntries() < 30)
            m_command9[i]->show();
    }
    m_label1[3]->setText(QStringLiteral("曲名"));
    setWindowTitle(QStringLiteral("VELNORA"));
    m_check2->show();
    m_command[4]->setStyleSheet(QString());
    QFont f = m_command[4]->font();
    f.setBold(false);
    m_command[4]->setFont(f);
    m_command[4]->setEnabled(false);
    m_list1->show();
    m_actions.value(QStringLiteral("名前を付けて保存"))->setEnabled(false);
    m_actions.value(QStringLiteral("上書き保存"))->setEnabled(false);
    m_titleBox->setEnabled(true);
    applyLayoutRule();
}

void MainWindow::enterEditedState()
{
    for (int i = 1; i <= 2; ++i) {
        m_label1[i]->hide();
        text1(i)->hide();
        m_command9[i]->hide();
    }
    m_label1[3]->setText(QStringLiteral("CD_TEXT形式に編集済み"));
    m_check2->hide();
    m_command[4]->setStyleSheet(QStringLiteral("background-color: rgb(192, 255, 255);"));
    QFont f = m_command[4]->font();
    f.setBold(true);
    m_command[4]->setFont(f);
    m_command[4]->setEnabled(true);
    m_actions.value(QStringLiteral("名前を付けて保存"))->setEnabled(true);
    m_actions.value(QStringLiteral("上書き保存"))->setEnabled(true);
    m_titleBox->setEnabled(false);
    applyLayoutRule();
}

void MainWindow::delHenshumoji()
{
    const QString before = titles();
    const QString after = removeEditMarks(before);
    if (after != before)
        setTitles(after);
}

void MainWindow::setSaveCommandsEnabled(bool enabled)
{
    m_command[4]->setEnabled(enabled);
    m_actions.value(QStringLiteral("名前を付けて保存"))->setEnabled(enabled);
    m_actions.value(QStringLiteral("上書き保存"))->setEnabled(enabled);
    applyLayoutRule();
}

void MainWindow::setFileTitle(const QString &path)
{
    m_currentFile = path;
    setWindowTitle(titleForFile(displayPath(path)));
}

QString MainWindow::currentFile() const
{
    if (windowTitle() == QStringLiteral("VELNORA"))
        return {};
    // The title is the record of the file; the kept path is its exact bytes while it matches.
    if (windowTitle() == titleForFile(displayPath(m_currentFile)))
        return m_currentFile;
    return fileFromTitle(windowTitle());
}

bool MainWindow::startUp()
{
    // 1. One running instance owns temp.dat.
    if (!m_platform.acquireSingleInstance()) {
        m_platform.messageBox(this, QStringLiteral("２重起動防止！"), QStringLiteral("VELNORA"),
                              Platform::Icon::None, Platform::Buttons::Ok);
        return false;
    }
    // 2. The program's folder when it can be written (an installed program's folder cannot),
    // otherwise the user's own data folder.
    m_state.LineStr.clear();
    const QString programTemp = QDir(m_platform.programFolder()).filePath(QStringLiteral("temp.dat"));
    m_state.TempPath = programTemp;
    // 3.
    m_snapshot = titles();
    m_snapshotBytes = cp932::encode(m_snapshot).bytes.size();
    if (!keepFile(programTemp, m_snapshot)) {
        const QString dataFolder = m_platform.userDataFolder();
        if (!dataFolder.isEmpty()) {
            QDir().mkpath(dataFolder);
            m_state.TempPath = QDir(dataFolder).filePath(QStringLiteral("temp.dat"));
            keepFile(m_state.TempPath, m_snapshot);
        }
    }
    // 4.
    m_combo1->clear();
    m_combo1->addItems({QStringLiteral("-"), QStringLiteral("."), QStringLiteral("_"), QStringLiteral(" ")});
    m_combo1->setEditText(QStringLiteral("-"));
    // 5.
    m_titleTools->applyTrackToolSwitch();
    // 6.
    m_actions.value(QStringLiteral("名前を付けて保存"))->setEnabled(false);
    m_actions.value(QStringLiteral("上書き保存"))->setEnabled(false);
    // 7.
    m_state.SortFlag = true;
    // 8. The minimum-size rule raises it at once.
    setOuterSizeTwips(outerWidthTwips(), 8200);
    // 9.
    const QString commandLine = m_platform.commandLine();
    if (!commandLine.isEmpty()) {
        const QString path = commandLinePath(commandLine);
        setFileTitle(path);
        const LoadResult loaded = loadFile(path, OpenSizeCap);
        if (loaded != LoadResult::Loaded) {
            const QString reason = loaded == LoadResult::TooLarge
                                       ? overCapReason()
                                       : QStringLiteral("ファイルでない可能性があります。");
            m_platform.messageBox(this, QStringLiteral("開けません！\r\n") + reason,
                                  QStringLiteral("VELNORA"), Platform::Icon::None, Platform::Buttons::Ok);
            return true;
        }
        delHenshumoji();
    }
    return true;
}

void MainWindow::openJacketWindow()
{
    if (!m_jacketWindow)
        m_jacketWindow = new Form2(this);
    m_jacketWindow->show();
    m_jacketWindow->raise();
    m_jacketWindow->activateWindow();
}

void MainWindow::onDocumentChanged()
{
    rebuildLineNumbers();
    applyLayoutRule();
}

void MainWindow::rebuildLineNumbers()
{
    QTextDocument *doc = m_titleBox->document();
    const int entries = doc->isEmpty() ? 0 : doc->blockCount();
    m_list1->clearSelection();
    m_list1->setCurrentIndex(QModelIndex());
    m_lineNumbers->setCount(entries);
}

int MainWindow::outerWidthTwips() const
{
    return twips(width()) + FrameAllowanceWidth;
}

int MainWindow::outerHeightTwips() const
{
    return twips(height() - menuBar()->sizeHint().height()) + FrameAllowanceHeight;
}

void MainWindow::setOuterSizeTwips(int widthTwips, int heightTwips)
{
    resize(px(widthTwips - FrameAllowanceWidth),
           px(heightTwips - FrameAllowanceHeight) + menuBar()->sizeHint().height());
    applyLayoutRule();
}

void MainWindow::applyLayoutRule()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    LayoutInput in{outerWidthTwips(), outerHeightTwips(), listEntries(), isEdited(), isMinimized()};
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
        resize(px(in.width - FrameAllowanceWidth),
               px(in.height - FrameAllowanceHeight) + menuBar()->sizeHint().height());
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
        m_list1->setGeometry(m_list1->x(), px(1035), m_list1->width(), px(l.listHeight));
        m_list1->setVisible(l.showList);
        m_command9[1]->setVisible(l.showList);
        m_command9[2]->setVisible(l.showList);
        m_command9[1]->move(m_command9[1]->x(), px(l.upTop));
        m_command9[2]->move(m_command9[2]->x(), px(l.downTop));
        m_frame[1]->move(m_frame[1]->x(), px(l.frame1Top));
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
    if (!m_state.TempPath.isEmpty())
        m_platform.removeFile(m_state.TempPath);
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 1; i <= 3; ++i) {
            if (watched == m_label1[i]) {
                if (i == 3)
                    setTitles(QString());
                else
                    static_cast<QLineEdit *>(text1(i))->clear();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace velnora
