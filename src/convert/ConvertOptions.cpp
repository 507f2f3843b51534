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
    if (operands.isEmpty())
        return usageError(say(QStringLiteral("--convert needs an input file"),
                              QStringLiteral("--convert には入力ファイルが必要です")));
    if (operands.size() > 1)
        return usageError(
            say(QStringLiteral("one input file only"), QStringLiteral("入力ファイルは1つだけです")));
    options.input = operands.constFirst();
    if (!outputGiven || options.output.isEmpty())
        return usageError(say(QStringLiteral("--convert needs -o OUT"),
                              QStringLiteral("--convert には -o 出力 が必要です")));
    return options;
}

QString convertUsage(UserLanguage language)
{
    if (language == UserLanguage::Japanese)
        return QStringLiteral(
            "使い方: velnora [ファイル]\n"
            "        velnora -- ファイル   (名前が - で始まるファイル)\n"
            "        velnora --convert 入力 -o 出力 [--type en|ja|en+ja] [--album 文字列] [--artist 文字列]\n"
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
            "CD_TEXT形式の入力は、--type、--album、--artist がなければ書かれたとおりに書き出します。\n"
            "どれかがあれば曲名に戻して「編集」し直します。\n"
            "終了ステータス: 0 書き出した、1 入力を受け付けなかった(何も書いていない)、2 使い方の誤り\n");
    return QStringLiteral(
        "Usage: velnora [FILE]\n"
        "       velnora -- FILE   (a file whose name starts with -)\n"
        "       velnora --convert IN -o OUT [--type en|ja|en+ja] [--album TEXT] [--artist TEXT]\n"
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
        "A CD_TEXT layout in IN is written as it stands unless --type, --album or --artist is given;\n"
        "any of them turns it back into titles and edits them again.\n"
        "Exit status: 0 written, 1 input refused (nothing written), 2 usage error.\n");
}

} // namespace velnora
