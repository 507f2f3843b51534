#pragma once

#include <QByteArray>
#include <QString>

namespace velnora::disc
{

// A new file made beside its target under a name of its own, filled, flushed to the disk and renamed
// onto the target only when told; removed otherwise. Made exclusively and never through a link.
class NewFileBeside
{
public:
    explicit NewFileBeside(const QString &target);
    ~NewFileBeside();
    NewFileBeside(const NewFileBeside &) = delete;
    NewFileBeside &operator=(const NewFileBeside &) = delete;

    int error() const { return m_error; } // errno of the first failure; 0 when none
    bool write(const char *data, qint64 size);
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    // fsync and close: every byte is on the disk or error() says why.
    bool finish();
    // Renames the finished file onto the target; from then on the target is the caller's to remove.
    bool commit();

private:
    QByteArray m_target;
    QByteArray m_name;
    int m_fd = -1;
    int m_error = 0;
    bool m_committed = false;
};

} // namespace velnora::disc
