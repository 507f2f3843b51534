#pragma once

#include <QObject>

namespace velnora
{

class MainWindow;

// The file commands: "新規", "開く", the saves, "クリア" and "終了".
class FileController : public QObject
{
    Q_OBJECT

public:
    explicit FileController(MainWindow *window);

private:
    MainWindow *m_window;
};

} // namespace velnora
