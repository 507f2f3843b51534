#pragma once

#include <QObject>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace velnora
{

class LineNumberModel;
class TitleBox;
class Session;

// The title tools' controls bound to the session: the line-number column, the move buttons, the
// track-number group and the sort.
class TitleToolsController : public QObject
{
    Q_OBJECT

public:
    TitleToolsController(QWidget *form, Session &session);

    // The selected entry of the line-number column (1-based), if any.
    std::optional<int> selectedEntry() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTrackTools();
    void showTitleSelection(qsizetype start, qsizetype length);
    void selectEntry(int entry);
    void rebuildLineNumbers();
    void mirrorCounterAction(int action);

    Session &m_session;
    QListView *m_list;
    LineNumberModel *m_lineNumbers;
    TitleBox *m_titleBox;
    QCheckBox *m_switch;
    QRadioButton *m_option[8] = {};
    QScrollBar *m_counter;
    QLabel *m_counterLabel;
    QComboBox *m_separator;
    QPushButton *m_delete;
    QPushButton *m_attach;
    bool m_selectingEntry = false;
    bool m_showing = false;
    int m_wheelTurn = 0; // wheel angle not yet worth a whole step
};

} // namespace velnora
