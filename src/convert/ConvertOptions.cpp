#include "convert/ConvertOptions.h"

namespace velnora
{

namespace
{

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

ConvertOptions usageError(const QString &error)
{
    ConvertOptions options;
    options.request = ConvertOptions::Request::UsageError;
    options.error = error;
    return options;
}

} // namespace

ConvertOptions parseConvertOptions(const QStringList &arguments)
{
    ConvertOptions options;
    if (arguments.isEmpty())
        return options;
    const QString first = arguments.constFirst();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        options.request = ConvertOptions::Request::Help;
        return options;
    }
    if (first == QLatin1String("--version")) {
        options.request = ConvertOptions::Request::Version;
        return options;
    }
    if (first != QLatin1String("--convert"))
        return options;

    options.request = ConvertOptions::Request::Convert;
    bool outputGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool takesValue = argument == QLatin1String("-o") || argument == QLatin1String("--type") ||
                                argument == QLatin1String("--album") || argument == QLatin1String("--artist");
        if (takesValue) {
            if (i + 1 >= arguments.size())
                return usageError(QStringLiteral("%1 needs a value").arg(argument));
            const QString value = arguments.at(++i);
            if (argument == QLatin1String("-o")) {
                if (outputGiven)
                    return usageError(QStringLiteral("-o given twice"));
                outputGiven = true;
                options.output = value;
            } else if (argument == QLatin1String("--type")) {
                options.type = typeNamed(value);
                if (!options.type)
                    return usageError(QStringLiteral("--type takes en, ja or en+ja, not \"%1\"").arg(value));
            } else if (argument == QLatin1String("--album")) {
                options.album = value;
            } else {
                options.artist = value;
            }
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return usageError(QStringLiteral("unknown option %1").arg(argument));
        } else if (options.input.isEmpty() && !argument.isEmpty()) {
            options.input = argument;
        } else {
            return usageError(QStringLiteral("one input file only"));
        }
    }
    if (options.input.isEmpty())
        return usageError(QStringLiteral("--convert needs an input file"));
    if (!outputGiven || options.output.isEmpty())
        return usageError(QStringLiteral("--convert needs -o OUT"));
    return options;
}

QString convertUsage()
{
    return QStringLiteral(
        "Usage: velnora [FILE]\n"
        "       velnora --convert IN -o OUT [--type en|ja|en+ja] [--album TEXT] [--artist TEXT]\n"
        "       velnora --help | --version\n"
        "\n"
        "--convert checks and converts titles as \"編集\" does, without a window or a display.\n"
        "  IN          a title file or a CD_TEXT layout (cp932, UTF-8, or UTF-16 with a BOM)\n"
        "  -o OUT      OUT ending in .cdt gets binary CD-TEXT; any other name the layout as \"保存\" writes "
        "it\n"
        "  --type      the blocks to make; plain titles need it, a layout gives its own\n"
        "  --album     the album name (in place of the file's)\n"
        "  --artist    the artist name (in place of the file's)\n"
        "Exit status: 0 written, 1 input refused (nothing written), 2 usage error.\n");
}

} // namespace velnora
