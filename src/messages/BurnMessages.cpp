#include "messages/BurnMessages.h"

namespace velnora::messages::burning
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

QString insertBlank()
{
    return QStringLiteral("空のCD-RかCD-RWを入れてください。");
}

QString driveNotFound()
{
    return QStringLiteral("CDドライブが見つかりません。");
}

} // namespace

QString driveInSentence(const QString &drive)
{
    return drive.isEmpty() ? QStringLiteral("CDドライブ") : QStringLiteral("「%1」").arg(drive);
}

QString nothingWrittenInTest()
{
    return QStringLiteral("試し書きなので、ディスクには何も書き込まれていません。");
}

QString partlyWritten()
{
    return QStringLiteral("ディスクは途中まで書き込まれたため、おそらく使えません。");
}

QString refused()
{
    return QStringLiteral("このディスクは作れません。ディスクの画面の「問題」を直してください。");
}

QString noDrive()
{
    return driveNotFound() + CrLf +
           QStringLiteral("CDを書き込めるドライブをつないで、もう一度お試しください。");
}

QString notADrive(const QString &drive)
{
    return driveNotFound() + CrLf + QStringLiteral("「%1」はCDドライブではないか、開けません。").arg(drive);
}

QString driveBusy(const QString &drive)
{
    return QStringLiteral("%1はほかのプログラムが使っています。").arg(driveInSentence(drive)) + CrLf +
           QStringLiteral("そのプログラムを終えてから、もう一度お試しください。");
}

QString noDisc(const QString &drive)
{
    return QStringLiteral("%1にディスクが入っていません。").arg(driveInSentence(drive)) + CrLf +
           insertBlank();
}

QString rewritableNotBlank()
{
    return QStringLiteral("このCD-RWには書き込み済みのデータがあります。") + CrLf +
           QStringLiteral("消去してから書き込むか、空のCD-Rを入れてください。");
}

QString notBlank()
{
    return QStringLiteral("このディスクは空ではありません。") + CrLf + insertBlank();
}

QString notCd(const QString &profile)
{
    return QStringLiteral("このディスクはCDではありません（%1）。")
               .arg(profile.isEmpty() ? QStringLiteral("?") : profile) +
           CrLf + QStringLiteral("音楽CDはCD-RかCD-RWにしか書き込めません。CD-RかCD-RWを入れてください。");
}

QString unsuitable()
{
    return QStringLiteral("このディスクには書き込めません。") + CrLf +
           QStringLiteral("別のCD-RかCD-RWを入れてください。");
}

QString tooSmall(const QString &length, const QString &free)
{
    return QStringLiteral("曲の長さは%1ですが、ディスクの空きは%2です。").arg(length, free) + CrLf +
           QStringLiteral("曲を減らすか、曲間を切るか、80分のディスクを入れてください。");
}

QString rejected()
{
    return QStringLiteral("このドライブとディスクでは書き込みを始められません。");
}

QString unreadable(int track, const QString &name)
{
    return QStringLiteral("%1曲目の「%2」が書き込み中に読めなくなりました。").arg(track).arg(name) + CrLf +
           QStringLiteral("ファイルを確かめてから、もう一度書き込んでください。");
}

QString changed(int track, const QString &name)
{
    return QStringLiteral("%1曲目の「%2」の長さが、調べたときと変わりました。").arg(track).arg(name) + CrLf +
           QStringLiteral("ファイルを追加し直してから、もう一度書き込んでください。");
}

QString blankFailed()
{
    return QStringLiteral("CD-RWの消去に失敗しました。このディスクはおそらく使えません。");
}

QString testFailed()
{
    return QStringLiteral("試し書きに失敗しました。");
}

QString writeFailed()
{
    return QStringLiteral("書き込みに失敗しました。");
}

QString cancelled(bool started)
{
    return started ? QStringLiteral("書き込みを中止しました。")
                   : QStringLiteral("書き込みを中止しました。ディスクには何も書き込まれていません。");
}

QString libburnSaid()
{
    return QStringLiteral("libburn:");
}

QString done(bool simulated)
{
    return simulated ? QStringLiteral("試し書きが終わりました。ディスクには何も書き込まれていません。")
                     : QStringLiteral("書き込みが終わりました。");
}

QString preparing()
{
    return QStringLiteral("準備しています");
}

QString leadIn()
{
    return QStringLiteral("リードインを書き込んでいます");
}

QString writingTrack(int track, int tracks)
{
    return QStringLiteral("%1/%2曲目を書き込んでいます").arg(track).arg(tracks);
}

QString leadOut()
{
    return QStringLiteral("リードアウトを書き込んでいます");
}

QString closing()
{
    return QStringLiteral("ディスクを閉じています");
}

QString finished()
{
    return QStringLiteral("書き込みが終わりました");
}

QString buffer(int fill)
{
    return QStringLiteral("バッファ %1%").arg(fill);
}

QString timeLeft(int seconds)
{
    return QStringLiteral("残り %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString medium(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("ディスク") : name;
}

QString noMedium()
{
    return QStringLiteral("ディスクが入っていません");
}

QString notCdMedium(const QString &name)
{
    return QStringLiteral("%1（CDではありません）").arg(medium(name));
}

QString blankMedium(const QString &name, const QString &free)
{
    return QStringLiteral("空の%1　空き %2").arg(medium(name), free);
}

QString writtenMedium(const QString &name, bool erasable)
{
    return erasable ? QStringLiteral("書き込み済みの%1（消去できます）").arg(medium(name))
                    : QStringLiteral("書き込み済みの%1").arg(medium(name));
}

QString unwritableMedium(const QString &name)
{
    return QStringLiteral("書き込めない%1").arg(medium(name));
}

QString blanking()
{
    return QStringLiteral("CD-RWを消去しています…");
}

QString blankDone()
{
    return QStringLiteral("CD-RWを消去しました。");
}

} // namespace velnora::messages::burning
