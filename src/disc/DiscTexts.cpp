#include "disc/DiscTexts.h"

#include "audio/AudioTexts.h"
#include "files/FileAccess.h"
#include "messages/DiscMessages.h"

#include <QFileInfo>

namespace velnora::disc
{

namespace
{

namespace words = messages::disc;

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

QString refusalText(const DiscRefusal &refusal)
{
    switch (refusal.kind) {
    case DiscRefusal::Kind::NoLayout:
        return words::noLayout();
    case DiscRefusal::Kind::CdTextRefused:
    case DiscRefusal::Kind::CdTextOverCapacity:
        return refusal.lines.join(QStringLiteral("\r\n"));
    case DiscRefusal::Kind::TrackCount:
        return words::trackCount(refusal.files, refusal.tracks);
    case DiscRefusal::Kind::Undecodable:
        return words::undecodable(refusal.track, fileName(refusal.path), audio::problemText(refusal.audio));
    case DiscRefusal::Kind::TooShort:
        return words::tooShort(refusal.track, fileName(refusal.path));
    case DiscRefusal::Kind::OverLimit:
        return words::overLimit(refusal.frames / audio::FramesPerSecond);
    }
    return QString();
}

QString cueProblemText(CueProblem problem, int track)
{
    switch (problem) {
    case CueProblem::Syntax:
        return words::cueSyntax();
    case CueProblem::NoFile:
        return words::cueNoFile();
    case CueProblem::TooManyTracks:
        return words::cueTooManyTracks();
    case CueProblem::DataTrack:
        return words::cueDataTrack(track);
    case CueProblem::NoIndex:
        return words::cueNoIndex(track);
    case CueProblem::IndexOrder:
        return words::cueIndexOrder(track);
    case CueProblem::None:
    case CueProblem::File:
    case CueProblem::TooLarge:
        break;
    }
    return QString();
}

QString imageOutcomeText(const ImageOutcome &outcome)
{
    switch (outcome.status) {
    case ImageOutcome::Status::Written:
    case ImageOutcome::Status::Refused:
        return QString();
    case ImageOutcome::Status::Cancelled:
        return words::imageCancelled();
    case ImageOutcome::Status::Failed:
        break;
    }
    switch (outcome.failure) {
    case ImageOutcome::Failure::None:
        return QString();
    case ImageOutcome::Failure::BadName:
        return words::imageBadName(fileName(outcome.path));
    case ImageOutcome::Failure::Decode:
        return words::imageDecode(outcome.track, fileName(outcome.path), audio::problemText(outcome.audio));
    case ImageOutcome::Failure::Changed:
        return words::imageChanged(outcome.track, fileName(outcome.path));
    case ImageOutcome::Failure::Write:
        return words::imageWrite(outcome.path, systemReason(outcome.code));
    }
    return QString();
}

QString burnCommand(const ImageFiles &files)
{
    return words::burnCommand(fileName(files.cue));
}

} // namespace velnora::disc
