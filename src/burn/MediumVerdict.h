#pragma once

#include "burn/BurnOutcome.h"
#include "burn/MediumInfo.h"

namespace velnora::burning
{

// Whether a disc of frames sectors may be written on this medium, libburn's own check (passed)
// included; None when it may. asData: the tracks go as data to a pseudo-drive (see BurnOptions).
BurnOutcome::Failure mediumVerdict(const MediumInfo &medium, qint64 frames, bool passed, bool asData = false);

} // namespace velnora::burning
