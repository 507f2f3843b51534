#pragma once

#include "document/Document.h"
#include "files/TextSave.h"
#include "jacket/JacketSettings.h"

#include <QByteArray>

namespace velnora
{

// The jacket as a one-page PDF: A4 portrait without margins, so that the sheet's corner is the
// jacket's origin as in the preview and the frame lies at its settings in true millimetres. Qt's
// PDF writer embeds the fonts.
QByteArray jacketPdf(const JacketSettings &settings, const Document &document);

// Renders the page into memory and writes it with the program's one atomic writer: a pipe or
// device at the path (also behind a link) is refused, and a failed write leaves the old file.
SaveOutcome saveJacketPdf(const QString &path, const JacketSettings &settings, const Document &document);

} // namespace velnora
