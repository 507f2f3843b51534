#pragma once

#include "audio/AudioInfo.h"

#include <QString>

namespace velnora::audio
{

// Why a file gives no CD audio, as the user reads it.
QString problemText(const AudioInfo &info);

} // namespace velnora::audio
