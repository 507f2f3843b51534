// Pasting a clipboard that holds no text. Under a real X server an empty clipboard reaches the
// boxes as data without any format, which Qt 6.4's QPlainTextEdit does not survive; ctest runs
// this program under xvfb-run as well as offscreen.
#include "support/TestSupport.h"

#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

using namespace velnora;
using namespace velnora::test;

namespace
{

enum class Way { Key, MenuItem, ContextMenu };
enum class Clip { Empty, ImageOnly, EmptyText };

void fillClipboard(Clip clip)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clip == Clip::Empty) {
        clipboard->clear();
        return;
    }
    auto *data = new QMimeData;
    if (clip == Clip::ImageOnly)
        data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG\r\n\x1a\n", 8));
    else
        data->setText(QString());
    clipboard->setMimeData(data);
}

std::unique_ptr<QMenu> contextMenuOf(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return std::unique_ptr<QMenu>(line->createStandardContextMenu());
    return std::unique_ptr<QMenu>(qobject_cast<QPlainTextEdit *>(box)->createStandardContextMenu());
}

// The menu's paste item, found by its caption in the translation the boxes use.
QAction *pasteItem(const QMenu &menu, QWidget *box)
{
    const char *context = qobject_cast<QLineEdit *>(box) ? "QLineEdit" : "QWidgetTextControl";
    const QString caption = QCoreApplication::translate(context, "&Paste");
    for (QAction *action : menu.actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) == caption)
            return action;
    }
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Clip)

class TestEmptyPaste : public QObject
{
    Q_OBJECT

private slots:
    void pasteOfNoTextDoesNothing_data();
    void pasteOfNoTextDoesNothing();
};

void TestEmptyPaste::pasteOfNoTextDoesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<Way>("way");
    QTest::addColumn<Clip>("clip");
    const std::pair<const char *, QString> boxes[] = {{"album box", QStringLiteral("Text1(1)")},
                                                      {"artist box", QStringLiteral("Text1(2)")},
                                                      {"title box", QStringLiteral("Text1(3)")}};
    const std::pair<const char *, Way> ways[] = {
        {"Ctrl+V", Way::Key}, {"menu item", Way::MenuItem}, {"context menu", Way::ContextMenu}};
    const std::pair<const char *, Clip> clips[] = {
        {"empty clipboard", Clip::Empty}, {"image only", Clip::ImageOnly}, {"empty text", Clip::EmptyText}};
    for (const auto &[boxName, box] : boxes) {
        for (const auto &[wayName, way] : ways) {
            for (const auto &[clipName, clip] : clips)
                QTest::addRow("%s, %s, %s", boxName, wayName, clipName) << box << way << clip;
        }
    }
}

void TestEmptyPaste::pasteOfNoTextDoesNothing()
{
    QFETCH(QString, box);
    QFETCH(Way, way);
    QFETCH(Clip, clip);
    WindowFixture f;
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    f.window->session().setAlbum(QStringLiteral("Album"));
    f.window->session().setArtist(QStringLiteral("Artist"));
    f.window->session().setTitles(QStringLiteral("Morning\r\nRain"));
    QWidget *target = child<QWidget>(f.window.get(), box);
    QVERIFY(target);
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    // A paste replaces the selection; pasting nothing must not delete it.
    QMetaObject::invokeMethod(target, "selectAll");
    fillClipboard(clip);
    QVERIFY(!QGuiApplication::clipboard()->mimeData() ||
            !QGuiApplication::clipboard()->mimeData()->hasText() ||
            QGuiApplication::clipboard()->text().isEmpty());

    switch (way) {
    case Way::Key:
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::MenuItem:
        // The item sends Ctrl+V to the control with the focus; the scripted desktop only records it.
        QVERIFY(triggerAction(*f.window, QStringLiteral("貼り付け")));
        QCOMPARE(f.platform.sentKeys, QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_V)});
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ContextMenu: {
        const std::unique_ptr<QMenu> menu = contextMenuOf(target);
        QAction *paste = pasteItem(*menu, target);
        QVERIFY(paste);
        QVERIFY(!paste->isEnabled());
        paste->trigger();
        break;
    }
    }
    QCoreApplication::processEvents();

    QCOMPARE(f.window->session().album(), QStringLiteral("Album"));
    QCOMPARE(f.window->session().artist(), QStringLiteral("Artist"));
    QCOMPARE(f.window->session().titles(), QStringLiteral("Morning\r\nRain"));
    QCOMPARE(QApplication::focusWidget(), target);
}

QTEST_MAIN(TestEmptyPaste)
#include "tst_emptypaste.moc"
