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
  s.MemInfo = [] { return QString("MemTotal:        1000 kB\nMemFree:          100 kB\nMemAvailable:     333 kB\n"); };
  s.CpuInfo = [] { return QString("processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 5\nmodel\t\t: 2\n"); };
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

TEST(SysFacts, MemInfoInBytesWithLoadTruncated) {
  const TMemoryFacts m = ParseMemInfo("MemTotal:  1000 kB\nMemFree:  100 kB\nMemAvailable:  333 kB\n");
  EXPECT_EQ(m.TotalBytes, 1024000u);
  EXPECT_EQ(m.AvailableBytes, 340992u);
  EXPECT_EQ(m.LoadPercent(), 66);  // 66.7 % in use

  // Older kernels: the free memory stands in for the available one.
  EXPECT_EQ(ParseMemInfo("MemTotal: 1000 kB\nMemFree: 100 kB\n").AvailableBytes, 102400u);
  // Nothing known reads zero, and available never exceeds the total.
  const TMemoryFacts none = ParseMemInfo("");
  EXPECT_EQ(none.TotalBytes, 0u);
  EXPECT_EQ(none.LoadPercent(), 0);
  const TMemoryFacts odd = ParseMemInfo("MemTotal: 10 kB\nMemAvailable: 20 kB\n");
  EXPECT_EQ(odd.AvailableBytes, odd.TotalBytes);
  EXPECT_EQ(odd.LoadPercent(), 0);
}

TEST(SysFacts, ProcessorClassByFamily) {
  const auto family = [](int f) { return ParseProcessorType("cpu family\t: " + QString::number(f) + "\n"); };
  EXPECT_EQ(family(3), 386);
  EXPECT_EQ(family(4), 486);
  EXPECT_EQ(family(5), 586);
  EXPECT_EQ(family(6), 686);
  EXPECT_EQ(family(25), 686);
  EXPECT_EQ(family(2), 0);
  EXPECT_EQ(ParseProcessorType("processor : 0\nBogoMIPS : 50.00\nCPU implementer : 0x41\n"), 0);
}

TEST(SysFacts, VersionMajorAndMinor) {
  EXPECT_EQ(FormatOsVersion("12", "12.5\n"), "12.5");
  EXPECT_EQ(FormatOsVersion("22.04", ""), "22.4");
  // The minor number of another release, or none at all, reads 0.
  EXPECT_EQ(FormatOsVersion("12", "11.7"), "12.0");
  EXPECT_EQ(FormatOsVersion("12", "bookworm/sid"), "12.0");
  EXPECT_EQ(FormatOsVersion("", ""), "0.0");
  EXPECT_EQ(FormatOsVersion("unknown", "12.5"), "0.0");
}

TEST(SysFacts, MountsBecomeDrives) {
  const QString mounts =
      "overlay / overlay rw 0 0\n"
      "proc /proc proc rw 0 0\n"
      "sysfs /sys sysfs rw 0 0\n"
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
  const QList<TVolume> expected = {{"/", dtFixed},
                                   {"/tmp", dtRamDisk},
                                   {"/mnt/share", dtRemote},
                                   {"/media/ada/STICK", dtRemovable},
                                   {"/run/media/ada/CD", dtCDRom},
                                   {"/mnt/my disk", dtFixed},
                                   {"/home", dtFixed}};
  const QList<TVolume> volumes = ParseMounts(mounts);
  ASSERT_EQ(volumes.size(), expected.size());
  for (int i = 0; i < volumes.size(); ++i) {
    EXPECT_EQ(volumes[i].MountPoint, expected[i].MountPoint) << i;
    EXPECT_EQ(volumes[i].Type, expected[i].Type) << i;
  }
  EXPECT_TRUE(ParseMounts("").isEmpty());
}

TEST(SysFacts, OwnerIsTheFullNameElseTheLogin) {
  EXPECT_EQ(OwnerName("Ada Lovelace,Room 1,,", "ada"), "Ada Lovelace");
  EXPECT_EQ(OwnerName("", "ada"), "ada");
  EXPECT_EQ(OwnerName(",,,", "ada"), "ada");
}

TEST(SysInfo, StringsFromTheSources) {
  TSysInfo info;
  info.SetSources(Fixed());
  EXPECT_EQ(info.NameUser(), "Ada");
  EXPECT_EQ(info.NameComp(), "");
  EXPECT_EQ(info.VersWin(), "");
  EXPECT_EQ(info.CPUtyp(), "");

  info.setProperty("Evaluate", true);
  EXPECT_EQ(info.VersWin(), "12.5");
  EXPECT_EQ(info.CPUtyp(), "586");
  EXPECT_EQ(info.SysMem(), "1024KB");
  EXPECT_EQ(info.SysMemUsed(), "66%");
  EXPECT_EQ(info.SysMemFree(), "340KB");
  EXPECT_EQ(info.DriveList(), QStringList({"/|3"}));
  EXPECT_EQ(info.DriveCount(), 1);
  EXPECT_EQ(info.DiskSize(), "");  // only CheckDrive reads the disk

  info.setProperty("CheckDrive", true);
  EXPECT_EQ(info.DiskSize(), "1999MB");
  EXPECT_EQ(info.DiskSpace(), "1MB");
  // Actions always read False.
  EXPECT_FALSE(info.property("Evaluate").toBool());
  EXPECT_FALSE(info.property("CheckDrive").toBool());
}

TEST(SysInfo, UnknownFactsReadZeroAndKeepTheProcessorClass) {
  TSysInfo info;
  TSysSources s = Fixed();
  info.SetSources(s);
  info.SetEvaluate(true);
  ASSERT_EQ(info.CPUtyp(), "586");
  s.MemInfo = [] { return QString(); };
  s.CpuInfo = [] { return QString("processor : 0\n"); };
  s.ProductVersion = [] { return QString(); };
  s.Mounts = [] { return QString(); };
  s.CurrentDisk = [] { return TDiskFacts(); };
  info.SetSources(s);
  info.SetEvaluate(true);
  info.SetCheckDrive(true);
  EXPECT_EQ(info.CPUtyp(), "586");  // an unknown processor changes nothing
  EXPECT_EQ(info.VersWin(), "0.0");
  EXPECT_EQ(info.SysMem(), "0KB");
  EXPECT_EQ(info.SysMemUsed(), "0%");
  EXPECT_EQ(info.SysMemFree(), "0KB");
  EXPECT_TRUE(info.DriveList().isEmpty());
  EXPECT_EQ(info.DriveCount(), 0);
  EXPECT_EQ(info.DiskSize(), "0MB");
  EXPECT_EQ(info.DiskSpace(), "0MB");
}

TEST(SysInfo, FactsAreReadOnly) {
  TSysInfo info;
  info.SetSources(Fixed());
  info.SetEvaluate(true);
  for (const char* name : {"NameUser", "VersWin", "CPUtyp", "SysMem", "SysMemUsed", "DiskSize"}) {
    const QVariant before = info.property(name);
    EXPECT_TRUE(info.setProperty(name, QString("x"))) << name;
    EXPECT_EQ(info.property(name), before) << name;
  }
  info.setProperty("DriveCount", 7);
  info.setProperty("DriveList", QStringList({"a", "b"}));
  EXPECT_EQ(info.DriveCount(), 1);
}

// The machine running the test: values of the right shape that agree.
TEST(SysInfo, LiveFactsHaveTheirShape) {
  TSysInfo info;
  info.SetEvaluate(true);
  info.SetCheckDrive(true);
  EXPECT_TRUE(Matches(info.VersWin(), "\\d+\\.\\d+")) << info.VersWin().toStdString();
  EXPECT_TRUE(Matches(info.SysMem(), "[1-9]\\d*KB")) << info.SysMem().toStdString();
  EXPECT_TRUE(Matches(info.SysMemFree(), "\\d+KB"));
  ASSERT_TRUE(Matches(info.SysMemUsed(), "\\d+%"));
  const int load = info.SysMemUsed().chopped(1).toInt();
  EXPECT_GE(load, 0);
  EXPECT_LE(load, 100);
  EXPECT_LE(info.SysMemFree().chopped(2).toULongLong(), info.SysMem().chopped(2).toULongLong());
  EXPECT_EQ(info.DriveCount(), info.DriveList().size());
  for (const QString& entry : info.DriveList()) EXPECT_TRUE(Matches(entry, "/.*\\|[2-6]")) << entry.toStdString();
  ASSERT_TRUE(Matches(info.DiskSize(), "\\d+MB"));
  ASSERT_TRUE(Matches(info.DiskSpace(), "\\d+MB"));
  EXPECT_LE(info.DiskSpace().chopped(2).toULongLong(), info.DiskSize().chopped(2).toULongLong());
  EXPECT_GT(info.DiskSize().chopped(2).toULongLong(), 0u);
  if (const passwd* entry = getpwuid(getuid())) {
    EXPECT_EQ(info.NameUser(), OwnerName(QString::fromLocal8Bit(entry->pw_gecos), entry->pw_name));
  }
}
