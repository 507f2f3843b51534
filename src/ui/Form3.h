#pragma once

#include "burn/DriveInfo.h"
#include "disc/DiscLength.h"

#include <QPointer>
#include <QStringList>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressDialog;
class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace velnora
{

namespace burning
{
class LibburnSession;
}
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
    // "書き込み": the disc burnt on the drive chosen, after erasing a written CD-RW when the user
    // agrees. The window stays live, the burning controls off, until it is over.
    void burn();
    // Looks for the drives again, off this thread, and reads what the chosen one holds.
    void refreshDrives();
    // The drives the list offers; the system's by default. An address starting "stdio:" is one of
    // libburn's pseudo-drives, which write to a file.
    using DriveLister = std::function<QList<burning::DriveInfo>()>;
    void setDriveLister(DriveLister lister) { m_lister = std::move(lister); }
    // Files are being measured, the image written, the drives looked at or the disc burnt.
    bool busy() const { return m_probe || m_writing || m_look || m_burning; }

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
    struct Look;
    void buildControls();
    void buildBurnControls(QVBoxLayout *layout);
    void looked(const std::shared_ptr<Look> &look);
    void showBurnControls();
    void enableBurnControls(bool on);
    // scan: the drives are looked for again; otherwise the chosen one's medium is read.
    void lookAtDrives(bool scan);
    QString chosenDrive() const;
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
    QComboBox *m_drive = nullptr;
    QComboBox *m_speed = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_burn = nullptr;
    QCheckBox *m_simulate = nullptr;
    QCheckBox *m_eject = nullptr;
    QLabel *m_medium = nullptr;
    // libburn stays initialised while the window is open: each look at a drive and each burn use it.
    std::unique_ptr<burning::LibburnSession> m_libburn;
    QList<burning::DriveInfo> m_drives;
    DriveLister m_lister;
    QPointer<QThread> m_look;
    bool m_burning = false;
    QPointer<QThread> m_probe;
    QPointer<QProgressDialog> m_probeProgress;
    QPointer<QProgressDialog> m_writeProgress;
    std::atomic<bool> m_cancelWrite{false};
    bool m_writing = false;
    int m_select = -1; // the row to select once the list is shown again
};

} // namespace velnora
