#pragma once

#include <QObject>

namespace velnora
{

class MainWindow;

// The edit commands: "編集", "取消" and the double clicks on the edit-type options.
class EditController : public QObject
{
    Q_OBJECT

public:
    explicit EditController(MainWindow *window);

private:
    MainWindow *m_window;
};

} // namespace velnora
