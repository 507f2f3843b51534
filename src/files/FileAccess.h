#pragma once

#include <QByteArray>
#include <QString>

namespace velnora
{

// What went wrong with a file: the system's error number and the reason in the user's language.
struct FileError {
    int code = 0; // errno; 0 when nothing went wrong
    QString reason;
    bool failed() const { return code != 0; }
};

// The bytes of a file read with a cap.
struct FileRead {
    QByteArray bytes;
    bool tooLarge = false; // the file holds more than the cap; bytes is then incomplete
    FileError error;       // the file could not be opened or read
    bool ok() const { return !tooLarge && !error.failed(); }
};

// The largest file that "開く" and the command line take: far more than the 99 titles of a disc
// hold, and small enough that a wrong file is refused at once instead of filling the memory.
constexpr qint64 OpenSizeCap = 4 * 1024 * 1024;

enum class Links {
    Follow, // a user's file: a link leads to the file it names
    Refuse, // the program's own file: a link is never read or written through
};

// Writes every byte to fd, going on after a short write or EINTR; false with errno in code.
bool writeFully(int fd, const char *data, qint64 size, int &code);

// The reason the system gives for errno in the user's locale (LC_MESSAGES), as the shell says it.
QString systemReason(int code);
// The reason for a path that is a folder, pipe or device.
QString notRegularReason();

// Reads a regular file, at most cap + 1 bytes (rounded up to whole 4 KiB blocks: some system files
// accept no other read sizes), whatever size the file claims. Opened without blocking, so a pipe
// or device is refused without waiting for it.
FileRead readFileBounded(const QString &path, qint64 cap, Links links);

// Replaces a file's content with bytes. With Links::Follow (the user's file) the path is first opened
// for writing as given, so the system decides as it does for any program, root included: links it
// does not follow (fs.protected_symlinks), files the user may not write, read-only and immutable
// files are refused with its reason, and only a regular file (or no file) is written. The user's
// own file with one name is replaced atomically: a new file beside it takes every byte, is flushed
// to the disk and renamed over it, so a full disk or a file-size limit (EFBIG) leaves it whole. A
// file of another owner, with more names, or in a folder that takes no new file is written in place,
// keeping its owner, mode and links; the space and the size limit are checked before it is cut, so a
// refusal leaves it whole too. A new file is made where a link leads.
// With Links::Refuse (the program's own file) the name itself is replaced by a new file and a
// planted link's target is never touched.
FileError writeFileAtomically(const QString &path, const QByteArray &bytes, Links links);

} // namespace velnora
