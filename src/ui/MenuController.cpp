#include "ui/MenuController.h"

#include "messages/Captions.h"
#include "messages/Messages.h"
#include "platform/HelpLocation.h"
#include "platform/Platform.h"
#include "session/Session.h"
#include "ui/MenuTexts.h"
#include "wording/OutcomeBoxes.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QUrl>

namespace velnora
{

MenuController::MenuController(QMainWindow *window, Session &session, Platform &platform)
    : QObject(window), m_window(window), m_session(session), m_platform(platform)
{
    buildMenus();
    connect(&m_session, &Session::stateChanged, this, &MenuController::showSaveCommands);
    showSaveCommands();
}

void MenuController::buildMenus()
{
    // One row per item: its name, its caption from the catalogue, key and command; a separator has no
    // caption.
    struct Item {
        const char16_t *name;
        QString (*caption)(); // null: a separator
        QKeySequence key;
        void (*run)(MenuController &);
    };
    auto addMenu = [this](const char16_t *name, QString (*caption)(), std::initializer_list<Item> items) {
        QMenu *menu = m_window->menuBar()->addMenu(caption());
        menu->setObjectName(QString::fromUtf16(name));
        menu->menuAction()->setObjectName(QString::fromUtf16(name));
        for (const Item &item : items) {
            QAction *a = item.caption ? menu->addAction(item.caption()) : menu->addSeparator();
            a->setObjectName(QString::fromUtf16(item.name));
            if (!item.key.isEmpty())
                a->setShortcut(item.key);
            if (item.run)
                connect(a, &QAction::triggered, this, [this, run = item.run] { run(*this); });
        }
    };
    using M = MenuController;
    namespace c = messages::captions::menu;
    addMenu(
        u"ファイル", c::fileMenu,
        {{u"新規", c::newItem, QKeySequence(Qt::CTRL | Qt::Key_N),
          [](M &m) { showOutcome(m.m_platform, m.m_session.newDocument()); }},
         {u"開く", c::openItem, QKeySequence(Qt::CTRL | Qt::Key_O),
          [](M &m) { showOutcome(m.m_platform, m.m_session.openDocument()); }},
         {u"音声取り込み",
          c::importItem,
          {},
          [](M &m) { showOutcome(m.m_platform, m.m_session.importAudio()); }},
         {u"上書き保存", c::saveItem, QKeySequence(Qt::CTRL | Qt::Key_S),
          [](M &m) { showOutcome(m.m_platform, m.m_session.saveOverwrite()); }},
         {u"名前を付けて保存",
          c::saveAsItem,
          {},
          [](M &m) { showOutcome(m.m_platform, m.m_session.saveAs()); }},
         {u"CDTEXT書き出し",
          c::exportItem,
          {},
          [](M &m) { showOutcome(m.m_platform, m.m_session.exportCdTextFile()); }},
         {u"ディスク作成", c::discItem, {}, [](M &m) { emit m.discRequested(); }},
         {u"区分線F1", nullptr, {}, nullptr},
         {u"常に手前に表示", c::stayOnTopItem, {}, [](M &m) { m.toggleStayOnTop(); }},
         {u"区分線F2", nullptr, {}, nullptr},
         {u"印刷", c::printItem, QKeySequence(Qt::CTRL | Qt::Key_P), [](M &m) { emit m.jacketRequested(); }},
         {u"区分線F3", nullptr, {}, nullptr},
         {u"終了", c::exitItem, {}, [](M &m) { m.m_window->close(); }}});
    addMenu(
        u"編集", c::editMenu,
        {{u"元に戻す", c::undoItem, QKeySequence(Qt::CTRL | Qt::Key_Z),
          [](M &m) { m.sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_Z)); }},
         {u"区分線E1", nullptr, {}, nullptr},
         {u"切り取り", c::cutItem, QKeySequence(Qt::CTRL | Qt::Key_X),
          [](M &m) { m.sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_X)); }},
         {u"コピー", c::copyItem, QKeySequence(Qt::CTRL | Qt::Key_C),
          [](M &m) { m.sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_C)); }},
         {u"貼り付け", c::pasteItem, QKeySequence(Qt::CTRL | Qt::Key_V),
          [](M &m) { m.sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_V)); }},
         {u"区分線E2", nullptr, {}, nullptr},
         {u"削除", c::deleteItem, {}, [](M &m) { m.deleteSelection(); }},
         {u"すべて選択", c::selectAllItem, QKeySequence(Qt::CTRL | Qt::Key_A), [](M &m) { m.selectAll(); }},
         {u"区分線E3", nullptr, {}, nullptr},
         {u"日付", c::dateItem, {}, [](M &m) { m.insertDate(); }}});
    addMenu(u"楽曲検索", c::searchMenu,
            {{u"ヤフー", c::yahooItem, {}, [](M &m) { m.fileopen(QUrl(menutexts::yahooMusicAddress())); }},
             {u"アマゾンjp",
              c::amazonJpItem,
              {},
              [](M &m) { m.fileopen(QUrl(menutexts::amazonJpMusicAddress())); }},
             {u"アマゾンcom", c::amazonComItem, {}, [](M &m) {
                  m.fileopen(QUrl(menutexts::amazonComMusicAddress()));
              }}});
    addMenu(u"ヘルプ", c::helpMenu,
            {{u"ヘルプファイル", c::helpFileItem, QKeySequence(Qt::CTRL | Qt::Key_H),
              [](M &m) { m.openHelpFile(); }},
             {u"バージョン", c::versionItem, {}, [](M &m) { m.showVersion(); }},
             {u"区分線H1", nullptr, {}, nullptr},
             {u"サンプル", c::sampleItem, {}, [](M &m) { m.m_session.pasteSample(); }}});
    // F1 is where desktop users look for help; Ctrl+H stays the item's own key.
    QAction *help = action(QStringLiteral("ヘルプファイル"));
    help->setShortcuts({help->shortcut(), QKeySequence(Qt::Key_F1)});
    QAction *onTop = action(QStringLiteral("常に手前に表示"));
    onTop->setCheckable(true);
    onTop->setChecked(false);
}

QAction *MenuController::action(const QString &name) const
{
    return m_window->menuBar()->findChild<QAction *>(name);
}

void MenuController::showSaveCommands()
{
    action(QStringLiteral("名前を付けて保存"))->setEnabled(m_session.saveEnabled());
    action(QStringLiteral("CDTEXT書き出し"))->setEnabled(m_session.saveEnabled());
    action(QStringLiteral("上書き保存"))->setEnabled(m_session.saveEnabled());
    // The import returns to the pre-edit state; it is offered there alone.
    action(QStringLiteral("音声取り込み"))->setEnabled(!m_session.isEdited());
    // The disc's image needs the layout, which the save commands come with.
    action(QStringLiteral("ディスク作成"))->setEnabled(m_session.saveEnabled());
}

void MenuController::toggleStayOnTop()
{
    // A checkable action has already flipped its mark when triggered signals; the mark says
    // which band the window goes to.
    m_platform.setStayOnTop(m_window, action(QStringLiteral("常に手前に表示"))->isChecked());
}

void MenuController::sendEditKey(const QKeySequence &keys)
{
    m_platform.sendKeys(keys);
}

QWidget *MenuController::focusedDocumentBox() const
{
    // The window's own focus child: the same as the application's focus widget while the window is
    // active, and still the right box when the window is not (a menu chosen by a script).
    QWidget *focused = m_window->focusWidget();
    for (int i = 1; i <= 3; ++i) {
        if (focused && focused->objectName() == QStringLiteral("Text1(%1)").arg(i))
            return focused;
    }
    return nullptr;
}

void MenuController::deleteSelection()
{
    QWidget *box = focusedDocumentBox();
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        // QLineEdit::del() would take the character after the caret when nothing is selected.
        if (line->hasSelectedText())
            line->insert(QString());
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(box)) {
        QTextCursor cursor = plain->textCursor();
        if (cursor.hasSelection()) {
            cursor.removeSelectedText();
            plain->setTextCursor(cursor);
        }
    }
}

void MenuController::selectAll()
{
    QWidget *box = focusedDocumentBox();
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->selectAll();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        plain->selectAll();
}

void MenuController::insertDate()
{
    QWidget *box = focusedDocumentBox();
    if (!box)
        return;
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->insert(date);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        plain->insertPlainText(date);
}

void MenuController::fileopen(const QUrl &openpath)
{
    if (!openpath.isValid() || openpath.isEmpty())
        return;
    // The desktop has no box of its own for a file or address nothing opens; the program says it.
    // The platform outlives every command, so the late answer may use it.
    Platform *platform = &m_platform;
    const QString shown = openpath.isLocalFile() ? openpath.toLocalFile() : openpath.toString();
    m_platform.shellOpen(openpath, [platform, shown](bool opened) {
        if (!opened)
            platform->show(messages::cannotOpenAddress(shown));
    });
}

void MenuController::openHelpFile()
{
    // help.chm when there is one, else the manual in the browser.
    const QString path = helplocation::helpTarget(m_platform.programFolder());
    if (path.isEmpty())
        return;
    fileopen(QUrl::fromLocalFile(path));
}

void MenuController::showVersion()
{
    m_platform.messageBox(messages::captions::menu::versionText(), messages::versionTitle(),
                          CorePlatform::Icon::None, CorePlatform::Buttons::Ok);
}

} // namespace velnora
