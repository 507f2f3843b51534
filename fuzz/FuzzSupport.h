#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace velnora::fuzz
{

// A broken property is a finding like a crash: report it and abort so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "PROPERTY BROKEN: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

#define FUZZ_CHECK(condition, detail)                                                                        \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::velnora::fuzz::fail(#condition, (detail));                                                     \
    } while (false)

// Shows control characters so a failing text can be read in the report.
inline QString visible(const QString &text)
{
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// The input cut into text fields at NUL bytes, each read as UTF-8; missing fields are empty.
inline QStringList fields(const uint8_t *data, size_t size, int count)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QStringList out;
    qsizetype start = 0;
    for (int i = 0; i < count; ++i) {
        if (start > bytes.size()) {
            out.append(QString());
            continue;
        }
        qsizetype end = i + 1 < count ? bytes.indexOf('\0', start) : bytes.size();
        if (end < 0)
            end = bytes.size();
        out.append(QString::fromUtf8(bytes.mid(start, end - start)));
        start = end + 1;
    }
    return out;
}

} // namespace velnora::fuzz
