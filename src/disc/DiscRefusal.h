#pragma once

#include "audio/AudioInfo.h"

#include <QString>
#include <QStringList>

namespace velnora::disc
{

// One reason the disc's image is not written, and what it concerns.
struct DiscRefusal {
    enum class Kind {
        NoLayout,           // no titles to put on the disc
        CdTextRefused,      // the layout cannot be CD-TEXT (lines holds the export's message)
        CdTextOverCapacity, // the CD-TEXT does not fit (lines holds the export's message)
        TrackCount,         // files and tracks differ in number
        Undecodable,        // a track's file gives no CD audio
        TooShort,           // a track under 4 seconds
        OverLimit,          // the disc over 80 minutes
    };
    Kind kind = Kind::NoLayout;
    int track = 0;          // 1-based, for Undecodable and TooShort
    int files = 0;          // for TrackCount
    int tracks = 0;         // for TrackCount
    QString path;           // for Undecodable and TooShort
    audio::AudioInfo audio; // for Undecodable: the problem
    qint64 frames = 0;      // the track's or the disc's length, for TooShort and OverLimit
    QStringList lines;      // the CD-TEXT export's own message
};

} // namespace velnora::disc
