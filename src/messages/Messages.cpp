#include "messages/Messages.h"

#include "cdtext/CdTextTexts.h"

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
        return {question.detail + QStringLiteral("\r\n\r\n") + cdtext::texts::writeAnywayQuestion(),
                cdtext::texts::nonJisTitle(), BoxIcon::Exclamation, BoxButtons::OkCancel};
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

} // namespace velnora::messages
