#include "cdtext/CdTextExport.h"
#include "disc/CueSheet.h"
#include "disc/DiscCheck.h"
#include "disc/DiscTexts.h"
#include "disc/ImageWriter.h"
#include "files/FileAccess.h"
#include "support/TestAudio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace velnora;
using namespace velnora::disc;
using testaudio::run;

namespace
{

const QString Layout =
    QStringLiteral("en\r\n0\tBlue Sky\tSora Trio\r\n1\tMorning\r\n2\tRain\r\n3\tNight\r\n\r\n"
                   "ja\r\n0\t青い空\t空トリオ\r\n1\t朝の歌\r\n2\t雨の日\r\n3\t夜想曲\r\n");
const QString JaOnly = QStringLiteral("ja\r\n0\t青い空\t空トリオ\r\n1\t朝の歌\r\n2\t雨の日\r\n3\t夜想曲\r\n");

DiscTrack fakeTrack(const QString &name, qint64 samples)
{
    DiscTrack track;
    track.path = QStringLiteral("/music/") + name;
    track.audio.samples = samples;
    return track;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDiscImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void length_data();
    void length();
    void sheet_data();
    void sheet();
    void refusals_data();
    void refusals();
    void image_data();
    void image();
    void notWritten_data();
    void notWritten();
    void cutFile_data();
    void cutFile();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QList<DiscTrack> probed(const QStringList &names) const;
    QTemporaryDir m_dir;
};

QList<DiscTrack> TestDiscImage::probed(const QStringList &names) const
{
    QList<DiscTrack> tracks;
    for (const QString &name : names)
        tracks.append({path(name), audio::probeAudio(path(name))});
    return tracks;
}

void TestDiscImage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Lengths no whole number of frames holds, so every track's padding shows.
    const QString script = QStringLiteral(
        "cd '%1' && sox -n -r 44100 -b 16 -c 2 n.wav synth 4.5 whitenoise pinknoise vol 0.5 && "
        "flac -s n.wav -o one.flac && "
        "sox -n -r 44100 -b 16 -c 1 two.wav synth 4.01 brownnoise vol 0.5 && "
        "sox -n -r 48000 -b 24 -c 2 s.wav synth 4.2 sine 1000 vol 0.5 && lame --quiet s.wav three.mp3 && "
        "sox -n -r 44100 -b 16 -c 2 short.wav synth 3.99 sine 440 && "
        "sox -n -r 44100 -b 16 -c 2 whole.wav synth 9 whitenoise vol 0.5 && "
        "sox whole.wav -t raw whole.pcm");
    QVERIFY(run(QStringLiteral("sh"), {QStringLiteral("-c"), script.arg(m_dir.path())}));
}

void TestDiscImage::length_data()
{
    QTest::addColumn<QList<qint64>>("frames");
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<QList<qint64>>("starts");
    QTest::addColumn<qint64>("total");

    QTest::newRow("gaps after the first track")
        << QList<qint64>{300, 400, 500} << true << QList<qint64>{0, 450, 1000} << qint64(1500);
    QTest::newRow("gaps off") << QList<qint64>{300, 400, 500} << false << QList<qint64>{0, 300, 700}
                              << qint64(1200);
    QTest::newRow("one track has no gap") << QList<qint64>{300} << true << QList<qint64>{0} << qint64(300);
}

void TestDiscImage::length()
{
    QFETCH(QList<qint64>, frames);
    QFETCH(bool, gaps);
    QFETCH(QList<qint64>, starts);
    QFETCH(qint64, total);
    const DiscLength length = discLength(frames, gaps);
    QCOMPARE(length.starts, starts);
    QCOMPARE(length.frames, total);
    QCOMPARE(cueTime(length.frames), QStringLiteral("00:%1:%2")
                                         .arg(total / 75, 2, 10, QLatin1Char('0'))
                                         .arg(total % 75, 2, 10, QLatin1Char('0')));
}

void TestDiscImage::sheet_data()
{
    QTest::addColumn<bool>("withText");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("en texts, a quote and an untitled track")
        << true
        << QByteArray(
               "CDTEXTFILE \"a.cdt\"\nTITLE \"Say 'Hi'\"\nPERFORMER \"Trio\"\nFILE \"a.bin\" BINARY\n"
               "  TRACK 01 AUDIO\n    TITLE \"One\"\n    PERFORMER \"Trio\"\n    INDEX 01 00:00:00\n"
               "  TRACK 02 AUDIO\n    PERFORMER \"Trio\"\n    INDEX 00 01:00:00\n    INDEX 01 01:02:00\n");
    QTest::newRow("no texts")
        << false
        << QByteArray("CDTEXTFILE \"a.cdt\"\nFILE \"a.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                      "  TRACK 02 AUDIO\n    INDEX 00 01:00:00\n    INDEX 01 01:02:00\n");
}

void TestDiscImage::sheet()
{
    QFETCH(bool, withText);
    QFETCH(QByteArray, expected);
    cdtext::CdTextBlock block;
    block.tag = QStringLiteral("en");
    block.album = "Say \"Hi\"";
    block.artist = "Trio";
    block.titles = {"One", ""};
    const DiscLength length = discLength(QList<qint64>{4500, 300}, true);
    QCOMPARE(cueSheet(QStringLiteral("a.cdt"), QStringLiteral("a.bin"), length, withText ? &block : nullptr),
             expected);
}

void TestDiscImage::refusals_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QList<DiscTrack>>("tracks");
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<QStringList>("texts"); // every refusal, in order
    QTest::addColumn<bool>("overWarning");

    const qint64 minute = 60 * 44100;
    const QList<DiscTrack> three{fakeTrack(QStringLiteral("a.flac"), minute),
                                 fakeTrack(QStringLiteral("b.flac"), minute),
                                 fakeTrack(QStringLiteral("c.flac"), minute)};
    QTest::newRow("fits") << Layout << three << true << QStringList() << false;
    QTest::newRow("no layout") << QString() << three << true
                               << QStringList{QStringLiteral(
                                      "曲名がありません。曲名を入力して「編集」してください。")}
                               << false;
    QTest::newRow("blanks only") << QStringLiteral(" \r\n") << three << true
                                 << QStringList{QStringLiteral(
                                        "曲名がありません。曲名を入力して「編集」してください。")}
                                 << false;
    QTest::newRow("not a layout: the export's own words")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tOne\r\nstray line\r\n") << three << true
        << QStringList{cdtext::exportCdText(QStringLiteral("en\r\n0\tA\tB\r\n1\tOne\r\nstray line\r\n"))
                           .message.join(QStringLiteral("\r\n"))}
        << false;
    QTest::newRow("fewer files than tracks")
        << Layout << three.mid(0, 2) << true
        << QStringList{QStringLiteral(
               "音声ファイルが2個、曲が3曲あります。曲と同じ数の音声ファイルにしてください。")}
        << false;
    QTest::newRow("more files than tracks")
        << Layout << three + three.mid(0, 1) << true
        << QStringList{QStringLiteral(
               "音声ファイルが4個、曲が3曲あります。曲と同じ数の音声ファイルにしてください。")}
        << false;

    QList<DiscTrack> broken = three;
    broken[1].audio.problem = audio::AudioProblem::DecodeFailed;
    broken[1].audio.detail = QStringLiteral("Invalid data found when processing input");
    QTest::newRow("a file that cannot be decoded")
        << Layout << broken << true
        << QStringList{QStringLiteral(
               "2曲目の「b.flac」: 音声が壊れています: Invalid data found when processing "
               "input。別のファイルにしてください。")}
        << false;

    QList<DiscTrack> shortOne = three;
    shortOne[2].audio.samples = 4 * 44100 - 1;
    QTest::newRow("one sample under 4 seconds")
        << Layout << shortOne << true
        << QStringList{QStringLiteral("3曲目の「c.flac」は4秒より短い音声です。4秒以上の曲にしてください。")}
        << false;
    shortOne[2].audio.samples = 4 * 44100;
    QTest::newRow("4 seconds exactly") << Layout << shortOne << true << QStringList() << false;

    // 359,700 frames of audio: with the two gaps 360,000, the most a disc holds; one sample more is over.
    QList<DiscTrack> full = three;
    full[2].audio.samples = (360000 - 300) * qint64(588) - 2 * minute;
    QTest::newRow("80 minutes with the gaps") << Layout << full << true << QStringList() << true;
    full[2].audio.samples += 1;
    QTest::newRow("one frame over 80 minutes")
        << Layout << full << true
        << QStringList{QStringLiteral(
               "ディスクが80分00秒あり、80分を超えます。曲を減らすか、曲間を切ってください。")}
        << true;
    QTest::newRow("the same without gaps fits") << Layout << full << false << QStringList() << true;
    full[2].audio.samples = (333000 - 300) * qint64(588) - 2 * minute;
    QTest::newRow("74 minutes is no warning") << Layout << full << true << QStringList() << false;
    full[2].audio.samples += 1;
    QTest::newRow("a frame over 74 minutes warns") << Layout << full << true << QStringList() << true;

    QString overCapacity = QStringLiteral("en\r\n0\tA\tB\r\n");
    for (int t = 1; t <= 3; ++t)
        overCapacity += QStringLiteral("%1\t%2\r\n").arg(t).arg(QString(253, QLatin1Char('x')));
    const QStringList capacity = cdtext::exportCdText(overCapacity).message;
    QVERIFY(!capacity.isEmpty());
    QTest::newRow("CD-TEXT over capacity")
        << overCapacity << three << true << QStringList{capacity.join(QStringLiteral("\r\n"))} << false;
    QTest::newRow("every refusal at once")
        << Layout << QList<DiscTrack>{broken.at(1), shortOne.at(0)} << true
        << QStringList{QStringLiteral(
                           "音声ファイルが2個、曲が3曲あります。曲と同じ数の音声ファイルにしてください。"),
                       QStringLiteral(
                           "1曲目の「b.flac」: 音声が壊れています: Invalid data found when processing "
                           "input。別のファイルにしてください。")}
        << false;
}

void TestDiscImage::refusals()
{
    QFETCH(QString, layout);
    QFETCH(QList<DiscTrack>, tracks);
    QFETCH(bool, gaps);
    QFETCH(QStringList, texts);
    QFETCH(bool, overWarning);
    const DiscCheck check = checkDisc(layout, tracks, gaps);
    QStringList got;
    for (const DiscRefusal &refusal : check.refusals)
        got << refusalText(refusal);
    QCOMPARE(got, texts);
    QCOMPARE(check.ok(), texts.isEmpty());
    QCOMPARE(check.overWarning(), overWarning);
    if (!check.ok()) {
        // Refused before anything is written.
        const QString cue = path(QStringLiteral("refused.cue"));
        QCOMPARE(writeCdImage(cue, check).status, ImageOutcome::Status::Refused);
        QVERIFY(!QFile::exists(cue));
        QVERIFY(!QFile::exists(path(QStringLiteral("refused.bin"))));
    }
}

void TestDiscImage::image_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<QList<qint64>>("starts");  // each track's INDEX 01, as libcdio reads the sheet
    QTest::addColumn<QByteArray>("sheetTitle"); // the sheet's TITLE line of track 1; empty for none

    // Tracks of 338, 301 and 315 frames (4.5 s, 4.01 s, and 4.2 s from MP3).
    QTest::newRow("gaps") << Layout << true << QList<qint64>{0, 488, 939}
                          << QByteArray("    TITLE \"Morning\"\n");
    QTest::newRow("no gaps") << Layout << false << QList<qint64>{0, 338, 639}
                             << QByteArray("    TITLE \"Morning\"\n");
    // libcdio puts the sheet's TITLE lines into block 0 as ISO-8859-1: over a Japanese block they would
    // turn its text into nonsense, so a disc without "en" has none.
    QTest::newRow("Japanese block alone") << JaOnly << true << QList<qint64>{0, 488, 939} << QByteArray();
    QTest::newRow("ISO-8859-1 in the sheet as in the en block")
        << QStringLiteral("en\r\n0\tBlue Sky\tSora Trio\r\n1\tCafé\r\n2\tRain\r\n3\tNight\r\n\r\n") + JaOnly
        << true << QList<qint64>{0, 488, 939} << QByteArray("    TITLE \"Caf\xe9\"\n");
}

void TestDiscImage::image()
{
    QFETCH(QString, layout);
    QFETCH(bool, gaps);
    QFETCH(QList<qint64>, starts);
    QFETCH(QByteArray, sheetTitle);
    const DiscCheck check = checkDisc(
        layout, probed({QStringLiteral("one.flac"), QStringLiteral("two.wav"), QStringLiteral("three.mp3")}),
        gaps);
    QVERIFY(check.ok());
    QTemporaryDir out;
    const QString cue = out.filePath(QStringLiteral("アルバム.cue"));
    QList<QPair<int, int>> progress;
    const ImageOutcome outcome = writeCdImage(cue, check, [&](int track, int percent) {
        progress.append({track, percent});
    });
    QVERIFY2(outcome.ok(), qPrintable(imageOutcomeText(outcome)));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("アルバム.bin"), QStringLiteral("アルバム.cdt"),
                          QStringLiteral("アルバム.cue")}));
    QCOMPARE(progress.last(), (QPair<int, int>{3, 100}));
    for (qsizetype i = 1; i < progress.size(); ++i)
        QVERIFY(progress.at(i).second >= progress.at(i - 1).second &&
                progress.at(i).first >= progress.at(i - 1).first);

    const QByteArray sheet = readAll(cue);
    QVERIFY(sheet.startsWith("CDTEXTFILE \"アルバム.cdt\"\n"));
    QCOMPARE(sheet.count("FILE \"アルバム.bin\" BINARY\n"), qsizetype(1));
    QCOMPARE(sheet.count("INDEX 00"), qsizetype(gaps ? 2 : 0));
    if (sheetTitle.isEmpty())
        QVERIFY(!sheet.contains("TITLE"));
    else
        QVERIFY2(sheet.contains("  TRACK 01 AUDIO\n" + sheetTitle), sheet.constData());

    const QByteArray bin = readAll(outcome.files.bin);
    const qint64 total = starts.last() + 315;
    QCOMPARE(bin.size(), qsizetype(total * 2352));

    // libcdio: every track where it starts, and the CD-TEXT of every block.
    QByteArray info;
    QVERIFY(run(
        QStringLiteral("cd-info"),
        {QStringLiteral("--no-device-info"), QStringLiteral("--no-cddb"), QStringLiteral("--cue-file"), cue},
        &info));
    const QString text = QString::fromUtf8(info);
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const QRegularExpression row(
            QStringLiteral("\\n\\s*%1: \\d\\d:\\d\\d:\\d\\d  0*%2 audio").arg(i + 1).arg(starts.at(i)));
        QVERIFY2(row.match(text).hasMatch(), qPrintable(text));
    }
    QVERIFY2(text.contains(QStringLiteral("TITLE: 朝の歌")) &&
                 text.contains(QStringLiteral("PERFORMER: 空トリオ")) &&
                 text.contains(QStringLiteral("TITLE: 夜想曲")),
             qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("CD-Text size is too small")));
    if (layout == Layout)
        QVERIFY2(text.contains(QStringLiteral("TITLE: Morning")) &&
                     text.contains(QStringLiteral("TITLE: Blue Sky")),
                 qPrintable(text));

    // The PCM at the frames libcdio gives: the lossless tracks as their own decoders make them.
    QVERIFY(
        run(QStringLiteral("flac"), {QStringLiteral("-s"), QStringLiteral("-d"), QStringLiteral("-f"),
                                     QStringLiteral("--force-raw-format"), QStringLiteral("--endian=little"),
                                     QStringLiteral("--sign=signed"), path(QStringLiteral("one.flac")),
                                     QStringLiteral("-o"), out.filePath(QStringLiteral("one.pcm"))}));
    QVERIFY(run(QStringLiteral("sox"), {path(QStringLiteral("two.wav")), QStringLiteral("-t"),
                                        QStringLiteral("raw"), out.filePath(QStringLiteral("two.pcm")),
                                        QStringLiteral("remix"), QStringLiteral("1"), QStringLiteral("1")}));
    const QByteArray one = readAll(out.filePath(QStringLiteral("one.pcm")));
    const QByteArray two = readAll(out.filePath(QStringLiteral("two.pcm")));
    QCOMPARE(one.size(), qsizetype(198450 * 4));
    QVERIFY(bin.mid(starts.at(0) * 2352, one.size()) == one);
    QVERIFY(bin.mid(starts.at(0) * 2352 + one.size(), 338 * 2352 - one.size()).count('\0') ==
            338 * 2352 - one.size());
    QVERIFY(bin.mid(starts.at(1) * 2352, two.size()) == two);
    if (gaps)
        QCOMPARE(bin.mid(338 * 2352, 150 * 2352).count('\0'), qsizetype(150 * 2352));
    const QByteArray three = bin.mid(starts.at(2) * 2352, 315 * 2352);
    QVERIFY(std::abs(testaudio::frequency(three, 0) - 1000.0) < 2.0);

    // cdrskin parses the sheet, the pack file and their CRCs, and stops only at the missing disc.
    QProcess cdrskin;
    cdrskin.setWorkingDirectory(out.path());
    cdrskin.start(QStringLiteral("cdrskin"),
                  {QStringLiteral("--allow_emulated_drives"), QStringLiteral("dev=stdio:/dev/null"),
                   QStringLiteral("-sao"), QStringLiteral("-text"), QStringLiteral("cuefile=") + cue});
    QVERIFY(cdrskin.waitForFinished(60000));
    const QString said = QString::fromUtf8(cdrskin.readAllStandardError() + cdrskin.readAllStandardOutput());
    QVERIFY2(said.contains(QStringLiteral("audio track prohibited by non-CD")), qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("FATAL")) || said.count(QStringLiteral("FATAL")) == 1,
             qPrintable(said));
}

void TestDiscImage::notWritten_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<ImageOutcome::Status>("status");
    QTest::addColumn<QString>("text");

    QTest::newRow("cancel at the first block")
        << QStringLiteral("cancel first") << ImageOutcome::Status::Cancelled
        << QStringLiteral("CDイメージの保存を取り消しました。ファイルは作られていません。");
    QTest::newRow("cancel in the last track")
        << QStringLiteral("cancel last") << ImageOutcome::Status::Cancelled
        << QStringLiteral("CDイメージの保存を取り消しました。ファイルは作られていません。");
    QTest::newRow("a file changed since the check")
        << QStringLiteral("changed") << ImageOutcome::Status::Failed
        << QStringLiteral(
               "2曲目の「two."
               "wav」の長さが確かめたときと違います。ファイルを確かめて、もう一度保存してください。");
    // FLAC's own count of its samples is trusted when checked; the file that holds fewer fails then.
    QTest::newRow("a FLAC cut short")
        << QStringLiteral("cut") << ImageOutcome::Status::Failed
        << QStringLiteral(
               "2曲目の「cut.flac」: 音声が壊れています: Invalid data found when processing input");
    QTest::newRow("a file gone since the check")
        << QStringLiteral("gone") << ImageOutcome::Status::Failed
        << QStringLiteral("2曲目の「two.wav」: 読めません: そのようなファイルやディレクトリはありません");
    QTest::newRow("a name a cue sheet cannot hold")
        << QStringLiteral("quote") << ImageOutcome::Status::Failed
        << QStringLiteral("「a\"b.cue」: ファイル名に「\"」や制御文字は使えません。別の名前にしてください。");
    QTest::newRow("a full disk") << QStringLiteral("full") << ImageOutcome::Status::Failed << QString();
    // A file-size limit stops root too: the write fails with EFBIG once SIGXFSZ is ignored.
    QTest::newRow("a file-size limit")
        << QStringLiteral("limit") << ImageOutcome::Status::Failed << QString();
    QTest::newRow("a folder that is a file")
        << QStringLiteral("not a folder") << ImageOutcome::Status::Failed << QString();
}

void TestDiscImage::notWritten()
{
    QFETCH(QString, how);
    QFETCH(ImageOutcome::Status, status);
    QFETCH(QString, text);
    QTemporaryDir out;
    // The second track is a copy of its own in the output folder, so it can change.
    QVERIFY(QFile::copy(path(QStringLiteral("two.wav")), out.filePath(QStringLiteral("two.wav"))));
    QList<DiscTrack> tracks =
        probed({QStringLiteral("one.flac"), QStringLiteral("two.wav"), QStringLiteral("three.mp3")});
    tracks[1] = {out.filePath(QStringLiteral("two.wav")),
                 audio::probeAudio(out.filePath(QStringLiteral("two.wav")))};
    if (how == QLatin1String("cut")) {
        const QString cut = out.filePath(QStringLiteral("cut.flac"));
        QFile::copy(path(QStringLiteral("one.flac")), cut);
        QVERIFY(QFile::resize(cut, QFileInfo(cut).size() * 2 / 3));
        tracks[1] = {cut, audio::probeAudio(cut)};
        QCOMPARE(tracks[1].audio.samples, qint64(198450));
    }
    const DiscCheck check = checkDisc(Layout, tracks, true);
    QVERIFY(check.ok());
    if (how == QLatin1String("changed"))
        QVERIFY(QFile::remove(tracks[1].path) &&
                QFile::copy(path(QStringLiteral("one.flac")), tracks[1].path));
    if (how == QLatin1String("gone"))
        QVERIFY(QFile::remove(tracks[1].path));

    QString folder = out.path();
    QTemporaryDir small;
    if (how == QLatin1String("full")) {
        // A 1 MiB tmpfs takes the start of the image and then no more.
        folder = small.path();
        if (!run(QStringLiteral("mount"),
                 {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                  QStringLiteral("size=1m"), QStringLiteral("tmpfs"), folder}))
            QSKIP("no tmpfs can be mounted here");
    }
    if (how == QLatin1String("not a folder"))
        folder = out.filePath(QStringLiteral("two.wav"));
    const QString cue =
        folder + (how == QLatin1String("quote") ? QStringLiteral("/a\"b.cue") : QStringLiteral("/x.cue"));
    rlimit was{};
    getrlimit(RLIMIT_FSIZE, &was);
    const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN);
    if (how == QLatin1String("limit")) {
        const rlimit limit{1024 * 1024, was.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    std::atomic<bool> cancel = false;
    const ImageOutcome outcome = writeCdImage(
        cue, check,
        [&](int track, int) {
            if (how == QLatin1String("cancel first") || (how == QLatin1String("cancel last") && track == 3))
                cancel = true;
        },
        &cancel);
    setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, sigxfsz);
    if (how == QLatin1String("not a folder"))
        folder = out.path();
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    if (how == QLatin1String("full"))
        run(QStringLiteral("umount"), {folder});
    QCOMPARE(outcome.status, status);
    if (text.isEmpty()) {
        QCOMPARE(outcome.failure, ImageOutcome::Failure::Write);
        const int code = how == QLatin1String("full")    ? ENOSPC
                         : how == QLatin1String("limit") ? EFBIG
                                                         : ENOTDIR;
        QCOMPARE(outcome.code, code);
        QCOMPARE(outcome.path, outcome.files.bin);
        QCOMPARE(imageOutcomeText(outcome),
                 QStringLiteral("「%1」に書き込めません: %2").arg(outcome.path, systemReason(code)));
    } else {
        QCOMPARE(imageOutcomeText(outcome), text);
    }
    // Nothing left behind: no image file, no file under a name of its own.
    QStringList expected{QStringLiteral("two.wav")};
    if (how == QLatin1String("gone") || how == QLatin1String("full"))
        expected.clear();
    if (how == QLatin1String("cut"))
        expected.prepend(QStringLiteral("cut.flac"));
    QCOMPARE(left, expected);
}

using Parts = QList<QPair<qint64, qint64>>; // each track's start and length in frames; -1 to the end
Q_DECLARE_METATYPE(Parts)

void TestDiscImage::cutFile_data()
{
    QTest::addColumn<Parts>("parts"); // of whole.wav: 9 seconds, 675 frames
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<QList<qint64>>("starts");
    QTest::addColumn<QStringList>("refusals");

    QTest::newRow("two parts without gaps: the file bit for bit")
        << Parts{{0, 338}, {338, -1}} << false << QList<qint64>{0, 338} << QStringList{};
    QTest::newRow("parts that skip and overlap, with a gap")
        << Parts{{0, 300}, {100, 400}, {375, -1}} << true << QList<qint64>{0, 450, 1000} << QStringList{};
    QTest::newRow("a part past 4 seconds from the end is too short")
        << Parts{{0, 400}, {400, 400}} << false << QList<qint64>{0, 400}
        << QStringList{
               QStringLiteral("2曲目の「whole.wav」は4秒より短い音声です。4秒以上の曲にしてください。")};
}

// One file cut into the tracks a cue sheet gives: each part's PCM where libcdio's sheet puts it.
void TestDiscImage::cutFile()
{
    QFETCH(Parts, parts);
    QFETCH(bool, gaps);
    QFETCH(QList<qint64>, starts);
    QFETCH(QStringList, refusals);
    const DiscTrack whole = probed({QStringLiteral("whole.wav")}).constFirst();
    QCOMPARE(whole.audio.samples, qint64(9 * 44100));
    QList<DiscTrack> tracks;
    QString layout = QStringLiteral("ja\r\n0\t盤\t歌手\r\n");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        DiscTrack part = whole;
        part.start = parts.at(i).first * 588;
        part.length = parts.at(i).second < 0 ? -1 : parts.at(i).second * 588;
        tracks.append(part);
        layout +=
            QStringLiteral("%1\t曲").arg(i + 1) + QString(QChar(0xFF11 + int(i))) + QStringLiteral("\r\n");
    }
    const DiscCheck check = checkDisc(layout, tracks, gaps);
    QCOMPARE(check.length.starts, starts);
    QStringList said;
    for (const DiscRefusal &refusal : check.refusals)
        said << refusalText(refusal);
    QCOMPARE(said.join(QStringLiteral(" / ")), refusals.join(QStringLiteral(" / ")));
    if (!refusals.isEmpty())
        return;
    QTemporaryDir out;
    const ImageOutcome outcome = writeCdImage(out.filePath(QStringLiteral("cut.cue")), check);
    QVERIFY2(outcome.ok(), qPrintable(imageOutcomeText(outcome)));
    const QByteArray raw = readAll(path(QStringLiteral("whole.pcm")));
    QByteArray expected;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0 && gaps)
            expected += QByteArray(150 * 2352, '\0');
        const qint64 length = parts.at(i).second < 0 ? 675 - parts.at(i).first : parts.at(i).second;
        expected += raw.mid(parts.at(i).first * 2352, length * 2352);
    }
    const QByteArray bin = readAll(outcome.files.bin);
    QCOMPARE(bin.size(), expected.size());
    QVERIFY(bin == expected);
    QByteArray info;
    QVERIFY(run(QStringLiteral("cd-info"),
                {QStringLiteral("--no-device-info"), QStringLiteral("--no-cddb"),
                 QStringLiteral("--cue-file"), outcome.files.cue},
                &info));
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const QRegularExpression row(
            QStringLiteral("\\n\\s*%1: \\d\\d:\\d\\d:\\d\\d  0*%2 audio").arg(i + 1).arg(starts.at(i)));
        QVERIFY2(row.match(QString::fromUtf8(info)).hasMatch(), info.constData());
    }
}

QTEST_GUILESS_MAIN(TestDiscImage)
#include "tst_discimage.moc"
