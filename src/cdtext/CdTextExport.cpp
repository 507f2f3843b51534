#include "cdtext/CdTextExport.h"

#include "cdtext/CdTextTexts.h"
#include "cdtext/JisX0208.h"
#include "cdtext/PackWriter.h"
#include "messages/CdTextMessages.h"

namespace velnora::cdtext
{

namespace
{

namespace words = messages::cdtextexport;

// A long list would make the box taller than the screen.
constexpr qsizetype MaxListedLines = 20;

QString headOf(UnwritableCharacter::Reason reason)
{
    switch (reason) {
    case UnwritableCharacter::Reason::NotInLatin1:
        return words::notInLatin1Head();
    case UnwritableCharacter::Reason::NotInCp932:
        return words::notInCp932Head();
    case UnwritableCharacter::Reason::SingleByteInJa:
        break;
    }
    return words::singleByteInJaHead();
}

// One head line for each kind of refusal, then the characters of that kind.
QStringList unwritableMessage(const QList<UnwritableCharacter> &unwritable)
{
    QStringList message;
    for (const auto reason :
         {UnwritableCharacter::Reason::NotInLatin1, UnwritableCharacter::Reason::NotInCp932,
          UnwritableCharacter::Reason::SingleByteInJa}) {
        qsizetype count = 0;
        for (const UnwritableCharacter &u : unwritable) {
            if (u.reason != reason)
                continue;
            if (count == 0)
                message << headOf(reason);
            if (count < MaxListedLines)
                message << words::refusedCharacterLine(u.line, u.character);
            ++count;
        }
        if (count > MaxListedLines)
            message << words::moreCharacters(static_cast<int>(count - MaxListedLines));
    }
    return message;
}

// Every text of the blocks that a reader would refuse, album and artist first.
QStringList longTextLines(const QList<CdTextBlock> &blocks)
{
    QStringList lines;
    qsizetype count = 0;
    const auto check = [&](const QString &tag, int track, bool performer, const QByteArray &text) {
        if (text.size() <= texts::MaxTextBytes)
            return;
        if (count < MaxListedLines)
            lines << words::longTextLine(tag, track, performer, static_cast<int>(text.size()),
                                         texts::MaxTextBytes);
        ++count;
    };
    for (const CdTextBlock &block : blocks) {
        check(block.tag, 0, false, block.album);
        check(block.tag, 0, true, block.artist);
        for (qsizetype t = 0; t < block.titles.size(); ++t)
            check(block.tag, static_cast<int>(t + 1), false, block.titles.at(t));
    }
    if (count > MaxListedLines)
        lines << words::moreTexts(static_cast<int>(count - MaxListedLines));
    return lines;
}

QStringList nonJisWarning(const QList<CdTextBlock> &blocks)
{
    const QList<NonJisCharacter> found = nonJisCharacters(blocks);
    if (found.isEmpty())
        return {};
    QStringList lines{words::nonJisHead()};
    bool substituted = false;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const NonJisCharacter &c = found.at(i);
        if (i < MaxListedLines)
            lines << words::nonJisLine(c.track, c.performer, c.character, c.substitute);
        substituted = substituted || !c.substitute.isEmpty();
    }
    if (found.size() > MaxListedLines)
        lines << words::moreTexts(static_cast<int>(found.size() - MaxListedLines));
    if (substituted)
        lines << words::nonJisSubstituteNote();
    return lines;
}

} // namespace

CdTextExport exportCdText(const QString &layout)
{
    CdTextExport result;
    const LayoutBlocks parsed = layoutBlocks(layout);
    result.refusal = parsed.refusal;
    result.tracks = parsed.tracks;
    switch (parsed.refusal) {
    case Refusal::None:
    case Refusal::OverCapacity:
        break;
    case Refusal::NotALayout:
        result.message << (parsed.badLine == 0 ? words::noTitles() : words::notALayout(parsed.badLine));
        return result;
    case Refusal::Unwritable:
        result.message = unwritableMessage(parsed.unwritable);
        return result;
    case Refusal::TooManyTracks:
        result.message << words::tooManyTracks(parsed.tracks, texts::MaxTracks);
        return result;
    }

    result.warning = nonJisWarning(parsed.blocks);
    QStringList over;
    for (const CdTextBlock &block : parsed.blocks) {
        const BlockUse use{block.tag, textPacks(block)};
        result.use.append(use);
        if (use.textPacks > texts::MaxTextPacks)
            over << words::overCapacityLine(use.tag, use.textPacks, texts::MaxTextPacks);
    }
    over << longTextLines(parsed.blocks);
    if (!over.isEmpty()) {
        result.refusal = Refusal::OverCapacity;
        result.message = QStringList{words::overCapacityHead()} + over;
        return result;
    }
    result.bytes = cdTextFile(parsed.blocks);
    return result;
}

QStringList useLines(const CdTextExport &result)
{
    QStringList lines;
    for (const BlockUse &use : result.use)
        lines << words::useLine(use.tag, use.textPacks, texts::MaxTextPacks);
    return lines;
}

} // namespace velnora::cdtext
