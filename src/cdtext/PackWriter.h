#pragma once

#include "cdtext/CdTextBlock.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace velnora::cdtext
{

inline constexpr int PackSize = 18;
inline constexpr int PackTextSize = 12;
inline constexpr int SizePacks = 3;
inline constexpr quint8 TitlePack = 0x80;
inline constexpr quint8 PerformerPack = 0x81;
inline constexpr quint8 SizePack = 0x8F;

// CRC-16 of a pack's first 16 bytes as the pack stores it: polynomial 0x1021, start 0, inverted.
quint16 packCrc(QByteArrayView first16);

// The texts of one pack type back to back, disc first, each ended by its zero byte(s).
QByteArray titleStream(const CdTextBlock &block);
QByteArray performerStream(const CdTextBlock &block);

// Packs a block's texts take, without its three size packs.
int textPacks(const CdTextBlock &block);

// The binary CD-TEXT file: the 4-byte header and the packs of every block (block number = index),
// each block ended by its size packs. Every text in full, never the TAB shorthand.
// The caller keeps each block within 253 text packs and every block's titles the same length.
QByteArray cdTextFile(const QList<CdTextBlock> &blocks);

} // namespace velnora::cdtext
