#pragma once

#include <QByteArray>
#include <QString>

namespace velnora
{

// The text of a tag field that says it is Latin-1. Japanese players wrote Shift-JIS into such
// fields for years, so bytes that are valid cp932 and hold at least one double-byte character are
// read as cp932, unless they read as Latin-1 words with accented letters; everything else is
// Latin-1 as the field says. The bytes end at the first NUL.
QString latin1OrCp932(const QByteArray &bytes);

} // namespace velnora
