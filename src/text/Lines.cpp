#include "text/Lines.h"

namespace velnora
{

QStringList pieces(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.split(QStringLiteral("\r\n"));
}

QStringList readLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString withLineFeeds(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return plain;
}

QString withCrLf(const QString &text)
{
    // Most text is already CR LF throughout (the title box's own, on every keystroke): one pass finds
    // a lone CR or LF, and only then is the text rewritten.
    const qsizetype n = text.size();
    bool lone = false;
    for (qsizetype i = 0; i < n && !lone; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r'))
            lone = i + 1 >= n || text.at(i + 1) != QLatin1Char('\n');
        else if (c == QLatin1Char('\n'))
            lone = i == 0 || text.at(i - 1) != QLatin1Char('\r');
    }
    if (!lone)
        return text;
    QString crLf = withLineFeeds(text);
    crLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return crLf;
}

qsizetype boxPosition(const QString &crLfText, qsizetype position)
{
    return position - QStringView(crLfText).left(position).count(QStringLiteral("\r\n"));
}

} // namespace velnora
