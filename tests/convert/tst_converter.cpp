#include "cdtext/CdTextExport.h"
#include "convert/BurnCommand.h"
#include "convert/ConvertOptions.h"
#include "document/Document.h"
#include "edit/EditMarks.h"
#include "files/FileAccess.h"
#include "session/Session.h"
#include "support/ScriptedCorePlatform.h"
#include "support/TestAudio.h"
#include "text/Cp932.h"
#include "text/Lines.h"
#include "text/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cdio/cdtext.h>
#include <cerrno>
#include <unistd.h>

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

// libcdio's reading of a CD-TEXT file, written out as the CD_TEXT layout it would come from.
QString layoutReadByLibcdio(QByteArray file)
{
    QStringList blocks;
    cdtext_t *cdtext = cdtext_init();
    if (file.size() > 4 && cdtext_data_init(cdtext, reinterpret_cast<uint8_t *>(file.data()) + 4,
                                            static_cast<size_t>(file.size() - 4)) == 0) {
        const cdtext_lang_t *languages = cdtext_list_languages_v2(cdtext);
        for (int b = 0; b < 8; ++b) {
            if (languages[b] == CDTEXT_LANGUAGE_BLOCK_UNUSED || !cdtext_set_language_index(cdtext, b))
                continue;
            const auto text = [cdtext](cdtext_field_t field, int track) {
                return QString::fromUtf8(cdtext_get_const(cdtext, field, static_cast<track_t>(track)));
            };
            QString block = languages[b] == CDTEXT_LANGUAGE_JAPANESE ? QStringLiteral("ja\r\n")
                                                                     : QStringLiteral("en\r\n");
            block += QStringLiteral("0\t%1\t%2\r\n")
                         .arg(text(CDTEXT_FIELD_TITLE, 0), text(CDTEXT_FIELD_PERFORMER, 0));
            for (int t = cdtext_get_first_track(cdtext); t <= cdtext_get_last_track(cdtext); ++t)
                block += QStringLiteral("%1\t%2\r\n").arg(t).arg(text(CDTEXT_FIELD_TITLE, t));
            blocks << block;
        }
    }
    cdtext_destroy(cdtext);
    return blocks.join(QStringLiteral("\r\n"));
}

// The same input through the session as the window runs it: "開く", the names, "編集", then
// "名前を付けて保存" or the export, each dialog answered with a name in dir. A layout kept as
// written is the one in the title box, in the state "編集" leaves.
QByteArray savedBySession(const QDir &dir, const QStringList &argv)
{
    ScriptedCorePlatform platform;
    platform.setProgramFolder(dir.filePath(QStringLiteral("session")));
    // Only the bytes count here: every box is expected as it comes and takes its first button (Yes, OK).
    platform.onMessage = [&platform](const ScriptedCorePlatform::Message &) { platform.expectBox(); };
    Session session(platform);
    const ConvertOptions options = parseConvertOptions(argv, UserLanguage::Japanese);
    QFile in(options.input);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QString text = decodeFileBytes(in.readAll());
    const auto layoutType = layoutEditType(text);
    if (layoutType && !options.asksForEdit()) {
        Document document;
        loadLines(document, readLines(text));
        session.setAlbum(document.album);
        session.setArtist(document.artist);
        session.setTitles(document.titles);
        session.enterEditedState();
    } else {
        platform.queueFileName(options.input);
        session.openDocument();
        if (options.album)
            session.setAlbum(*options.album);
        if (options.artist)
            session.setArtist(*options.artist);
        // The user sets the type a layout was made with, unless told another.
        const auto type = options.type ? options.type : layoutType;
        if (!type)
            return {};
        session.setEditType(*type);
        session.edit();
    }
    const QString saved =
        dir.filePath(QStringLiteral("saved-by-session") + QFileInfo(options.output).suffix());
    platform.queueFileName(saved);
    if (options.output.endsWith(QLatin1String(".cdt")))
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
    void documentedExamples_data();
    void documentedExamples();
    void audioImage_data();
    void audioImage();
    void burnImage_data();
    void burnImage();
    void progressLines_data();
    void progressLines();
};

void TestConverter::convert_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("arguments"); // after IN -o OUT; a first "--" replaces them all
    QTest::addColumn<QString>("output");        // the file name of OUT
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("error");  // "{IN}" and "{OUT}" stand for the paths; "{USAGE}" for the usage
    QTest::addColumn<QString>("layout"); // what OUT holds as text; empty when nothing is written
    // Before the run: "NAME=VALUE" for the environment, "symlink NAME" and "hardlink NAME" to in.txt.
    QTest::addColumn<QStringList>("setup");

    const QByteArray twoTitles = utf8("\xe6\x9c\x9d\xe3\x81\xae\xe6\xad\x8c\r\nRain\r\n"); // 朝の歌, Rain
    const QStringList names{QStringLiteral("--album"), QStringLiteral("Album"), QStringLiteral("--artist"),
                            QStringLiteral("Artist")};
    const QString jaLayout =
        QStringLiteral("ja\r\n0\tＡｌｂｕｍ\tＡｒｔｉｓｔ\r\n1\t朝の歌\r\n2\tＲａｉｎ\r\n");

    QTest::newRow("plain titles as the ja layout")
        << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("album.txt") << 0 << QStringLiteral("ja: 7 / 253 パック\n") << QString() << jaLayout
        << QStringList{};
    QTest::newRow("plain titles as binary CD-TEXT")
        << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("album.cdt") << 0 << QStringLiteral("ja: 7 / 253 パック\n") << QString() << jaLayout
        << QStringList{};
    QTest::newRow("a layout gives its type, album and artist")
        << cp932::encode(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n3\tNight\r\n")).bytes
        << QStringList{} << QStringLiteral("sky.txt") << 0 << QStringLiteral("en: 4 / 253 パック\n")
        << QString() << QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n3\tNight\r\n") << QStringList{};
    QTest::newRow("options over a layout: converted again")
        << cp932::encode(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n")).bytes
        << QStringList{QStringLiteral("--type"), QStringLiteral("en+ja"), QStringLiteral("--album"),
                       QStringLiteral("Blue")}
        << QStringLiteral("blue.txt") << 0 << QStringLiteral("en: 3 / 253 パック\nja: 5 / 253 パック\n")
        << QString()
        << QStringLiteral(
               "en\r\n0\tBlue\tTom\r\n1\tMorning\r\n\r\nja\r\n0\tＢｌｕｅ\tＴｏｍ\r\n1\tＭｏｒｎｉｎｇ\r\n")
        << QStringList{};
    QTest::newRow("plain titles need --type")
        << twoTitles << names << QStringLiteral("x.txt") << 2 << QString()
        << QStringLiteral("velnora: {IN} は曲名だけのファイルです: --type en、ja、en+ja "
                          "のどれかを指定してください\n{USAGE}")
        << QString() << QStringList{};
    QTest::newRow("half-width katakana in en: field, line and position")
        << utf8("Rain\r\nab\xef\xbd\xb1\r\n")
        << QStringList{QStringLiteral("--type"), QStringLiteral("en")} + names << QStringLiteral("x.cdt") << 1
        << QString()
        << QStringLiteral("velnora: 編集中断: 下記の不適切な日本語全角文字を修正してください または "
                          "編集種類をja にしてください 不適切文字は【 ｱ 】です (曲名 2行目 3文字目)\n")
        << QString() << QStringList{};
    QTest::newRow("no album") << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")}
                              << QStringLiteral("x.txt") << 1 << QString()
                              << QStringLiteral("velnora: 入力漏れ: アルバム名が入力されていません\n")
                              << QString() << QStringList{};
    QTest::newRow("over capacity: the edit's warning, then the export refuses")
        << titles(30, 100).toUtf8() << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("x.cdt") << 1 << QString()
        << QStringLiteral(
               "velnora: CD-TEXT容量超過: CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。 "
               "ja ブロック: 543 / 253 パック\n")
        << QString() << QStringList{};
    QString enLayout = QStringLiteral("en\r\n0\tAlbum\tArtist\r\n");
    for (int t = 1; t <= 30; ++t)
        enLayout += QStringLiteral("%1\t").arg(t) + QString(100, QLatin1Char('x')) + QStringLiteral("\r\n");
    QTest::newRow("over capacity as text: written, with the warning")
        << titles(30, 100).toUtf8() << QStringList{QStringLiteral("--type"), QStringLiteral("en")} + names
        << QStringLiteral("x.txt") << 0 << QStringLiteral("en: 272 / 253 パック\n")
        << QStringLiteral(
               "velnora: CD-TEXT容量超過: CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。 "
               "en ブロック: 272 / 253 パック\n")
        << enLayout << QStringList{};
    const QString overCapacity = QStringLiteral(
        "velnora: CD-TEXT容量超過: CD-TEXTの容量を超えています。曲名やアルバム名を短くしてください。 "
        "en ブロック: 272 / 253 パック\n");
    QTest::newRow("layout over capacity kept as text: written, with the warning")
        << enLayout.toUtf8() << QStringList{} << QStringLiteral("x.txt") << 0
        << QStringLiteral("en: 272 / 253 パック\n") << overCapacity << enLayout << QStringList{};
    QTest::newRow("layout over capacity as binary CD-TEXT: refused")
        << enLayout.toUtf8() << QStringList{} << QStringLiteral("x.cdt") << 1 << QString() << overCapacity
        << QString() << QStringList{};
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
        << QStringLiteral("ja\r\n0\tＡｌｂｕｍ\tＡｒｔｉｓｔ\r\n1\t髙橋\r\n2\t①\r\n") << QStringList{};
    QTest::newRow("output in a folder that is a file")
        << twoTitles << QStringList{QStringLiteral("--type"), QStringLiteral("ja")} + names
        << QStringLiteral("in.txt/album.txt") << 1 << QString()
        << QStringLiteral("velnora: 保存エラー: 保存できませんでした。 {OUT} {ENOTDIR}\n") << QString()
        << QStringList{};
    QTest::newRow("IN in a folder that is a file: the system's reason")
        << twoTitles
        << QStringList{QStringLiteral("--"), QStringLiteral("--convert"), QStringLiteral("{IN}/x.txt"),
                       QStringLiteral("-o"), QStringLiteral("{OUT}"),     QStringLiteral("--type"),
                       QStringLiteral("ja")}
        << QStringLiteral("x.txt") << 1 << QString()
        << QStringLiteral("velnora: 開けません！ {IN}/x.txt: {ENOTDIR}\n") << QString() << QStringList{};
    QTest::newRow("unknown option") << twoTitles << QStringList{QStringLiteral("--typo")}
                                    << QStringLiteral("x.txt") << 2 << QString()
                                    << QStringLiteral(
                                           "velnora: 不明なオプション --typo (その名前のファイルは velnora "
                                           "-- --typo で開きます)\n{USAGE}")
                                    << QString() << QStringList{};
    QTest::newRow("help lists the converter")
        << twoTitles << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << QStringLiteral("x.txt")
        << 0 << QStringLiteral("{USAGE}") << QString() << QString() << QStringList{};

    // Layouts as real discs carry them: the "ja" block holds other words than the "en" block.
    const QString handLayout = QStringLiteral("en\r\n0\tSora\tTomo\r\n1\tAsa no Uta\r\n2\tYoru\r\n\r\n"
                                              "ja\r\n0\t空\t友\r\n1\t朝の歌\r\n2\t夜\r\n");
    const QByteArray hand = cp932::encode(handLayout).bytes;
    const QString handUse = QStringLiteral("en: 4 / 253 パック\nja: 3 / 253 パック\n");
    QTest::newRow("en + ja layout kept as written: .cdt")
        << hand << QStringList{} << QStringLiteral("hand.cdt") << 0 << handUse << QString() << handLayout
        << QStringList{};
    QTest::newRow("en + ja layout kept as written: .txt")
        << hand << QStringList{} << QStringLiteral("hand.txt") << 0 << handUse << QString() << handLayout
        << QStringList{};
    const QString quotes = QStringLiteral("ja\r\n0\tＡ＼Ｂ\tＣ＂Ｄ\r\n1\t＇朝＇\r\n");
    QTest::newRow("ja layout: ＼＂＇ kept")
        << cp932::encode(quotes).bytes << QStringList{} << QStringLiteral("quotes.txt") << 0
        << QStringLiteral("ja: 4 / 253 パック\n")
        << QStringLiteral(
               "velnora: CD-TEXT機種依存文字: ja ブロックにJIS X 0208にない文字 (機種依存文字) "
               "があります。CD-TEXTとしては正しく書けますが、一部の読み取りソフトで作られたプレーヤーで"
               "は、その文字を含む曲名やアルバム名が何も表示されません。 "
               "アーティスト名「＂」(U+FF02) → ” 1曲目の曲名「＇」(U+FF07) → ’ "
               "「→」の後の文字に置き換えると、どのプレーヤーでも表示されます。\n")
        << quotes << QStringList{};
    QTest::newRow("layout with --type: edited again, the place in the user's file")
        << cp932::encode(QStringLiteral("en\r\n0\tA\tB\r\n1\tRain\r\n3\tab")).bytes + utf8("\xef\xbd\xb1\r\n")
        << QStringList{QStringLiteral("--type"), QStringLiteral("en")} << QStringLiteral("x.cdt") << 1
        << QString()
        << QStringLiteral("velnora: 編集中断: 下記の不適切な日本語全角文字を修正してください または "
                          "編集種類をja にしてください 不適切文字は【 ｱ 】です (曲名 4行目 5文字目)\n")
        << QString() << QStringList{};
    QTest::newRow("album from the last disc line: its line in IN")
        << hand << QStringList{QStringLiteral("--type"), QStringLiteral("en")} << QStringLiteral("x.cdt") << 1
        << QString()
        << QStringLiteral("velnora: 編集中断: 下記の不適切な日本語全角文字を修正してください または "
                          "編集種類をja にしてください 不適切文字は【 空 】です (アルバム名 7行目 3文字目)\n")
        << QString() << QStringList{};
    QTest::newRow("album from --album, in English")
        << twoTitles
        << QStringList{QStringLiteral("--type"), QStringLiteral("en"),       QStringLiteral("--album"),
                       QStringLiteral("朝"),     QStringLiteral("--artist"), QStringLiteral("B")}
        << QStringLiteral("x.cdt") << 1 << QString()
        << QStringLiteral("velnora: 編集中断: 下記の不適切な日本語全角文字を修正してください または "
                          "編集種類をja にしてください 不適切文字は【 朝 】です (album, --album)\n")
        << QString() << QStringList{QStringLiteral("LC_ALL=C")};
    QTest::newRow("title in English")
        << utf8("Rain\r\nab\xef\xbd\xb1\r\n")
        << QStringList{QStringLiteral("--type"), QStringLiteral("en")} + names << QStringLiteral("x.cdt") << 1
        << QString()
        << QStringLiteral(
               "velnora: 編集中断: 下記の不適切な日本語全角文字を修正してください または "
               "編集種類をja にしてください 不適切文字は【 ｱ 】です (title, line 2, character 3)\n")
        << QString() << QStringList{QStringLiteral("LANG=en_US.UTF-8"), QStringLiteral("LC_ALL=")};

    const QString sameFile =
        QStringLiteral("velnora: {OUT} は入力ファイルです: 出力には別の名前を指定してください\n{USAGE}");
    QTest::newRow("OUT is IN") << hand << QStringList{} << QStringLiteral("in.txt") << 2 << QString()
                               << sameFile << QString() << QStringList{};
    QTest::newRow("OUT is IN through a symbolic link")
        << hand << QStringList{} << QStringLiteral("link.txt") << 2 << QString() << sameFile << QString()
        << QStringList{QStringLiteral("symlink link.txt")};
    QTest::newRow("OUT is IN through a hard link")
        << hand << QStringList{} << QStringLiteral("hard.txt") << 2 << QString() << sameFile << QString()
        << QStringList{QStringLiteral("hardlink hard.txt")};
    QTest::newRow("OUT is IN by another path")
        << hand << QStringList{QStringLiteral("--type"), QStringLiteral("en+ja")}
        << QStringLiteral("runtime/../in.txt") << 2 << QString() << sameFile << QString() << QStringList{};
    QTest::newRow("OUT is IN, in English")
        << hand << QStringList{} << QStringLiteral("in.txt") << 2 << QString()
        << QStringLiteral("velnora: {OUT} is the input file: give OUT another name\n{USAGE_EN}") << QString()
        << QStringList{QStringLiteral("LC_ALL=C")};

    QTest::newRow("options before --convert")
        << twoTitles
        << QStringList{QStringLiteral("--"), QStringLiteral("--type"), QStringLiteral("ja")} + names +
               QStringList{QStringLiteral("--convert"), QStringLiteral("{IN}"), QStringLiteral("-o"),
                           QStringLiteral("{OUT}")}
        << QStringLiteral("album.txt") << 0 << QStringLiteral("ja: 7 / 253 パック\n") << QString() << jaLayout
        << QStringList{};
    QTest::newRow("values after =, IN last")
        << twoTitles
        << QStringList{QStringLiteral("--"),
                       QStringLiteral("--type=ja"),
                       QStringLiteral("--album=Album"),
                       QStringLiteral("--artist=Artist"),
                       QStringLiteral("-o"),
                       QStringLiteral("{OUT}"),
                       QStringLiteral("--convert"),
                       QStringLiteral("--"),
                       QStringLiteral("{IN}")}
        << QStringLiteral("album.cdt") << 0 << QStringLiteral("ja: 7 / 253 パック\n") << QString() << jaLayout
        << QStringList{};
    QTest::newRow("unknown option alone")
        << twoTitles << QStringList{QStringLiteral("--"), QStringLiteral("-V")} << QStringLiteral("x.txt")
        << 2 << QString()
        << QStringLiteral(
               "velnora: 不明なオプション -V (その名前のファイルは velnora -- -V で開きます)\n{USAGE}")
        << QString() << QStringList{};
    QTest::newRow("unknown option under LC_MESSAGES=C: English")
        << twoTitles << QStringList{QStringLiteral("--"), QStringLiteral("-V")} << QStringLiteral("x.txt")
        << 2 << QString()
        << QStringLiteral(
               "velnora: unknown option -V (a file of that name opens with: velnora -- -V)\n{USAGE_EN}")
        << QString()
        << QStringList{QStringLiteral("LC_ALL="), QStringLiteral("LC_MESSAGES=C"),
                       QStringLiteral("LANG=ja_JP.UTF-8")};
    QTest::newRow("plain titles need --type, in English")
        << twoTitles << names << QStringLiteral("x.txt") << 2 << QString()
        << QStringLiteral("velnora: {IN} holds plain titles: give --type en, ja or en+ja\n{USAGE_EN}")
        << QString() << QStringList{QStringLiteral("LC_ALL=en_GB.UTF-8")};
    QTest::newRow("a converter option without --convert")
        << twoTitles
        << QStringList{QStringLiteral("--"), QStringLiteral("--type"), QStringLiteral("en"),
                       QStringLiteral("{IN}")}
        << QStringLiteral("x.txt") << 2 << QString()
        << QStringLiteral("velnora: --type は --convert とともに使います\n{USAGE}") << QString()
        << QStringList{};
    QTest::newRow("-o without its value")
        << twoTitles
        << QStringList{QStringLiteral("--"), QStringLiteral("--convert"), QStringLiteral("{IN}"),
                       QStringLiteral("-o")}
        << QStringLiteral("x.txt") << 2 << QString()
        << QStringLiteral("velnora: -o には値が必要です\n{USAGE}") << QString() << QStringList{};
    // The burner's command line: usage errors, and what is refused before any drive is asked.
    const auto alone = [](const char *line) {
        return QStringList{QStringLiteral("--")} + QString::fromUtf8(line).split(QLatin1Char(' '));
    };
    const auto usage = [](const char *line) { return QString::fromUtf8(line) + QStringLiteral("\n{USAGE}"); };
    QTest::newRow("--burn without a cue sheet")
        << twoTitles << alone("--burn --simulate") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: --burn にはイメージのCUEシート(名前.cue)が必要です") << QString() << QStringList{};
    QTest::newRow("--burn with two cue sheets")
        << twoTitles << alone("--burn a.cue b.cue") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: CUEシートは1つだけです") << QString() << QStringList{};
    QTest::newRow("--speed 0 is no speed")
        << twoTitles << alone("--burn {IN} --speed 0") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: --speed は1以上の整数(CDの何倍速か)です(\"0\" は使えません)") << QString()
        << QStringList{};
    QTest::newRow("--speed=fast, in English")
        << twoTitles << alone("--speed=fast --burn {IN}") << QStringLiteral("x.txt") << 2 << QString()
        << QStringLiteral("velnora: --speed takes a whole number of times CD speed above 0, not \"fast\"\n"
                          "{USAGE_EN}")
        << QString() << QStringList{QStringLiteral("LC_ALL=C")};
    QTest::newRow("--speed without its value")
        << twoTitles << alone("--burn {IN} --speed") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: --speed には値が必要です") << QString() << QStringList{};
    QTest::newRow("--drive without --burn")
        << twoTitles << alone("--drive /dev/sr0 {IN}") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: --drive は --burn とともに使います") << QString() << QStringList{};
    QTest::newRow("--simulate with --convert")
        << twoTitles << alone("--convert {IN} -o {OUT} --simulate") << QStringLiteral("x.txt") << 2
        << QString() << usage("velnora: --simulate は --burn とともに使います") << QString() << QStringList{};
    QTest::newRow("--burn with --convert")
        << twoTitles << alone("--burn {IN} --convert {IN} -o {OUT}") << QStringLiteral("x.txt") << 2
        << QString() << usage("velnora: --burn と --convert は同時に使えません") << QString()
        << QStringList{};
    QTest::newRow("a converter option with --burn")
        << twoTitles << alone("--burn {IN} --type ja") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: --type は --burn のオプションではありません") << QString() << QStringList{};
    QTest::newRow("--drive= empty") << twoTitles << alone("--burn {IN} --drive=") << QStringLiteral("x.txt")
                                    << 2 << QString() << usage("velnora: --drive には値が必要です")
                                    << QString() << QStringList{};
    QTest::newRow("--list-drives with a file")
        << twoTitles << alone("--list-drives {IN}") << QStringLiteral("x.txt") << 2 << QString()
        << usage("velnora: --list-drives にはファイルもほかのオプションも付けません") << QString()
        << QStringList{};
    QTest::newRow("--list-drives: no drive here, nothing printed")
        << twoTitles << alone("--list-drives") << QStringLiteral("x.txt") << 0 << QString() << QString()
        << QString() << QStringList{};
    QTest::newRow("--burn of a file that is no cue sheet: refused, no drive asked")
        << twoTitles << alone("--burn {IN} --drive stdio:/dev/null") << QStringLiteral("x.txt") << 1
        << QString()
        << QStringLiteral("velnora: CUEシート「in.txt」: CUEシートとして読めません。TRACK と INDEX 01 "
                          "のある CUEシートを選んでください。\n")
        << QString() << QStringList{};
    QTest::newRow("--burn of a missing sheet: the system's reason")
        << twoTitles << alone("--burn {OUT}") << QStringLiteral("none.cue") << 1 << QString()
        << QStringLiteral("velnora: CUEシート「none.cue」を読めません: {ENOENT}\n") << QString()
        << QStringList{};
    QTest::newRow("--help after the converter's options")
        << twoTitles << QStringList{QStringLiteral("--help")} << QStringLiteral("x.txt") << 0
        << QStringLiteral("{USAGE}") << QString() << QString() << QStringList{};
    QTest::newRow("--help in English")
        << twoTitles << QStringList{QStringLiteral("--"), QStringLiteral("--help")} << QStringLiteral("x.txt")
        << 0 << QStringLiteral("{USAGE_EN}") << QString() << QString()
        << QStringList{QStringLiteral("LC_ALL=C")};
    QTest::newRow("a name starting with - after --: the window's")
        << twoTitles << QStringList{QStringLiteral("--"), QStringLiteral("--"), QStringLiteral("-x.txt")}
        << QStringLiteral("x.txt") << 1 << QString()
        << QStringLiteral("VELNORA needs a display; without one, run it as: xvfb-run -a velnora [FILE]\n")
        << QString() << QStringList{};
}

// The real program, started without a display and with a folder of its own: it answers on its
// streams, writes OUT or nothing, leaves IN as it was, and leaves no temp.dat and no lock behind.
void TestConverter::convert()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(QString, layout);
    QFETCH(QStringList, setup);

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
    argv.replaceInStrings(QStringLiteral("{IN}"), in).replaceInStrings(QStringLiteral("{OUT}"), outPath);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    QStringList links;
    for (const QString &step : std::as_const(setup)) {
        const QString name = step.section(QLatin1Char(' '), 1);
        if (step.startsWith(QLatin1String("symlink "))) {
            QVERIFY(QFile::link(QStringLiteral("in.txt"), folder.filePath(name)));
            links << name;
        } else if (step.startsWith(QLatin1String("hardlink "))) {
            QCOMPARE(::link(QFile::encodeName(in).constData(),
                            QFile::encodeName(folder.filePath(name)).constData()),
                     0);
            links << name;
        } else {
            env.insert(step.section(QLatin1Char('='), 0, 0), step.section(QLatin1Char('='), 1));
        }
    }
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(dir.path());
    child.start(program, argv);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);

    for (QString *text : {&error, &out}) {
        text->replace(QLatin1String("{OUT}"), outPath).replace(QLatin1String("{IN}"), in);
        text->replace(QLatin1String("{ENOTDIR}"), systemReason(ENOTDIR));
        text->replace(QLatin1String("{ENOENT}"), systemReason(ENOENT));
        text->replace(QLatin1String("{USAGE_EN}"), convertUsage(UserLanguage::English));
        text->replace(QLatin1String("{USAGE}"), convertUsage(UserLanguage::Japanese));
    }
    QCOMPARE(QString::fromUtf8(child.readAllStandardError()), error);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), out);
    QCOMPARE(child.exitCode(), status);

    QStringList left =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    left.sort();
    QStringList expected =
        QStringList{QStringLiteral("in.txt"), QStringLiteral("runtime"), QStringLiteral("velnora")} + links;
    if (!layout.isEmpty())
        expected << output;
    expected.sort();
    QCOMPARE(left, expected);
    QCOMPARE(
        QDir(folder.filePath(QStringLiteral("runtime"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{});
    {
        QFile file(in);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), input);
    }
    if (layout.isEmpty())
        return;

    QFile written(outPath);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    if (output.endsWith(QLatin1String(".txt"))) {
        QCOMPARE(cp932::decode(bytes), layout);
        // A layout written as it stands: the file holds the bytes the user wrote.
        if (layout == cp932::decode(input))
            QCOMPARE(bytes, input);
    } else {
        QCOMPARE(bytes, cdtext::exportCdText(layout).bytes);
        // An independent reader finds every block as the layout has it; libcdio drops a text with a
        // character outside JIS X 0208 whole, which is what the warning says.
        if (!error.contains(QStringLiteral("機種依存文字")))
            QCOMPARE(layoutReadByLibcdio(bytes), layout);
        // libburn reads the file and the first title as written.
        QProcess cdrskin;
        cdrskin.start(QStringLiteral("cdrskin"), {QStringLiteral("textfile_to_v07t=") + outPath});
        QVERIFY(cdrskin.waitForFinished(60000));
        QCOMPARE(cdrskin.exitCode(), 0);
        const QString first = layout.section(QStringLiteral("\r\n"), 2, 2).section(QLatin1Char('\t'), 1);
        QByteArray title = "(none)";
        for (const QByteArray &line : cdrskin.readAllStandardOutput().split('\n'))
            if (line.startsWith("Track 01 Title")) {
                title = line.mid(line.indexOf("= ") + 2);
                break; // the first block's
            }
        QCOMPARE(title, cp932::encode(first).bytes);
    }
    // Byte for byte what the window's session writes for the same input.
    QCOMPARE(bytes, savedBySession(folder, argv));
}

namespace
{

struct Example {
    int line = 0;
    QString command;
};

// The commands of the code in a README (fenced blocks and inline spans), a manual page (.nf and
// .EX blocks) or an HTML page (pre and code), each with its line in the file.
QList<Example> codeIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const auto lineAt = [&text](qsizetype offset) {
        return int(text.left(offset).count(QLatin1Char('\n'))) + 1;
    };
    QList<Example> code;
    const auto addLines = [&](const QString &block, qsizetype offset) {
        const QStringList lines = block.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i)
            code.append({lineAt(offset) + int(i), lines.at(i)});
    };
    QRegularExpression blocks;
    if (path.endsWith(QLatin1String(".md")))
        blocks.setPattern(QStringLiteral("```[^\\n]*\\n(.*?)```|`([^`\\n]+)`"));
    else if (path.endsWith(QLatin1String(".html")))
        blocks.setPattern(QStringLiteral("<pre>(.*?)</pre>|<code>(.*?)</code>"));
    else
        blocks.setPattern(QStringLiteral("\\n\\.(?:nf|EX)\\n(.*?)\\n\\.(?:fi|EE)\\n"));
    blocks.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    for (const QRegularExpressionMatch &match : blocks.globalMatch(text)) {
        const int group = match.capturedStart(1) >= 0 ? 1 : 2;
        QString block = match.captured(group);
        block.replace(QLatin1String("\\-"), QLatin1String("-"))
            .replace(QLatin1String("\\e"), QLatin1String("\\"));
        block.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"));
        block.replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        addLines(block, match.capturedStart(group));
    }
    return code;
}

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

} // namespace

// Every command of the program shown in the README, the manual pages and the manual, found in their
// code, so that an example added later is run as well.
void TestConverter::documentedExamples_data()
{
    QTest::addColumn<QString>("command");
    const QDir source(QStringLiteral(VELNORA_SOURCE_DIR));
    QStringList files{QStringLiteral("README.md"), QStringLiteral("data/man/velnora.1"),
                      QStringLiteral("data/man/ja/velnora.1")};
    const QStringList manual = QDir(source.filePath(QStringLiteral("manual")))
                                   .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString &page : manual)
        files << QStringLiteral("manual/") + page;
    // The program as a command, not a synopsis with its placeholders in brackets.
    const QRegularExpression program(QStringLiteral("(^|[\\s;&|(])velnora\\s"));
    const QRegularExpression synopsis(QStringLiteral("\\[(--|FILE|ファイル)"));
    for (const QString &name : std::as_const(files)) {
        int found = 0;
        for (const Example &example : codeIn(source.filePath(name))) {
            if (!example.command.contains(program) || example.command.contains(synopsis))
                continue;
            ++found;
            QTest::newRow(qPrintable(
                QStringLiteral("%1:%2 %3").arg(name).arg(example.line).arg(example.command.trimmed())))
                << example.command.trimmed();
        }
        if (name == QLatin1String("README.md") || name.startsWith(QLatin1String("data/")) ||
            name == QLatin1String("manual/convert.html"))
            QVERIFY2(found > 0, qPrintable(name + QStringLiteral(": no example found")));
    }
}

// In a scratch folder with plain titles (titles.txt, and -x.txt for the window), two layouts as
// "保存" writes them (saved/) and two 5-second WAVs (01.wav, 02.wav): the example ends with 0, says nothing
// on standard error (the window shows no box) and a conversion writes its files.
void TestConverter::documentedExamples()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    QDir folder(dir.path());
    for (const char *name : {"bin", "saved", "runtime"})
        QVERIFY(folder.mkdir(QString::fromLatin1(name)));
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QFile::copy(QStringLiteral(VELNORA_PROGRAM), folder.filePath(QStringLiteral("bin/velnora"))));
    const QList<std::pair<QString, QByteArray>> inputs{
        {QStringLiteral("titles.txt"), utf8("Morning\r\nRain\r\n")},
        {QStringLiteral("-x.txt"), utf8("Rain\r\n")},
        {QStringLiteral("saved/one.txt"),
         cp932::encode(QStringLiteral("ja\r\n0\tＡｌｂｕｍ\tＡｒｔｉｓｔ\r\n1\t朝の歌\r\n2\tＲａｉｎ\r\n"))
             .bytes},
        {QStringLiteral("saved/two.txt"),
         cp932::encode(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n\r\n"
                                      "ja\r\n0\t空\tトム\r\n1\t朝\r\n"))
             .bytes},
    };
    for (const auto &[name, bytes] : inputs) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    for (const char *name : {"01.wav", "02.wav"})
        QVERIFY(testaudio::run(QStringLiteral("sox"),
                               {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                                QStringLiteral("16"), folder.filePath(QLatin1String(name)),
                                QStringLiteral("synth"), QStringLiteral("5"), QStringLiteral("sine"),
                                QStringLiteral("440")}));
    const bool burn = command.contains(QLatin1String("--burn"));
    if (burn) {
        // The image a --burn example writes: the two WAVs with the titles, as the converter makes it.
        QVERIFY(testaudio::run(QStringLiteral(VELNORA_PROGRAM),
                               {QStringLiteral("--convert"), folder.filePath(QStringLiteral("titles.txt")),
                                QStringLiteral("-o"), folder.filePath(QStringLiteral("album.cue")),
                                QStringLiteral("--type"), QStringLiteral("ja"), QStringLiteral("--album"),
                                QStringLiteral("Album"), QStringLiteral("--artist"), QStringLiteral("Artist"),
                                QStringLiteral("--audio"), folder.filePath(QStringLiteral("01.wav")),
                                folder.filePath(QStringLiteral("02.wav"))}));
    }
    const QStringList before = filesUnder(dir.path());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("PATH"),
               folder.filePath(QStringLiteral("bin")) + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
    env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    // A window example: shown offscreen, a start-up box answered and told on standard output, then ended.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("VELNORA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("VELNORA_UNATTENDED"), QStringLiteral("1"));
    QProcess shell;
    shell.setProcessEnvironment(env);
    shell.setWorkingDirectory(dir.path());
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    QVERIFY(shell.waitForFinished(60000));
    const QString error = QString::fromUtf8(shell.readAllStandardError());
    const QString out = QString::fromUtf8(shell.readAllStandardOutput());
    // There is no CD writer here: a burn example goes as far as looking for the drive.
    if (burn && shell.exitCode() == 1) {
        QVERIFY2(error.startsWith(QStringLiteral("velnora: CDドライブが見つかりません。\n")),
                 qPrintable(error));
        QCOMPARE(filesUnder(dir.path()), before);
        return;
    }
    QVERIFY2(shell.exitStatus() == QProcess::NormalExit && shell.exitCode() == 0, qPrintable(error));
    if (command.contains(QLatin1String("--convert"))) {
        QCOMPARE(error, QString());
        QStringList made = filesUnder(dir.path());
        for (const QString &file : before)
            made.removeOne(file);
        QVERIFY2(!made.isEmpty(), "nothing written");
        for (const QString &file : std::as_const(made))
            QVERIFY2(QFileInfo(file).size() > 0, qPrintable(file));
    } else if (!command.contains(QLatin1String("--help")) && !command.contains(QLatin1String("--version")) &&
               !command.contains(QLatin1String("--list-drives")) && !burn) {
        QCOMPARE(out, QStringLiteral("window shown\n")); // no box: the file was found and loaded
    }
}

// --audio, in a folder holding titles.txt ("Morning", "Rain"), 01.wav (5 s) and 02.wav (6 s) made by
// sox, and the same sounds as 01.flac and 02.flac tagged by metaflac: the exit status, standard
// error, and what libcdio reads of the image (each track's start, then every CD-TEXT line).
void TestConverter::audioImage_data()
{
    QTest::addColumn<QStringList>("arguments"); // after --convert; the program's folder is the working one
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("read"); // empty: nothing is written

    const auto strings = [](const char *line) { return QString::fromUtf8(line).split(QLatin1Char(' ')); };
    QTest::newRow("a layout and two WAVs: the gap before track 2, the titles")
        << strings("titles.txt -o album.cue --type ja --album Sky --artist Tom --audio 01.wav 02.wav") << 0
        << QString()
        << QStringList{QStringLiteral("1: 000000"),
                       QStringLiteral("2: 000525"),
                       QStringLiteral("TITLE: Ｓｋｙ"),
                       QStringLiteral("PERFORMER: Ｔｏｍ"),
                       QStringLiteral("TITLE: Ｍｏｒｎｉｎｇ"),
                       QStringLiteral("PERFORMER: Ｔｏｍ"),
                       QStringLiteral("TITLE: Ｒａｉｎ"),
                       QStringLiteral("PERFORMER: Ｔｏｍ")};
    QTest::newRow("titles from tags, in track order whatever the order given")
        << strings("-o album.cue --type ja --audio 02.flac 01.flac") << 0 << QString()
        << QStringList{QStringLiteral("1: 000000"),     QStringLiteral("2: 000525"),
                       QStringLiteral("TITLE: 盤"),     QStringLiteral("PERFORMER: 歌手"),
                       QStringLiteral("TITLE: 朝の歌"), QStringLiteral("PERFORMER: 歌手"),
                       QStringLiteral("TITLE: 夜"),     QStringLiteral("PERFORMER: 歌手")};
    QTest::newRow("--artist over the tags'")
        << strings("--artist Band -o album.cue --type en --audio 01.flac 02.flac") << 0 << QString()
        << QStringList{QStringLiteral("1: 000000"),      QStringLiteral("2: 000525"),
                       QStringLiteral("TITLE: Ban"),     QStringLiteral("PERFORMER: Band"),
                       QStringLiteral("TITLE: Morning"), QStringLiteral("PERFORMER: Band"),
                       QStringLiteral("TITLE: Night"),   QStringLiteral("PERFORMER: Band")};
    QTest::newRow("fewer files than tracks: refused, nothing written")
        << strings("titles.txt -o album.cue --type ja --album Sky --artist Tom --audio 01.wav") << 1
        << QStringLiteral(
               "velnora: 音声ファイルが1個、曲が2曲あります。曲と同じ数の音声ファイルにしてください。\n")
        << QStringList{};
    QTest::newRow("a file that is not audio: named, nothing written")
        << strings("-o album.cue --type ja --album Sky --artist Tom --audio 01.wav titles.txt") << 1
        << QStringLiteral(
               "velnora: 曲名の取り込み: 次のファイルは取り込みませんでした。 「titles.txt」: "
               "音声ファイルではありません 読める音声ファイル(WAV、AIFF、FLAC、M4A、MP3、Ogg、Opus)"
               "を選んでください。\n")
        << QStringList{};
    QTest::newRow("tags without album: the edit's refusal")
        << strings("-o album.cue --type ja --audio 01.wav 02.wav") << 1
        << QStringLiteral("velnora: 入力漏れ: アルバム名が入力されていません\n") << QStringList{};
    QTest::newRow("without IN --type is needed")
        << strings("-o album.cue --audio 01.flac") << 2
        << QStringLiteral(
               "velnora: 音声ファイルのタグから曲名を取るには --type en、ja、en+ja のどれかが必要です\n") +
               convertUsage(UserLanguage::Japanese)
        << QStringList{};
    QTest::newRow("with --audio OUT is a cue sheet")
        << strings("titles.txt -o album.cdt --type ja --audio 01.wav 02.wav") << 2
        << QStringLiteral("velnora: --audio では出力はイメージのCUEシート(名前.cue)です\n") +
               convertUsage(UserLanguage::Japanese)
        << QStringList{};
}

void TestConverter::audioImage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, read);
    QTemporaryDir dir;
    QDir folder(dir.path());
    QVERIFY(folder.mkdir(QStringLiteral("runtime")));
    {
        QFile titles(folder.filePath(QStringLiteral("titles.txt")));
        QVERIFY(titles.open(QIODevice::WriteOnly));
        titles.write("Morning\r\nRain\r\n");
    }
    const QList<std::pair<const char *, QStringList>> sounds{
        {"01", {QStringLiteral("5"), QStringLiteral("TITLE=朝の歌"), QStringLiteral("TRACKNUMBER=1")}},
        {"02", {QStringLiteral("6"), QStringLiteral("TITLE=夜"), QStringLiteral("TRACKNUMBER=2")}}};
    for (const auto &[name, tags] : sounds) {
        for (const char *suffix : {".wav", ".flac"})
            QVERIFY(testaudio::run(
                QStringLiteral("sox"),
                {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"),
                 QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("16"),
                 folder.filePath(QLatin1String(name) + QLatin1String(suffix)), QStringLiteral("synth"),
                 tags.at(0), QStringLiteral("sine"), QStringLiteral("440")}));
        QStringList metaflac{QStringLiteral("--set-tag=ALBUM=盤"), QStringLiteral("--set-tag=ARTIST=歌手")};
        for (const QString &tag : tags.mid(1))
            metaflac << QStringLiteral("--set-tag=") + tag;
        QVERIFY(testaudio::run(QStringLiteral("metaflac"),
                               metaflac << folder.filePath(QLatin1String(name) + QLatin1String(".flac"))));
    }
    // English tags for the "en" row: metaflac replaces none, so the titles are set again.
    if (arguments.contains(QStringLiteral("en"))) {
        for (const auto &[name, title] : {std::pair{"01", "Morning"}, std::pair{"02", "Night"}})
            QVERIFY(
                testaudio::run(QStringLiteral("metaflac"),
                               {QStringLiteral("--remove-all-tags"), QStringLiteral("--set-tag=ALBUM=Ban"),
                                QStringLiteral("--set-tag=ARTIST=Guest"),
                                QStringLiteral("--set-tag=TITLE=") + QLatin1String(title),
                                QStringLiteral("--set-tag=TRACKNUMBER=") + QLatin1String(name).right(1),
                                folder.filePath(QLatin1String(name) + QLatin1String(".flac"))}));
    }
    const QStringList before = folder.entryList(QDir::Files);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), folder.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.filePath(QStringLiteral("runtime")));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(dir.path());
    child.start(QStringLiteral(VELNORA_PROGRAM), QStringList{QStringLiteral("--convert")} + arguments);
    QVERIFY(child.waitForFinished(60000));
    QTEST(QString::fromUtf8(child.readAllStandardError()), "error");
    QTEST(child.exitCode(), "status");

    QStringList made = folder.entryList(QDir::Files);
    for (const QString &file : before)
        made.removeOne(file);
    if (read.isEmpty()) {
        QCOMPARE(made, QStringList{});
        return;
    }
    QCOMPARE(made, (QStringList{QStringLiteral("album.bin"), QStringLiteral("album.cdt"),
                                QStringLiteral("album.cue")}));
    QByteArray info;
    QVERIFY(testaudio::run(QStringLiteral("cd-info"),
                           {QStringLiteral("--no-device-info"), QStringLiteral("--cue-file"),
                            folder.filePath(QStringLiteral("album.cue"))},
                           &info));
    QStringList seen;
    static const QRegularExpression trackLine(QStringLiteral("^\\s*(\\d+): \\S+\\s+(\\d+) audio"));
    for (const QString &line : QString::fromUtf8(info).split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch m = trackLine.match(line); m.hasMatch())
            seen << m.captured(1) + QStringLiteral(": ") + m.captured(2);
        else if (line.startsWith(QLatin1String("\tTITLE: ")) ||
                 line.startsWith(QLatin1String("\tPERFORMER: ")))
            seen << line.trimmed();
    }
    QCOMPARE(seen, read);
    // libburn takes the sheet, the pack file and their CRCs: it stops only at the missing disc.
    QProcess cdrskin;
    cdrskin.setWorkingDirectory(dir.path());
    cdrskin.start(QStringLiteral("cdrskin"),
                  {QStringLiteral("--allow_emulated_drives"), QStringLiteral("dev=stdio:/dev/null"),
                   QStringLiteral("-sao"), QStringLiteral("-text"), QStringLiteral("cuefile=album.cue")});
    QVERIFY(cdrskin.waitForFinished(60000));
    const QString said = QString::fromUtf8(cdrskin.readAllStandardError() + cdrskin.readAllStandardOutput());
    QVERIFY2(said.contains(QStringLiteral("audio track prohibited by non-CD")), qPrintable(said));
}

// --burn, in a folder holding the image album.cue/.bin/.cdt of titles.txt and 01.wav (5 s) and 02.wav
// (6 s) as --audio writes it, export.cdt (the same CD-TEXT with its 4-byte header) and the WAVs.
// There is no CD writer here: the runs reach as far as the drive, or libburn's pseudo-drive.
void TestConverter::burnImage_data()
{
    QTest::addColumn<QByteArray>("sheet"); // written as burn.cue; empty: album.cue itself
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("says"); // lines standard error holds, each in full
    QTest::addColumn<bool>("driveAsked");  // false: refused before libburn was started

    const auto strings = [](const char *line) { return QString::fromUtf8(line).split(QLatin1Char(' ')); };
    const QString notCd = QStringLiteral("velnora: このディスクはCDではありません（stdio file）。");
    const QString libburnNotCd = QStringLiteral("velnora: audio track prohibited by non-CD,");
    const QByteArray twoTracks = "FILE \"album.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                 "  TRACK 02 AUDIO\n    INDEX 00 00:05:00\n    INDEX 01 00:07:00\n";
    QTest::newRow("no drive: said, exit 1")
        << QByteArray() << strings("--burn album.cue --simulate")
        << QStringList{QStringLiteral("velnora: CDドライブが見つかりません。")} << true;
    QTest::newRow("a device that is no drive")
        << QByteArray() << strings("--burn album.cue --drive /dev/null")
        << QStringList{QStringLiteral("velnora: CDドライブが見つかりません。"),
                       QStringLiteral("velnora: 「/dev/null」はCDドライブではないか、開けません。")}
        << true;
    QTest::newRow("the image to libburn's pseudo-drive: stopped by its check, not a CD")
        << QByteArray() << strings("--burn album.cue --drive stdio:/dev/null --simulate --speed 4 --eject")
        << QStringList{notCd, libburnNotCd} << true;
    QTest::newRow("the export's .cdt with its header: taken without it")
        << QByteArray("CDTEXTFILE \"export.cdt\"\n") + twoTracks
        << strings("--burn burn.cue --drive stdio:/dev/null") << QStringList{notCd, libburnNotCd} << true;
    QTest::newRow("WAV files, no CD-TEXT")
        << QByteArray("FILE \"01.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n"
                      "FILE \"02.wav\" WAVE\n TRACK 02 AUDIO\n  INDEX 00 00:00:00\n  INDEX 01 00:02:00\n")
        << strings("--burn burn.cue --drive stdio:/dev/null") << QStringList{notCd, libburnNotCd} << true;
    QTest::newRow("a CDTEXTFILE that holds no packs")
        << QByteArray("CDTEXTFILE \"titles.txt\"\n") + twoTracks
        << strings("--burn burn.cue --drive stdio:/dev/null")
        << QStringList{QStringLiteral("velnora: 「titles.txt」はCD-TEXTファイルではありません。CUEシートの "
                                      "CDTEXTFILE 行に、書き出したCD-TEXTファイルを指定してください。")}
        << false;
    // Its titles would be lost on the disc: a player drops a pack whose CRC fails.
    QTest::newRow("a CDTEXTFILE with a damaged pack")
        << QByteArray("CDTEXTFILE \"damaged.cdt\"\n") + twoTracks
        << strings("--burn burn.cue --drive stdio:/dev/null")
        << QStringList{QStringLiteral("velnora: 「damaged.cdt」はCD-TEXTファイルではありません。CUEシートの "
                                      "CDTEXTFILE 行に、書き出したCD-TEXTファイルを指定してください。")}
        << false;
    QTest::newRow("a missing CDTEXTFILE")
        << QByteArray("CDTEXTFILE \"gone.cdt\"\n") + twoTracks << strings("--burn burn.cue")
        << QStringList{QStringLiteral("velnora: CD-TEXTファイル「gone.cdt」を読めません: ") +
                       systemReason(ENOENT)}
        << false;
    QTest::newRow("a missing audio file")
        << QByteArray("FILE \"gone.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n")
        << strings("--burn burn.cue --drive stdio:/dev/null")
        << QStringList{QStringLiteral("velnora: 1曲目の「gone.wav」: 読めません: ") + systemReason(ENOENT) +
                       QStringLiteral("。別のファイルにしてください。")}
        << false;
    QTest::newRow("a file that is no audio")
        << QByteArray("FILE \"01.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n"
                      "FILE \"titles.txt\" WAVE\n TRACK 02 AUDIO\n  INDEX 01 00:00:00\n")
        << strings("--burn burn.cue --drive stdio:/dev/null")
        << QStringList{QStringLiteral("velnora: 2曲目の「titles.txt」: WAV、AIFF、FLAC、M4A、MP3、Ogg "
                                      "Vorbis、Opusの音声ファイルではありません。"
                                      "別のファイルにしてください。")}
        << false;
    QTest::newRow("a track under 4 seconds")
        << QByteArray("FILE \"album.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                      "  TRACK 02 AUDIO\n    INDEX 00 00:02:00\n    INDEX 01 00:03:00\n")
        << strings("--burn burn.cue --drive stdio:/dev/null")
        << QStringList{QStringLiteral(
               "velnora: 1曲目の「album.bin」は4秒より短い音声です。4秒以上の曲にしてください。")}
        << false;
}

void TestConverter::burnImage()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, says);
    QFETCH(bool, driveAsked);
    QTemporaryDir dir;
    QDir folder(dir.path());
    {
        QFile titles(folder.filePath(QStringLiteral("titles.txt")));
        QVERIFY(titles.open(QIODevice::WriteOnly));
        titles.write("Morning\r\nRain\r\n");
        QFile cue(folder.filePath(QStringLiteral("burn.cue")));
        QVERIFY(cue.open(QIODevice::WriteOnly));
        cue.write(sheet);
    }
    for (const auto &[name, seconds] : {std::pair{"01.wav", "5"}, std::pair{"02.wav", "6"}})
        QVERIFY(testaudio::run(QStringLiteral("sox"),
                               {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"),
                                QStringLiteral("16"), folder.filePath(QLatin1String(name)),
                                QStringLiteral("synth"), QLatin1String(seconds), QStringLiteral("sine"),
                                QStringLiteral("440")}));
    const QStringList names{QStringLiteral("--type"), QStringLiteral("ja"),       QStringLiteral("--album"),
                            QStringLiteral("Sky"),    QStringLiteral("--artist"), QStringLiteral("Tom")};
    QProcess convert;
    convert.setWorkingDirectory(dir.path());
    for (const QStringList &run :
         {QStringList{QStringLiteral("titles.txt"), QStringLiteral("-o"), QStringLiteral("album.cue"),
                      QStringLiteral("--audio"), QStringLiteral("01.wav"), QStringLiteral("02.wav")},
          QStringList{QStringLiteral("titles.txt"), QStringLiteral("-o"), QStringLiteral("export.cdt")}}) {
        convert.start(QStringLiteral(VELNORA_PROGRAM),
                      QStringList{QStringLiteral("--convert")} + run + names);
        QVERIFY(convert.waitForFinished(60000));
        QCOMPARE(convert.exitCode(), 0);
    }
    {
        // The image's pack file with one byte of its second pack changed: its CRC no longer holds.
        QFile packs(folder.filePath(QStringLiteral("album.cdt")));
        QVERIFY(packs.open(QIODevice::ReadOnly));
        QByteArray bytes = packs.readAll();
        QVERIFY(bytes.size() > 2 * 18);
        bytes[18 + 5] = char(bytes.at(18 + 5) ^ 0x01);
        QFile damaged(folder.filePath(QStringLiteral("damaged.cdt")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(bytes);
    }
    const QStringList before = folder.entryList(QDir::Files);

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setWorkingDirectory(dir.path());
    child.start(QStringLiteral(VELNORA_PROGRAM), arguments);
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    const QString error = QString::fromUtf8(child.readAllStandardError());
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), QString());
    QVERIFY2(child.exitCode() == 1, qPrintable(error));
    const QStringList lines = error.split(QLatin1Char('\n'));
    for (const QString &line : std::as_const(says))
        QVERIFY2(lines.contains(line), qPrintable(error));
    // Refused from the sheet alone: its reasons and nothing of a drive.
    if (!driveAsked)
        QCOMPARE(error, says.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QCOMPARE(folder.entryList(QDir::Files), before);
}

using Phase = burning::BurnProgress::Phase;
Q_DECLARE_METATYPE(QList<burning::BurnProgress>)

burning::BurnProgress polled(Phase phase, int track, int percent, int buffer, int left)
{
    burning::BurnProgress p;
    p.phase = phase;
    p.track = track;
    p.tracks = 2;
    p.percent = percent;
    p.bufferFill = buffer;
    p.secondsLeft = left;
    return p;
}

// The drive's state as polled, and the lines --burn writes of it.
void TestConverter::progressLines_data()
{
    QTest::addColumn<QList<burning::BurnProgress>>("polls");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("the buffer and the time alone move: no new line")
        << QList<burning::BurnProgress>{polled(Phase::Writing, 1, 10, 90, 80),
                                        polled(Phase::Writing, 1, 10, 70, 79),
                                        polled(Phase::Writing, 1, 10, 95, 78)}
        << QStringList{QStringLiteral("1/2曲目を書き込んでいます  10%  バッファ 90%  残り 1:20")};
    QTest::newRow("a line each percent, track and phase")
        << QList<burning::BurnProgress>{polled(Phase::Preparing, 0, 0, -1, -1),
                                        polled(Phase::Preparing, 0, 0, -1, -1),
                                        polled(Phase::LeadIn, 0, 0, -1, -1),
                                        polled(Phase::Writing, 1, 49, 99, 30),
                                        polled(Phase::Writing, 2, 49, 99, 30),
                                        polled(Phase::Writing, 2, 50, 98, 29)}
        << QStringList{QStringLiteral("準備しています  0%"),
                       QStringLiteral("リードインを書き込んでいます  0%"),
                       QStringLiteral("1/2曲目を書き込んでいます  49%  バッファ 99%  残り 0:30"),
                       QStringLiteral("2/2曲目を書き込んでいます  49%  バッファ 99%  残り 0:30"),
                       QStringLiteral("2/2曲目を書き込んでいます  50%  バッファ 98%  残り 0:29")};
}

void TestConverter::progressLines()
{
    QFETCH(QList<burning::BurnProgress>, polls);
    QStringList said;
    BurnCommand::ProgressLines lines([&said](const QString &line) { said << line; });
    for (const burning::BurnProgress &p : std::as_const(polls))
        lines(p);
    QTEST(said, "lines");
}

QTEST_GUILESS_MAIN(TestConverter)
#include "tst_converter.moc"
