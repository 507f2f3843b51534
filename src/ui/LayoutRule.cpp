#include "ui/LayoutRule.h"

namespace velnora
{

LayoutDecision layoutRule(const LayoutInput &in)
{
    LayoutDecision d;
    if (in.minimized)
        return d;
    if (in.width < MinimumWindowWidth) {
        d.kind = LayoutDecision::Kind::SetWidth;
        d.newSize = MinimumWindowWidth;
        return d;
    }
    if (in.height < MinimumWindowHeight) {
        d.kind = LayoutDecision::Kind::SetHeight;
        d.newSize = MinimumWindowHeight;
        return d;
    }
    d.kind = LayoutDecision::Kind::Arrange;
    Layout &l = d.layout;
    l.albumWidth = (in.width - 420) / 2;
    l.artistLeft = l.albumWidth + 210;
    if (in.listEntries > MaximumListEntriesShown || in.saveEnabled) {
        l.titleLeft = 105;
        l.titleWidth = in.width - 315;
        l.showList = false;
    } else {
        l.titleLeft = 465;
        l.titleWidth = in.width - 660;
        l.showList = true;
    }
    l.titleHeight = in.height - 4155;
    l.listHeight = l.titleHeight - 135;
    l.upTop = l.titleHeight + 750;
    l.downTop = l.titleHeight + 960;
    l.frame1Top = l.titleHeight + 1080;
    return d;
}

} // namespace velnora
