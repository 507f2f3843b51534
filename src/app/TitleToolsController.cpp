#include "app/TitleToolsController.h"

#include "app/MainWindow.h"

namespace velnora
{

TitleToolsController::TitleToolsController(MainWindow *window) : QObject(window), m_window(window) {}

void TitleToolsController::applyTrackToolSwitch()
{
    m_window->henshumae();
}

} // namespace velnora
