#include "burn/Burner.h"

#include "burn/BurnJob.h"
#include "burn/GrabbedDrive.h"
#include "burn/LibburnSession.h"
#include "burn/MediumVerdict.h"

#include <libburn/libburn.h>

#include <chrono>
#include <unistd.h>

using namespace burn;

namespace velnora::burning
{

namespace
{

constexpr useconds_t PollMicroseconds = 200000;

bool cancelled(const std::atomic<bool> *cancel)
{
    return cancel && cancel->load();
}

BurnProgress::Phase phaseOf(burn_drive_status status)
{
    switch (status) {
    case BURN_DRIVE_WRITING_LEADIN:
        return BurnProgress::Phase::LeadIn;
    case BURN_DRIVE_WRITING_PREGAP:
        return BurnProgress::Phase::Pregap;
    case BURN_DRIVE_WRITING:
    case BURN_DRIVE_WRITING_SYNC:
        return BurnProgress::Phase::Writing;
    case BURN_DRIVE_WRITING_LEADOUT:
        return BurnProgress::Phase::LeadOut;
    case BURN_DRIVE_CLOSING_TRACK:
    case BURN_DRIVE_CLOSING_SESSION:
        return BurnProgress::Phase::Closing;
    default:
        return BurnProgress::Phase::Preparing;
    }
}

BurnProgress progressOf(burn_drive_status status, const burn_progress &p, double seconds)
{
    BurnProgress progress;
    progress.phase = phaseOf(status);
    progress.tracks = p.tracks;
    progress.track = p.tracks > 0 ? p.track + 1 : 0;
    if (p.sectors > 0 && p.sector >= 0) {
        progress.percent = static_cast<int>(std::min<qint64>(100, qint64(p.sector) * 100 / p.sectors));
        if (p.sector > 0)
            progress.secondsLeft = static_cast<int>(seconds * (p.sectors - p.sector) / p.sector);
    }
    if (p.buffer_capacity > 0 && p.buffer_available <= p.buffer_capacity)
        progress.bufferFill =
            static_cast<int>(qint64(p.buffer_capacity - p.buffer_available) * 100 / p.buffer_capacity);
    return progress;
}

} // namespace

BurnOutcome burnDisc(const disc::DiscCheck &check, const BurnOptions &options,
                     const BurnProgressCall &progress, const std::atomic<bool> *cancel)
{
    BurnOutcome outcome;
    outcome.drive = options.drive;
    outcome.simulated = options.simulate;
    outcome.frames = check.length.frames;
    if (!check.ok()) {
        outcome.failure = BurnOutcome::Failure::Refused;
        return outcome;
    }
    const LibburnSession library;
    if (!library.ok()) {
        outcome.failure = BurnOutcome::Failure::NoDrive;
        return outcome;
    }
    GrabbedDrive drive(options.drive, options.emulated, outcome);
    if (!drive.ok())
        return outcome;
    outcome.medium = drive.readMedium();
    if (mediumVerdict(outcome.medium, check.length.frames, true, options.asData) ==
        BurnOutcome::Failure::NoDisc)
        return LibburnSession::fail(outcome, BurnOutcome::Failure::NoDisc);
    if (cancelled(cancel))
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Cancelled);

    SourceFailure failure;
    BurnJob job(drive.drive(), check, options, cancel, &failure);
    if (!job.ok())
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Rejected);
    burn_drive_set_speed(drive.drive(), 0, speedKbps(options.speed));
    const bool passed = job.precheck(&outcome.reasons);
    const BurnOutcome::Failure refused =
        mediumVerdict(outcome.medium, check.length.frames, passed, options.asData);
    if (refused != BurnOutcome::Failure::None)
        return LibburnSession::fail(outcome, refused);
    if (cancelled(cancel))
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Cancelled);

    burn_disc_write(job.opts(), job.disc());
    outcome.started = true;
    while (burn_drive_get_status(drive.drive(), nullptr) == BURN_DRIVE_SPAWNING)
        usleep(1002);
    const auto start = std::chrono::steady_clock::now();
    bool cancelSent = false;
    burn_progress p{};
    for (burn_drive_status status; (status = burn_drive_get_status(drive.drive(), &p)) != BURN_DRIVE_IDLE;) {
        if (cancelled(cancel) && !cancelSent) {
            burn_drive_cancel(drive.drive());
            cancelSent = true;
        }
        if (progress) {
            const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
            progress(progressOf(status, p, seconds.count()));
        }
        usleep(PollMicroseconds);
    }
    const bool wroteWell = burn_drive_wrote_well(drive.drive()) == 1;
    SourceFailure::Kind ended = SourceFailure::Kind::None;
    {
        const std::lock_guard<std::mutex> lock(failure.mutex);
        ended = failure.kind;
        outcome.track = failure.track;
        outcome.path = failure.path;
        outcome.audio = failure.audio;
    }
    switch (ended) {
    case SourceFailure::Kind::Decode:
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Decode);
    case SourceFailure::Kind::Changed:
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Changed);
    case SourceFailure::Kind::Cancelled:
        outcome.track = 0;
        outcome.path.clear();
        return LibburnSession::fail(outcome, BurnOutcome::Failure::Cancelled);
    case SourceFailure::Kind::None:
        break;
    }
    // A cancel that came after the last sector was read leaves a whole disc unless the drive stopped.
    if (!wroteWell)
        return LibburnSession::fail(outcome, cancelSent ? BurnOutcome::Failure::Cancelled
                                                        : BurnOutcome::Failure::WriteFailed);
    drive.setEject(options.eject && !options.simulate);
    if (progress) {
        BurnProgress done;
        done.phase = BurnProgress::Phase::Done;
        done.percent = 100;
        done.track = done.tracks = static_cast<int>(check.tracks.size());
        done.secondsLeft = 0;
        progress(done);
    }
    return outcome;
}

Burner::~Burner()
{
    m_cancel = true;
    if (m_thread.joinable())
        m_thread.join();
}

bool Burner::start(const disc::DiscCheck &check, const BurnOptions &options, BurnProgressCall progress)
{
    if (m_thread.joinable() && !m_finished)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_cancel = false;
    m_finished = false;
    m_progress = {};
    m_thread = std::thread([this, check, options, progress = std::move(progress)] {
        const BurnOutcome outcome = burnDisc(
            check, options,
            [this, &progress](const BurnProgress &now) {
                {
                    const std::lock_guard<std::mutex> lock(m_mutex);
                    m_progress = now;
                }
                if (progress)
                    progress(now);
            },
            &m_cancel);
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_outcome = outcome;
        }
        m_finished = true;
    });
    return true;
}

BurnProgress Burner::progress() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_progress;
}

BurnOutcome Burner::wait()
{
    if (m_thread.joinable())
        m_thread.join();
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_outcome;
}

} // namespace velnora::burning
