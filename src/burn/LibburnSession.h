#pragma once

#include "burn/BurnOutcome.h"

#include <QStringList>

namespace velnora::burning
{

// libburn in use while one of these lives: the first initialises it, the last finishes it. libburn's
// messages are queued, not printed, so that the program says them in its own place.
class LibburnSession
{
public:
    LibburnSession();
    ~LibburnSession();
    LibburnSession(const LibburnSession &) = delete;
    LibburnSession &operator=(const LibburnSession &) = delete;

    bool ok() const { return m_ok; }

    // libburn's queued messages of severity SORRY and worse, oldest first; the queue is emptied.
    // lastErrno, when given, gets the system error of the last one that had one.
    static QStringList takeMessages(int *lastErrno = nullptr);
    // Sets the failure and adds libburn's messages of it; the outcome is returned.
    static BurnOutcome &fail(BurnOutcome &outcome, BurnOutcome::Failure failure);

private:
    bool m_ok = false;
};

} // namespace velnora::burning
