#pragma once

namespace velnora::cdtext
{

// The limits the CD-TEXT export tells the user of; its words are in messages/CdTextMessages.h.
namespace texts
{

inline constexpr int MaxTextPacks = 253;
inline constexpr int MaxTracks = 99;
// libcdio refuses the whole CD-TEXT of a disc when one text is longer (its reader holds 253 bytes of a
// single-byte text and 252 of a double-byte one): a player built on it would show no text at all.
inline constexpr int MaxTextBytes = 252;

} // namespace texts
} // namespace velnora::cdtext
