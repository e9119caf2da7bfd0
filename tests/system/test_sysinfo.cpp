// System facts: the parsers on fixed text, the component's strings from
// injected sources, and the shape of the facts of the machine running us.
#include "system/sysinfo.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <pwd.h>
#include <unistd.h>

using namespace Veltor;

namespace {

TSysSources Fixed() {
  TSysSources s;
  s.MemInfo = [] { return QString("MemTotal:  1000 kB\nMemFree:  100 kB\nMemAvailable:  333 kB\n"); };
  s.CpuInfo = [] { return QString("vendor_id\t: GenuineIntel\ncpu family\t: 5\nmodel\t\t: 2\n"); };
  s.ProductVersion = [] { return QString("12"); };
  s.DebianVersion = [] { return QString("12.5\n"); };
  s.Mounts = [] { return QString("/dev/sda1 / ext4 rw 0 0\nproc /proc proc rw 0 0\n"); };
  s.CurrentDisk = [] { return TDiskFacts{1999999999, 1000000}; };
  s.Owner = [] { return QString("Ada"); };
  s.Organisation = [] { return QString(); };
  return s;
}

bool Matches(const QString& text, const char* pattern) {
  return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

}  // namespace

TEST(SysFacts, MemoryProcessorVersionOwner) {
  const TMemoryFacts m = ParseMemInfo("MemTotal:  1000 kB\nMemFree:  100 kB\nMemAvailable:  333 kB\n");
  EXPECT_EQ(m.TotalBytes, 1024000u);
  EXPECT_EQ(m.AvailableBytes, 340992u);
  EXPECT_EQ(m.LoadPercent(), 66);  // 66.7 % in use, truncated
  // Older kernels: the free memory stands in; available never exceeds the total.
  EXPECT_EQ(ParseMemInfo("MemTotal: 1000 kB\nMemFree: 100 kB\n").AvailableBytes, 102400u);
  EXPECT_EQ(ParseMemInfo("MemTotal: 10 kB\nMemAvailable: 20 kB\n").LoadPercent(), 0);

  const std::pair<int, int> families[] = {{3, 386}, {4, 486}, {5, 586}, {6, 686}, {25, 686}, {2, 0}};
  for (const auto& [family, type] : families)
    EXPECT_EQ(ParseProcessorType("cpu family\t: " + QString::number(family) + "\n"), type) << family;
  EXPECT_EQ(ParseProcessorType("processor : 0\nCPU implementer : 0x41\n"), 0);

  EXPECT_EQ(FormatOsVersion("12", "12.5\n"), "12.5");
  EXPECT_EQ(FormatOsVersion("22.04", ""), "22.4");
  EXPECT_EQ(FormatOsVersion("12", "11.7"), "12.0");  // another release's minor number
  EXPECT_EQ(FormatOsVersion("unknown", "12.5"), "0.0");

  EXPECT_EQ(OwnerName("Ada Lovelace,Room 1,,", "ada"), "Ada Lovelace");
  EXPECT_EQ(OwnerName(",,,", "ada"), "ada");
}

TEST(SysFacts, MountsBecomeDrives) {
  const QString mounts =
      "overlay / overlay rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "tmpfs /dev/shm tmpfs rw 0 0\n"
      "tmpfs /run/user/1000 tmpfs rw 0 0\n"
      "/dev/sda2 /home ext4 rw 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n"
      "srv:/export /mnt/share nfs4 rw 0 0\n"
      "/dev/sdb1 /media/ada/STICK vfat rw 0 0\n"
      "/dev/sr0 /run/media/ada/CD iso9660 ro 0 0\n"
      "/dev/sdc1 /mnt/my\\040disk ext4 rw 0 0\n"
      "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
      "/dev/sda3 /home btrfs rw 0 0\n"
      "short line\n";
  QStringList drives;
  for (const TVolume& v : ParseMounts(mounts)) drives << v.MountPoint + '|' + QString::number(v.Type);
  EXPECT_EQ(drives, QStringList({"/|3", "/tmp|6", "/mnt/share|4", "/media/ada/STICK|2", "/run/media/ada/CD|5",
                                 "/mnt/my disk|3", "/home|3"}));
}

TEST(SysInfo, StringsFromTheSources) {
  TSysInfo info;
  info.SetSources(Fixed());
  EXPECT_EQ(info.NameUser(), "Ada");
  EXPECT_EQ(info.CPUtyp(), "");
  info.setProperty("Evaluate", true);
  EXPECT_EQ(info.VersWin(), "12.5");
  EXPECT_EQ(info.CPUtyp(), "586");
  EXPECT_EQ(info.SysMem(), "1024KB");
  EXPECT_EQ(info.SysMemUsed(), "66%");
  EXPECT_EQ(info.SysMemFree(), "340KB");
  EXPECT_EQ(info.DriveList(), QStringList({"/|3"}));
  EXPECT_EQ(info.DiskSize(), "");  // only CheckDrive reads the disk
  info.setProperty("CheckDrive", true);
  EXPECT_EQ(info.DiskSize(), "1999MB");
  EXPECT_EQ(info.DiskSpace(), "1MB");
  EXPECT_FALSE(info.property("Evaluate").toBool());
  EXPECT_FALSE(info.property("CheckDrive").toBool());
  info.setProperty("SysMem", "x");  // read-only
  EXPECT_EQ(info.SysMem(), "1024KB");

  // Facts that cannot be had read zero; an unknown processor changes nothing.
  TSysSources none = Fixed();
  none.MemInfo = none.ProductVersion = none.Mounts = [] { return QString(); };
  none.CpuInfo = [] { return QString("processor : 0\n"); };
  none.CurrentDisk = [] { return TDiskFacts(); };
  info.SetSources(none);
  info.SetEvaluate(true);
  info.SetCheckDrive(true);
  EXPECT_EQ(info.CPUtyp(), "586");
  EXPECT_EQ(info.VersWin(), "0.0");
  EXPECT_EQ(QStringList({info.SysMem(), info.SysMemUsed(), info.SysMemFree(), info.DiskSize(), info.DiskSpace()}),
            QStringList({"0KB", "0%", "0KB", "0MB", "0MB"}));
  EXPECT_EQ(info.DriveCount(), 0);
}

// The machine running the test: values of the right shape that agree.
TEST(SysInfo, LiveFactsHaveTheirShape) {
  TSysInfo info;
  info.SetEvaluate(true);
  info.SetCheckDrive(true);
  EXPECT_TRUE(Matches(info.VersWin(), "\\d+\\.\\d+")) << info.VersWin().toStdString();
  ASSERT_TRUE(Matches(info.SysMem(), "[1-9]\\d*KB")) << info.SysMem().toStdString();
  ASSERT_TRUE(Matches(info.SysMemFree(), "\\d+KB"));
  ASSERT_TRUE(Matches(info.SysMemUsed(), "\\d+%"));
  EXPECT_LE(info.SysMemUsed().chopped(1).toInt(), 100);
  EXPECT_LE(info.SysMemFree().chopped(2).toULongLong(), info.SysMem().chopped(2).toULongLong());
  EXPECT_EQ(info.DriveCount(), info.DriveList().size());
  for (const QString& entry : info.DriveList()) EXPECT_TRUE(Matches(entry, "/.*\\|[2-6]")) << entry.toStdString();
  ASSERT_TRUE(Matches(info.DiskSize(), "[1-9]\\d*MB"));
  ASSERT_TRUE(Matches(info.DiskSpace(), "\\d+MB"));
  EXPECT_LE(info.DiskSpace().chopped(2).toULongLong(), info.DiskSize().chopped(2).toULongLong());
  if (const passwd* entry = getpwuid(getuid())) {
    EXPECT_EQ(info.NameUser(), OwnerName(QString::fromLocal8Bit(entry->pw_gecos), entry->pw_name));
  }
}
