#pragma once

#include "cdtext/CdTextBlock.h"
#include "disc/DiscLength.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace velnora::disc
{

// The block whose texts the sheet's TITLE and PERFORMER lines carry: "en" when there is one, else none.
const cdtext::CdTextBlock *cueTextBlock(const QList<cdtext::CdTextBlock> &blocks);

// The cue sheet of an image: the pack file and the one binary file named as given (file names alone,
// beside the sheet), a TRACK nn AUDIO for each track with INDEX 00 where a gap comes before it and
// INDEX 01 where its audio starts. text may be null: then no TITLE or PERFORMER line.
QByteArray cueSheet(const QString &cdtName, const QString &binName, const DiscLength &length,
                    const cdtext::CdTextBlock *text);

} // namespace velnora::disc
