#pragma once

#include "edit/InputCheck.h"
#include "messages/Box.h"
#include "messages/Question.h"

#include <QString>
#include <QStringList>

namespace velnora::messages
{

// Every box a session command leads to, looked up by name. The texts separate lines by CR LF.

// The question boxes.
Box question(Question question);

// Start-up and opening a file.
QString otherInstance();  // "２重起動防止！"
QString cannotOpen();     // "開けません！"
QString notAFileReason(); // why a file named at start-up could not be read
QString overCapReason();  // why a file over the cap of "開く" is not opened
QString dropTooLarge();   // a dropped file over its cap
QString openFilter();     // the open dialog's filters
QString audioFilter();    // the filters of the dialog that picks audio files for their titles
QString saveFilter();     // the save dialog's filter

// "音声ファイルから曲名を取り込む": the files whose tags could not be read.
QString notAudioReason();
QString tagsTooLargeReason();
QString skippedFileLine(const QString &name, const QString &reason);
Box skippedAudio(const QStringList &lines, bool noneRead);

// "編集".
QString inputProblemText(InputProblem problem); // empty for None
QString inputProblemTitle(InputProblem problem);
QString rejectionText(const QString &character);
QString rejectionTitle();
Box editDone();

// The name of a field (1 album, 2 artist, 3 titles), as the window labels it.
QString fieldName(int field);

// The menu and the jacket window.
QString versionTitle();                      // "バージョン情報"
Box cannotOpenAddress(const QString &shown); // a file or web address the desktop opened nothing for
Box noPrinter();
// A print that failed: writing the file a dialog chose, starting on the printer, or the printer's error.
enum class PrintFailure { File, Start, Printer };
Box printFailed(PrintFailure failure, const QString &where);

// "CDイメージ保存...".
QString cdImageFilter();      // the save dialog's filter
QString cdImageDialogTitle(); // its title, also the title of the image's boxes
QString cdImageSuffix();
// The boxes: the refusal above the lines that say what to change, the image written with the command
// that burns it, the image not written for the reason given.
Box cdImageRefused(const QStringList &changes);
Box cdImageSaved(const QString &burnCommand);
Box cdImageFailed(const QString &reason);
Box cdImageCancelled(const QString &reason);

// The disc window ("ディスクの作成").
namespace discwindow
{
QString windowTitle();
QStringList columns(); // number, title, performer, file, length, problem
QString addCaption();
QString removeCaption();
QString upCaption();
QString downCaption();
QString gapsCaption();
QString saveImageCaption();
QString audioFilter(); // the open dialog's filters for audio files
QString probing();     // the progress dialog's label while files are measured
QString probingFile(const QString &name);
QString writingTrack(int track);
QString cancelCaption();
QString noFile();  // a track without an audio file
QString noTrack(); // a file past the layout's last track
QString tooShort();
// The totals: the length (mm:ss) against 74 and 80 minutes; over is 0, 74 or 80.
QString totals(int tracks, int files, const QString &length, bool gaps, int over);
// Burning.
QString driveCaption();
QString refreshCaption();
QString speedCaption();
QStringList speeds(); // the speed list's entries: the fastest, then 4, 8, 16, 24 and 48 times
QString simulateCaption();
QString ejectCaption();
QString burnCaption();
QString burnTitle();       // the title of the burning boxes and progress
QString stopBurnCaption(); // the button that stops a write
Box burnRefused(const QStringList &changes);
QString lookingForDrives();
QString readingMedium();
} // namespace discwindow

} // namespace velnora::messages
