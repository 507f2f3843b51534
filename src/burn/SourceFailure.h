#pragma once

#include "audio/AudioInfo.h"

#include <QString>

#include <mutex>

namespace velnora::burning
{

// The first track whose source ended early, and why: its sources run on libburn's thread, the
// outcome is made on the burner's. libburn pads a track whose source ends early with silence and
// still counts the write as good, so this record, not libburn's, says whether the disc is whole.
struct SourceFailure {
    enum class Kind { None, Decode, Changed, Cancelled };
    std::mutex mutex;
    Kind kind = Kind::None;
    int track = 0;
    QString path;
    audio::AudioInfo audio;
};

} // namespace velnora::burning
