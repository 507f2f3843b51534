#pragma once

#include "audio/AudioTags.h"

#include <QList>

namespace velnora
{

// Files in the order of an album: by disc number, then track number, then by file name in natural
// order ("2" before "10"). A file without a disc number counts as disc 1 (most albums tag none);
// one without a track number follows the numbered tracks of its disc. The sort is stable.
QList<AudioTags> inTrackOrder(QList<AudioTags> files);

} // namespace velnora
