#include "text/Trim.h"

namespace velnora
{

bool isBlank(QChar c)
{
    return c == QChar(0x20) || c == QChar(0x3000);
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return begin == 0 && end == text.size() ? text : text.mid(begin, end - begin);
}

} // namespace velnora
