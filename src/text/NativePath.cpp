#include "text/NativePath.h"

namespace velnora
{

namespace
{

constexpr char16_t EscapeBase = 0xDC00;

bool isEscape(QChar c)
{
    return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at bytes[i], or 0 when there is none (overlong forms,
// encoded surrogates and code points above U+10FFFF are not well-formed).
int sequenceLength(const QByteArray &bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes.at(k)); };
    const unsigned char b0 = at(i);
    const qsizetype left = bytes.size() - i;
    if (b0 < 0x80)
        return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        return left >= 2 && isContinuation(at(i + 1)) ? 2 : 0;
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (left < 3 || !isContinuation(at(i + 1)) || !isContinuation(at(i + 2)))
            return 0;
        if ((b0 == 0xE0 && at(i + 1) < 0xA0) || (b0 == 0xED && at(i + 1) >= 0xA0))
            return 0;
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (left < 4 || !isContinuation(at(i + 1)) || !isContinuation(at(i + 2)) ||
            !isContinuation(at(i + 3)))
            return 0;
        if ((b0 == 0xF0 && at(i + 1) < 0x90) || (b0 == 0xF4 && at(i + 1) >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

} // namespace

QByteArray toNativePath(const QString &path)
{
    QByteArray bytes;
    bytes.reserve(path.size() * 3);
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !isEscape(path.at(i)))
            continue;
        bytes += QStringView(path).mid(from, i - from).toUtf8();
        if (i < path.size())
            bytes += static_cast<char>(path.at(i).unicode() - EscapeBase);
        from = i + 1;
    }
    return bytes;
}

QString fromNativePath(const QByteArray &bytes)
{
    QString path;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int n = sequenceLength(bytes, i);
        if (n == 0) {
            path += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes.at(i))));
            ++i;
            continue;
        }
        path += QString::fromUtf8(bytes.constData() + i, n);
        i += n;
    }
    return path;
}

QString displayPath(const QString &path)
{
    QString shown = path;
    for (QChar &c : shown) {
        if (isEscape(c))
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace velnora
