#pragma once

#include "disc/DiscLength.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

class QThread;

namespace velnora
{

// The disc's tracks: an audio file for each numbered line of the layout (a gap included), each as CD
// audio, and whether a 2-second gap goes before every track after the first.
class DiscTracks : public QObject
{
    Q_OBJECT

public:
    explicit DiscTracks(QObject *parent = nullptr);
    ~DiscTracks() override;

    const QList<disc::DiscTrack> &tracks() const { return m_tracks; }
    QStringList files() const;
    bool gaps() const { return m_gaps; }
    void setGaps(bool on);
    disc::DiscLength length() const { return disc::discLength(m_tracks, m_gaps); }

    // Replaces every file, probing each (a lossy file is decoded through once for its length).
    void setFiles(const QStringList &paths);
    // Replaces every track with files already probed, e.g. off the window's thread.
    void setTracks(const QList<disc::DiscTrack> &tracks);
    void append(const QList<disc::DiscTrack> &tracks);
    // Replaces every file (or adds them after the others) at once and probes them on a thread of
    // their own: decoding a lossy file through takes seconds, which the window must not wait for.
    // Until its probe arrives a track's audio is empty and probing() is true.
    void probeLater(const QStringList &paths, bool append = false);
    // The same for tracks that may be parts of their files: each file probed once.
    void probeLater(const QList<disc::DiscTrack> &parts, bool append = false);
    bool probing() const { return !m_unprobed.isEmpty(); }
    // Off for a face without an event loop, which waits for the probe anyway: probeLater probes at once.
    void setProbeOnThread(bool on) { m_probeOnThread = on; }
    void remove(int index);
    // Moves a track one place up (-1) or down (+1); nothing at either end.
    void move(int index, int step);

signals:
    void changed();

private:
    void probed(const QList<disc::DiscTrack> &tracks);

    QList<disc::DiscTrack> m_tracks;
    QSet<QString> m_unprobed; // the paths whose probe has not arrived
    QList<QThread *> m_workers;
    bool m_gaps = true;
    bool m_probeOnThread = true;
};

} // namespace velnora
