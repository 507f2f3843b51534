#pragma once

#include "audio/AudioTags.h"

#include <QList>
#include <QStringList>

namespace velnora
{

// The titles, album and artist that a set of audio files gives, and the files as the disc's tracks.
struct TagImport {
    QString album;
    QString artist;
    QStringList titles; // one for each file, in track order
    QStringList files;  // the paths, in track order
};

// Orders the files as inTrackOrder does. Each title is the file's title tag, else its name without
// the extension, as a dropped file's name gives it (a file whose tags could not be read too).
// The album is the first album tag in track order. The artist is the first album-artist tag; else
// the artist tag when every file that has one agrees: a compilation's first artist is not the
// album's.
TagImport importFromTags(const QList<AudioTags> &files);

} // namespace velnora
