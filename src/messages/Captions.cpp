#include "messages/Captions.h"

#include "messages/Messages.h"

namespace velnora::messages::captions
{

namespace mainwindow
{

QString albumLabel()
{
    return fieldName(1);
}

QString artistLabel()
{
    return fieldName(2);
}

QString titlesLabel()
{
    return fieldName(3);
}

QString editedTitlesLabel()
{
    return QStringLiteral("CD_TEXT形式に編集済み");
}

QString dropNamesCheck()
{
    return QStringLiteral("ドロップしてファイル名を利用");
}

QString moveUpButton()
{
    return QStringLiteral("▲");
}

QString moveDownButton()
{
    return QStringLiteral("▼");
}

QString moveUpTip()
{
    return QStringLiteral("曲移動(上へ)");
}

QString moveDownTip()
{
    return QStringLiteral("曲移動(下へ)");
}

QString moveLabel()
{
    return QStringLiteral("曲移動");
}

QString editTypeGroup()
{
    return QStringLiteral("編集種類");
}

QString editTypeEn()
{
    return QStringLiteral("en (英語テキスト)");
}

QString editTypeJa()
{
    return QStringLiteral("ja (日本語テキスト)");
}

QString editTypeEnJa()
{
    return QStringLiteral("en + ja (両方)");
}

QString editButton()
{
    return QStringLiteral("編集");
}

QString undoButton()
{
    return QStringLiteral("取消");
}

QString clearButton()
{
    return QStringLiteral("クリア");
}

QString sortButton()
{
    return QStringLiteral("ソート");
}

QString saveButton()
{
    return QStringLiteral("保存");
}

QString exitButton()
{
    return QStringLiteral("終了");
}

QString trackNumbersCheck()
{
    return QStringLiteral("行頭の曲番文字の削除と添付");
}

QString fixedNumbers()
{
    return QStringLiteral("固定曲番");
}

QString variableNumbers()
{
    return QStringLiteral("可変曲番");
}

QString deleteByLength()
{
    return QStringLiteral("削除-文字長");
}

QString attachByKind()
{
    return QStringLiteral("添付-文字種");
}

QString counterReading()
{
    return QStringLiteral("0");
}

QString deleteButton()
{
    return QStringLiteral("削除");
}

QString attachButton()
{
    return QStringLiteral("添付");
}

} // namespace mainwindow

namespace menu
{

QString fileMenu()
{
    return QStringLiteral("ファイル(&F)");
}

QString newItem()
{
    return QStringLiteral("新規(&N)");
}

QString openItem()
{
    return QStringLiteral("開く(&O)...");
}

QString importItem()
{
    return QStringLiteral("音声ファイルから曲名を取り込む(&I)...");
}

QString saveItem()
{
    return QStringLiteral("上書き保存(&S)");
}

QString saveAsItem()
{
    return QStringLiteral("名前を付けて保存(&A)...");
}

QString exportItem()
{
    return QStringLiteral("CD-TEXTファイルに書き出し(&T)...");
}

QString discItem()
{
    return QStringLiteral("ディスクの作成(&D)...");
}

QString stayOnTopItem()
{
    return QStringLiteral("常に手前に表示");
}

QString printItem()
{
    return QStringLiteral("CDジャケット印刷(&P)...");
}

QString exitItem()
{
    return QStringLiteral("終了(&X)");
}

QString editMenu()
{
    return QStringLiteral("編集(&E)");
}

QString undoItem()
{
    return QStringLiteral("元に戻す(&U)");
}

QString cutItem()
{
    return QStringLiteral("切り取り(&T)");
}

QString copyItem()
{
    return QStringLiteral("コピー(&C)");
}

QString pasteItem()
{
    return QStringLiteral("貼り付け(&P)");
}

QString deleteItem()
{
    return QStringLiteral("削除(&L)");
}

QString selectAllItem()
{
    return QStringLiteral("すべて選択(&A)");
}

QString dateItem()
{
    return QStringLiteral("日付");
}

QString searchMenu()
{
    return QStringLiteral("楽曲検索(&M)");
}

QString yahooItem()
{
    return QStringLiteral("Yahoo(jp)-音楽");
}

QString amazonJpItem()
{
    return QStringLiteral("Amazon(jp)-音楽");
}

QString amazonComItem()
{
    return QStringLiteral("Amazon(com)-音楽");
}

QString helpMenu()
{
    return QStringLiteral("ヘルプ(&H)");
}

QString helpFileItem()
{
    return QStringLiteral("ヘルプファイル(&H)");
}

QString versionItem()
{
    return versionTitle();
}

QString sampleItem()
{
    return QStringLiteral("サンプル貼付");
}

QString versionText()
{
    return QStringLiteral("ver1.0");
}

} // namespace menu

namespace jacketwindow
{

QString windowTitle()
{
    return QStringLiteral("CDジャケット印刷設定");
}

QString frameGroup()
{
    return QStringLiteral("ジャケット枠");
}

QString leftMargin()
{
    return QStringLiteral("左余白");
}

QString topMargin()
{
    return QStringLiteral("上余白");
}

QString frameWidth()
{
    return QStringLiteral("横長さ");
}

QString frameHeight()
{
    return QStringLiteral("縦長さ");
}

QString millimetres()
{
    return QStringLiteral("mm");
}

QString contentGroup()
{
    return QStringLiteral("ジャケット内容");
}

QString lineGroup()
{
    return QStringLiteral("アルバム名・アーティスト名");
}

QString listGroup()
{
    return QStringLiteral("曲名");
}

QString fontSize()
{
    return QStringLiteral("フォント");
}

QString points()
{
    return QStringLiteral("pt");
}

QString bold()
{
    return QStringLiteral("太字");
}

QString italic()
{
    return QStringLiteral("斜体");
}

QString underline()
{
    return QStringLiteral("下線");
}

QString defaultsButton()
{
    return QStringLiteral("初期値");
}

QString arrangeButton()
{
    return QStringLiteral("自動割付");
}

QString closeButton()
{
    return QStringLiteral("閉じる");
}

QString printButton()
{
    return QStringLiteral("印刷...");
}

QString pdfButton()
{
    return QStringLiteral("PDF保存...");
}

QString zoomLow()
{
    return QStringLiteral("ﾌﾟﾚﾋﾞｭｰ倍率  0.4倍");
}

QString zoomHigh()
{
    return QStringLiteral("1.0倍");
}

QString paperNote()
{
    return QStringLiteral("＊注）背面の用紙はA4縦を模擬しています。");
}

QString pdfFilter()
{
    return QStringLiteral("PDFファイル(*.pdf)");
}

QString pdfDialogTitle()
{
    return QStringLiteral("PDF保存");
}

QString pdfSuffix()
{
    return QStringLiteral("pdf");
}

} // namespace jacketwindow

} // namespace velnora::messages::captions
