#pragma once

#include "burn/SourceFailure.h"
#include "disc/DiscLength.h"

#include <atomic>

// libburn declares its types in a namespace of its own in C++.
namespace burn
{
struct burn_source;
} // namespace burn

namespace velnora::burning
{

// A libburn data source for one track: its file decoded to CD audio as libburn reads it, 16-bit
// little-endian stereo as BURN_AUDIO tracks take it, the last frame padded with silence, so the track
// is exactly track.frames() sectors (a part of its file when the track is cut). The file is opened at the
// first read. A file that fails or gives another length than track.audio says ends the source with an error
// and is told through failure; so does cancel, looked at for every sector. Freed with burn_source_free.
burn::burn_source *decoderSource(int number, const disc::DiscTrack &track, const std::atomic<bool> *cancel,
                                 SourceFailure *failure);

} // namespace velnora::burning
