#pragma once

#include <QString>

namespace velnora
{

// The fixed addresses of the menu's web pages; the menu's texts are in the catalogue.
namespace menutexts
{

// The store addresses end in a fixed visit identifier (three digits, seven digits, seven digits).
inline constexpr char16_t YahooMusicHost[] = u"music.yahoo.co.jp";
inline constexpr char16_t AmazonJpHost[] = u"www.amazon.co.jp";
inline constexpr char16_t AmazonComHost[] = u"www.amazon.com";
inline constexpr char16_t AmazonJpVisit[] = u"250-0000000-0000000";
inline constexpr char16_t AmazonComVisit[] = u"002-0000000-0000000";

QString yahooMusicAddress();
QString amazonJpMusicAddress();
QString amazonComMusicAddress();

} // namespace menutexts
} // namespace velnora
