#pragma once

#include <QStringList>

#include <functional>

class QObject;

namespace velnora
{

// What the process sets up before anything else runs; main() calls it first.
// - SIGXFSZ is ignored: under a file-size limit a write then fails with EFBIG, which every writer
//   handles like a full disk, instead of the signal ending the program and losing the document.
// - The arguments are kept with their exact bytes (see text/NativePath.h); Qt's own copy turns a
//   name that is not UTF-8 into U+FFFD and could not open it.
void setUpProcess(int argc, char **argv);

// The arguments after the program's name as setUpProcess kept them; empty before it ran.
QStringList processArguments();

// SIGTERM, SIGHUP and SIGINT become a call of onSignal from the event loop: the
// handler only writes a byte to a pipe that a socket notifier, owned by context, watches. Needs the
// application object. Programs the process starts get the default actions back.
void watchTerminationSignals(QObject *context, std::function<void()> onSignal);

} // namespace velnora
