#include "support/TestSupport.h"

#include "app/TitleToolsController.h"

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
    QString label2() { return w().label2()->text(); }
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
    w().vscroll1()->setValue(value);
}

void TestTitleTools::startsSwitchedOnInDeleteMode()
{
    QVERIFY(w().check1()->isChecked());
    QCOMPARE(w().check1()->text(), QStringLiteral("行頭の曲番文字の削除と添付"));
    for (int n = 4; n <= 7; ++n)
        QVERIFY2(w().option(n)->isEnabled(), qPrintable(QStringLiteral("Option%1").arg(n)));
    QVERIFY(w().option(4)->isChecked());
    QVERIFY(w().option(6)->isChecked());
    QVERIFY(w().vscroll1()->isEnabled());
    QVERIFY(w().label2()->isEnabled());
    QVERIFY(w().command(6)->isEnabled());
    QVERIFY(!w().combo1()->isEnabled());
    QVERIFY(!w().command(7)->isEnabled());
    QCOMPARE(w().vscroll1()->value(), 0);
    QCOMPARE(label2(), QStringLiteral("0"));
    QCOMPARE(w().combo1()->currentText(), QStringLiteral("-"));
    QCOMPARE(w().command(6)->text(), QStringLiteral("削除"));
    QCOMPARE(w().command(7)->text(), QStringLiteral("添付"));
    QCOMPARE(w().command(8)->text(), QStringLiteral("ソート"));
}

void TestTitleTools::switchOffDisablesTheGroupAndResetsIt()
{
    w().option(5)->click();
    w().option(7)->click();
    w().combo1()->setEditText(QStringLiteral("."));
    w().check1()->click();
    QVERIFY(!w().check1()->isChecked());
    for (int n = 4; n <= 7; ++n)
        QVERIFY(!w().option(n)->isEnabled());
    QVERIFY(!w().vscroll1()->isEnabled());
    QVERIFY(!w().label2()->isEnabled());
    QVERIFY(!w().command(6)->isEnabled());
    QVERIFY(!w().combo1()->isEnabled());
    QVERIFY(!w().command(7)->isEnabled());
    QVERIFY(w().option(4)->isChecked());
    QVERIFY(w().option(6)->isChecked());
    QCOMPARE(w().vscroll1()->value(), 0);
    QCOMPARE(label2(), QStringLiteral("0"));
    QCOMPARE(w().combo1()->currentText(), QStringLiteral("-"));
    QCOMPARE(w().windowTitle(), QStringLiteral("VELNORA"));
}

void TestTitleTools::switchOnAgainStartsFromItsStartConfiguration()
{
    w().check1()->click();
    w().setTitles(QStringLiteral("Morning\r\n"));
    w().setFileTitle(QStringLiteral("/x/y.txt"));
    w().check1()->click();
    QVERIFY(w().check1()->isChecked());
    for (int n = 4; n <= 7; ++n)
        QVERIFY(w().option(n)->isEnabled());
    QVERIFY(w().vscroll1()->isEnabled());
    QVERIFY(w().label2()->isEnabled());
    QVERIFY(w().command(6)->isEnabled());
    QVERIFY(!w().combo1()->isEnabled());
    QVERIFY(!w().command(7)->isEnabled());
    QCOMPARE(label2(), QStringLiteral("0"));
    // The switch returns the window to its pre-edit state, which forgets the file.
    QCOMPARE(w().windowTitle(), QStringLiteral("VELNORA"));
    QCOMPARE(w().titles(), QStringLiteral("Morning\r\n"));
}

void TestTitleTools::uncheckingByACommandRunsTheSwitch()
{
    w().option(7)->click();
    QVERIFY(w().command(7)->isEnabled());
    w().check1()->setChecked(false);
    QVERIFY(!w().command(7)->isEnabled());
    QVERIFY(!w().combo1()->isEnabled());
    QVERIFY(!w().option(4)->isEnabled());
    QVERIFY(w().option(6)->isChecked());
}

void TestTitleTools::checkingStripsALayout()
{
    w().check1()->click();
    const QString layout = QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n");
    w().setTitles(layout);
    QCOMPARE(w().titles(), layout); // unchecking leaves the layout alone
    w().check1()->click();
    QCOMPARE(w().titles(), QStringLiteral("Morning\r\nRain\r\n"));
}

void TestTitleTools::toolModesEnableTheirControls()
{
    w().option(7)->click();
    QVERIFY(!w().vscroll1()->isEnabled());
    QVERIFY(!w().label2()->isEnabled());
    QVERIFY(!w().command(6)->isEnabled());
    QVERIFY(w().combo1()->isEnabled());
    QVERIFY(w().command(7)->isEnabled());
    setCounter(4);
    w().option(6)->click();
    QVERIFY(w().vscroll1()->isEnabled());
    QVERIFY(w().label2()->isEnabled());
    QVERIFY(w().command(6)->isEnabled());
    QVERIFY(!w().combo1()->isEnabled());
    QVERIFY(!w().command(7)->isEnabled());
    QCOMPARE(w().vscroll1()->value(), 4); // a tool mode leaves the counter alone
    QCOMPARE(label2(), QStringLiteral("4"));
}

void TestTitleTools::numberingModesResetTheCounter()
{
    setCounter(5);
    QCOMPARE(label2(), QStringLiteral("5"));
    w().option(5)->click();
    QCOMPARE(w().vscroll1()->value(), 2);
    QCOMPARE(label2(), QStringLiteral("2-3"));
    setCounter(9);
    QCOMPARE(label2(), QStringLiteral("9-10"));
    setCounter(0);
    QCOMPARE(label2(), QStringLiteral("0-1"));
    w().option(4)->click();
    QCOMPARE(w().vscroll1()->value(), 0);
    QCOMPARE(label2(), QStringLiteral("0"));
}

void TestTitleTools::counterArrowsCountUpAndDown()
{
    QScrollBar *bar = w().vscroll1();
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

    w().option(5)->click();
    QTest::mouseClick(bar, Qt::LeftButton, {}, arrowRect(bar, QStyle::SC_ScrollBarSubLine).center());
    QCOMPARE(bar->value(), 3);
    QCOMPARE(label2(), QStringLiteral("3-4"));
}

void TestTitleTools::counterKeysFollowTheArrows()
{
    QScrollBar *bar = w().vscroll1();
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
    QScrollBar *bar = w().vscroll1();
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
    w().setTitles(QStringLiteral("A\r\nB"));
    w().option(7)->click();
    w().command(7)->click();
    QCOMPARE(w().titles(), QStringLiteral("01-A\r\n02-B\r\n"));
    QCOMPARE(w().vscroll1()->value(), 3);
    QCOMPARE(label2(), QStringLiteral("3"));
    QCOMPARE(w().snapshotLines(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), QByteArray("A\r\nB"));
    w().option(6)->click();
    w().command(6)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\n"));
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
    w().setTitles(titles);
    if (variable)
        w().option(5)->click();
    w().option(7)->click();
    w().combo1()->setEditText(QStringLiteral("."));
    w().command(7)->click();
    const QString attached = w().titles();
    QVERIFY(attached.startsWith(variable ? QStringLiteral("1.Song 1\r\n") : QStringLiteral("01.Song 1\r\n")));
    if (count >= 10)
        QVERIFY(attached.contains(QStringLiteral("\r\n10.Song 10\r\n")));
    if (count >= 100)
        QVERIFY(attached.endsWith(QStringLiteral("\r\n100.Song 100\r\n")));
    QCOMPARE(label2(), variable ? QStringLiteral("2-3") : QStringLiteral("3"));
    w().option(6)->click();
    w().command(6)->click();
    QCOMPARE(w().titles(), titles);
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
    w().setTitles(QStringLiteral("  A  \r\n"));
    w().option(7)->click();
    QComboBox *combo = w().combo1();
    combo->setFocus();
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), separator);
    QCOMPARE(combo->currentText(), separator);
    w().command(7)->click();
    QCOMPARE(w().titles(), expected);
}

void TestTitleTools::deleteByTheCounter()
{
    w().setTitles(QStringLiteral("  01-A  \r\n\r\n   \r\nAB\r\n01- C"));
    setCounter(3);
    w().command(6)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\n\r\nC\r\n"));
    QCOMPARE(w().listEntries(), 4);

    w().setTitles(QStringLiteral(" x \r\n\r\ny"));
    setCounter(0);
    w().command(6)->click();
    QCOMPARE(w().titles(), QStringLiteral("x\r\ny\r\n"));
}

void TestTitleTools::emptyTitleBoxStaysEmpty()
{
    w().command(6)->click();
    QCOMPARE(w().titles(), QString());
    w().option(7)->click();
    w().command(7)->click();
    QCOMPARE(w().titles(), QString());
    QCOMPARE(w().listEntries(), 0);
}

void TestTitleTools::layoutIsStrippedFirst()
{
    w().setTitles(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n"));
    w().option(7)->click();
    w().command(7)->click();
    QCOMPARE(w().titles(), QStringLiteral("01-Morning\r\n02-Rain\r\n"));
    // The snapshot holds the titles after the marks went.
    QCOMPARE(w().snapshotLines(), (QStringList{QStringLiteral("Morning"), QStringLiteral("Rain")}));
}

void TestTitleTools::cancelAfterDeleteAndAttach()
{
    w().setTitles(QStringLiteral("01-A\r\n02-B"));
    setCounter(3);
    w().command(6)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\n"));
    w().command(2)->click();
    QCOMPARE(w().titles(), QStringLiteral("01-A\r\n02-B\r\n"));

    w().setTitles(QStringLiteral("en\r\n0\tSky\tTom\r\n1\tMorning\r\n2\tRain\r\n"));
    w().option(7)->click();
    w().command(7)->click();
    QCOMPARE(w().titles(), QStringLiteral("01-Morning\r\n02-Rain\r\n"));
    w().command(2)->click();
    QCOMPARE(w().titles(), QStringLiteral("Morning\r\nRain\r\n"));
    w().command(2)->click(); // the snapshot is unchanged by a cancel
    QCOMPARE(w().titles(), QStringLiteral("Morning\r\nRain\r\n"));
}

void TestTitleTools::snapshotThatCannotBeWritten()
{
    // A path under a regular file cannot be created, not even by root.
    m_fx->writeFile(QStringLiteral("plain"), "x");
    w().state().TempPath = m_fx->path(QStringLiteral("plain/temp.dat"));
    w().setTitles(QStringLiteral("A\r\nB\r\n"));
    w().option(7)->click();
    w().command(7)->click();
    QCOMPARE(w().titles(), QStringLiteral("01-A\r\n02-B\r\n"));
    w().option(6)->click();
    w().command(6)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\n"));
    w().command(2)->click();
    QCOMPARE(w().titles(), QStringLiteral("01-A\r\n02-B\r\n"));
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void TestTitleTools::sortAlternates()
{
    w().setTitles(QStringLiteral("C\r\nA\r\nB\r\n"));
    QVERIFY(w().state().SortFlag);
    w().command(8)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\nC\r\n"));
    QVERIFY(!w().state().SortFlag);
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), QByteArray("C\r\nA\r\nB\r\n"));
    w().command(8)->click();
    QCOMPARE(w().titles(), QStringLiteral("C\r\nB\r\nA\r\n"));
    w().command(8)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\nC\r\n"));

    w().setTitles(QStringLiteral("  Banana \r\napple\r\n10\r\n2"));
    w().command(8)->click(); // descending
    QCOMPARE(w().titles(), QStringLiteral("Banana\r\napple\r\n2\r\n10\r\n"));
    w().command(2)->click();
    QCOMPARE(w().titles(), QStringLiteral("  Banana \r\napple\r\n10\r\n2\r\n"));
}

void TestTitleTools::sortStripsALayoutAndCancelBringsItBack()
{
    const QString layout = QStringLiteral("en\r\n0\tSky\tTom\r\n1\tRain\r\n2\tMorning\r\n");
    w().setTitles(layout);
    w().command(8)->click();
    QCOMPARE(w().titles(), QStringLiteral("Morning\r\nRain\r\n"));
    QCOMPARE(m_fx->readFile(m_fx->tempDat()), layout.toLatin1());
    w().command(2)->click();
    QCOMPARE(w().titles(), layout);
}

void TestTitleTools::sortReturnsToThePreEditState()
{
    w().setAlbum(QStringLiteral("Sky"));
    w().setArtist(QStringLiteral("Tom"));
    w().setTitles(QStringLiteral("B\r\nA"));
    m_fx->expectEdit();
    w().command(1)->click();
    QVERIFY(w().isEdited());
    QVERIFY(!w().check1()->isChecked());
    QVERIFY(!w().command(6)->isEnabled());
    w().command(8)->click();
    QVERIFY(!w().isEdited());
    QVERIFY(w().titleBox()->isEnabled());
    QCOMPARE(w().label1(3)->text(), QStringLiteral("曲名"));
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\n"));
}

void TestTitleTools::sortOfAnEmptyBoxStillTurnsTheDirection()
{
    w().command(8)->click();
    QCOMPARE(w().titles(), QString());
    QVERIFY(!w().state().SortFlag);
    w().command(8)->click();
    QVERIFY(w().state().SortFlag);
}

QTEST_MAIN(TestTitleTools)
#include "tst_titletools.moc"
