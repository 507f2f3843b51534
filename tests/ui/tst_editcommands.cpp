#include "support/TestSupport.h"

#include "files/FileAccess.h"
#include "platform/JapaneseDesktop.h"
#include "text/Cp932.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace velnora;
using namespace velnora::test;

Q_DECLARE_METATYPE(velnora::Platform::Icon)
Q_DECLARE_METATYPE(velnora::Platform::Buttons)

namespace
{

using Icon = Platform::Icon;
using Buttons = Platform::Buttons;

const QString ExampleTitles = QStringLiteral("Morning\r\n\r\nRain\r\nNight");
const QString ExampleEn = QStringLiteral("en\r\n"
                                         "0\tBlue Sky\tSora Trio\r\n"
                                         "1\tMorning\r\n"
                                         "3\tRain\r\n"
                                         "4\tNight\r\n");
const QString ExampleJa = QStringLiteral("ja\r\n"
                                         "0\tＢｌｕｅ　Ｓｋｙ\tＳｏｒａ　Ｔｒｉｏ\r\n"
                                         "1\tＭｏｒｎｉｎｇ\r\n"
                                         "3\tＲａｉｎ\r\n"
                                         "4\tＮｉｇｈｔ\r\n");
const QString DoneText = QStringLiteral("編集処理は完了しました。\r\n保存ボタンを押してください");
const QString RejectIntro = QStringLiteral("下記の不適切な日本語全角文字を修正してください\r\n"
                                           "または 編集種類をja にしてください\r\n\r\n不適切文字は【 ");

QString confirmation(int option)
{
    switch (option) {
    case 1:
        return QStringLiteral("en 編集でよいですか？");
    case 3:
        return QStringLiteral("en + ja 編集でよいですか？");
    default:
        return QStringLiteral("ja 編集でよいですか？");
    }
}

void fill(MainWindow &w, const QString &album, const QString &artist, const QString &titles)
{
    w.session().setAlbum(album);
    w.session().setArtist(artist);
    w.session().setTitles(titles);
}

void chooseType(MainWindow &w, int option)
{
    QTest::mouseClick(test::option(w, option), Qt::LeftButton);
    QVERIFY(test::option(w, option)->isChecked());
}

void clickEdit(MainWindow &w)
{
    QTest::mouseClick(test::command(w, 1), Qt::LeftButton);
}

void clickCancel(MainWindow &w)
{
    QTest::mouseClick(test::command(w, 2), Qt::LeftButton);
}

void checkMessage(const ScriptedPlatform::Message &m, const QString &text, const QString &title, Icon icon,
                  Buttons buttons)
{
    QCOMPARE(m.text, text);
    QCOMPARE(m.title, title);
    QCOMPARE(m.icon, icon);
    QCOMPARE(m.buttons, buttons);
}

void checkConfirmation(const ScriptedPlatform::Message &m, int option)
{
    checkMessage(m, confirmation(option), QStringLiteral("編集種類確認"), Icon::Question, Buttons::YesNo);
}

void checkDone(const ScriptedPlatform::Message &m)
{
    checkMessage(m, DoneText, QStringLiteral("編集完了"), Icon::Information, Buttons::Ok);
}

// Chooses the type, presses "編集" and expects only the question and the completion: nothing refused.
void editCompletes(WindowFixture &f, int option)
{
    chooseType(*f.window, option);
    f.platform.clear();
    f.expectEdit();
    clickEdit(*f.window);
    QCOMPARE(f.platform.messages.size(), 2);
    checkConfirmation(f.platform.messages.at(0), option);
    checkDone(f.platform.messages.at(1));
}

void checkEditedState(MainWindow &w, bool edited)
{
    for (int i = 1; i <= 2; ++i) {
        QCOMPARE(test::label1(w, i)->isVisible(), !edited);
        QCOMPARE(test::text1(w, i)->isVisible(), !edited);
    }
    QCOMPARE(test::label1(w, 3)->text(),
             edited ? QStringLiteral("CD_TEXT形式に編集済み") : QStringLiteral("曲名"));
    QCOMPARE(test::check2(w)->isVisible(), !edited);
    QCOMPARE(test::command(w, 4)->isEnabled(), edited);
    QCOMPARE(test::command(w, 4)->font().bold(), edited);
    QCOMPARE(test::action(w, QStringLiteral("上書き保存"))->isEnabled(), edited);
    QCOMPARE(test::action(w, QStringLiteral("名前を付けて保存"))->isEnabled(), edited);
    QCOMPARE(test::titleBox(w)->isEnabled(), !edited);
    if (edited) {
        QVERIFY(!test::list1(w)->isVisible());
        QVERIFY(!test::command9(w, 1)->isVisible());
        QVERIFY(!test::command9(w, 2)->isVisible());
    }
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A folder nobody can create, root included: it lies under a regular file.
struct UnwritableWindow {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> window;
    UnwritableWindow()
    {
        JapaneseDesktop::install();
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        QFile f(blocker);
        if (f.open(QIODevice::WriteOnly))
            f.write("x");
        f.close();
        platform.setProgramFolder(blocker + QStringLiteral("/program"));
        platform.setUserDataFolder(blocker + QStringLiteral("/data"));
        window = std::make_unique<MainWindow>(platform);
        window->startUp();
        window->show();
    }
};

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void inputChecks_data();
    void inputChecks();
    void confirmationDeclined_data();
    void confirmationDeclined();
    void rejectedCharacter_data();
    void rejectedCharacter();
    void scanPasses_data();
    void scanPasses();
    void rejectedCharacterInHiddenField_data();
    void rejectedCharacterInHiddenField();
    void workedExample_data();
    void workedExample();
    void replacementsStayInFields();
    void namesCleanedForDiscLine();
    void secondEditGivesSameLayout();
    void loadedLayoutWithGapsKeepsNumbers();
    void startUpLoadsALayoutAsTitles();
    void checkOneDecidesWindowTitle();
    void cancelAfterEdit();
    void cancelAfterSnapshotWriters_data();
    void cancelAfterSnapshotWriters();
    void cancelKeepsFilledNames();
    void cancelBeforeAnyEdit();
    void unwritableSnapshot();
    void cancelWithUnusableSnapshot_data();
    void cancelWithUnusableSnapshot();
    void doubleClickEnglish();
    void doubleClickJapanese();
    void doubleClickJapaneseInEditedState();
    void doubleClickEnJaDoesNothing();
    void henshumaeWithManyLines();
};

void TestEditCommands::inputChecks_data()
{
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");

    const QString missing = QStringLiteral("入力漏れ");
    const int stop = int(Icon::Stop), ok = int(Buttons::Ok);
    const int question = int(Icon::Question), yesNo = int(Buttons::YesNo);
    QTest::newRow("album and artist empty")
        << QString() << QString() << QStringLiteral("A") << QStringLiteral("アルバム名が入力されていません")
        << missing << stop << ok;
    QTest::newRow("artist and titles empty")
        << QStringLiteral("X") << QString() << QString()
        << QStringLiteral("アーティスト名が入力されていません") << missing << stop << ok;
    QTest::newRow("titles empty") << QStringLiteral("X") << QStringLiteral("Y") << QString()
                                  << QStringLiteral("曲名が入力されていません") << missing << stop << ok;
    QTest::newRow("titles only a line break")
        << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral("\r\n")
        << QStringLiteral("曲名の一行目は改行しちゃダメ") << QStringLiteral("改行禁止") << stop << ok;
    QTest::newRow("space then line break goes on")
        << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral(" \r\nA") << confirmation(2)
        << QStringLiteral("編集種類確認") << question << yesNo;
    QTest::newRow("empty line further down goes on")
        << QStringLiteral("X") << QStringLiteral("Y") << QStringLiteral("A\r\n\r\nB") << confirmation(2)
        << QStringLiteral("編集種類確認") << question << yesNo;
    QTest::newRow("album of one space goes on")
        << QStringLiteral(" ") << QStringLiteral("Y") << QStringLiteral("A") << confirmation(2)
        << QStringLiteral("編集種類確認") << question << yesNo;
}

void TestEditCommands::inputChecks()
{
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, buttons);
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, album, artist, titles);
    f.platform.clear();
    // One box: a refusal (OK), or the question when the checks pass, answered No to stop there.
    f.platform.expectBox(text, Buttons(buttons) == Buttons::YesNo ? Platform::No : Platform::Ok);
    clickEdit(w);
    QCOMPARE(f.platform.messages.size(), 1);
    checkMessage(f.platform.messages.at(0), text, title, Icon(icon), Buttons(buttons));
    QCOMPARE(w.session().album(), album);
    QCOMPARE(w.session().artist(), artist);
    QCOMPARE(w.session().titles(), titles);
    QCOMPARE(readAll(f.tempDat()), QByteArray());
    checkEditedState(w, false);
}

void TestEditCommands::confirmationDeclined_data()
{
    QTest::addColumn<int>("option");
    QTest::newRow("en") << 1;
    QTest::newRow("ja") << 2;
    QTest::newRow("en + ja") << 3;
}

void TestEditCommands::confirmationDeclined()
{
    QFETCH(int, option);
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("Blue Sky"), QStringLiteral("Tom's"), QStringLiteral("朝\r\nア"));
    chooseType(w, option);
    f.platform.clear();
    f.platform.queueAnswer(Platform::No);
    clickEdit(w);
    // No stops silently, before the character scan and before any change.
    QCOMPARE(f.platform.messages.size(), 1);
    checkConfirmation(f.platform.messages.at(0), option);
    QCOMPARE(w.session().artist(), QStringLiteral("Tom's"));
    QCOMPARE(w.session().titles(), QStringLiteral("朝\r\nア"));
    QCOMPARE(readAll(f.tempDat()), QByteArray());
    checkEditedState(w, false);
}

void TestEditCommands::rejectedCharacter_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("selectionStart"); // as the box counts: a line break is one position

    QTest::newRow("hiragana artist") << 1 << QStringLiteral("Abc") << QStringLiteral("あいう")
                                     << QStringLiteral("Morning") << QStringLiteral("あ") << 2 << 0;
    QTest::newRow("tilde in a title") << 1 << QStringLiteral("Abc") << QStringLiteral("Tom")
                                      << QStringLiteral("Best ~Live~") << QStringLiteral("~") << 3 << 5;
    QTest::newRow("kanji in the album") << 1 << QStringLiteral("Blue 空") << QStringLiteral("Tom")
                                        << QStringLiteral("Morning") << QStringLiteral("空") << 1 << 5;
    QTest::newRow("en + ja katakana title") << 3 << QStringLiteral("Abc") << QStringLiteral("Tom")
                                            << QStringLiteral("ア") << QStringLiteral("ア") << 3 << 0;
    QTest::newRow("title on a later line")
        << 3 << QStringLiteral("Abc") << QStringLiteral("Tom") << QStringLiteral("Morning\r\n\r\nRain・Night")
        << QStringLiteral("・") << 3 << 13;
}

void TestEditCommands::rejectedCharacter()
{
    QFETCH(int, option);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(QString, character);
    QFETCH(int, field);
    QFETCH(int, selectionStart);
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, album, artist, titles);
    chooseType(w, option);
    test::command(w, 1)->setFocus();
    f.platform.clear();
    f.platform.expectBox(confirmation(option), Platform::Yes);
    f.platform.expectBox(RejectIntro + character + QStringLiteral(" 】です"));
    clickEdit(w);
    QCOMPARE(f.platform.messages.size(), 2);
    checkConfirmation(f.platform.messages.at(0), option);
    checkMessage(f.platform.messages.at(1), RejectIntro + character + QStringLiteral(" 】です"),
                 QStringLiteral("編集中断"), Icon::Stop, Buttons::Ok);
    QCOMPARE(w.focusWidget(), test::text1(w, field));
    if (field == 3) {
        const QTextCursor cursor = test::titleBox(w)->textCursor();
        QCOMPARE(cursor.selectionStart(), selectionStart);
        QCOMPARE(cursor.selectedText(), character);
    } else {
        auto *box = static_cast<QLineEdit *>(test::text1(w, field));
        QCOMPARE(box->selectionStart(), selectionStart);
        QCOMPARE(box->selectedText(), character);
    }
    QCOMPARE(w.session().album(), album);
    QCOMPARE(w.session().artist(), artist);
    QCOMPARE(w.session().titles(), titles);
    QCOMPARE(readAll(f.tempDat()), QByteArray());
    checkEditedState(w, false);
}

void TestEditCommands::scanPasses_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("layout");

    QTest::newRow("en, full-width letters and digits")
        << 1 << QStringLiteral("ＡＢＣ") << QStringLiteral("１２３") << QStringLiteral("Ｘ！\r\n\r\n　Ｙ　")
        << QStringLiteral("en\r\n0\tABC\t123\r\n1\tX!\r\n3\tY\r\n");
    QTest::newRow("en, apostrophe, backslash and quote")
        << 1 << QStringLiteral("a\\b") << QStringLiteral("Tom's") << QStringLiteral("\"Hi\"\r\nRain's")
        << QStringLiteral("en\r\n0\ta\\b\tTom's\r\n1\t\"Hi\"\r\n2\tRain's\r\n");
    QTest::newRow("en + ja, tabs and empty lines")
        << 3 << QStringLiteral("A") << QStringLiteral("B") << QStringLiteral("x\ty\r\n\r\nz")
        << QStringLiteral("en\r\n0\tA\tB\r\n1\tx\ty\r\n3\tz\r\n\r\n"
                          "ja\r\n0\tＡ\tＢ\r\n1\tｘ\tｙ\r\n3\tｚ\r\n");
    QTest::newRow("ja, kanji and hiragana are not scanned")
        << 2 << QStringLiteral("青い空") << QStringLiteral("そら") << QStringLiteral("朝のうた\r\nア")
        << QStringLiteral("ja\r\n0\t青い空\tそら\r\n1\t朝のうた\r\n2\tア\r\n");
}

void TestEditCommands::scanPasses()
{
    QFETCH(int, option);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    QFETCH(QString, titles);
    QFETCH(QString, layout);
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, album, artist, titles);
    editCompletes(f, option);
    QCOMPARE(w.session().titles(), layout);
    checkEditedState(w, true);
}

void TestEditCommands::rejectedCharacterInHiddenField_data()
{
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("character");
    QTest::newRow("hidden album") << QStringLiteral("空") << QStringLiteral("Morning")
                                  << QStringLiteral("空");
    QTest::newRow("disabled title box")
        << QStringLiteral("Sky") << QStringLiteral("朝") << QStringLiteral("朝");
}

void TestEditCommands::rejectedCharacterInHiddenField()
{
    QFETCH(QString, album);
    QFETCH(QString, titles);
    QFETCH(QString, character);
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, album, QStringLiteral("Tom"), titles);
    f.expectEdit();
    clickEdit(w); // "ja" takes anything
    checkEditedState(w, true);
    const QString layout = w.session().titles();
    const QByteArray snapshot = readAll(f.tempDat());
    chooseType(w, 1);
    test::command(w, 1)->setFocus();
    f.platform.clear();
    f.platform.expectBox(confirmation(1), Platform::Yes);
    f.platform.expectBox(RejectIntro + character + QStringLiteral(" 】です"));
    clickEdit(w);
    QCOMPARE(f.platform.messages.size(), 2);
    checkMessage(f.platform.messages.at(1), RejectIntro + character + QStringLiteral(" 】です"),
                 QStringLiteral("編集中断"), Icon::Stop, Buttons::Ok);
    QCOMPARE(w.focusWidget(), static_cast<QWidget *>(test::command(w, 1)));
    QCOMPARE(w.session().titles(), layout);
    QCOMPARE(readAll(f.tempDat()), snapshot);
    checkEditedState(w, true);
}

void TestEditCommands::workedExample_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("layout");
    QTest::newRow("en") << 1 << ExampleEn;
    QTest::newRow("ja") << 2 << ExampleJa;
    QTest::newRow("en + ja") << 3 << ExampleEn + QStringLiteral("\r\n") + ExampleJa;
}

void TestEditCommands::workedExample()
{
    QFETCH(int, option);
    QFETCH(QString, layout);
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("Blue Sky"), QStringLiteral("Sora Trio"), ExampleTitles);
    editCompletes(f, option);
    QCOMPARE(w.session().titles(), layout);
    QCOMPARE(w.session().keepAlbum(), QStringLiteral("Blue Sky"));
    QCOMPARE(w.session().keepArtist(), QStringLiteral("Sora Trio"));
    QCOMPARE(readAll(f.tempDat()), QByteArray("Morning\r\n\r\nRain\r\nNight"));
    checkEditedState(w, true);

    // Saved in cp932, byte for byte.
    const QString out = f.path(QStringLiteral("album.txt"));
    f.platform.queueFileName(out);
    QTest::mouseClick(test::command(w, 4), Qt::LeftButton);
    QCOMPARE(readAll(out), cp932::encode(layout).bytes);
}

void TestEditCommands::replacementsStayInFields()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("C:\\Sky"), QStringLiteral("Tom's Band"), QStringLiteral("\"Hi\"\r\nRain's"));
    f.expectEdit();
    clickEdit(w);
    QCOMPARE(w.session().album(), QStringLiteral("C:￥Sky"));
    QCOMPARE(w.session().artist(), QStringLiteral("Tom’s Band"));
    QCOMPARE(w.session().keepArtist(), QStringLiteral("Tom’s Band"));
    QCOMPARE(w.session().titles(),
             QStringLiteral("ja\r\n0\tＣ：￥Ｓｋｙ\tＴｏｍ’ｓ　Ｂａｎｄ\r\n1\t”Ｈｉ”\r\n2\tＲａｉｎ’ｓ\r\n"));
    QCOMPARE(readAll(f.tempDat()), cp932::encode(QStringLiteral("”Hi”\r\nRain’s")).bytes);
    clickCancel(w);
    QCOMPARE(w.session().titles(), QStringLiteral("”Hi”\r\nRain’s\r\n"));
}

void TestEditCommands::namesCleanedForDiscLine()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("  Blue  Sky "), QStringLiteral("　Tom　"), QStringLiteral(" a  b \r\n   "));
    chooseType(w, 3);
    f.expectEdit();
    clickEdit(w);
    QCOMPARE(w.session().titles(),
             QStringLiteral("en\r\n0\tBlue  Sky\tTom\r\n1\ta  b\r\n2\t\r\n\r\n"
                            "ja\r\n0\tＢｌｕｅ　　Ｓｋｙ\tＴｏｍ\r\n1\tａ　　ｂ\r\n2\t\r\n"));
    // The fields keep their own text; only the kept names are cleaned.
    QCOMPARE(w.session().album(), QStringLiteral("  Blue  Sky "));
    QCOMPARE(w.session().artist(), QStringLiteral("　Tom　"));
}

void TestEditCommands::secondEditGivesSameLayout()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("Best 1"), QStringLiteral("Sora Trio"), ExampleTitles);
    chooseType(w, 3);
    f.expectEdit();
    clickEdit(w);
    const QString first = w.session().titles();
    f.platform.clear();
    f.expectEdit();
    clickEdit(w); // the hidden fields still hold their text
    QCOMPARE(f.platform.messages.size(), 2);
    checkDone(f.platform.messages.at(1));
    QCOMPARE(w.session().titles(), first);
    checkEditedState(w, true);
}

void TestEditCommands::loadedLayoutWithGapsKeepsNumbers()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    const QString layout = ExampleEn + QStringLiteral("\r\n") + ExampleJa;
    f.writeFile(QStringLiteral("saved.txt"), cp932::encode(layout).bytes);
    w.session().dropFiles({f.path(QStringLiteral("saved.txt"))});
    QCOMPARE(w.session().album(), QStringLiteral("Ｂｌｕｅ　Ｓｋｙ"));
    QCOMPARE(w.session().titles(), QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n"));
    chooseType(w, 3);
    f.expectEdit();
    clickEdit(w);
    QCOMPARE(w.session().titles(), layout);
}

void TestEditCommands::startUpLoadsALayoutAsTitles()
{
    // A layout saved by an earlier run, named on the command line; its album ends in a digit.
    const QString layout =
        QStringLiteral("en\r\n0\tBest 1\tSora Trio\r\n1\tMorning\r\n3\tRain\r\n4\tNight ja\r\n\r\n"
                       "ja\r\n0\tＢｅｓｔ　１\tＳｏｒａ　Ｔｒｉｏ\r\n1\tＭｏｒｎｉｎｇ\r\n3\tＲａｉｎ\r\n"
                       "4\tＮｉｇｈｔ　ｊａ\r\n");
    QTemporaryDir files;
    const QString path = files.filePath(QStringLiteral("saved layout.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(cp932::encode(layout).bytes);
    file.close();

    WindowFixture f(QLatin1Char('"') + path + QLatin1Char('"'));
    MainWindow &w = *f.window;
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(w.windowTitle(), QStringLiteral("VELNORA - ") + path);
    // The last disc line wins; the marks go and each title keeps its track number.
    QCOMPARE(w.session().album(), QStringLiteral("Ｂｅｓｔ　１"));
    QCOMPARE(w.session().artist(), QStringLiteral("Ｓｏｒａ　Ｔｒｉｏ"));
    QCOMPARE(w.session().titles(), QStringLiteral("Morning\r\n\r\nRain\r\nNight ja\r\n"));
    checkEditedState(w, false);
    chooseType(w, 3);
    f.expectEdit();
    clickEdit(w);
    QCOMPARE(w.session().titles(), layout);
}

void TestEditCommands::checkOneDecidesWindowTitle()
{
    for (const bool checked : {false, true}) {
        WindowFixture f;
        MainWindow &w = *f.window;
        fill(w, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"));
        test::check1(w)->setChecked(checked);
        w.session().setCurrentFile(QStringLiteral("/music/a.txt"));
        f.expectEdit();
        clickEdit(w);
        QVERIFY(!test::check1(w)->isChecked());
        QCOMPARE(w.windowTitle(),
                 checked ? QStringLiteral("VELNORA") : QStringLiteral("VELNORA - /music/a.txt"));
        checkEditedState(w, true);
    }
}

void TestEditCommands::cancelAfterEdit()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("Blue Sky"), QStringLiteral("Sora Trio"), ExampleTitles);
    chooseType(w, 3);
    f.expectEdit();
    clickEdit(w);
    w.session().setCurrentFile(QStringLiteral("/music/a.txt"));
    f.platform.clear();
    clickCancel(w);
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(w.session().titles(), QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n"));
    QCOMPARE(w.session().album(), QStringLiteral("Blue Sky"));
    QCOMPARE(w.session().artist(), QStringLiteral("Sora Trio"));
    QCOMPARE(w.windowTitle(), QStringLiteral("VELNORA"));
    checkEditedState(w, false);
    // The snapshot is not touched: a second cancel gives the same titles.
    clickCancel(w);
    QCOMPARE(w.session().titles(), QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n"));
}

void TestEditCommands::cancelAfterSnapshotWriters_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("album");
    QTest::addColumn<QString>("artist");
    QTest::newRow("クリア") << QStringLiteral("Command3") << QStringLiteral("Sky") << QStringLiteral("Tom");
    QTest::newRow("ソート") << QStringLiteral("Command8") << QStringLiteral("Sky") << QStringLiteral("Tom");
    QTest::newRow("削除") << QStringLiteral("Command6") << QStringLiteral("Sky") << QStringLiteral("Tom");
    QTest::newRow("添付") << QStringLiteral("Command7") << QStringLiteral("Sky") << QStringLiteral("Tom");
}

void TestEditCommands::cancelAfterSnapshotWriters()
{
    QFETCH(QString, button);
    QFETCH(QString, album);
    QFETCH(QString, artist);
    WindowFixture f;
    MainWindow &w = *f.window;
    const QString titles = QStringLiteral("01 Rain\r\n02 Morning\r\n03 Night");
    fill(w, album, artist, titles);
    auto *b = w.findChild<QPushButton *>(button);
    QVERIFY(b);
    if (button == QStringLiteral("Command7"))
        QTest::mouseClick(test::option(w, 7), Qt::LeftButton); // "添付-文字種"
    QVERIFY(b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
    QVERIFY(w.session().titles() != titles);
    clickCancel(w);
    QCOMPARE(w.session().titles(), titles + QStringLiteral("\r\n"));
    QCOMPARE(w.session().album(), album);
    QCOMPARE(w.session().artist(), artist);
    checkEditedState(w, false);
}

void TestEditCommands::cancelKeepsFilledNames()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("Sky"), QStringLiteral("Tom"), QStringLiteral("A"));
    f.expectEdit();
    clickEdit(w);
    w.session().setAlbum(QStringLiteral("Other"));
    w.session().setArtist(QString());
    clickCancel(w);
    QCOMPARE(w.session().album(), QStringLiteral("Other"));
    QCOMPARE(w.session().artist(), QStringLiteral("Tom"));
    QCOMPARE(w.session().keepAlbum(), QStringLiteral("Sky"));
}

void TestEditCommands::cancelBeforeAnyEdit()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    w.session().setTitles(QStringLiteral("typed"));
    clickCancel(w);
    QCOMPARE(w.session().album(), QString());
    QCOMPARE(w.session().artist(), QString());
    QCOMPARE(w.session().titles(), QString());
    checkEditedState(w, false);
}

void TestEditCommands::unwritableSnapshot()
{
    UnwritableWindow u;
    MainWindow &w = *u.window;
    QVERIFY(!QFile::exists(w.session().snapshot().path()));
    fill(w, QStringLiteral("Blue Sky"), QStringLiteral("Sora Trio"), ExampleTitles);
    chooseType(w, 3);
    u.platform.expectBox(confirmation(3), Platform::Yes);
    u.platform.expectBox(DoneText);
    clickEdit(w);
    QCOMPARE(w.session().titles(), ExampleEn + QStringLiteral("\r\n") + ExampleJa);
    checkEditedState(w, true);
    clickCancel(w);
    QCOMPARE(w.session().titles(), QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n"));
    // "クリア" then "取消" brings back what was cleared, not an older snapshot.
    QTest::mouseClick(test::command(w, 3), Qt::LeftButton);
    QCOMPARE(w.session().titles(), QString());
    clickCancel(w);
    QCOMPARE(w.session().titles(), QStringLiteral("Morning\r\n\r\nRain\r\nNight\r\n"));
    QCOMPARE(w.session().album(), QStringLiteral("Blue Sky"));
}

void TestEditCommands::cancelWithUnusableSnapshot_data()
{
    QTest::addColumn<bool>("foreignFile");
    QTest::addColumn<QString>("button");
    for (const bool foreign : {false, true}) {
        for (const char *button : {"Command1", "Command3", "Command6", "Command7", "Command8"})
            QTest::addRow("%s, %s", foreign ? "readable file that cannot be written" : "folder under a file",
                          button)
                << foreign << QString::fromLatin1(button);
    }
}

void TestEditCommands::cancelWithUnusableSnapshot()
{
    QFETCH(bool, foreignFile);
    QFETCH(QString, button);
    UnwritableWindow u;
    MainWindow &w = *u.window;
    // A file that reads back as something else and cannot be replaced, not even by root: taking
    // it for the snapshot would fill the title box with foreign text.
    if (foreignFile)
        w.session().snapshot().setPath(QStringLiteral("/proc/self/cmdline"));
    const QString titles = QStringLiteral("02-Rain\r\n01-Morning");
    fill(w, QStringLiteral("Sky"), QStringLiteral("Tom"), titles);
    if (button == QStringLiteral("Command7"))
        QTest::mouseClick(test::option(w, 7), Qt::LeftButton);
    if (button == QStringLiteral("Command6"))
        test::vscroll1(w)->setValue(3);
    if (button == QStringLiteral("Command1")) {
        u.platform.expectBox(confirmation(2), Platform::Yes);
        u.platform.expectBox(DoneText);
    }
    auto *b = w.findChild<QPushButton *>(button);
    QVERIFY(b && b->isEnabled());
    QTest::mouseClick(b, Qt::LeftButton);
    const QHash<QString, QString> expected = {
        {QStringLiteral("Command1"), QStringLiteral("ja\r\n0\tＳｋｙ\tＴｏｍ\r\n1\t０２－Ｒａｉｎ\r\n"
                                                    "2\t０１－Ｍｏｒｎｉｎｇ\r\n")},
        {QStringLiteral("Command3"), QString()},
        {QStringLiteral("Command6"), QStringLiteral("Rain\r\nMorning\r\n")},
        {QStringLiteral("Command7"), QStringLiteral("01-02-Rain\r\n02-01-Morning\r\n")},
        {QStringLiteral("Command8"), QStringLiteral("01-Morning\r\n02-Rain\r\n")},
    };
    QCOMPARE(w.session().titles(), expected.value(button));
    clickCancel(w);
    QCOMPARE(w.session().titles(), titles + QStringLiteral("\r\n"));
    QCOMPARE(w.session().album(), QStringLiteral("Sky"));
    QCOMPARE(w.session().artist(), QStringLiteral("Tom"));
    checkEditedState(w, false);
}

void TestEditCommands::doubleClickEnglish()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("　ＡＢＣ　"), QStringLiteral(" Ｔｏｍ’ｓ "), QStringLiteral(" ガイド \r\n １ "));
    w.session().setCurrentFile(QStringLiteral("/music/a.txt"));
    QVERIFY(test::option(w, 2)->isChecked());
    QTest::mouseDClick(test::option(w, 1), Qt::LeftButton);
    QVERIFY(test::option(w, 1)->isChecked());
    QCOMPARE(w.session().album(), QStringLiteral("ABC"));
    QCOMPARE(w.session().artist(), QStringLiteral("Tom's"));
    QCOMPARE(w.session().titles(), QStringLiteral("ｶﾞｲﾄﾞ \r\n 1"));
    QCOMPARE(w.windowTitle(), QStringLiteral("VELNORA"));
}

void TestEditCommands::doubleClickJapanese()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral(" abc "), QStringLiteral("Tom's Band"), QStringLiteral("\"Hi\" \\1\r\nｶﾞｲﾄﾞ "));
    chooseType(w, 3);
    QTest::mouseDClick(test::option(w, 2), Qt::LeftButton);
    QVERIFY(test::option(w, 2)->isChecked());
    QCOMPARE(w.session().album(), QStringLiteral("ａｂｃ"));
    QCOMPARE(w.session().artist(), QStringLiteral("Ｔｏｍ’ｓ　Ｂａｎｄ"));
    QCOMPARE(w.session().titles(), QStringLiteral("”Ｈｉ”　￥１\r\nガイド"));
}

void TestEditCommands::doubleClickJapaneseInEditedState()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("Blue Sky"), QStringLiteral("Sora Trio"), ExampleTitles);
    f.expectEdit();
    clickEdit(w);
    checkEditedState(w, true);
    QTest::mouseDClick(test::option(w, 2), Qt::LeftButton);
    checkEditedState(w, false);
    QCOMPARE(w.session().titles(),
             QStringLiteral("ｊａ\r\n０\tＢｌｕｅ　Ｓｋｙ\tＳｏｒａ　Ｔｒｉｏ\r\n１\tＭｏｒｎｉｎｇ\r\n"
                            "３\tＲａｉｎ\r\n４\tＮｉｇｈｔ\r\n"));
    // The widened layout is still recognised by the next edit.
    f.expectEdit();
    clickEdit(w);
    QCOMPARE(w.session().titles(),
             QStringLiteral("ja\r\n0\tＢｌｕｅ　Ｓｋｙ\tＳｏｒａ　Ｔｒｉｏ\r\n1\tＭｏｒｎｉｎｇ\r\n"
                            "3\tＲａｉｎ\r\n4\tＮｉｇｈｔ\r\n"));
}

void TestEditCommands::doubleClickEnJaDoesNothing()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral(" ＡＢ "), QStringLiteral("Tom's"), QStringLiteral("x"));
    // A whole double click as the window system delivers it.
    QTest::mouseClick(test::option(w, 3), Qt::LeftButton);
    QTest::mouseDClick(test::option(w, 3), Qt::LeftButton);
    QTest::mouseRelease(test::option(w, 3), Qt::LeftButton);
    QVERIFY(test::option(w, 3)->isChecked());
    QCOMPARE(w.session().album(), QStringLiteral(" ＡＢ "));
    QCOMPARE(w.session().artist(), QStringLiteral("Tom's"));
}

void TestEditCommands::henshumaeWithManyLines()
{
    WindowFixture f;
    MainWindow &w = *f.window;
    fill(w, QStringLiteral("A"), QStringLiteral("B"),
         QStringLiteral("t\r\n").repeated(29) + QStringLiteral("t"));
    f.expectEdit();
    clickEdit(w);
    clickCancel(w);
    QCOMPARE(w.session().lineCount(), 31);
    QVERIFY(!test::command9(w, 1)->isVisible());
    QVERIFY(!test::command9(w, 2)->isVisible());
    QVERIFY(test::text1(w, 1)->isVisible());
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
