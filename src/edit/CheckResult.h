#pragma once

#include <QtGlobal>

namespace velnora
{

// The result of Hutekisetuchui. The edit goes on only when the unsigned value is below 2.
enum class CheckResult : quint8 { CheckPassed = 0, EnDeclined = 2, JaDeclined = 3, CharacterRejected = 255 };

inline bool editMayGoOn(CheckResult result)
{
    return static_cast<quint8>(result) < 2;
}

} // namespace velnora
