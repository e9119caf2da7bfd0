#pragma once
// Facts about the machine, read from Linux sources and shaped as the
// system-information component shows them. Every reader has a pure parser
// that takes the source text, so a missing file or field simply gives the
// "unknown" value (zero or empty) and tests can feed fixed text.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace Veltor {

// Drive types of DriveList entries.
enum TDriveType { dtRemovable = 2, dtFixed = 3, dtRemote = 4, dtCDRom = 5, dtRamDisk = 6 };

struct TMemoryFacts {
  quint64 TotalBytes = 0;      // 0 when unknown
  quint64 AvailableBytes = 0;  // never more than TotalBytes
  // Share of the memory in use, 0..100; 0 when the total is unknown.
  int LoadPercent() const;
};

// MemTotal and MemAvailable of a /proc/meminfo text (MemFree when the kernel
// is too old to report MemAvailable).
TMemoryFacts ParseMemInfo(const QString& text);

// The processor type number of a /proc/cpuinfo text: 386, 486, 586 or 686
// by the x86 family (6 and later count as 686); 0 for anything else.
int ParseProcessorType(const QString& text);

// "major.minor" of the operating system from its product version (as
// QSysInfo::productVersion gives it) and, when that has no minor number, the
// text of /etc/debian_version of the same major release. Unknown parts read 0.
QString FormatOsVersion(const QString& productVersion, const QString& debianVersion);

// One mounted volume of a mounts table.
struct TVolume {
  QString MountPoint;
  int Type = 0;  // a TDriveType
  friend bool operator==(const TVolume& a, const TVolume& b) {
    return a.MountPoint == b.MountPoint && a.Type == b.Type;
  }
};

// The volumes a user would call drives, from a /proc/self/mounts text:
// disks, network shares, optical discs, removable media and RAM disks, each
// mount point once; the kernel's own file systems and the mounts under
// /proc, /sys, /dev and /run (except removable media there) are left out.
QList<TVolume> ParseMounts(const QString& text);

// The owner's name from a user-database entry: the full name of the
// comment (GECOS) field, else the login name.
QString OwnerName(const QString& gecos, const QString& login);

// Live sources; each gives an empty text when it cannot be read.
QString ReadTextFile(const QString& path);
// The current user's comment field and login name; false without an entry.
bool CurrentUserEntry(QString* gecos, QString* login);

// Size and free space of the volume holding path; both 0 when unknown.
struct TDiskFacts {
  quint64 TotalBytes = 0;
  quint64 FreeBytes = 0;
};
TDiskFacts DiskFactsOf(const QString& path);

}  // namespace Veltor
