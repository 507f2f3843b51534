#include "disc/DiscLength.h"

#include <QtEndian>

#include <algorithm>

namespace velnora::disc
{

BlockPart trackPart(const DiscTrack &track, qint64 before, qint64 n, qint16 *block)
{
    const qint64 end = track.start + track.samples();
    BlockPart part{std::clamp<qint64>(track.start - before, 0, n), std::clamp<qint64>(end - before, 0, n)};
    for (qint64 i = 2 * part.from; i < 2 * part.to; ++i)
        block[i] = qToLittleEndian(block[i]);
    return part;
}

DiscLength discLength(const QList<qint64> &trackFrames, bool gaps)
{
    DiscLength length;
    for (qsizetype i = 0; i < trackFrames.size(); ++i) {
        const qint64 gap = gaps && i > 0 ? GapFrames : 0;
        length.gaps.append(gap);
        length.frames += gap;
        length.starts.append(length.frames);
        length.frames += trackFrames.at(i);
    }
    return length;
}

DiscLength discLength(const QList<DiscTrack> &tracks, bool gaps)
{
    QList<qint64> frames;
    for (const DiscTrack &track : tracks)
        frames.append(track.frames());
    return discLength(frames, gaps);
}

QString cueTime(qint64 frames)
{
    const qint64 perMinute = 60 * audio::FramesPerSecond;
    return QStringLiteral("%1:%2:%3")
        .arg(frames / perMinute, 2, 10, QLatin1Char('0'))
        .arg(frames % perMinute / audio::FramesPerSecond, 2, 10, QLatin1Char('0'))
        .arg(frames % audio::FramesPerSecond, 2, 10, QLatin1Char('0'));
}

QString playingTime(qint64 frames)
{
    const qint64 seconds = frames / audio::FramesPerSecond;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace velnora::disc
