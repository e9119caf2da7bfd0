#include "system/sysfacts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>

namespace Veltor {

namespace {

// The value of a "Key: value" line of a /proc text, empty when absent.
QString ProcField(const QString& text, const QString& key) {
  for (const QStringView line : QStringView(text).split(u'\n')) {
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0 || line.left(colon).trimmed() != key) continue;
    return line.mid(colon + 1).trimmed().toString();
  }
  return QString();
}

// A /proc/meminfo amount ("16318456 kB") in bytes; 0 when absent or bad.
quint64 MemInfoBytes(const QString& text, const QString& key) {
  const QStringList parts = ProcField(text, key).split(u' ', Qt::SkipEmptyParts);
  if (parts.isEmpty()) return 0;
  bool ok = false;
  const quint64 amount = parts[0].toULongLong(&ok);
  if (!ok) return 0;
  const bool kilo = parts.size() > 1 && parts[1].compare(QLatin1String("kB"), Qt::CaseInsensitive) == 0;
  return kilo ? amount * 1024 : amount;
}

// A mounts-table field with its octal escapes (\040 for a space) undone.
QString Unescape(const QString& field) {
  QString out;
  for (qsizetype i = 0; i < field.size(); ++i) {
    if (field[i] == u'\\' && i + 3 < field.size()) {
      bool ok = false;
      const int code = field.mid(i + 1, 3).toInt(&ok, 8);
      if (ok) {
        out += QChar(code);
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

bool Under(const QString& path, const QString& folder) { return path == folder || path.startsWith(folder + u'/'); }

// The drive type of one mount, 0 for one that is no drive.
int VolumeType(const QString& device, const QString& mountPoint, const QString& fsType) {
  static const QSet<QString> remote = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "afs", "9p", "fuse.sshfs", "davfs"};
  static const QSet<QString> optical = {"iso9660", "udf"};
  static const QSet<QString> ram = {"tmpfs", "ramfs"};
  static const QSet<QString> disk = {"ext2", "ext3",  "ext4",  "xfs",  "btrfs", "f2fs",    "jfs",     "reiserfs", "zfs",
                                     "vfat", "exfat", "msdos", "ntfs", "ntfs3", "fuseblk", "hfsplus", "overlay"};
  const bool removableMedia = Under(mountPoint, "/media") || Under(mountPoint, "/run/media");
  if (!removableMedia && (Under(mountPoint, "/proc") || Under(mountPoint, "/sys") || Under(mountPoint, "/dev") ||
                          Under(mountPoint, "/run")))
    return 0;
  if (remote.contains(fsType)) return dtRemote;
  if (optical.contains(fsType)) return dtCDRom;
  if (ram.contains(fsType)) return dtRamDisk;
  if (!disk.contains(fsType)) return 0;
  if (removableMedia) return dtRemovable;
  // A block device or the layered root of a container.
  return device.startsWith(u'/') || fsType == QLatin1String("overlay") ? dtFixed : 0;
}

}  // namespace

int TMemoryFacts::LoadPercent() const {
  if (TotalBytes == 0) return 0;
  return int((TotalBytes - AvailableBytes) * 100 / TotalBytes);
}

TMemoryFacts ParseMemInfo(const QString& text) {
  TMemoryFacts facts;
  facts.TotalBytes = MemInfoBytes(text, "MemTotal");
  const bool hasAvailable = !ProcField(text, "MemAvailable").isEmpty();
  facts.AvailableBytes = MemInfoBytes(text, hasAvailable ? "MemAvailable" : "MemFree");
  facts.AvailableBytes = std::min(facts.AvailableBytes, facts.TotalBytes);
  return facts;
}

int ParseProcessorType(const QString& text) {
  bool ok = false;
  const int family = ProcField(text, "cpu family").toInt(&ok);
  if (!ok) return 0;
  if (family >= 6) return 686;
  if (family >= 3) return family * 100 + 86;
  return 0;
}

QString FormatOsVersion(const QString& productVersion, const QString& debianVersion) {
  const QStringList product = productVersion.trimmed().split(u'.');
  bool ok = false;
  const int major = product.value(0).toInt(&ok);
  if (!ok) return QStringLiteral("0.0");
  int minor = product.size() > 1 ? product[1].toInt() : 0;
  if (product.size() < 2) {
    const QStringList debian = debianVersion.trimmed().split(u'.');
    if (debian.size() > 1 && debian[0].toInt() == major) minor = debian[1].toInt();
  }
  return QString::number(major) + u'.' + QString::number(minor);
}

QList<TVolume> ParseMounts(const QString& text) {
  QList<TVolume> volumes;
  for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() < 3) continue;
    const QString mountPoint = Unescape(fields[1]);
    const int type = VolumeType(Unescape(fields[0]), mountPoint, fields[2]);
    if (type == 0) continue;
    // A later mount on the same point hides the earlier one.
    const auto same = [&](const TVolume& v) { return v.MountPoint == mountPoint; };
    volumes.erase(std::remove_if(volumes.begin(), volumes.end(), same), volumes.end());
    volumes.append({mountPoint, type});
  }
  return volumes;
}

QString OwnerName(const QString& gecos, const QString& login) {
  const QString fullName = gecos.section(u',', 0, 0).trimmed();
  return fullName.isEmpty() ? login : fullName;
}

QString ReadTextFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  // /proc files report size 0: read until the end.
  return QString::fromLocal8Bit(file.readAll());
}

bool CurrentUserEntry(QString* gecos, QString* login) {
  const passwd* entry = getpwuid(getuid());
  if (!entry) return false;
  *gecos = QString::fromLocal8Bit(entry->pw_gecos ? entry->pw_gecos : "");
  *login = QString::fromLocal8Bit(entry->pw_name ? entry->pw_name : "");
  return true;
}

TDiskFacts DiskFactsOf(const QString& path) {
  const QStorageInfo storage(path);
  if (!storage.isValid() || !storage.isReady()) return {};
  TDiskFacts facts;
  facts.TotalBytes = quint64(std::max<qint64>(storage.bytesTotal(), 0));
  facts.FreeBytes = std::min(quint64(std::max<qint64>(storage.bytesAvailable(), 0)), facts.TotalBytes);
  return facts;
}

}  // namespace Veltor
