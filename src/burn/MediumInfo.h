#pragma once

#include <QString>

namespace velnora::burning
{

// What the grabbed drive holds.
struct MediumInfo {
    enum class Status { Unknown, Blank, Appendable, Full, Empty, Unsuitable };
    Status status = Status::Unknown;
    int profile = 0;     // the MMC profile: 0x09 CD-R, 0x0a CD-RW; 0xffff a file posing as a drive
    QString profileName; // libburn's name of it ("CD-R", "stdio file")
    bool cd = false;     // a CD of any kind (CD-ROM, CD-R, CD-RW)
    bool erasable = false;
    qint64 freeFrames = 0; // sectors still free for audio
    bool emulated = false; // a file, not a drive
};

} // namespace velnora::burning
