#pragma once

#include "cdtext/CdTextBlock.h"
#include "disc/DiscLength.h"
#include "disc/DiscRefusal.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace velnora::disc
{

// A disc made ready for its image: its tracks, the CD-TEXT and every reason it cannot be written.
struct DiscCheck {
    QList<DiscRefusal> refusals; // empty when the image can be written
    QList<DiscTrack> tracks;
    bool gaps = true;
    DiscLength length;
    QByteArray cdText;                 // the pack file as the cue sheet names it: packs only, no size header
    QList<cdtext::CdTextBlock> blocks; // the layout's blocks, "en" first when both are there
    bool ok() const { return refusals.isEmpty(); }
    bool overWarning() const { return length.overWarning(); }
};

// Checks a layout (as "編集" leaves it) and the probed file of each of its tracks, in track order.
// Every refusal is listed, not only the first.
DiscCheck checkDisc(const QString &layout, const QList<DiscTrack> &tracks, bool gaps);

// The CD-TEXT export as a cue sheet's CDTEXTFILE takes it: the packs alone, the 4-byte size header
// left out (libcdio's cue reader refuses it, cdrskin takes both).
QByteArray cueTextFile(const QByteArray &exportBytes);

} // namespace velnora::disc
