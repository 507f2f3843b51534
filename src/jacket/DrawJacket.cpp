#include "jacket/DrawJacket.h"

#include "jacket/JacketSurface.h"
#include "text/Lines.h"
#include "text/Trim.h"

namespace velnora
{

namespace
{

QString oneLineName(QString name)
{
    // One pass would join "\r\r\n\n" into a new CR LF and break the line after all.
    while (name.contains(QStringLiteral("\r\n")))
        name.remove(QStringLiteral("\r\n"));
    return trimBlanks(name);
}

} // namespace

std::optional<QString> albumArtistLine(const QString &album, const QString &artist)
{
    if (album.isEmpty() && artist.isEmpty())
        return std::nullopt;
    return oneLineName(album) + QStringLiteral(" / ") + oneLineName(artist);
}

void DrawJacket(JacketSurface &surface, double scale, const JacketSettings &s, const Document &document)
{
    surface.outlineRect(s.frameLeft * scale, s.frameTop * scale, (s.frameLeft + s.frameWidth) * scale,
                        (s.frameTop + s.frameHeight) * scale);

    surface.setTextStyle(s.lineStyle, scale);
    surface.CurrentX = s.lineLeft * scale;
    surface.CurrentY = s.lineTop * scale;
    if (const auto line = albumArtistLine(document.album, document.artist))
        surface.printLine(*line);

    surface.setTextStyle(s.listStyle, scale);
    surface.CurrentX = s.listLeft * scale;
    surface.CurrentY = s.listTop * scale;
    for (const QString &piece : pieces(document.titles)) {
        surface.CurrentX = s.listLeft * scale;
        surface.printLine(piece);
    }
}

void RefreshPreview(JacketSurface &surface, int zoom, const JacketSettings &settings,
                    const Document &document)
{
    surface.clear();
    const double scale = zoom / 10.0;
    surface.fillRect(0.0, 0.0, jacket::SheetWidth * scale, jacket::SheetHeight * scale, Qt::white);
    DrawJacket(surface, scale, settings, document);
}

} // namespace velnora
