#pragma once

namespace velnora
{

// What one pass of the jacket window's size rule does. For SetWidth and SetHeight, width and
// height are the new outer size in twips; for Arrange they are the preview box's size in twips.
struct JacketSizeDecision {
    enum class Kind { Nothing, SetWidth, SetHeight, Arrange };
    Kind kind = Kind::Nothing;
    int width = 0;
    int height = 0;
};

namespace jacket
{
constexpr int MinOuterWidth = 12000;
constexpr int MinOuterHeight = 8300;
// Outer size less the preview box's size.
constexpr int PreviewWidthAllowance = 4300;
constexpr int PreviewHeightAllowance = 600;
} // namespace jacket

// One pass over the outer size in twips; a correction of one side ends the pass, and the size
// change it causes runs the next one.
JacketSizeDecision jacketSizeRule(int outerWidth, int outerHeight, bool minimised);

} // namespace velnora
