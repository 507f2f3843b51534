#pragma once

#include <QObject>

class QLineEdit;
class QMimeData;
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

    // The drop of data on Text1(index).
    void drop(int index, const QMimeData &data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int boxIndex(QObject *watched) const; // 1 to 3, 0 for anything else
    void insertText(int index, const QString &text);

    Session &m_session;
    CorePlatform &m_platform;
    QLineEdit *m_albumBox;
    QLineEdit *m_artistBox;
    QPlainTextEdit *m_titleBox;
    const QObject *m_titleViewport;
};

} // namespace velnora
