#include "support/TestSupport.h"

#include "ui/TitleToolsController.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

using namespace velnora;
using namespace velnora::test;

namespace
{

QString numberedTitles(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QStringLiteral("Song %1\r\n").arg(i);
    return text;
}

QRect arrowRect(QScrollBar *bar, QStyle::SubControl arrow)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, arrow, bar);
}

} // namespace

class TestTitleTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsSwitchedOnInDeleteMode();
    void switchOffDisablesTheGroupAndResetsIt();
    void switchOnAgainStartsFromItsStartConfiguration();
    void uncheckingByACommandRunsTheSwitch();
    void checkingStripsALayout();
    void toolModesEnableTheirControls();
    void numberingModesResetTheCounter();
    void counterArrowsCountUpAndDown();
    void counterKeysFollowTheArrows();
    void counterWheel();

    void attachThenDelete();
    void attachThenDeleteGivesTitlesBack_data();
    void attachThenDeleteGivesTitlesBack();
    void attachUsesTheTypedSeparator_data();
    void attachUsesTheTypedSeparator();
    void deleteByTheCounter();
    void emptyTitleBoxStaysEmpty();
    void layoutIsStrippedFirst();
    void cancelAfterDeleteAndAttach();
    void snapshotThatCannotBeWritten();

    void sortAlternates();
    void sortStripsALayoutAndCancelBringsItBack();
    void sortReturnsToThePreEditState();
    void sortOfAnEmptyBoxStillTurnsTheDirection();

private:
    MainWindow &w() { return *m_fx->window; }
    void setCounter(int value);
    QString label2() { return test::label2(w())->text(); }
    std::unique_ptr<WindowFixture> m_fx;
};

void TestTitleTools::init()
{
    m_fx = std::make_unique<WindowFixture>();
    QVERIFY(QTest::qWaitForWindowExposed(m_fx->window.get()));
}

void TestTitleTools::cleanup()
{
    m_fx.reset();
}

void TestTitleTools::setCounter(int value)
{
    test::vscroll1(w())->setValue(value);
}

void TestTitleTools::startsSwitchedOnInDeleteMode()
{
    QVERIFY(test::check1(w())->isChecked());
    QCOMPARE(test::check1(w())->text(), QStringLiteral("行頭の曲番文字の削除と添付"));
    for (int n = 4; n <= 7; ++n)
        QVERIFY2(test::option(w(), n)->isEnabled(), qPrintable(QStringLiteral("Option%1").arg(n)));
    QVERIFY(test::option(w(), 4)->isChecked());
    QVERIFY(test::option(w(), 6)->isChecked());
    QVERIFY(test::vscroll1(w())->isEnabled());
    QVERIFY(test::label2(w())->isEnabled());
    QVERIFY(test::command(w(), 6)->isEnabled());
    QVERIFY(!test::combo1(w())->isEnabled());
    QVERIFY(!test::command(w(), 7)->isEnabled());
    QCOMPARE(test::vscroll1(w())->value(), 0);
    QCOMPARE(label2(), QStringLiteral("0"));
    QCOMPARE(test::combo1(w())->currentText(), QStringLiteral("-"));
    QCOMPARE(test::command(w(), 6)->text(), QStringLiteral("削除"));
    QCOMPARE(test::command(w(), 7)->text(), QStringLiteral("添付"));
    QCOMPARE(test::command(w(), 8)->text(), QStringLiteral("ソート"));
}

void TestTitleTools::switchOffDisablesTheGroupAndResetsIt()
{
    test::option(w(), 5)->click();
    test::option(w(), 7)->click();
    test::combo1(w())->setEditText(QStringLiteral("."));
    test::check1(w())->click();
    QVERIFY(!test::check1(w())->isChecked());
    for (int n = 4; n <= 7; ++n)
        QVERIFY(!test::option(w(), n)->isEnabled());
    QVERIFY(!test::vscroll1(w())->isEnabled());
    QVERIFY(!test::label2(w())->isEnabled());
    QVERIFY(!test::command(w(), 6)->isEnabled());
    QVERIFY(!test::combo1(w())->isEnabled());
    QVERIFY(!test::command(w(), 7)->isEnabled());
    QVERIFY(test::option(w(), 4)->isChecked());
    QVERIFY(test::option(w(), 6)->isChecked());
    QCOMPARE(test::vscroll1(w())->value(), 0);
    QCOMPARE(label2(), QStringLiteral("0"));
    QCOMPARE(test::combo1(w())->currentText(), QStringLiteral("-"));
    QCOMPARE(w().windowTitle(), QStringLiteral("VELNORA"));
}

void TestTitleTools::switchOnAgainStartsFromItsStartConfiguration()
{
    test::check1(w())->click();
    w().session().setTitles(QStringLiteral("Morning\r\n"));
    w().session().setCurrentFile(QStringLiteral("/x/y.txt"));
    test::check1(w())->click();
    QVERIFY(test::check1(w())->isChecked());
    for (int n = 4; n <= 7; ++n)
        QVERIFY(test::option(w(), n)->isEnabled());
    QVERIFY(test::vscroll1(w())->isEnabled());
    QVERIFY(test::label2(w())->isEnabled());
    QVERIFY(test::command(w(), 6)->isEnabled());
    QVERIFY(!test::combo1(w())->isEnabled());
    QVERIFY(!test::command(w(), 7)->isEnabled());
    QCOMPARE(label2(), QStringLiteral("0"));
    // The switch returns the window to its pre-edit state, which forgets the file.
    QCOMPARE(w().windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(w().session().titles(), QStringLiteral("Morning\r\n"));
}

void TestTitleTools::uncheckingByACommandRunsTheSwitch()
{
    test::option(w(), 7)->click();
    QVERIFY(test::command(w(), 7)->isEnabled());
    test::check1(w())->setChecked(false);
    QVERIFY(!test::command(w(), 7)->isEnabled());
    QVERIFY(!test::combo1(w())->isEnabled());
    QVERIFY(!test::option(w(), 4)->isEnabled());
    QVERIFY(test::option(w(), 6)->isChecked());
}

void TestTitleTools::checkingStripsALayout()
{
    test::check1(w())->click();
    const QString layout = QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n");
    w().session().setTitles(layout);
    QCOMPARE(w().session().titles(), layout); // unchecking leaves the layout alone
    test::check1(w())->click();
    QCOMPARE(w().session().titles(), QStringLiteral("Morning\r\nRain\r\n"));
}

void TestTitleTools::toolModesEnableTheirControls()
{
    test::option(w(), 7)->click();
    QVERIFY(!test::vscroll1(w())->isEnabled());
    QVERIFY(!test::label2(w())->isEnabled());
    QVERIFY(!test::command(w(), 6)->isEnabled());
    QVERIFY(test::combo1(w())->isEnabled());
    QVERIFY(test::command(w(), 7)->isEnabled());
    setCounter(4);
    test::option(w(), 6)->click();
    QVERIFY(test::vscroll1(w())->isEnabled());
    QVERIFY(test::label2(w())->isEnabled());
    QVERIFY(test::command(w(), 6)->isEnabled());
    QVERIFY(!test::combo1(w())->isEnabled());
    QVERIFY(!test::command(w(), 7)->isEnabled());
    QCOMPARE(test::vscroll1(w())->value(), 4); // a tool mode leaves the counter alone
    QCOMPARE(label2(), QStringLiteral("4"));
}

void TestTitleTools::numberingModesResetTheCounter()
{
    setCounter(5);
    QCOMPARE(label2(), QStringLiteral("5"));
    test::option(w(), 5)->click();
    QCOMPARE(test::vscroll1(w())->value(), 2);
    QCOMPARE(label2(), QStringLiteral("2-3"));
    setCounter(9);
    QCOMPARE(label2(), QStringLiteral("9-10"));
    setCounter(0);
    QCOMPARE(label2(), QStringLiteral("0-1"));
    test::option(w(), 4)->click();
    QCOMPARE(test::vscroll1(w())->value(), 0);
    QCOMPARE(label2(), QStringLiteral("0"));
}

void TestTitleTools::counterArrowsCountUpAndDown()
{
    QScrollBar *bar = test::vscroll1(w());
    const QRect upper = arrowRect(bar, QStyle::SC_ScrollBarSubLine);
    const QRect lower = arrowRect(bar, QStyle::SC_ScrollBarAddLine);
    QVERIFY(upper.isValid());
    QVERIFY(lower.isValid());
    QVERIFY(upper.center().y() < lower.center().y());

    QTest::mouseClick(bar, Qt::LeftButton, {}, lower.center());
    QCOMPARE(bar->value(), 0); // the bottom end is 0
    QTest::mouseClick(bar, Qt::LeftButton, {}, upper.center());
    QCOMPARE(bar->value(), 1);
    QCOMPARE(label2(), QStringLiteral("1"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, upper.center());
    QCOMPARE(bar->value(), 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, lower.center());
    QCOMPARE(bar->value(), 1);
    QCOMPARE(label2(), QStringLiteral("1"));
    QTest::mouseClick(bar, Qt::LeftButton, {}, lower.center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, lower.center());
    QCOMPARE(bar->value(), 0); // the bottom end is 0

    setCounter(9);
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrowRect(bar, QStyle::SC_ScrollBarSubLine).center());
    QCOMPARE(bar->value(), 9); // the top end is 9

    test::option(w(), 5)->click();
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrowRect(bar, QStyle::SC_ScrollBarSubLine).center());
    QCOMPARE(bar->value(), 3);
    QCOMPARE(label2(), QStringLiteral("3-4"));
}

void TestTitleTools::counterKeysFollowTheArrows()
{
    QScrollBar *bar = test::vscroll1(w());
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(bar->value(), 1);
    QTest::keyClick(bar, Qt::Key_Up);
    QCOMPARE(bar->value(), 2);
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(label2(), QStringLiteral("1"));
}

void TestTitleTools::counterWheel()
{
    QScrollBar *bar = test::vscroll1(w());
    const QPoint centre = bar->rect().center();
    auto turn = [&](int angle) {
        QWheelEvent wheel(centre, bar->mapToGlobal(centre), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    };
    turn(120); // away from the user
    QCOMPARE(bar->value(), 1);
    turn(60);
    QCOMPARE(bar->value(), 1);
    turn(60);
    QCOMPARE(bar->value(), 2);
    QCOMPARE(label2(), QStringLiteral("2"));
    turn(-240);
    QCOMPARE(bar->value(), 0);
    turn(-120);
    QCOMPARE(bar->value(), 0);
}

void TestTitleTools::attachThenDelete()
{
    w().session().setTitles(QStringLiteral("A\r\nB"));
    test::option(w(), 7)->click();
    test::command(w(), 7)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("01-A\r\n02-B\r\n"));
    QCOMPARE(test::vscroll1(w())->value(), 3);
    QCOMPARE(label2(), QStringLiteral("3"));
    QCOMPARE(w().session().snapshot().lines(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), QByteArray("A\r\nB"));
    test::option(w(), 6)->click();
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\n"));
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), QByteArray("01-A\r\n02-B\r\n"));
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void TestTitleTools::attachThenDeleteGivesTitlesBack_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("variable");
    for (int count : {9, 10, 12, 99, 100}) {
        QTest::addRow("fixed, %d titles", count) << count << false;
        QTest::addRow("variable, %d titles", count) << count << true;
    }
}

void TestTitleTools::attachThenDeleteGivesTitlesBack()
{
    QFETCH(int, count);
    QFETCH(bool, variable);
    const QString titles = numberedTitles(count);
    w().session().setTitles(titles);
    if (variable)
        test::option(w(), 5)->click();
    test::option(w(), 7)->click();
    test::combo1(w())->setEditText(QStringLiteral("."));
    test::command(w(), 7)->click();
    const QString attached = w().session().titles();
    QVERIFY(attached.startsWith(variable ? QStringLiteral("1.Song 1\r\n") : QStringLiteral("01.Song 1\r\n")));
    if (count >= 10)
        QVERIFY(attached.contains(QStringLiteral("\r\n10.Song 10\r\n")));
    if (count >= 100)
        QVERIFY(attached.endsWith(QStringLiteral("\r\n100.Song 100\r\n")));
    QCOMPARE(label2(), variable ? QStringLiteral("2-3") : QStringLiteral("3"));
    test::option(w(), 6)->click();
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), titles);
}

void TestTitleTools::attachUsesTheTypedSeparator_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("list item blank") << QStringLiteral(" ") << QStringLiteral("01 A\r\n");
    QTest::newRow("empty") << QString() << QStringLiteral("01A\r\n");
    QTest::newRow("typed blank hyphen blank") << QStringLiteral(" - ") << QStringLiteral("01 - A\r\n");
}

void TestTitleTools::attachUsesTheTypedSeparator()
{
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    w().session().setTitles(QStringLiteral("  A  \r\n"));
    test::option(w(), 7)->click();
    QComboBox *combo = test::combo1(w());
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), separator);
    QCOMPARE(combo->currentText(), separator);
    test::command(w(), 7)->click();
    QCOMPARE(w().session().titles(), expected);
}

void TestTitleTools::deleteByTheCounter()
{
    w().session().setTitles(QStringLiteral("  01-A  \r\n\r\n   \r\nAB\r\n01- C"));
    setCounter(3);
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\n\r\nC\r\n"));
    QCOMPARE(w().session().lineCount(), 4);

    w().session().setTitles(QStringLiteral(" x \r\n\r\ny"));
    setCounter(0);
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("x\r\ny\r\n"));
}

void TestTitleTools::emptyTitleBoxStaysEmpty()
{
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), QString());
    test::option(w(), 7)->click();
    test::command(w(), 7)->click();
    QCOMPARE(w().session().titles(), QString());
    QCOMPARE(w().session().lineCount(), 0);
}

void TestTitleTools::layoutIsStrippedFirst()
{
    w().session().setTitles(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n"));
    test::option(w(), 7)->click();
    test::command(w(), 7)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("01-Morning\r\n02-Rain\r\n"));
    // The snapshot holds the titles after the marks went.
    QCOMPARE(w().session().snapshot().lines(),
             (QStringList{QStringLiteral("Morning"), QStringLiteral("Rain")}));
}

void TestTitleTools::cancelAfterDeleteAndAttach()
{
    w().session().setTitles(QStringLiteral("01-A\r\n02-B"));
    setCounter(3);
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\n"));
    test::command(w(), 2)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("01-A\r\n02-B\r\n"));

    w().session().setTitles(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n"));
    test::option(w(), 7)->click();
    test::command(w(), 7)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("01-Morning\r\n02-Rain\r\n"));
    test::command(w(), 2)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("Morning\r\nRain\r\n"));
    test::command(w(), 2)->click(); // the snapshot is unchanged by a cancel
    QCOMPARE(w().session().titles(), QStringLiteral("Morning\r\nRain\r\n"));
}

void TestTitleTools::snapshotThatCannotBeWritten()
{
    // A path under a regular file cannot be created, not even by root.
    m_fx->writeFile(QStringLiteral("plain"), "x");
    w().session().snapshot().setPath(m_fx->path(QStringLiteral("plain/temp.dat")));
    w().session().setTitles(QStringLiteral("A\r\nB\r\n"));
    test::option(w(), 7)->click();
    test::command(w(), 7)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("01-A\r\n02-B\r\n"));
    test::option(w(), 6)->click();
    test::command(w(), 6)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\n"));
    test::command(w(), 2)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("01-A\r\n02-B\r\n"));
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void TestTitleTools::sortAlternates()
{
    w().session().setTitles(QStringLiteral("C\r\nA\r\nB\r\n"));
    QVERIFY(w().session().sortFlag());
    test::command(w(), 8)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\nC\r\n"));
    QVERIFY(!w().session().sortFlag());
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), QByteArray("C\r\nA\r\nB\r\n"));
    test::command(w(), 8)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("C\r\nB\r\nA\r\n"));
    test::command(w(), 8)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\nC\r\n"));

    w().session().setTitles(QStringLiteral("  Banana \r\napple\r\n10\r\n2"));
    test::command(w(), 8)->click(); // descending
    QCOMPARE(w().session().titles(), QStringLiteral("Banana\r\napple\r\n2\r\n10\r\n"));
    test::command(w(), 2)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("  Banana \r\napple\r\n10\r\n2\r\n"));
}

void TestTitleTools::sortStripsALayoutAndCancelBringsItBack()
{
    const QString layout = QStringLiteral("en\r\n0\tSky\tTom\r\n1\tRain\r\n2\tMorning\r\n");
    w().session().setTitles(layout);
    test::command(w(), 8)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("Morning\r\nRain\r\n"));
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), layout.toLatin1());
    test::command(w(), 2)->click();
    QCOMPARE(w().session().titles(), layout);
}

void TestTitleTools::sortReturnsToThePreEditState()
{
    w().session().setAlbum(QStringLiteral("Sky"));
    w().session().setArtist(QStringLiteral("Tom"));
    w().session().setTitles(QStringLiteral("B\r\nA"));
    m_fx->expectEdit();
    test::command(w(), 1)->click();
    QVERIFY(w().session().saveEnabled());
    QVERIFY(!test::check1(w())->isChecked());
    QVERIFY(!test::command(w(), 6)->isEnabled());
    test::command(w(), 8)->click();
    QVERIFY(!w().session().saveEnabled());
    QVERIFY(test::titleBox(w())->isEnabled());
    QCOMPARE(test::label1(w(), 3)->text(), QStringLiteral("曲名"));
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\n"));
}

void TestTitleTools::sortOfAnEmptyBoxStillTurnsTheDirection()
{
    test::command(w(), 8)->click();
    QCOMPARE(w().session().titles(), QString());
    QVERIFY(!w().session().sortFlag());
    test::command(w(), 8)->click();
    QVERIFY(w().session().sortFlag());
}

QTEST_MAIN(TestTitleTools)
#include "tst_titletools.moc"
