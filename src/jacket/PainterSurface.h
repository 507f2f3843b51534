#pragma once

#include "jacket/JacketSurface.h"

#include <QColor>
#include <QSizeF>

class QPainter;

namespace velnora
{

// A jacket surface over a painter whose unit is the device pixel: millimetres are mapped by the
// device's resolution, and fonts keep their point sizes because the painter itself is not scaled.
class PainterSurface : public JacketSurface
{
public:
    // area: the drawable size in painter units, for clearing.
    PainterSurface(QPainter &painter, double pixelsPerMm, const QSizeF &area, const QColor &background);

    void outlineRect(double x1, double y1, double x2, double y2) override;
    void fillRect(double x1, double y1, double x2, double y2, const QColor &colour) override;

protected:
    void fillBackground() override;
    void drawText(double x, double y, const QString &text) override;
    double lineHeight() const override;

private:
    QPainter &m_painter;
    double m_pixelsPerMm;
    QSizeF m_area;
    QColor m_background;
};

} // namespace velnora
