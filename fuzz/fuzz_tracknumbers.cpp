// The track-number tools on any title text, separator, counter and numbering mode.
#include "FuzzSupport.h"

#include "text/Lines.h"
#include "text/Trim.h"
#include "titles/TrackNumbers.h"

using namespace velnora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const NumberingMode mode = data[0] & 1 ? NumberingMode::VariableNumbers : NumberingMode::FixedNumbers;
    const int counter = (data[0] >> 1) % 10;
    const QStringList f = fuzz::fields(data + 1, size - 1, 2);
    const QString &separator = f.at(0);
    const QStringList lines = readLines(f.at(1));

    QStringList titles;
    bool blankLine = false;
    for (const QString &line : lines) {
        const QString t = trimBlanks(line);
        blankLine = blankLine || t.isEmpty();
        if (!t.isEmpty())
            titles.append(t);
    }
    const QString plain =
        titles.isEmpty() ? QString() : titles.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");

    // Counter 0 only trims and drops blank lines.
    if (mode == NumberingMode::FixedNumbers)
        FUZZ_CHECK(deleteTrackNumbers(lines, 0, mode) == plain, fuzz::visible(f.at(1)));

    const QString deleted = deleteTrackNumbers(lines, counter, mode);
    const QStringList deletedPieces = pieces(deleted);
    FUZZ_CHECK(deleted.isEmpty() || deleted.endsWith(QStringLiteral("\r\n")), fuzz::visible(deleted));
    FUZZ_CHECK(deletedPieces.size() == (titles.isEmpty() ? 0 : titles.size() + 1), fuzz::visible(deleted));
    for (const QString &piece : deletedPieces)
        FUZZ_CHECK(piece == trimBlanks(piece), fuzz::visible(deleted));

    const AttachResult attached = attachTrackNumbers(lines, separator, mode);
    FUZZ_CHECK(attached.counter == (mode == NumberingMode::FixedNumbers ? 3 : 2), QString());
    if (!separator.contains(QLatin1Char('\r')))
        FUZZ_CHECK(pieces(attached.text).size() == (titles.isEmpty() ? 0 : titles.size() + 1),
                   fuzz::visible(attached.text));

    // With a one-character separator and no blank lines, "削除" with the counter "添付" left takes
    // the numbers off again.
    if (separator.size() == 1 && separator != QLatin1String("\r") && !blankLine) {
        const QString again = deleteTrackNumbers(readLines(attached.text), attached.counter, mode);
        FUZZ_CHECK(again == plain,
                   fuzz::visible(attached.text) + QStringLiteral(" -> ") + fuzz::visible(again));
    }
    return 0;
}
