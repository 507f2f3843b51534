#include "platform/ProcessSetup.h"

#include "text/NativePath.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace velnora
{

namespace
{

QStringList &arguments()
{
    static QStringList kept;
    return kept;
}

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void setUpProcess(int argc, char **argv)
{
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList &kept = arguments();
    kept.clear();
    for (int i = 1; i < argc; ++i)
        kept << fromNativePath(QByteArray(argv[i]));
}

QStringList processArguments()
{
    return arguments();
}

void watchTerminationSignals(QObject *context, std::function<void()> onSignal)
{
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // the signals keep their default action
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [onSignal = std::move(onSignal)] {
        char bytes[16];
        bool signalled = false;
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0)
            signalled = true;
        if (signalled)
            onSignal();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace velnora
