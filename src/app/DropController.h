#pragma once

#include <QObject>

class QMimeData;
class QWidget;

namespace velnora
{

class MainWindow;

// Files and text dropped on the three document boxes.
class DropController : public QObject
{
    Q_OBJECT

public:
    explicit DropController(MainWindow *window);

    // The drop of data on Text1(index).
    void drop(int index, const QMimeData &data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int boxIndex(QObject *watched) const; // 1 to 3, 0 for anything else
    void appendFileNames(const QStringList &paths);
    void openDroppedFile(const QString &path);
    void insertText(int index, const QString &text);

    MainWindow *m_window;
    // The watched boxes, kept apart from the window: their events still arrive while the window is
    // being destroyed, when it can no longer be asked for them.
    const QObject *m_albumBox;
    const QObject *m_artistBox;
    const QObject *m_titleViewport;
};

} // namespace velnora
