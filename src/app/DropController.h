#pragma once

#include <QObject>

namespace velnora
{

class MainWindow;

// Files and text dropped on the three document boxes.
class DropController : public QObject
{
    Q_OBJECT

public:
    explicit DropController(MainWindow *window);

private:
    MainWindow *m_window;
};

} // namespace velnora
