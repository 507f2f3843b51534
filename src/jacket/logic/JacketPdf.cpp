#include "jacket/logic/JacketPdf.h"

#include "jacket/logic/DrawJacket.h"
#include "jacket/logic/PainterSurface.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>

namespace velnora
{

QByteArray jacketPdf(const JacketSettings &settings, const Document &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("VELNORA"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                         QPageLayout::Millimeter));
        QPainter painter(&writer);
        PainterSurface surface(painter, writer.resolution() / 25.4, QSizeF(), QColor());
        DrawJacket(surface, 1.0, settings, document);
    }
    return bytes;
}

SaveOutcome saveJacketPdf(const QString &path, const JacketSettings &settings, const Document &document)
{
    SaveOutcome outcome;
    outcome.status = SaveOutcome::Status::WriteFailed;
    // A device or pipe would be replaced by a regular file of the same name.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        outcome.reason = QStringLiteral("通常のファイルではありません。");
        return outcome;
    }
    const QByteArray bytes = jacketPdf(settings, document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        outcome.reason = file.errorString();
        return outcome;
    }
    // commit() alone misses a write that fails while its buffer is flushed (a full disk).
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int code = errno;
        outcome.reason = code != 0 ? qt_error_string(code) : file.errorString();
        file.cancelWriting();
        return outcome;
    }
    if (!file.commit()) {
        outcome.reason = file.errorString();
        return outcome;
    }
    outcome.status = SaveOutcome::Status::Saved;
    return outcome;
}

} // namespace velnora
