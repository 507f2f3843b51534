#include "disc/CueSheetIn.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>

using namespace velnora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(velnora::CueProblem)

namespace
{

QByteArray sjis(const QString &text)
{
    // The sheet's Japanese as a Windows program writes it.
    QProcess iconv;
    iconv.start(u"iconv"_s, {u"-f"_s, u"UTF-8"_s, u"-t"_s, u"CP932"_s});
    iconv.write(text.toUtf8());
    iconv.closeWriteChannel();
    iconv.waitForFinished();
    return iconv.readAllStandardOutput();
}

} // namespace

class TestCueSheetIn : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void refused_data();
    void refused();

private:
    QTemporaryDir m_dir;
};

void TestCueSheetIn::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("performers");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<qint64>>("starts");
    QTest::addColumn<QList<qint64>>("lengths");
    QTest::addColumn<QList<qint64>>("pregaps");

    const QString perTrack =
        u"PERFORMER \"歌手\"\r\nTITLE \"春夏秋冬\"\r\n"
        u"FILE \"01 春.wav\" WAVE\r\n  TRACK 01 AUDIO\r\n    TITLE \"春\"\r\n"
        u"    INDEX 01 00:00:00\r\n"
        u"FILE \"02 夏.flac\" WAVE\r\n  TRACK 02 AUDIO\r\n    TITLE \"夏\"\r\n"
        u"    PERFORMER \"ゲスト\"\r\n    INDEX 00 00:00:00\r\n    INDEX 01 00:02:00\r\n"_s;
    const QStringList perTrackFiles{u"01 春.wav"_s, u"02 夏.flac"_s};
    QTest::newRow("cp932 sheet, one file per track")
        << sjis(perTrack) << u"春夏秋冬"_s << u"歌手"_s << QStringList{u"春"_s, u"夏"_s}
        << QStringList{QString(), u"ゲスト"_s} << perTrackFiles << QList<qint64>{0, 150}
        << QList<qint64>{-1, -1} << QList<qint64>{0, 150};
    QTest::newRow("utf-8 sheet, one file per track")
        << perTrack.toUtf8() << u"春夏秋冬"_s << u"歌手"_s << QStringList{u"春"_s, u"夏"_s}
        << QStringList{QString(), u"ゲスト"_s} << perTrackFiles << QList<qint64>{0, 150}
        << QList<qint64>{-1, -1} << QList<qint64>{0, 150};
    QTest::newRow("utf-8 sheet with a bom")
        << QByteArray("\xef\xbb\xbf") + perTrack.toUtf8() << u"春夏秋冬"_s << u"歌手"_s
        << QStringList{u"春"_s, u"夏"_s} << QStringList{QString(), u"ゲスト"_s} << perTrackFiles
        << QList<qint64>{0, 150} << QList<qint64>{-1, -1} << QList<qint64>{0, 150};

    // One image cut at each INDEX 01: the gap of INDEX 00 stays with the track before.
    const QString oneFile =
        u"TITLE \"Album\"\nPERFORMER \"Band\"\nFILE \"image.wav\" WAVE\n"
        u"  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
        u"  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 00 03:10:00\n    INDEX 01 03:12:00\n"
        u"  TRACK 03 AUDIO\n    TITLE \"Three\"\n    INDEX 01 05:00:74\n"_s;
    QTest::newRow("one file cut at INDEX 01, INDEX 00 gaps")
        << oneFile.toUtf8() << u"Album"_s << u"Band"_s << QStringList{u"One"_s, u"Two"_s, u"Three"_s}
        << QStringList{QString(), QString(), QString()}
        << QStringList{u"image.wav"_s, u"image.wav"_s, u"image.wav"_s}
        << QList<qint64>{0, 192 * 75, 300 * 75 + 74} << QList<qint64>{192 * 75, 108 * 75 + 74, -1}
        << QList<qint64>{0, 150, 0};
    QTest::newRow("first track after a gap in the file")
        << QByteArray("FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 00 00:00:00\n  INDEX 01 00:01:30\n"
                      " TRACK 02 AUDIO\n  INDEX 01 00:04:00\n")
        << QString() << QString() << QStringList{QString(), QString()} << QStringList{QString(), QString()}
        << QStringList{u"a.wav"_s, u"a.wav"_s} << QList<qint64>{105, 300} << QList<qint64>{195, -1}
        << QList<qint64>{105, 0};
    QTest::newRow("missing TITLE lines give empty titles")
        << QByteArray(
               "PERFORMER \"Solo\"\r\nFILE \"x.wav\" WAVE\r\n TRACK 01 AUDIO\r\n  INDEX 01 00:00:00\r\n"
               " TRACK 02 AUDIO\r\n  TITLE \"B\"\r\n  INDEX 01 01:00:00\r\n")
        << QString() << u"Solo"_s << QStringList{QString(), u"B"_s} << QStringList{QString(), QString()}
        << QStringList{u"x.wav"_s, u"x.wav"_s} << QList<qint64>{0, 4500} << QList<qint64>{4500, -1}
        << QList<qint64>{0, 0};
    QTest::newRow("two images of two tracks each")
        << QByteArray("FILE \"d1.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n TRACK 02 AUDIO\n"
                      "  INDEX 01 00:10:00\nFILE \"d2.wav\" WAVE\n TRACK 03 AUDIO\n  INDEX 01 00:00:00\n"
                      " TRACK 04 AUDIO\n  INDEX 01 00:20:00\n")
        << QString() << QString() << QStringList{QString(), QString(), QString(), QString()}
        << QStringList{QString(), QString(), QString(), QString()}
        << QStringList{u"d1.wav"_s, u"d1.wav"_s, u"d2.wav"_s, u"d2.wav"_s} << QList<qint64>{0, 750, 0, 1500}
        << QList<qint64>{750, -1, 1500, -1} << QList<qint64>{0, 0, 0, 0};
    QByteArray many("FILE \"a.wav\" WAVE\n");
    QStringList manyTitles, manyNone, manyFiles;
    QList<qint64> manyStarts, manyLengths, manyGaps;
    for (int i = 1; i <= MaxCueTracks; ++i) {
        many += QStringLiteral(" TRACK %1 AUDIO\n  TITLE \"%1\"\n  INDEX 01 %1:00:00\n").arg(i).toLatin1();
        manyTitles << QString::number(i);
        manyNone << QString();
        manyFiles << u"a.wav"_s;
        manyStarts << i * 60 * 75;
        manyLengths << (i < MaxCueTracks ? 60 * 75 : -1);
        manyGaps << 0;
    }
    QTest::newRow("99 tracks") << many << QString() << QString() << manyTitles << manyNone << manyFiles
                               << manyStarts << manyLengths << manyGaps;
    QTest::newRow("absolute file name kept")
        << QByteArray("FILE \"/music/a.flac\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n") << QString()
        << QString() << QStringList{QString()} << QStringList{QString()} << QStringList{u"/music/a.flac"_s}
        << QList<qint64>{0} << QList<qint64>{-1} << QList<qint64>{0};
}

void TestCueSheetIn::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, performers);
    QFETCH(QStringList, files);
    QFETCH(QList<qint64>, starts);
    QFETCH(QList<qint64>, lengths);
    QFETCH(QList<qint64>, pregaps);
    const QString path = m_dir.filePath(u"sheet.cue"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    const CueSheetRead read = readCueSheet(path);
    QCOMPARE(read.problem, CueProblem::None);
    QVERIFY(read.ok());
    QTEST(read.sheet.album, "album");
    QTEST(read.sheet.artist, "artist");
    QStringList gotTitles, gotPerformers, gotFiles;
    QList<qint64> gotStarts, gotLengths, gotPregaps;
    int number = 0;
    for (const CueTrack &t : read.sheet.tracks) {
        QCOMPARE(t.number, ++number);
        gotTitles << t.title;
        gotPerformers << t.performer;
        gotFiles << t.file;
        gotStarts << t.start;
        gotLengths << t.length;
        gotPregaps << t.pregap;
    }
    for (QString &f : files)
        if (!f.startsWith(u'/'))
            f = m_dir.path() + u'/' + f;
    QCOMPARE(gotTitles, titles);
    QCOMPARE(gotPerformers, performers);
    QCOMPARE(gotFiles, files);
    QCOMPARE(gotStarts, starts);
    QCOMPARE(gotLengths, lengths);
    QCOMPARE(gotPregaps, pregaps);
}

void TestCueSheetIn::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CueProblem>("problem");
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("code");

    QTest::newRow("not a cue sheet") << u"garbage.cue"_s << QByteArray("this is no sheet\n")
                                     << CueProblem::Syntax << 0 << 0;
    QTest::newRow("track before any FILE")
        << u"nofile.cue"_s << QByteArray("TRACK 01 AUDIO\n INDEX 01 00:00:00\n") << CueProblem::NoFile << 1
        << 0;
    QTest::newRow("no tracks") << u"empty.cue"_s << QByteArray("TITLE \"x\"\nFILE \"a.wav\" WAVE\n")
                               << CueProblem::Syntax << 0 << 0;
    QTest::newRow("empty file") << u"zero.cue"_s << QByteArray() << CueProblem::Syntax << 0 << 0;
    QTest::newRow("data track")
        << u"data.cue"_s
        << QByteArray("FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\nFILE \"d.bin\" BINARY\n"
                      " TRACK 02 MODE1/2352\n  INDEX 01 00:00:00\n")
        << CueProblem::DataTrack << 2 << 0;
    QTest::newRow("track without INDEX 01")
        << u"noindex.cue"_s
        << QByteArray("FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n TRACK 02 AUDIO\n"
                      "  INDEX 00 00:05:00\n")
        << CueProblem::NoIndex << 2 << 0;
    QTest::newRow("INDEX 01 going back in the same file")
        << u"back.cue"_s
        << QByteArray("FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:10:00\n TRACK 02 AUDIO\n"
                      "  INDEX 01 00:05:00\n")
        << CueProblem::IndexOrder << 2 << 0;
    QByteArray hundred("FILE \"a.wav\" WAVE\n");
    for (int i = 1; i <= 100; ++i)
        hundred += QStringLiteral(" track %1 AUDIO\n  INDEX 01 %2:00:00\n").arg(i).arg(i).toLatin1();
    QTest::newRow("100 tracks") << u"hundred.cue"_s << hundred << CueProblem::TooManyTracks << 0 << 0;
    QTest::newRow("missing sheet") << u"missing.cue"_s << QByteArray() << CueProblem::File << 0 << ENOENT;
    QTest::newRow("folder") << u"folder.cue"_s << QByteArray() << CueProblem::File << 0 << EISDIR;
    QTest::newRow("fifo") << u"fifo.cue"_s << QByteArray() << CueProblem::File << 0 << ENODEV;
    QTest::newRow("over the size cap") << u"big.cue"_s << QByteArray() << CueProblem::TooLarge << 0 << 0;
}

void TestCueSheetIn::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(CueProblem, problem);
    QFETCH(int, code);
    const QString path = m_dir.filePath(name);
    if (name == u"folder.cue"_s) {
        QVERIFY(QDir().mkpath(path));
    } else if (name == u"fifo.cue"_s) {
        QCOMPARE(QProcess::execute(u"mkfifo"_s, {path}), 0);
    } else if (name == u"big.cue"_s) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(OpenSizeCap + 1));
    } else if (name != u"missing.cue"_s) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const CueSheetRead read = readCueSheet(path);
    QCOMPARE(read.problem, problem);
    QVERIFY(!read.ok());
    QTEST(read.track, "track");
    QCOMPARE(read.error.code, code);
    QVERIFY(read.sheet.tracks.isEmpty());
}

QTEST_GUILESS_MAIN(TestCueSheetIn)
#include "tst_cuesheetin.moc"
