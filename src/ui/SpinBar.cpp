#include "ui/SpinBar.h"

namespace velnora
{

SpinBar::SpinBar(Qt::Orientation orientation, const SettingRange &range, bool highAtTop, QWidget *parent)
    : QScrollBar(orientation, parent), m_highAtTop(highAtTop)
{
    if (highAtTop)
        setRange(-range.max, -range.min);
    else
        setRange(range.min, range.max);
    setSingleStep(1);
    setPageStep(1);
    // While the thumb is dragged nothing changes; its release reports the new value.
    setTracking(false);
    setSetting(range.def);
    connect(this, &QScrollBar::valueChanged, this, [this] { emit settingChanged(setting()); });
}

int SpinBar::setting() const
{
    return m_highAtTop ? -value() : value();
}

void SpinBar::setSetting(int v)
{
    setValue(m_highAtTop ? -v : v);
}

} // namespace velnora
