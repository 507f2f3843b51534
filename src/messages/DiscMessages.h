#pragma once

#include <QString>

// What the disc's check, its CD image and a cue sheet tell the user. A name is a file's name
// without its folder; problem is why its audio cannot be read.
namespace velnora::messages::disc
{

// The refusals of a disc, each saying what to change.
QString noLayout();
QString trackCount(int files, int tracks);
QString undecodable(int track, const QString &name, const QString &problem);
QString tooShort(int track, const QString &name);
QString overLimit(qint64 seconds);

// A cue sheet not taken; track is the TRACK number concerned.
QString cueSyntax();
QString cueNoFile();
QString cueTooManyTracks();
QString cueDataTrack(int track);
QString cueNoIndex(int track);
QString cueIndexOrder(int track);

// A CD image not written.
QString imageCancelled();
QString imageBadName(const QString &name);
QString imageDecode(int track, const QString &name, const QString &problem);
QString imageChanged(int track, const QString &name);
QString imageWrite(const QString &path, const QString &reason);

// The command that burns the image, run in its folder.
QString burnCommand(const QString &cueName);

} // namespace velnora::messages::disc
