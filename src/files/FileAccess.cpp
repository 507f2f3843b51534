#include "files/FileAccess.h"

#include "messages/FileMessages.h"
#include "text/NativePath.h"

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace velnora
{

namespace
{

constexpr qint64 Block = 4096;
constexpr qint64 ReadChunk = 16 * Block;
constexpr int MaxLinkDepth = 40; // as the kernel's own limit

FileError failure(int code)
{
    if (code == 0)
        return {};
    return {code, systemReason(code)};
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int d) : fd(d) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
};

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// The file a chain of links ends at; a dangling link ends at the name it gives.
bool followLinks(QByteArray &path, int &code)
{
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat st = {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), target.data(), static_cast<size_t>(target.size()));
        if (n < 0) {
            code = errno;
            return false;
        }
        target.truncate(n);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    code = ELOOP;
    return false;
}

bool writeAll(int fd, const QByteArray &bytes, int &code)
{
    return writeFully(fd, bytes.constData(), bytes.size(), code);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A new file beside target takes every byte, is flushed when sync says so and is then renamed onto
// target. With group (not -1) the new file is given that group as well. newOnly refuses (EEXIST) to
// replace a file that appeared at target meanwhile. noNewFile tells that the folder took no new file
// with these owners, so nothing was changed.
int replaceByRename(const QByteArray &target, const QByteArray &bytes, mode_t mode, gid_t group, bool sync,
                    bool newOnly, bool &noNewFile)
{
    QByteArray name = target;
    name.insert(name.lastIndexOf('/') + 1, '.');
    name += ".XXXXXX";
    // mkostemp creates the file exclusively: never through a link someone put in its place.
    const Descriptor temp(::mkostemp(name.data(), O_CLOEXEC));
    if (temp.fd < 0) {
        noNewFile = true;
        return errno;
    }
    struct stat made = {};
    if (group != gid_t(-1) && (::fstat(temp.fd, &made) != 0 ||
                               (made.st_gid != group && ::fchown(temp.fd, uid_t(-1), group) != 0))) {
        ::unlink(name.constData());
        noNewFile = true;
        return EPERM;
    }
    int code = 0;
    // A full disk or a file-size limit shows in a write or, on some file systems, only in fsync.
    // fchmod comes after fchown, which clears the set-id bits.
    if (::fchmod(temp.fd, mode) != 0 || !writeAll(temp.fd, bytes, code) || (sync && ::fsync(temp.fd) != 0)) {
        if (code == 0)
            code = errno;
        ::unlink(name.constData());
        return code;
    }
    const int done =
        newOnly ? ::renameat2(AT_FDCWD, name.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
                : ::rename(name.constData(), target.constData());
    // A file system without RENAME_NOREPLACE gets the plain rename.
    if (done != 0 && newOnly && (errno == EINVAL || errno == ENOSYS) &&
        ::rename(name.constData(), target.constData()) == 0)
        return 0;
    if (done != 0) {
        code = errno;
        ::unlink(name.constData());
        return code;
    }
    return 0;
}

// Writes over the opened file itself, so its owner, mode and every link to it stay. Whatever can be
// checked beforehand (the file-size limit, the blocks the bytes need) is, before the first change.
FileError writeInPlace(int fd, const struct stat &st, const QByteArray &bytes)
{
    const off_t size = bytes.size();
    rlimit limit = {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(size) > limit.rlim_cur)
        return failure(EFBIG);
    if (size > 0 && ::fallocate(fd, 0, 0, size) != 0) {
        const int code = errno;
        if (code != EOPNOTSUPP && code != ENOSYS) {
            // A reservation that failed part-way may have made the file longer.
            struct stat now = {};
            if (::fstat(fd, &now) == 0 && now.st_size != st.st_size)
                static_cast<void>(::ftruncate(fd, st.st_size));
            return failure(code);
        }
        // Blocks cannot be reserved here: at least the free space must hold what the file grows by.
        struct statvfs vfs = {};
        const qint64 held = qint64(st.st_blocks) * 512;
        if (::fstatvfs(fd, &vfs) == 0 && vfs.f_blocks > 0 && size > held &&
            qint64(vfs.f_bavail) * qint64(vfs.f_frsize) < size - held)
            return failure(ENOSPC);
    }
    int code = 0;
    if (::ftruncate(fd, size) != 0 || !writeAll(fd, bytes, code) || ::fsync(fd) != 0)
        return failure(code != 0 ? code : errno);
    return {};
}

// The user's file, written only where the system lets this user open it for writing by this path.
// again tells that the path changed while it was looked at.
FileError writeUserFile(const QByteArray &path, const QByteArray &bytes, bool &again)
{
    int code = 0;
    bool noNewFile = false;
    struct stat st = {};
    // The look follows links under the kernel's rules (fs.protected_symlinks), as the probe does.
    if (::stat(path.constData(), &st) != 0) {
        if (errno != ENOENT)
            return failure(errno);
        // No file yet: it is made where the last link leads, never over a file that appears meanwhile.
        QByteArray target = path;
        if (!followLinks(target, code))
            return failure(code);
        code = replaceByRename(target, bytes, newFileMode(), gid_t(-1), true, true, noNewFile);
        again = code == EEXIST;
        return failure(code);
    }
    // A folder, pipe or device is never opened: opening some devices already does something.
    if (S_ISDIR(st.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(st.st_mode))
        return {ENODEV, notRegularReason()};
    // The probe: permissions, links, read-only and immutable files decide, for root too.
    const Descriptor file(::open(path.constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0) {
        again = errno == ENOENT;
        return failure(errno);
    }
    struct stat opened = {};
    if (::fstat(file.fd, &opened) != 0)
        return failure(errno);
    if (!S_ISREG(opened.st_mode))
        return {ENODEV, notRegularReason()};
    if (opened.st_dev != st.st_dev || opened.st_ino != st.st_ino) {
        again = true;
        return failure(EEXIST);
    }
    // The user's own file with one name: a new file renamed over it, so a failure leaves it whole.
    QByteArray target = path;
    struct stat named = {};
    if (opened.st_uid == ::geteuid() && opened.st_nlink == 1 && followLinks(target, code) &&
        ::lstat(target.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
        named.st_ino == opened.st_ino) {
        code = replaceByRename(target, bytes, opened.st_mode & 07777, opened.st_gid, true, false, noNewFile);
        if (!noNewFile)
            return failure(code);
    }
    // Another's file, a file with more names, or a folder that takes no new file.
    return writeInPlace(file.fd, opened, bytes);
}

} // namespace

bool writeFully(int fd, const char *data, qint64 size, int &code)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, static_cast<size_t>(size - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            code = errno;
            return false;
        }
        done += n;
    }
    return true;
}

QString systemReason(int code)
{
    // The locale of the environment, not the C locale a library may have left set.
    const locale_t user = ::newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (!user) {
        char buffer[256] = {};
        return QString::fromLocal8Bit(::strerror_r(code, buffer, sizeof buffer));
    }
    const QString reason = QString::fromLocal8Bit(::strerror_l(code, user));
    ::freelocale(user);
    return reason;
}

QString notRegularReason()
{
    return messages::files::notRegular();
}

FileRead readFileBounded(const QString &path, qint64 cap, Links links)
{
    FileRead result;
    const QByteArray native = toNativePath(path);
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (links == Links::Refuse)
        flags |= O_NOFOLLOW;
    const Descriptor file(::open(native.constData(), flags));
    if (file.fd < 0) {
        result.error = failure(errno);
        return result;
    }
    struct stat st = {};
    if (::fstat(file.fd, &st) != 0) {
        result.error = failure(errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.error = {S_ISDIR(st.st_mode) ? EISDIR : ENODEV, notRegularReason()};
        return result;
    }
    // The size the file claims is not trusted: /proc files say 0 and never end.
    const qint64 limit = (cap + 1 + Block - 1) / Block * Block;
    QByteArray bytes;
    qint64 total = 0;
    while (total <= cap) {
        const qint64 want = qMin(ReadChunk, limit - total);
        bytes.resize(total + want);
        const ssize_t n = ::read(file.fd, bytes.data() + total, static_cast<size_t>(want));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = failure(errno);
            return result;
        }
        if (n == 0)
            break;
        total += n;
    }
    bytes.truncate(qMin(total, cap + 1));
    result.tooLarge = total > cap;
    result.bytes = bytes;
    return result;
}

FileError writeFileAtomically(const QString &path, const QByteArray &bytes, Links links)
{
    const QByteArray native = toNativePath(path);
    if (native.isEmpty())
        return failure(ENOENT);
    if (links == Links::Follow) {
        FileError error;
        bool again = true;
        for (int attempt = 0; again && attempt < 3; ++attempt) {
            again = false;
            error = writeUserFile(native, bytes, again);
        }
        return error;
    }
    struct stat st = {};
    if (::lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return failure(EISDIR);
    // The program's own name may be anything someone planted there: the rename replaces it without
    // touching it. The file needs no trip to the disk: it is read back and compared before it is used.
    bool noNewFile = false;
    return failure(replaceByRename(native, bytes, 0600, gid_t(-1), false, false, noNewFile));
}

} // namespace velnora
