#include "jacket/JacketSurface.h"

namespace velnora
{

void JacketSurface::clear()
{
    fillBackground();
    CurrentX = 0.0;
    CurrentY = 0.0;
}

void JacketSurface::setTextStyle(const JacketTextStyle &style, double scale)
{
    FontName = style.typeface;
    FontSize = style.fontSize * scale;
    FontBold = style.bold;
    FontItalic = style.italic;
    FontUnderline = style.underline;
}

void JacketSurface::printLine(const QString &text)
{
    drawText(CurrentX, CurrentY, text);
    CurrentX = 0.0;
    CurrentY += lineHeight();
}

QFont JacketSurface::font() const
{
    QFont f(FontName);
    if (FontSize > 0.0)
        f.setPointSizeF(FontSize);
    f.setBold(FontBold);
    f.setItalic(FontItalic);
    f.setUnderline(FontUnderline);
    return f;
}

} // namespace velnora
