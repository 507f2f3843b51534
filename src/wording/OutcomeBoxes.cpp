#include "wording/OutcomeBoxes.h"

#include "burn/BurnTexts.h"

#include "disc/DiscTexts.h"
#include "messages/CdTextMessages.h"
#include "messages/Messages.h"
#include "platform/CorePlatform.h"

namespace velnora
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

Box note(const QString &text)
{
    return {text, QString(), BoxIcon::None, BoxButtons::Ok};
}

Box stop(const QString &text, const QString &title)
{
    return {text, title, BoxIcon::Stop, BoxButtons::Ok};
}

// A file that could not be opened: said at start-up and on a drop; "開く" says only the cap.
QList<Box> openBoxes(const Outcome &outcome)
{
    const bool tooLarge = outcome.refusal == Outcome::Refusal::TooLarge;
    switch (outcome.command) {
    case Outcome::Command::StartUp:
        return {note(messages::cannotOpen() + CrLf +
                     (tooLarge ? messages::overCapReason() : messages::notAFileReason()))};
    case Outcome::Command::Open:
        if (outcome.refusal == Outcome::Refusal::CueSheet)
            return {stop(disc::cueProblemText(outcome.cue, outcome.cueTrack), messages::cannotOpen())};
        if (tooLarge)
            return {note(messages::cannotOpen() + CrLf + messages::overCapReason())};
        return {};
    default:
        return {note(tooLarge ? messages::dropTooLarge() : messages::cannotOpen())};
    }
}

QList<Box> saveBoxes(const Outcome &outcome)
{
    SaveOutcome save;
    save.status = outcome.kind == Outcome::Kind::Failed ? SaveOutcome::Status::WriteFailed
                                                        : SaveOutcome::Status::Unencodable;
    save.error = outcome.error;
    save.refused = outcome.unencodable;
    return {stop(saveErrorMessage(outcome.file, save), saveErrorTitle())};
}

QList<Box> editBoxes(const Outcome &outcome)
{
    switch (outcome.refusal) {
    case Outcome::Refusal::InputMissing:
        return {stop(messages::inputProblemText(outcome.input), messages::inputProblemTitle(outcome.input))};
    case Outcome::Refusal::CharacterRejected:
        return {
            stop(messages::rejectionText(outcome.rejected->character.character), messages::rejectionTitle())};
    case Outcome::Refusal::None: {
        QList<Box> boxes{messages::editDone()};
        if (outcome.overCapacity())
            boxes.append({outcome.cdText.text, outcome.cdText.title, BoxIcon::Exclamation, BoxButtons::Ok});
        if (!outcome.cdText.warning.isEmpty())
            boxes.append({outcome.cdText.warning, messages::cdtextexport::nonJisTitle(), BoxIcon::Exclamation,
                          BoxButtons::Ok});
        return boxes;
    }
    default:
        return {};
    }
}

QList<Box> cdImageBoxes(const Outcome &outcome)
{
    switch (outcome.kind) {
    case Outcome::Kind::Done:
        return {messages::cdImageSaved(disc::burnCommand(outcome.image.files))};
    case Outcome::Kind::Refused: {
        QStringList changes;
        for (const disc::DiscRefusal &refusal : outcome.discRefusals)
            changes.append(disc::refusalText(refusal));
        return {messages::cdImageRefused(changes)};
    }
    case Outcome::Kind::Failed:
        return {messages::cdImageFailed(disc::imageOutcomeText(outcome.image))};
    case Outcome::Kind::Cancelled:
        // Cancelled while written: the user is told nothing was left; a question or dialog cancelled says
        // nothing.
        if (outcome.image.status == disc::ImageOutcome::Status::Cancelled)
            return {messages::cdImageCancelled(disc::imageOutcomeText(outcome.image))};
        return {};
    }
    return {};
}

QList<Box> burnBoxes(const Outcome &outcome)
{
    const burning::BurnOutcome &burn = outcome.burn;
    switch (outcome.kind) {
    case Outcome::Kind::Done:
        return {{burning::doneText(burn), messages::discwindow::burnTitle(), BoxIcon::Information,
                 BoxButtons::Ok}};
    case Outcome::Kind::Refused: {
        QStringList changes;
        for (const disc::DiscRefusal &refusal : outcome.discRefusals)
            changes.append(disc::refusalText(refusal));
        return {messages::discwindow::burnRefused(changes)};
    }
    case Outcome::Kind::Cancelled:
        // A question declined says nothing; a write stopped says what is left on the disc.
        if (burn.failure != burning::BurnOutcome::Failure::Cancelled)
            return {};
        return {{burning::failureText(burn), messages::discwindow::burnTitle(), BoxIcon::Exclamation,
                 BoxButtons::Ok}};
    case Outcome::Kind::Failed:
        return {
            {burning::failureText(burn), messages::discwindow::burnTitle(), BoxIcon::Stop, BoxButtons::Ok}};
    }
    return {};
}

} // namespace

QList<Box> outcomeBoxes(const Outcome &outcome)
{
    if (outcome.command == Outcome::Command::CdImage)
        return cdImageBoxes(outcome);
    if (outcome.command == Outcome::Command::Burn)
        return burnBoxes(outcome);
    if (outcome.kind == Outcome::Kind::Cancelled)
        return {};
    if (outcome.refusal == Outcome::Refusal::OtherInstance)
        return {note(messages::otherInstance())};
    switch (outcome.command) {
    case Outcome::Command::StartUp:
    case Outcome::Command::Open:
    case Outcome::Command::Drop:
        if (outcome.done())
            return {};
        return openBoxes(outcome);
    case Outcome::Command::Edit:
        return editBoxes(outcome);
    case Outcome::Command::Save:
        if (outcome.done())
            return {};
        return saveBoxes(outcome);
    case Outcome::Command::Import:
        if (outcome.skipped.isEmpty())
            return {};
        return {messages::skippedAudio(outcome.skipped, !outcome.done())};
    case Outcome::Command::CdImage:
    case Outcome::Command::Burn:
        break;
    case Outcome::Command::Export:
        return {{outcome.cdText.text, outcome.cdText.title,
                 outcome.done() ? BoxIcon::Information : BoxIcon::Stop, BoxButtons::Ok}};
    }
    return {};
}

void showOutcome(CorePlatform &platform, const Outcome &outcome)
{
    for (const Box &box : outcomeBoxes(outcome))
        platform.show(box);
}

} // namespace velnora
