// A cue sheet from anywhere: any text through libcue and the sheet's own FILE-type scan, and any bytes
// as the pack file it names. What is taken must be a disc the burner can be given.
#include "FuzzSupport.h"

#include "cdtext/PackWriter.h"
#include "disc/CueSheetIn.h"
#include "disc/CueSheetInDisc.h"
#include "text/TextFile.h"

using namespace velnora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const CueSheetRead read = parseCueSheet(decodeFileBytes(bytes), QStringLiteral("/nonexistent"));
    if (read.ok()) {
        FUZZ_CHECK(!read.sheet.tracks.isEmpty() && read.sheet.tracks.size() <= MaxCueTracks,
                   QString::number(read.sheet.tracks.size()));
        for (const CueTrack &track : read.sheet.tracks) {
            FUZZ_CHECK(!track.file.isEmpty(), fuzz::visible(QString::fromUtf8(bytes)));
            FUZZ_CHECK(track.start >= 0 && track.length >= -1 && track.pregap >= 0,
                       QStringLiteral("%1 %2 %3").arg(track.start).arg(track.length).arg(track.pregap));
        }
    }

    // Packs are taken whole, every CRC holding, or not at all; the program's own are taken as written.
    const QByteArray packs = disc::cdTextPacks(bytes);
    FUZZ_CHECK(packs.size() % 18 == 0, QString::number(packs.size()));
    for (qsizetype at = 0; at < packs.size(); at += 18) {
        const quint16 stored = quint16((static_cast<unsigned char>(packs.at(at + 16)) << 8) |
                                       static_cast<unsigned char>(packs.at(at + 17)));
        FUZZ_CHECK(cdtext::packCrc(QByteArrayView(packs).sliced(at, 16)) == stored, QString::number(at));
    }
    QByteArray mended = bytes.left(bytes.size() / 18 * 18);
    for (qsizetype at = 0; at < mended.size(); at += 18) {
        const quint16 crc = cdtext::packCrc(QByteArrayView(mended).sliced(at, 16));
        mended[at + 16] = char(crc >> 8);
        mended[at + 17] = char(crc & 0xff);
    }
    FUZZ_CHECK(disc::cdTextPacks(mended) == mended, QString::number(mended.size()));
    return 0;
}
