#include "menu/MenuController.h"

#include "app/MainWindow.h"

namespace velnora
{

MenuController::MenuController(MainWindow *window) : QObject(window), m_window(window) {}

} // namespace velnora
