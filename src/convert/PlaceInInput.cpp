#include "convert/PlaceInInput.h"

#include "edit/EditMarks.h"
#include "files/TextSave.h"

#include <algorithm>

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

QString fieldName(int field, UserLanguage language)
{
    switch (field) {
    case 1:
        return inLanguage(language, QStringLiteral("album"), QStringLiteral("アルバム名"));
    case 2:
        return inLanguage(language, QStringLiteral("artist"), QStringLiteral("アーティスト名"));
    default:
        return inLanguage(language, QStringLiteral("title"), QStringLiteral("曲名"));
    }
}

qsizetype characters(const QString &text)
{
    return text.toUcs4().size();
}

// " (曲名 2行目 3文字目)": where a rejected character stands, as a person counts.
QString place(int field, int line, qsizetype column, UserLanguage language)
{
    return inLanguage(language, QStringLiteral(" (%1, line %2, character %3)"),
                      QStringLiteral(" (%1 %2行目 %3文字目)"))
        .arg(fieldName(field, language))
        .arg(line)
        .arg(column);
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
        return inLanguage(m_language, QStringLiteral(" (%1, %2)"), QStringLiteral(" (%1 %2)"))
            .arg(fieldName(field, m_language),
                 field == 1 ? QStringLiteral("--album") : QStringLiteral("--artist"));
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
    return place(3, int(index + 1), marker + characters(title.left(position - lineStart)) + 1, m_language);
}

QString PlaceInInput::nameInDiscLine(int field, qsizetype position) const
{
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
        const QString &line = m_lines.at(i);
        if (!line.startsWith(QLatin1String("0\t")))
            continue;
        const qsizetype start = field == 1 ? 2 : line.lastIndexOf(QLatin1Char('\t')) + 1;
        return place(field, int(i + 1), characters(line.mid(0, start + position)) + 1, m_language);
    }
    return QStringLiteral(" (%1)").arg(fieldName(field, m_language));
}

} // namespace velnora
