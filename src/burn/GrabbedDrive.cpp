#include "burn/GrabbedDrive.h"

#include "burn/LibburnSession.h"

#include <QFile>

#include <libburn/libburn.h>

#include <atomic>
#include <cerrno>
#include <unistd.h>

using namespace burn;

namespace velnora::burning
{

namespace
{

const QString Emulated = QStringLiteral("stdio:");
std::atomic<int> grabbed{0};

// libburn's scan reports it is not done yet until it is.
void scanAll(burn_drive_info **infos, unsigned int *count)
{
    while (burn_drive_scan(infos, count) == 0)
        usleep(1002);
}

QString driveAddress(burn_drive_info *info)
{
    char adr[BURN_DRIVE_ADR_LEN] = {};
    return burn_drive_get_adr(info, adr) > 0 ? QString::fromLocal8Bit(adr) : QString();
}

} // namespace

int GrabbedDrive::held()
{
    return grabbed;
}

QList<DriveInfo> GrabbedDrive::scan()
{
    QList<DriveInfo> drives;
    burn_drive_info *infos = nullptr;
    unsigned int count = 0;
    scanAll(&infos, &count);
    for (unsigned int i = 0; i < count; ++i) {
        burn_drive_info &info = infos[i];
        drives.append({driveAddress(&info), QString::fromLatin1(info.vendor).trimmed(),
                       QString::fromLatin1(info.product).trimmed(),
                       QString::fromLatin1(info.revision).trimmed()});
        burn_drive_info_forget(&info, 0);
    }
    if (infos)
        burn_drive_info_free(infos);
    LibburnSession::takeMessages();
    return drives;
}

GrabbedDrive::GrabbedDrive(const QString &address, bool emulated, BurnOutcome &outcome)
{
    outcome.drive = address;
    if (address.isEmpty()) {
        // Every drive is held from the scan on: keep the first, let the others go at once.
        unsigned int count = 0;
        scanAll(&m_infos, &count);
        if (count == 0) {
            LibburnSession::fail(outcome, BurnOutcome::Failure::NoDrive);
            return;
        }
        outcome.drive = driveAddress(&m_infos[0]);
        for (unsigned int i = 1; i < count; ++i)
            burn_drive_info_forget(&m_infos[i], 0);
        if (burn_drive_grab(m_infos[0].drive, 1) != 1) {
            LibburnSession::fail(outcome, BurnOutcome::Failure::DriveBusy);
            return;
        }
        m_drive = m_infos[0].drive;
        ++grabbed;
        return;
    }

    QByteArray adr(BURN_DRIVE_ADR_LEN, '\0');
    if (address.startsWith(Emulated)) {
        if (!emulated) {
            LibburnSession::fail(outcome, BurnOutcome::Failure::NoDrive);
            return;
        }
        const QByteArray given = address.toLocal8Bit();
        if (given.size() >= BURN_DRIVE_ADR_LEN) {
            LibburnSession::fail(outcome, BurnOutcome::Failure::NoDrive);
            return;
        }
        adr = given + '\0';
    } else {
        // Links such as /dev/cdrom and other device files of the same drive become the address
        // libburn knows it by.
        QByteArray path = QFile::encodeName(address);
        if (path.size() >= BURN_DRIVE_ADR_LEN || burn_drive_convert_fs_adr(path.data(), adr.data()) <= 0) {
            LibburnSession::fail(outcome, BurnOutcome::Failure::NoDrive);
            return;
        }
    }
    const int result = burn_drive_scan_and_grab(&m_infos, adr.data(), 1);
    if (result == 1) {
        m_drive = m_infos[0].drive;
        ++grabbed;
        return;
    }
    // 0 is "not found"; a drive that is there but cannot be had is held by another program.
    int code = 0;
    outcome.messages += LibburnSession::takeMessages(&code);
    outcome.failure =
        result == 0 && code != EBUSY ? BurnOutcome::Failure::NoDrive : BurnOutcome::Failure::DriveBusy;
    if (m_infos) {
        burn_drive_info_free(m_infos);
        m_infos = nullptr;
    }
}

GrabbedDrive::~GrabbedDrive()
{
    if (m_drive) {
        burn_drive_release(m_drive, m_eject ? 1 : 0);
        --grabbed;
    }
    if (m_infos)
        burn_drive_info_free(m_infos);
}

MediumInfo GrabbedDrive::readMedium() const
{
    MediumInfo medium;
    if (!m_drive)
        return medium;
    // The status may take more than one look while the drive settles after loading.
    burn_disc_status status = burn_disc_get_status(m_drive);
    for (int i = 0; status == BURN_DISC_UNREADY && i < 50; ++i) {
        usleep(100000);
        status = burn_disc_get_status(m_drive);
    }
    switch (status) {
    case BURN_DISC_BLANK:
        medium.status = MediumInfo::Status::Blank;
        break;
    case BURN_DISC_APPENDABLE:
        medium.status = MediumInfo::Status::Appendable;
        break;
    case BURN_DISC_FULL:
        medium.status = MediumInfo::Status::Full;
        break;
    case BURN_DISC_EMPTY:
        medium.status = MediumInfo::Status::Empty;
        break;
    case BURN_DISC_UNSUITABLE:
        medium.status = MediumInfo::Status::Unsuitable;
        break;
    default:
        medium.status = MediumInfo::Status::Unknown;
        break;
    }
    char name[80] = {};
    if (burn_disc_get_profile(m_drive, &medium.profile, name) == 1)
        medium.profileName = QString::fromLatin1(name);
    medium.cd = medium.profile >= 0x08 && medium.profile <= 0x0a;
    medium.erasable = burn_disc_erasable(m_drive) == 1;
    medium.emulated = burn_drive_get_drive_role(m_drive) != 1;
    // libburn counts the free space in bytes of 2048 a sector, as for data.
    medium.freeFrames = static_cast<qint64>(burn_disc_available_space(m_drive, nullptr) / 2048);
    return medium;
}

} // namespace velnora::burning
