#include "menu/MenuController.h"

#include "app/MainWindow.h"
#include "app/logic/HelpLocation.h"
#include "menu/MenuTexts.h"
#include "platform/Platform.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QUrl>

namespace velnora
{

MenuController::MenuController(MainWindow *window) : QObject(window), m_window(window)
{
    connectAction(QStringLiteral("常に手前に表示"), &MenuController::toggleStayOnTop);
    connectAction(QStringLiteral("終了"), &MenuController::exitProgram);
    connectAction(QStringLiteral("元に戻す"), &MenuController::sendUndo);
    connectAction(QStringLiteral("切り取り"), &MenuController::sendCut);
    connectAction(QStringLiteral("コピー"), &MenuController::sendCopy);
    connectAction(QStringLiteral("貼り付け"), &MenuController::sendPaste);
    connectAction(QStringLiteral("削除"), &MenuController::deleteSelection);
    connectAction(QStringLiteral("すべて選択"), &MenuController::selectAll);
    connectAction(QStringLiteral("日付"), &MenuController::insertDate);
    connectAction(QStringLiteral("ヤフー"), &MenuController::openYahoo);
    connectAction(QStringLiteral("アマゾンjp"), &MenuController::openAmazonJp);
    connectAction(QStringLiteral("アマゾンcom"), &MenuController::openAmazonCom);
    connectAction(QStringLiteral("ヘルプファイル"), &MenuController::openHelpFile);
    connectAction(QStringLiteral("バージョン"), &MenuController::showVersion);
    connectAction(QStringLiteral("サンプル"), &MenuController::pasteSample);

    // F1 is where desktop users look for help; Ctrl+H stays the item's own key.
    if (QAction *help = m_window->action(QStringLiteral("ヘルプファイル")))
        help->setShortcuts({help->shortcut(), QKeySequence(Qt::Key_F1)});

    if (QAction *onTop = m_window->action(QStringLiteral("常に手前に表示"))) {
        onTop->setCheckable(true);
        onTop->setChecked(false);
    }
}

void MenuController::connectAction(const QString &name, void (MenuController::*slot)())
{
    if (QAction *a = m_window->action(name))
        connect(a, &QAction::triggered, this, slot);
}

void MenuController::toggleStayOnTop()
{
    // A checkable action has already flipped its mark when triggered signals; the mark says
    // which band the window goes to.
    QAction *a = m_window->action(QStringLiteral("常に手前に表示"));
    m_window->platform().setStayOnTop(m_window, a->isChecked());
}

void MenuController::exitProgram()
{
    m_window->close();
}

void MenuController::sendEditKey(const QKeySequence &keys)
{
    m_window->platform().sendKeys(keys);
}

QWidget *MenuController::focusedDocumentBox() const
{
    // The window's own focus child: the same as the application's focus widget while the window is
    // active, and still the right box when the window is not (a menu chosen by a script).
    QWidget *focused = m_window->focusWidget();
    for (int i = 1; i <= 3; ++i) {
        if (focused && focused == m_window->text1(i))
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
    if (openpath.isValid() && !openpath.isEmpty())
        m_window->platform().shellOpen(openpath);
}

void MenuController::openYahoo()
{
    fileopen(QUrl(menutexts::yahooMusicAddress()));
}

void MenuController::openAmazonJp()
{
    fileopen(QUrl(menutexts::amazonJpMusicAddress()));
}

void MenuController::openAmazonCom()
{
    fileopen(QUrl(menutexts::amazonComMusicAddress()));
}

void MenuController::openHelpFile()
{
    // help.chm when there is one, else the manual in the browser. The desktop would answer a missing
    // file with an error box of its own; the program shows none.
    const QString path = helplocation::helpTarget(m_window->platform().programFolder());
    if (path.isEmpty())
        return;
    fileopen(QUrl::fromLocalFile(path));
}

void MenuController::showVersion()
{
    m_window->platform().messageBox(m_window, menutexts::versionText(), QStringLiteral("バージョン情報"),
                                    Platform::Icon::None, Platform::Buttons::Ok);
}

void MenuController::pasteSample()
{
    m_window->henshumae();
    m_window->setAlbum(menutexts::sampleAlbum());
    m_window->setArtist(menutexts::sampleArtist());
    m_window->setTitles(menutexts::sampleTitles());
}

} // namespace velnora
