// The screen-saver control: settings applied at once and put back at the
// end, in memory and on a virtual X server of its own.
#include "system/scrnsavectrl.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <X11/Xlib.h>

using namespace Veltor;

namespace {

// Settings kept where the test can see them.
class TFakeSaver : public TSaverBackend {
 public:
  explicit TFakeSaver(TSaverSettings* settings) : FSettings(settings) {}
  bool Supported() const override { return true; }
  TSaverSettings Get() const override { return *FSettings; }
  void Set(const TSaverSettings& s) override { *FSettings = s; }

 private:
  TSaverSettings* FSettings;
};

}  // namespace

TEST(ScrnSaveCtrl, SwitchesAndRestores) {
  TSaverSettings system{300, 50, 1, 0};
  {
    TScrnSaveCtrl ctrl(std::make_unique<TFakeSaver>(&system));
    EXPECT_TRUE(ctrl.SaverEnable());
    EXPECT_EQ(ctrl.SaverTimeOut(), 300);
    ctrl.SetSaverEnable(false);
    EXPECT_EQ(system.TimeOut, 0);
    EXPECT_EQ(system.Interval, 50);  // the other settings are left alone
    ctrl.SetSaverTimeOut(120);
    EXPECT_EQ(system.TimeOut, 0);  // still off
    ctrl.SetSaverEnable(true);
    EXPECT_EQ(system.TimeOut, 120);
    ctrl.SetSaverTimeOut(-5);
    EXPECT_EQ(ctrl.SaverTimeOut(), 0);
    EXPECT_EQ(system.TimeOut, TScrnSaveCtrl::DefaultTimeOut);  // on needs some time-out
    ctrl.SetSaverTimeOut(100000);
    EXPECT_EQ(system.TimeOut, TScrnSaveCtrl::MaxTimeOut);
    system.Interval = 7;
  }
  EXPECT_EQ(system, (TSaverSettings{300, 50, 1, 0}));

  // At design time nothing reaches the system.
  {
    TScrnSaveCtrl ctrl(std::make_unique<TFakeSaver>(&system));
    ctrl.SetComponentState(csDesigning);
    ctrl.SetSaverEnable(false);
    EXPECT_EQ(system.TimeOut, 300);
    system.TimeOut = 42;
  }
  EXPECT_EQ(system.TimeOut, 42);

  // Without a display the settings are only kept.
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  EXPECT_FALSE(TScrnSaveCtrl().Supported());
  if (!display.isEmpty()) qputenv("DISPLAY", display);
}

// Restore puts the kept settings back at once and shows them again.
TEST(ScrnSaveCtrl, RestoresOnRequest) {
  TSaverSettings system{300, 50, 1, 0};
  TScrnSaveCtrl ctrl(std::make_unique<TFakeSaver>(&system));
  ctrl.SetSaverTimeOut(120);
  ctrl.SetSaverEnable(false);
  ASSERT_EQ(system.TimeOut, 0);
  ctrl.Restore();
  EXPECT_EQ(system, (TSaverSettings{300, 50, 1, 0}));
  EXPECT_TRUE(ctrl.SaverEnable());
  EXPECT_EQ(ctrl.SaverTimeOut(), 300);
  // The next change starts from the restored settings.
  ctrl.SetSaverEnable(false);
  EXPECT_EQ(system.TimeOut, 0);
}

namespace {

// An Xvfb of our own that keeps its settings between clients.
class TVirtualX {
 public:
  TVirtualX() {
    for (int n = 187; n < 220 && FName.isEmpty(); ++n) {
      const QString socket = QString("/tmp/.X11-unix/X%1").arg(n);
      if (QFileInfo::exists(QString("/tmp/.X%1-lock").arg(n)) || QFileInfo::exists(socket)) continue;
      FProcess.start("Xvfb", {QString(":%1").arg(n), "-noreset", "-nolisten", "tcp"});
      if (!FProcess.waitForStarted(3000)) return;
      for (int i = 0; i < 100 && !QFileInfo::exists(socket); ++i) QThread::msleep(50);
      if (QFileInfo::exists(socket)) {
        FName = QString(":%1").arg(n);
      } else {
        FProcess.kill();
        FProcess.waitForFinished(3000);
      }
    }
  }
  ~TVirtualX() {
    FProcess.terminate();
    if (!FProcess.waitForFinished(3000)) FProcess.kill();
  }
  QString Name() const { return FName; }

 private:
  QProcess FProcess;
  QString FName;
};

// The server's settings as another client sees them.
TSaverSettings Read(Display* d) {
  TSaverSettings s;
  XGetScreenSaver(d, &s.TimeOut, &s.Interval, &s.Blanking, &s.Exposures);
  return s;
}

}  // namespace

TEST(ScrnSaveCtrl, RestoresTheXServerSettings) {
  TVirtualX server;
  if (server.Name().isEmpty()) GTEST_SKIP() << "no Xvfb could be started";
  const QByteArray previous = qgetenv("DISPLAY");
  qputenv("DISPLAY", server.Name().toLocal8Bit());
  Display* observer = XOpenDisplay(server.Name().toLocal8Bit().constData());
  ASSERT_TRUE(observer);
  XSetScreenSaver(observer, 300, 40, DontPreferBlanking, AllowExposures);
  XSync(observer, False);
  const TSaverSettings before = Read(observer);
  {
    TScrnSaveCtrl ctrl;
    EXPECT_TRUE(ctrl.Supported());
    EXPECT_EQ(ctrl.SaverTimeOut(), 300);
    ctrl.SetSaverEnable(false);
    EXPECT_EQ(Read(observer).TimeOut, 0);
    ctrl.SetSaverTimeOut(77);
    ctrl.SetSaverEnable(true);
    EXPECT_EQ(Read(observer).TimeOut, 77);
    EXPECT_EQ(Read(observer).Interval, 40);
  }
  EXPECT_EQ(Read(observer), before);
  XCloseDisplay(observer);
  if (previous.isEmpty())
    qunsetenv("DISPLAY");
  else
    qputenv("DISPLAY", previous);
}
