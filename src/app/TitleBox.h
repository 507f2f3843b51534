#pragma once

#include <QPlainTextEdit>

namespace velnora
{

// The title box: every break a user makes is a title break, so Shift+Enter and pasted
// line separators never hide a second title inside one line.
class TitleBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TitleBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
};

} // namespace velnora
