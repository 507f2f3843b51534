#include "app/DropController.h"

#include "app/MainWindow.h"

namespace velnora
{

DropController::DropController(MainWindow *window) : QObject(window), m_window(window) {}

} // namespace velnora
