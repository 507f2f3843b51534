#pragma once

#include <QString>

namespace velnora
{

enum class BoxIcon { None, Stop, Question, Exclamation, Information };
enum class BoxButtons { Ok, OkCancel, YesNo };
// The answers keep the classic codes, since the program's logic was written against them.
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// One message box as the user reads it. An empty title shows the program's name.
struct Box {
    QString text; // lines separated by CR LF
    QString title;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

} // namespace velnora
