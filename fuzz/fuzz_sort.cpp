// The sort on any title text in both directions.
#include "FuzzSupport.h"

#include "text/Lines.h"
#include "text/Trim.h"
#include "titles/SortTitles.h"

#include <QCollator>
#include <algorithm>

using namespace velnora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QCollator collator = titleCollator();
    if (size == 0)
        return 0;
    const bool ascending = data[0] & 1;
    const QString text = fuzz::fields(data + 1, size - 1, 1).constFirst();

    const SortResult sorted = sortTitles(text, ascending, collator);
    FUZZ_CHECK(sorted.sortFlag == !ascending, QString());
    FUZZ_CHECK(sorted.text.isEmpty() || sorted.text.endsWith(QStringLiteral("\r\n")),
               fuzz::visible(sorted.text));

    // The same titles, trimmed, with one empty piece left out.
    QStringList expected;
    for (const QString &piece : pieces(text))
        expected.append(trimBlanks(piece));
    expected.removeOne(QString());
    QStringList got = pieces(sorted.text);
    if (!got.isEmpty())
        got.removeLast();
    FUZZ_CHECK(got.size() == expected.size(), fuzz::visible(text));
    for (qsizetype i = 1; i < got.size(); ++i) {
        const int order = collator.compare(got.at(i - 1), got.at(i));
        FUZZ_CHECK(ascending ? order <= 0 : order >= 0, fuzz::visible(sorted.text));
    }
    QStringList a = got;
    QStringList b = expected;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    FUZZ_CHECK(a == b, fuzz::visible(text));

    // Sorting the result the same way again moves no title past one that orders differently.
    QStringList twice = pieces(sortTitles(sorted.text, ascending, collator).text);
    if (!twice.isEmpty())
        twice.removeLast();
    FUZZ_CHECK(twice.size() == got.size(), fuzz::visible(sorted.text));
    for (qsizetype i = 0; i < got.size(); ++i)
        FUZZ_CHECK(collator.compare(twice.at(i), got.at(i)) == 0, fuzz::visible(sorted.text));
    return 0;
}
