#pragma once

#include "jacket/JacketTextStyle.h"

#include <QString>

namespace velnora
{

// The range of one spin-controlled setting and the value it starts from.
struct SettingRange {
    int min;
    int max;
    int def;
};

namespace jacket
{
constexpr SettingRange FrameMargin{0, 50, 10};
constexpr SettingRange FrameSize{100, 150, 121};
constexpr SettingRange LineMargin{0, 50, 20};
constexpr SettingRange LineFontSize{9, 36, 20};
constexpr SettingRange ListMargin{0, 50, 35};
constexpr SettingRange ListFontSize{9, 36, 14};
constexpr SettingRange Typeface{1, 4, 2};
// Tenths: 4 is 0.4 times, 10 is 1.0 times.
constexpr SettingRange Zoom{4, 10, 10};

// The A4 portrait sheet the preview simulates, in millimetres.
constexpr double SheetWidth = 210.0;
constexpr double SheetHeight = 297.0;
} // namespace jacket

// Typeface names by their 1-based index; an index out of range gives an empty name.
QString typefaceName(int index);
// The index of a typeface name; 0 for a name that is none of them.
int typefaceIndex(const QString &name);

// The jacket settings: the cut frame, the album/artist line and the title list, in millimetres
// from the sheet's top-left corner and font sizes in points.
struct JacketSettings {
    int frameLeft = jacket::FrameMargin.def;
    int frameTop = jacket::FrameMargin.def;
    int frameWidth = jacket::FrameSize.def;
    int frameHeight = jacket::FrameSize.def;

    int lineLeft = jacket::LineMargin.def;
    int lineTop = jacket::LineMargin.def;
    JacketTextStyle lineStyle{typefaceName(jacket::Typeface.def), jacket::LineFontSize.def};

    int listLeft = jacket::ListMargin.def;
    int listTop = jacket::ListMargin.def;
    JacketTextStyle listStyle{typefaceName(jacket::Typeface.def), jacket::ListFontSize.def};
};

} // namespace velnora
