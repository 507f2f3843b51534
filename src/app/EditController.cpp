#include "app/EditController.h"

#include "app/MainWindow.h"

namespace velnora
{

EditController::EditController(MainWindow *window) : QObject(window), m_window(window) {}

} // namespace velnora
