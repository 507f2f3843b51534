#include "platform/ProcessSetup.h"

#include "text/NativePath.h"

#include <csignal>

namespace velnora
{

namespace
{

QStringList &arguments()
{
    static QStringList kept;
    return kept;
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

} // namespace velnora
