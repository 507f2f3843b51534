#pragma once

#include "audio/AudioInfo.h"
#include "disc/DiscCheck.h"

#include <QString>

#include <atomic>
#include <functional>

namespace velnora::disc
{

// The three files of an image named by its cue sheet: NAME.cue, NAME.bin and NAME.cdt side by side.
struct ImageFiles {
    QString cue;
    QString bin;
    QString cdt;
};
ImageFiles imageFiles(const QString &cuePath);

// What writing an image came to.
struct ImageOutcome {
    enum class Status { Written, Refused, Cancelled, Failed };
    enum class Failure {
        None,
        BadName, // the name holds a double quote or a control character, which a cue sheet cannot hold
        Decode,  // a track's file failed as it was read again (audio says why)
        Changed, // a track's file gives another length than it was checked with: changed or cut short
        Write,   // a file could not be written (code and path say which and why)
    };
    Status status = Status::Written;
    Failure failure = Failure::None;
    ImageFiles files;
    int track = 0; // 1-based, for Decode and Changed
    QString path;  // the file concerned
    audio::AudioInfo audio;
    int code = 0; // errno, for Write
    bool ok() const { return status == Status::Written; }
};

// Told the track being written (1-based) and the share of the whole image done, 0 to 100.
using ImageProgress = std::function<void(int track, int percent)>;

// Writes a checked disc: the three files under names of their own beside the sheet, renamed onto
// their names together at the end. A refused check writes nothing; cancel (looked at for every block
// of audio) or a failure leaves no file of the three behind.
ImageOutcome writeCdImage(const QString &cuePath, const DiscCheck &check, const ImageProgress &progress = {},
                          const std::atomic<bool> *cancel = nullptr);

} // namespace velnora::disc
