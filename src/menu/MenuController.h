#pragma once

#include <QObject>

namespace velnora
{

class MainWindow;

// The menu commands that are not file commands.
class MenuController : public QObject
{
    Q_OBJECT

public:
    explicit MenuController(MainWindow *window);

private:
    MainWindow *m_window;
};

} // namespace velnora
