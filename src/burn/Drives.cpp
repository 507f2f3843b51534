#include "burn/Drives.h"

#include "burn/GrabbedDrive.h"
#include "burn/LibburnSession.h"

#include <libburn/libburn.h>

#include <algorithm>
#include <unistd.h>

using namespace burn;

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

BurnOutcome blankMedium(const QString &address, bool emulated,
                        const std::function<void(int percent)> &progress)
{
    BurnOutcome outcome;
    outcome.blanking = true;
    const LibburnSession library;
    if (!library.ok()) {
        outcome.failure = BurnOutcome::Failure::NoDrive;
        return outcome;
    }
    const GrabbedDrive drive(address, emulated, outcome);
    if (!drive.ok())
        return outcome;
    outcome.medium = drive.readMedium();
    const MediumInfo &medium = outcome.medium;
    if (medium.status == MediumInfo::Status::Empty || medium.status == MediumInfo::Status::Unknown)
        return LibburnSession::fail(outcome, BurnOutcome::Failure::NoDisc);
    if (!medium.cd)
        return LibburnSession::fail(outcome, BurnOutcome::Failure::NotCd);
    if (medium.status == MediumInfo::Status::Blank)
        return outcome; // nothing to erase
    if (!medium.erasable || medium.status == MediumInfo::Status::Unsuitable)
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Unsuitable);

    burn_disc_erase(drive.drive(), 1);
    outcome.started = true;
    // As libburn's own example does: the erase begins on its thread, then the drive is polled.
    while (burn_drive_get_status(drive.drive(), nullptr) == BURN_DRIVE_SPAWNING)
        usleep(1002);
    burn_progress p{};
    while (burn_drive_get_status(drive.drive(), &p) != BURN_DRIVE_IDLE) {
        if (progress && p.sectors > 0 && p.sector >= 0)
            progress(static_cast<int>(std::min<qint64>(100, qint64(p.sector) * 100 / p.sectors)));
        usleep(200000);
    }
    outcome.medium = drive.readMedium();
    if (burn_drive_wrote_well(drive.drive()) != 1 || outcome.medium.status != MediumInfo::Status::Blank)
        return LibburnSession::fail(outcome, BurnOutcome::Failure::WriteFailed);
    if (progress)
        progress(100);
    return outcome;
}

} // namespace velnora::burning
