#pragma once

#include <QLineEdit>

namespace velnora
{

// The album and artist boxes: a paste with no text on the clipboard leaves the selection alone
// instead of deleting it.
class NameBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit NameBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace velnora
