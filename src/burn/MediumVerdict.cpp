#include "burn/MediumVerdict.h"

namespace velnora::burning
{

BurnOutcome::Failure mediumVerdict(const MediumInfo &medium, qint64 frames, bool passed, bool asData)
{
    using Failure = BurnOutcome::Failure;
    // A status still unknown after the drive settled is a drive that found nothing to read.
    if (medium.status == MediumInfo::Status::Empty || medium.status == MediumInfo::Status::Unknown)
        return Failure::NoDisc;
    if (asData && medium.emulated)
        return passed ? Failure::None : Failure::Rejected;
    if (!medium.cd)
        return Failure::NotCd;
    if (medium.status == MediumInfo::Status::Unsuitable)
        return Failure::Unsuitable;
    if (medium.status != MediumInfo::Status::Blank)
        return Failure::NotBlank;
    if (medium.freeFrames < frames)
        return Failure::TooSmall;
    return passed ? Failure::None : Failure::Rejected;
}

} // namespace velnora::burning
