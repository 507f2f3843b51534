#pragma once

#include "titles/TrackNumbers.h"

#include <QString>
#include <QStringList>

namespace velnora
{

// The settings of the track-number group: the switch, fixed or variable numbers, delete or attach,
// the counter and the separator.
class TrackTools
{
public:
    // The separators offered, the first being the start one.
    static QStringList separators();

    bool switchOn() const { return m_switchOn; }
    NumberingMode numbering() const { return m_numbering; }
    TrackToolMode mode() const { return m_mode; }
    int counter() const { return m_counter; }
    QString separator() const { return m_separator; }

    void setSwitchOn(bool on) { m_switchOn = on; }
    void setMode(TrackToolMode mode) { m_mode = mode; }
    void setCounter(int counter) { m_counter = counter; }
    void setSeparator(const QString &separator) { m_separator = separator; }
    // A numbering mode chosen starts its counter afresh.
    void chooseNumbering(NumberingMode numbering);
    // The start configuration: fixed numbers, deleting, counter 0, separator "-".
    void reset();

    TrackToolEnables enables() const { return trackToolEnables(m_switchOn, m_mode); }
    QString counterLabel() const { return velnora::counterLabel(m_counter, m_numbering); }

private:
    bool m_switchOn = true;
    NumberingMode m_numbering = NumberingMode::FixedNumbers;
    TrackToolMode m_mode = TrackToolMode::DeleteByLength;
    int m_counter = 0;
    QString m_separator = QStringLiteral("-");
};

} // namespace velnora
