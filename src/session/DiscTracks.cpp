#include "session/DiscTracks.h"

#include "audio/AudioDecoder.h"

#include <QHash>
#include <QThread>

namespace velnora
{

DiscTracks::DiscTracks(QObject *parent) : QObject(parent) {}

DiscTracks::~DiscTracks()
{
    // A probe in flight reads files only; it ends with the file it is on.
    for (QThread *worker : std::as_const(m_workers)) {
        worker->requestInterruption();
        worker->wait();
        delete worker;
    }
}

void DiscTracks::probeLater(const QStringList &paths, bool append)
{
    QList<disc::DiscTrack> parts;
    for (const QString &path : paths)
        parts.append({path, {}});
    probeLater(parts, append);
}

void DiscTracks::probeLater(const QList<disc::DiscTrack> &parts, bool append)
{
    QList<disc::DiscTrack> tracks = append ? m_tracks : QList<disc::DiscTrack>();
    // Each file once, read as its first part says (a cue sheet's BINARY file is raw CD audio).
    QList<disc::DiscTrack> files;
    QStringList paths;
    for (const disc::DiscTrack &part : parts) {
        if (!paths.contains(part.path)) {
            paths << part.path;
            disc::DiscTrack file;
            file.path = part.path;
            file.raw = part.raw;
            files << file;
        }
    }
    if (!m_probeOnThread) {
        QHash<QString, audio::AudioInfo> probedFiles;
        for (const disc::DiscTrack &file : std::as_const(files))
            probedFiles.insert(file.path, audio::probeAudio(file.path, file.raw));
        for (disc::DiscTrack part : parts) {
            part.audio = probedFiles.value(part.path);
            tracks.append(part);
        }
        setTracks(tracks);
        return;
    }
    for (const disc::DiscTrack &part : parts) {
        tracks.append(part);
        m_unprobed.insert(part.path);
    }
    setTracks(tracks);
    QThread *worker = QThread::create([this, files] {
        QList<disc::DiscTrack> done;
        for (disc::DiscTrack file : files) {
            if (QThread::currentThread()->isInterruptionRequested())
                return;
            file.audio = audio::probeAudio(file.path, file.raw);
            done.append(file);
        }
        // Delivered on this object's thread; dropped if it is gone.
        QMetaObject::invokeMethod(
            this, [this, done] { probed(done); }, Qt::QueuedConnection);
    });
    m_workers.append(worker);
    connect(worker, &QThread::finished, this, [this, worker] {
        m_workers.removeOne(worker);
        worker->deleteLater();
    });
    worker->start(QThread::LowPriority);
}

void DiscTracks::probed(const QList<disc::DiscTrack> &tracks)
{
    // By path: the user may have removed or moved tracks meanwhile.
    bool changedAny = false;
    for (const disc::DiscTrack &done : tracks) {
        if (!m_unprobed.remove(done.path))
            continue;
        for (disc::DiscTrack &track : m_tracks) {
            if (track.path == done.path) {
                track.audio = done.audio;
                changedAny = true;
            }
        }
    }
    if (changedAny || m_unprobed.isEmpty())
        emit changed();
}

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
    // A path set again with its probe already made is no longer waited for.
    for (const disc::DiscTrack &track : tracks) {
        if (track.audio.ok() && track.audio.samples > 0)
            m_unprobed.remove(track.path);
    }
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
