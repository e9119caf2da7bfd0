#include "system/sysinfo.h"

#include <QDir>
#include <QSysInfo>

namespace Veltor {

namespace {

// Amounts are shown in whole units, remainders dropped.
QString Amount(quint64 bytes, quint64 unit, const char* suffix) {
  return QString::number(bytes / unit) + QLatin1String(suffix);
}

}  // namespace

TSysSources TSysSources::Live() {
  TSysSources s;
  s.MemInfo = [] { return ReadTextFile("/proc/meminfo"); };
  s.CpuInfo = [] { return ReadTextFile("/proc/cpuinfo"); };
  s.ProductVersion = [] { return QSysInfo::productVersion(); };
  s.DebianVersion = [] { return ReadTextFile("/etc/debian_version"); };
  s.Mounts = [] { return ReadTextFile("/proc/self/mounts"); };
  s.CurrentDisk = [] { return DiskFactsOf(QDir::currentPath()); };
  s.Owner = [] {
    QString gecos, login;
    return CurrentUserEntry(&gecos, &login) ? OwnerName(gecos, login) : QString();
  };
  // Linux keeps no organisation; an installation may name one.
  s.Organisation = [] { return qEnvironmentVariable("VELTOR_ORGANISATION"); };
  return s;
}

TSysInfo::TSysInfo(QObject* owner) : TComponent(owner) { SetSources(TSysSources::Live()); }

void TSysInfo::SetSources(TSysSources sources) {
  FSources = std::move(sources);
  FNameUser = FSources.Owner();
  FNameComp = FSources.Organisation();
}

void TSysInfo::SetEvaluate(bool) {
  FVersWin = FormatOsVersion(FSources.ProductVersion(), FSources.DebianVersion());
  // An unknown processor leaves the previous class standing.
  const int processor = ParseProcessorType(FSources.CpuInfo());
  if (processor != 0) FCPUtyp = QString::number(processor);

  const TMemoryFacts memory = ParseMemInfo(FSources.MemInfo());
  FSysMem = Amount(memory.TotalBytes, 1000, "KB");
  FSysMemUsed = QString::number(memory.LoadPercent()) + u'%';
  FSysMemFree = Amount(memory.AvailableBytes, 1000, "KB");

  FDriveList.clear();
  for (const TVolume& volume : ParseMounts(FSources.Mounts()))
    FDriveList << volume.MountPoint + u'|' + QString::number(volume.Type);
}

void TSysInfo::SetCheckDrive(bool) {
  const TDiskFacts disk = FSources.CurrentDisk();
  FDiskSpace = Amount(disk.FreeBytes, 1000000, "MB");
  FDiskSize = Amount(disk.TotalBytes, 1000000, "MB");
}

}  // namespace Veltor
