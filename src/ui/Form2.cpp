#include "ui/Form2.h"

#include "jacket/DrawJacket.h"
#include "jacket/JacketPdf.h"
#include "jacket/JacketSizeRule.h"
#include "jacket/PainterSurface.h"
#include "messages/Captions.h"
#include "messages/Messages.h"
#include "platform/Platform.h"
#include "ui/SpinBar.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>

namespace velnora
{

namespace
{

namespace c = messages::captions::jacketwindow;

// The program's sizes are outer sizes; like the main window, the frame and caption are a fixed
// allowance rather than whatever the window manager reports: 4-pixel sizable borders and a caption,
// 8 by 29 pixels at 96 dpi, so that the minimum outer size is a whole number of pixels there. The
// preview box then ends 80 twips inside the client area's right edge and 40 inside its bottom.
constexpr OuterFrame WindowFrame{120, 440};

constexpr int FieldHeight = 300;
constexpr int SpinWidth = 255;
constexpr int SpinHeight = 330;

QString indexed(const char *family, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(family)).arg(i);
}

} // namespace

Form2::Form2(const Document &document, Platform &platform)
    : QWidget(nullptr, Qt::Window), m_document(document), m_platform(platform)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(c::windowTitle());
    // Every opening starts from the defaults, so the window goes away with its settings.
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    setOuterSizeTwips(jacket::MinOuterWidth, jacket::MinOuterHeight);
    loadSteps();
    // A hidden window gets its resize event only when shown; the preview is wanted now.
    applySizeRule();
}

int Form2::px(int twips) const
{
    return twipsToPixels(twips, logicalDpiY());
}

void Form2::place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

QLabel *Form2::addLabel(QWidget *parent, const QString &text, int left, int top, int width)
{
    auto *label = new QLabel(text, parent);
    place(label, left, top + 30, width, 240);
    return label;
}

QLineEdit *Form2::addField(QWidget *parent, const QString &name, int left, int top, int width)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    place(field, left, top, width, FieldHeight);
    return field;
}

SpinBar *Form2::addSpin(QWidget *parent, const QString &name, const SettingRange &range, bool highAtTop,
                        int left, int top)
{
    auto *spin = new SpinBar(Qt::Vertical, range, highAtTop, parent);
    spin->setObjectName(name);
    place(spin, left, top - (SpinHeight - FieldHeight) / 2, SpinWidth, SpinHeight);
    return spin;
}

QCheckBox *Form2::addCheck(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(name);
    place(check, left, top, 750, 300);
    return check;
}

void Form2::bindValue(SpinBar *spin, QLineEdit *field, int *value)
{
    m_values.push_back({spin, field, value});
    connect(spin, &SpinBar::settingChanged, this, [this, value](int v) {
        *value = v;
        showSettings();
    });
}

void Form2::bindStyle(SpinBar *typefaceSpin, QLineEdit *typefaceField, QCheckBox *const checks[3],
                      JacketTextStyle *style)
{
    m_styles.push_back({typefaceSpin, typefaceField, {checks[0], checks[1], checks[2]}, style});
    connect(typefaceSpin, &SpinBar::settingChanged, this, [this, style](int v) {
        style->typeface = typefaceName(v);
        showSettings();
    });
    bool JacketTextStyle::*const flags[] = {&JacketTextStyle::bold, &JacketTextStyle::italic,
                                            &JacketTextStyle::underline};
    for (int i = 0; i < 3; ++i) {
        connect(checks[i], &QCheckBox::toggled, this, [this, style, flag = flags[i]](bool on) {
            style->*flag = on;
            showSettings();
        });
    }
}

void Form2::buildControls()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel"));
    place(panel, 50, 50, 4000, 5700);

    // The cut frame.
    auto *frameBox = new QGroupBox(c::frameGroup(), panel);
    frameBox->setObjectName(QStringLiteral("Frame1"));
    place(frameBox, 120, 250, 3800, 1300);
    // Row by row: the left margin and width, then the top margin and height.
    const struct {
        int index;
        QString (*label)();
        int labelLeft;
        int fieldLeft;
        int top;
        SettingRange range;
        int JacketSettings::*value;
    } frameRows[] = {
        {1, c::leftMargin, 150, 800, 250, jacket::FrameMargin, &JacketSettings::frameLeft},
        {3, c::frameWidth, 2000, 2600, 250, jacket::FrameSize, &JacketSettings::frameWidth},
        {2, c::topMargin, 150, 800, 650, jacket::FrameMargin, &JacketSettings::frameTop},
        {4, c::frameHeight, 2000, 2600, 650, jacket::FrameSize, &JacketSettings::frameHeight},
    };
    for (const auto &row : frameRows) {
        addLabel(frameBox, row.label(), row.labelLeft, row.top, 650);
        QLineEdit *field = addField(frameBox, indexed("Text1", row.index), row.fieldLeft, row.top, 600);
        SpinBar *spin =
            addSpin(frameBox, indexed("VScroll1", row.index), row.range, true, row.fieldLeft + 600, row.top);
        bindValue(spin, field, &(m_settings.*row.value));
        addLabel(frameBox, c::millimetres(), row.fieldLeft + 600 + SpinWidth + 30, row.top, 330);
    }

    auto *content = new QGroupBox(c::contentGroup(), panel);
    content->setObjectName(QStringLiteral("Frame2"));
    place(content, 100, 1700, 3800, 3300);

    // The album/artist line and the title list share one arrangement.
    struct Group {
        const char *textName;
        const char *spinName;
        const char *checkName;
        int typeface; // index into Text4 / VScroll4
        SettingRange margin;
        SettingRange fontSize;
        int JacketSettings::*left;
        int JacketSettings::*top;
        JacketTextStyle JacketSettings::*style;
    };
    const Group groups[] = {
        {"Text2", "VScroll2", "Check1", 1, jacket::LineMargin, jacket::LineFontSize,
         &JacketSettings::lineLeft, &JacketSettings::lineTop, &JacketSettings::lineStyle},
        {"Text3", "VScroll3", "Check3", 2, jacket::ListMargin, jacket::ListFontSize,
         &JacketSettings::listLeft, &JacketSettings::listTop, &JacketSettings::listStyle},
    };
    const QString captions[] = {c::lineGroup(), c::listGroup()};
    const int groupTops[] = {300, 1800};
    for (int g = 0; g < 2; ++g) {
        const Group &gr = groups[g];
        auto *box = new QGroupBox(captions[g], content);
        box->setObjectName(QStringLiteral("Frame%1").arg(3 + g));
        place(box, 100, groupTops[g], 3600, 1400);

        JacketTextStyle *style = &(m_settings.*gr.style);
        addLabel(box, c::leftMargin(), 150, 250, 650);
        QLineEdit *left = addField(box, indexed(gr.textName, 1), 800, 250, 600);
        bindValue(addSpin(box, indexed(gr.spinName, 1), gr.margin, true, 1400, 250), left,
                  &(m_settings.*gr.left));
        addLabel(box, c::millimetres(), 1400 + SpinWidth + 30, 250, 330);
        addLabel(box, c::fontSize(), 2000, 250, 600);
        QLineEdit *size = addField(box, indexed(gr.textName, 3), 2600, 250, 400);
        bindValue(addSpin(box, indexed(gr.spinName, 3), gr.fontSize, true, 3000, 250), size,
                  &style->fontSize);
        addLabel(box, c::points(), 3000 + SpinWidth + 30, 250, 300);

        addLabel(box, c::topMargin(), 150, 650, 650);
        QLineEdit *top = addField(box, indexed(gr.textName, 2), 800, 650, 600);
        bindValue(addSpin(box, indexed(gr.spinName, 2), gr.margin, true, 1400, 650), top,
                  &(m_settings.*gr.top));
        addLabel(box, c::millimetres(), 1400 + SpinWidth + 30, 650, 330);

        QLineEdit *face = addField(box, indexed("Text4", gr.typeface), 2000, 650, 1300);
        // The typeface spin keeps index 1 at its top end.
        SpinBar *faceSpin =
            addSpin(box, indexed("VScroll4", gr.typeface), jacket::Typeface, false, 3300, 650);
        QCheckBox *const checks[3] = {
            addCheck(box, indexed(gr.checkName, 1), c::bold(), 1100, 1000),
            addCheck(box, indexed(gr.checkName, 2), c::italic(), 1900, 1000),
            addCheck(box, indexed(gr.checkName, 3), c::underline(), 2700, 1000),
        };
        bindStyle(faceSpin, face, checks, style);
    }

    const struct {
        int n;
        QString (*caption)();
        int left;
        int width;
    } buttons[] = {
        {1, c::defaultsButton, 200, 800},
        {2, c::arrangeButton, 1100, 1000},
        {3, c::closeButton, 2200, 800},
        {4, c::printButton, 3100, 800},
    };
    for (const auto &b : buttons) {
        auto *button = new QPushButton(b.caption(), panel);
        button->setObjectName(QStringLiteral("Command%1").arg(b.n));
        place(button, b.left, 5100, b.width, 400);
        m_command[b.n] = button;
    }
    // Kept from the design but without an action.
    m_command[2]->hide();
    connect(m_command[1], &QPushButton::clicked, this, &Form2::resetDefaults);
    connect(m_command[3], &QPushButton::clicked, this, &Form2::close);
    connect(m_command[4], &QPushButton::clicked, this, &Form2::print);

    // Saving the page as a PDF needs no printer. Under "印刷...", in the free space below the zoom
    // strip, so that the window's minimum size and the preview stay as they are.
    auto *pdf = new QPushButton(c::pdfButton(), this);
    pdf->setObjectName(QStringLiteral("Command5"));
    place(pdf, 50 + 3100 - 300, 6650, 1100, 400);
    m_command[5] = pdf;
    connect(pdf, &QPushButton::clicked, this, &Form2::savePdf);

    // The zoom strip.
    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("ZoomStrip"));
    place(strip, 50, 5750, 4000, 800);
    auto *low = addLabel(strip, c::zoomLow(), 150, 80, 1500);
    low->setObjectName(QStringLiteral("Label5"));
    m_hscroll1 = new SpinBar(Qt::Horizontal, jacket::Zoom, false, strip);
    m_hscroll1->setObjectName(QStringLiteral("HScroll1"));
    place(m_hscroll1, 1650, 100, 1500, 255);
    m_hscroll1->setSetting(m_zoom);
    connect(m_hscroll1, &SpinBar::settingChanged, this, [this](int v) {
        m_zoom = v;
        refreshPreview();
    });
    auto *high = addLabel(strip, c::zoomHigh(), 3200, 80, 700);
    high->setObjectName(QStringLiteral("Label6"));
    auto *note = addLabel(strip, c::paperNote(), 150, 470, 3800);
    note->setObjectName(QStringLiteral("Label7"));

    m_picture1 = new QLabel(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFrameShape(QFrame::Panel);
    m_picture1->setFrameShadow(QFrame::Sunken);
    m_picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture1->move(px(4100), px(120));
}

void Form2::loadSteps()
{
    showSettings();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void Form2::showSettings()
{
    if (m_showing)
        return;
    // A control set here reports its value back, the same one unless the range clamps it.
    m_showing = true;
    for (const ValueBinding &b : m_values) {
        const int v = *b.value;
        b.spin->setSetting(v);
        b.field->setText(QString::number(v));
    }
    for (const StyleBinding &b : m_styles) {
        const JacketTextStyle style = *b.style;
        b.typefaceSpin->setSetting(typefaceIndex(style.typeface));
        b.typefaceField->setText(style.typeface);
        b.checks[0]->setChecked(style.bold);
        b.checks[1]->setChecked(style.italic);
        b.checks[2]->setChecked(style.underline);
    }
    m_showing = false;
    refreshPreview();
}

void Form2::resetDefaults()
{
    m_settings = JacketSettings();
    loadSteps();
}

JacketSettings Form2::settings() const
{
    return m_settings;
}

int Form2::zoom() const
{
    return m_zoom;
}

void Form2::refreshPreview()
{
    // Nothing to draw into while the window is still being built.
    if (!m_picture1)
        return;
    const QSize size = m_picture1->contentsRect().size();
    if (size.isEmpty())
        return;
    const qreal ratio = m_picture1->devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    QPainter painter(&pixmap);
    // The pixmap's own resolution also sizes the fonts, so millimetres and points agree.
    PainterSurface surface(painter, pixmap.logicalDpiY() / 25.4, QSizeF(size),
                           palette().color(QPalette::Button));
    RefreshPreview(surface, zoom(), settings(), m_document);
    painter.end();
    m_picture1->setPixmap(pixmap);
}

void Form2::print()
{
    Platform &platform = m_platform;
    // A dialog without a printer would print nothing and say nothing.
    if (!platform.printerAvailable()) {
        platform.show(messages::noPrinter());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!platform.printerDialog(this, printer))
        return;
    // The dialog has already put the copies and orientation on the printer. The jacket is one
    // page, so the page range is set to start at page 1 and end there.
    printer.setFromTo(1, 1);
    // Qt gives no reason of its own: name the printer, or the file a scripted dialog chose.
    const QString file = QDir::toNativeSeparators(printer.outputFileName());
    const QString name = printer.printerName();
    auto failed = [&](bool started) {
        using messages::PrintFailure;
        if (!file.isEmpty())
            platform.show(messages::printFailed(PrintFailure::File, file));
        else
            platform.show(messages::printFailed(started ? PrintFailure::Printer : PrintFailure::Start, name));
    };
    QPainter painter;
    if (!painter.begin(&printer)) {
        failed(false);
        return;
    }
    PainterSurface surface(painter, printer.resolution() / 25.4, QSizeF(), QColor());
    DrawJacket(surface, 1.0, settings(), m_document);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        failed(true);
}

void Form2::savePdf()
{
    Platform &platform = m_platform;
    const QString path =
        platform.saveFileName(c::pdfFilter(), QString(), c::pdfDialogTitle(), c::pdfSuffix());
    if (path.isEmpty())
        return;
    const SaveOutcome outcome = saveJacketPdf(path, settings(), m_document);
    if (!outcome.ok())
        platform.messageBox(saveErrorMessage(path, outcome), saveErrorTitle(), Platform::Icon::Stop,
                            Platform::Buttons::Ok);
}

int Form2::outerWidthTwips() const
{
    return WindowFrame.outerWidth(width(), logicalDpiY());
}

int Form2::outerHeightTwips() const
{
    return WindowFrame.outerHeight(height(), logicalDpiY());
}

void Form2::setOuterSizeTwips(int w, int h)
{
    resize(WindowFrame.clientWidth(w, logicalDpiY()), WindowFrame.clientHeight(h, logicalDpiY()));
}

void Form2::applySizeRule()
{
    const JacketSizeDecision d = jacketSizeRule(outerWidthTwips(), outerHeightTwips(), isMinimized());
    switch (d.kind) {
    case JacketSizeDecision::Kind::Nothing:
        break;
    case JacketSizeDecision::Kind::SetWidth:
        resize(WindowFrame.clientWidth(d.width, logicalDpiY()), height());
        break;
    case JacketSizeDecision::Kind::SetHeight:
        resize(width(), WindowFrame.clientHeight(d.height, logicalDpiY()));
        break;
    case JacketSizeDecision::Kind::Arrange:
        m_picture1->resize(px(d.width), px(d.height));
        refreshPreview();
        break;
    }
}

void Form2::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applySizeRule();
}

void Form2::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}

} // namespace velnora
