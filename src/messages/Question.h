#pragma once

namespace velnora
{

// What the session asks the user; the platform words it from the catalogue.
enum class Question {
    ClearFilled, // before "クリア" of filled fields (OK / Cancel)
    Overwrite,   // before "保存" replaces the current file
    EnableSave,  // releasing a mouse button over "終了"
    EditTypeEn,  // the edit type, before "編集"
    EditTypeJa,
    EditTypeEnJa,
};

} // namespace velnora
