#pragma once

#include <QByteArray>
#include <QString>

namespace velnora
{

// The text of a file's bytes: valid UTF-8 that holds non-ASCII characters (or starts with a BOM)
// is read as UTF-8, everything else as cp932. The BOM is not part of the text.
QString decodeFileBytes(const QByteArray &bytes);

} // namespace velnora
