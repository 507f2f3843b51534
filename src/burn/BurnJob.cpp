#include "burn/BurnJob.h"

#include "burn/DecoderSource.h"

#include <libburn/libburn.h>

using namespace burn;

namespace velnora::burning
{

namespace
{

constexpr int PackBytes = 18;

} // namespace

BurnJob::BurnJob(burn_drive *drive, const disc::DiscCheck &check, const BurnOptions &options,
                 const std::atomic<bool> *cancel, SourceFailure *failure)
    : m_packs(check.cdText)
{
    m_disc = burn_disc_create();
    m_session = burn_session_create();
    m_ok = burn_disc_add_session(m_disc, m_session, BURN_POS_END) == 1;
    for (qsizetype i = 0; i < check.tracks.size() && m_ok; ++i) {
        burn_track *track = burn_track_create();
        m_tracks.append(track);
        // No offset or tail: those zeros would belong to the track itself (its INDEX 01), where the
        // image has the gap as silence before the next track's start. A pregap is that track's
        // INDEX 00, as in the image's cue sheet, and libburn writes it without reading the source.
        burn_track_define_data(track, 0, 0, 1, options.asData ? BURN_MODE1 : BURN_AUDIO);
        const qint64 gap = check.length.gaps.value(i);
        m_pregaps.append(gap);
        if (i > 0 && gap > 0)
            m_ok = burn_track_set_pregap_size(track, static_cast<int>(gap), 0) > 0;
        burn_source *source = decoderSource(static_cast<int>(i + 1), check.tracks.at(i), cancel, failure);
        m_ok = m_ok && burn_track_set_source(track, source) == BURN_SOURCE_OK;
        burn_source_free(source); // the track holds its own reference
        m_ok = m_ok && burn_session_add_track(m_session, track, BURN_POS_END) == 1;
    }

    m_opts = burn_write_opts_new(drive);
    if (!m_opts) {
        m_ok = false;
        return;
    }
    // One closed session: players read no other.
    burn_write_opts_set_multi(m_opts, 0);
    burn_write_opts_set_simulate(m_opts, options.simulate ? 1 : 0);
    burn_write_opts_set_underrun_proof(m_opts, 1);
    m_ok = m_ok && burn_write_opts_set_write_type(m_opts, BURN_WRITE_SAO, BURN_BLOCK_SAO) == 1;
    if (options.asData)
        m_packs.clear();
    if (!m_packs.isEmpty()) {
        // The packs' checksums are verified: a wrong one fails here, not on the disc.
        m_ok =
            m_ok && burn_write_opts_set_leadin_text(m_opts, reinterpret_cast<unsigned char *>(m_packs.data()),
                                                    static_cast<int>(m_packs.size() / PackBytes), 0) == 1;
    }
}

BurnJob::~BurnJob()
{
    if (m_opts)
        burn_write_opts_free(m_opts);
    for (burn_track *track : std::as_const(m_tracks))
        burn_track_free(track);
    burn_session_free(m_session);
    burn_disc_free(m_disc);
}

bool BurnJob::precheck(QString *reasons) const
{
    char text[BURN_REASONS_LEN] = {};
    const bool ok = burn_precheck_write(m_opts, m_disc, text, 1) == 1;
    if (reasons)
        *reasons = QString::fromLocal8Bit(text).trimmed();
    return ok;
}

} // namespace velnora::burning
