#pragma once

#include "burn/BurnOptions.h"
#include "burn/BurnOutcome.h"
#include "burn/BurnProgress.h"
#include "disc/DiscCheck.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace velnora::burning
{

// Told on the burner's thread whenever the drive's state is polled.
using BurnProgressCall = std::function<void(const BurnProgress &)>;

// Writes a checked disc, start to end on the calling thread: grab the drive, read its medium, build
// the disc, let libburn check the whole write, write it in session-at-once mode and poll the drive
// until it is done, then release it. Every failure is told in the outcome; none leaves the drive
// grabbed. cancel is looked at throughout; once the write runs it is passed to the drive.
BurnOutcome burnDisc(const disc::DiscCheck &check, const BurnOptions &options,
                     const BurnProgressCall &progress = {}, const std::atomic<bool> *cancel = nullptr);

// burnDisc on a thread of its own, for a window that polls it or a caller that waits.
class Burner
{
public:
    Burner() = default;
    ~Burner(); // cancels a write that still runs and waits for it
    Burner(const Burner &) = delete;
    Burner &operator=(const Burner &) = delete;

    // False when a write runs already. progress, when given, is called on the burner's thread.
    bool start(const disc::DiscCheck &check, const BurnOptions &options, BurnProgressCall progress = {});
    void cancel() { m_cancel = true; }
    bool finished() const { return m_finished; }
    BurnProgress progress() const;
    // Waits for the write to end and gives what it came to.
    BurnOutcome wait();

private:
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_finished{false};
    mutable std::mutex m_mutex;
    BurnProgress m_progress;
    BurnOutcome m_outcome;
};

} // namespace velnora::burning
