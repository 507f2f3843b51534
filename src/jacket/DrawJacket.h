#pragma once

#include "document/Document.h"
#include "jacket/JacketSettings.h"

#include <optional>

namespace velnora
{

class JacketSurface;

// The album/artist line: each name without its CR LF pairs and trimmed, joined by " / ". Nothing
// when both fields are empty as typed (a field of blanks counts as not empty).
std::optional<QString> albumArtistLine(const QString &album, const QString &artist);

// Draws the cut frame, the album/artist line and the titles at the scale (1.0 = true millimetres).
void DrawJacket(JacketSurface &surface, double scale, const JacketSettings &settings,
                const Document &document);

// The preview: the background, the white A4 sheet at zoom / 10, and the jacket over it.
void RefreshPreview(JacketSurface &surface, int zoom, const JacketSettings &settings,
                    const Document &document);

} // namespace velnora
