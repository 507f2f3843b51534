#pragma once

#include <QString>
#include <QStringList>

namespace velnora
{

// How wide the attached track numbers are: fixed pads 1 to 9 with a zero, variable does not.
enum class NumberingMode { FixedNumbers, VariableNumbers };

// Which of the two track-number operations the group offers.
enum class TrackToolMode { DeleteByLength, AttachByKind };

// The counter's start value for a numbering mode: 0 for fixed, 2 for variable.
int counterStart(NumberingMode mode);

// CounterLabel: the text beside the counter, "v" or "v-(v+1)".
QString counterLabel(int counter, NumberingMode mode);

// How many characters "削除" cuts from line n (1-based): the counter covers the numbers up to 99, a
// line numbered 100 or more has one more digit for each further power of ten.
int cutLength(int counter, NumberingMode mode, int lineNumber);

// DeleteTrackNumbers over the snapshot's lines: cuts the leading number, drops blank lines, ends
// every line with CR LF.
QString deleteTrackNumbers(const QStringList &lines, int counter, NumberingMode mode);

struct AttachResult {
    QString text;
    int counter = 0; // the cut that takes the numbers off again with a one-character separator
};

// AttachTrackNumbers over the snapshot's lines: numbers every non-blank line by its position.
AttachResult attachTrackNumbers(const QStringList &lines, const QString &separator, NumberingMode mode);

// Which controls of the group are enabled, for the switch and the tool mode.
struct TrackToolEnables {
    bool options = false;   // Option4 .. Option7
    bool counter = false;   // VScroll1, Label2
    bool deleting = false;  // Command6
    bool separator = false; // Combo1
    bool attaching = false; // Command7
};

TrackToolEnables trackToolEnables(bool switchOn, TrackToolMode mode);

} // namespace velnora
