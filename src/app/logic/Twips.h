#pragma once

#include <QtMath>

namespace velnora
{

// 1440 twips to the inch; at 96 dpi that is 15 twips to the pixel.
inline int twipsToPixels(int twips, qreal dpi)
{
    return qRound(twips * dpi / 1440.0);
}
inline int pixelsToTwips(int pixels, qreal dpi)
{
    return qRound(pixels * 1440.0 / dpi);
}

} // namespace velnora
