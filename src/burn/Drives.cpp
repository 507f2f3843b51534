#include "burn/Drives.h"

#include "burn/GrabbedDrive.h"
#include "burn/LibburnSession.h"

namespace velnora::burning
{

QList<DriveInfo> listDrives()
{
    const LibburnSession library;
    return library.ok() ? GrabbedDrive::scan() : QList<DriveInfo>();
}

BurnOutcome readMedium(const QString &address, bool emulated)
{
    BurnOutcome outcome;
    const LibburnSession library;
    if (!library.ok()) {
        outcome.failure = BurnOutcome::Failure::NoDrive;
        return outcome;
    }
    const GrabbedDrive drive(address, emulated, outcome);
    if (drive.ok())
        outcome.medium = drive.readMedium();
    return outcome;
}

} // namespace velnora::burning
