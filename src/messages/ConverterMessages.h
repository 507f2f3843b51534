#pragma once

#include <QString>

// The command line's own lines (velnora --convert, --burn, --list-drives): in the user's language,
// where the boxes' messages it repeats keep their words either way.
namespace velnora::messages::converter
{

enum class Language { English, Japanese };

// The usage errors; option and value are the arguments as given.
QString unknownOption(Language language, const QString &option);
QString needsValue(Language language, const QString &option);
QString outputTwice(Language language);
QString badType(Language language, const QString &value);
QString listDrivesAlone(Language language);
QString burnWithConvert(Language language);
QString notABurnOption(Language language, const QString &option);
QString burnNeedsSheet(Language language);
QString oneSheetOnly(Language language);
QString badSpeed(Language language, const QString &value);
QString needsBurn(Language language, const QString &option);
QString needsConvert(Language language, const QString &option);
QString audioNeedsFiles(Language language);
QString convertNeedsInput(Language language);
QString oneInputOnly(Language language);
QString convertNeedsOutput(Language language);
QString audioNeedsCueSheet(Language language);
QString tagsNeedType(Language language);
QString usage(Language language);

// A run refused before anything is read; path as shown.
QString outputIsInput(Language language, const QString &path);
QString plainTitlesNeedType(Language language, const QString &path);

// Where a rejected character stands in IN; field is 1 album, 2 artist, 3 a title.
QString inField(Language language, int field);                            // " (曲名)"
QString inLine(Language language, int field, int line, qsizetype column); // " (曲名 2行目 3文字目)"
QString inOption(Language language, int field, const QString &option);    // " (アルバム名 --album)"

// The cue sheet or CD-TEXT file of --burn it cannot take; names without their folder.
QString sheetUnreadable(const QString &sheet, const QString &reason);
QString sheetTooLarge(const QString &sheet);
QString sheetProblem(const QString &sheet, const QString &problem);
QString textFileUnreadable(const QString &textFile, const QString &reason);
QString notATextFile(const QString &textFile);

// The program started for its window where there is no display; a line of its own.
QString needsDisplay();

} // namespace velnora::messages::converter
