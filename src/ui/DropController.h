#pragma once

#include "document/DropContents.h"

#include <QObject>
#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace velnora
{

class CorePlatform;
class Session;

// Files and text dropped on the three document boxes: the files go to the session, the text
// into the box that took it.
class DropController : public QObject
{
    Q_OBJECT

public:
    DropController(QWidget *form, Session &session, CorePlatform &platform);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int boxIndex(QObject *watched) const; // 1 to 3, 0 for anything else
    // What is dropped on Text1(index).
    void drop(int index, const DropContents &contents);
    void insertText(int index, const QString &text);

    Session &m_session;
    CorePlatform &m_platform;
    QLineEdit *m_albumBox;
    QLineEdit *m_artistBox;
    QPlainTextEdit *m_titleBox;
    const QObject *m_titleViewport;
    std::optional<bool> m_dragAccepted; // whether the drag over a box brings anything, read as it entered
};

} // namespace velnora
