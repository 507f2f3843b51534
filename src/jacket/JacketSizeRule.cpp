#include "jacket/JacketSizeRule.h"

namespace velnora
{

JacketSizeDecision jacketSizeRule(int outerWidth, int outerHeight, bool minimised)
{
    using Kind = JacketSizeDecision::Kind;
    if (minimised)
        return {Kind::Nothing, outerWidth, outerHeight};
    if (outerWidth < jacket::MinOuterWidth)
        return {Kind::SetWidth, jacket::MinOuterWidth, outerHeight};
    if (outerHeight < jacket::MinOuterHeight)
        return {Kind::SetHeight, outerWidth, jacket::MinOuterHeight};
    return {Kind::Arrange, outerWidth - jacket::PreviewWidthAllowance,
            outerHeight - jacket::PreviewHeightAllowance};
}

} // namespace velnora
