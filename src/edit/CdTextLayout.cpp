#include "edit/CdTextLayout.h"

#include "text/Trim.h"
#include "text/Width.h"

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");
const QChar Tab = QLatin1Char('\t');

void appendBlock(QString &out, const QString &tag, const QString &album, const QString &artist,
                 const QStringList &lines, QString (*convert)(const QString &))
{
    // Appended piece by piece into the reserved text: a chain of + would build a temporary per line.
    out += tag;
    out += CrLf;
    out += QLatin1Char('0');
    out += Tab;
    out += convert(album);
    out += Tab;
    out += convert(artist);
    out += CrLf;
    qsizetype number = 1;
    for (const QString &line : lines) {
        if (!line.isEmpty()) {
            out += QString::number(number);
            out += Tab;
            out += trimBlanks(convert(line));
            out += CrLf;
        }
        ++number;
    }
}

} // namespace

QString replaceQuotes(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QChar(0xFFE5));
    out.replace(QLatin1Char('\''), QChar(0x2019));
    out.replace(QLatin1Char('"'), QChar(0x201D));
    return out;
}

QString keepName(const QString &field)
{
    // Removes CR LF until none is left: one pass would join "\r\r\n\n" into a new CR LF and split the
    // disc line. Done as a stack in one sweep, so nested pairs cost no repeated passes.
    QString out;
    out.reserve(field.size());
    for (QChar c : field) {
        if (c == QLatin1Char('\n') && out.endsWith(QLatin1Char('\r')))
            out.chop(1);
        else
            out += c;
    }
    return trimBlanks(out);
}

QString cdTextLayout(EditType type, const QString &keepAlbum, const QString &keepArtist,
                     const QStringList &lines)
{
    QString out;
    qsizetype size = 64 + keepAlbum.size() * 2 + keepArtist.size() * 2;
    for (const QString &line : lines)
        size += 2 * (line.size() + 8);
    out.reserve(size);
    if (type == EditType::En || type == EditType::EnJa)
        appendBlock(out, QStringLiteral("en"), keepAlbum, keepArtist, lines, narrow);
    if (type == EditType::EnJa)
        out += CrLf;
    if (type == EditType::Ja || type == EditType::EnJa)
        appendBlock(out, QStringLiteral("ja"), keepAlbum, keepArtist, lines, widen);
    return out;
}

QString englishText(const QString &text)
{
    return trimBlanks(narrow(text));
}

QString japaneseText(const QString &text)
{
    return trimBlanks(widen(replaceQuotes(text)));
}

} // namespace velnora
