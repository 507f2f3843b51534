#include "disc/CueSheetInDisc.h"

#include "audio/AudioDecoder.h"
#include "cdtext/PackWriter.h"

#include <QHash>

namespace velnora::disc
{

namespace
{

constexpr qsizetype PackBytes = 18;
constexpr qsizetype SizeHeader = 4;
// Eight blocks of 256 packs each: no CD-TEXT is larger.
constexpr qint64 TextFileCap = SizeHeader + 8 * 256 * PackBytes;

DiscRefusal refusal(DiscRefusal::Kind kind, int track, const DiscTrack &of)
{
    DiscRefusal r;
    r.kind = kind;
    r.track = track;
    r.path = of.path;
    r.audio = of.audio;
    r.frames = of.frames();
    return r;
}

} // namespace

namespace
{

// Whole packs, each with its CRC as it stores it: a player drops a pack whose CRC fails, and with it
// the titles it holds.
bool wholePacks(const QByteArray &packs)
{
    if (packs.isEmpty() || packs.size() % PackBytes != 0)
        return false;
    for (qsizetype at = 0; at < packs.size(); at += PackBytes) {
        const quint16 stored = quint16((static_cast<unsigned char>(packs.at(at + 16)) << 8) |
                                       static_cast<unsigned char>(packs.at(at + 17)));
        if (cdtext::packCrc(QByteArrayView(packs).sliced(at, 16)) != stored)
            return false;
    }
    return true;
}

} // namespace

QByteArray cdTextPacks(const QByteArray &file)
{
    if (file.size() > SizeHeader && (file.size() - SizeHeader) % PackBytes == 0) {
        // The header's first two bytes count what follows them, big-endian.
        const qsizetype stated =
            (qsizetype(static_cast<unsigned char>(file.at(0))) << 8) | static_cast<unsigned char>(file.at(1));
        if (stated == file.size() - 2 && wholePacks(file.mid(SizeHeader)))
            return file.mid(SizeHeader);
    }
    return wholePacks(file) ? file : QByteArray();
}

DiscCheck checkCueDisc(const CueSheet &sheet, const QByteArray &packs)
{
    DiscCheck check;
    check.cdText = packs;
    check.gaps = false;
    QHash<QString, audio::AudioInfo> probed;
    for (qsizetype i = 0; i < sheet.tracks.size(); ++i) {
        const CueTrack &cue = sheet.tracks.at(i);
        if (!probed.contains(cue.file))
            probed.insert(cue.file, audio::probeAudio(cue.file, cue.raw));
        DiscTrack track;
        track.path = cue.file;
        track.raw = cue.raw;
        track.audio = probed.value(cue.file);
        track.start = cue.start * audio::SamplesPerFrame;
        // The next track's INDEX 00 gap is its own, written as its pregap: not part of this track.
        qint64 frames = cue.length;
        if (frames >= 0 && i + 1 < sheet.tracks.size())
            frames -= sheet.tracks.at(i + 1).pregap;
        track.length = frames < 0 ? -1 : frames * audio::SamplesPerFrame;
        check.tracks.append(track);

        // A disc starts with its own 2-second pregap: the first track's INDEX 00 has none more.
        const qint64 gap = i > 0 ? cue.pregap : 0;
        check.gaps = check.gaps || gap > 0;
        check.length.gaps.append(gap);
        check.length.frames += gap;
        check.length.starts.append(check.length.frames);
        check.length.frames += track.frames();

        const int number = static_cast<int>(i + 1);
        if (!track.audio.ok())
            check.refusals.append(refusal(DiscRefusal::Kind::Undecodable, number, track));
        else if (track.samples() < MinTrackFrames * audio::SamplesPerFrame)
            check.refusals.append(refusal(DiscRefusal::Kind::TooShort, number, track));
    }
    if (check.length.overLimit()) {
        DiscRefusal r;
        r.kind = DiscRefusal::Kind::OverLimit;
        r.frames = check.length.frames;
        check.refusals.append(r);
    }
    return check;
}

CueDisc readCueDisc(const QString &cuePath)
{
    CueDisc disc;
    disc.read = readCueSheet(cuePath);
    if (!disc.read.ok()) {
        disc.problem = CueDisc::Problem::Sheet;
        return disc;
    }
    QByteArray packs;
    if (!disc.read.sheet.textFile.isEmpty()) {
        const FileRead file = readFileBounded(disc.read.sheet.textFile, TextFileCap, Links::Follow);
        if (file.error.failed()) {
            disc.problem = CueDisc::Problem::TextFile;
            disc.error = file.error;
            return disc;
        }
        if (file.tooLarge) {
            disc.problem = CueDisc::Problem::TextTooLarge;
            return disc;
        }
        packs = cdTextPacks(file.bytes);
        if (packs.isEmpty()) {
            disc.problem = CueDisc::Problem::NotPacks;
            return disc;
        }
    }
    disc.check = checkCueDisc(disc.read.sheet, packs);
    return disc;
}

} // namespace velnora::disc
