#pragma once

#include "disc/CueSheetIn.h"
#include "disc/DiscRefusal.h"
#include "disc/ImageWriter.h"

#include <QString>

namespace velnora::disc
{

// What the user reads of a refusal: the line that says what to change (several for the CD-TEXT's).
QString refusalText(const DiscRefusal &refusal);
// What the user reads of a failed or cancelled image; empty when it was written.
QString imageOutcomeText(const ImageOutcome &outcome);
// Why a cue sheet was not taken, and what to change; track is the TRACK number concerned.
QString cueProblemText(CueProblem problem, int track);
// The command that burns the image, run in its folder.
QString burnCommand(const ImageFiles &files);

} // namespace velnora::disc
