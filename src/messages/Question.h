#pragma once

#include <QString>

namespace velnora
{

// What the session asks the user; the platform words it from the catalogue.
struct Question {
    enum Kind {
        ClearFilled, // before "クリア" of filled fields (OK / Cancel)
        Overwrite,   // before "保存" replaces the current file
        EnableSave,  // releasing a mouse button over "終了"
        EditTypeEn,  // the edit type, before "編集"
        EditTypeJa,
        EditTypeEnJa,
        WriteNonJis,     // before the export writes characters some readers cannot show (OK / Cancel)
        DiscOverWarning, // before a CD image over 74 minutes is written (OK / Cancel)
        BurnOverWarning, // before a disc over 74 minutes is burnt (OK / Cancel)
        EraseDisc,       // before a written CD-RW is erased to be burnt (Yes / No)
    };
    Question(Kind k, const QString &d = QString()) : kind(k), detail(d) {}

    Kind kind;
    QString detail; // WriteNonJis: the characters, as the warning after "編集" lists them;
                    // DiscOverWarning, BurnOverWarning: the disc's length as "m:ss";
                    // EraseDisc: the medium as the disc window shows it
};

} // namespace velnora
