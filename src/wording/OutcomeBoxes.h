#pragma once

#include "messages/Box.h"
#include "session/Outcome.h"

#include <QList>

namespace velnora
{

class CorePlatform;

// The boxes the window shows for what a command came to, in order, worded from the catalogue.
QList<Box> outcomeBoxes(const Outcome &outcome);
// Shows them.
void showOutcome(CorePlatform &platform, const Outcome &outcome);

} // namespace velnora
