#pragma once

#include <QString>

namespace velnora
{

// A Japanese user sees U+0020 and U+3000 alike as blanks, so both go at the ends of a whole text.
bool isBlank(QChar c);
QString trimBlanks(const QString &text);

} // namespace velnora
