#pragma once

#include "jacket/JacketSettings.h"

#include <QScrollBar>

namespace velnora
{

// A scroll bar used as a spin control over one setting. With highAtTop the largest value sits at
// the top end, so the up arrow adds 1; the bar then holds the negated value, which keeps the
// arrows, track clicks and thumb of the platform's own scroll bar moving the right way.
class SpinBar : public QScrollBar
{
    Q_OBJECT

public:
    SpinBar(Qt::Orientation orientation, const SettingRange &range, bool highAtTop, QWidget *parent);

    int setting() const;
    void setSetting(int value);

signals:
    // Reported on an arrow click, a track click or the release of a dragged thumb.
    void settingChanged(int value);

private:
    bool m_highAtTop;
};

} // namespace velnora
