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
           option == QLatin1String("--album") || option == QLatin1String("--artist");
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
    bool outputGiven = false;
    QString firstConverterOption;
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
            "終了ステータス: 0 書き出した、1 入力を受け付けなかった(何も書いていない)、2 使い方の誤り\n");
    return QStringLiteral(
        "Usage: velnora [FILE]\n"
        "       velnora -- FILE   (a file whose name starts with -)\n"
        "       velnora --convert IN -o OUT [--type en|ja|en+ja] [--album TEXT] [--artist TEXT]\n"
        "       velnora --convert [IN] -o NAME.cue [--type ...] --audio FILE...\n"
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
        "Exit status: 0 written, 1 input refused (nothing written), 2 usage error.\n");
}

} // namespace velnora
