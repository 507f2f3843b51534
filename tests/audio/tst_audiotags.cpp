#include "audio/AudioTags.h"
#include "audio/TagImport.h"
#include "audio/TagText.h"
#include "audio/TrackOrder.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace velnora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<velnora::AudioTags>)
Q_DECLARE_METATYPE(velnora::TagProblem)

namespace
{

AudioTags tagged(const QString &path, int disc = 0, int track = 0, const QString &title = QString())
{
    AudioTags t;
    t.path = path;
    t.disc = disc;
    t.track = track;
    t.title = title;
    return t;
}

AudioTags byArtist(const QString &path, const QString &albumArtist, const QString &artist,
                   const QString &album = QString())
{
    AudioTags t = tagged(path);
    t.albumArtist = albumArtist;
    t.artist = artist;
    t.album = album;
    return t;
}

// Runs a bash script in folder with $F set to file; the tools write the test's audio and tags.
bool run(const QString &folder, const QString &file, const QString &script)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"F"_s, file);
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    // Debian's own python, which has python3-mutagen.
    env.insert(u"PATH"_s, u"/usr/bin:/bin"_s);
    p.setProcessEnvironment(env);
    p.start(u"bash"_s, {u"-euc"_s, script});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning().noquote() << script << "\n" << QString::fromLocal8Bit(p.readAll());
        return false;
    }
    return true;
}

// Sound made by sox in each container the tag readers meet.
const QString Wav = u"sox -n -r 44100 -c 2 -b 16 \"$F\" synth 0.2 sine 440\n"_s;
const QString Mp3 = u"sox -n -r 44100 -c 2 -b 16 s.wav synth 0.2 sine 440\n"
                    u"ffmpeg -v error -y -i s.wav -c:a libmp3lame \"$F\"\n"_s;

} // namespace

class TestAudioTags : public QObject
{
    Q_OBJECT

private slots:
    void latin1OrCp932_data();
    void latin1OrCp932();
    void order_data();
    void order();
    void import_data();
    void import();
    void readFile_data();
    void readFile();
    void refusedFile_data();
    void refusedFile();

private:
    QTemporaryDir m_dir;
};

void TestAudioTags::latin1OrCp932_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("shift-jis kanji") << QByteArray::fromHex("8abf8e9a") << u"漢字"_s;
    QTest::newRow("shift-jis between ascii") << QByteArray("A \x82\xa0\x82\xa2!") << u"A あい!"_s;
    QTest::newRow("shift-jis with half-width katakana")
        << QByteArray::fromHex("b1834183") + "C" << u"ｱアイ"_s;
    QTest::newRow("shift-jis level-2 kanji") << QByteArray("\xe0\x40") << u"漾"_s;
    QTest::newRow("shift-jis ends at the nul") << QByteArray("\x82\xa0\0\xe9", 4) << u"あ"_s;
    QTest::newRow("Café stays latin-1") << QByteArray("Caf\xe9") << u"Café"_s;
    QTest::newRow("Señor stays latin-1, though F1 6F is a cp932 pair")
        << QByteArray("Se\xf1or") << u"Señor"_s;
    QTest::newRow("façade stays latin-1") << QByteArray("fa\xe7\x61\x64\x65") << u"façade"_s;
    QTest::newRow("Ça va stays latin-1") << QByteArray("\xc7\x61 va") << u"Ça va"_s;
    QTest::newRow("half-width katakana alone stays latin-1") << QByteArray::fromHex("b1b2b3") << u"±²³"_s;
    QTest::newRow("cut-off pair stays latin-1") << QByteArray("\x82\xa0\x82") << u"\u0082\u00a0\u0082"_s;
    QTest::newRow("unassigned pair stays latin-1") << QByteArray::fromHex("8540") << u"\u0085@"_s;
    QTest::newRow("0xA0 is no cp932 character") << QByteArray::fromHex("82a0a0") << u"\u0082\u00a0\u00a0"_s;
    QTest::newRow("ascii") << QByteArray("Track 1") << u"Track 1"_s;
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestAudioTags::latin1OrCp932()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(velnora::latin1OrCp932(bytes), expected);
}

void TestAudioTags::order_data()
{
    QTest::addColumn<QList<AudioTags>>("files");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("track tags before names")
        << QList{tagged(u"/m/a.mp3"_s, 0, 2), tagged(u"/m/b.mp3"_s, 0, 1)}
        << QStringList{u"/m/b.mp3"_s, u"/m/a.mp3"_s};
    QTest::newRow("disc before track")
        << QList{tagged(u"/m/a.mp3"_s, 2, 1), tagged(u"/m/b.mp3"_s, 1, 2), tagged(u"/m/c.mp3"_s, 1, 1)}
        << QStringList{u"/m/c.mp3"_s, u"/m/b.mp3"_s, u"/m/a.mp3"_s};
    QTest::newRow("no disc tag counts as disc 1")
        << QList{tagged(u"/m/x.mp3"_s, 2, 1), tagged(u"/m/y.mp3"_s, 0, 2), tagged(u"/m/z.mp3"_s, 1, 1)}
        << QStringList{u"/m/z.mp3"_s, u"/m/y.mp3"_s, u"/m/x.mp3"_s};
    QTest::newRow("untagged after the tagged of its disc")
        << QList{tagged(u"/m/a.mp3"_s), tagged(u"/m/b.mp3"_s, 1, 9), tagged(u"/m/c.mp3"_s, 2, 1)}
        << QStringList{u"/m/b.mp3"_s, u"/m/a.mp3"_s, u"/m/c.mp3"_s};
    QTest::newRow("natural names: 2 before 10")
        << QList{tagged(u"/m/Track 10.flac"_s), tagged(u"/m/Track 2.flac"_s), tagged(u"/m/Track 1.flac"_s)}
        << QStringList{u"/m/Track 1.flac"_s, u"/m/Track 2.flac"_s, u"/m/Track 10.flac"_s};
    QTest::newRow("names sorted by the name, not the folder")
        << QList{tagged(u"/a/2.wav"_s), tagged(u"/b/1.wav"_s)} << QStringList{u"/b/1.wav"_s, u"/a/2.wav"_s};
    QTest::newRow("same name in two folders") << QList{tagged(u"/b/01.wav"_s), tagged(u"/a/01.wav"_s)}
                                              << QStringList{u"/a/01.wav"_s, u"/b/01.wav"_s};
    QTest::newRow("case does not split the order")
        << QList{tagged(u"/m/b.wav"_s), tagged(u"/m/C.wav"_s), tagged(u"/m/A.wav"_s)}
        << QStringList{u"/m/A.wav"_s, u"/m/b.wav"_s, u"/m/C.wav"_s};
    QTest::newRow("equal tags keep names in natural order")
        << QList{tagged(u"/m/s10.ogg"_s, 1, 1), tagged(u"/m/s9.ogg"_s, 1, 1)}
        << QStringList{u"/m/s9.ogg"_s, u"/m/s10.ogg"_s};
    QTest::newRow("none") << QList<AudioTags>{} << QStringList{};
    QTest::newRow("natural names in the C locale too")
        << QList{tagged(u"/m/10.wav"_s), tagged(u"/m/9.wav"_s)} << QStringList{u"/m/9.wav"_s, u"/m/10.wav"_s};
}

void TestAudioTags::order()
{
    QFETCH(QList<AudioTags>, files);
    QFETCH(QStringList, expected);
    const QLocale before;
    if (QByteArray(QTest::currentDataTag()).contains("C locale"))
        QLocale::setDefault(QLocale::c());
    QStringList paths;
    for (const AudioTags &t : inTrackOrder(files))
        paths << t.path;
    QLocale::setDefault(before);
    QCOMPARE(paths, expected);
}

void TestAudioTags::import_data()
{
    QTest::addColumn<QList<AudioTags>>("files");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");

    QTest::newRow("titles from the tags in track order")
        << QList{tagged(u"/m/b.flac"_s, 0, 2, u"二曲目"_s), tagged(u"/m/a.flac"_s, 0, 1, u"一曲目"_s)}
        << QStringList{u"一曲目"_s, u"二曲目"_s} << QString() << QString();
    QTest::newRow("no title tag gives the name without the extension")
        << QList{tagged(u"/m/01 Intro.flac"_s), tagged(u"/m/02 v1.2 mix.mp3"_s), tagged(u"/m/README"_s)}
        << QStringList{u"01 Intro"_s, u"02 v1.2 mix"_s, u"README"_s} << QString() << QString();
    QTest::newRow("album artist over artist")
        << QList{byArtist(u"/m/1.mp3"_s, u"Band"_s, u"Singer"_s, u"盤"_s)} << QStringList{u"1"_s} << u"盤"_s
        << u"Band"_s;
    QTest::newRow("album artist of a later track over the artists")
        << QList{byArtist(u"/m/1.mp3"_s, QString(), u"A"_s), byArtist(u"/m/2.mp3"_s, u"Band"_s, u"B"_s)}
        << QStringList{u"1"_s, u"2"_s} << QString() << u"Band"_s;
    QTest::newRow("artist when no file has an album artist")
        << QList{byArtist(u"/m/1.mp3"_s, QString(), u"歌手"_s), byArtist(u"/m/2.mp3"_s, QString(), QString()),
                 byArtist(u"/m/3.mp3"_s, QString(), u"歌手"_s)}
        << QStringList{u"1"_s, u"2"_s, u"3"_s} << QString() << u"歌手"_s;
    QTest::newRow("a compilation's differing artists give none")
        << QList{byArtist(u"/m/1.mp3"_s, QString(), u"A"_s), byArtist(u"/m/2.mp3"_s, QString(), u"B"_s)}
        << QStringList{u"1"_s, u"2"_s} << QString() << QString();
    QTest::newRow("album from the first track that has one")
        << QList{byArtist(u"/m/2.mp3"_s, QString(), QString(), u"Second"_s),
                 byArtist(u"/m/1.mp3"_s, QString(), QString())}
        << QStringList{u"1"_s, u"2"_s} << u"Second"_s << QString();
}

void TestAudioTags::import()
{
    QFETCH(QList<AudioTags>, files);
    QFETCH(QStringList, titles);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    const TagImport imported = importFromTags(files);
    QCOMPARE(imported.titles, titles);
    QCOMPARE(imported.album, album);
    QCOMPARE(imported.artist, artist);
    QStringList expectedFiles;
    for (const AudioTags &t : inTrackOrder(files))
        expectedFiles << t.path;
    QCOMPARE(imported.files, expectedFiles);
}

void TestAudioTags::readFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("albumArtist");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<int>("disc");
    QTest::addColumn<int>("track");

    QTest::newRow("id3v2 latin-1 frames holding shift-jis")
        << u"sjis.mp3"_s
        << Mp3 +
               uR"sh(id3v2 -2 -t "$(printf '\x8a\xbf\x8e\x9a')" -A "$(printf '\x83\x41\x83\x8b\x83\x6f\x83\x80')" \
                  -a "$(printf 'Caf\xe9')" --TPE2 "$(printf '\x89\xcc\x8e\xe8')" -T 3/12 --TPOS 2/2 "$F")sh"_s
        << u"漢字"_s << u"アルバム"_s << u"歌手"_s << u"Café"_s << 2 << 3;
    QTest::newRow("id3v1 holding shift-jis") << u"v1.mp3"_s << Mp3 + uR"sh(id3v2 -D "$F"
            id3v2 -1 -t "$(printf '\x82\xa0\x82\xa2\x82\xa4')" -A "$(printf 'Se\xf1or')" -T 7 "$F")sh"_s
                                             << u"あいう"_s << u"Señor"_s << QString() << QString() << 0 << 7;
    QTest::newRow("id3v2 utf-16 title") << u"utf16.mp3"_s << Mp3 + uR"sh(python3 - "$F" <<'PY'
import sys
from mutagen.id3 import ID3, TIT2, TPE1
tags = ID3()
tags.add(TIT2(encoding=1, text="日本語の曲 ♪"))
tags.add(TPE1(encoding=1, text="Ünïcode"))
tags.save(sys.argv[1], v2_version=3, v1=0)
PY)sh"_s << u"日本語の曲 ♪"_s << QString()
                                        << QString() << u"Ünïcode"_s << 0 << 0;
    QTest::newRow("flac vorbis comments")
        << u"comments.flac"_s << uR"sh(sox -n -r 44100 -c 2 -b 16 "$F" synth 0.2 sine 440
            metaflac --remove-all-tags --set-tag="TITLE=さくら" --set-tag="ALBUM=春" --set-tag="ARTIST=歌手" \
                     --set-tag="ALBUMARTIST=楽団" --set-tag="DISCNUMBER=1/2" --set-tag="TRACKNUMBER=04" "$F")sh"_s
        << u"さくら"_s << u"春"_s << u"楽団"_s << u"歌手"_s << 1 << 4;
    QTest::newRow("ogg vorbis comments")
        << u"comments.ogg"_s << uR"sh(sox -n -r 44100 -c 2 -b 16 s.wav synth 0.2 sine 440
            oggenc -Q -o "$F" s.wav
            vorbiscomment -w -t "TITLE=夏の歌" -t "ARTIST=Band" -t "TRACKNUMBER=2/10" -t "DISCNUMBER=3" "$F")sh"_s
        << u"夏の歌"_s << QString() << QString() << u"Band"_s << 3 << 2;
    QTest::newRow("m4a tagged by ffmpeg")
        << u"tagged.m4a"_s << uR"sh(sox -n -r 44100 -c 2 -b 16 s.wav synth 0.2 sine 440
            ffmpeg -v error -y -i s.wav -c:a aac -metadata title="秋" -metadata album="四季" \
                   -metadata artist="Solo" -metadata album_artist="Ensemble" -metadata track=5/9 \
                   -metadata disc=2/2 "$F")sh"_s
        << u"秋"_s << u"四季"_s << u"Ensemble"_s << u"Solo"_s << 2 << 5;
    QTest::newRow("wav without tags")
        << u"plain.wav"_s << Wav << QString() << QString() << QString() << QString() << 0 << 0;
}

void TestAudioTags::readFile()
{
    QFETCH(QString, name);
    QFETCH(QString, script);
    const QString path = m_dir.filePath(name);
    QVERIFY(run(m_dir.path(), path, script));
    const AudioTags tags = readAudioTags(path);
    QCOMPARE(tags.problem, TagProblem::None);
    QCOMPARE(tags.path, path);
    QTEST(tags.title, "title");
    QTEST(tags.album, "album");
    QTEST(tags.albumArtist, "albumArtist");
    QTEST(tags.artist, "artist");
    QTEST(tags.disc, "disc");
    QTEST(tags.track, "track");
}

void TestAudioTags::refusedFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("script");
    QTest::addColumn<long long>("budget");
    QTest::addColumn<TagProblem>("problem");
    QTest::addColumn<int>("code");

    const QString bigCover = Mp3 + uR"sh(python3 - "$F" <<'PY'
import sys
from mutagen.id3 import ID3, TIT2, APIC
tags = ID3()
tags.add(TIT2(encoding=3, text="cover"))
tags.add(APIC(encoding=3, mime="image/png", type=3, desc="", data=bytes(300000)))
tags.save(sys.argv[1], v2_version=3, v1=0)
PY)sh"_s;
    QTest::newRow("missing file") << u"missing.mp3"_s << u"true"_s << TagReadBudget << TagProblem::File
                                  << ENOENT;
    QTest::newRow("folder") << u"folder.mp3"_s << u"mkdir \"$F\""_s << TagReadBudget << TagProblem::File
                            << EISDIR;
    QTest::newRow("fifo is refused without waiting for a writer")
        << u"pipe.mp3"_s << u"mkfifo \"$F\""_s << TagReadBudget << TagProblem::File << ENODEV;
    QTest::newRow("a parent that is a file")
        << u"plain.txt/x.mp3"_s << u"echo x > plain.txt"_s << TagReadBudget << TagProblem::File << ENOTDIR;
    QTest::newRow("text is no audio") << u"notes.mp3"_s << u"echo 'not audio at all' > \"$F\""_s
                                      << TagReadBudget << TagProblem::NotAudio << 0;
    QTest::newRow("tags over the budget")
        << u"cover.mp3"_s << bigCover << 100000LL << TagProblem::TooLarge << 0;
    QTest::newRow("the same tags within the default budget")
        << u"cover2.mp3"_s << bigCover << TagReadBudget << TagProblem::None << 0;
}

void TestAudioTags::refusedFile()
{
    QFETCH(QString, name);
    QFETCH(QString, script);
    QFETCH(long long, budget);
    QFETCH(TagProblem, problem);
    QFETCH(int, code);
    const QString path = m_dir.filePath(name);
    QVERIFY(run(m_dir.path(), path, script));
    const AudioTags tags = readAudioTags(path, budget);
    QCOMPARE(tags.problem, problem);
    QCOMPARE(tags.error.code, code);
    QCOMPARE(tags.error.failed(), problem == TagProblem::File);
    if (tags.error.failed())
        QVERIFY(!tags.error.reason.isEmpty());
    if (problem == TagProblem::None)
        QCOMPARE(tags.title, u"cover"_s);
}

QTEST_GUILESS_MAIN(TestAudioTags)
#include "tst_audiotags.moc"
