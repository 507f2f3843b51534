#include "disc/DiscTexts.h"

#include "audio/AudioTexts.h"
#include "files/FileAccess.h"

#include <QFileInfo>

namespace velnora::disc
{

namespace
{

QString minutes(qint64 frames)
{
    const qint64 seconds = frames / audio::FramesPerSecond;
    return QStringLiteral("%1分%2秒").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

QString refusalText(const DiscRefusal &refusal)
{
    switch (refusal.kind) {
    case DiscRefusal::Kind::NoLayout:
        return QStringLiteral("曲名がありません。曲名を入力して「編集」してください。");
    case DiscRefusal::Kind::CdTextRefused:
    case DiscRefusal::Kind::CdTextOverCapacity:
        return refusal.lines.join(QStringLiteral("\r\n"));
    case DiscRefusal::Kind::TrackCount:
        return QStringLiteral(
                   "音声ファイルが%1個、曲が%2曲あります。曲と同じ数の音声ファイルにしてください。")
            .arg(refusal.files)
            .arg(refusal.tracks);
    case DiscRefusal::Kind::Undecodable:
        return QStringLiteral("%1曲目の「%2」: %3。別のファイルにしてください。")
            .arg(refusal.track)
            .arg(fileName(refusal.path), audio::problemText(refusal.audio));
    case DiscRefusal::Kind::TooShort:
        return QStringLiteral("%1曲目の「%2」は4秒より短い音声です。4秒以上の曲にしてください。")
            .arg(refusal.track)
            .arg(fileName(refusal.path));
    case DiscRefusal::Kind::OverLimit:
        return QStringLiteral("ディスクが%1あり、80分を超えます。曲を減らすか、曲間を切ってください。")
            .arg(minutes(refusal.frames));
    }
    return QString();
}

QString cueProblemText(CueProblem problem, int track)
{
    switch (problem) {
    case CueProblem::Syntax:
        return QStringLiteral(
            "CUEシートとして読めません。TRACK と INDEX 01 のある CUEシートを選んでください。");
    case CueProblem::NoFile:
        return QStringLiteral("最初の曲の前に FILE 行がありません。FILE 行を加えてください。");
    case CueProblem::TooManyTracks:
        return QStringLiteral("曲が99曲を超えています。99曲までにしてください。");
    case CueProblem::DataTrack:
        return QStringLiteral("%1曲目が音声の曲ではありません。AUDIO の曲だけにしてください。").arg(track);
    case CueProblem::NoIndex:
        return QStringLiteral("%1曲目に INDEX 01 がありません。INDEX 01 を加えてください。").arg(track);
    case CueProblem::IndexOrder:
        return QStringLiteral("%1曲目の INDEX 01 が前の曲より前にあります。曲の順に直してください。")
            .arg(track);
    case CueProblem::None:
    case CueProblem::File:
    case CueProblem::TooLarge:
        break;
    }
    return QString();
}

QString imageOutcomeText(const ImageOutcome &outcome)
{
    switch (outcome.status) {
    case ImageOutcome::Status::Written:
    case ImageOutcome::Status::Refused:
        return QString();
    case ImageOutcome::Status::Cancelled:
        return QStringLiteral("CDイメージの保存を取り消しました。ファイルは作られていません。");
    case ImageOutcome::Status::Failed:
        break;
    }
    switch (outcome.failure) {
    case ImageOutcome::Failure::None:
        return QString();
    case ImageOutcome::Failure::BadName:
        return QStringLiteral("「%1」: ファイル名に「\"」や制御文字は使えません。別の名前にしてください。")
            .arg(fileName(outcome.path));
    case ImageOutcome::Failure::Decode:
        return QStringLiteral("%1曲目の「%2」: %3")
            .arg(outcome.track)
            .arg(fileName(outcome.path), audio::problemText(outcome.audio));
    case ImageOutcome::Failure::Changed:
        return QStringLiteral(
                   "%1曲目の「%"
                   "2」の長さが確かめたときと違います。ファイルを確かめて、もう一度保存してください。")
            .arg(outcome.track)
            .arg(fileName(outcome.path));
    case ImageOutcome::Failure::Write:
        return QStringLiteral("「%1」に書き込めません: %2").arg(outcome.path, systemReason(outcome.code));
    }
    return QString();
}

QString burnCommand(const ImageFiles &files)
{
    return QStringLiteral("cdrskin -v dev=/dev/sr0 -sao -text cuefile=%1").arg(fileName(files.cue));
}

} // namespace velnora::disc
