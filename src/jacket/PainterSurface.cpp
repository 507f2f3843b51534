#include "jacket/PainterSurface.h"

#include <QFontMetricsF>
#include <QPainter>

namespace velnora
{

PainterSurface::PainterSurface(QPainter &painter, double pixelsPerMm, const QSizeF &area,
                               const QColor &background)
    : m_painter(painter), m_pixelsPerMm(pixelsPerMm), m_area(area), m_background(background)
{
    FontName = painter.font().family();
}

void PainterSurface::outlineRect(double x1, double y1, double x2, double y2)
{
    const double k = m_pixelsPerMm;
    // A cosmetic pen is one pixel of whatever device draws it, the printer's as the screen's.
    m_painter.setPen(QPen(Qt::black, 0));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k)).normalized());
}

void PainterSurface::fillRect(double x1, double y1, double x2, double y2, const QColor &colour)
{
    const double k = m_pixelsPerMm;
    m_painter.fillRect(QRectF(QPointF(x1 * k, y1 * k), QPointF(x2 * k, y2 * k)).normalized(), colour);
}

void PainterSurface::fillBackground()
{
    if (m_background.isValid())
        m_painter.fillRect(QRectF(QPointF(0, 0), m_area), m_background);
}

void PainterSurface::drawText(double x, double y, const QString &text)
{
    m_painter.setFont(font());
    m_painter.setPen(QPen(Qt::black, 1));
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    m_painter.drawText(QPointF(x * m_pixelsPerMm, y * m_pixelsPerMm + metrics.ascent()), text);
}

double PainterSurface::lineHeight() const
{
    // Ascent plus descent, without the leading: the line box the text is placed by.
    const QFontMetricsF metrics(font(), m_painter.device());
    return metrics.height() / m_pixelsPerMm;
}

} // namespace velnora
