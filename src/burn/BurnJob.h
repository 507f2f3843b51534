#pragma once

#include "burn/BurnOptions.h"
#include "burn/SourceFailure.h"
#include "disc/DiscCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

// libburn declares its types in a namespace of its own in C++.
namespace burn
{
struct burn_disc;
struct burn_drive;
struct burn_session;
struct burn_track;
struct burn_write_opts;
} // namespace burn

namespace velnora::burning
{

// A checked disc as libburn writes it: one session, one audio track per track in the image's order
// and lengths, each gap before a track as that track's pregap, and the write options for the drive:
// session-at-once, underrun protection, the test run when asked, the disc's CD-TEXT packs for the
// lead-in.
class BurnJob
{
public:
    BurnJob(burn::burn_drive *drive, const disc::DiscCheck &check, const BurnOptions &options,
            const std::atomic<bool> *cancel, SourceFailure *failure);
    ~BurnJob();
    BurnJob(const BurnJob &) = delete;
    BurnJob &operator=(const BurnJob &) = delete;

    // False when libburn took the tracks or the packs not (its messages say why).
    bool ok() const { return m_ok; }
    burn::burn_disc *disc() const { return m_disc; }
    burn::burn_session *session() const { return m_session; }
    burn::burn_write_opts *opts() const { return m_opts; }
    const QList<burn::burn_track *> &tracks() const { return m_tracks; }
    // The packs set for the lead-in: the disc's pack file, 18 bytes a pack, no size header.
    const QByteArray &leadinPacks() const { return m_packs; }
    // Each track's pregap in sectors as set: the image's gap before it.
    const QList<qint64> &pregaps() const { return m_pregaps; }

    // libburn's own check of the whole write against the drive and its medium; reasons gets its
    // reasons, one a line, when it refuses.
    bool precheck(QString *reasons) const;

private:
    burn::burn_disc *m_disc = nullptr;
    burn::burn_session *m_session = nullptr;
    QList<burn::burn_track *> m_tracks;
    burn::burn_write_opts *m_opts = nullptr;
    QByteArray m_packs;
    QList<qint64> m_pregaps;
    bool m_ok = true;
};

} // namespace velnora::burning
