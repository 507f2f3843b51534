#include "ui/Form3.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioTexts.h"
#include "burn/BurnTexts.h"
#include "burn/Drives.h"
#include "burn/LibburnSession.h"
#include "cdtext/LayoutBlocks.h"
#include "messages/Messages.h"
#include "platform/Platform.h"
#include "session/Session.h"
#include "text/Cp932.h"
#include "wording/OutcomeBoxes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <mutex>
#include <optional>

namespace velnora
{

namespace texts = messages::discwindow;

namespace
{

enum Column { Number, Title, Performer, File, Length, Problem };

QString blockText(const cdtext::CdTextBlock &block, const QByteArray &bytes)
{
    return block.doubleByte ? cp932::decode(bytes) : QString::fromLatin1(bytes);
}

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}

bool isPseudoDrive(const QString &address)
{
    return address.startsWith(QLatin1String("stdio:"));
}

QProgressDialog *burnProgress(QWidget *parent, bool stoppable)
{
    auto *progress = new QProgressDialog(QString(), texts::stopBurnCaption(), 0, 100, parent);
    progress->setWindowTitle(texts::burnTitle());
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    progress->setMinimumDuration(0);
    if (!stoppable)
        progress->setCancelButton(nullptr);
    progress->show();
    return progress;
}

} // namespace

// The drives looked for, and what the chosen one holds, on a thread of their own.
struct Form3::Look {
    DriveLister lister; // none: the drives known already are looked at again
    QString address;    // the drive to read; the first one when it is not among them
    QList<burning::DriveInfo> drives;
    burning::BurnOutcome medium;
};

// Files measured on a thread of their own; cancel is looked at between them.
struct Form3::Probe {
    QStringList paths;
    QList<disc::DiscTrack> tracks;
    std::atomic<bool> cancel{false};
};

Form3::Form3(Session &session, Platform &platform)
    : QWidget(nullptr, Qt::Window), m_session(session), m_platform(platform),
      m_libburn(std::make_unique<burning::LibburnSession>())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(texts::windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    readLayout();
    buildControls();
    connect(&m_session.disc(), &DiscTracks::changed, this, &Form3::showTracks);
    showTracks();
    resize(760, 480);
    // Once the caller had its chance to choose the drives offered.
    QTimer::singleShot(0, this, &Form3::refreshDrives);
}

Form3::~Form3()
{
    // A window closed with the program while files are measured waits for the one being read.
    if (m_probe) {
        m_probe->disconnect(this);
        m_probe->wait();
    }
    if (m_look) {
        m_look->disconnect(this);
        m_look->wait();
    }
}

void Form3::readLayout()
{
    const cdtext::LayoutBlocks layout = cdtext::layoutBlocks(m_session.titles());
    m_layoutTracks = layout.refusal == cdtext::Refusal::NotALayout ? 0 : layout.tracks;
    if (layout.blocks.isEmpty())
        return;
    const cdtext::CdTextBlock *shown = &layout.blocks.constFirst();
    for (const cdtext::CdTextBlock &block : layout.blocks) {
        if (block.tag == QLatin1String("ja"))
            shown = &block;
    }
    const QString performer = blockText(*shown, shown->artist);
    for (const QByteArray &title : shown->titles) {
        m_titles.append(blockText(*shown, title));
        m_performers.append(performer);
    }
}

void Form3::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setHeaderLabels(texts::columns());
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list);

    auto *buttons = new QHBoxLayout;
    auto button = [this, buttons](const QString &name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    QPushButton *add = button(QStringLiteral("追加"), texts::addCaption());
    m_remove = button(QStringLiteral("削除"), texts::removeCaption());
    m_up = button(QStringLiteral("上へ"), texts::upCaption());
    m_down = button(QStringLiteral("下へ"), texts::downCaption());
    buttons->addStretch();
    m_gaps = new QCheckBox(texts::gapsCaption(), this);
    m_gaps->setObjectName(QStringLiteral("Check1"));
    m_gaps->setChecked(m_session.disc().gaps());
    buttons->addWidget(m_gaps);
    layout->addLayout(buttons);

    auto *bottom = new QHBoxLayout;
    m_totals = new QLabel(this);
    m_totals->setObjectName(QStringLiteral("Label1"));
    m_totals->setAutoFillBackground(true);
    m_totals->setMargin(4);
    bottom->addWidget(m_totals, 1);
    auto *save = new QPushButton(texts::saveImageCaption(), this);
    save->setObjectName(QStringLiteral("イメージ保存"));
    bottom->addWidget(save);
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this, &Form3::addWithDialog);
    connect(m_remove, &QPushButton::clicked, this, &Form3::removeSelected);
    connect(m_up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(m_gaps, &QCheckBox::toggled, &m_session.disc(), &DiscTracks::setGaps);
    connect(save, &QPushButton::clicked, this, &Form3::saveImage);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &Form3::showButtons);
    buildBurnControls(layout);
}

void Form3::buildBurnControls(QVBoxLayout *layout)
{
    auto *drives = new QHBoxLayout;
    auto *driveLabel = new QLabel(texts::driveCaption(), this);
    drives->addWidget(driveLabel);
    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("Combo1"));
    m_drive->setMinimumContentsLength(24);
    m_drive->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    driveLabel->setBuddy(m_drive);
    drives->addWidget(m_drive);
    m_refresh = new QPushButton(texts::refreshCaption(), this);
    m_refresh->setObjectName(QStringLiteral("更新"));
    drives->addWidget(m_refresh);
    m_medium = new QLabel(this);
    m_medium->setObjectName(QStringLiteral("Label2"));
    drives->addWidget(m_medium, 1);
    layout->addLayout(drives);

    auto *options = new QHBoxLayout;
    auto *speedLabel = new QLabel(texts::speedCaption(), this);
    options->addWidget(speedLabel);
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("Combo2"));
    const QStringList speeds = texts::speeds();
    const int times[] = {0, 4, 8, 16, 24, 48};
    for (qsizetype i = 0; i < speeds.size() && i < qsizetype(std::size(times)); ++i)
        m_speed->addItem(speeds.at(i), times[i]);
    speedLabel->setBuddy(m_speed);
    options->addWidget(m_speed);
    m_simulate = new QCheckBox(texts::simulateCaption(), this);
    m_simulate->setObjectName(QStringLiteral("試し書き"));
    options->addWidget(m_simulate);
    m_eject = new QCheckBox(texts::ejectCaption(), this);
    m_eject->setObjectName(QStringLiteral("書き込み後に取り出す"));
    m_eject->setChecked(true);
    options->addWidget(m_eject);
    options->addStretch();
    m_burn = new QPushButton(texts::burnCaption(), this);
    m_burn->setObjectName(QStringLiteral("書き込み"));
    options->addWidget(m_burn);
    layout->addLayout(options);

    // Off until the drives were first looked for.
    enableBurnControls(false);
    m_medium->setText(texts::lookingForDrives());

    connect(m_refresh, &QPushButton::clicked, this, &Form3::refreshDrives);
    connect(m_burn, &QPushButton::clicked, this, &Form3::burn);
    // Another drive chosen: what it holds, without looking for the drives again.
    connect(m_drive, &QComboBox::activated, this, [this] { lookAtDrives(false); });
}

QString Form3::chosenDrive() const
{
    const int index = m_drive->currentIndex();
    return index >= 0 && index < m_drives.size() ? m_drives.at(index).address : QString();
}

void Form3::enableBurnControls(bool on)
{
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_drive, m_refresh, m_speed, m_simulate, m_eject, m_burn})
        control->setEnabled(on);
}

void Form3::showBurnControls()
{
    enableBurnControls(!m_look && !m_burning);
}

void Form3::refreshDrives()
{
    lookAtDrives(true);
}

void Form3::lookAtDrives(bool scan)
{
    if (m_look || m_burning)
        return;
    auto look = std::make_shared<Look>();
    if (scan)
        look->lister = m_lister ? m_lister : DriveLister(&burning::listDrives);
    else
        look->drives = m_drives;
    look->address = chosenDrive();
    m_medium->setText(scan ? texts::lookingForDrives() : texts::readingMedium());
    m_look = QThread::create([look] {
        if (look->lister)
            look->drives = look->lister();
        auto chosen =
            std::find_if(look->drives.cbegin(), look->drives.cend(),
                         [&look](const burning::DriveInfo &d) { return d.address == look->address; });
        if (chosen == look->drives.cend())
            look->address = look->drives.isEmpty() ? QString() : look->drives.constFirst().address;
        if (look->address.isEmpty()) {
            look->medium.failure = burning::BurnOutcome::Failure::NoDrive;
            return;
        }
        look->medium = burning::readMedium(look->address, isPseudoDrive(look->address));
    });
    connect(m_look, &QThread::finished, this, [this, look] { looked(look); });
    connect(m_look, &QThread::finished, m_look, &QObject::deleteLater);
    m_look->start();
    showBurnControls();
}

void Form3::looked(const std::shared_ptr<Look> &look)
{
    m_look = nullptr;
    if (look->lister) {
        m_drives = look->drives;
        m_drive->clear();
        for (const burning::DriveInfo &drive : m_drives)
            m_drive->addItem(burning::driveName(drive));
    }
    for (qsizetype i = 0; i < m_drives.size(); ++i) {
        if (m_drives.at(i).address == look->address)
            m_drive->setCurrentIndex(static_cast<int>(i));
    }
    m_medium->setText(burning::mediumText(look->medium));
    showBurnControls();
}

void Form3::showButtons()
{
    // Only a row with a file has something to remove or move.
    const int row = selectedRow();
    const int files = static_cast<int>(m_session.disc().tracks().size());
    m_remove->setEnabled(row >= 0 && row < files);
    m_up->setEnabled(row > 0 && row < files);
    m_down->setEnabled(row >= 0 && row + 1 < files);
}

int Form3::selectedRow() const
{
    QTreeWidgetItem *item = m_list->currentItem();
    return item ? m_list->indexOfTopLevelItem(item) : -1;
}

void Form3::showTracks()
{
    const DiscTracks &disc = m_session.disc();
    const QList<disc::DiscTrack> &tracks = disc.tracks();
    const int files = static_cast<int>(tracks.size());
    const int rows = std::max(m_layoutTracks, files);
    const int keep = m_select >= 0 ? m_select : selectedRow();
    m_select = -1;
    m_list->clear();
    for (int i = 0; i < rows; ++i) {
        auto *item = new QTreeWidgetItem(m_list);
        item->setText(Number, QString::number(i + 1));
        item->setTextAlignment(Number, Qt::AlignRight | Qt::AlignVCenter);
        if (i < m_titles.size()) {
            item->setText(Title, m_titles.at(i));
            item->setText(Performer, m_performers.at(i));
        }
        QString problem;
        if (i < files) {
            const disc::DiscTrack &track = tracks.at(i);
            item->setText(File, QFileInfo(track.path).fileName());
            item->setToolTip(File, track.path);
            if (track.audio.ok())
                item->setText(Length, disc::playingTime(track.audio.frames()));
            item->setTextAlignment(Length, Qt::AlignRight | Qt::AlignVCenter);
            if (!track.audio.ok())
                problem = audio::problemText(track.audio);
            else if (track.audio.samples < disc::MinTrackFrames * audio::SamplesPerFrame)
                problem = texts::tooShort();
            else if (i >= m_layoutTracks)
                problem = texts::noTrack();
        } else {
            problem = texts::noFile();
        }
        item->setText(Problem, problem);
        if (!problem.isEmpty())
            item->setForeground(Problem, QColor(192, 0, 0));
    }
    // Fitted to their texts, with room between the columns.
    for (int c = Number; c < Problem; ++c) {
        m_list->resizeColumnToContents(c);
        m_list->setColumnWidth(c, m_list->columnWidth(c) + m_list->fontMetrics().averageCharWidth() * 2);
    }
    if (keep >= 0 && keep < rows)
        m_list->setCurrentItem(m_list->topLevelItem(keep));
    showButtons();

    const disc::DiscLength length = disc.length();
    const int over = length.overLimit() ? 80 : length.overWarning() ? 74 : 0;
    m_totals->setText(texts::totals(m_layoutTracks, files, disc::playingTime(length.frames),
                                    disc.gaps() && files > 1, over));
    QPalette palette = this->palette();
    if (over == 80) {
        palette.setColor(QPalette::Window, QColor(255, 200, 200));
        palette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    } else if (over == 74) {
        palette.setColor(QPalette::Window, QColor(255, 240, 180));
        palette.setColor(QPalette::WindowText, QColor(120, 80, 0));
    }
    m_totals->setPalette(palette);
    if (m_gaps->isChecked() != disc.gaps())
        m_gaps->setChecked(disc.gaps());
}

void Form3::addWithDialog()
{
    const QStringList paths = m_platform.openFileNames(texts::audioFilter(), QString());
    if (!paths.isEmpty())
        addFiles(paths);
}

void Form3::addFiles(const QStringList &paths)
{
    if (paths.isEmpty() || busy())
        return;
    auto probe = std::make_shared<Probe>();
    probe->paths = paths;
    auto *progress = new QProgressDialog(texts::probing(), texts::cancelCaption(), 0,
                                         static_cast<int>(paths.size()), this);
    progress->setObjectName(QStringLiteral("長さ進行"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    // Shown once measuring takes a moment: WAV and FLAC files are told at once.
    progress->setMinimumDuration(500);
    progress->setValue(0);
    connect(progress, &QProgressDialog::canceled, this, [probe] { probe->cancel = true; });
    m_probeProgress = progress;
    // Decoding a lossy file through takes a while: the window stays live and the dialog takes the cancel.
    m_probe = QThread::create([this, probe] {
        for (qsizetype i = 0; i < probe->paths.size() && !probe->cancel; ++i) {
            const QString path = probe->paths.at(i);
            QMetaObject::invokeMethod(
                this,
                [this, i, name = QFileInfo(path).fileName()] {
                    if (m_probeProgress) {
                        m_probeProgress->setLabelText(texts::probingFile(name));
                        m_probeProgress->setValue(static_cast<int>(i));
                    }
                },
                Qt::QueuedConnection);
            probe->tracks.append({path, audio::probeAudio(path)});
        }
    });
    connect(m_probe, &QThread::finished, this, [this, probe] { probed(probe); });
    connect(m_probe, &QThread::finished, m_probe, &QObject::deleteLater);
    m_probe->start();
}

void Form3::probed(const std::shared_ptr<Probe> &probe)
{
    // A modal dialog's setValue runs the events, this one among them: it goes once that returns.
    if (m_probeProgress) {
        m_probeProgress->hide();
        m_probeProgress->deleteLater();
    }
    m_probe = nullptr;
    // Cancelled: none of them, so the tracks stay as the user last saw them.
    if (probe->cancel)
        return;
    m_select = static_cast<int>(m_session.disc().tracks().size());
    m_session.disc().append(probe->tracks);
    m_select = -1;
}

void Form3::removeSelected()
{
    const int row = selectedRow();
    if (row < 0 || busy())
        return;
    m_select = std::min(row, static_cast<int>(m_session.disc().tracks().size()) - 2);
    m_session.disc().remove(row);
    m_select = -1;
}

void Form3::moveSelected(int step)
{
    const int row = selectedRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_session.disc().tracks().size() || busy())
        return;
    m_select = to;
    m_session.disc().move(row, step);
    m_select = -1;
}

void Form3::showWriting(int track, int percent)
{
    if (!m_writeProgress) {
        auto *progress = new QProgressDialog(QString(), texts::cancelCaption(), 0, 100, this);
        progress->setObjectName(QStringLiteral("書き込み進行"));
        progress->setWindowTitle(messages::cdImageDialogTitle());
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setAutoReset(false);
        progress->setAutoClose(false);
        progress->setMinimumDuration(0);
        connect(progress, &QProgressDialog::canceled, this, [this] { m_cancelWrite = true; });
        m_writeProgress = progress;
        progress->show();
    }
    m_writeProgress->setLabelText(texts::writingTrack(track) + QStringLiteral("  %1%").arg(percent));
    m_writeProgress->setValue(percent);
    emit imageProgress(track, percent);
}

void Form3::saveImage()
{
    if (busy())
        return;
    m_cancelWrite = false;
    m_writing = true;
    // Told on the writer's thread; it goes on once the dialog shows it (and has seen a cancel).
    const disc::ImageProgress progress = [this](int track, int percent) {
        QMetaObject::invokeMethod(
            this, [this, track, percent] { showWriting(track, percent); }, Qt::BlockingQueuedConnection);
    };
    const Outcome outcome = m_session.saveCdImage(progress, &m_cancelWrite);
    m_writing = false;
    if (m_writeProgress) {
        m_writeProgress->hide();
        m_writeProgress->deleteLater();
    }
    showOutcome(m_platform, outcome);
}

void Form3::burn()
{
    if (busy() || m_look)
        return;
    m_burning = true;
    showBurnControls();
    burning::BurnOptions options;
    options.drive = chosenDrive();
    options.emulated = isPseudoDrive(options.drive);
    options.simulate = m_simulate->isChecked();
    options.speed = m_speed->currentData().toInt();
    options.eject = m_eject->isChecked();

    // Told on the drive's thread; the window looks at the latest now and then, and shows the
    // progress once the drive is at work (after the questions).
    struct Shared {
        std::mutex mutex;
        std::optional<burning::BurnProgress> latest;
    };
    auto shared = std::make_shared<Shared>();
    std::atomic<bool> cancel{false};
    // The erase and the write each have a dialog of their own; an erase once begun cannot be stopped.
    QPointer<QProgressDialog> erasing;
    QPointer<QProgressDialog> writing;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [this, shared, &erasing, &writing, &cancel] {
        std::optional<burning::BurnProgress> now;
        {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            now = shared->latest;
        }
        if (!now)
            return;
        const bool blanking = now->phase == burning::BurnProgress::Phase::Blanking;
        QPointer<QProgressDialog> &shown = blanking ? erasing : writing;
        if (!shown) {
            delete erasing; // the erase is over once the write begins
            shown = burnProgress(this, !blanking);
            if (blanking)
                shown->setObjectName(QStringLiteral("消去進行"));
            else
                shown->setObjectName(QStringLiteral("ディスク書き込み進行"));
            if (!blanking)
                connect(shown, &QProgressDialog::canceled, this, [&cancel] { cancel = true; });
        }
        shown->setLabelText(burning::progressText(*now));
        shown->setValue(now->percent);
    });
    poll.start(200);
    const Outcome outcome = m_session.burn(
        options,
        [shared](const burning::BurnProgress &now) {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->latest = now;
        },
        &cancel);
    poll.stop();
    for (QProgressDialog *dialog : {erasing.data(), writing.data()}) {
        if (dialog) {
            dialog->disconnect(this);
            delete dialog;
        }
    }
    showOutcome(m_platform, outcome);
    m_burning = false;
    showBurnControls();
    // What the drive holds now.
    if (outcome.command == Outcome::Command::Burn && outcome.kind != Outcome::Kind::Refused)
        refreshDrives();
}

void Form3::closeEvent(QCloseEvent *event)
{
    if (busy()) {
        event->ignore();
        return;
    }
    emit closed();
    QWidget::closeEvent(event);
}

void Form3::dragEnterEvent(QDragEnterEvent *event)
{
    if (!busy() && !localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form3::dropEvent(QDropEvent *event)
{
    const QStringList paths = localFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    addFiles(paths);
}

} // namespace velnora
