#pragma once

#include "jacket/JacketTextStyle.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace velnora
{

// What the jacket is drawn on: millimetre units, origin at the top-left corner, y downwards, a
// pen position and a current font, as a classic drawing surface has them.
class JacketSurface
{
public:
    virtual ~JacketSurface() = default;

    double CurrentX = 0.0;
    double CurrentY = 0.0;
    QString FontName;
    double FontSize = 9.0; // points
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;

    // Sets the current font to the style, its size multiplied by the scale.
    void setTextStyle(const JacketTextStyle &style, double scale);
    // Fills with the background and puts the pen at (0, 0).
    void clear();
    // Draws the text with its line box's top-left corner at the pen, then moves the pen to the
    // start of the next line (x = 0, one line height down).
    void printLine(const QString &text);

    virtual void outlineRect(double x1, double y1, double x2, double y2) = 0;
    virtual void fillRect(double x1, double y1, double x2, double y2, const QColor &colour) = 0;

    // The current font as a QFont sized in points.
    QFont font() const;

protected:
    virtual void fillBackground() = 0;
    virtual void drawText(double x, double y, const QString &text) = 0;
    // The line height of the current font, in millimetres.
    virtual double lineHeight() const = 0;
};

} // namespace velnora
