#pragma once

class QWidget;

namespace velnora
{

class MainWindow;

// What the program adds to its main window: the menu bar and the jacket window. They live in folders
// that use the window's session, so the window knows them only through this and includes neither.
class WindowParts
{
public:
    virtual ~WindowParts() = default;
    virtual void addMenus(MainWindow &window) = 0;
    // A new jacket window on the window's document; it calls MainWindow::jacketWindowClosed when closed.
    virtual QWidget *createJacketWindow(MainWindow &window) = 0;
};

} // namespace velnora
