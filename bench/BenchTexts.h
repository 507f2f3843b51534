#pragma once

#include <QString>
#include <QStringList>

namespace velnora::bench
{

// Titles as users type them: ASCII words, kana and kanji, a few blanks at the ends.
inline QStringList titleLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 1; i <= count; ++i) {
        if (i % 3 == 0)
            lines.append(QStringLiteral("第%1楽章　アレグロ").arg(i));
        else if (i % 3 == 1)
            lines.append(QStringLiteral(" Morning Song %1 ").arg(i));
        else
            lines.append(QStringLiteral("ﾊﾟﾝﾀﾞの歌 %1").arg(i));
    }
    return lines;
}

inline QString titleText(int count)
{
    return titleLines(count).join(QStringLiteral("\r\n"));
}

// Titles the "en" block accepts: ASCII and full-width Latin letters and digits, blanks at the ends.
inline QString englishTitleText(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 1; i <= count; ++i) {
        if (i % 2 == 0)
            lines.append(QStringLiteral("Ｓｏｎｇ　ｏｆ　Ｒａｉｎ　%1").arg(i));
        else
            lines.append(QStringLiteral(" Morning Song %1 ").arg(i));
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace velnora::bench
