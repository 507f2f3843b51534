#include "titles/TrackNumbers.h"

#include "text/Trim.h"

namespace velnora
{

namespace
{

const QString LineBreak = QStringLiteral("\r\n");

int digits(int n)
{
    int count = 1;
    while (n >= 10) {
        n /= 10;
        ++count;
    }
    return count;
}

} // namespace

int counterStart(NumberingMode mode)
{
    return mode == NumberingMode::FixedNumbers ? 0 : 2;
}

QString counterLabel(int counter, NumberingMode mode)
{
    if (mode == NumberingMode::FixedNumbers)
        return QString::number(counter);
    return QStringLiteral("%1-%2").arg(counter).arg(counter + 1);
}

int cutLength(int counter, NumberingMode mode, int lineNumber)
{
    if (mode == NumberingMode::FixedNumbers) {
        // 01 to 99 are two digits wide; a counter of 0 means "cut nothing" on every line.
        if (counter == 0)
            return 0;
        return counter + qMax(0, digits(lineNumber) - 2);
    }
    return counter + digits(lineNumber) - 1;
}

QString deleteTrackNumbers(const QStringList &lines, int counter, NumberingMode mode)
{
    QString result;
    int n = 1;
    for (const QString &line : lines) {
        const QString trimmed = trimBlanks(line);
        if (!trimmed.isEmpty()) {
            const int cut = cutLength(counter, mode, n);
            result += trimBlanks(trimmed.mid(qMin<qsizetype>(cut, trimmed.size())));
            result += LineBreak;
        }
        ++n;
    }
    return result;
}

AttachResult attachTrackNumbers(const QStringList &lines, const QString &separator, NumberingMode mode)
{
    AttachResult result;
    int n = 1;
    for (const QString &line : lines) {
        const QString trimmed = trimBlanks(line);
        if (!trimmed.isEmpty()) {
            if (mode == NumberingMode::FixedNumbers && n <= 9)
                result.text += QLatin1Char('0');
            result.text += QString::number(n) + separator + trimmed + LineBreak;
        }
        ++n;
    }
    result.counter = mode == NumberingMode::FixedNumbers ? 3 : 2;
    return result;
}

TrackToolEnables trackToolEnables(bool switchOn, TrackToolMode mode)
{
    TrackToolEnables e;
    e.options = switchOn;
    const bool deleting = mode == TrackToolMode::DeleteByLength;
    e.counter = switchOn && deleting;
    e.deleting = switchOn && deleting;
    e.separator = switchOn && !deleting;
    e.attaching = switchOn && !deleting;
    return e;
}

} // namespace velnora
