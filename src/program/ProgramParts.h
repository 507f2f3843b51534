#pragma once

#include "app/WindowParts.h"

namespace velnora
{

// The menus and the jacket window of the real program.
class ProgramParts : public WindowParts
{
public:
    void addMenus(MainWindow &window) override;
    QWidget *createJacketWindow(MainWindow &window) override;
};

// The one set of parts every main window of the program gets.
WindowParts &programParts();

} // namespace velnora
