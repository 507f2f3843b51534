#pragma once

#include <QKeySequence>
#include <QObject>

class QAction;
class QMainWindow;
class QUrl;
class QWidget;

namespace velnora
{

class Platform;
class Session;

// The menu bar: builds the four menus and runs their commands, the document ones through the
// session, the rest (always on top, the edit keys, the web pages, help, version) here.
class MenuController : public QObject
{
    Q_OBJECT

public:
    MenuController(QMainWindow *window, Session &session, Platform &platform);

    // Fileopen: hands a path or web address to the desktop; the outcome is not examined.
    void fileopen(const QUrl &openpath);

signals:
    void jacketRequested(); // "CDジャケット印刷..."
    void discRequested();   // "ディスクの作成..."

private:
    void buildMenus();
    QAction *action(const QString &name) const;
    void showSaveCommands();
    void toggleStayOnTop();
    void sendEditKey(const QKeySequence &keys);
    void deleteSelection();
    void selectAll();
    void insertDate();
    void openHelpFile();
    void showVersion();

    // The document box that has the focus, or null when the focus is anywhere else.
    QWidget *focusedDocumentBox() const;

    QMainWindow *m_window;
    Session &m_session;
    Platform &m_platform;
};

} // namespace velnora
