#include "messages/Messages.h"

#include "messages/CdTextMessages.h"

namespace velnora::messages
{

namespace
{

Box confirmation(const QString &typeName)
{
    return {typeName + QStringLiteral(" 編集でよいですか？"), QStringLiteral("編集種類確認"),
            BoxIcon::Question, BoxButtons::YesNo};
}

} // namespace

Box question(Question question)
{
    switch (question.kind) {
    case Question::ClearFilled:
        return {QStringLiteral("記入済みのデータはクリアされますがよいですか？"),
                QStringLiteral("データクリアOK？"), BoxIcon::Exclamation, BoxButtons::OkCancel};
    case Question::Overwrite:
        return {QStringLiteral("上書き保存をしますか？"), QStringLiteral("上書き保存"), BoxIcon::Exclamation,
                BoxButtons::YesNo};
    case Question::EnableSave:
        return {QStringLiteral("保存ボタンを有効にしますか？"), QString(), BoxIcon::None, BoxButtons::YesNo};
    case Question::EditTypeEn:
        return confirmation(QStringLiteral("en"));
    case Question::EditTypeEnJa:
        return confirmation(QStringLiteral("en + ja"));
    case Question::WriteNonJis:
        // A blank line before the question: a face that cannot ask says the warning alone.
        return {question.detail + QStringLiteral("\r\n\r\n") + cdtextexport::writeAnywayQuestion(),
                cdtextexport::nonJisTitle(), BoxIcon::Exclamation, BoxButtons::OkCancel};
    case Question::DiscOverWarning:
        return {QStringLiteral("ディスクの長さが%1で、74分を超えます。\r\n"
                               "80分のディスクと、それに書き込めるドライブが要ります。\r\n\r\n"
                               "CDイメージを保存しますか？")
                    .arg(question.detail),
                cdImageDialogTitle(), BoxIcon::Exclamation, BoxButtons::OkCancel};
    case Question::BurnOverWarning:
        return {QStringLiteral("ディスクの長さが%1で、74分を超えます。\r\n"
                               "80分のディスクと、それに書き込めるドライブが要ります。\r\n\r\n"
                               "書き込みますか？")
                    .arg(question.detail),
                discwindow::burnTitle(), BoxIcon::Exclamation, BoxButtons::OkCancel};
    case Question::EraseDisc:
        return {QStringLiteral("ドライブのディスクは%1です。\r\n"
                               "CD-RWを消去してから書き込みますか？（消去したデータは戻せません）")
                    .arg(question.detail),
                discwindow::burnTitle(), BoxIcon::Question, BoxButtons::YesNo};
    case Question::EditTypeJa:
        break;
    }
    return confirmation(QStringLiteral("ja"));
}

QString otherInstance()
{
    return QStringLiteral("２重起動防止！");
}

QString cannotOpen()
{
    return QStringLiteral("開けません！");
}

QString notAFileReason()
{
    return QStringLiteral("ファイルでない可能性があります。");
}

QString overCapReason()
{
    return QStringLiteral("4MBを超えています。");
}

QString dropTooLarge()
{
    return QStringLiteral("100KBを超えています！");
}

QString openFilter()
{
    return QStringLiteral("テキストファイル(*.txt);;CUEシート(*.cue);;すべてのファイル(*.*)");
}

QString audioFilter()
{
    return QStringLiteral(
        "音声ファイル(*.wav *.aif *.aiff *.flac *.m4a *.mp3 *.ogg *.opus);;すべてのファイル(*.*)");
}

QString notAudioReason()
{
    return QStringLiteral("音声ファイルではありません");
}

QString tagsTooLargeReason()
{
    return QStringLiteral("タグが大きすぎて読めません");
}

QString skippedFileLine(const QString &name, const QString &reason)
{
    return QStringLiteral("「%1」: %2").arg(name, reason);
}

Box skippedAudio(const QStringList &lines, bool noneRead)
{
    const QString head = noneRead ? QStringLiteral("曲名を取り込めるファイルがありませんでした。")
                                  : QStringLiteral("次のファイルは取り込みませんでした。");
    return {
        head + QStringLiteral("\r\n") + lines.join(QStringLiteral("\r\n")) +
            QStringLiteral("\r\n読める音声ファイル(WAV、AIFF、FLAC、M4A、MP3、Ogg、Opus)を選んでください。"),
        QStringLiteral("曲名の取り込み"), BoxIcon::Exclamation, BoxButtons::Ok};
}

QString saveFilter()
{
    return QStringLiteral("テキストファイル(*.txt)");
}

QString inputProblemText(InputProblem problem)
{
    switch (problem) {
    case InputProblem::MissingAlbum:
        return QStringLiteral("アルバム名が入力されていません");
    case InputProblem::MissingArtist:
        return QStringLiteral("アーティスト名が入力されていません");
    case InputProblem::MissingTitles:
        return QStringLiteral("曲名が入力されていません");
    case InputProblem::EmptyFirstLine:
        return QStringLiteral("曲名の一行目は改行しちゃダメ");
    case InputProblem::None:
        break;
    }
    return QString();
}

QString inputProblemTitle(InputProblem problem)
{
    switch (problem) {
    case InputProblem::MissingAlbum:
    case InputProblem::MissingArtist:
    case InputProblem::MissingTitles:
        return QStringLiteral("入力漏れ");
    case InputProblem::EmptyFirstLine:
        return QStringLiteral("改行禁止");
    case InputProblem::None:
        break;
    }
    return QString();
}

QString rejectionText(const QString &character)
{
    return QStringLiteral("下記の不適切な日本語全角文字を修正してください\r\n"
                          "または 編集種類をja にしてください\r\n\r\n"
                          "不適切文字は【 ") +
           character + QStringLiteral(" 】です");
}

QString rejectionTitle()
{
    return QStringLiteral("編集中断");
}

Box editDone()
{
    return {QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください"),
            QStringLiteral("編集完了"), BoxIcon::Information, BoxButtons::Ok};
}

QString fieldName(int field)
{
    switch (field) {
    case 1:
        return QStringLiteral("アルバム名");
    case 2:
        return QStringLiteral("アーティスト名");
    default:
        return QStringLiteral("曲名");
    }
}

QString versionTitle()
{
    return QStringLiteral("バージョン情報");
}

Box cannotOpenAddress(const QString &shown)
{
    return {cannotOpen() + QStringLiteral("\r\n") + shown, QString(), BoxIcon::Stop, BoxButtons::Ok};
}

Box noPrinter()
{
    return {QStringLiteral("プリンターが見つかりません。"), QString(), BoxIcon::Exclamation, BoxButtons::Ok};
}

Box printFailed(PrintFailure failure, const QString &where)
{
    QString reason;
    switch (failure) {
    case PrintFailure::File:
        reason = QStringLiteral("「%1」に書き込めません。").arg(where);
        break;
    case PrintFailure::Start:
        reason = QStringLiteral("プリンター「%1」で印刷を始められません。").arg(where);
        break;
    case PrintFailure::Printer:
        reason = QStringLiteral("プリンター「%1」がエラーを報告しました。").arg(where);
        break;
    }
    return {QStringLiteral("印刷できませんでした。\r\n") + reason, QString(), BoxIcon::Stop, BoxButtons::Ok};
}

QString cdImageFilter()
{
    return QStringLiteral("CUEシート(*.cue)");
}

QString cdImageDialogTitle()
{
    return QStringLiteral("CDイメージ保存");
}

QString cdImageSuffix()
{
    return QStringLiteral("cue");
}

Box cdImageRefused(const QStringList &changes)
{
    return {QStringLiteral("CDイメージを保存できません。次を直してください。\r\n\r\n") +
                changes.join(QStringLiteral("\r\n")),
            cdImageDialogTitle(), BoxIcon::Stop, BoxButtons::Ok};
}

Box cdImageSaved(const QString &burnCommand)
{
    return {QStringLiteral("CDイメージを保存しました。\r\n"
                           "保存したフォルダーで次のコマンドを実行すると、CDに書き込めます。\r\n\r\n") +
                burnCommand,
            cdImageDialogTitle(), BoxIcon::Information, BoxButtons::Ok};
}

Box cdImageFailed(const QString &reason)
{
    return {QStringLiteral("CDイメージを保存できませんでした。ファイルは作られていません。\r\n") + reason,
            cdImageDialogTitle(), BoxIcon::Stop, BoxButtons::Ok};
}

Box cdImageCancelled(const QString &reason)
{
    return {reason, cdImageDialogTitle(), BoxIcon::Information, BoxButtons::Ok};
}

namespace discwindow
{

QString windowTitle()
{
    return QStringLiteral("ディスクの作成");
}

QStringList columns()
{
    return {QStringLiteral("曲"),       QStringLiteral("曲名"), QStringLiteral("アーティスト"),
            QStringLiteral("ファイル"), QStringLiteral("長さ"), QStringLiteral("問題")};
}

QString addCaption()
{
    return QStringLiteral("追加...");
}

QString removeCaption()
{
    return QStringLiteral("削除");
}

QString upCaption()
{
    return QStringLiteral("上へ");
}

QString downCaption()
{
    return QStringLiteral("下へ");
}

QString gapsCaption()
{
    return QStringLiteral("曲間に2秒の無音を入れる");
}

QString saveImageCaption()
{
    return QStringLiteral("CDイメージ保存...");
}

QString audioFilter()
{
    return QStringLiteral("音声ファイル(*.wav *.aif *.aiff *.flac *.m4a *.mp3 *.ogg *.opus);;"
                          "すべてのファイル(*.*)");
}

QString probing()
{
    return QStringLiteral("音声ファイルの長さを調べています...");
}

QString probingFile(const QString &name)
{
    return QStringLiteral("「%1」の長さを調べています...").arg(name);
}

QString writingTrack(int track)
{
    return QStringLiteral("%1曲目を書き込んでいます...").arg(track);
}

QString cancelCaption()
{
    return QStringLiteral("キャンセル");
}

QString noFile()
{
    return QStringLiteral("音声ファイルがありません");
}

QString noTrack()
{
    return QStringLiteral("曲名にない曲です");
}

QString tooShort()
{
    return QStringLiteral("4秒より短い");
}

QString totals(int tracks, int files, const QString &length, bool gaps, int over)
{
    QString text = QStringLiteral("曲: %1曲 / 音声ファイル: %2個　合計 %3%4")
                       .arg(tracks)
                       .arg(files)
                       .arg(length, gaps ? QStringLiteral(" (曲間を含む)") : QString());
    if (over == 80)
        return text + QStringLiteral("　80分を超えています。CDに収まりません。");
    if (over == 74)
        return text + QStringLiteral("　74分を超えています。80分のディスクが要ります。");
    return text + QStringLiteral(" / 74分");
}

QString driveCaption()
{
    return QStringLiteral("ドライブ");
}

QString refreshCaption()
{
    return QStringLiteral("更新");
}

QString speedCaption()
{
    return QStringLiteral("速度");
}

QStringList speeds()
{
    return {QStringLiteral("最高速"), QStringLiteral("4倍速"),  QStringLiteral("8倍速"),
            QStringLiteral("16倍速"), QStringLiteral("24倍速"), QStringLiteral("48倍速")};
}

QString simulateCaption()
{
    return QStringLiteral("試し書き");
}

QString ejectCaption()
{
    return QStringLiteral("書き込み後に取り出す");
}

QString burnCaption()
{
    return QStringLiteral("書き込み");
}

QString burnTitle()
{
    return QStringLiteral("CDに書き込み");
}

QString stopBurnCaption()
{
    return QStringLiteral("中止");
}

Box burnRefused(const QStringList &changes)
{
    return {QStringLiteral("CDに書き込めません。次を直してください。\r\n\r\n") +
                changes.join(QStringLiteral("\r\n")),
            burnTitle(), BoxIcon::Stop, BoxButtons::Ok};
}

QString lookingForDrives()
{
    return QStringLiteral("ドライブを探しています…");
}

QString readingMedium()
{
    return QStringLiteral("ディスクを調べています…");
}

} // namespace discwindow

} // namespace velnora::messages
