#include "titles/SortTitles.h"

#include "text/Lines.h"
#include "text/Trim.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <algorithm>

namespace velnora
{

SortResult sortTitles(const QString &text, bool sortFlag, const QCollator &collator)
{
    QStringList items;
    const QStringList parts = pieces(text);
    items.reserve(parts.size());
    for (const QString &piece : parts)
        items.append(trimBlanks(piece));

    // One empty item stands for the piece after a final line break; never a title.
    const qsizetype empty = items.indexOf(QString());
    if (empty >= 0)
        items.removeAt(empty);

    if (sortFlag) {
        std::stable_sort(items.begin(), items.end(),
                         [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    } else {
        std::stable_sort(items.begin(), items.end(),
                         [&](const QString &a, const QString &b) { return collator.compare(a, b) > 0; });
    }

    SortResult result;
    for (const QString &item : std::as_const(items))
        result.text += item + QStringLiteral("\r\n");
    result.sortFlag = !sortFlag;
    return result;
}

QCollator titleCollator()
{
    QCollator collator{QLocale::system()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    return collator;
}

} // namespace velnora
