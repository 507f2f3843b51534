#include "app/FileController.h"

#include "app/MainWindow.h"

namespace velnora
{

FileController::FileController(MainWindow *window) : QObject(window), m_window(window) {}

} // namespace velnora
