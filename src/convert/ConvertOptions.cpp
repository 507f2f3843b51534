#include "convert/ConvertOptions.h"

#include <algorithm>

namespace velnora
{

namespace
{

namespace words = messages::converter;

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
            return usageError(words::unknownOption(language, argument));
        if (!value) {
            if (i + 1 >= arguments.size() || i + 1 == end)
                return usageError(words::needsValue(language, argument));
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
                return usageError(words::outputTwice(language));
            outputGiven = true;
            options.output = *value;
        } else if (argument == QLatin1String("--type")) {
            options.type = typeNamed(*value);
            if (!options.type)
                return usageError(words::badType(language, *value));
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
            return usageError(words::listDrivesAlone(language));
        options = {};
        options.request = ConvertOptions::Request::ListDrives;
        return options;
    }
    if (burn) {
        if (convert)
            return usageError(words::burnWithConvert(language));
        if (!firstConverterOption.isEmpty())
            return usageError(words::notABurnOption(language, firstConverterOption));
        operands.removeAll(QString());
        if (operands.isEmpty())
            return usageError(words::burnNeedsSheet(language));
        if (operands.size() > 1)
            return usageError(words::oneSheetOnly(language));
        if (speedIsGiven) {
            bool number = false;
            options.speed = speedGiven.toInt(&number);
            if (!number || options.speed <= 0)
                return usageError(words::badSpeed(language, speedGiven));
        }
        if (driveGiven && options.drive.isEmpty())
            return usageError(words::needsValue(language, QStringLiteral("--drive")));
        options.sheet = operands.constFirst();
        options.request = ConvertOptions::Request::Burn;
        return options;
    }
    if (!firstBurnOption.isEmpty())
        return usageError(words::needsBurn(language, firstBurnOption));
    if (!convert)
        return usageError(words::needsConvert(language, firstConverterOption));
    options.request = ConvertOptions::Request::Convert;
    operands.removeAll(QString());
    options.audio.removeAll(QString());
    if (options.audioGiven && options.audio.isEmpty())
        return usageError(words::audioNeedsFiles(language));
    if (operands.isEmpty() && !options.audioGiven)
        return usageError(words::convertNeedsInput(language));
    if (operands.size() > 1)
        return usageError(words::oneInputOnly(language));
    options.input = operands.value(0);
    if (!outputGiven || options.output.isEmpty())
        return usageError(words::convertNeedsOutput(language));
    if (options.audioGiven && !options.output.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive))
        return usageError(words::audioNeedsCueSheet(language));
    if (options.input.isEmpty() && !options.type)
        return usageError(words::tagsNeedType(language));
    return options;
}

QString convertUsage(UserLanguage language)
{
    return messages::converter::usage(language);
}

} // namespace velnora
