#pragma once

#include "files/FileAccess.h"

#include <QString>

namespace velnora
{

enum class TagProblem {
    None,
    File,     // the file could not be opened, or is no regular file: see AudioTags::error
    NotAudio, // TagLib knows no audio format in it
    TooLarge, // its tags need more than the read budget
};

// What the tags of one audio file say; empty texts and 0 numbers where a tag is missing.
struct AudioTags {
    QString path;
    QString title;
    QString album;
    QString albumArtist;
    QString artist;
    int disc = 0;  // the disc number tag ("2/3" gives 2)
    int track = 0; // the track number tag
    TagProblem problem = TagProblem::None;
    FileError error; // with TagProblem::File
};

// Far more than the tags of an album track with its cover art, yet a bound.
constexpr long long TagReadBudget = 64 * 1024 * 1024;

// Reads the tags of a regular file (a link leads to its file); the bytes read stay within budget.
AudioTags readAudioTags(const QString &path, long long budget = TagReadBudget);

} // namespace velnora
