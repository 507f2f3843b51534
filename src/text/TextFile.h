#pragma once

#include <QByteArray>
#include <QString>

namespace velnora
{

// The text of a file's bytes: valid UTF-8 that holds non-ASCII characters is read as UTF-8, and so
// is anything that starts with a UTF-8 BOM (bad sequences become U+FFFD); a UTF-16 BOM (either byte
// order) says UTF-16; everything else is cp932. The BOM is not part of the text.
QString decodeFileBytes(const QByteArray &bytes);

} // namespace velnora
