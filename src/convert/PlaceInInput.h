#pragma once

#include "convert/ConvertOptions.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velnora
{

// The place of a rejected character in the file the user wrote. The session checks its own fields:
// a name from an option, a name from the file's disc line (the last one, as loading takes it), or
// the titles that "開く" made of IN, a layout's title lines with their markers removed.
class PlaceInInput
{
public:
    // lines: IN as read, one a line.
    PlaceInInput(const ConvertOptions &options, const QStringList &lines, UserLanguage language);

    // " (曲名 4行目 5文字目)" for a character at position of the session's field (1 album, 2 artist,
    // 3 titles) holding fieldText.
    QString operator()(int field, const QString &fieldText, qsizetype position) const;

private:
    QString nameInDiscLine(int field, qsizetype position) const;

    const ConvertOptions &m_options;
    const QStringList &m_lines;
    UserLanguage m_language;
    QList<qsizetype> m_sourceLines;
};

} // namespace velnora
