#pragma once

#include <QObject>

namespace velnora
{

class MainWindow;

// The title tools: the line-number column, the move buttons, the track-number group and the sort.
class TitleToolsController : public QObject
{
    Q_OBJECT

public:
    explicit TitleToolsController(MainWindow *window);

    // Puts the track-number group into the start configuration of Check1's state.
    void applyTrackToolSwitch();

private:
    MainWindow *m_window;
};

} // namespace velnora
