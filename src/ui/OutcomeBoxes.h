#pragma once

// The boxes of a command's outcome are worded below the windows (wording/), where the session's
// tests reach them too; the window's files may include them from here.
#include "wording/OutcomeBoxes.h"
