#pragma once

#include <QString>
#include <QStringList>

namespace velnora
{

// The title box's text cut at every exact CR LF; k breaks give k + 1 pieces, an empty text none.
QStringList pieces(const QString &text);

// Lines of a text file: a line ends at CR LF or a lone CR, a lone LF stays in the line,
// a last line without an end is read, an empty text gives no lines.
QStringList readLines(const QString &text);

} // namespace velnora
