#include "ui/TitleToolsController.h"

#include "session/Session.h"
#include "ui/LineNumberModel.h"
#include "ui/TitleBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace velnora
{

namespace
{

template <typename T> T *named(QWidget *form, const QString &name)
{
    return form->findChild<T *>(name);
}

} // namespace

TitleToolsController::TitleToolsController(QWidget *form, Session &session)
    : QObject(form), m_session(session), m_list(named<QListView>(form, QStringLiteral("List1"))),
      m_lineNumbers(new LineNumberModel(this)), m_titleBox(named<TitleBox>(form, QStringLiteral("Text1(3)"))),
      m_switch(named<QCheckBox>(form, QStringLiteral("Check1"))),
      m_counter(named<QScrollBar>(form, QStringLiteral("VScroll1"))),
      m_counterLabel(named<QLabel>(form, QStringLiteral("Label2"))),
      m_separator(named<QComboBox>(form, QStringLiteral("Combo1"))),
      m_delete(named<QPushButton>(form, QStringLiteral("Command6"))),
      m_attach(named<QPushButton>(form, QStringLiteral("Command7")))
{
    for (int n = 4; n <= 7; ++n)
        m_option[n] = named<QRadioButton>(form, QStringLiteral("Option%1").arg(n));
    m_list->setModel(m_lineNumbers);
    m_separator->addItems(TrackTools::separators());

    // A press or a key changes the selection; a click on the entry already selected does not.
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selectingEntry && selectedEntry())
            m_session.highlightTitle(selectedEntry());
    });
    connect(m_list, &QListView::clicked, this, [this] {
        if (!m_selectingEntry && selectedEntry())
            m_session.highlightTitle(selectedEntry());
    });
    connect(named<QPushButton>(form, QStringLiteral("Command9(1)")), &QPushButton::clicked, this,
            [this] { m_session.moveTitle(selectedEntry(), MoveDirection::Up); });
    connect(named<QPushButton>(form, QStringLiteral("Command9(2)")), &QPushButton::clicked, this,
            [this] { m_session.moveTitle(selectedEntry(), MoveDirection::Down); });

    // The controls tell the session; the session's settings are shown back.
    connect(m_switch, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_showing)
            m_session.setTrackToolSwitch(on);
    });
    const struct {
        int option;
        void (*choose)(Session &);
    } choices[] = {
        {4, [](Session &s) { s.setNumberingMode(NumberingMode::FixedNumbers); }},
        {5, [](Session &s) { s.setNumberingMode(NumberingMode::VariableNumbers); }},
        {6, [](Session &s) { s.setTrackToolMode(TrackToolMode::DeleteByLength); }},
        {7, [](Session &s) { s.setTrackToolMode(TrackToolMode::AttachByKind); }},
    };
    for (const auto &c : choices) {
        connect(m_option[c.option], &QRadioButton::toggled, this, [this, choose = c.choose](bool on) {
            if (on && !m_showing)
                choose(m_session);
        });
    }
    connect(m_counter, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_showing)
            m_session.setCounter(value);
    });
    connect(m_counter, &QScrollBar::actionTriggered, this, &TitleToolsController::mirrorCounterAction);
    m_counter->installEventFilter(this);
    // An editable list reports typing as an edit and a choice as the current text.
    for (auto changed : {&QComboBox::currentTextChanged, &QComboBox::editTextChanged}) {
        connect(m_separator, changed, this, [this](const QString &text) {
            if (!m_showing)
                m_session.setSeparator(text);
        });
    }

    connect(m_delete, &QPushButton::clicked, &m_session, &Session::deleteTrackNumbers);
    connect(m_attach, &QPushButton::clicked, &m_session, &Session::attachTrackNumbers);
    connect(named<QPushButton>(form, QStringLiteral("Command8")), &QPushButton::clicked, &m_session,
            &Session::sortTitles);

    connect(&m_session, &Session::trackToolsChanged, this, &TitleToolsController::showTrackTools);
    // Any change of the document starts the column afresh, with no entry selected.
    connect(&m_session, &Session::titlesChanged, this, &TitleToolsController::rebuildLineNumbers);
    connect(&m_session, &Session::albumChanged, this, &TitleToolsController::rebuildLineNumbers);
    connect(&m_session, &Session::artistChanged, this, &TitleToolsController::rebuildLineNumbers);
    connect(&m_session, &Session::titleSelected, this, &TitleToolsController::showTitleSelection);
    connect(&m_session, &Session::entrySelected, this, &TitleToolsController::selectEntry);
    showTrackTools();
}

void TitleToolsController::showTrackTools()
{
    const TrackTools &t = m_session.trackTools();
    m_showing = true;
    m_switch->setChecked(t.switchOn());
    m_option[t.numbering() == NumberingMode::FixedNumbers ? 4 : 5]->setChecked(true);
    m_option[t.mode() == TrackToolMode::DeleteByLength ? 6 : 7]->setChecked(true);
    m_counter->setValue(t.counter());
    m_counterLabel->setText(t.counterLabel());
    if (m_separator->currentText() != t.separator())
        m_separator->setEditText(t.separator());
    const TrackToolEnables e = t.enables();
    for (int n = 4; n <= 7; ++n)
        m_option[n]->setEnabled(e.options);
    m_counter->setEnabled(e.counter);
    m_counterLabel->setEnabled(e.counter);
    m_delete->setEnabled(e.deleting);
    m_separator->setEnabled(e.separator);
    m_attach->setEnabled(e.attaching);
    m_showing = false;
}

void TitleToolsController::rebuildLineNumbers()
{
    m_list->clearSelection();
    m_list->setCurrentIndex(QModelIndex());
    m_lineNumbers->setCount(m_session.lineCount());
}

void TitleToolsController::mirrorCounterAction(int action)
{
    // The bar is drawn with 9 at its top, but QScrollBar's upper arrow, the bar above the handle
    // and the keys still step towards the minimum: turn each step round so the upper arrow counts up.
    // The step is taken from the value, not the moved position: at an end the position is clamped.
    int step = 0;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        step = -m_counter->singleStep();
        break;
    case QAbstractSlider::SliderSingleStepSub:
        step = m_counter->singleStep();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        step = -m_counter->pageStep();
        break;
    case QAbstractSlider::SliderPageStepSub:
        step = m_counter->pageStep();
        break;
    default:
        return;
    }
    m_counter->setSliderPosition(m_counter->value() + step);
}

bool TitleToolsController::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel turned away from the user raises the counter, as the upper arrow does.
    if (event->type() == QEvent::Wheel && watched == m_counter && m_counter->isEnabled()) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        m_wheelTurn += wheel->inverted() ? -wheel->angleDelta().y() : wheel->angleDelta().y();
        const int steps = m_wheelTurn / QWheelEvent::DefaultDeltasPerStep;
        m_wheelTurn -= steps * QWheelEvent::DefaultDeltasPerStep;
        if (steps != 0)
            m_counter->setValue(m_counter->value() + steps * m_counter->singleStep());
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<int> TitleToolsController::selectedEntry() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first().row() + 1;
}

void TitleToolsController::selectEntry(int entry)
{
    m_selectingEntry = true;
    m_list->setFocus();
    m_list->setCurrentIndex(m_lineNumbers->index(entry - 1, 0));
    m_selectingEntry = false;
}

void TitleToolsController::showTitleSelection(qsizetype start, qsizetype length)
{
    m_titleBox->selectTitles(m_session.titles(), start, length);
}

} // namespace velnora
