#pragma once

#include "edit/EditType.h"

#include <QString>
#include <QStringList>

namespace velnora
{

// "\" to "￥", "'" to "’", the double quotation mark to "”", in this order.
QString replaceQuotes(const QString &text);

// An album or artist name as the disc lines take it: every CR LF removed, then trimmed.
QString keepName(const QString &field);

// The CD_TEXT layout of plain title lines. A title's number is its line number; an empty line
// writes nothing but uses its number up. Every line ends with CR LF.
QString cdTextLayout(EditType type, const QString &keepAlbum, const QString &keepArtist,
                     const QStringList &lines);

// The double-click conversions: trimmed half-width text for "en", trimmed full-width text with
// the quote replacements for "ja".
QString englishText(const QString &text);
QString japaneseText(const QString &text);

} // namespace velnora
