#include "edit/EditMarks.h"

#include "text/Width.h"

#include <QStringList>

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

// Larger numbers are taken for text: a gap up to such a number comes back as that many empty
// lines, and a damaged file must not make millions of them.
constexpr qint64 LargestTrackNumber = 99999;

// The track number of a title line ("12", TAB, title), or 0 when the line does not start with
// a number from 1 up in the form the edit command writes (no sign, no leading zero).
qint64 markerNumber(const QString &line, qsizetype &markerLength)
{
    qint64 number = 0;
    qsizetype i = 0;
    while (i < line.size() && line.at(i) >= QLatin1Char('0') && line.at(i) <= QLatin1Char('9')) {
        if (i == 0 && line.at(i) == QLatin1Char('0'))
            return 0;
        number = number * 10 + (line.at(i).unicode() - '0');
        if (number > LargestTrackNumber)
            return 0;
        ++i;
    }
    if (i == 0 || i >= line.size() || line.at(i) != QLatin1Char('\t'))
        return 0;
    markerLength = i + 1;
    return number;
}

} // namespace

QString removeEditMarks(const QString &text, QList<qsizetype> *sourceLines)
{
    if (sourceLines)
        sourceLines->clear();
    const QString s = narrow(text);
    if (!s.startsWith(QStringLiteral("en\r\n")) && !s.startsWith(QStringLiteral("ja\r\n")))
        return text;

    const QStringList lines = s.split(CrLf);
    // The "ja" block of an "en + ja" layout starts with an empty line and the tag line; a title
    // ending in "ja" is never taken for it, since title lines start with their number.
    qsizetype end = lines.size();
    bool jaBlock = false;
    for (qsizetype j = 1; j + 1 < lines.size(); ++j) {
        if (lines.at(j).isEmpty() && lines.at(j + 1) == QLatin1String("ja")) {
            end = j;
            jaBlock = true;
            break;
        }
    }

    // Title lines are recognised at line starts only, each number above the one before, so a
    // disc line whose album ends in digits holds no marker. Gaps in the numbering, also those
    // before the first title, come back as empty lines, so that every title keeps its number
    // when the titles are edited again.
    QStringList out;
    qint64 last = 0; // 0 until the first title line
    for (qsizetype j = 1; j < end; ++j) {
        const QString &line = lines.at(j);
        qsizetype markerLength = 0;
        const qint64 number = markerNumber(line, markerLength);
        if (number > last) {
            while (out.size() < number - 1) {
                out.append(QString());
                if (sourceLines)
                    sourceLines->append(-1);
            }
            const QString title = line.mid(markerLength);
            // A track with an empty title stays a line of its own instead of becoming a gap.
            out.append(title.isEmpty() ? QStringLiteral(" ") : title);
            last = number;
        } else if (last != 0) {
            out.append(line);
        } else {
            continue;
        }
        if (sourceLines)
            sourceLines->append(j);
    }
    if (last == 0) {
        if (sourceLines)
            sourceLines->clear();
        return s;
    }
    QString result = out.join(CrLf);
    if (jaBlock)
        result += CrLf;
    return result;
}

std::optional<EditType> layoutEditType(const QString &text)
{
    const QString s = narrow(text);
    if (removeEditMarks(text) == s)
        return std::nullopt;
    if (s.startsWith(QStringLiteral("ja\r\n")))
        return EditType::Ja;
    // The same line pair that removeEditMarks takes for the start of the "ja" block.
    return s.contains(QStringLiteral("\r\n\r\nja\r\n")) ? EditType::EnJa : EditType::En;
}

} // namespace velnora
