#include "program/ProgramParts.h"

#include "app/MainWindow.h"
#include "jacket/Form2.h"
#include "menu/MenuController.h"

namespace velnora
{

void ProgramParts::addMenus(MainWindow &window)
{
    auto *menu = new MenuController(&window, window.session(), window.platform());
    QObject::connect(menu, &MenuController::jacketRequested, &window, &MainWindow::openJacketWindow);
}

QWidget *ProgramParts::createJacketWindow(MainWindow &window)
{
    auto *jacket = new Form2(window.session().document(), window.platform());
    QObject::connect(jacket, &Form2::closed, &window, &MainWindow::jacketWindowClosed);
    return jacket;
}

WindowParts &programParts()
{
    static ProgramParts parts;
    return parts;
}

} // namespace velnora
