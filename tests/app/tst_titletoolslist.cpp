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
    QString selectedText() { return w().titleBox()->textCursor().selectedText(); }
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
    QListView *list = w().list1();
    const QModelIndex index = list->model()->index(entry - 1, 0);
    QVERIFY(index.isValid());
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

int TestTitleToolsList::selectedEntry()
{
    const QModelIndexList selected = w().list1()->selectionModel()->selectedIndexes();
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
    w().setTitles(titles);
    clickEntry(entry);
    QCOMPARE(selectedText(), selected);
    QCOMPARE(w().titleBox()->textCursor().selectionStart(), start);
    QCOMPARE(w().focusWidget(), w().titleBox());
    QCOMPARE(selectedEntry(), entry);
    QCOMPARE(w().titles(), titles);
}

void TestTitleToolsList::clickAfterTheLastBreakSelectsNothing()
{
    w().setTitles(QStringLiteral("A\r\nB\r\n"));
    QTextCursor cursor = w().titleBox()->textCursor();
    cursor.setPosition(1);
    w().titleBox()->setTextCursor(cursor);
    clickEntry(3);
    QCOMPARE(selectedText(), QString());
    QCOMPARE(w().titleBox()->textCursor().position(), 1);
    QCOMPARE(w().focusWidget(), w().list1()); // the focus stays where the click put it
}

void TestTitleToolsList::clickWithoutFinalBreakOnlyAppendsIt()
{
    w().setTitles(QStringLiteral("A\r\nB"));
    QCOMPARE(w().listEntries(), 2);
    clickEntry(1);
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\n"));
    QCOMPARE(w().listEntries(), 3);
    QCOMPARE(selectedEntry(), 0);
    QCOMPARE(selectedText(), QString());
    clickEntry(1);
    QCOMPARE(selectedText(), QStringLiteral("A"));
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\n"));
}

void TestTitleToolsList::keyboardMovesTheSelectedLine()
{
    w().setTitles(QStringLiteral("One\r\nTwo\r\nThree\r\n"));
    clickEntry(1);
    QCOMPARE(selectedText(), QStringLiteral("One"));
    w().list1()->setFocus();
    QTest::keyClick(w().list1(), Qt::Key_Down);
    QCOMPARE(selectedEntry(), 2);
    QCOMPARE(selectedText(), QStringLiteral("Two"));
    w().list1()->setFocus();
    QTest::keyClick(w().list1(), Qt::Key_Down);
    QCOMPARE(selectedText(), QStringLiteral("Three"));
}

void TestTitleToolsList::reclickOfTheSelectedEntry()
{
    w().setTitles(QStringLiteral("One\r\nTwo\r\n"));
    clickEntry(2);
    QCOMPARE(selectedText(), QStringLiteral("Two"));
    QTextCursor cursor = w().titleBox()->textCursor();
    cursor.setPosition(0);
    w().titleBox()->setTextCursor(cursor);
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
    w().setTitles(titles);
    clickEntry(entry);
    QTest::mouseClick(w().command9(button), Qt::LeftButton);
    QCOMPARE(w().titles(), expected);
    QCOMPARE(selectedEntry(), newEntry);
    QCOMPARE(selectedText(), selected);
    if (!selected.isEmpty())
        QCOMPARE(w().focusWidget(), w().titleBox());
}

void TestTitleToolsList::repeatedUpStopsAtTheTop()
{
    w().setTitles(QStringLiteral("A\r\nB\r\nC\r\nD\r\n"));
    w().writeSnapshot(QStringLiteral("snap\r\n"));
    clickEntry(4);
    const QStringList steps = {QStringLiteral("A\r\nB\r\nD\r\nC\r\n"), QStringLiteral("A\r\nD\r\nB\r\nC\r\n"),
                               QStringLiteral("D\r\nA\r\nB\r\nC\r\n"),
                               QStringLiteral("D\r\nA\r\nB\r\nC\r\n")};
    for (const QString &step : steps) {
        w().command9(1)->click();
        QCOMPARE(w().titles(), step);
        QCOMPARE(selectedText(), QStringLiteral("D"));
    }
    QCOMPARE(selectedEntry(), 1);
    // Moves write no snapshot: cancel brings back the last one written.
    QCOMPARE(w().snapshotLines(), QStringList{QStringLiteral("snap")});
}

void TestTitleToolsList::movesWithoutSelectionChangeNothing()
{
    w().setTitles(QStringLiteral("A\r\nB\r\n"));
    clickEntry(2);
    w().setTitles(QStringLiteral("A\r\nB\r\nC\r\n")); // any change leaves no entry selected
    QCOMPARE(selectedEntry(), 0);
    w().command9(1)->click();
    w().command9(2)->click();
    QCOMPARE(w().titles(), QStringLiteral("A\r\nB\r\nC\r\n"));
    QCOMPARE(selectedText(), QString());

    w().setTitles(QString());
    w().command9(2)->click();
    QCOMPARE(w().titles(), QString());
}

void TestTitleToolsList::moveButtonCaptions()
{
    QCOMPARE(w().command9(1)->text(), QStringLiteral("▲"));
    QCOMPARE(w().command9(1)->toolTip(), QStringLiteral("曲移動(上へ)"));
    QCOMPARE(w().command9(2)->text(), QStringLiteral("▼"));
    QCOMPARE(w().command9(2)->toolTip(), QStringLiteral("曲移動(下へ)"));
}

void TestTitleToolsList::moveCaptionAlwaysShows()
{
    auto *label3 = w().findChild<QLabel *>(QStringLiteral("Label3"));
    QVERIFY(label3);
    QCOMPARE(label3->text(), QStringLiteral("曲移動"));
    QVERIFY(label3->isVisible());
    // Beside the buttons, not under them.
    const QRect down(w().command9(2)->mapTo(&w(), QPoint(0, 0)), w().command9(2)->size());
    const QRect caption(label3->mapTo(&w(), QPoint(0, 0)), label3->size());
    QVERIFY(!caption.intersects(down));
    QVERIFY(qAbs(caption.top() - down.bottom()) < w().px(300));

    // Still there while the buttons are hidden: many lines, then the edited state.
    w().setTitles(numberedTitles(40));
    QVERIFY(!w().command9(1)->isVisible());
    QVERIFY(label3->isVisible());
    w().setAlbum(QStringLiteral("Sky"));
    w().setArtist(QStringLiteral("Tom"));
    m_fx->expectEdit();
    w().command(1)->click();
    QVERIFY(w().isEdited());
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
        w().setTitles(numberedTitles(titles));
        w().option(button == 7 ? 7 : 6)->click();
        w().command(button)->click();
        QCOMPARE(w().listEntries(), titles + 1);
        QCOMPARE(w().list1()->isVisible(), shown);
        QCOMPARE(w().command9(1)->isVisible(), shown);
        QCOMPARE(w().command9(2)->isVisible(), shown);
        // The title box takes the column's room exactly when the column is hidden.
        QCOMPARE(w().titleBox()->x(), w().px(shown ? 465 : 105));
    }
}

QTEST_MAIN(TestTitleToolsList)
#include "tst_titletoolslist.moc"
