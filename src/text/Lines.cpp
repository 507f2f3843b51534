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
    QString crLf = withLineFeeds(text);
    crLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return crLf;
}

qsizetype boxPosition(const QString &crLfText, qsizetype position)
{
    return position - QStringView(crLfText).left(position).count(QStringLiteral("\r\n"));
}

} // namespace velnora
