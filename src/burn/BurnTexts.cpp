#include "burn/BurnTexts.h"

#include "disc/DiscLength.h"
#include "messages/BurnMessages.h"

#include <QFileInfo>

namespace velnora::burning
{

namespace
{

namespace words = messages::burning;

const QString CrLf = QStringLiteral("\r\n");

// What a failure says about the disc once the write began: only a real write leaves it written to.
QString mediumAfter(const BurnOutcome &outcome)
{
    if (!outcome.started || outcome.blanking)
        return QString();
    return outcome.simulated ? words::nothingWrittenInTest() : words::partlyWritten();
}

QString what(const BurnOutcome &outcome)
{
    using Failure = BurnOutcome::Failure;
    switch (outcome.failure) {
    case Failure::None:
        return QString();
    case Failure::Refused:
        return words::refused();
    case Failure::NoDrive:
        return outcome.drive.isEmpty() ? words::noDrive() : words::notADrive(outcome.drive);
    case Failure::DriveBusy:
        return words::driveBusy(outcome.drive);
    case Failure::NoDisc:
        return words::noDisc(outcome.drive);
    case Failure::NotBlank:
        return outcome.medium.erasable ? words::rewritableNotBlank() : words::notBlank();
    case Failure::NotCd:
        return words::notCd(outcome.medium.profileName);
    case Failure::Unsuitable:
        return words::unsuitable();
    case Failure::TooSmall:
        return words::tooSmall(sectorsTime(outcome.frames), sectorsTime(outcome.medium.freeFrames));
    case Failure::Rejected:
        return words::rejected();
    case Failure::Decode:
        return words::unreadable(outcome.track, QFileInfo(outcome.path).fileName());
    case Failure::Changed:
        return words::changed(outcome.track, QFileInfo(outcome.path).fileName());
    case Failure::WriteFailed:
        if (outcome.blanking)
            return words::blankFailed();
        return outcome.simulated ? words::testFailed() : words::writeFailed();
    case Failure::Cancelled:
        return words::cancelled(outcome.started);
    }
    return QString();
}

} // namespace

QString sectorsTime(qint64 sectors)
{
    return disc::playingTime(sectors);
}

QString failureText(const BurnOutcome &outcome)
{
    if (outcome.ok())
        return QString();
    QStringList lines{what(outcome)};
    const QString after = mediumAfter(outcome);
    if (!after.isEmpty())
        lines << after;
    // libburn's reasons and messages as it gives them: they name what the drive said.
    QStringList said = outcome.reasons.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &message : outcome.messages) {
        if (!said.contains(message))
            said << message;
    }
    if (!said.isEmpty())
        lines << QString() << words::libburnSaid() << said;
    return lines.join(CrLf);
}

QString doneText(const BurnOutcome &outcome)
{
    return words::done(outcome.simulated);
}

QString progressText(const BurnProgress &progress)
{
    QString phase;
    switch (progress.phase) {
    case BurnProgress::Phase::Preparing:
        phase = words::preparing();
        break;
    case BurnProgress::Phase::Blanking:
        phase = blankingText();
        break;
    case BurnProgress::Phase::LeadIn:
        phase = words::leadIn();
        break;
    case BurnProgress::Phase::Pregap:
    case BurnProgress::Phase::Writing:
        phase = words::writingTrack(progress.track, progress.tracks);
        break;
    case BurnProgress::Phase::LeadOut:
        phase = words::leadOut();
        break;
    case BurnProgress::Phase::Closing:
        phase = words::closing();
        break;
    case BurnProgress::Phase::Done:
        phase = words::finished();
        break;
    }
    QStringList parts{phase, QStringLiteral("%1%").arg(progress.percent)};
    if (progress.bufferFill >= 0)
        parts << words::buffer(progress.bufferFill);
    if (progress.secondsLeft >= 0)
        parts << words::timeLeft(progress.secondsLeft);
    return parts.join(QStringLiteral("  "));
}

QString mediumText(const BurnOutcome &outcome)
{
    if (!outcome.ok())
        return what(outcome).section(CrLf, 0, 0);
    const MediumInfo &medium = outcome.medium;
    const QString &name = medium.profileName;
    switch (medium.status) {
    case MediumInfo::Status::Empty:
    case MediumInfo::Status::Unknown:
        return words::noMedium();
    case MediumInfo::Status::Blank:
        if (!medium.cd)
            return words::notCdMedium(name);
        return words::blankMedium(name, sectorsTime(medium.freeFrames));
    case MediumInfo::Status::Appendable:
    case MediumInfo::Status::Full:
        return words::writtenMedium(name, medium.erasable);
    case MediumInfo::Status::Unsuitable:
        return words::unwritableMedium(name);
    }
    return words::medium(name);
}

QString driveName(const DriveInfo &drive)
{
    const QString name = QStringList{drive.vendor, drive.product}.join(QLatin1Char(' ')).trimmed();
    return name.isEmpty() ? drive.address : QStringLiteral("%1 (%2)").arg(name, drive.address);
}

QString blankingText()
{
    return words::blanking();
}

QString blankDoneText()
{
    return words::blankDone();
}

} // namespace velnora::burning
