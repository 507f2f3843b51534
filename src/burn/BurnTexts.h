#pragma once

#include "burn/BurnOutcome.h"
#include "burn/BurnProgress.h"
#include "burn/DriveInfo.h"
#include "burn/MediumInfo.h"

#include <QString>

namespace velnora::burning
{

// What the user reads of burning, in the window's boxes and the command line's lines alike.

// What went wrong and what to do, then libburn's own messages; empty when nothing did. Lines are
// separated by CR LF.
QString failureText(const BurnOutcome &outcome);
// What a write that went well came to: written, or a test run that wrote nothing.
QString doneText(const BurnOutcome &outcome);
// Where a write stands: the phase and track, then the percentage, the drive's buffer and the time left.
QString progressText(const BurnProgress &progress);
// What the drive holds and how much time is free on it, for the disc window; the failure that kept
// it from being read when outcome has one.
QString mediumText(const BurnOutcome &outcome);
// A drive as the list names it: vendor, product and its address.
QString driveName(const DriveInfo &drive);
// The time a number of sectors plays, "m:ss".
QString sectorsTime(qint64 sectors);

// While a CD-RW is erased, and what came of it.
QString blankingText();
QString blankDoneText();

} // namespace velnora::burning
