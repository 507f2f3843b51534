#pragma once

#include <QWidget>

namespace velnora
{

class MainWindow;

// The jacket settings window.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(MainWindow *mainWindow);

private:
    MainWindow *m_main;
};

} // namespace velnora
