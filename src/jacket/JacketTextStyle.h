#pragma once

#include <QString>

namespace velnora
{

// How one block of jacket text is set: the album/artist line and the title list each have one.
struct JacketTextStyle {
    QString typeface;
    int fontSize = 9; // points
    bool bold = true;
    bool italic = false;
    bool underline = false;
};

} // namespace velnora
