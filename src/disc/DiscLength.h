#pragma once

#include "audio/AudioInfo.h"

#include <QList>
#include <QString>

namespace velnora::disc
{

constexpr qint64 GapFrames = 2 * audio::FramesPerSecond;        // before each track after the first
constexpr qint64 MinTrackFrames = 4 * audio::FramesPerSecond;   // the shortest track the disc takes
constexpr qint64 WarnFrames = 74 * 60 * audio::FramesPerSecond; // 333,000: what every disc holds
constexpr qint64 MaxFrames = 80 * 60 * audio::FramesPerSecond;  // 360,000: the longest discs

// One track of the disc: its file and that file as CD audio, or the part of it a cue sheet cuts.
struct DiscTrack {
    QString path;
    audio::AudioInfo audio; // the whole file
    qint64 start = 0;       // the first CD sample of the track within the file
    qint64 length = -1;     // its CD samples; -1 to the end of the file
    bool raw = false;       // CD audio without a header (a cue sheet's BINARY file), not probed
    bool cut() const { return start > 0 || length >= 0; }
    // The track's CD samples, as far as the file reaches.
    qint64 samples() const
    {
        const qint64 rest = audio.samples > start ? audio.samples - start : 0;
        return length < 0 || length > rest ? rest : length;
    }
    // Whole frames: the last one is padded with silence.
    qint64 frames() const { return (samples() + audio::SamplesPerFrame - 1) / audio::SamplesPerFrame; }
};

// The disc's tracks in sectors, the gaps included when they are on.
struct DiscLength {
    qint64 frames = 0;
    QList<qint64> starts; // each track's first frame of audio (its INDEX 01)
    QList<qint64> gaps;   // each track's gap before it: 0 for the first, GapFrames after it when on
    bool overWarning() const { return frames > WarnFrames; }
    bool overLimit() const { return frames > MaxFrames; }
};

// Of a block of n samples decoded after `before` others of the track's file, the ones that belong to
// the track (a cut track drops what lies before its start or after its end): from and to within the
// block. They are turned to little-endian in place, as the CD image and the drive take them.
struct BlockPart {
    qint64 from = 0;
    qint64 to = 0;
    bool empty() const { return to <= from; }
};
BlockPart trackPart(const DiscTrack &track, qint64 before, qint64 n, qint16 *block);

DiscLength discLength(const QList<qint64> &trackFrames, bool gaps);
DiscLength discLength(const QList<DiscTrack> &tracks, bool gaps);

// A frame count as a cue sheet writes it: minutes, seconds and frames, "mm:ss:ff".
QString cueTime(qint64 frames);
// A frame count as a person reads a playing time: minutes and seconds, "m:ss".
QString playingTime(qint64 frames);

} // namespace velnora::disc
