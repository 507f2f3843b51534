#pragma once

#include "files/FileAccess.h"

#include <QList>
#include <QString>

namespace velnora
{

// A disc holds tracks 1 to 99.
constexpr int MaxCueTracks = 99;

// One track of a cue sheet: the part of its file from its INDEX 01 to the next track's INDEX 01 in
// the same file (the next track's gap belongs to this part), in CD frames of 1/75 second.
struct CueTrack {
    int number = 0;     // as the TRACK line numbers it
    QString file;       // the FILE line's name, relative names taken from the sheet's folder
    QString title;      // its TITLE, empty when it has none
    QString performer;  // its PERFORMER
    qint64 start = 0;   // INDEX 01 within the file
    qint64 length = -1; // -1: to the end of the file
    qint64 pregap = 0;  // INDEX 00 before INDEX 01, 0 when there is no INDEX 00
    bool raw = false;   // a BINARY file: CD audio without a header, read as such
};

struct CueSheet {
    QString album;    // the TITLE before the first track
    QString artist;   // the PERFORMER before the first track
    QString textFile; // the CDTEXTFILE's name, taken from the sheet's folder; empty when there is none
    QList<CueTrack> tracks;
};

enum class CueProblem {
    None,
    File,          // the sheet could not be read: see CueSheetRead::error
    TooLarge,      // over OpenSizeCap
    Syntax,        // libcue did not take it, a sheet without tracks included
    NoFile,        // a track before any FILE line
    TooManyTracks, // more than a disc's 99
    DataTrack,     // a track that is not audio: see CueSheetRead::track
    NoIndex,       // a track without INDEX 01
    IndexOrder,    // an INDEX 01 before the previous track's in the same file
};

struct CueSheetRead {
    CueSheet sheet;
    CueProblem problem = CueProblem::None;
    FileError error; // with CueProblem::File
    int track = 0;   // the TRACK number a problem is in
    bool ok() const { return problem == CueProblem::None; }
};

// The sheet in text, decoded already; folder is where its relative FILE names are.
CueSheetRead parseCueSheet(const QString &text, const QString &folder);
// Reads a .cue file (cp932, UTF-8 or UTF-16, as a titles file is read) and parses it.
CueSheetRead readCueSheet(const QString &path);

} // namespace velnora
