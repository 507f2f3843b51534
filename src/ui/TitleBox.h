#pragma once

#include <QPlainTextEdit>

namespace velnora
{

// The title box: every break a user makes is a title break, so Shift+Enter and pasted
// line separators never hide a second title inside one line. Tab moves the focus on: a TAB
// typed here would become a field of the layout.
class TitleBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TitleBox(QWidget *parent = nullptr);

    // Focuses the box and selects length characters from start, counted in the CR LF text it shows.
    void selectTitles(const QString &crLfText, qsizetype start, qsizetype length);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace velnora
