#include "jacket/JacketPdf.h"

#include "files/FileAccess.h"
#include "jacket/DrawJacket.h"
#include "jacket/PainterSurface.h"
#include "messages/ProgramName.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace velnora
{

QByteArray jacketPdf(const JacketSettings &settings, const Document &document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(programName());
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
    const FileError error = writeFileAtomically(path, jacketPdf(settings, document), Links::Follow);
    if (error.failed()) {
        outcome.status = SaveOutcome::Status::WriteFailed;
        outcome.error = error;
    }
    return outcome;
}

} // namespace velnora
