#pragma once

#include <QKeySequence>
#include <QObject>

class QUrl;
class QWidget;

namespace velnora
{

class MainWindow;

// The menu commands that are not file commands: always on top, exit, the edit menu, the web
// pages, the help file, the version box and the sample data.
class MenuController : public QObject
{
    Q_OBJECT

public:
    explicit MenuController(MainWindow *window);

    // Fileopen: hands a path or web address to the desktop; the outcome is not examined.
    void fileopen(const QUrl &openpath);

private:
    void connectAction(const QString &name, void (MenuController::*slot)());
    void toggleStayOnTop();
    void exitProgram();
    void sendUndo() { sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_Z)); }
    void sendCut() { sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_X)); }
    void sendCopy() { sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_C)); }
    void sendPaste() { sendEditKey(QKeySequence(Qt::CTRL | Qt::Key_V)); }
    void sendEditKey(const QKeySequence &keys);
    void deleteSelection();
    void selectAll();
    void insertDate();
    void openYahoo();
    void openAmazonJp();
    void openAmazonCom();
    void openHelpFile();
    void showVersion();
    void pasteSample();

    // The document box that has the focus, or null when the focus is anywhere else.
    QWidget *focusedDocumentBox() const;

    MainWindow *m_window;
};

} // namespace velnora
