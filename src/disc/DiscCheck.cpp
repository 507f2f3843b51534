#include "disc/DiscCheck.h"

#include "cdtext/CdTextExport.h"
#include "cdtext/LayoutBlocks.h"

namespace velnora::disc
{

namespace
{

constexpr qsizetype SizeHeader = 4;

DiscRefusal refusal(DiscRefusal::Kind kind)
{
    DiscRefusal r;
    r.kind = kind;
    return r;
}

} // namespace

QByteArray cueTextFile(const QByteArray &exportBytes)
{
    return exportBytes.mid(SizeHeader);
}

DiscCheck checkDisc(const QString &layout, const QList<DiscTrack> &tracks, bool gaps)
{
    DiscCheck check;
    check.tracks = tracks;
    check.gaps = gaps;
    check.length = discLength(tracks, gaps);

    const cdtext::CdTextExport exported = cdtext::exportCdText(layout);
    // Any other text that is not a layout gets the export's own words, which name the line.
    if (layout.trimmed().isEmpty()) {
        check.refusals.append(refusal(DiscRefusal::Kind::NoLayout));
    } else if (!exported.ok()) {
        const bool overCapacity = exported.refusal == cdtext::Refusal::OverCapacity ||
                                  exported.refusal == cdtext::Refusal::TooManyTracks;
        DiscRefusal r =
            refusal(overCapacity ? DiscRefusal::Kind::CdTextOverCapacity : DiscRefusal::Kind::CdTextRefused);
        r.lines = exported.message;
        check.refusals.append(r);
    } else {
        check.cdText = cueTextFile(exported.bytes);
        check.blocks = cdtext::layoutBlocks(layout).blocks;
    }
    if (exported.tracks > 0 && exported.tracks != tracks.size()) {
        DiscRefusal r = refusal(DiscRefusal::Kind::TrackCount);
        r.files = static_cast<int>(tracks.size());
        r.tracks = exported.tracks;
        check.refusals.append(r);
    }
    for (qsizetype i = 0; i < tracks.size(); ++i) {
        const DiscTrack &track = tracks.at(i);
        DiscRefusal r;
        r.track = static_cast<int>(i + 1);
        r.path = track.path;
        if (!track.audio.ok()) {
            r.kind = DiscRefusal::Kind::Undecodable;
            r.audio = track.audio;
            check.refusals.append(r);
        } else if (track.samples() < MinTrackFrames * audio::SamplesPerFrame) {
            r.kind = DiscRefusal::Kind::TooShort;
            r.frames = track.frames();
            check.refusals.append(r);
        }
    }
    if (check.length.overLimit()) {
        DiscRefusal r = refusal(DiscRefusal::Kind::OverLimit);
        r.frames = check.length.frames;
        check.refusals.append(r);
    }
    return check;
}

} // namespace velnora::disc
