#pragma once

namespace velnora
{

enum class EditType { En, Ja, EnJa };

} // namespace velnora
