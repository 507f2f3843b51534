#pragma once

#include <QString>

// What the user reads of burning, in the window's boxes and the command line's lines alike. drive is
// the drive as the burner names it (empty when none was named); a failure's two lines are separated
// by CR LF.
namespace velnora::messages::burning
{

// The drive in a sentence: "CDドライブ", or its name in brackets.
QString driveInSentence(const QString &drive);

// What a failure says about the disc once the write began.
QString nothingWrittenInTest();
QString partlyWritten();

// The failures.
QString refused();
QString noDrive();
QString notADrive(const QString &drive);
QString driveBusy(const QString &drive);
QString noDisc(const QString &drive);
QString rewritableNotBlank();
QString notBlank();
QString notCd(const QString &profile); // profile empty when the drive named none
QString unsuitable();
QString tooSmall(const QString &length, const QString &free);
QString rejected();
QString unreadable(int track, const QString &name);
QString changed(int track, const QString &name);
QString blankFailed();
QString testFailed();
QString writeFailed();
QString cancelled(bool started);
QString libburnSaid(); // the head of libburn's own messages

QString done(bool simulated);

// Where a write stands.
QString preparing();
QString leadIn();
QString writingTrack(int track, int tracks);
QString leadOut();
QString closing();
QString finished();
QString buffer(int fill);
QString timeLeft(int seconds);

// What the drive holds; name is its profile, empty when the drive named none.
QString medium(const QString &name);
QString noMedium();
QString notCdMedium(const QString &name);
QString blankMedium(const QString &name, const QString &free);
QString writtenMedium(const QString &name, bool erasable);
QString unwritableMedium(const QString &name);

// While a CD-RW is erased, and what came of it.
QString blanking();
QString blankDone();

} // namespace velnora::messages::burning
