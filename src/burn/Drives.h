#pragma once

#include "burn/BurnOutcome.h"
#include "burn/DriveInfo.h"

#include <QList>
#include <QString>

namespace velnora::burning
{

// Every CD drive on the system (none is kept grabbed). Blocks while the bus is scanned.
QList<DriveInfo> listDrives();

// What the drive at address holds (the first drive found when it is empty): outcome.medium, or the
// failure that kept it from being read. The drive is let go again.
BurnOutcome readMedium(const QString &address, bool emulated = false);

} // namespace velnora::burning
