#include "messages/DiscMessages.h"

namespace velnora::messages::disc
{

QString noLayout()
{
    return QStringLiteral("曲名がありません。曲名を入力して「編集」してください。");
}

QString trackCount(int files, int tracks)
{
    return QStringLiteral("音声ファイルが%1個、曲が%2曲あります。曲と同じ数の音声ファイルにしてください。")
        .arg(files)
        .arg(tracks);
}

QString undecodable(int track, const QString &name, const QString &problem)
{
    return QStringLiteral("%1曲目の「%2」: %3。別のファイルにしてください。").arg(track).arg(name, problem);
}

QString tooShort(int track, const QString &name)
{
    return QStringLiteral("%1曲目の「%2」は4秒より短い音声です。4秒以上の曲にしてください。")
        .arg(track)
        .arg(name);
}

QString overLimit(qint64 seconds)
{
    const QString length =
        QStringLiteral("%1分%2秒").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("ディスクが%1あり、80分を超えます。曲を減らすか、曲間を切ってください。")
        .arg(length);
}

QString cueSyntax()
{
    return QStringLiteral("CUEシートとして読めません。TRACK と INDEX 01 のある CUEシートを選んでください。");
}

QString cueNoFile()
{
    return QStringLiteral("最初の曲の前に FILE 行がありません。FILE 行を加えてください。");
}

QString cueTooManyTracks()
{
    return QStringLiteral("曲が99曲を超えています。99曲までにしてください。");
}

QString cueDataTrack(int track)
{
    return QStringLiteral("%1曲目が音声の曲ではありません。AUDIO の曲だけにしてください。").arg(track);
}

QString cueNoIndex(int track)
{
    return QStringLiteral("%1曲目に INDEX 01 がありません。INDEX 01 を加えてください。").arg(track);
}

QString cueIndexOrder(int track)
{
    return QStringLiteral("%1曲目の INDEX 01 が前の曲より前にあります。曲の順に直してください。").arg(track);
}

QString imageCancelled()
{
    return QStringLiteral("CDイメージの保存を取り消しました。ファイルは作られていません。");
}

QString imageBadName(const QString &name)
{
    return QStringLiteral("「%1」: ファイル名に「\"」や制御文字は使えません。別の名前にしてください。")
        .arg(name);
}

QString imageDecode(int track, const QString &name, const QString &problem)
{
    return QStringLiteral("%1曲目の「%2」: %3").arg(track).arg(name, problem);
}

QString imageChanged(int track, const QString &name)
{
    return QStringLiteral(
               "%1曲目の「%2」の長さが確かめたときと違います。ファイルを確かめて、もう一度保存してください。")
        .arg(track)
        .arg(name);
}

QString imageWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("「%1」に書き込めません: %2").arg(path, reason);
}

QString burnCommand(const QString &cueName)
{
    return QStringLiteral("cdrskin -v dev=/dev/sr0 -sao -text cuefile=%1").arg(cueName);
}

} // namespace velnora::messages::disc
