#include "convert/ConvertOptions.h"

#include <algorithm>

namespace velnora
{

namespace
{

const QString EndOfOptions = QStringLiteral("--");

std::optional<EditType> typeNamed(const QString &name)
{
    if (name == QLatin1String("en"))
        return EditType::En;
    if (name == QLatin1String("ja"))
        return EditType::Ja;
    if (name == QLatin1String("en+ja"))
        return EditType::EnJa;
    return std::nullopt;
}

bool isOption(const QString &argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

bool takesValue(const QString &option)
{
    return option == QLatin1String("-o") || option == QLatin1String("--type") ||
           option == QLatin1String("--album") || option == QLatin1String("--artist") ||
           option == QLatin1String("--drive") || option == QLatin1String("--speed");
}

ConvertOptions usageError(const QString &error)
{
    ConvertOptions options;
    options.request = ConvertOptions::Request::UsageError;
    options.error = error;
    return options;
}

} // namespace

ConvertOptions parseConvertOptions(const QStringList &arguments, UserLanguage language)
{
    const auto say = [language](const QString &english, const QString &japanese) {
        return inLanguage(language, english, japanese);
    };
    ConvertOptions options;
    const qsizetype end = arguments.indexOf(EndOfOptions);
    const QStringList beforeEnd = end < 0 ? arguments : arguments.mid(0, end);
    if (std::none_of(beforeEnd.cbegin(), beforeEnd.cend(), isOption))
        return options; // the window's: its file, after a "--" when it starts with "-"

    bool help = false;
    bool version = false;
    bool convert = false;
    bool burn = false;
    bool listDrives = false;
    bool outputGiven = false;
    QString firstConverterOption;
    QString firstBurnOption; // --drive, --speed, --simulate or --eject
    QString speedGiven;
    bool driveGiven = false;
    bool speedIsGiven = false;
    QStringList operands;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString argument = arguments.at(i);
        if (i > end && end >= 0) {
            operands << argument;
            continue;
        }
        if (i == end)
            continue;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            help = true;
            continue;
        }
        if (argument == QLatin1String("--version")) {
            version = true;
            continue;
        }
        if (argument == QLatin1String("--convert")) {
            convert = true;
            continue;
        }
        if (argument == QLatin1String("--burn")) {
            burn = true;
            continue;
        }
        if (argument == QLatin1String("--list-drives")) {
            listDrives = true;
            continue;
        }
        if (argument == QLatin1String("--simulate") || argument == QLatin1String("--eject")) {
            (argument == QLatin1String("--simulate") ? options.simulate : options.eject) = true;
            if (firstBurnOption.isEmpty())
                firstBurnOption = argument;
            continue;
        }
        if (argument == QLatin1String("--audio")) {
            // Every argument up to the next option, or to "--", is a file of the disc.
            options.audioGiven = true;
            if (firstConverterOption.isEmpty())
                firstConverterOption = argument;
            while (i + 1 < arguments.size() && i + 1 != end && !isOption(arguments.at(i + 1)))
                options.audio << arguments.at(++i);
            continue;
        }
        if (!isOption(argument)) {
            operands << argument;
            continue;
        }
        // "--album=TEXT" as well as "--album TEXT".
        std::optional<QString> value;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('='));
            equals > 2 && argument.startsWith(EndOfOptions) && takesValue(argument.left(equals))) {
            value = argument.mid(equals + 1);
            argument.truncate(equals);
        }
        if (!takesValue(argument))
            return usageError(
                say(QStringLiteral("unknown option %1 (a file of that name opens with: velnora -- %1)"),
                    QStringLiteral("不明なオプション %1 (その名前のファイルは velnora -- %1 で開きます)"))
                    .arg(argument));
        if (!value) {
            if (i + 1 >= arguments.size() || i + 1 == end)
                return usageError(
                    say(QStringLiteral("%1 needs a value"), QStringLiteral("%1 には値が必要です"))
                        .arg(argument));
            value = arguments.at(++i);
        }
        if (argument == QLatin1String("--drive") || argument == QLatin1String("--speed")) {
            if (firstBurnOption.isEmpty())
                firstBurnOption = argument;
            (argument == QLatin1String("--drive") ? driveGiven : speedIsGiven) = true;
            (argument == QLatin1String("--drive") ? options.drive : speedGiven) = *value;
            continue;
        }
        if (firstConverterOption.isEmpty())
            firstConverterOption = argument;
        if (argument == QLatin1String("-o")) {
            if (outputGiven)
                return usageError(say(QStringLiteral("-o given twice"), QStringLiteral("-o が2回あります")));
            outputGiven = true;
            options.output = *value;
        } else if (argument == QLatin1String("--type")) {
            options.type = typeNamed(*value);
            if (!options.type)
                return usageError(
                    say(QStringLiteral("--type takes en, ja or en+ja, not \"%1\""),
                        QStringLiteral("--type は en、ja、en+ja のどれかです(\"%1\" は使えません)"))
                        .arg(*value));
        } else if (argument == QLatin1String("--album")) {
            options.album = value;
        } else {
            options.artist = value;
        }
    }
    if (help) {
        options = {};
        options.request = ConvertOptions::Request::Help;
        return options;
    }
    if (version) {
        options = {};
        options.request = ConvertOptions::Request::Version;
        return options;
    }
    if (listDrives) {
        if (convert || burn || !firstBurnOption.isEmpty() || !firstConverterOption.isEmpty() ||
            !operands.isEmpty())
            return usageError(
                say(QStringLiteral("--list-drives takes no file and no other option"),
                    QStringLiteral("--list-drives にはファイルもほかのオプションも付けません")));
        options = {};
        options.request = ConvertOptions::Request::ListDrives;
        return options;
    }
    if (burn) {
        if (convert)
            return usageError(say(QStringLiteral("--burn and --convert cannot go together"),
                                  QStringLiteral("--burn と --convert は同時に使えません")));
        if (!firstConverterOption.isEmpty())
            return usageError(say(QStringLiteral("%1 is not an option of --burn"),
                                  QStringLiteral("%1 は --burn のオプションではありません"))
                                  .arg(firstConverterOption));
        operands.removeAll(QString());
        if (operands.isEmpty())
            return usageError(say(QStringLiteral("--burn needs the image's cue sheet: NAME.cue"),
                                  QStringLiteral("--burn にはイメージのCUEシート(名前.cue)が必要です")));
        if (operands.size() > 1)
            return usageError(
                say(QStringLiteral("one cue sheet only"), QStringLiteral("CUEシートは1つだけです")));
        if (speedIsGiven) {
            bool number = false;
            options.speed = speedGiven.toInt(&number);
            if (!number || options.speed <= 0)
                return usageError(
                    say(QStringLiteral("--speed takes a whole number of times CD speed above 0, not \"%1\""),
                        QStringLiteral("--speed は1以上の整数(CDの何倍速か)です(\"%1\" は使えません)"))
                        .arg(speedGiven));
        }
        if (driveGiven && options.drive.isEmpty())
            return usageError(
                say(QStringLiteral("--drive needs a value"), QStringLiteral("--drive には値が必要です")));
        options.sheet = operands.constFirst();
        options.request = ConvertOptions::Request::Burn;
        return options;
    }
    if (!firstBurnOption.isEmpty())
        return usageError(
            say(QStringLiteral("%1 needs --burn"), QStringLiteral("%1 は --burn とともに使います"))
                .arg(firstBurnOption));
    if (!convert)
        return usageError(
            say(QStringLiteral("%1 needs --convert"), QStringLiteral("%1 は --convert とともに使います"))
                .arg(firstConverterOption));
    options.request = ConvertOptions::Request::Convert;
    operands.removeAll(QString());
    options.audio.removeAll(QString());
    if (options.audioGiven && options.audio.isEmpty())
        return usageError(say(QStringLiteral("--audio needs the audio files of the tracks"),
                              QStringLiteral("--audio には曲の音声ファイルが必要です")));
    if (operands.isEmpty() && !options.audioGiven)
        return usageError(say(QStringLiteral("--convert needs an input file"),
                              QStringLiteral("--convert には入力ファイルが必要です")));
    if (operands.size() > 1)
        return usageError(
            say(QStringLiteral("one input file only"), QStringLiteral("入力ファイルは1つだけです")));
    options.input = operands.value(0);
    if (!outputGiven || options.output.isEmpty())
        return usageError(say(QStringLiteral("--convert needs -o OUT"),
                              QStringLiteral("--convert には -o 出力 が必要です")));
    if (options.audioGiven && !options.output.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive))
        return usageError(say(QStringLiteral("with --audio, OUT is the image's cue sheet: NAME.cue"),
                              QStringLiteral("--audio では出力はイメージのCUEシート(名前.cue)です")));
    if (options.input.isEmpty() && !options.type)
        return usageError(say(QStringLiteral("titles from the audio files' tags need --type en, ja or en+ja"),
                              QStringLiteral("音声ファイルのタグから曲名を取るには --type en、ja、en+ja "
                                             "のどれかが必要です")));
    return options;
}

QString convertUsage(UserLanguage language)
{
    if (language == UserLanguage::Japanese)
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

} // namespace velnora
