#pragma once

namespace velnora::burning
{

// Where a write stands, as polled from the drive.
struct BurnProgress {
    enum class Phase { Preparing, Blanking, LeadIn, Pregap, Writing, LeadOut, Closing, Done };
    Phase phase = Phase::Preparing;
    int track = 0; // 1-based, 0 before the first
    int tracks = 0;
    int percent = 0;      // of the whole disc, 0 to 100
    int bufferFill = -1;  // the drive's buffer in percent; -1 while it is not known
    int secondsLeft = -1; // estimated from the pace so far; -1 while it is not known
};

} // namespace velnora::burning
