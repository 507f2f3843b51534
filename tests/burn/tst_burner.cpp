#include "burn/BurnJob.h"
#include "burn/BurnTexts.h"
#include "burn/Burner.h"
#include "burn/DecoderSource.h"
#include "burn/Drives.h"
#include "burn/GrabbedDrive.h"
#include "burn/LibburnSession.h"
#include "burn/MediumVerdict.h"
#include "cdtext/CdTextExport.h"
#include "disc/CueSheetInDisc.h"
#include "disc/DiscCheck.h"
#include "disc/ImageWriter.h"
#include "support/TestAudio.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cdio/cdtext.h>
#include <cdio/logging.h>
#include <libburn/libburn.h>

#include <cstdlib>
#include <thread>

using namespace velnora;
using namespace velnora::burning;
using namespace burn;
using testaudio::run;
using Failure = BurnOutcome::Failure;

Q_DECLARE_METATYPE(velnora::burning::BurnOutcome::Failure)
Q_DECLARE_METATYPE(velnora::burning::MediumInfo)
Q_DECLARE_METATYPE(velnora::burning::BurnOutcome)

namespace
{

constexpr qsizetype Sector = 2352;
const QString Null = QStringLiteral("stdio:/dev/null");
// libburn's words when a disc of audio tracks meets a medium that is not a CD.
const QString NotCdReason = QStringLiteral("audio track prohibited by non-CD");

const QString Layout =
    QStringLiteral("en\r\n0\tBlue Sky\tSora Trio\r\n1\tMorning\r\n2\tRain\r\n3\tNight\r\n\r\n"
                   "ja\r\n0\t青い空\t空トリオ\r\n1\t朝の歌\r\n2\t雨の日\r\n3\t夜想曲\r\n");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// libcdio's reading of packs without a header: each block's language, album, artist and titles.
QStringList readWithLibcdio(QByteArray packs)
{
    QStringList texts;
    cdtext_t *cdtext = cdtext_init();
    if (cdtext_data_init(cdtext, reinterpret_cast<uint8_t *>(packs.data()),
                         static_cast<size_t>(packs.size())) != 0) {
        cdtext_destroy(cdtext);
        return {QStringLiteral("libcdio refused the packs")};
    }
    const cdtext_lang_t *languages = cdtext_list_languages_v2(cdtext);
    for (int b = 0; b < 8; ++b) {
        if (languages[b] == CDTEXT_LANGUAGE_BLOCK_UNUSED || !cdtext_set_language_index(cdtext, b))
            continue;
        texts << QString::number(languages[b]);
        for (int t = 0; t <= cdtext_get_last_track(cdtext); ++t) {
            texts << QString::fromUtf8(cdtext_get_const(cdtext, CDTEXT_FIELD_TITLE, static_cast<track_t>(t)))
                  << QString::fromUtf8(
                         cdtext_get_const(cdtext, CDTEXT_FIELD_PERFORMER, static_cast<track_t>(t)));
        }
    }
    cdtext_destroy(cdtext);
    return texts;
}

// Every byte a source gives, sector by sector as libburn reads it; reads counts the calls that gave data.
QByteArray drain(burn_source *source, int *reads = nullptr, int *end = nullptr)
{
    QByteArray all;
    unsigned char sector[Sector];
    int n = 0;
    int calls = 0;
    while ((n = source->read(source, sector, static_cast<int>(Sector))) > 0) {
        all.append(reinterpret_cast<const char *>(sector), n);
        ++calls;
    }
    if (reads)
        *reads = calls;
    if (end)
        *end = n;
    return all;
}

} // namespace

class TestBurner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verdict_data();
    void verdict();
    void speed_data();
    void speed();
    void noDrive_data();
    void noDrive();
    void texts_data();
    void texts();
    void builtDisc_data();
    void builtDisc();
    void libburnEncoder();
    void sourcePcm_data();
    void sourcePcm();
    void sourceStops_data();
    void sourceStops();
    void writeThrough_data();
    void writeThrough();
    void burnerThread();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    disc::DiscCheck checked(bool gaps, const QStringList &names = {}) const;
    QTemporaryDir m_dir;
};

disc::DiscCheck TestBurner::checked(bool gaps, const QStringList &names) const
{
    QList<disc::DiscTrack> tracks;
    for (const QString &name : names.isEmpty() ? QStringList{QStringLiteral("a.wav"), QStringLiteral("b.wav"),
                                                             QStringLiteral("c.wav")}
                                               : names)
        tracks.append({path(name), audio::probeAudio(path(name))});
    return disc::checkDisc(Layout, tracks, gaps);
}

void TestBurner::initTestCase()
{
    cdio_loglevel_default = CDIO_LOG_ERROR;
    QVERIFY(m_dir.isValid());
    // Lengths no whole number of frames holds, and a file the decoder resamples.
    const QString script =
        QStringLiteral("cd '%1' && sox -n -r 44100 -b 16 -c 2 a.wav synth 4.5 whitenoise vol 0.5 && "
                       "sox -n -r 44100 -b 16 -c 1 b.wav synth 4.01 brownnoise vol 0.5 && "
                       "sox -n -r 48000 -b 24 -c 2 c.wav synth 4.2 sine 1000 vol 0.5 && "
                       "sox -n -r 44100 -b 16 -c 2 long.wav synth 300 whitenoise vol 0.5");
    QVERIFY(run(QStringLiteral("sh"), {QStringLiteral("-c"), script.arg(m_dir.path())}));
    for (bool gaps : {true, false}) {
        const disc::DiscCheck check = checked(gaps);
        QVERIFY(check.ok());
        QVERIFY(disc::writeCdImage(path(gaps ? "gaps.cue" : "nogaps.cue"), check).ok());
    }
}

MediumInfo medium(MediumInfo::Status status, int profile, qint64 freeFrames, bool emulated = false)
{
    MediumInfo m;
    m.status = status;
    m.profile = profile;
    m.cd = profile >= 0x08 && profile <= 0x0a;
    m.freeFrames = freeFrames;
    m.emulated = emulated;
    return m;
}

// What each medium a real writer may hold comes to, for a disc of 300,000 sectors.
void TestBurner::verdict_data()
{
    using S = MediumInfo::Status;
    QTest::addColumn<MediumInfo>("medium");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<bool>("asData");
    QTest::addColumn<Failure>("failure");

    QTest::newRow("blank CD-R that holds it")
        << medium(S::Blank, 0x09, 359849) << true << false << Failure::None;
    QTest::newRow("blank CD-RW, exactly full")
        << medium(S::Blank, 0x0a, 300000) << true << false << Failure::None;
    QTest::newRow("one sector too small")
        << medium(S::Blank, 0x09, 299999) << true << false << Failure::TooSmall;
    QTest::newRow("no disc") << medium(S::Empty, 0, 0) << false << false << Failure::NoDisc;
    QTest::newRow("a drive that never settled")
        << medium(S::Unknown, 0, 0) << false << false << Failure::NoDisc;
    QTest::newRow("written CD-R") << medium(S::Full, 0x09, 0) << false << false << Failure::NotBlank;
    QTest::newRow("CD-RW with a session open")
        << medium(S::Appendable, 0x0a, 100000) << false << false << Failure::NotBlank;
    QTest::newRow("pressed CD") << medium(S::Full, 0x08, 0) << false << false << Failure::NotBlank;
    QTest::newRow("blank DVD-R") << medium(S::Blank, 0x11, 2298496) << false << false << Failure::NotCd;
    QTest::newRow("written BD-R") << medium(S::Full, 0x41, 0) << false << false << Failure::NotCd;
    QTest::newRow("unsuitable CD") << medium(S::Unsuitable, 0x09, 0) << false << false << Failure::Unsuitable;
    QTest::newRow("libburn refuses a blank CD-R")
        << medium(S::Blank, 0x09, 359849) << false << false << Failure::Rejected;
    QTest::newRow("pseudo-drive") << medium(S::Blank, 0xffff, 1 << 30, true) << false << false
                                  << Failure::NotCd;
    QTest::newRow("pseudo-drive taking data")
        << medium(S::Blank, 0xffff, 1 << 30, true) << true << true << Failure::None;
    QTest::newRow("data to a real DVD is still no CD")
        << medium(S::Blank, 0x11, 2298496) << true << true << Failure::NotCd;
}

void TestBurner::verdict()
{
    QFETCH(MediumInfo, medium);
    QFETCH(bool, passed);
    QFETCH(bool, asData);
    QFETCH(Failure, failure);
    QCOMPARE(mediumVerdict(medium, 300000, passed, asData), failure);
}

void TestBurner::speed_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("kbps");
    QTest::newRow("the fastest") << 0 << 0;
    QTest::newRow("1x") << 1 << 177;
    QTest::newRow("4x, as libburn gives it") << 4 << 706;
    QTest::newRow("48x") << 48 << 8468;
}

void TestBurner::speed()
{
    QFETCH(int, times);
    QFETCH(int, kbps);
    QCOMPARE(speedKbps(times), kbps);
}

void TestBurner::noDrive_data()
{
    QTest::addColumn<QString>("drive");
    QTest::addColumn<bool>("emulated");
    QTest::addColumn<bool>("layout");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("said"); // the first line the user reads

    const QString noDrive = QStringLiteral("CDドライブが見つかりません。");
    // There is no CD writer on this machine.
    QTest::newRow("the first drive, and there is none")
        << QString() << false << true << Failure::NoDrive << noDrive;
    QTest::newRow("a device that is no drive")
        << QStringLiteral("/dev/null") << false << true << Failure::NoDrive << noDrive;
    QTest::newRow("no such device") << QStringLiteral("/dev/no-such-drive") << false << true
                                    << Failure::NoDrive << noDrive;
    QTest::newRow("a pseudo-drive, not allowed") << Null << false << true << Failure::NoDrive << noDrive;
    // The whole disc reaches libburn's own check, which stops it only because the drive is no CD.
    QTest::newRow("libburn's emulated drive")
        << Null << true << true << Failure::NotCd
        << QStringLiteral("このディスクはCDではありません（stdio file）。");
    QTest::newRow("a refused disc asks no drive")
        << Null << true << false << Failure::Refused
        << QStringLiteral("このディスクは作れません。ディスクの画面の「問題」を直してください。");
}

void TestBurner::noDrive()
{
    QFETCH(QString, drive);
    QFETCH(bool, emulated);
    QFETCH(bool, layout);
    QFETCH(Failure, failure);
    QFETCH(QString, said);
    disc::DiscCheck check = checked(true);
    if (!layout)
        check = disc::checkDisc(QString(), check.tracks, true);
    BurnOptions options;
    options.drive = drive;
    options.emulated = emulated;
    options.simulate = true;
    const BurnOutcome outcome = burnDisc(check, options);
    QCOMPARE(outcome.failure, failure);
    QVERIFY(!outcome.started);
    const QString text = failureText(outcome);
    QCOMPARE(text.section(QStringLiteral("\r\n"), 0, 0), said);
    if (failure == Failure::NotCd) {
        // libburn's own reason follows the program's words.
        QVERIFY2(text.contains(NotCdReason), qPrintable(text));
        QCOMPARE(outcome.medium.profile, 0xffff);
        QVERIFY(outcome.medium.emulated);
        // libburn's reasons, every one of them that the medium is not a CD.
        QVERIFY(!outcome.reasons.isEmpty());
        for (const QString &line : outcome.reasons.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            QVERIFY2(line.contains(NotCdReason), qPrintable(outcome.reasons));
    }
    // A look at the medium finds the same drive, or the same lack of one, and lets it go.
    const BurnOutcome looked = readMedium(drive, emulated);
    QCOMPARE(looked.failure, failure == Failure::NoDrive ? Failure::NoDrive : Failure::None);
    if (looked.ok()) {
        QCOMPARE(looked.medium.profile, 0xffff);
        QVERIFY(!looked.medium.cd);
        QVERIFY(looked.medium.freeFrames > 0);
    }
    // Erasing finds the same drive and refuses what is no CD-RW, without touching it.
    const BurnOutcome erased = blankMedium(drive, emulated);
    QCOMPARE(erased.failure, failure == Failure::NoDrive ? Failure::NoDrive : Failure::NotCd);
    QVERIFY(!erased.started);
    // No drive is left grabbed; the one that was is grabbed again.
    QCOMPARE(GrabbedDrive::held(), 0);
    const LibburnSession library;
    BurnOutcome again;
    const GrabbedDrive grabbed(Null, true, again);
    QVERIFY(grabbed.ok());
    QCOMPARE(again.failure, Failure::None);
    QCOMPARE(GrabbedDrive::held(), 1);
    QVERIFY(listDrives().isEmpty());
}

void TestBurner::texts_data()
{
    QTest::addColumn<BurnOutcome>("outcome");
    QTest::addColumn<QString>("text");
    const auto outcome = [](Failure failure, bool started, bool simulated) {
        BurnOutcome o;
        o.failure = failure;
        o.drive = QStringLiteral("/dev/sr0");
        o.started = started;
        o.simulated = simulated;
        o.frames = 80 * 60 * 75;
        o.medium.freeFrames = 79 * 60 * 75 + 59 * 75;
        o.medium.profileName = QStringLiteral("DVD+R");
        o.track = 3;
        o.path = QStringLiteral("/music/c.flac");
        return o;
    };
    QTest::newRow("too small: both times")
        << outcome(Failure::TooSmall, false, false)
        << u"曲の長さは80:00ですが、ディスクの空きは79:59です。\r\n曲を減らすか、曲間を切るか、80分のディスクを入れてください。"_qs;
    QTest::newRow("a DVD")
        << outcome(Failure::NotCd, false, false)
        << u"このディスクはCDではありません（DVD+R）。\r\n音楽CDはCD-RかCD-RWにしか書き込めません。"
           "CD-RかCD-RWを入れてください。"_qs;
    QTest::newRow("cancelled before the drive began")
        << outcome(Failure::Cancelled, false, false)
        << u"書き込みを中止しました。ディスクには何も書き込まれていません。"_qs;
    QTest::newRow("cancelled during a real write")
        << outcome(Failure::Cancelled, true, false)
        << u"書き込みを中止しました。\r\nディスクは途中まで書き込まれたため、おそらく使えません。"_qs;
    QTest::newRow("cancelled during a test run")
        << outcome(Failure::Cancelled, true, true)
        << u"書き込みを中止しました。\r\n試し書きなので、ディスクには何も書き込まれていません。"_qs;
    QTest::newRow("a file that failed while written")
        << outcome(Failure::Decode, true, false)
        << u"3曲目の「c."
           u"flac」が書き込み中に読めなくなりました。\r\nファイルを確かめてから、もう一度書き込んでください。"
           u"\r\n"
           "ディスクは途中まで書き込まれたため、おそらく使えません。"_qs;
    BurnOutcome said = outcome(Failure::WriteFailed, true, false);
    said.messages = {QStringLiteral("SCSI error on write"), QStringLiteral("Write failed")};
    said.reasons = QStringLiteral("Write failed\n");
    QTest::newRow("the write failed, in libburn's words once each")
        << said
        << u"書き込みに失敗しました。\r\nディスクは途中まで書き込まれたため、おそらく使えません。\r\n\r\nlibb"
           u"urn:\r\n"
           "Write failed\r\nSCSI error on write"_qs;
    BurnOutcome erase = outcome(Failure::WriteFailed, true, false);
    erase.blanking = true;
    QTest::newRow("erasing failed") << erase
                                    << u"CD-RWの消去に失敗しました。このディスクはおそらく使えません。"_qs;
    QTest::newRow("written well") << outcome(Failure::None, true, false) << QString();
}

void TestBurner::texts()
{
    QFETCH(BurnOutcome, outcome);
    QFETCH(QString, text);
    QCOMPARE(failureText(outcome), text);
}

void TestBurner::builtDisc_data()
{
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<bool>("fromCue"); // the disc as read back from the image's own cue sheet
    QTest::newRow("gaps") << true << false;
    QTest::newRow("gaps off") << false << false;
    QTest::newRow("the image's cue sheet, gaps") << true << true;
    QTest::newRow("the image's cue sheet, gaps off") << false << true;
}

void TestBurner::builtDisc()
{
    QFETCH(bool, gaps);
    QFETCH(bool, fromCue);
    const disc::DiscCheck original = checked(gaps);
    const disc::ImageFiles image = disc::imageFiles(path(gaps ? "gaps.cue" : "nogaps.cue"));
    const disc::CueDisc read = disc::readCueDisc(image.cue);
    QVERIFY(!fromCue || read.ok());
    const disc::DiscCheck check = fromCue ? read.check : original;
    const LibburnSession library;
    BurnOutcome outcome;
    const GrabbedDrive drive(Null, true, outcome);
    QVERIFY(drive.ok());
    const BurnJob job(drive.drive(), check, BurnOptions(), nullptr, nullptr);
    QVERIFY(job.ok());

    // The tracks as libburn holds them: the image's frames, its gaps as pregaps, its total.
    int count = 0;
    burn_track **tracks = burn_session_get_tracks(job.session(), &count);
    QCOMPARE(count, 3);
    const disc::DiscLength length = disc::discLength(original.tracks, gaps);
    const QByteArray bin = readAll(image.bin);
    qint64 total = 0;
    for (int i = 0; i < count; ++i) {
        QCOMPARE(burn_track_get_mode(tracks[i]) & BURN_AUDIO, BURN_AUDIO);
        QCOMPARE(qint64(burn_track_get_sectors(tracks[i])), original.tracks.at(i).audio.frames());
        if (fromCue) {
            // Each track's part of the .bin, read as raw CD audio: the image's sectors exactly.
            QVERIFY(check.tracks.at(i).raw);
            burn_source *source = decoderSource(i + 1, check.tracks.at(i), nullptr, nullptr);
            const QByteArray sectors = drain(source);
            burn_source_free(source);
            QVERIFY(sectors ==
                    bin.mid(length.starts.at(i) * Sector, burn_track_get_sectors(tracks[i]) * Sector));
        }
        total += job.pregaps().at(i);
        QCOMPARE(total, length.starts.at(i));
        total += burn_track_get_sectors(tracks[i]);
    }
    QCOMPARE(job.pregaps(), length.gaps);
    QCOMPARE(total, length.frames);
    QCOMPARE(total * Sector, bin.size());

    // The packs for the lead-in: the image's .cdt, which is the export without its 4-byte header,
    // and what libburn itself reads from that file.
    const QByteArray cdt = readAll(image.cdt);
    QCOMPARE(job.leadinPacks(), cdt);
    const QByteArray exported = cdtext::exportCdText(Layout).bytes;
    QCOMPARE(job.leadinPacks(), exported.mid(4));
    QCOMPARE((quint8(exported.at(0)) << 8 | quint8(exported.at(1))), int(cdt.size() + 2));
    unsigned char *packs = nullptr;
    int packCount = 0;
    QByteArray cdtPath = QFile::encodeName(image.cdt);
    QVERIFY(burn_cdtext_from_packfile(cdtPath.data(), &packs, &packCount, 0) > 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(packs), packCount * 18), job.leadinPacks());
    free(packs);

    // The whole disc goes to libburn's own check, which stops it only because this drive is no CD.
    QString reasons;
    QVERIFY(!job.precheck(&reasons));
    QVERIFY2(reasons.contains(NotCdReason), qPrintable(reasons));
}

// libburn's own CD-TEXT encoder, given the same texts as session and track texts, makes packs that
// libcdio reads as it reads ours.
void TestBurner::libburnEncoder()
{
    const disc::DiscCheck check = checked(true);
    QCOMPARE(check.blocks.size(), 2);
    const LibburnSession library;
    burn_session *session = burn_session_create();
    QList<burn_track *> tracks;
    int codes[8] = {}, copyrights[8] = {}, languages[8] = {};
    for (qsizetype b = 0; b < check.blocks.size(); ++b) {
        codes[b] = check.blocks.at(b).characterCode;
        languages[b] = check.blocks.at(b).language;
    }
    QVERIFY(burn_session_set_cdtext_par(session, codes, copyrights, languages, 0) > 0);
    const auto set = [](auto setter, int block, int type, QByteArray text, bool doubleByte) {
        text.append(doubleByte ? 2 : 1, '\0');
        return setter(block, type, reinterpret_cast<unsigned char *>(text.data()), int(text.size()),
                      doubleByte ? 1 : 0) > 0;
    };
    for (int t = 0; t < 3; ++t) {
        tracks.append(burn_track_create());
        burn_track_define_data(tracks.last(), 0, 0, 1, BURN_AUDIO);
        burn_session_add_track(session, tracks.last(), BURN_POS_END);
    }
    for (int b = 0; b < int(check.blocks.size()); ++b) {
        const cdtext::CdTextBlock &block = check.blocks.at(b);
        const auto disc = [session](int blk, int type, unsigned char *p, int n, int flag) {
            return burn_session_set_cdtext(session, blk, type, nullptr, p, n, flag);
        };
        QVERIFY(set(disc, b, 0x80, block.album, block.doubleByte));
        QVERIFY(set(disc, b, 0x81, block.artist, block.doubleByte));
        for (int t = 0; t < 3; ++t) {
            const auto track = [&tracks, t](int blk, int type, unsigned char *p, int n, int flag) {
                return burn_track_set_cdtext(tracks.at(t), blk, type, nullptr, p, n, flag);
            };
            QVERIFY(set(track, b, 0x80, block.titles.at(t), block.doubleByte));
            QVERIFY(set(track, b, 0x81, block.artist, block.doubleByte));
        }
    }
    unsigned char *packs = nullptr;
    int count = 0;
    QVERIFY(burn_cdtext_from_session(session, &packs, &count, 0) > 0);
    const QByteArray theirs(reinterpret_cast<const char *>(packs), count * 18);
    free(packs);
    for (burn_track *track : tracks)
        burn_track_free(track);
    burn_session_free(session);

    const QStringList read = readWithLibcdio(check.cdText);
    QCOMPARE(read.size(), 2 * (1 + 2 * 4));
    QVERIFY(read.contains(QStringLiteral("夜想曲")));
    QCOMPARE(readWithLibcdio(theirs), read);
}

void TestBurner::sourcePcm_data()
{
    QTest::addColumn<bool>("gaps");
    QTest::newRow("gaps") << true;
    QTest::newRow("gaps off") << false;
}

// Each track's source gives exactly its part of the image, sector by sector; the image's gaps are
// silence that libburn writes itself.
void TestBurner::sourcePcm()
{
    QFETCH(bool, gaps);
    const disc::DiscCheck check = checked(gaps);
    const QByteArray bin = readAll(disc::imageFiles(path(gaps ? "gaps.cue" : "nogaps.cue")).bin);
    QVERIFY(!bin.isEmpty());
    QByteArray disc;
    for (qsizetype i = 0; i < check.tracks.size(); ++i) {
        disc.append(QByteArray(check.length.gaps.at(i) * Sector, '\0'));
        SourceFailure failure;
        burn_source *source = decoderSource(int(i + 1), check.tracks.at(i), nullptr, &failure);
        QCOMPARE(qint64(source->get_size(source)), check.tracks.at(i).audio.frames() * Sector);
        int reads = 0;
        int end = -1;
        const QByteArray pcm = drain(source, &reads, &end);
        burn_source_free(source);
        QCOMPARE(end, 0);
        QCOMPARE(qint64(reads), check.tracks.at(i).audio.frames());
        QVERIFY(pcm == bin.mid(check.length.starts.at(i) * Sector, pcm.size()));
        QCOMPARE(failure.kind, SourceFailure::Kind::None);
        disc.append(pcm);
    }
    QCOMPARE(disc.size(), bin.size());
    QVERIFY(disc == bin);
}

void TestBurner::sourceStops_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("kind");

    QTest::newRow("cancelled") << QStringLiteral("cancel") << int(SourceFailure::Kind::Cancelled);
    QTest::newRow("file cut short after the check")
        << QStringLiteral("head -c 300000 a.wav > x.wav") << int(SourceFailure::Kind::Changed);
    QTest::newRow("file longer after the check")
        << QStringLiteral("sox -n -r 44100 -b 16 -c 2 x.wav synth 6 whitenoise")
        << int(SourceFailure::Kind::Changed);
    QTest::newRow("file no longer audio")
        << QStringLiteral("echo not audio > x.wav") << int(SourceFailure::Kind::Decode);
}

// A source ends with an error, not with silence: cancelled, or its file no longer what was checked.
void TestBurner::sourceStops()
{
    QFETCH(QString, change);
    QFETCH(int, kind);
    QVERIFY(QFile::copy(path("a.wav"), path("x.wav")) || QFile::exists(path("x.wav")));
    QFile::remove(path("x.wav"));
    QVERIFY(QFile::copy(path("a.wav"), path("x.wav")));
    const disc::DiscTrack track{path("x.wav"), audio::probeAudio(path("x.wav"))};
    QVERIFY(track.audio.ok());
    std::atomic<bool> cancel{false};
    SourceFailure failure;
    burn_source *source = decoderSource(2, track, &cancel, &failure);
    unsigned char sector[Sector];
    if (change == QLatin1String("cancel")) {
        QCOMPARE(source->read(source, sector, int(Sector)), int(Sector));
        cancel = true;
    } else {
        QVERIFY(run(
            QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("cd '%1' && rm x.wav && %2").arg(m_dir.path(), change)}));
    }
    int reads = 0;
    int end = 0;
    const QByteArray pcm = drain(source, &reads, &end);
    burn_source_free(source);
    QCOMPARE(end, -1);
    QVERIFY(qint64(pcm.size()) < track.audio.frames() * Sector);
    QCOMPARE(int(failure.kind), kind);
    QCOMPARE(failure.track, 2);
    QCOMPARE(failure.path, track.path);
}

void TestBurner::writeThrough_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<int>("track");

    QTest::newRow("written") << QString() << Failure::None << 0;
    QTest::newRow("cancelled as it writes") << QStringLiteral("cancel") << Failure::Cancelled << 0;
    QTest::newRow("a file that fails as it is written")
        << QStringLiteral("echo not audio > x.wav") << Failure::Decode << 1;
}

// The whole write, polled to its end, where libburn allows it without a CD writer: the tracks as
// data on a pseudo-drive that is a file.
void TestBurner::writeThrough()
{
    QFETCH(QString, change);
    QFETCH(Failure, failure);
    QFETCH(int, track);
    QFile::remove(path("x.wav"));
    QVERIFY(QFile::copy(path("c.wav"), path("x.wav")));
    const bool cancel = change == QLatin1String("cancel");
    // One track: libburn's pseudo-drives take no more in one write.
    const QString name = path(cancel ? "long.wav" : "x.wav");
    const disc::DiscCheck check = disc::checkDisc(QStringLiteral("en\r\n0\tOne\tTrio\r\n1\tOne\r\n"),
                                                  {{name, audio::probeAudio(name)}}, true);
    QVERIFY(check.ok());
    if (!change.isEmpty() && !cancel)
        QVERIFY(run(
            QStringLiteral("sh"),
            {QStringLiteral("-c"), QStringLiteral("cd '%1' && rm x.wav && %2").arg(m_dir.path(), change)}));
    const QString target = path("disc.raw");
    QFile::remove(target);
    BurnOptions options;
    options.drive = QStringLiteral("stdio:") + target;
    options.emulated = true;
    options.asData = true;
    std::atomic<bool> stop{false};
    QList<BurnProgress> seen;
    const BurnOutcome outcome = burnDisc(
        check, options,
        [&](const BurnProgress &now) {
            seen.append(now);
            if (cancel)
                stop = true;
        },
        &stop);
    QVERIFY2(outcome.failure == failure,
             qPrintable(outcome.reasons + outcome.messages.join(QLatin1Char('\n'))));
    QVERIFY(outcome.started);
    QCOMPARE(GrabbedDrive::held(), 0);
    QCOMPARE(outcome.track, track);
    QVERIFY(!seen.isEmpty());
    if (failure == Failure::None) {
        QCOMPARE(seen.last().phase, BurnProgress::Phase::Done);
        QCOMPARE(seen.last().percent, 100);
        QByteArray expected;
        for (qsizetype i = 0; i < check.tracks.size(); ++i) {
            QByteArray pcm = testaudio::decodeAll(check.tracks.at(i).path);
            pcm.append(QByteArray(check.tracks.at(i).audio.frames() * Sector - pcm.size(), '\0'));
            pcm.append(QByteArray((2048 - pcm.size() % 2048) % 2048, '\0'));
            expected += pcm;
        }
        const QByteArray written = readAll(target);
        QCOMPARE(written.size(), expected.size());
        QVERIFY(written == expected);
    }
    if (failure == Failure::Decode) {
        QCOMPARE(outcome.path, path("x.wav"));
        QVERIFY(!outcome.audio.ok());
    }
}

// The burner's own thread: the caller polls it, cancels it and waits for its end; progress is told
// on the burner's thread, not the caller's.
void TestBurner::burnerThread()
{
    Burner burner;
    BurnOptions options;
    options.drive = Null;
    options.emulated = true;
    QVERIFY(burner.start(checked(true), options));
    QTRY_VERIFY_WITH_TIMEOUT(burner.finished(), 30000);
    const BurnOutcome refused = burner.wait();
    QCOMPARE(refused.failure, Failure::NotCd);
    QCOMPARE(refused.drive, Null);

    // Again on the same object, as data to the pseudo-drive, cancelled once the drive is polled.
    const QString name = path("long.wav");
    const disc::DiscCheck check = disc::checkDisc(QStringLiteral("en\r\n0\tOne\tTrio\r\n1\tOne\r\n"),
                                                  {{name, audio::probeAudio(name)}}, true);
    options.asData = true;
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> elsewhere{true};
    QVERIFY(burner.start(check, options, [&](const BurnProgress &) {
        if (std::this_thread::get_id() == caller)
            elsewhere = false;
    }));
    QVERIFY(!burner.start(check, options) || burner.finished());
    QTRY_VERIFY_WITH_TIMEOUT(burner.progress().tracks == 1, 30000);
    QVERIFY(!burner.finished());
    burner.cancel();
    const BurnOutcome cancelled = burner.wait();
    QCOMPARE(cancelled.failure, Failure::Cancelled);
    QVERIFY(cancelled.started);
    QVERIFY(elsewhere);
    QCOMPARE(GrabbedDrive::held(), 0);
}

QTEST_GUILESS_MAIN(TestBurner)
#include "tst_burner.moc"
