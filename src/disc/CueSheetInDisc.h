#pragma once

#include "disc/CueSheetIn.h"
#include "disc/DiscCheck.h"
#include "files/FileAccess.h"

#include <QByteArray>
#include <QString>

namespace velnora::disc
{

// A cue sheet read as the disc it describes, ready for the burner.
struct CueDisc {
    enum class Problem {
        None,
        Sheet,        // the sheet itself: read says why
        TextFile,     // its CDTEXTFILE could not be read: error says why
        TextTooLarge, // the CDTEXTFILE is larger than any CD-TEXT
        NotPacks,     // the CDTEXTFILE holds no whole 18-byte packs, or one whose CRC fails
    };
    CueSheetRead read;
    Problem problem = Problem::None;
    FileError error;
    DiscCheck check; // its refusals name the files that give no CD audio or too little of it
    bool ok() const { return problem == Problem::None && check.ok(); }
};

// The packs of a CD-TEXT file: as they are, or without the 4-byte header whose size field matches
// them (the form the CD-TEXT export writes). Empty when the bytes are neither.
QByteArray cdTextPacks(const QByteArray &file);

// The disc a parsed sheet describes: each track from its INDEX 01 to the next track's INDEX 00 in the
// same file (or to its file's end), the INDEX 00 gap before it as its gap, each file probed once, the
// packs as the lead-in's CD-TEXT. A sheet the program wrote gives the frames and gaps of its image.
DiscCheck checkCueDisc(const CueSheet &sheet, const QByteArray &packs);

// Reads the sheet, its CDTEXTFILE when it names one (only a regular file, bounded) and its audio.
CueDisc readCueDisc(const QString &cuePath);

} // namespace velnora::disc
