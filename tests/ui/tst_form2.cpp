#include "support/TestSupport.h"
#include "ui/Form2.h"
#include "ui/SpinBar.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyleOptionSlider>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace velnora;
using namespace velnora::test;

namespace
{

// Clicks the middle of one part of a scroll bar, as the user would.
void clickPart(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    QVERIFY2(r.isValid() && !r.isEmpty(), "the part is not visible");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, r.center());
}

// Records the sizes a widget is resized to.
class ResizeLog : public QObject
{
public:
    QList<QSize> sizes;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            sizes << static_cast<QResizeEvent *>(event)->size();
        return false;
    }
};

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithDefaults();
    void controlsAtTheirPlaces();
    void spins_data();
    void spins();
    void trackClickMovesTowardTheClick();
    void checkBoxesChangeTheSettings();
    void previewShowsSheetAndFrame_data();
    void previewShowsSheetAndFrame();
    void resetFromMaximisedKeepsZoom();
    void closingEnablesMainWindow_data();
    void closingEnablesMainWindow();
    void reopeningShowsDefaults();
    void closingMainWindowLeavesJacketOpen();
    void minimumSizeInTwoPasses();
    void previewFollowsWindowSize();
    void printsTrueMillimetres_data();
    void printsTrueMillimetres();
    void printKeepsDialogOrientation();
    void printsJapaneseAsText_data();
    void printsJapaneseAsText();
    void cancelledDialogDoesNothing_data();
    void cancelledDialogDoesNothing();
    void failureIsReported_data();
    void failureIsReported();

private:
    Form2 *open();
    // The window draws the document it was opened with: set another one and open it again.
    void reopenWith(const QString &album, const QString &artist, const QString &titles);
    void produce(const QString &pdf, bool toPdf, const std::function<void(QPrinter &)> &choose = {});
    template <typename T> T *get(const QString &name)
    {
        T *w = m_form ? m_form->findChild<T *>(name) : nullptr;
        if (!w)
            qWarning("missing %s", qPrintable(name));
        return w;
    }
    int twipsOf(int pixels) const { return pixelsToTwips(pixels, m_form->logicalDpiY()); }

    std::unique_ptr<WindowFixture> m_fx;
    QPointer<Form2> m_form;
};

void TestForm2::init()
{
    m_fx = std::make_unique<WindowFixture>();
    m_form = open();
    QVERIFY(m_form);
}

// Puts the page into a PDF file: printed through the dialog's PDF output, or saved with "PDF保存...".
void TestForm2::produce(const QString &pdf, bool toPdf, const std::function<void(QPrinter &)> &choose)
{
    if (toPdf) {
        m_fx->platform.queueFileName(pdf);
        QTest::mouseClick(get<QPushButton>(QStringLiteral("Command5")), Qt::LeftButton);
        return;
    }
    m_fx->platform.queuePrinterDialog(true, [pdf, choose](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        if (choose)
            choose(printer);
    });
    QTest::mouseClick(get<QPushButton>(QStringLiteral("Command4")), Qt::LeftButton);
}

void TestForm2::cleanup()
{
    m_fx.reset();
    QVERIFY(!m_form);
}

Form2 *TestForm2::open()
{
    if (!triggerAction(*m_fx->window, QStringLiteral("印刷")))
        return nullptr;
    auto *form = qobject_cast<Form2 *>(m_fx->window->jacketWindow());
    if (form && !QTest::qWaitForWindowExposed(form))
        return nullptr;
    return form;
}

void TestForm2::reopenWith(const QString &album, const QString &artist, const QString &titles)
{
    m_form->close();
    QTRY_VERIFY(!m_form);
    m_fx->window->session().setAlbum(album);
    m_fx->window->session().setArtist(artist);
    m_fx->window->session().setTitles(titles);
    m_form = open();
    QVERIFY(m_form);
}

void TestForm2::opensWithDefaults()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("CDジャケット印刷設定"));
    QVERIFY(!m_fx->window->isEnabled());
    QVERIFY(!m_form->isMaximized());

    const QStringList names{
        QStringLiteral("Text1(1)"), QStringLiteral("Text1(2)"), QStringLiteral("Text1(3)"),
        QStringLiteral("Text1(4)"), QStringLiteral("Text2(1)"), QStringLiteral("Text2(2)"),
        QStringLiteral("Text2(3)"), QStringLiteral("Text3(1)"), QStringLiteral("Text3(2)"),
        QStringLiteral("Text3(3)"), QStringLiteral("Text4(1)"), QStringLiteral("Text4(2)")};
    const QStringList values{QStringLiteral("10"),
                             QStringLiteral("10"),
                             QStringLiteral("121"),
                             QStringLiteral("121"),
                             QStringLiteral("20"),
                             QStringLiteral("20"),
                             QStringLiteral("20"),
                             QStringLiteral("35"),
                             QStringLiteral("35"),
                             QStringLiteral("14"),
                             QStringLiteral("ＭＳ Ｐゴシック"),
                             QStringLiteral("ＭＳ Ｐゴシック")};
    for (int i = 0; i < names.size(); ++i) {
        auto *field = get<QLineEdit>(names[i]);
        QVERIFY(field);
        QCOMPARE(field->text(), values[i]);
        QVERIFY(field->isReadOnly());
    }
    const QStringList checks{QStringLiteral("Check1(1)"), QStringLiteral("Check1(2)"),
                             QStringLiteral("Check1(3)"), QStringLiteral("Check3(1)"),
                             QStringLiteral("Check3(2)"), QStringLiteral("Check3(3)")};
    const QStringList captions{QStringLiteral("太字"), QStringLiteral("斜体"), QStringLiteral("下線")};
    for (int i = 0; i < checks.size(); ++i) {
        auto *check = get<QCheckBox>(checks[i]);
        QVERIFY(check);
        QCOMPARE(check->text(), captions[i % 3]);
        QCOMPARE(check->isChecked(), i % 3 == 0);
    }
    QCOMPARE(get<SpinBar>(QStringLiteral("HScroll1"))->setting(), 10);
    QCOMPARE(m_form->zoom(), 10);

    const QStringList buttons{QStringLiteral("初期値"), QStringLiteral("自動割付"), QStringLiteral("閉じる"),
                              QStringLiteral("印刷..."), QStringLiteral("PDF保存...")};
    for (int n = 1; n <= 5; ++n) {
        auto *button = get<QPushButton>(QStringLiteral("Command%1").arg(n));
        QVERIFY(button);
        QCOMPARE(button->text(), buttons[n - 1]);
        QCOMPARE(button->isVisible(), n != 2);
    }

    // At least the minimum outer size, and the preview box at its minimum of 7700 by 7700 twips.
    QVERIFY(m_form->outerWidthTwips() >= 12000);
    QVERIFY(m_form->outerHeightTwips() >= 8300);
    auto *picture = get<QLabel>(QStringLiteral("Picture1"));
    QVERIFY(picture);
    QCOMPARE(picture->size(),
             QSize(twipsToPixels(7700, m_form->logicalDpiY()), twipsToPixels(7700, m_form->logicalDpiY())));
    QVERIFY(!picture->pixmap().isNull());
}

void TestForm2::controlsAtTheirPlaces()
{
    const qreal dpi = m_form->logicalDpiY();
    auto at = [this, dpi](const QString &name) {
        QWidget *w = get<QWidget>(name);
        return w ? w->mapTo(m_form, QPoint(0, 0)) : QPoint(-1, -1);
    };
    auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    QCOMPARE(at(QStringLiteral("Picture1")), QPoint(px(4100), px(120)));
    // Buttons at top 5100 in the panel at (50, 50).
    QCOMPARE(at(QStringLiteral("Command1")), QPoint(px(50) + px(200), px(50) + px(5100)));
    QCOMPARE(at(QStringLiteral("Command3")), QPoint(px(50) + px(2200), px(50) + px(5100)));
    QCOMPARE(at(QStringLiteral("Command4")), QPoint(px(50) + px(3100), px(50) + px(5100)));
    QCOMPARE(at(QStringLiteral("HScroll1")), QPoint(px(50) + px(1650), px(5750) + px(100)));
    // The frame width's field sits right of the left margin's, in the first row of "ジャケット枠".
    QCOMPARE(at(QStringLiteral("Text1(3)")).y(), at(QStringLiteral("Text1(1)")).y());
    QVERIFY(at(QStringLiteral("Text1(3)")).x() > at(QStringLiteral("VScroll1(1)")).x());
    QVERIFY(at(QStringLiteral("Text1(2)")).y() > at(QStringLiteral("Text1(1)")).y());
    // The title group lies below the album/artist group.
    QVERIFY(at(QStringLiteral("Text3(1)")).y() > at(QStringLiteral("Check1(1)")).y());

    QStringList captions;
    for (QGroupBox *box : m_form->findChildren<QGroupBox *>())
        captions << box->title();
    captions.sort();
    QStringList expected{QStringLiteral("ジャケット枠"), QStringLiteral("ジャケット内容"),
                         QStringLiteral("アルバム名・アーティスト名"), QStringLiteral("曲名")};
    expected.sort();
    QCOMPARE(captions, expected);

    QStringList labels;
    for (QLabel *label : m_form->findChildren<QLabel *>())
        labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("ﾌﾟﾚﾋﾞｭｰ倍率  0.4倍")));
    QVERIFY(labels.contains(QStringLiteral("1.0倍")));
    QVERIFY(labels.contains(QStringLiteral("＊注）背面の用紙はA4縦を模擬しています。")));
}

void TestForm2::spins_data()
{
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("upOrLeft");
    QTest::addColumn<QString>("expected");

    QTest::newRow("frame width up at 150 stays") << "VScroll1(3)"
                                                 << "Text1(3)" << 150 << true << "150";
    QTest::newRow("frame width down at 100 stays") << "VScroll1(3)"
                                                   << "Text1(3)" << 100 << false << "100";
    QTest::newRow("frame height up adds 1") << "VScroll1(4)"
                                            << "Text1(4)" << 121 << true << "122";
    QTest::newRow("frame left margin up adds 1 mm") << "VScroll1(1)"
                                                    << "Text1(1)" << 10 << true << "11";
    QTest::newRow("frame top margin down at 0 stays") << "VScroll1(2)"
                                                      << "Text1(2)" << 0 << false << "0";
    QTest::newRow("frame top margin up at 50 stays") << "VScroll1(2)"
                                                     << "Text1(2)" << 50 << true << "50";
    QTest::newRow("line left margin down subtracts 1") << "VScroll2(1)"
                                                       << "Text2(1)" << 20 << false << "19";
    QTest::newRow("line top margin up") << "VScroll2(2)"
                                        << "Text2(2)" << 20 << true << "21";
    QTest::newRow("line font up at 36 stays") << "VScroll2(3)"
                                              << "Text2(3)" << 36 << true << "36";
    QTest::newRow("line font down at 9 stays") << "VScroll2(3)"
                                               << "Text2(3)" << 9 << false << "9";
    QTest::newRow("title left margin up") << "VScroll3(1)"
                                          << "Text3(1)" << 35 << true << "36";
    QTest::newRow("title top margin down") << "VScroll3(2)"
                                           << "Text3(2)" << 35 << false << "34";
    QTest::newRow("title font up") << "VScroll3(3)"
                                   << "Text3(3)" << 14 << true << "15";
    QTest::newRow("typeface up at index 1 stays") << "VScroll4(1)"
                                                  << "Text4(1)" << 1 << true << "ＭＳ ゴシック";
    QTest::newRow("typeface up from 2") << "VScroll4(1)"
                                        << "Text4(1)" << 2 << true << "ＭＳ ゴシック";
    QTest::newRow("typeface down from 2") << "VScroll4(1)"
                                          << "Text4(1)" << 2 << false << "ＭＳ 明朝";
    QTest::newRow("title typeface down at 4 stays") << "VScroll4(2)"
                                                    << "Text4(2)" << 4 << false << "ＭＳ Ｐ明朝";
    QTest::newRow("title typeface down from 3") << "VScroll4(2)"
                                                << "Text4(2)" << 3 << false << "ＭＳ Ｐ明朝";
}

void TestForm2::spins()
{
    QFETCH(QString, spin);
    QFETCH(QString, field);
    QFETCH(int, start);
    QFETCH(bool, upOrLeft);
    QFETCH(QString, expected);

    auto *bar = get<SpinBar>(spin);
    auto *text = get<QLineEdit>(field);
    QVERIFY(bar && text);
    bar->setSetting(start);
    QCOMPARE(bar->setting(), start);
    const qint64 before = get<QLabel>(QStringLiteral("Picture1"))->pixmap().cacheKey();
    clickPart(bar, upOrLeft ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine);
    QCOMPARE(text->text(), expected);
    // The field shows the setting the drawing reads.
    const JacketSettings s = m_form->settings();
    const QMap<QString, QString> shown{
        {QStringLiteral("Text1(1)"), QString::number(s.frameLeft)},
        {QStringLiteral("Text1(2)"), QString::number(s.frameTop)},
        {QStringLiteral("Text1(3)"), QString::number(s.frameWidth)},
        {QStringLiteral("Text1(4)"), QString::number(s.frameHeight)},
        {QStringLiteral("Text2(1)"), QString::number(s.lineLeft)},
        {QStringLiteral("Text2(2)"), QString::number(s.lineTop)},
        {QStringLiteral("Text2(3)"), QString::number(s.lineStyle.fontSize)},
        {QStringLiteral("Text3(1)"), QString::number(s.listLeft)},
        {QStringLiteral("Text3(2)"), QString::number(s.listTop)},
        {QStringLiteral("Text3(3)"), QString::number(s.listStyle.fontSize)},
        {QStringLiteral("Text4(1)"), s.lineStyle.typeface},
        {QStringLiteral("Text4(2)"), s.listStyle.typeface},
    };
    QCOMPARE(shown.value(field), expected);
    // A change redraws the preview; a click at the end of the range changes nothing.
    const bool changed = bar->setting() != start;
    QCOMPARE(get<QLabel>(QStringLiteral("Picture1"))->pixmap().cacheKey() != before, changed);
}

void TestForm2::trackClickMovesTowardTheClick()
{
    // The spins are too short to show a track, so give one a height that does.
    auto *margin = get<SpinBar>(QStringLiteral("VScroll1(1)"));
    margin->resize(margin->width(), 200);
    clickPart(margin, QStyle::SC_ScrollBarSubPage); // above the thumb, toward the maximum
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text1(1)"))->text(), QStringLiteral("11"));
    clickPart(margin, QStyle::SC_ScrollBarAddPage);
    clickPart(margin, QStyle::SC_ScrollBarAddPage);
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text1(1)"))->text(), QStringLiteral("9"));

    // The zoom bar: 0.4 at the left end, 1.0 at the right.
    auto *zoom = get<SpinBar>(QStringLiteral("HScroll1"));
    clickPart(zoom, QStyle::SC_ScrollBarAddLine);
    QCOMPARE(m_form->zoom(), 10);
    clickPart(zoom, QStyle::SC_ScrollBarSubLine);
    QCOMPARE(m_form->zoom(), 9);
    clickPart(zoom, QStyle::SC_ScrollBarSubPage);
    QCOMPARE(m_form->zoom(), 8);
    zoom->setSetting(4);
    clickPart(zoom, QStyle::SC_ScrollBarSubLine);
    QCOMPARE(m_form->zoom(), 4);
}

void TestForm2::checkBoxesChangeTheSettings()
{
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check1(1)")), Qt::LeftButton);
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check1(2)")), Qt::LeftButton);
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check3(3)")), Qt::LeftButton);
    const JacketSettings s = m_form->settings();
    QCOMPARE((QList<bool>{s.lineStyle.bold, s.lineStyle.italic, s.lineStyle.underline}),
             (QList<bool>{false, true, false}));
    QCOMPARE((QList<bool>{s.listStyle.bold, s.listStyle.italic, s.listStyle.underline}),
             (QList<bool>{true, false, true}));
}

void TestForm2::previewShowsSheetAndFrame_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("zoom 1.0") << 10;
    QTest::newRow("zoom 0.4") << 4;
}

void TestForm2::previewShowsSheetAndFrame()
{
    QFETCH(int, zoom);
    m_fx->window->session().setTitles(QString()); // the window is disabled, so this is only the test's doing
    get<SpinBar>(QStringLiteral("HScroll1"))->setSetting(zoom);
    const QImage image = get<QLabel>(QStringLiteral("Picture1"))->pixmap().toImage();
    const double k = image.logicalDpiY() / 25.4 * zoom / 10.0;
    auto pixel = [&image, k](double xMm, double yMm) {
        return image.pixelColor(qRound(xMm * k), qRound(yMm * k));
    };
    // A line at a fractional pixel lands on one of the two pixels around it.
    auto inkNear = [&image, k](double xMm, double yMm) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (image.pixelColor(qRound(xMm * k) + dx, qRound(yMm * k) + dy) == QColor(Qt::black))
                    return true;
            }
        }
        return false;
    };
    const QColor face = m_form->palette().color(QPalette::Button);

    // The frame's four sides are black, the sheet inside and outside them white.
    QVERIFY(inkNear(10, 70));
    QVERIFY(inkNear(131, 70));
    QVERIFY(inkNear(70, 10));
    QVERIFY(inkNear(70, 131));
    QCOMPARE(pixel(11.5, 70), QColor(Qt::white));
    QCOMPARE(pixel(7, 70), QColor(Qt::white));
    QCOMPARE(pixel(135, 70), QColor(Qt::white));
    QCOMPARE(pixel(70, 134), QColor(Qt::white));
    if (zoom == 4) {
        // Beyond the 210 x 297 mm sheet the box keeps its face colour.
        QCOMPARE(pixel(215, 100), face);
        QCOMPARE(pixel(100, 300), face);
        QCOMPARE(pixel(205, 290), QColor(Qt::white));
    }
}

void TestForm2::resetFromMaximisedKeepsZoom()
{
    clickPart(get<SpinBar>(QStringLiteral("VScroll1(1)")), QStyle::SC_ScrollBarSubLine);
    clickPart(get<SpinBar>(QStringLiteral("VScroll1(3)")), QStyle::SC_ScrollBarAddLine);
    clickPart(get<SpinBar>(QStringLiteral("VScroll2(3)")), QStyle::SC_ScrollBarSubLine);
    clickPart(get<SpinBar>(QStringLiteral("VScroll3(2)")), QStyle::SC_ScrollBarAddLine);
    clickPart(get<SpinBar>(QStringLiteral("VScroll4(1)")), QStyle::SC_ScrollBarAddLine);
    clickPart(get<SpinBar>(QStringLiteral("VScroll4(2)")), QStyle::SC_ScrollBarSubLine);
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check1(1)")), Qt::LeftButton);
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check3(2)")), Qt::LeftButton);
    get<SpinBar>(QStringLiteral("HScroll1"))->setSetting(6);
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text1(3)"))->text(), QStringLiteral("120"));
    const QSize normalSize = m_form->size();

    m_form->showMaximized();
    QTRY_VERIFY(m_form->isMaximized());
    QTRY_VERIFY(m_form->size() != normalSize);

    QTest::mouseClick(get<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(!m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), normalSize);
    const JacketSettings d;
    const JacketSettings s = m_form->settings();
    QCOMPARE((QList<int>{s.frameLeft, s.frameTop, s.frameWidth, s.frameHeight, s.lineLeft, s.lineTop,
                         s.lineStyle.fontSize, s.listLeft, s.listTop, s.listStyle.fontSize}),
             (QList<int>{d.frameLeft, d.frameTop, d.frameWidth, d.frameHeight, d.lineLeft, d.lineTop,
                         d.lineStyle.fontSize, d.listLeft, d.listTop, d.listStyle.fontSize}));
    QCOMPARE(s.lineStyle.typeface, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(s.listStyle.typeface, QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE((QList<bool>{s.lineStyle.bold, s.lineStyle.italic, s.lineStyle.underline, s.listStyle.bold,
                          s.listStyle.italic, s.listStyle.underline}),
             (QList<bool>{true, false, false, true, false, false}));
    QCOMPARE(m_form->zoom(), 6);
    QVERIFY(!m_fx->window->isEnabled());
}

void TestForm2::closingEnablesMainWindow_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("閉じる") << true;
    QTest::newRow("title bar") << false;
}

void TestForm2::closingEnablesMainWindow()
{
    QFETCH(bool, byButton);
    QVERIFY(!m_fx->window->isEnabled());
    if (byButton)
        QTest::mouseClick(get<QPushButton>(QStringLiteral("Command3")), Qt::LeftButton);
    else
        QVERIFY(m_form->close()); // what the title bar's close button sends
    QVERIFY(m_fx->window->isEnabled());
    QTRY_VERIFY(!m_form);
    QVERIFY(!m_fx->window->jacketWindow());
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void TestForm2::reopeningShowsDefaults()
{
    clickPart(get<SpinBar>(QStringLiteral("VScroll1(4)")), QStyle::SC_ScrollBarAddLine);
    clickPart(get<SpinBar>(QStringLiteral("VScroll4(2)")), QStyle::SC_ScrollBarAddLine);
    get<SpinBar>(QStringLiteral("HScroll1"))->setSetting(5);
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check3(1)")), Qt::LeftButton);
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text1(4)"))->text(), QStringLiteral("120"));
    m_form->close();
    QTRY_VERIFY(!m_form);

    m_form = open();
    QVERIFY(m_form);
    QVERIFY(!m_fx->window->isEnabled());
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text1(4)"))->text(), QStringLiteral("121"));
    QCOMPARE(get<QLineEdit>(QStringLiteral("Text4(2)"))->text(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(m_form->zoom(), 10);
    QVERIFY(get<QCheckBox>(QStringLiteral("Check3(1)"))->isChecked());
}

void TestForm2::closingMainWindowLeavesJacketOpen()
{
    // The window manager's close button works on a disabled window too; only "終了" closes both.
    QVERIFY(!m_fx->window->isEnabled());
    QVERIFY(m_fx->window->close());
    QVERIFY(!m_fx->window->isVisible());
    QVERIFY(!QFile::exists(m_fx->tempDat()));
    QVERIFY(m_form && m_form->isVisible());
    QVERIFY(m_form->close());
    QTRY_VERIFY(!m_form);
    QVERIFY(m_fx->window->isEnabled());
    QVERIFY(m_fx->platform.messages.isEmpty());
}

void TestForm2::minimumSizeInTwoPasses()
{
    ResizeLog formLog;
    ResizeLog pictureLog;
    auto *picture = get<QLabel>(QStringLiteral("Picture1"));
    m_form->installEventFilter(&formLog);
    picture->installEventFilter(&pictureLog);

    // Whole pixels at 96 dpi, so the sizes read back as set.
    m_form->setOuterSizeTwips(9990, 6995);
    QTRY_COMPARE(m_form->outerWidthTwips(), 12000);
    QTRY_COMPARE(m_form->outerHeightTwips(), 8300);
    // The three passes have arrived once the window reports them; no fixed wait.
    QTRY_COMPARE(formLog.sizes.size(), 3);
    m_form->removeEventFilter(&formLog);
    picture->removeEventFilter(&pictureLog);

    // The width comes back first, then the height; the preview is never given the small size.
    // The outer size is the widget's plus the window's fixed allowance for frame and caption.
    QStringList passes;
    for (const QSize &s : formLog.sizes)
        passes << QStringLiteral("%1x%2").arg(twipsOf(s.width()) + 120).arg(twipsOf(s.height()) + 440);
    QCOMPARE(passes, (QStringList{QStringLiteral("9990x6995"), QStringLiteral("12000x6995"),
                                  QStringLiteral("12000x8300")}));
    QVERIFY(pictureLog.sizes.isEmpty()); // it was 7700 x 7700 before and is again
    const int side = twipsToPixels(7700, m_form->logicalDpiY());
    QCOMPARE(picture->size(), QSize(side, side));
}

void TestForm2::previewFollowsWindowSize()
{
    auto *picture = get<QLabel>(QStringLiteral("Picture1"));
    m_form->setOuterSizeTwips(15000, 10000);
    const qreal dpi = m_form->logicalDpiY();
    QTRY_COMPARE(picture->size(), QSize(twipsToPixels(10700, dpi), twipsToPixels(9400, dpi)));
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), picture->contentsRect().size());

    // Minimised, the preview keeps its size.
    m_form->showMinimized();
    QTRY_VERIFY(m_form->isMinimized());
    QCOMPARE(picture->size(), QSize(twipsToPixels(10700, dpi), twipsToPixels(9400, dpi)));
}

// Renders a PDF page at 254 dpi (10 pixels to the millimetre) and returns the bounding box of its
// dark pixels.
static QRect darkBox(const QString &pdf, QSize *pageSize)
{
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, prefix});
    const QImage image(prefix + QStringLiteral(".png"));
    *pageSize = image.size();
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *line =
            reinterpret_cast<const QRgb *>(image.convertToFormat(QImage::Format_RGB32).constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void TestForm2::printsTrueMillimetres_data()
{
    QTest::addColumn<int>("widthClicks");  // up-arrow clicks on the frame width from 121
    QTest::addColumn<int>("heightClicks"); // down-arrow clicks on the frame height from 121
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("toPdf"); // "PDF保存..." instead of the printer
    QTest::newRow("default 121 x 121 at zoom 1.0") << 0 << 0 << 10 << false;
    QTest::newRow("the zoom does not shrink the print") << 0 << 0 << 4 << false;
    QTest::newRow("125 x 118") << 4 << 3 << 7 << false;
    QTest::newRow("PDF 121 x 121 at zoom 1.0") << 0 << 0 << 10 << true;
    QTest::newRow("PDF 125 x 118 at zoom 0.4") << 4 << 3 << 4 << true;
}

void TestForm2::printsTrueMillimetres()
{
    QFETCH(int, widthClicks);
    QFETCH(int, heightClicks);
    QFETCH(int, zoom);
    QFETCH(bool, toPdf);
    // Short titles and no names, so the frame is the outermost ink.
    reopenWith(QString(), QString(), QStringLiteral("曲一\r\nTitle"));
    for (int i = 0; i < widthClicks; ++i)
        clickPart(get<SpinBar>(QStringLiteral("VScroll1(3)")), QStyle::SC_ScrollBarSubLine);
    for (int i = 0; i < heightClicks; ++i)
        clickPart(get<SpinBar>(QStringLiteral("VScroll1(4)")), QStyle::SC_ScrollBarAddLine);
    get<SpinBar>(QStringLiteral("HScroll1"))->setSetting(zoom);

    const QString pdf = m_fx->path(QStringLiteral("jacket.pdf"));
    produce(pdf, toPdf);
    QCOMPARE(m_fx->platform.printerDialogs, toPdf ? 0 : 1);
    QVERIFY(m_fx->platform.messages.isEmpty());
    QVERIFY(QFileInfo::exists(pdf));
    // Written beside the target and renamed: nothing else is left in the folder.
    QCOMPARE(QDir(m_fx->dir.path()).entryList({QStringLiteral("jacket*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("jacket.pdf")});

    QSize page;
    const QRect box = darkBox(pdf, &page);
    QVERIFY2(!box.isEmpty(), "nothing printed");
    // A4 portrait, 10 pixels to the millimetre, the frame within a pixel or two of its size.
    QVERIFY(qAbs(page.width() - 2100) <= 2 && qAbs(page.height() - 2970) <= 2);
    const int w = (121 + widthClicks) * 10;
    const int h = (121 - heightClicks) * 10;
    QVERIFY2(qAbs(box.width() - w) <= 2, qPrintable(QStringLiteral("width %1").arg(box.width())));
    QVERIFY2(qAbs(box.height() - h) <= 2, qPrintable(QStringLiteral("height %1").arg(box.height())));
    if (toPdf) {
        // No printer margins: the frame's corner is at its margins from the sheet's corner.
        QVERIFY2(qAbs(box.left() - 100) <= 2 && qAbs(box.top() - 100) <= 2,
                 qPrintable(QStringLiteral("at %1, %2").arg(box.left()).arg(box.top())));
        QCOMPARE(m_fx->platform.fileDialogs.size(), 1);
        QVERIFY(m_fx->platform.fileDialogs.constFirst().save);
        QCOMPARE(m_fx->platform.fileDialogs.constFirst().filter, QStringLiteral("PDFファイル(*.pdf)"));
        QCOMPARE(m_fx->platform.fileDialogs.constFirst().title, QStringLiteral("PDF保存"));
        QCOMPARE(m_fx->platform.fileDialogs.constFirst().defaultSuffix, QStringLiteral("pdf"));
    }
}

void TestForm2::printKeepsDialogOrientation()
{
    const QString pdf = m_fx->path(QStringLiteral("landscape.pdf"));
    m_fx->platform.queuePrinterDialog(true, [pdf](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(2);
    });
    QTest::mouseClick(get<QPushButton>(QStringLiteral("Command4")), Qt::LeftButton);
    QSize page;
    const QRect box = darkBox(pdf, &page);
    QVERIFY(page.width() > page.height());
    QVERIFY(qAbs(box.width() - 1210) <= 2);
}

void TestForm2::printsJapaneseAsText_data()
{
    QTest::addColumn<int>("typefaceClicks"); // down-arrow clicks on the title typeface from index 2
    QTest::addColumn<QString>("font");       // the font embedded for it
    QTest::addColumn<bool>("toPdf");
    QTest::newRow("ＭＳ ゴシック") << -1 << QStringLiteral("IPAGothic") << false;
    QTest::newRow("ＭＳ Ｐゴシック") << 0 << QStringLiteral("IPAPGothic") << false;
    QTest::newRow("ＭＳ 明朝") << 1 << QStringLiteral("IPAMincho") << false;
    QTest::newRow("ＭＳ Ｐ明朝") << 2 << QStringLiteral("IPAPMincho") << false;
    QTest::newRow("PDF ＭＳ Ｐゴシック") << 0 << QStringLiteral("IPAPGothic") << true;
    QTest::newRow("PDF ＭＳ 明朝") << 1 << QStringLiteral("IPAMincho") << true;
}

// The four typefaces print through the Japanese fonts installed here, as text a PDF reader finds
// again, and the first title's line box starts at the list's margins.
void TestForm2::printsJapaneseAsText()
{
    QFETCH(int, typefaceClicks);
    QFETCH(QString, font);
    QFETCH(bool, toPdf);
    reopenWith(QString(), QString(), QStringLiteral("春の歌\r\n夏"));
    auto *face = get<SpinBar>(QStringLiteral("VScroll4(2)"));
    for (int i = 0; i < qAbs(typefaceClicks); ++i)
        clickPart(face, typefaceClicks > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    // Not bold, so the printed font is the plain one.
    QTest::mouseClick(get<QCheckBox>(QStringLiteral("Check3(1)")), Qt::LeftButton);

    const QString pdf = m_fx->path(QStringLiteral("japanese.pdf"));
    // No margins: the drawable area, where the jacket's origin lies, is then the whole sheet.
    produce(pdf, toPdf,
            [](QPrinter &printer) { printer.setPageMargins(QMarginsF(), QPageLayout::Millimeter); });
    QVERIFY(QFileInfo::exists(pdf));
    QVERIFY(m_fx->platform.messages.isEmpty());

    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    QVERIFY(fonts.waitForFinished());
    const QString fontList = QString::fromUtf8(fonts.readAllStandardOutput());
    // Columns from the right: ID, object, uni, sub, emb.
    bool embedded = false;
    for (const QString &line : fontList.split(QLatin1Char('\n'))) {
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (line.contains(font) && columns.size() > 5)
            embedded = columns.at(columns.size() - 5) == QLatin1String("yes");
    }
    QVERIFY2(embedded, qPrintable(fontList));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString html = QString::fromUtf8(text.readAllStandardOutput());
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QStringList words;
    QList<double> left, top, bottom;
    for (const QRegularExpressionMatch &m : word.globalMatch(html)) {
        words << m.captured(4);
        left << m.captured(1).toDouble() * 25.4 / 72;
        top << m.captured(2).toDouble() * 25.4 / 72;
        bottom << m.captured(3).toDouble() * 25.4 / 72;
    }
    QCOMPARE(words, (QStringList{QStringLiteral("春の歌"), QStringLiteral("夏")}));
    // Both lines at the list's left margin, the first at its top margin (within a millimetre), the
    // second one line of the 14-point font (about 5 mm) further down.
    QVERIFY2(qAbs(left[0] - 35) < 1 && qAbs(left[1] - 35) < 1, qPrintable(QString::number(left[0])));
    QVERIFY2(qAbs(top[0] - 35) < 1, qPrintable(QString::number(top[0])));
    const double step = top[1] - top[0];
    QVERIFY2(step > 4.5 && step < 6.5, qPrintable(QString::number(step)));
    QVERIFY2(bottom[0] - top[0] > 4 && bottom[0] - top[0] < 6.5,
             qPrintable(QString::number(bottom[0] - top[0])));
}

void TestForm2::cancelledDialogDoesNothing_data()
{
    QTest::addColumn<bool>("toPdf");
    QTest::newRow("printer dialog") << false;
    QTest::newRow("PDF save dialog") << true;
}

void TestForm2::cancelledDialogDoesNothing()
{
    QFETCH(bool, toPdf);
    bool chosen = false;
    if (!toPdf)
        m_fx->platform.queuePrinterDialog(false, [&chosen](QPrinter &) { chosen = true; });
    else
        m_fx->platform.queueCancelledFileDialog();
    QTest::mouseClick(get<QPushButton>(toPdf ? QStringLiteral("Command5") : QStringLiteral("Command4")),
                      Qt::LeftButton);
    QCOMPARE(m_fx->platform.printerDialogs, toPdf ? 0 : 1);
    QCOMPARE(m_fx->platform.fileDialogs.size(), toPdf ? 1 : 0);
    QVERIFY(!chosen);
    QVERIFY(m_fx->platform.messages.isEmpty());
    QVERIFY(m_form->isVisible());
    QVERIFY(!m_fx->window->isEnabled());
    QCOMPARE(QDir(m_fx->dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("temp.dat")});
}

void TestForm2::failureIsReported_data()
{
    QTest::addColumn<QString>("target"); // what stands where the page goes
    QTest::addColumn<QString>("text");   // the box's text; a trailing "..." means any reason follows
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    const int stop = int(Platform::Icon::Stop);
    // Root creates files anywhere, but not under /proc, not below a regular file, not past a size limit.
    QTest::newRow("no printer: no dialog") << "no printer"
                                           << "プリンターが見つかりません。"
                                           << "VELNORA" << int(Platform::Icon::Exclamation);
    QTest::newRow("print that cannot start")
        << "/proc"
        << "印刷できませんでした。\r\n「/proc/velnora/jacket.pdf」に書き込めません。"
        << "VELNORA" << stop;
    QTest::newRow("PDF below a regular file") << "below a file"
                                              << "保存できませんでした。\r\n$PATH\r\n..."
                                              << "保存エラー" << stop;
    QTest::newRow("PDF onto a FIFO") << "fifo"
                                     << "保存できませんでした。\r\n$PATH\r\n通常のファイルではありません。"
                                     << "保存エラー" << stop;
    QTest::newRow("PDF through a link to a FIFO")
        << "link to fifo"
        << "保存できませんでした。\r\n$PATH\r\n通常のファイルではありません。"
        << "保存エラー" << stop;
    QTest::newRow("PDF past a file-size limit keeps the old file") << "size limit"
                                                                   << "保存できませんでした。\r\n$PATH\r\n..."
                                                                   << "保存エラー" << stop;
}

void TestForm2::failureIsReported()
{
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    reopenWith(QString(), QString(), QStringLiteral("曲一"));
    QString path = m_fx->path(QStringLiteral("jacket.pdf"));
    const QString fifo = m_fx->path(QStringLiteral("fifo"));
    bool toPdf = true;
    m_fx->platform.expectBox(); // the failure, checked below
    if (target == QLatin1String("no printer")) {
        m_fx->platform.setPrinterAvailable(false);
        QTest::mouseClick(get<QPushButton>(QStringLiteral("Command4")), Qt::LeftButton);
        QCOMPARE(m_fx->platform.printerDialogs, 0);
        toPdf = false;
    } else if (target == QLatin1String("/proc")) {
        path = QStringLiteral("/proc/velnora/jacket.pdf");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
        produce(path, false);
        QCOMPARE(m_fx->platform.printerDialogs, 1);
        toPdf = false;
    } else if (target == QLatin1String("below a file")) {
        m_fx->writeFile(QStringLiteral("file"), "x");
        path = m_fx->path(QStringLiteral("file/jacket.pdf"));
    } else if (target == QLatin1String("fifo") || target == QLatin1String("link to fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (target == QLatin1String("fifo"))
            path = fifo;
        else
            QVERIFY(QFile::link(fifo, path));
    } else {
        m_fx->writeFile(QStringLiteral("jacket.pdf"), "old");
    }
    if (toPdf && target == QLatin1String("size limit")) {
        // As a quota does: the write fails with EFBIG instead of ending the process.
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 2000;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        produce(path, true);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(m_fx->readFile(path), QByteArray("old"));
    } else if (toPdf) {
        produce(path, true);
    }

    QCOMPARE(m_fx->platform.messages.size(), 1);
    const ScriptedPlatform::Message m = m_fx->platform.messages.constFirst();
    text.replace(QLatin1String("$PATH"), path);
    if (text.endsWith(QLatin1String("...")))
        QVERIFY2(m.text.startsWith(text.chopped(3)) && m.text.size() > text.size(), qPrintable(m.text));
    else
        QCOMPARE(m.text, text);
    QCOMPARE(m.title, title);
    QCOMPARE(int(m.icon), icon);
    QCOMPARE(m.buttons, Platform::Buttons::Ok);
    QVERIFY(m_form->isVisible());
    // The pipe is still a pipe, and nothing was left beside the targets.
    if (QFileInfo::exists(fifo))
        QVERIFY(!QFileInfo(fifo).isFile());
    QStringList left = QDir(m_fx->dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.removeAll(QStringLiteral("temp.dat"));
    left.removeAll(QStringLiteral("file"));
    left.removeAll(QStringLiteral("fifo"));
    if (target == QLatin1String("size limit") || target == QLatin1String("link to fifo"))
        left.removeAll(QStringLiteral("jacket.pdf"));
    QCOMPARE(left, QStringList());
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
