#pragma once

#include "disc/DiscLength.h"

#include <QObject>
#include <QStringList>

namespace velnora
{

// The disc's tracks: an audio file for each numbered line of the layout (a gap included), each as CD
// audio, and whether a 2-second gap goes before every track after the first.
class DiscTracks : public QObject
{
    Q_OBJECT

public:
    explicit DiscTracks(QObject *parent = nullptr);

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
    void remove(int index);
    // Moves a track one place up (-1) or down (+1); nothing at either end.
    void move(int index, int step);

signals:
    void changed();

private:
    QList<disc::DiscTrack> m_tracks;
    bool m_gaps = true;
};

} // namespace velnora
