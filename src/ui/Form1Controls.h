#pragma once

class QWidget;

namespace velnora
{

// The main window's controls, built from one table of names, captions, places in twips, fonts
// and colours. Every control carries its name as its objectName; the window finds them by it.
class Form1Controls
{
public:
    static void build(QWidget *client);
};

} // namespace velnora
