#pragma once

#include <QString>

namespace velnora
{

// Full-width to half-width: FF01-FF5E to ASCII, U+3000 to U+0020, katakana and Japanese punctuation
// to U+FF61-FF9F (voiced kana become base + mark); also ￥ ’ ” to \ ' " so the "en" block is ASCII.
QString narrow(const QString &text);

// Half-width to full-width by the same pairs; kana + ﾞ/ﾟ becomes one voiced kana where cp932 has it.
QString widen(const QString &text);

} // namespace velnora
