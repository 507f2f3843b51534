#pragma once

#include "titles/TitleList.h"
#include "titles/TrackNumbers.h"

#include <QCollator>
#include <QObject>
#include <optional>

namespace velnora
{

class MainWindow;

// The title tools: the line-number column, the move buttons, the track-number group and the sort.
class TitleToolsController : public QObject
{
    Q_OBJECT

public:
    explicit TitleToolsController(MainWindow *window);

    // Puts the track-number group into the start configuration of Check1's state.
    void applyTrackToolSwitch();

    void highlightTitle();                   // the selected entry's line, selected in the title box
    void moveTitle(MoveDirection direction); // "▲" / "▼"
    void listHihyoji();                      // shows or hides the column by the number of lines
    void deleteTrackNumbers();               // "削除"
    void attachTrackNumbers();               // "添付"
    void sortTitles();                       // "ソート"

    NumberingMode numberingMode() const;
    TrackToolMode toolMode() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<int> selectedEntry() const;
    void selectEntry(int entry);
    void chooseNumberingMode(NumberingMode mode);
    void applyEnables();
    void refreshCounterLabel();
    void mirrorCounterAction(int action);

    MainWindow *m_window;
    QCollator m_collator;
    bool m_selectingEntry = false;
    int m_wheelTurn = 0; // wheel angle not yet worth a whole step
};

} // namespace velnora
