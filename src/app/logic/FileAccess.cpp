#include "app/logic/FileAccess.h"

#include "text/NativePath.h"

#include <cerrno>
#include <clocale>
#include <cstring>
#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
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
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
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

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

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
    return QStringLiteral("通常のファイルではありません。");
}

QString overCapReason()
{
    return QStringLiteral("4MBを超えています。");
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
    QByteArray target = toNativePath(path);
    if (target.isEmpty())
        return failure(ENOENT);
    int code = 0;
    if (links == Links::Follow && !followLinks(target, code))
        return failure(code);
    struct stat st = {};
    const bool exists = ::lstat(target.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return failure(EISDIR);
    // The user's pipe or device would be replaced by a regular file; the program's own name may be
    // anything someone planted there, and the rename below replaces it without touching it.
    if (exists && links == Links::Follow && !S_ISREG(st.st_mode))
        return {ENODEV, notRegularReason()};

    QByteArray name = target;
    const qsizetype slash = name.lastIndexOf('/');
    name.insert(slash + 1, '.');
    name += ".XXXXXX";
    // mkostemp creates the file exclusively: never through a link someone put in its place.
    const Descriptor temp(::mkostemp(name.data(), O_CLOEXEC));
    if (temp.fd < 0)
        return failure(errno);
    const mode_t mode = exists && S_ISREG(st.st_mode) && links == Links::Follow ? (st.st_mode & 07777)
                        : links == Links::Follow                                ? newFileMode()
                                                                                : mode_t(0600);
    // A full disk or a file-size limit shows in a write or, on some file systems, only in fsync. The
    // program's own file needs no trip to the disk: it is read back and compared before it is used.
    if (::fchmod(temp.fd, mode) != 0 || !writeAll(temp.fd, bytes, code) ||
        (links == Links::Follow && ::fsync(temp.fd) != 0)) {
        if (code == 0)
            code = errno;
        ::unlink(name.constData());
        return failure(code);
    }
    if (::rename(name.constData(), target.constData()) != 0) {
        code = errno;
        ::unlink(name.constData());
        return failure(code);
    }
    return {};
}

} // namespace velnora
