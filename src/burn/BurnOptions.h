#pragma once

#include <QString>

namespace velnora::burning
{

// How the disc is to be written.
struct BurnOptions {
    QString drive;         // the device; empty for the first drive found
    bool simulate = false; // the test run: the drive goes through the write with its laser off
    int speed = 0;         // times CD speed; 0 for the fastest the drive and medium allow
    bool eject = false;    // eject the disc after a real write that went well
    bool emulated = false; // also take libburn's "stdio:" pseudo-drives, which write to a file
    // The tracks as data, without CD-TEXT: what a pseudo-drive takes, so that the whole write (its
    // progress, cancel and failures) can be tried without a CD writer. Only on a pseudo-drive.
    bool asData = false;
};

// The speed as libburn takes it: kilobytes a second, 176.4 for each times CD speed, rounded up.
inline int speedKbps(int times)
{
    return times <= 0 ? 0 : (times * 1764 + 9) / 10;
}

} // namespace velnora::burning
