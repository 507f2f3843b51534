#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

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

} // namespace

class TestTitleToolsList : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickSelectsTheLine_data();
    void clickSelectsTheLine();
    void clickAfterTheLastBreakSelectsNothing();
    void clickWithoutFinalBreakOnlyAppendsIt();
    void keyboardMovesTheSelectedLine();
    void reclickOfTheSelectedEntry();
    void move_data();
    void move();
    void repeatedUpStopsAtTheTop();
    void movesWithoutSelectionChangeNothing();
    void moveButtonCaptions();
    void moveCaptionAlwaysShows();
    void columnAfterDeleteAndAttach_data();
    void columnAfterDeleteAndAttach();

private:
    MainWindow &w() { return *m_fx->window; }
    void clickEntry(int entry);
    int selectedEntry();
    QString selectedText() { return test::titleBox(w())->textCursor().selectedText(); }
    std::unique_ptr<WindowFixture> m_fx;
};

void TestTitleToolsList::init()
{
    m_fx = std::make_unique<WindowFixture>();
    QVERIFY(QTest::qWaitForWindowExposed(m_fx->window.get()));
}

void TestTitleToolsList::cleanup()
{
    m_fx.reset();
}

void TestTitleToolsList::clickEntry(int entry)
{
    QListView *list = test::list1(w());
    const QModelIndex index = list->model()->index(entry - 1, 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

int TestTitleToolsList::selectedEntry()
{
    const QModelIndexList selected = test::list1(w())->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? 0 : selected.first().row() + 1;
}

void TestTitleToolsList::clickSelectsTheLine_data()
{
    QTest::addColumn<QString>("titles");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("start"); // the cursor's anchor in the title box
    QTest::newRow("abc after abcabc and x")
        << QStringLiteral("abcabc\r\nx\r\nabc\r\n") << 3 << QStringLiteral("abc") << 9;
    QTest::newRow("Longer after A") << QStringLiteral("A\r\nLonger\r\n") << 2 << QStringLiteral("Longer")
                                    << 2;
    QTest::newRow("In after Intro") << QStringLiteral("In\r\nIntro\r\nIn\r\n") << 3 << QStringLiteral("In")
                                    << 9;
    QTest::newRow("empty line") << QStringLiteral("A\r\n\r\nB\r\n") << 2 << QString() << 2;
    QTest::newRow("blanks belong to the title")
        << QStringLiteral("  曲 名 \r\n") << 1 << QStringLiteral("  曲 名 ") << 0;
}

void TestTitleToolsList::clickSelectsTheLine()
{
    QFETCH(QString, titles);
    QFETCH(int, entry);
    QFETCH(QString, selected);
    QFETCH(int, start);
    w().session().setTitles(titles);
    clickEntry(entry);
    QCOMPARE(selectedText(), selected);
    QCOMPARE(test::titleBox(w())->textCursor().selectionStart(), start);
    QCOMPARE(w().focusWidget(), test::titleBox(w()));
    QCOMPARE(selectedEntry(), entry);
    QCOMPARE(w().session().titles(), titles);
}

void TestTitleToolsList::clickAfterTheLastBreakSelectsNothing()
{
    w().session().setTitles(QStringLiteral("A\r\nB\r\n"));
    QTextCursor cursor = test::titleBox(w())->textCursor();
    cursor.setPosition(1);
    test::titleBox(w())->setTextCursor(cursor);
    clickEntry(3);
    QCOMPARE(selectedText(), QString());
    QCOMPARE(test::titleBox(w())->textCursor().position(), 1);
    QCOMPARE(w().focusWidget(), test::list1(w())); // the focus stays where the click put it
}

void TestTitleToolsList::clickWithoutFinalBreakOnlyAppendsIt()
{
    w().session().setTitles(QStringLiteral("A\r\nB"));
    QCOMPARE(w().session().lineCount(), 2);
    clickEntry(1);
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\n"));
    QCOMPARE(w().session().lineCount(), 3);
    QCOMPARE(selectedEntry(), 0);
    QCOMPARE(selectedText(), QString());
    clickEntry(1);
    QCOMPARE(selectedText(), QStringLiteral("A"));
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\n"));
}

void TestTitleToolsList::keyboardMovesTheSelectedLine()
{
    w().session().setTitles(QStringLiteral("One\r\nTwo\r\nThree\r\n"));
    clickEntry(1);
    QCOMPARE(selectedText(), QStringLiteral("One"));
    test::list1(w())->setFocus();
    QTest::keyClick(test::list1(w()), Qt::Key_Down);
    QCOMPARE(selectedEntry(), 2);
    QCOMPARE(selectedText(), QStringLiteral("Two"));
    test::list1(w())->setFocus();
    QTest::keyClick(test::list1(w()), Qt::Key_Down);
    QCOMPARE(selectedText(), QStringLiteral("Three"));
}

void TestTitleToolsList::reclickOfTheSelectedEntry()
{
    w().session().setTitles(QStringLiteral("One\r\nTwo\r\n"));
    clickEntry(2);
    QCOMPARE(selectedText(), QStringLiteral("Two"));
    QTextCursor cursor = test::titleBox(w())->textCursor();
    cursor.setPosition(0);
    test::titleBox(w())->setTextCursor(cursor);
    clickEntry(2);
    QCOMPARE(selectedText(), QStringLiteral("Two"));
}

void TestTitleToolsList::move_data()
{
    QTest::addColumn<QString>("titles");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("button"); // 1 "▲", 2 "▼"
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("newEntry");
    QTest::addColumn<QString>("selected");

    const QString abc = QStringLiteral("A\r\nB\r\nC\r\n");
    QTest::newRow("entry 2 up") << abc << 2 << 1 << QStringLiteral("B\r\nA\r\nC\r\n") << 1
                                << QStringLiteral("B");
    QTest::newRow("entry 2 down") << abc << 2 << 2 << QStringLiteral("A\r\nC\r\nB\r\n") << 3
                                  << QStringLiteral("B");
    QTest::newRow("first cannot go up") << abc << 1 << 1 << abc << 1 << QStringLiteral("A");
    QTest::newRow("last cannot go down") << abc << 3 << 2 << abc << 3 << QStringLiteral("C");
    QTest::newRow("entry after the last break, up") << abc << 4 << 1 << abc << 4 << QString();
    QTest::newRow("entry after the last break, down") << abc << 4 << 2 << abc << 4 << QString();
    QTest::newRow("blanks move with the title")
        << QStringLiteral("A\r\n  B \r\n") << 2 << 1 << QStringLiteral("  B \r\nA\r\n") << 1
        << QStringLiteral("  B ");
    QTest::newRow("a blank line moves like a title")
        << QStringLiteral("A\r\n\r\nB\r\n") << 2 << 2 << QStringLiteral("A\r\nB\r\n\r\n") << 3 << QString();
    QTest::newRow("two titles: entry 2 cannot go down")
        << QStringLiteral("A\r\nB\r\n") << 2 << 2 << QStringLiteral("A\r\nB\r\n") << 2 << QStringLiteral("B");
}

void TestTitleToolsList::move()
{
    QFETCH(QString, titles);
    QFETCH(int, entry);
    QFETCH(int, button);
    QFETCH(QString, expected);
    QFETCH(int, newEntry);
    QFETCH(QString, selected);
    w().session().setTitles(titles);
    clickEntry(entry);
    QTest::mouseClick(test::command9(w(), button), Qt::LeftButton);
    QCOMPARE(w().session().titles(), expected);
    QCOMPARE(selectedEntry(), newEntry);
    QCOMPARE(selectedText(), selected);
    if (!selected.isEmpty())
        QCOMPARE(w().focusWidget(), test::titleBox(w()));
}

void TestTitleToolsList::repeatedUpStopsAtTheTop()
{
    w().session().setTitles(QStringLiteral("A\r\nB\r\nC\r\nD\r\n"));
    w().session().snapshot().write(QStringLiteral("snap\r\n"));
    clickEntry(4);
    const QStringList steps = {QStringLiteral("A\r\nB\r\nD\r\nC\r\n"), QStringLiteral("A\r\nD\r\nB\r\nC\r\n"),
                               QStringLiteral("D\r\nA\r\nB\r\nC\r\n"),
                               QStringLiteral("D\r\nA\r\nB\r\nC\r\n")};
    for (const QString &step : steps) {
        test::command9(w(), 1)->click();
        QCOMPARE(w().session().titles(), step);
        QCOMPARE(selectedText(), QStringLiteral("D"));
    }
    QCOMPARE(selectedEntry(), 1);
    // Moves write no snapshot: cancel brings back the last one written.
    QCOMPARE(w().session().snapshot().lines(), QStringList{QStringLiteral("snap")});
}

void TestTitleToolsList::movesWithoutSelectionChangeNothing()
{
    w().session().setTitles(QStringLiteral("A\r\nB\r\n"));
    clickEntry(2);
    w().session().setTitles(QStringLiteral("A\r\nB\r\nC\r\n")); // any change leaves no entry selected
    QCOMPARE(selectedEntry(), 0);
    test::command9(w(), 1)->click();
    test::command9(w(), 2)->click();
    QCOMPARE(w().session().titles(), QStringLiteral("A\r\nB\r\nC\r\n"));
    QCOMPARE(selectedText(), QString());

    w().session().setTitles(QString());
    test::command9(w(), 2)->click();
    QCOMPARE(w().session().titles(), QString());
}

void TestTitleToolsList::moveButtonCaptions()
{
    QCOMPARE(test::command9(w(), 1)->text(), QStringLiteral("▲"));
    QCOMPARE(test::command9(w(), 1)->toolTip(), QStringLiteral("曲移動(上へ)"));
    QCOMPARE(test::command9(w(), 2)->text(), QStringLiteral("▼"));
    QCOMPARE(test::command9(w(), 2)->toolTip(), QStringLiteral("曲移動(下へ)"));
}

void TestTitleToolsList::moveCaptionAlwaysShows()
{
    auto *label3 = w().findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(label3);
    QCOMPARE(label3->text(), QStringLiteral("曲移動"));
    QVERIFY(label3->isVisible());
    // Beside the buttons, not under them.
    const QRect down(test::command9(w(), 2)->mapTo(&w(), QPoint(0, 0)), test::command9(w(), 2)->size());
    const QRect caption(label3->mapTo(&w(), QPoint(0, 0)), label3->size());
    QVERIFY(!caption.intersects(down));
    QVERIFY(qAbs(caption.top() - down.bottom()) < w().px(300));

    // Still there while the buttons are hidden: many lines, then the edited state.
    w().session().setTitles(numberedTitles(40));
    QVERIFY(!test::command9(w(), 1)->isVisible());
    QVERIFY(label3->isVisible());
    w().session().setAlbum(QStringLiteral("Sky"));
    w().session().setArtist(QStringLiteral("Tom"));
    m_fx->expectEdit();
    test::command(w(), 1)->click();
    QVERIFY(w().session().saveEnabled());
    QVERIFY(label3->isVisible());
}

void TestTitleToolsList::columnAfterDeleteAndAttach_data()
{
    QTest::addColumn<int>("titles");
    QTest::addColumn<bool>("shown");
    QTest::newRow("20 titles, 21 entries") << 20 << true;
    QTest::newRow("21 titles, 22 entries: the layout has no room") << 21 << false;
    QTest::newRow("28 titles, 29 entries") << 28 << false;
    QTest::newRow("29 titles, 30 entries") << 29 << false;
    QTest::newRow("40 titles") << 40 << false;
}

void TestTitleToolsList::columnAfterDeleteAndAttach()
{
    QFETCH(int, titles);
    QFETCH(bool, shown);
    for (int button : {7, 6}) {
        w().session().setTitles(numberedTitles(titles));
        test::option(w(), button == 7 ? 7 : 6)->click();
        test::command(w(), button)->click();
        QCOMPARE(w().session().lineCount(), titles + 1);
        QCOMPARE(test::list1(w())->isVisible(), shown);
        QCOMPARE(test::command9(w(), 1)->isVisible(), shown);
        QCOMPARE(test::command9(w(), 2)->isVisible(), shown);
        // The title box takes the column's room exactly when the column is hidden.
        QCOMPARE(test::titleBox(w())->x(), w().px(shown ? 465 : 105));
    }
}

QTEST_MAIN(TestTitleToolsList)
#include "tst_titletoolslist.moc"
