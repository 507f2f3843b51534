#pragma once

#include "burn/BurnOutcome.h"
#include "burn/DriveInfo.h"
#include "burn/MediumInfo.h"

#include <QList>
#include <QString>

// libburn declares its types in a namespace of its own in C++.
namespace burn
{
struct burn_drive;
struct burn_drive_info;
} // namespace burn

namespace velnora::burning
{

// One drive held for this program alone, from its grab to its release: a failure on the way never
// leaves it grabbed. Needs a LibburnSession alive around it.
class GrabbedDrive
{
public:
    // The drive at address, or the first one found when it is empty. outcome gets drive and, when no
    // drive can be had, the failure and libburn's messages.
    GrabbedDrive(const QString &address, bool emulated, BurnOutcome &outcome);
    ~GrabbedDrive();
    GrabbedDrive(const GrabbedDrive &) = delete;
    GrabbedDrive &operator=(const GrabbedDrive &) = delete;

    bool ok() const { return m_drive != nullptr; }
    burn::burn_drive *drive() const { return m_drive; }
    // Status, profile and free space of what the drive holds.
    MediumInfo readMedium() const;
    // Eject the medium as the drive is released.
    void setEject(bool eject) { m_eject = eject; }

    // Every drive the system has, each let go again at once.
    static QList<DriveInfo> scan();
    // The drives this program holds grabbed now.
    static int held();

private:
    burn::burn_drive_info *m_infos = nullptr;
    burn::burn_drive *m_drive = nullptr;
    bool m_eject = false;
};

} // namespace velnora::burning
