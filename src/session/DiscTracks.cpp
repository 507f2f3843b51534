#include "session/DiscTracks.h"

#include "audio/AudioDecoder.h"

namespace velnora
{

DiscTracks::DiscTracks(QObject *parent) : QObject(parent) {}

QStringList DiscTracks::files() const
{
    QStringList paths;
    for (const disc::DiscTrack &track : m_tracks)
        paths << track.path;
    return paths;
}

void DiscTracks::setGaps(bool on)
{
    if (on == m_gaps)
        return;
    m_gaps = on;
    emit changed();
}

void DiscTracks::setFiles(const QStringList &paths)
{
    QList<disc::DiscTrack> probed;
    for (const QString &path : paths)
        probed.append({path, audio::probeAudio(path)});
    setTracks(probed);
}

void DiscTracks::setTracks(const QList<disc::DiscTrack> &tracks)
{
    m_tracks = tracks;
    emit changed();
}

void DiscTracks::append(const QList<disc::DiscTrack> &tracks)
{
    if (tracks.isEmpty())
        return;
    m_tracks += tracks;
    emit changed();
}

void DiscTracks::remove(int index)
{
    if (index < 0 || index >= m_tracks.size())
        return;
    m_tracks.removeAt(index);
    emit changed();
}

void DiscTracks::move(int index, int step)
{
    const int to = index + step;
    if (index < 0 || index >= m_tracks.size() || to < 0 || to >= m_tracks.size() || step == 0)
        return;
    m_tracks.move(index, to);
    emit changed();
}

} // namespace velnora
