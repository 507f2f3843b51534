#pragma once

#include <QtMath>

namespace velnora
{

// The program's one rule from twips to pixels, for both windows. 1440 twips to the inch; at 96 dpi
// that is 15 twips to the pixel. A control's place and size go to the nearest pixel.
inline int twipsToPixels(int twips, qreal dpi)
{
    return qRound(twips * dpi / 1440.0);
}
inline int pixelsToTwips(int pixels, qreal dpi)
{
    return qRound(pixels * 1440.0 / dpi);
}

// A window's outer size in twips: its client area plus a fixed allowance for the desktop's frame
// and caption, rather than whatever the window manager reports. The client size for an outer size
// is rounded up, so that the outer size read back never falls short of what was set: the windows'
// size rules compare it with their minimum.
struct OuterFrame {
    int width;  // twips
    int height; // twips

    int clientWidth(int outerWidth, qreal dpi) const { return qCeil((outerWidth - width) * dpi / 1440.0); }
    int clientHeight(int outerHeight, qreal dpi) const
    {
        return qCeil((outerHeight - height) * dpi / 1440.0);
    }
    int outerWidth(int clientWidth, qreal dpi) const { return pixelsToTwips(clientWidth, dpi) + width; }
    int outerHeight(int clientHeight, qreal dpi) const { return pixelsToTwips(clientHeight, dpi) + height; }
};

} // namespace velnora
