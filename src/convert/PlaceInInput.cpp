#include "convert/PlaceInInput.h"

#include "edit/EditMarks.h"
#include "files/TextSave.h"

#include <algorithm>

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

qsizetype characters(const QString &text)
{
    return text.toUcs4().size();
}

} // namespace

PlaceInInput::PlaceInInput(const ConvertOptions &options, const QStringList &lines, UserLanguage language)
    : m_options(options), m_lines(lines), m_language(language)
{
    removeEditMarks(lines.join(CrLf), &m_sourceLines);
}

QString PlaceInInput::operator()(int field, const QString &fieldText, qsizetype position) const
{
    const std::optional<QString> &option = field == 1 ? m_options.album : m_options.artist;
    if (field != 3 && option)
        return messages::converter::inOption(
            m_language, field, field == 1 ? QStringLiteral("--album") : QStringLiteral("--artist"));
    if (field != 3)
        return nameInDiscLine(field, position);
    const int line = lineOfPosition(fieldText, position);
    const qsizetype lineStart = line == 1 ? 0 : fieldText.lastIndexOf(CrLf, position - 1) + 2;
    const qsizetype lineEnd = fieldText.indexOf(CrLf, position);
    const QString title = fieldText.mid(lineStart, lineEnd < 0 ? -1 : lineEnd - lineStart);
    const qsizetype index = m_sourceLines.isEmpty() ? line - 1 : m_sourceLines.value(line - 1, -1);
    const QString written = m_lines.value(index);
    // A title line's marker stands before the title in the file.
    const qsizetype marker = characters(written.left(std::max<qsizetype>(0, written.size() - title.size())));
    return messages::converter::inLine(m_language, 3, int(index + 1),
                                       marker + characters(title.left(position - lineStart)) + 1);
}

QString PlaceInInput::nameInDiscLine(int field, qsizetype position) const
{
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        const QString &line = m_lines.at(i);
        if (!line.startsWith(QLatin1String("0\t")))
            continue;
        const qsizetype start = field == 1 ? 2 : line.lastIndexOf(QLatin1Char('\t')) + 1;
        return messages::converter::inLine(m_language, field, int(i + 1),
                                           characters(line.mid(0, start + position)) + 1);
    }
    return messages::converter::inField(m_language, field);
}

} // namespace velnora
