#pragma once

#include "burn/BurnOutcome.h"
#include "burn/BurnProgress.h"
#include "burn/DriveInfo.h"

#include <QList>
#include <QString>

#include <functional>

namespace velnora::burning
{

// Every CD drive on the system (none is kept grabbed). Blocks while the bus is scanned.
QList<DriveInfo> listDrives();

// What the drive at address holds (the first drive found when it is empty): outcome.medium, or the
// failure that kept it from being read. The drive is let go again.
BurnOutcome readMedium(const QString &address, bool emulated = false);

// Erases the CD-RW in the drive at address, fast (the table of contents only), and waits until the
// drive is done; progress gets the percentage now and then. The outcome's medium is the one left.
// An erase cannot be cancelled once the drive began it: libburn does not stop one.
BurnOutcome blankMedium(const QString &address, bool emulated,
                        const std::function<void(int percent)> &progress = {});

} // namespace velnora::burning
