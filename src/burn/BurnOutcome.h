#pragma once

#include "audio/AudioInfo.h"
#include "burn/MediumInfo.h"

#include <QString>
#include <QStringList>

namespace velnora::burning
{

// What a burn, or a look at the medium, came to.
struct BurnOutcome {
    enum class Failure {
        None,
        Refused,     // the disc's own check refused it: nothing was asked of a drive
        NoDrive,     // no CD drive found, or none at the address given
        DriveBusy,   // the drive is there but another program holds it
        NoDisc,      // the drive holds no medium
        NotBlank,    // the medium holds data already (medium.erasable says whether it can be blanked)
        NotCd,       // a DVD or BD, or a file posing as a drive
        Unsuitable,  // a medium the drive can neither read nor write
        TooSmall,    // the tracks need more than the medium has free (frames and medium.freeFrames)
        Rejected,    // libburn refused the write for another reason (reasons says why)
        Decode,      // a track's file failed as it was read for the write (audio says why)
        Changed,     // a track's file gave another length than it was checked with
        WriteFailed, // the drive stopped during the write: the medium is probably unusable
        Cancelled,   // the user cancelled
    };
    Failure failure = Failure::None;
    QString drive; // the address of the drive concerned
    MediumInfo medium;
    qint64 frames = 0; // the disc's length with its gaps, for TooSmall
    int track = 0;     // 1-based, for Decode and Changed
    QString path;      // the file concerned, for Decode and Changed
    audio::AudioInfo audio;
    QString reasons;      // libburn's reasons for refusing the write (its precheck), one a line
    QStringList messages; // libburn's own messages of the failure, oldest first
    bool started = false; // the write began: after a real one a failure leaves the medium written to
    bool simulated = false;
    bool blanking = false; // the outcome of erasing a CD-RW, not of a write
    bool ok() const { return failure == Failure::None; }
};

} // namespace velnora::burning
