#pragma once

#include <QString>

class QCollator;

namespace velnora
{

struct SortResult {
    QString text;
    bool sortFlag = true; // the direction of the next sort
};

// SortTitles on plain titles: trims every piece, leaves out one empty piece, sorts ascending when
// sortFlag is true and descending otherwise, ends every line with CR LF and inverts the flag.
// Titles that compare equal keep their order, so sorting twice the same way changes nothing.
SortResult sortTitles(const QString &text, bool sortFlag, const QCollator &collator);

// The collation of sorted lists: the user's locale, case-insensitive, no numeric ordering.
QCollator titleCollator();

} // namespace velnora
