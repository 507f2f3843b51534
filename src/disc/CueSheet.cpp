#include "disc/CueSheet.h"

namespace velnora::disc
{

namespace
{

// A cue sheet has no escape for a double quote: the text keeps its exact form in the pack file.
QByteArray quoted(QByteArray text)
{
    text.replace('"', '\'');
    for (char &c : text) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    }
    return '"' + text + '"';
}

QByteArray cueTimeBytes(qint64 frames)
{
    return cueTime(frames).toLatin1();
}

} // namespace

const cdtext::CdTextBlock *cueTextBlock(const QList<cdtext::CdTextBlock> &blocks)
{
    for (const cdtext::CdTextBlock &block : blocks) {
        if (block.tag == QLatin1String("en"))
            return &block;
    }
    return nullptr;
}

QByteArray cueSheet(const QString &cdtName, const QString &binName, const DiscLength &length,
                    const cdtext::CdTextBlock *text)
{
    QByteArray cue;
    cue += "CDTEXTFILE " + quoted(cdtName.toUtf8()) + '\n';
    if (text) {
        if (!text->album.isEmpty())
            cue += "TITLE " + quoted(text->album) + '\n';
        if (!text->artist.isEmpty())
            cue += "PERFORMER " + quoted(text->artist) + '\n';
    }
    cue += "FILE " + quoted(binName.toUtf8()) + " BINARY\n";
    for (qsizetype i = 0; i < length.starts.size(); ++i) {
        cue += QStringLiteral("  TRACK %1 AUDIO\n").arg(i + 1, 2, 10, QLatin1Char('0')).toLatin1();
        if (text && i < text->titles.size() && !text->titles.at(i).isEmpty())
            cue += "    TITLE " + quoted(text->titles.at(i)) + '\n';
        if (text && !text->artist.isEmpty())
            cue += "    PERFORMER " + quoted(text->artist) + '\n';
        const qint64 start = length.starts.at(i);
        if (length.gaps.at(i) > 0)
            cue += "    INDEX 00 " + cueTimeBytes(start - length.gaps.at(i)) + '\n';
        cue += "    INDEX 01 " + cueTimeBytes(start) + '\n';
    }
    return cue;
}

} // namespace velnora::disc
