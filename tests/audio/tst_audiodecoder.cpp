#include "audio/AudioDecoder.h"
#include "audio/AudioTexts.h"
#include "support/TestAudio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace velnora::audio;
using testaudio::run;

class TestAudioDecoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void losslessBitForBit_data();
    void losslessBitForBit();
    void sineComesBack_data();
    void sineComesBack();
    void deepSamplesAreDithered();
    void problems_data();
    void problems();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestAudioDecoder::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Noise in both channels, different in each, at a length no whole number of frames holds.
    QVERIFY(run(QStringLiteral("sox"),
                {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-b"),
                 QStringLiteral("16"), QStringLiteral("-c"), QStringLiteral("2"),
                 path(QStringLiteral("noise.wav")), QStringLiteral("synth"), QStringLiteral("2.01"),
                 QStringLiteral("whitenoise"), QStringLiteral("pinknoise"), QStringLiteral("vol"),
                 QStringLiteral("0.7")}));
}

void TestAudioDecoder::losslessBitForBit_data()
{
    QTest::addColumn<QStringList>("make"); // the command that makes in.* from noise.wav ({in}, {wav})
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("reference"); // the command that decodes it to raw.pcm
    QTest::addColumn<QString>("codec");

    const QStringList soxRaw{QStringLiteral("sox"),  QStringLiteral("{in}"), QStringLiteral("-t"),
                             QStringLiteral("raw"),  QStringLiteral("-e"),   QStringLiteral("signed"),
                             QStringLiteral("-b"),   QStringLiteral("16"),   QStringLiteral("-L"),
                             QStringLiteral("{raw}")};
    QTest::newRow("WAV") << QStringList{QStringLiteral("cp"), QStringLiteral("{wav}"), QStringLiteral("{in}")}
                         << QStringLiteral("in.wav") << soxRaw << QStringLiteral("pcm_s16le");
    QTest::newRow("FLAC, against flac -d")
        << QStringList{QStringLiteral("flac"),  QStringLiteral("-s"), QStringLiteral("-8"),
                       QStringLiteral("{wav}"), QStringLiteral("-o"), QStringLiteral("{in}")}
        << QStringLiteral("in.flac")
        << QStringList{QStringLiteral("flac"),
                       QStringLiteral("-s"),
                       QStringLiteral("-d"),
                       QStringLiteral("--force-raw-format"),
                       QStringLiteral("--endian=little"),
                       QStringLiteral("--sign=signed"),
                       QStringLiteral("{in}"),
                       QStringLiteral("-o"),
                       QStringLiteral("{raw}")}
        << QStringLiteral("flac");
    QTest::newRow("AIFF, big-endian")
        << QStringList{QStringLiteral("sox"), QStringLiteral("{wav}"), QStringLiteral("{in}")}
        << QStringLiteral("in.aiff") << soxRaw << QStringLiteral("pcm_s16be");
    QTest::newRow("ALAC in M4A") << QStringList{QStringLiteral("ffmpeg"), QStringLiteral("-v"),
                                                QStringLiteral("error"),  QStringLiteral("-i"),
                                                QStringLiteral("{wav}"),  QStringLiteral("-c:a"),
                                                QStringLiteral("alac"),   QStringLiteral("{in}")}
                                 << QStringLiteral("in.m4a")
                                 // Lossless: the source itself is the reference.
                                 << QStringList{QStringLiteral("sox"), QStringLiteral("{wav}"),
                                                QStringLiteral("-t"), QStringLiteral("raw"),
                                                QStringLiteral("{raw}")}
                                 << QStringLiteral("alac");
    // Mono goes to both channels unchanged: sox's "remix 1 1" copies it.
    QTest::newRow("mono FLAC to both channels")
        << QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                       QStringLiteral("sox {wav} -c 1 -t wav - remix 1 | flac -s - -o {in}")}
        << QStringLiteral("mono.flac")
        << QStringList{QStringLiteral("sox"),   QStringLiteral("{in}"),  QStringLiteral("-t"),
                       QStringLiteral("raw"),   QStringLiteral("-e"),    QStringLiteral("signed"),
                       QStringLiteral("-b"),    QStringLiteral("16"),    QStringLiteral("-L"),
                       QStringLiteral("{raw}"), QStringLiteral("remix"), QStringLiteral("1"),
                       QStringLiteral("1")}
        << QStringLiteral("flac");
}

void TestAudioDecoder::losslessBitForBit()
{
    QFETCH(QStringList, make);
    QFETCH(QString, file);
    QFETCH(QStringList, reference);
    QFETCH(QString, codec);
    const auto fill = [&](QStringList command) {
        for (QString &word : command) {
            word.replace(QLatin1String("{wav}"), path(QStringLiteral("noise.wav")));
            word.replace(QLatin1String("{in}"), path(file));
            word.replace(QLatin1String("{raw}"), path(file + QStringLiteral(".pcm")));
        }
        return command;
    };
    make = fill(make);
    QVERIFY(run(make.takeFirst(), make));
    reference = fill(reference);
    QVERIFY(run(reference.takeFirst(), reference));
    QFile raw(path(file + QStringLiteral(".pcm")));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray expected = raw.readAll();

    AudioInfo info;
    const QByteArray decoded = testaudio::decodeAll(path(file), &info);
    QVERIFY2(info.ok(), qPrintable(problemText(info)));
    QCOMPARE(info.source.codec, codec);
    QCOMPARE(info.source.bits, 16);
    QVERIFY(info.source.lossless);
    QCOMPARE(expected.size(), qsizetype(88641 * 4));
    QCOMPARE(decoded.size(), expected.size());
    QVERIFY(decoded == expected);
    QCOMPARE(info.samples, qint64(88641));
    QCOMPARE(info.frames(), qint64(151)); // 150.75 frames, the last padded

    const AudioInfo probed = probeAudio(path(file));
    QCOMPARE(probed.samples, info.samples);
}

void TestAudioDecoder::sineComesBack_data()
{
    QTest::addColumn<QString>("command"); // a shell command that makes {out} from {src}, a 48 kHz 24-bit sine
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<int>("sourceRate");

    QTest::newRow("WAV 48 kHz 24-bit") << QStringLiteral("cp {src} {out}") << QStringLiteral("s.wav")
                                       << QStringLiteral("pcm_s24le") << 48000;
    QTest::newRow("MP3") << QStringLiteral("lame --quiet -b 192 {src} {out}") << QStringLiteral("s.mp3")
                         << QStringLiteral("mp3") << 48000;
    QTest::newRow("Opus") << QStringLiteral("opusenc --quiet {src} {out}") << QStringLiteral("s.opus")
                          << QStringLiteral("opus") << 48000;
    QTest::newRow("Ogg Vorbis") << QStringLiteral("ffmpeg -v error -i {src} -c:a libvorbis {out}")
                                << QStringLiteral("s.ogg") << QStringLiteral("vorbis") << 48000;
    QTest::newRow("AAC in M4A") << QStringLiteral("ffmpeg -v error -i {src} -c:a aac -b:a 192k {out}")
                                << QStringLiteral("s.m4a") << QStringLiteral("aac") << 48000;
    QTest::newRow("FLAC 96 kHz 24-bit mono") << QStringLiteral("sox {src} -r 96000 -c 1 {out}")
                                             << QStringLiteral("s96.flac") << QStringLiteral("flac") << 96000;
    QTest::newRow("float WAV 22.05 kHz, six channels mixed down")
        << QStringLiteral("sox {src} -e floating-point -b 32 -r 22050 {out} remix 1 1 1 1 1 1")
        << QStringLiteral("six.wav") << QStringLiteral("pcm_f32le") << 22050;
}

void TestAudioDecoder::sineComesBack()
{
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QString, codec);
    QFETCH(int, sourceRate);
    const QString source = path(QStringLiteral("sine48.wav"));
    if (!QFile::exists(source)) {
        QVERIFY(run(QStringLiteral("sox"),
                    {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                     QStringLiteral("-b"), QStringLiteral("24"), QStringLiteral("-c"), QStringLiteral("2"),
                     source, QStringLiteral("synth"), QStringLiteral("3"), QStringLiteral("sine"),
                     QStringLiteral("1000"), QStringLiteral("vol"), QStringLiteral("0.5")}));
    }
    command.replace(QLatin1String("{src}"), source).replace(QLatin1String("{out}"), path(file));
    QVERIFY(run(QStringLiteral("sh"), {QStringLiteral("-c"), command}));

    AudioInfo info;
    const QByteArray pcm = testaudio::decodeAll(path(file), &info);
    QVERIFY2(info.ok(), qPrintable(problemText(info)));
    QCOMPARE(info.source.codec, codec);
    QCOMPARE(info.source.sampleRate, sourceRate);
    // Three seconds are 225 frames; the codecs' own padding may move the end by less than one.
    QVERIFY2(std::abs(info.frames() - 225) <= 1, qPrintable(QString::number(info.frames())));
    QCOMPARE(pcm.size(), qsizetype(info.samples * 4));
    for (int channel = 0; channel < 2; ++channel) {
        const double hz = testaudio::frequency(pcm, channel);
        QVERIFY2(std::abs(hz - 1000.0) < 2.0, qPrintable(QString::number(hz)));
        // Half of full scale, as made: neither lost nor clipped in the mixdown.
        const int top = testaudio::peak(pcm, channel);
        QVERIFY2(top > 14000 && top < 19000, qPrintable(QString::number(top)));
    }
}

// A 24-bit sine a third of a 16-bit step high: cut without dither it would be silence.
void TestAudioDecoder::deepSamplesAreDithered()
{
    const QString file = path(QStringLiteral("quiet.flac"));
    QVERIFY(run(QStringLiteral("sox"),
                {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-b"),
                 QStringLiteral("24"), QStringLiteral("-c"), QStringLiteral("2"), file,
                 QStringLiteral("synth"), QStringLiteral("1"), QStringLiteral("sine"), QStringLiteral("1000"),
                 QStringLiteral("vol"), QStringLiteral("0.00001")}));
    AudioInfo info;
    const QByteArray pcm = testaudio::decodeAll(file, &info);
    QVERIFY(info.ok());
    QCOMPARE(info.source.bits, 24);
    QCOMPARE(info.samples, qint64(44100)); // no resampling at 44.1 kHz
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    int nonZero = 0;
    for (qsizetype i = 0; i < pcm.size() / 2; ++i)
        nonZero += s[i] != 0;
    QVERIFY2(nonZero > pcm.size() / 2 / 4, qPrintable(QString::number(nonZero)));
    QVERIFY(testaudio::peak(pcm, 0) <= 3);
}

void TestAudioDecoder::problems_data()
{
    QTest::addColumn<QString>("make"); // a shell command run in the folder
    QTest::addColumn<QString>("file");
    QTest::addColumn<AudioProblem>("problem");
    QTest::addColumn<QString>("text");

    QTest::newRow("missing") << QString() << QStringLiteral("none.flac") << AudioProblem::CannotOpen
                             << QStringLiteral("読めません: そのようなファイルやディレクトリはありません");
    QTest::newRow("folder") << QStringLiteral("mkdir d.flac") << QStringLiteral("d.flac")
                            << AudioProblem::NotRegular << QString();
    // Opened without blocking: a pipe nobody writes to is refused at once.
    QTest::newRow("pipe") << QStringLiteral("mkfifo p.flac") << QStringLiteral("p.flac")
                          << AudioProblem::NotRegular << QString();
    QTest::newRow("text") << QStringLiteral("echo 'not sound' > t.mp3") << QStringLiteral("t.mp3")
                          << AudioProblem::NotAudio
                          << QStringLiteral(
                                 "WAV、AIFF、FLAC、M4A、MP3、Ogg Vorbis、Opusの音声ファイルではありません");
    QTest::newRow("Matroska is not read")
        << QStringLiteral("ffmpeg -v error -i noise.wav -c:a flac m.mka") << QStringLiteral("m.mka")
        << AudioProblem::NotAudio
        << QStringLiteral("WAV、AIFF、FLAC、M4A、MP3、Ogg Vorbis、Opusの音声ファイルではありません");
    QTest::newRow("ADPCM in WAV") << QStringLiteral("sox noise.wav -e ima-adpcm a.wav")
                                  << QStringLiteral("a.wav") << AudioProblem::UnsupportedCodec
                                  << QStringLiteral("この形式の音声(adpcm_ima_wav)は読めません");
    QTest::newRow("no samples") << QStringLiteral("sox -n -r 44100 -b 16 -c 2 e.wav trim 0 0")
                                << QStringLiteral("e.wav") << AudioProblem::Empty
                                << QStringLiteral("音声が入っていません");
}

void TestAudioDecoder::problems()
{
    QFETCH(QString, make);
    QFETCH(QString, file);
    QFETCH(AudioProblem, problem);
    QFETCH(QString, text);
    if (!make.isEmpty())
        QVERIFY(run(QStringLiteral("sh"),
                    {QStringLiteral("-c"), QStringLiteral("cd '%1' && %2").arg(m_dir.path(), make)}));
    const AudioInfo info = probeAudio(path(file));
    QCOMPARE(info.problem, problem);
    QCOMPARE(info.samples, qint64(0));
    if (problem == AudioProblem::NotRegular)
        QVERIFY(!problemText(info).isEmpty());
    else
        QCOMPARE(problemText(info), text);
}

QTEST_GUILESS_MAIN(TestAudioDecoder)
#include "tst_audiodecoder.moc"
