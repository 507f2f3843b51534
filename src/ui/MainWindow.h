#pragma once

#include "session/Session.h"

#include <QMainWindow>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace velnora
{

class Platform;
class TitleBox;

// Form1: a view of the session. It builds its controls from a table, shows the session's state,
// hands every command to the session, and arranges the controls by the layout rule.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up: the session's steps with the window's size (step 8) among them. False when another
    // instance runs: the caller ends the process.
    bool startUp();

    Session &session() { return m_session; }
    Platform &platform() { return m_platform; }

    void setOuterSizeTwips(int width, int height);
    int outerWidthTwips() const;
    int outerHeightTwips() const;
    void applyLayoutRule();

    // The jacket window while it is open.
    QWidget *jacketWindow() const { return m_jacketWindow; }
    void openJacketWindow();
    void jacketWindowClosed(); // also when the disc window closes: enables this one again
    // The disc window while it is open; this one is disabled meanwhile, as for the jacket window.
    QWidget *discWindow() const { return m_discWindow; }
    void openDiscWindow();
    // The exit button: closes the jacket window and this one.
    void exitProgram();
    int px(int twips) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template <typename T> T *control(const QString &name) const;
    void bindDocument();
    void bindCommands();
    void setTabOrder();
    void showState();
    void showRejected(int field, qsizetype start, qsizetype length);
    bool exitButtonReleased(QEvent *event);

    Platform &m_platform;
    Session m_session;
    bool m_inLayout = false;
    bool m_typing = false;        // the title box is telling the session its text
    bool m_showingTitles = false; // the session's text is being put into the title box
    QLineEdit *m_albumBox = nullptr;
    QLineEdit *m_artistBox = nullptr;
    TitleBox *m_titleBox = nullptr;
    QPushButton *m_exitButton = nullptr;
    QLabel *m_label1[4] = {};
    QPointer<QWidget> m_jacketWindow;
    QPointer<QWidget> m_discWindow;
};

} // namespace velnora
