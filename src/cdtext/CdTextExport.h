#pragma once

#include "cdtext/LayoutBlocks.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velnora::cdtext
{

// What one block of an export takes of its room.
struct BlockUse {
    QString tag;
    int textPacks = 0; // without the three size packs; at most 253
};

// A layout as the binary CD-TEXT file, or the reason it cannot be one. Writes no file: the caller
// writes bytes with its atomic writer, or shows the message lines.
struct CdTextExport {
    Refusal refusal = Refusal::None;
    QByteArray bytes;    // the whole file, header included; empty when refused
    QList<BlockUse> use; // every block, also when one is over its limit
    int tracks = 0;
    QStringList message; // what the user reads when refused, one entry a line
    // Characters some readers cannot show, one entry a line; the bytes are written all the same.
    // Also told when over capacity, since "編集" warns of both.
    QStringList warning;
    bool ok() const { return refusal == Refusal::None; }
};

CdTextExport exportCdText(const QString &layout);

// The use lines of a successful export ("en: 41 / 253 パック"), one a block.
QStringList useLines(const CdTextExport &result);

} // namespace velnora::cdtext
