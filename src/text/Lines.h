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

// The one line-break rule of typed, pasted and dropped text: CR LF, a lone CR and a lone LF are
// each one break. withCrLf writes every break as CR LF (the document's form), withLineFeeds as LF
// (a text box's paragraphs).
QString withCrLf(const QString &text);
QString withLineFeeds(const QString &text);

// A position in CR LF text as a text box counts it, one position per line break.
qsizetype boxPosition(const QString &crLfText, qsizetype position);

} // namespace velnora
