#include "convert/BurnCommand.h"

#include "session/Session.h"

#include "burn/BurnTexts.h"
#include "burn/Burner.h"
#include "burn/Drives.h"
#include "disc/DiscTexts.h"
#include "messages/ConverterMessages.h"

#include <QFileInfo>

#include <atomic>
#include <csignal>

namespace velnora
{

namespace
{

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void cancelOnSignal(int)
{
    interrupted = true;
}

// Ctrl-C or a termination signal during the write cancels it through the drive, so the drive is
// let go and the medium's state said, instead of the process ending with the drive grabbed.
class CancelOnSignals
{
public:
    CancelOnSignals()
    {
        struct sigaction action = {};
        action.sa_handler = cancelOnSignal;
        sigemptyset(&action.sa_mask);
        for (size_t i = 0; i < std::size(Signals); ++i)
            sigaction(Signals[i], &action, &m_before[i]);
    }
    ~CancelOnSignals()
    {
        for (size_t i = 0; i < std::size(Signals); ++i)
            sigaction(Signals[i], &m_before[i], nullptr);
    }
    CancelOnSignals(const CancelOnSignals &) = delete;
    CancelOnSignals &operator=(const CancelOnSignals &) = delete;

private:
    static constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction m_before[std::size(Signals)] = {};
};

QString nameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

// The command line's own words for a sheet or CD-TEXT file it cannot take (the window opens sheets
// through the session, whose boxes say these).
QString burnSheetText(const QString &sheet, const disc::CueDisc &disc)
{
    using Problem = disc::CueDisc::Problem;
    namespace words = messages::converter;
    const QString textFile = nameOf(disc.read.sheet.textFile);
    switch (disc.problem) {
    case Problem::None:
        break;
    case Problem::Sheet:
        if (disc.read.problem == CueProblem::File)
            return words::sheetUnreadable(nameOf(sheet), disc.read.error.reason);
        if (disc.read.problem == CueProblem::TooLarge)
            return words::sheetTooLarge(nameOf(sheet));
        return words::sheetProblem(nameOf(sheet), disc::cueProblemText(disc.read.problem, disc.read.track));
    case Problem::TextFile:
        return words::textFileUnreadable(textFile, disc.error.reason);
    case Problem::TextTooLarge:
    case Problem::NotPacks:
        return words::notATextFile(textFile);
    }
    return QString();
}

void sayLines(const BurnCommand::Lines &lines, const QString &text)
{
    for (const QString &line : text.split(QStringLiteral("\r\n")))
        lines(line);
}

} // namespace

void BurnCommand::ProgressLines::operator()(const burning::BurnProgress &now)
{
    if (m_said && now.phase == m_last.phase && now.track == m_last.track && now.percent == m_last.percent)
        return;
    m_said = true;
    m_last = now;
    m_lines(burning::progressText(now));
}

QStringList BurnCommand::cueDiscProblems(const QString &sheet, const disc::CueDisc &disc)
{
    if (disc.problem != disc::CueDisc::Problem::None)
        return {burnSheetText(sheet, disc)};
    QStringList lines;
    for (const disc::DiscRefusal &refusal : disc.check.refusals)
        lines << disc::refusalText(refusal).split(QStringLiteral("\r\n"));
    return lines;
}

int BurnCommand::burn(const ConvertOptions &options, const Lines &progressLines, const Lines &error)
{
    // The sheet and every file it names are read before any drive is asked.
    const disc::CueDisc disc = disc::readCueDisc(options.sheet);
    if (const QStringList problems = cueDiscProblems(options.sheet, disc); !problems.isEmpty()) {
        for (const QString &line : problems)
            error(line);
        return 1;
    }
    burning::BurnOptions burn;
    burn.drive = options.drive;
    burn.simulate = options.simulate;
    burn.speed = options.speed;
    burn.eject = options.eject;
    // libburn's pseudo-drives ("stdio:PATH"), for scripts and tests without a CD writer.
    burn.emulated = options.drive.startsWith(QLatin1String("stdio:"));

    ProgressLines progress(progressLines);
    interrupted = false;
    burning::BurnOutcome outcome;
    {
        const CancelOnSignals cancelling;
        outcome = Session::burnChecked(
                      disc.check, burn, [&progress](const burning::BurnProgress &now) { progress(now); },
                      &interrupted)
                      .burn;
    }
    if (!outcome.ok()) {
        sayLines(error, burning::failureText(outcome));
        return 1;
    }
    sayLines(progressLines, burning::doneText(outcome));
    return 0;
}

int BurnCommand::listDrives(const Lines &out)
{
    for (const burning::DriveInfo &drive : burning::listDrives())
        out(QStringList{drive.address, drive.vendor, drive.product, drive.revision}.join(QLatin1Char('\t')));
    return 0;
}

} // namespace velnora
