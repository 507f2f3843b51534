#include "burn/LibburnSession.h"

#include <libburn/libburn.h>

#include <mutex>

using namespace burn;

namespace velnora::burning
{

namespace
{

std::mutex users;
int count = 0;

} // namespace

LibburnSession::LibburnSession()
{
    const std::lock_guard<std::mutex> lock(users);
    if (count == 0) {
        if (burn_initialize() == 0)
            return;
        static char queue[] = "SORRY";
        static char print[] = "NEVER";
        static char id[] = "velnora : ";
        burn_msgs_set_severities(queue, print, id);
    }
    ++count;
    m_ok = true;
}

LibburnSession::~LibburnSession()
{
    if (!m_ok)
        return;
    const std::lock_guard<std::mutex> lock(users);
    if (--count == 0) {
        takeMessages();
        burn_finish();
    }
}

QStringList LibburnSession::takeMessages(int *lastErrno)
{
    static char severity[] = "SORRY";
    QStringList texts;
    int code = 0;
    int osErrno = 0;
    char text[BURN_MSGS_MESSAGE_LEN];
    char level[80];
    while (burn_msgs_obtain(severity, &code, text, &osErrno, level) == 1) {
        texts.append(QString::fromLocal8Bit(text).trimmed());
        if (lastErrno && osErrno != 0)
            *lastErrno = osErrno;
    }
    return texts;
}

BurnOutcome &LibburnSession::fail(BurnOutcome &outcome, BurnOutcome::Failure failure)
{
    outcome.failure = failure;
    outcome.messages += takeMessages();
    return outcome;
}

} // namespace velnora::burning
