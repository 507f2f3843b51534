#pragma once

#include "disc/DiscLength.h"

#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <memory>

class QCheckBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QTreeWidget;

namespace velnora
{

class Platform;
class Session;

// The disc window: the layout's tracks beside their audio files, the disc's length against 74 and 80
// minutes, and the CD image. The files are the session's disc tracks; the window keeps no copy.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3(Session &session, Platform &platform);
    ~Form3() override;

    // Measures the files off this thread, behind a progress dialog, then adds them after the others.
    void addFiles(const QStringList &paths);
    void addWithDialog(); // "追加..."
    void removeSelected();
    void moveSelected(int step);
    void saveImage(); // "CDイメージ保存..."
    // Files are being measured or the image written.
    bool busy() const { return m_probe || m_writing; }

signals:
    void closed();
    // The image's progress, shown; the writing waits until it is.
    void imageProgress(int track, int percent);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Probe;
    void buildControls();
    void readLayout();
    void showTracks();
    void showButtons();
    void showWriting(int track, int percent);
    void probed(const std::shared_ptr<Probe> &probe);
    int selectedRow() const;

    Session &m_session;
    Platform &m_platform;
    QStringList m_titles; // of the layout's block shown: "ja" when there is one
    QStringList m_performers;
    int m_layoutTracks = 0;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QCheckBox *m_gaps = nullptr;
    QLabel *m_totals = nullptr;
    QPointer<QThread> m_probe;
    QPointer<QProgressDialog> m_probeProgress;
    QPointer<QProgressDialog> m_writeProgress;
    std::atomic<bool> m_cancelWrite{false};
    bool m_writing = false;
    int m_select = -1; // the row to select once the list is shown again
};

} // namespace velnora
