#pragma once

#include "burn/BurnProgress.h"
#include "convert/ConvertOptions.h"
#include "disc/CueSheetInDisc.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace velnora
{

// velnora --burn and --list-drives: the burner run from the command line, every line told as it
// comes (progress included), so a script sees the write go on.
class BurnCommand
{
public:
    using Lines = std::function<void(const QString &line)>;

    // --burn: 0 written (or the test run done), 1 refused or failed. The progress lines and the last
    // one that says it is done go to progress; why it was refused or failed, to error.
    static int burn(const ConvertOptions &options, const Lines &progress, const Lines &error);
    // --list-drives: one line a drive to out, tab between address, vendor, product and revision.
    static int listDrives(const Lines &out);

    // Why a cue sheet cannot be burnt, one line a reason; empty when it can.
    static QStringList cueDiscProblems(const QString &sheet, const disc::CueDisc &disc);

    // The drive is polled five times a second: a line only when the phase, the track or the
    // percentage moved since the last one.
    class ProgressLines
    {
    public:
        explicit ProgressLines(Lines lines) : m_lines(std::move(lines)) {}
        void operator()(const burning::BurnProgress &now);

    private:
        Lines m_lines;
        burning::BurnProgress m_last;
        bool m_said = false;
    };
};

} // namespace velnora
