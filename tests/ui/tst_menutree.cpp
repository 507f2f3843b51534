#include "support/TestSupport.h"

#include "ui/MainWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace velnora;
using namespace velnora::test;

// The menu bar as the user sees it: every item in its place, with its caption, access key and
// shortcut, and named for the code that reaches it.
class TestMenuTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void topLevelMenus_data();
    void topLevelMenus();
    void items_data();
    void items();
    void stayOnTopStartsUnchecked();
    void saveItemsStartDisabled();

private:
    QList<QMenu *> menus() const;
    std::unique_ptr<WindowFixture> m_f;
};

void TestMenuTree::init()
{
    m_f = std::make_unique<WindowFixture>();
}

void TestMenuTree::cleanup()
{
    m_f.reset();
}

QList<QMenu *> TestMenuTree::menus() const
{
    QList<QMenu *> result;
    for (QAction *a : m_f->window->menuBar()->actions())
        result.append(a->menu());
    return result;
}

void TestMenuTree::topLevelMenus_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("file") << 0 << u"ファイル"_qs << u"ファイル(&F)"_qs;
    QTest::newRow("edit") << 1 << u"編集"_qs << u"編集(&E)"_qs;
    QTest::newRow("music search") << 2 << u"楽曲検索"_qs << u"楽曲検索(&M)"_qs;
    QTest::newRow("help") << 3 << u"ヘルプ"_qs << u"ヘルプ(&H)"_qs;
}

void TestMenuTree::topLevelMenus()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    const QList<QMenu *> all = menus();
    QCOMPARE(all.size(), 4);
    QMenu *menu = all.at(index);
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), name);
    QCOMPARE(menu->title(), caption);
}

void TestMenuTree::items_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions"); // empty for a separator
    QTest::addColumn<QStringList>("shortcuts");

    QTest::newRow("ファイル") << 0 << QStringList{u"新規"_qs,
                                                  u"開く"_qs,
                                                  u"音声取り込み"_qs,
                                                  u"上書き保存"_qs,
                                                  u"名前を付けて保存"_qs,
                                                  u"CDTEXT書き出し"_qs,
                                                  u"ディスク作成"_qs,
                                                  u"区分線F1"_qs,
                                                  u"常に手前に表示"_qs,
                                                  u"区分線F2"_qs,
                                                  u"印刷"_qs,
                                                  u"区分線F3"_qs,
                                                  u"終了"_qs}
                              << QStringList{u"新規(&N)"_qs,
                                             u"開く(&O)..."_qs,
                                             u"音声ファイルから曲名を取り込む(&I)..."_qs,
                                             u"上書き保存(&S)"_qs,
                                             u"名前を付けて保存(&A)..."_qs,
                                             u"CD-TEXTファイルに書き出し(&T)..."_qs,
                                             u"ディスクの作成(&D)..."_qs,
                                             QString(),
                                             u"常に手前に表示"_qs,
                                             QString(),
                                             u"CDジャケット印刷(&P)..."_qs,
                                             QString(),
                                             u"終了(&X)"_qs}
                              << QStringList{u"Ctrl+N"_qs, u"Ctrl+O"_qs, QString(), u"Ctrl+S"_qs, QString(),
                                             QString(),    QString(),    QString(), QString(),    QString(),
                                             u"Ctrl+P"_qs, QString(),    QString()};
    QTest::newRow("編集")
        << 1 << QStringList{u"元に戻す"_qs, u"区分線E1"_qs, u"切り取り"_qs,   u"コピー"_qs,   u"貼り付け"_qs,
                            u"区分線E2"_qs, u"削除"_qs,     u"すべて選択"_qs, u"区分線E3"_qs, u"日付"_qs}
        << QStringList{u"元に戻す(&U)"_qs, QString(), u"切り取り(&T)"_qs, u"コピー(&C)"_qs,
                       u"貼り付け(&P)"_qs, QString(), u"削除(&L)"_qs,     u"すべて選択(&A)"_qs,
                       QString(),          u"日付"_qs}
        << QStringList{u"Ctrl+Z"_qs, QString(), u"Ctrl+X"_qs, u"Ctrl+C"_qs, u"Ctrl+V"_qs,
                       QString(),    QString(), u"Ctrl+A"_qs, QString(),    QString()};
    QTest::newRow("楽曲検索") << 2 << QStringList{u"ヤフー"_qs, u"アマゾンjp"_qs, u"アマゾンcom"_qs}
                              << QStringList{u"Yahoo(jp)-音楽"_qs, u"Amazon(jp)-音楽"_qs,
                                             u"Amazon(com)-音楽"_qs}
                              << QStringList{QString(), QString(), QString()};
    QTest::newRow("ヘルプ") << 3
                            << QStringList{u"ヘルプファイル"_qs, u"バージョン"_qs, u"区分線H1"_qs,
                                           u"サンプル"_qs}
                            << QStringList{u"ヘルプファイル(&H)"_qs, u"バージョン情報"_qs, QString(),
                                           u"サンプル貼付"_qs}
                            << QStringList{u"Ctrl+H"_qs, QString(), QString(), QString()};
}

void TestMenuTree::items()
{
    QFETCH(int, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, shortcuts);
    const QList<QAction *> actions = menus().at(menu)->actions();
    QCOMPARE(actions.size(), names.size());
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QAction *a = actions.at(i);
        QCOMPARE(a->objectName(), names.at(i));
        QCOMPARE(a->isSeparator(), captions.at(i).isEmpty());
        if (!a->isSeparator())
            QCOMPARE(a->text(), captions.at(i));
        QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shortcuts.at(i));
        QCOMPARE(test::action(*m_f->window, names.at(i)), a);
    }
}

void TestMenuTree::stayOnTopStartsUnchecked()
{
    QAction *a = test::action(*m_f->window, u"常に手前に表示"_qs);
    QVERIFY(a->isCheckable());
    QVERIFY(!a->isChecked());
    QVERIFY(!m_f->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestMenuTree::saveItemsStartDisabled()
{
    QVERIFY(!test::action(*m_f->window, u"上書き保存"_qs)->isEnabled());
    QVERIFY(!test::action(*m_f->window, u"名前を付けて保存"_qs)->isEnabled());
    QVERIFY(!test::action(*m_f->window, u"CDTEXT書き出し"_qs)->isEnabled());
    QVERIFY(!test::action(*m_f->window, u"ディスク作成"_qs)->isEnabled());
}

QTEST_MAIN(TestMenuTree)
#include "tst_menutree.moc"
