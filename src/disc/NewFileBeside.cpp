#include "disc/NewFileBeside.h"

#include "files/FileAccess.h"
#include "text/NativePath.h"

#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velnora::disc
{

NewFileBeside::NewFileBeside(const QString &target) : m_target(toNativePath(target))
{
    const qsizetype slash = m_target.lastIndexOf('/');
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_name = m_target;
        m_name.insert(slash + 1, '.');
        m_name += '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        // O_EXCL with O_NOFOLLOW: a name someone planted, link or not, is never opened.
        m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_fd >= 0 || errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_error = errno;
        m_name.clear();
    }
}

NewFileBeside::~NewFileBeside()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_name.isEmpty())
        ::unlink(m_name.constData());
}

bool NewFileBeside::write(const char *data, qint64 size)
{
    if (m_error != 0 || m_fd < 0)
        return false;
    return writeFully(m_fd, data, size, m_error);
}

bool NewFileBeside::finish()
{
    if (m_error != 0 || m_fd < 0)
        return false;
    // A full disk shows, on some file systems, only in fsync or close.
    if (::fsync(m_fd) != 0)
        m_error = errno;
    if (::close(m_fd) != 0 && m_error == 0)
        m_error = errno;
    m_fd = -1;
    return m_error == 0;
}

bool NewFileBeside::commit()
{
    if (m_error != 0 || m_fd >= 0 || m_name.isEmpty())
        return false;
    if (::rename(m_name.constData(), m_target.constData()) != 0) {
        m_error = errno;
        return false;
    }
    m_committed = true;
    return true;
}

} // namespace velnora::disc
