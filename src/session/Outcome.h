#pragma once

#include "burn/BurnOutcome.h"
#include "disc/CueSheetIn.h"
#include "disc/DiscRefusal.h"
#include "disc/ImageWriter.h"
#include "edit/CharacterCheck.h"
#include "edit/InputCheck.h"
#include "files/CdTextFile.h"
#include "files/FileAccess.h"
#include "files/TextSave.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace velnora
{

// A character "編集" refused, and where it stands as a person counts: line and character from 1.
struct RejectedPlace {
    RejectedCharacter character;
    int line = 1;
    qsizetype column = 1;
};

// What a session command came to. The faces word it: the window as boxes, the converter as lines.
struct Outcome {
    enum class Kind { Done, Refused, Cancelled, Failed };
    // The command that gave it: a file that cannot be read is told differently at start-up, on
    // "開く" and on a drop.
    enum class Command { StartUp, Open, Drop, Edit, Save, Export, Import, CdImage, Burn };
    // Which check refused.
    enum class Refusal {
        None,
        OtherInstance,     // another instance runs: the caller ends the process
        InputMissing,      // input: which field
        EditDeclined,      // the edit type was not confirmed
        CharacterRejected, // rejected: the character and its place
        TooLarge,          // file: over the command's cap
        Unencodable,       // unencodable: cp932 cannot hold these characters
        NotCdText,         // cdText: the layout cannot be CD-TEXT (overLimit: for the disc's capacity)
        NoAudio,           // Import: not one of the files gave tags (skipped names them)
        CueSheet,          // Open: the cue sheet was not taken (cue says why)
        DiscRefused,       // discRefusals: what the disc's check found, every one
    };

    Kind kind = Kind::Done;
    Command command = Command::Open;
    Refusal refusal = Refusal::None;
    QString file;    // the file read or written
    FileError error; // Failed: the system's error
    InputProblem input = InputProblem::None;
    std::optional<RejectedPlace> rejected;
    QList<RefusedCharacter> unencodable;
    // Export: the check and what became of the write (its box, the blocks' use). Edit done: the
    // check of the new layout, which warns when it is over a limit of the disc.
    CdTextFileOutcome cdText;
    // A file read: its lines as read, before the document took them.
    QStringList lines;
    // Import: the files left out, each "name: reason" in the catalogue's words.
    QStringList skipped;
    // Open of a cue sheet: what its reader said.
    CueProblem cue = CueProblem::None;
    int cueTrack = 0;
    // CdImage: why it was refused, and what became of the writing (its files, the failure).
    QList<disc::DiscRefusal> discRefusals;
    disc::ImageOutcome image;
    // Burn: what the drive came to (its failure, the medium, libburn's words); refused as CdImage is.
    burning::BurnOutcome burn;

    bool done() const { return kind == Kind::Done; }
    // Edit done over a limit of the disc.
    bool overCapacity() const { return command == Command::Edit && done() && cdText.overLimit; }

    static Outcome of(Kind kind, Command command)
    {
        Outcome o;
        o.kind = kind;
        o.command = command;
        return o;
    }
    static Outcome refusedBy(Command command, Refusal refusal)
    {
        Outcome o = of(Kind::Refused, command);
        o.refusal = refusal;
        return o;
    }
    static Outcome failedBy(Command command, const QString &file, const FileError &error)
    {
        Outcome o = of(Kind::Failed, command);
        o.file = file;
        o.error = error;
        return o;
    }
};

} // namespace velnora
