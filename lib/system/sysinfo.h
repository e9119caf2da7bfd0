#pragma once
// TSysInfo: a non-visual component with facts about the machine as display
// strings (system version, processor class, memory, drives, disk space,
// owner). Writing Evaluate or CheckDrive refreshes them; every string reads
// "0..." or stays empty where the machine does not tell.

#include "host/component.h"
#include "system/sysfacts.h"

#include <functional>

namespace Veltor {

// Where TSysInfo takes its facts from; the live machine by default.
struct TSysSources {
  std::function<QString()> MemInfo;         // a /proc/meminfo text
  std::function<QString()> CpuInfo;         // a /proc/cpuinfo text
  std::function<QString()> ProductVersion;  // e.g. "12"
  std::function<QString()> DebianVersion;   // e.g. "12.5"
  std::function<QString()> Mounts;          // a /proc/self/mounts text
  std::function<TDiskFacts()> CurrentDisk;  // the volume of the working folder
  std::function<QString()> Owner;
  std::function<QString()> Organisation;

  static TSysSources Live();
};

class TSysInfo : public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString NameUser READ NameUser WRITE SetNameUser)
  Q_PROPERTY(QString NameComp READ NameComp WRITE SetNameComp)
  Q_PROPERTY(QString VersWin READ VersWin WRITE SetVersWin)
  Q_PROPERTY(QString CPUtyp READ CPUtyp WRITE SetCPUtyp)
  Q_PROPERTY(QString SysMem READ SysMem WRITE SetSysMem)
  Q_PROPERTY(QString SysMemUsed READ SysMemUsed WRITE SetSysMemUsed)
  Q_PROPERTY(QString SysMemFree READ SysMemFree WRITE SetSysMemFree)
  Q_PROPERTY(QString DiskSize READ DiskSize WRITE SetDiskSize)
  Q_PROPERTY(QString DiskSpace READ DiskSpace WRITE SetDiskSpace)
  Q_PROPERTY(bool Evaluate READ Evaluate WRITE SetEvaluate)
  Q_PROPERTY(bool CheckDrive READ CheckDrive WRITE SetCheckDrive)
  Q_PROPERTY(QStringList DriveList READ DriveList WRITE SetDriveList)
  Q_PROPERTY(int DriveCount READ DriveCount WRITE SetDriveCount)

 public:
  explicit TSysInfo(QObject* owner = nullptr);

  // Takes the facts from these sources from now on (the owner and
  // organisation at once).
  void SetSources(TSysSources sources);

  QString NameUser() const { return FNameUser; }
  QString NameComp() const { return FNameComp; }
  QString VersWin() const { return FVersWin; }
  QString CPUtyp() const { return FCPUtyp; }
  QString SysMem() const { return FSysMem; }
  QString SysMemUsed() const { return FSysMemUsed; }
  QString SysMemFree() const { return FSysMemFree; }
  QString DiskSize() const { return FDiskSize; }
  QString DiskSpace() const { return FDiskSpace; }
  // Actions: read False; any write refreshes.
  bool Evaluate() const { return false; }
  void SetEvaluate(bool);
  bool CheckDrive() const { return false; }
  void SetCheckDrive(bool);
  // "<mount point>|<drive type>" per volume, e.g. "/home|3".
  QStringList DriveList() const { return FDriveList; }
  int DriveCount() const { return int(FDriveList.size()); }

  // The facts are read-only: stored or written values are ignored.
  void SetNameUser(const QString&) {}
  void SetNameComp(const QString&) {}
  void SetVersWin(const QString&) {}
  void SetCPUtyp(const QString&) {}
  void SetSysMem(const QString&) {}
  void SetSysMemUsed(const QString&) {}
  void SetSysMemFree(const QString&) {}
  void SetDiskSize(const QString&) {}
  void SetDiskSpace(const QString&) {}
  void SetDriveList(const QStringList&) {}
  void SetDriveCount(int) {}

 private:
  TSysSources FSources;
  QString FNameUser, FNameComp;
  QString FVersWin, FCPUtyp, FSysMem, FSysMemUsed, FSysMemFree;
  QString FDiskSize, FDiskSpace;
  QStringList FDriveList;
};

}  // namespace Veltor
