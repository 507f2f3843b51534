#pragma once

#include "cdtext/CdTextBlock.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velnora::cdtext
{

// Why a layout cannot become CD-TEXT.
enum class Refusal { None, NotALayout, Unwritable, TooManyTracks, OverCapacity };

// A character a block cannot hold, on its 1-based line of the layout.
struct UnwritableCharacter {
    enum class Reason { NotInLatin1, NotInCp932, SingleByteInJa };
    Reason reason;
    int line;
    QString character; // two UTF-16 units for a surrogate pair
};

struct LayoutBlocks {
    Refusal refusal = Refusal::None;
    QList<CdTextBlock> blocks;             // "en" first when both are there
    int tracks = 0;                        // the highest track number of any block
    int badLine = 0;                       // for NotALayout; 0 when no line holds a title
    QList<UnwritableCharacter> unwritable; // for Unwritable, in line order
};

// The blocks of a CD_TEXT layout (lines ended by CR LF, as "編集" leaves it in the title box):
// "en" becomes ISO-8859-1 in English, "ja" cp932 double-byte in Japanese. Every block gets every track
// from 1 to the highest number of any block; a number without a line is an empty title.
// A character a block cannot hold refuses the layout; nothing is replaced.
LayoutBlocks layoutBlocks(const QString &layout);

} // namespace velnora::cdtext
