#include "burn/BurnTexts.h"

#include "disc/DiscLength.h"

#include <QFileInfo>

namespace velnora::burning
{

namespace
{

const QString CrLf = QStringLiteral("\r\n");

QString driveOf(const BurnOutcome &outcome)
{
    return outcome.drive.isEmpty() ? QStringLiteral("CDドライブ")
                                   : QStringLiteral("「%1」").arg(outcome.drive);
}

// What a failure says about the disc once the write began: only a real write leaves it written to.
QString mediumAfter(const BurnOutcome &outcome)
{
    if (!outcome.started || outcome.blanking)
        return QString();
    return outcome.simulated ? QStringLiteral("試し書きなので、ディスクには何も書き込まれていません。")
                             : QStringLiteral("ディスクは途中まで書き込まれたため、おそらく使えません。");
}

QString what(const BurnOutcome &outcome)
{
    using Failure = BurnOutcome::Failure;
    switch (outcome.failure) {
    case Failure::None:
        return QString();
    case Failure::Refused:
        return QStringLiteral("このディスクは作れません。ディスクの画面の「問題」を直してください。");
    case Failure::NoDrive:
        return outcome.drive.isEmpty()
                   ? QStringLiteral("CDドライブが見つかりません。") + CrLf +
                         QStringLiteral("CDを書き込めるドライブをつないで、もう一度お試しください。")
                   : QStringLiteral("CDドライブが見つかりません。") + CrLf +
                         QStringLiteral("「%1」はCDドライブではないか、開けません。").arg(outcome.drive);
    case Failure::DriveBusy:
        return QStringLiteral("%1はほかのプログラムが使っています。").arg(driveOf(outcome)) + CrLf +
               QStringLiteral("そのプログラムを終えてから、もう一度お試しください。");
    case Failure::NoDisc:
        return QStringLiteral("%1にディスクが入っていません。").arg(driveOf(outcome)) + CrLf +
               QStringLiteral("空のCD-RかCD-RWを入れてください。");
    case Failure::NotBlank:
        return outcome.medium.erasable
                   ? QStringLiteral("このCD-RWには書き込み済みのデータがあります。") + CrLf +
                         QStringLiteral("消去してから書き込むか、空のCD-Rを入れてください。")
                   : QStringLiteral("このディスクは空ではありません。") + CrLf +
                         QStringLiteral("空のCD-RかCD-RWを入れてください。");
    case Failure::NotCd:
        return QStringLiteral("このディスクはCDではありません（%1）。")
                   .arg(outcome.medium.profileName.isEmpty() ? QStringLiteral("?")
                                                             : outcome.medium.profileName) +
               CrLf +
               QStringLiteral("音楽CDはCD-RかCD-RWにしか書き込めません。CD-RかCD-RWを入れてください。");
    case Failure::Unsuitable:
        return QStringLiteral("このディスクには書き込めません。") + CrLf +
               QStringLiteral("別のCD-RかCD-RWを入れてください。");
    case Failure::TooSmall:
        return QStringLiteral("曲の長さは%1ですが、ディスクの空きは%2です。")
                   .arg(sectorsTime(outcome.frames), sectorsTime(outcome.medium.freeFrames)) +
               CrLf + QStringLiteral("曲を減らすか、曲間を切るか、80分のディスクを入れてください。");
    case Failure::Rejected:
        return QStringLiteral("このドライブとディスクでは書き込みを始められません。");
    case Failure::Decode:
        return QStringLiteral("%1曲目の「%2」が書き込み中に読めなくなりました。")
                   .arg(outcome.track)
                   .arg(QFileInfo(outcome.path).fileName()) +
               CrLf + QStringLiteral("ファイルを確かめてから、もう一度書き込んでください。");
    case Failure::Changed:
        return QStringLiteral("%1曲目の「%2」の長さが、調べたときと変わりました。")
                   .arg(outcome.track)
                   .arg(QFileInfo(outcome.path).fileName()) +
               CrLf + QStringLiteral("ファイルを追加し直してから、もう一度書き込んでください。");
    case Failure::WriteFailed:
        if (outcome.blanking)
            return QStringLiteral("CD-RWの消去に失敗しました。このディスクはおそらく使えません。");
        return outcome.simulated ? QStringLiteral("試し書きに失敗しました。")
                                 : QStringLiteral("書き込みに失敗しました。");
    case Failure::Cancelled:
        return outcome.started
                   ? QStringLiteral("書き込みを中止しました。")
                   : QStringLiteral("書き込みを中止しました。ディスクには何も書き込まれていません。");
    }
    return QString();
}

} // namespace

QString sectorsTime(qint64 sectors)
{
    return disc::playingTime(sectors);
}

QString failureText(const BurnOutcome &outcome)
{
    if (outcome.ok())
        return QString();
    QStringList lines{what(outcome)};
    const QString after = mediumAfter(outcome);
    if (!after.isEmpty())
        lines << after;
    // libburn's reasons and messages as it gives them: they name what the drive said.
    QStringList said = outcome.reasons.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &message : outcome.messages) {
        if (!said.contains(message))
            said << message;
    }
    if (!said.isEmpty())
        lines << QString() << QStringLiteral("libburn:") << said;
    return lines.join(CrLf);
}

QString doneText(const BurnOutcome &outcome)
{
    return outcome.simulated
               ? QStringLiteral("試し書きが終わりました。ディスクには何も書き込まれていません。")
               : QStringLiteral("書き込みが終わりました。");
}

QString progressText(const BurnProgress &progress)
{
    QString phase;
    switch (progress.phase) {
    case BurnProgress::Phase::Preparing:
        phase = QStringLiteral("準備しています");
        break;
    case BurnProgress::Phase::Blanking:
        phase = blankingText();
        break;
    case BurnProgress::Phase::LeadIn:
        phase = QStringLiteral("リードインを書き込んでいます");
        break;
    case BurnProgress::Phase::Pregap:
    case BurnProgress::Phase::Writing:
        phase = QStringLiteral("%1/%2曲目を書き込んでいます").arg(progress.track).arg(progress.tracks);
        break;
    case BurnProgress::Phase::LeadOut:
        phase = QStringLiteral("リードアウトを書き込んでいます");
        break;
    case BurnProgress::Phase::Closing:
        phase = QStringLiteral("ディスクを閉じています");
        break;
    case BurnProgress::Phase::Done:
        phase = QStringLiteral("書き込みが終わりました");
        break;
    }
    QStringList parts{phase, QStringLiteral("%1%").arg(progress.percent)};
    if (progress.bufferFill >= 0)
        parts << QStringLiteral("バッファ %1%").arg(progress.bufferFill);
    if (progress.secondsLeft >= 0)
        parts << QStringLiteral("残り %1:%2")
                     .arg(progress.secondsLeft / 60)
                     .arg(progress.secondsLeft % 60, 2, 10, QLatin1Char('0'));
    return parts.join(QStringLiteral("  "));
}

QString mediumText(const BurnOutcome &outcome)
{
    if (!outcome.ok())
        return what(outcome).section(CrLf, 0, 0);
    const MediumInfo &medium = outcome.medium;
    const QString name = medium.profileName.isEmpty() ? QStringLiteral("ディスク") : medium.profileName;
    switch (medium.status) {
    case MediumInfo::Status::Empty:
    case MediumInfo::Status::Unknown:
        return QStringLiteral("ディスクが入っていません");
    case MediumInfo::Status::Blank:
        if (!medium.cd)
            return QStringLiteral("%1（CDではありません）").arg(name);
        return QStringLiteral("空の%1　空き %2").arg(name, sectorsTime(medium.freeFrames));
    case MediumInfo::Status::Appendable:
    case MediumInfo::Status::Full:
        return medium.erasable ? QStringLiteral("書き込み済みの%1（消去できます）").arg(name)
                               : QStringLiteral("書き込み済みの%1").arg(name);
    case MediumInfo::Status::Unsuitable:
        return QStringLiteral("書き込めない%1").arg(name);
    }
    return name;
}

QString driveName(const DriveInfo &drive)
{
    const QString name = QStringList{drive.vendor, drive.product}.join(QLatin1Char(' ')).trimmed();
    return name.isEmpty() ? drive.address : QStringLiteral("%1 (%2)").arg(name, drive.address);
}

QString blankingText()
{
    return QStringLiteral("CD-RWを消去しています…");
}

QString blankDoneText()
{
    return QStringLiteral("CD-RWを消去しました。");
}

} // namespace velnora::burning
