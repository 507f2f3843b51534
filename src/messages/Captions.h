#pragma once

#include <QString>

// The captions of the windows' controls, the menu's items and the windows' titles, looked up by name.
// A control's objectName is its name, not its caption: names stay with the windows.
namespace velnora::messages::captions
{

// The main window's controls.
namespace mainwindow
{
QString albumLabel();
QString artistLabel();
QString titlesLabel();
QString editedTitlesLabel(); // the titles' label once "編集" has made the layout
QString dropNamesCheck();
QString moveUpButton();
QString moveDownButton();
QString moveUpTip();
QString moveDownTip();
QString moveLabel();
QString editTypeGroup();
QString editTypeEn();
QString editTypeJa();
QString editTypeEnJa();
QString editButton();
QString undoButton();
QString clearButton();
QString sortButton();
QString saveButton();
QString exitButton();
QString trackNumbersCheck();
QString fixedNumbers();
QString variableNumbers();
QString deleteByLength();
QString attachByKind();
QString counterReading(); // before the title tools show theirs
QString deleteButton();
QString attachButton();
} // namespace mainwindow

// The menu bar: each menu and its items, "&" before the access key.
namespace menu
{
QString fileMenu();
QString newItem();
QString openItem();
QString importItem();
QString saveItem();
QString saveAsItem();
QString exportItem();
QString discItem();
QString stayOnTopItem();
QString printItem();
QString exitItem();

QString editMenu();
QString undoItem();
QString cutItem();
QString copyItem();
QString pasteItem();
QString deleteItem();
QString selectAllItem();
QString dateItem();

QString searchMenu();
QString yahooItem();
QString amazonJpItem();
QString amazonComItem();

QString helpMenu();
QString helpFileItem();
QString versionItem();
QString sampleItem();

QString versionText(); // the box of "バージョン情報"
} // namespace menu

// The jacket window ("CDジャケット印刷設定").
namespace jacketwindow
{
QString windowTitle();
QString frameGroup();
QString leftMargin();
QString topMargin();
QString frameWidth();
QString frameHeight();
QString millimetres();
QString contentGroup();
QString lineGroup(); // album and artist
QString listGroup(); // the titles
QString fontSize();
QString points();
QString bold();
QString italic();
QString underline();
QString defaultsButton();
QString arrangeButton();
QString closeButton();
QString printButton();
QString pdfButton();
QString zoomLow();
QString zoomHigh();
QString paperNote();
QString pdfFilter(); // the save dialog's filter
QString pdfDialogTitle();
QString pdfSuffix();
} // namespace jacketwindow

} // namespace velnora::messages::captions
