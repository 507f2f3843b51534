#include "app/logic/FileAccess.h"
#include "app/logic/Session.h"
#include "cdtext/CdTextExport.h"
#include "convert/ConvertOptions.h"
#include "edit/EditMarks.h"
#include "support/ScriptedPlatform.h"
#include "text/Cp932.h"
#include "text/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace velnora;

namespace
{

QByteArray utf8(const char *text)
{
    return QByteArray(text);
}

QString titles(int count, int length)
{
    QString text;
    for (int t = 1; t <= count; ++t)
        text += QString(length, QLatin1Char('x')) + QStringLiteral("\r\n");
    return text;
}

// The same input through the session as the window runs it: "開く", the names, "編集", then
// "名前を付けて保存" or the export, each dialog answered with a name in dir.
QByteArray savedBySession(const QDir &dir, const QString &input, const QStringList &arguments,
                          const QString &output)
{
    ScriptedPlatform platform;
    platform.setProgramFolder(dir.filePath(QStringLiteral("session")));
    // Only the bytes count here: every box is expected as it comes and takes its first button (Yes, OK).
    platform.onMessage = [&platform](const ScriptedPlatform::Message &) { platform.expectBox(); };
    Session session(platform);
    platform.queueFileName(input);
    session.openDocument();
    const ConvertOptions options = parseConvertOptions(
        QStringList{QStringLiteral("--convert"), input, QStringLiteral("-o"), output} + arguments);
    if (options.album)
        session.setAlbum(*options.album);
    if (options.artist)
        session.setArtist(*options.artist);
    // The user sets the type a layout was made with, unless told another.
    QFile in(input);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const auto type = options.type ? options.type : layoutEditType(decodeFileBytes(in.readAll()));
    if (!type)
        return {};
    session.setEditType(*type);
    session.edit();
    const QString saved = dir.filePath(QStringLiteral("saved-by-session") + QFileInfo(output).suffix());
    platform.queueFileName(saved);
    if (output.endsWith(QLatin1String(".cdt")))
        session.exportCdTextFile();
    else
        session.saveAs();
    QFile file(saved);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestConverter : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
};

void TestConverter::convert_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("arguments"); // after IN -o OUT; a first "--" replaces them all
    QTest::addColumn<QString>("output");        // the file name of OUT
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");  // "IN" and "OUT" stand for the paths; "USAGE" for the usage
    QTest::addColumn<QString>("layout"); // what OUT holds as text; empty when nothing is written

    const QByteArray twoTitles = utf8("\xe6\x9c\x9d\xe3\x81\xae\xe6\xad\x8c\r\nRain\r\n"); // 朝の歌, Rain
    const QStringList names{QStringLiteral("--album"), QStringLiteral("Album"), QStringLiteral("--artist"),
                            QStringLiteral("Artist")};
    const QString jaLayout =
        QStringLiteral("ja\r\n0\tＡｌｂｕｍ\tＡｒｔｉｓｔ\r\n1\t朝の歌\r\n2\tＲａｉｎ\r\n");

    QTest::newRow("plain titles as the ja layout")
        << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("album.txt") << 0 << QStringLiteral("ja: 7 / 253 パック\n") << QString()
        << jaLayout;
    QTest::newRow("plain titles as binary CD-TEXT")
        << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("album.cdt") << 0 << QStringLiteral("ja: 7 / 253 パック\n") << QString()
        << jaLayout;
    QTest::newRow("a layout gives its type, album and artist")
        << cp932::encode(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n3\tNight\r\n")).bytes
        << QStringList{} << QStringLiteral("sky.txt") << 0 << QStringLiteral("en: 4 / 253 パック\n")
        << QString() << QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n3\tNight\r\n");
    QTest::newRow("options over a layout: converted again")
        << cp932::encode(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n")).bytes
        << QStringList{QStringLiteral("--type"), QStringLiteral("en+ja"), QStringLiteral("--album"),
                       QStringLiteral("Blue")}
        << QStringLiteral("blue.txt") << 0 << QStringLiteral("en: 3 / 253 パック\nja: 5 / 253 パック\n")
        << QString()
        << QStringLiteral(
               "en\r\n0\tBlue\tTom\r\n1\tMorning\r\n\r\nja\r\n0\tＢｌｕｅ\tＴｏｍ\r\n1\tＭｏｒｎｉｎｇ\r\n");
    QTest::newRow("plain titles need --type")
        << twoTitles << names << QStringLiteral("x.txt") << 2 << QString()
        << QStringLiteral("velnora: IN holds plain titles: give --type en, ja or en+ja\nUSAGE") << QString();
    QTest::newRow("half-width katakana in en: field, line and position")
        << utf8("Rain\r\nab\xef\xbd\xb1\r\n")
        << QStringList{QStringLiteral("--type"), QStringLiteral("en")} + names << QStringLiteral("x.cdt") << 1
        << QString()
        << QStringLiteral("velnora: 編集中断: 下記の不適切な日本語全角文字を修正してください または "
                          "編集種類をja にしてください 不適切文字は【 ｱ 】です (曲名 2行目 3文字目)\n")
        << QString();
    QTest::newRow("no album") << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")}
                              << QStringLiteral("x.txt") << 1 << QString()
                              << QStringLiteral("velnora: 入力漏れ: アルバム名が入力されていません\n")
                              << QString();
    QTest::newRow("over capacity: the edit's warning, then the export refuses")
        << titles(30, 100).toUtf8() << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("x.cdt") << 1 << QString()
        << QStringLiteral(
               "velnora: CD-TEXT容量超過: CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。 "
               "ja ブロック: 543 / 253 パック\n")
        << QString();
    QString enLayout = QStringLiteral("en\r\n0\tAlbum\tArtist\r\n");
    for (int t = 1; t <= 30; ++t)
        enLayout += QStringLiteral("%1\t").arg(t) + QString(100, QLatin1Char('x')) + QStringLiteral("\r\n");
    QTest::newRow("over capacity as text: written, with the warning")
        << titles(30, 100).toUtf8() << QStringList{QStringLiteral("--type"), QStringLiteral("en")} + names
        << QStringLiteral("x.txt") << 0 << QStringLiteral("en: 272 / 253 パック\n")
        << QStringLiteral(
               "velnora: CD-TEXT容量超過: CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。 "
               "en ブロック: 272 / 253 パック\n")
        << enLayout;
    // Written: the bytes are valid CD-TEXT, only some readers drop such texts.
    QTest::newRow("characters some players cannot show: one line, written")
        << utf8("\xe9\xab\x99\xe6\xa9\x8b\r\n\xe2\x91\xa0\r\n") // 髙橋, ①
        << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names << QStringLiteral("x.cdt") << 0
        << QStringLiteral("ja: 6 / 253 パック\n")
        << QStringLiteral(
               "velnora: CD-TEXT機種依存文字: ja ブロックにJIS X 0208にない文字 (機種依存文字) "
               "があります。CD-TEXTとしては正しく書けますが、一部の読み取りソフトで作られたプレーヤーで"
               "は、その文字を含む曲名やアルバム名が何も表示されません。 "
               "1曲目の曲名「髙」(U+9AD9) → 高 2曲目の曲名「①」(U+2460) → （１） "
               "「→」の後の文字に置き換えると、どのプレーヤーでも表示されます。\n")
        << QStringLiteral("ja\r\n0\tＡｌｂｕｍ\tＡｒｔｉｓｔ\r\n1\t髙橋\r\n2\t①\r\n");
    QTest::newRow("output in a folder that is a file")
        << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("in.txt/album.txt") << 1 << QString()
        << QStringLiteral("velnora: 保存エラー: 保存できませんでした。 OUT ENOTDIR\n") << QString();
    QTest::newRow("unknown option") << twoTitles << QStringList{QStringLiteral("--typo")}
                                    << QStringLiteral("x.txt") << 2 << QString()
                                    << QStringLiteral("velnora: unknown option --typo\nUSAGE") << QString();
    QTest::newRow("help lists the converter")
        << twoTitles << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << QStringLiteral("x.txt")
        << 0 << QStringLiteral("USAGE") << QString() << QString();
}

// The real program, started without a display and with a folder of its own: it answers on its
// streams, writes OUT or nothing, and leaves no temp.dat and no lock behind.
void TestConverter::convert()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(QString, layout);

    QTemporaryDir dir;
    QDir folder(dir.path());
    const QString program = folder.filePath(QStringLiteral("velnora"));
    QVERIFY(QFile::copy(QStringLiteral(VELNORA_PROGRAM), program));
    QVERIFY(folder.mkdir(QStringLiteral("runtime")));
    const QString in = folder.filePath(QStringLiteral("in.txt"));
    const QString outPath = folder.filePath(output);
    {
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(input);
    }
    QStringList argv =
        arguments.value(0) == QLatin1String("--")
            ? arguments.mid(1)
            : QStringList{QStringLiteral("--convert"), in, QStringLiteral("-o"), outPath} + arguments;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(dir.path());
    child.start(program, argv);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);

    const QString usage = convertUsage();
    error.replace(QLatin1String("OUT"), outPath).replace(QLatin1String("IN"), in);
    error.replace(QLatin1String("ENOTDIR"), systemReason(ENOTDIR)).replace(QLatin1String("USAGE"), usage);
    out.replace(QLatin1String("USAGE"), usage);
    QCOMPARE(QString::fromUtf8(child.readAllStandardError()), error);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), out);
    QCOMPARE(child.exitCode(), status);

    QStringList left = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    left.sort();
    QStringList expected{QStringLiteral("in.txt"), QStringLiteral("runtime"), QStringLiteral("velnora")};
    if (!layout.isEmpty())
        expected << output;
    expected.sort();
    QCOMPARE(left, expected);
    QCOMPARE(
        QDir(folder.filePath(QStringLiteral("runtime"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{});
    if (layout.isEmpty())
        return;

    QFile written(outPath);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (output.endsWith(QLatin1String(".txt")))
        QCOMPARE(cp932::decode(bytes), layout);
    else
        QCOMPARE(bytes, cdtext::exportCdText(layout).bytes);
    if (output.endsWith(QLatin1String(".cdt"))) {
        // libburn reads the file and the first title as written.
        QProcess cdrskin;
        cdrskin.start(QStringLiteral("cdrskin"), {QStringLiteral("textfile_to_v07t=") + outPath});
        QVERIFY(cdrskin.waitForFinished(60000));
        QCOMPARE(cdrskin.exitCode(), 0);
        const QString first = layout.section(QStringLiteral("\r\n"), 2, 2).section(QLatin1Char('\t'), 1);
        QByteArray title = "(none)";
        for (const QByteArray &line : cdrskin.readAllStandardOutput().split('\n'))
            if (line.startsWith("Track 01 Title"))
                title = line.mid(line.indexOf("= ") + 2);
        QCOMPARE(title, cp932::encode(first).bytes);
    }
    // Byte for byte what the window's session writes for the same input.
    QCOMPARE(bytes, savedBySession(folder, in, arguments, outPath));
}

QTEST_GUILESS_MAIN(TestConverter)
#include "tst_converter.moc"
