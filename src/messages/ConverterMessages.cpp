#include "messages/ConverterMessages.h"

namespace velnora::messages::converter
{

namespace
{

QString say(Language language, const QString &english, const QString &japanese)
{
    return language == Language::Japanese ? japanese : english;
}

QString fieldName(Language language, int field)
{
    switch (field) {
    case 1:
        return say(language, QStringLiteral("album"), QStringLiteral("アルバム名"));
    case 2:
        return say(language, QStringLiteral("artist"), QStringLiteral("アーティスト名"));
    default:
        return say(language, QStringLiteral("title"), QStringLiteral("曲名"));
    }
}

} // namespace

QString unknownOption(Language language, const QString &option)
{
    return say(language, QStringLiteral("unknown option %1 (a file of that name opens with: velnora -- %1)"),
               QStringLiteral("不明なオプション %1 (その名前のファイルは velnora -- %1 で開きます)"))
        .arg(option);
}

QString needsValue(Language language, const QString &option)
{
    return say(language, QStringLiteral("%1 needs a value"), QStringLiteral("%1 には値が必要です"))
        .arg(option);
}

QString outputTwice(Language language)
{
    return say(language, QStringLiteral("-o given twice"), QStringLiteral("-o が2回あります"));
}

QString badType(Language language, const QString &value)
{
    return say(language, QStringLiteral("--type takes en, ja or en+ja, not \"%1\""),
               QStringLiteral("--type は en、ja、en+ja のどれかです(\"%1\" は使えません)"))
        .arg(value);
}

QString listDrivesAlone(Language language)
{
    return say(language, QStringLiteral("--list-drives takes no file and no other option"),
               QStringLiteral("--list-drives にはファイルもほかのオプションも付けません"));
}

QString burnWithConvert(Language language)
{
    return say(language, QStringLiteral("--burn and --convert cannot go together"),
               QStringLiteral("--burn と --convert は同時に使えません"));
}

QString notABurnOption(Language language, const QString &option)
{
    return say(language, QStringLiteral("%1 is not an option of --burn"),
               QStringLiteral("%1 は --burn のオプションではありません"))
        .arg(option);
}

QString burnNeedsSheet(Language language)
{
    return say(language, QStringLiteral("--burn needs the image's cue sheet: NAME.cue"),
               QStringLiteral("--burn にはイメージのCUEシート(名前.cue)が必要です"));
}

QString oneSheetOnly(Language language)
{
    return say(language, QStringLiteral("one cue sheet only"), QStringLiteral("CUEシートは1つだけです"));
}

QString badSpeed(Language language, const QString &value)
{
    return say(language, QStringLiteral("--speed takes a whole number of times CD speed above 0, not \"%1\""),
               QStringLiteral("--speed は1以上の整数(CDの何倍速か)です(\"%1\" は使えません)"))
        .arg(value);
}

QString needsBurn(Language language, const QString &option)
{
    return say(language, QStringLiteral("%1 needs --burn"), QStringLiteral("%1 は --burn とともに使います"))
        .arg(option);
}

QString needsConvert(Language language, const QString &option)
{
    return say(language, QStringLiteral("%1 needs --convert"),
               QStringLiteral("%1 は --convert とともに使います"))
        .arg(option);
}

QString audioNeedsFiles(Language language)
{
    return say(language, QStringLiteral("--audio needs the audio files of the tracks"),
               QStringLiteral("--audio には曲の音声ファイルが必要です"));
}

QString convertNeedsInput(Language language)
{
    return say(language, QStringLiteral("--convert needs an input file"),
               QStringLiteral("--convert には入力ファイルが必要です"));
}

QString oneInputOnly(Language language)
{
    return say(language, QStringLiteral("one input file only"), QStringLiteral("入力ファイルは1つだけです"));
}

QString convertNeedsOutput(Language language)
{
    return say(language, QStringLiteral("--convert needs -o OUT"),
               QStringLiteral("--convert には -o 出力 が必要です"));
}

QString audioNeedsCueSheet(Language language)
{
    return say(language, QStringLiteral("with --audio, OUT is the image's cue sheet: NAME.cue"),
               QStringLiteral("--audio では出力はイメージのCUEシート(名前.cue)です"));
}

QString tagsNeedType(Language language)
{
    return say(
        language, QStringLiteral("titles from the audio files' tags need --type en, ja or en+ja"),
        QStringLiteral("音声ファイルのタグから曲名を取るには --type en、ja、en+ja のどれかが必要です"));
}

QString usage(Language language)
{
    if (language == Language::Japanese)
        return QStringLiteral(
            "使い方: velnora [ファイル]\n"
            "        velnora -- ファイル   (名前が - で始まるファイル)\n"
            "        velnora --convert 入力 -o 出力 [--type en|ja|en+ja] [--album 文字列] [--artist 文字列]\n"
            "        velnora --convert [入力] -o 名前.cue [--type ...] --audio 音声ファイル...\n"
            "        velnora --burn 名前.cue [--drive デバイス] [--simulate] [--speed N] [--eject]\n"
            "        velnora --list-drives\n"
            "        velnora --help | --version\n"
            "\n"
            "--convert は「編集」と同じ検査と変換を、ウィンドウもディスプレイも使わずに行います。\n"
            "オプションの順序は自由です。\n"
            "  入力        曲名のファイルまたはCD_TEXT形式(cp932、UTF-8、BOM付きUTF-16)\n"
            "  -o 出力     .cdt で終わる名前にはバイナリのCD-TEXT、ほかの名前には「保存」と同じテキスト。"
            "入力とは別のファイル\n"
            "  --type      作るブロック。曲名だけのファイルには必要\n"
            "  --album     アルバム名(ファイルのものの代わりに)\n"
            "  --artist    アーティスト名(ファイルのものの代わりに)\n"
            "  --audio     曲ごとの音声ファイル(次のオプションまで)。名前.cue、名前.bin、名前.cdt の\n"
            "              CDイメージを書きます。入力がなければ曲名、アルバム名、アーティスト名は\n"
            "              ファイルのタグから取ります\n"
            "CD_TEXT形式の入力は、--type、--album、--artist がなければ書かれたとおりに書き出します。\n"
            "どれかがあれば曲名に戻して「編集」し直します。\n"
            "--burn は CUEシートのイメージ(CDTEXTFILE のCD-TEXTとともに)を音楽CDに書き込みます。\n"
            "  --drive     書き込むドライブ(/dev/sr0 など)。ないときは最初に見つかったドライブ\n"
            "  --simulate  試し書き: ドライブは書き込みを通しますが、ディスクには何も書きません\n"
            "  --speed     書き込み速度(CDの何倍速か)。ないときはいちばん速く\n"
            "  --eject     書き込みが終わったらディスクを取り出します\n"
            "  進み具合は標準エラーに行ごとに出ます\n"
            "--list-drives は CDドライブを1台1行(アドレス、メーカー、製品、リビジョン)で出します。\n"
            "終了ステータス: 0 書き出した(書き込んだ)、1 入力を受け付けなかった、または書き込みに失敗した、"
            "2 使い方の誤り\n");
    return QStringLiteral(
        "Usage: velnora [FILE]\n"
        "       velnora -- FILE   (a file whose name starts with -)\n"
        "       velnora --convert IN -o OUT [--type en|ja|en+ja] [--album TEXT] [--artist TEXT]\n"
        "       velnora --convert [IN] -o NAME.cue [--type ...] --audio FILE...\n"
        "       velnora --burn NAME.cue [--drive DEV] [--simulate] [--speed N] [--eject]\n"
        "       velnora --list-drives\n"
        "       velnora --help | --version\n"
        "\n"
        "--convert checks and converts titles as \"編集\" does, without a window or a display.\n"
        "Options may come in any order.\n"
        "  IN          a title file or a CD_TEXT layout (cp932, UTF-8, or UTF-16 with a BOM)\n"
        "  -o OUT      OUT ending in .cdt gets binary CD-TEXT; any other name the layout as \"保存\" writes "
        "it; not IN itself\n"
        "  --type      the blocks to make; plain titles need it, a layout gives its own\n"
        "  --album     the album name (in place of the file's)\n"
        "  --artist    the artist name (in place of the file's)\n"
        "  --audio     the audio file of each track (up to the next option); writes the CD image\n"
        "              NAME.cue, NAME.bin and NAME.cdt. Without IN the titles, album and artist come\n"
        "              from the files' tags\n"
        "A CD_TEXT layout in IN is written as it stands unless --type, --album or --artist is given;\n"
        "any of them turns it back into titles and edits them again.\n"
        "--burn writes the image of a cue sheet, with its CDTEXTFILE's CD-TEXT, to an audio CD.\n"
        "  --drive     the drive to write with (/dev/sr0...); the first one found without it\n"
        "  --simulate  a test run: the drive goes through the write and puts nothing on the disc\n"
        "  --speed     the speed in times CD speed; the fastest without it\n"
        "  --eject     ejects the disc once it is written\n"
        "  the progress goes to standard error, a line at a time\n"
        "--list-drives lists the CD drives, one a line: address, vendor, product, revision.\n"
        "Exit status: 0 written, 1 input refused (nothing written) or the write failed, 2 usage error.\n");
}

QString outputIsInput(Language language, const QString &path)
{
    return say(language, QStringLiteral("%1 is the input file: give OUT another name"),
               QStringLiteral("%1 は入力ファイルです: 出力には別の名前を指定してください"))
        .arg(path);
}

QString plainTitlesNeedType(Language language, const QString &path)
{
    return say(language, QStringLiteral("%1 holds plain titles: give --type en, ja or en+ja"),
               QStringLiteral("%1 は曲名だけのファイルです: --type en、ja、en+ja のどれかを指定してください"))
        .arg(path);
}

QString inField(Language language, int field)
{
    return QStringLiteral(" (%1)").arg(fieldName(language, field));
}

QString inLine(Language language, int field, int line, qsizetype column)
{
    return say(language, QStringLiteral(" (%1, line %2, character %3)"),
               QStringLiteral(" (%1 %2行目 %3文字目)"))
        .arg(fieldName(language, field))
        .arg(line)
        .arg(column);
}

QString inOption(Language language, int field, const QString &option)
{
    return say(language, QStringLiteral(" (%1, %2)"), QStringLiteral(" (%1 %2)"))
        .arg(fieldName(language, field), option);
}

QString sheetUnreadable(const QString &sheet, const QString &reason)
{
    return QStringLiteral("CUEシート「%1」を読めません: %2").arg(sheet, reason);
}

QString sheetTooLarge(const QString &sheet)
{
    return QStringLiteral("CUEシート「%1」が大きすぎます。CUEシートを選んでください。").arg(sheet);
}

QString sheetProblem(const QString &sheet, const QString &problem)
{
    return QStringLiteral("CUEシート「%1」: %2").arg(sheet, problem);
}

QString textFileUnreadable(const QString &textFile, const QString &reason)
{
    return QStringLiteral("CD-TEXTファイル「%1」を読めません: %2").arg(textFile, reason);
}

QString notATextFile(const QString &textFile)
{
    return QStringLiteral("「%1」はCD-TEXTファイルではありません。CUEシートの CDTEXTFILE "
                          "行に、書き出したCD-TEXTファイルを指定してください。")
        .arg(textFile);
}

QString needsDisplay()
{
    return QStringLiteral("VELNORA needs a display; without one, run it as: xvfb-run -a velnora [FILE]\n");
}

} // namespace velnora::messages::converter
