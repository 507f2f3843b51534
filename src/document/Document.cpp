#include "document/Document.h"

#include "messages/ProgramName.h"

namespace velnora
{

void loadLines(Document &doc, const QStringList &lines)
{
    static const QString crlf = QStringLiteral("\r\n");
    qsizetype total = doc.titles.size();
    for (const QString &line : lines)
        total += line.size() + 2;
    doc.titles.reserve(total);
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("0\t"))) {
            const QStringList fields = line.split(QLatin1Char('\t'));
            doc.album = fields.value(1);
            for (qsizetype i = 2; i < fields.size(); ++i)
                doc.artist = fields.at(i);
        }
        doc.titles += line;
        doc.titles += crlf;
    }
}

QString commandLinePath(const QString &commandLine)
{
    if (commandLine.startsWith(QLatin1Char('"')))
        return commandLine.mid(1, commandLine.size() - 2);
    return commandLine;
}

QString titleForFile(const QString &path)
{
    return programName() + QStringLiteral(" - ") + path;
}

} // namespace velnora
