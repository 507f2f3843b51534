#pragma once

#include "audio/AudioInfo.h"

#include <QString>

#include <mutex>

namespace velnora::burning
{

// The first track whose file failed as libburn read it for the write: its sources run on libburn's
// thread, the outcome is made on the burner's.
struct SourceFailure {
    enum class Kind { None, Decode, Changed };
    std::mutex mutex;
    Kind kind = Kind::None;
    int track = 0;
    QString path;
    audio::AudioInfo audio;
};

} // namespace velnora::burning
