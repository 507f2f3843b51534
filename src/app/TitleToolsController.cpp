#include "app/TitleToolsController.h"

#include "app/MainWindow.h"
#include "titles/SortTitles.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QWheelEvent>

namespace velnora
{

TitleToolsController::TitleToolsController(MainWindow *window)
    : QObject(window), m_window(window), m_collator(titleCollator())
{
    QListView *list = m_window->list1();
    // A press or a key changes the selection; a click on the entry already selected does not.
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selectingEntry && selectedEntry())
            highlightTitle();
    });
    connect(list, &QListView::clicked, this, [this] {
        if (!m_selectingEntry && selectedEntry())
            highlightTitle();
    });

    connect(m_window->command9(1), &QPushButton::clicked, this, [this] { moveTitle(MoveDirection::Up); });
    connect(m_window->command9(2), &QPushButton::clicked, this, [this] { moveTitle(MoveDirection::Down); });

    connect(m_window->check1(), &QCheckBox::toggled, this, [this] { applyTrackToolSwitch(); });
    connect(m_window->option(4), &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseNumberingMode(NumberingMode::FixedNumbers);
    });
    connect(m_window->option(5), &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseNumberingMode(NumberingMode::VariableNumbers);
    });
    connect(m_window->option(6), &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyEnables();
    });
    connect(m_window->option(7), &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            applyEnables();
    });

    QScrollBar *counter = m_window->vscroll1();
    connect(counter, &QScrollBar::valueChanged, this, [this] { refreshCounterLabel(); });
    connect(counter, &QScrollBar::actionTriggered, this, &TitleToolsController::mirrorCounterAction);
    counter->installEventFilter(this);

    connect(m_window->command(6), &QPushButton::clicked, this, [this] { deleteTrackNumbers(); });
    connect(m_window->command(7), &QPushButton::clicked, this, [this] { attachTrackNumbers(); });
    connect(m_window->command(8), &QPushButton::clicked, this, [this] { sortTitles(); });
}

NumberingMode TitleToolsController::numberingMode() const
{
    return m_window->option(5)->isChecked() ? NumberingMode::VariableNumbers : NumberingMode::FixedNumbers;
}

TrackToolMode TitleToolsController::toolMode() const
{
    return m_window->option(7)->isChecked() ? TrackToolMode::AttachByKind : TrackToolMode::DeleteByLength;
}

void TitleToolsController::applyTrackToolSwitch()
{
    const bool on = m_window->check1()->isChecked();
    if (on)
        m_window->delHenshumoji();
    m_window->option(4)->setChecked(true);
    m_window->option(6)->setChecked(true);
    m_window->vscroll1()->setValue(0);
    refreshCounterLabel();
    m_window->combo1()->setEditText(QStringLiteral("-"));
    m_window->henshumae();
    applyEnables();
}

void TitleToolsController::applyEnables()
{
    const TrackToolEnables e = trackToolEnables(m_window->check1()->isChecked(), toolMode());
    for (int n = 4; n <= 7; ++n)
        m_window->option(n)->setEnabled(e.options);
    m_window->vscroll1()->setEnabled(e.counter);
    m_window->label2()->setEnabled(e.counter);
    m_window->command(6)->setEnabled(e.deleting);
    m_window->combo1()->setEnabled(e.separator);
    m_window->command(7)->setEnabled(e.attaching);
}

void TitleToolsController::chooseNumberingMode(NumberingMode mode)
{
    m_window->vscroll1()->setValue(counterStart(mode));
    refreshCounterLabel();
}

void TitleToolsController::refreshCounterLabel()
{
    m_window->label2()->setText(counterLabel(m_window->vscroll1()->value(), numberingMode()));
}

void TitleToolsController::mirrorCounterAction(int action)
{
    // The bar is drawn with 9 at its top, but QScrollBar's upper arrow, the bar above the handle
    // and the keys still step towards the minimum: turn each step round so the upper arrow counts up.
    QScrollBar *counter = m_window->vscroll1();
    // The step is taken from the value, not the moved position: at an end the position is clamped.
    int step = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        step = -counter->singleStep();
        break;
    case QAbstractSlider::SliderSingleStepSub:
        step = counter->singleStep();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        step = -counter->pageStep();
        break;
    case QAbstractSlider::SliderPageStepSub:
        step = counter->pageStep();
        break;
    default:
        return;
    }
    counter->setSliderPosition(counter->value() + step);
}

bool TitleToolsController::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel turned away from the user raises the counter, as the upper arrow does. The type is
    // tested first: other events still arrive while the window is destroyed and cannot be asked.
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    QScrollBar *counter = m_window->vscroll1();
    if (watched == counter && counter->isEnabled()) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        m_wheelTurn += wheel->inverted() ? -wheel->angleDelta().y() : wheel->angleDelta().y();
        const int steps = m_wheelTurn / QWheelEvent::DefaultDeltasPerStep;
        m_wheelTurn -= steps * QWheelEvent::DefaultDeltasPerStep;
        if (steps != 0)
            counter->setValue(counter->value() + steps * counter->singleStep());
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<int> TitleToolsController::selectedEntry() const
{
    const QModelIndexList selected = m_window->list1()->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row() + 1;
}

void TitleToolsController::selectEntry(int entry)
{
    QListView *list = m_window->list1();
    m_selectingEntry = true;
    list->setFocus();
    list->setCurrentIndex(list->model()->index(entry - 1, 0));
    m_selectingEntry = false;
}

void TitleToolsController::highlightTitle()
{
    const QString text = m_window->titles();
    const Highlight h = velnora::highlightTitle(text, selectedEntry());
    if (h.appendLineBreak) {
        m_window->setTitles(text + QStringLiteral("\r\n"));
        return;
    }
    if (!h.selection)
        return;
    // The title box holds one position per line break where the text has CR LF.
    const qsizetype start = h.selection->start - text.left(h.selection->start).count(QStringLiteral("\r\n"));
    QPlainTextEdit *box = m_window->titleBox();
    box->setFocus();
    QTextCursor cursor(box->document());
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + h.selection->length), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

void TitleToolsController::moveTitle(MoveDirection direction)
{
    const Move move = velnora::moveTitle(m_window->titles(), selectedEntry(), direction);
    switch (move.kind) {
    case Move::Kind::NoChange:
        return;
    case Move::Kind::SelectOnly:
        highlightTitle();
        return;
    case Move::Kind::Moved:
        m_window->setTitles(move.text);
        selectEntry(move.entry);
        highlightTitle();
        return;
    }
}

void TitleToolsController::listHihyoji()
{
    const bool show = velnora::listHihyoji(m_window->listEntries());
    m_window->list1()->setVisible(show);
    m_window->command9(1)->setVisible(show);
    m_window->command9(2)->setVisible(show);
    // The layout rule has the last word, so the column never shows where no room was made for it.
    m_window->applyLayoutRule();
}

void TitleToolsController::deleteTrackNumbers()
{
    m_window->delHenshumoji();
    m_window->writeSnapshot(m_window->titles());
    const int counter = m_window->vscroll1()->value();
    m_window->setTitles(velnora::deleteTrackNumbers(m_window->snapshotLines(), counter, numberingMode()));
    listHihyoji();
}

void TitleToolsController::attachTrackNumbers()
{
    m_window->delHenshumoji();
    m_window->writeSnapshot(m_window->titles());
    const AttachResult result = velnora::attachTrackNumbers(
        m_window->snapshotLines(), m_window->combo1()->currentText(), numberingMode());
    m_window->setTitles(result.text);
    m_window->vscroll1()->setValue(result.counter);
    refreshCounterLabel();
    listHihyoji();
}

void TitleToolsController::sortTitles()
{
    m_window->henshumae();
    m_window->writeSnapshot(m_window->titles());
    m_window->delHenshumoji();
    bool &sortFlag = m_window->state().SortFlag;
    const SortResult result = velnora::sortTitles(m_window->titles(), sortFlag, m_collator);
    m_window->setTitles(result.text);
    sortFlag = result.sortFlag;
}

} // namespace velnora
