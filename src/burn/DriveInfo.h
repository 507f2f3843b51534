#pragma once

#include <QString>

namespace velnora::burning
{

// One CD drive as the system lists it.
struct DriveInfo {
    QString address; // the device libburn grabs it by ("/dev/sr0")
    QString vendor;
    QString product;
    QString revision;
};

} // namespace velnora::burning
