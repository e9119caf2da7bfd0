#include "system/scrnsavectrl.h"

#include <X11/Xlib.h>

#include <algorithm>

namespace Veltor {

namespace {

class TMemorySaver : public TSaverBackend {
 public:
  bool Supported() const override { return false; }
  TSaverSettings Get() const override { return FSettings; }
  void Set(const TSaverSettings& settings) override { FSettings = settings; }

 private:
  TSaverSettings FSettings;
};

// A connection of our own to the X server: it works whichever platform
// plugin Qt runs on.
class TX11Saver : public TSaverBackend {
 public:
  explicit TX11Saver(Display* display) : FDisplay(display) {}
  ~TX11Saver() override { XCloseDisplay(FDisplay); }
  bool Supported() const override { return true; }
  TSaverSettings Get() const override {
    TSaverSettings s;
    XGetScreenSaver(FDisplay, &s.TimeOut, &s.Interval, &s.Blanking, &s.Exposures);
    return s;
  }
  void Set(const TSaverSettings& s) override {
    XSetScreenSaver(FDisplay, s.TimeOut, s.Interval, s.Blanking, s.Exposures);
    XSync(FDisplay, False);
  }

 private:
  Display* FDisplay;
};

}  // namespace

std::unique_ptr<TSaverBackend> MakeSaverBackend() {
  if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
    if (Display* display = XOpenDisplay(nullptr)) return std::make_unique<TX11Saver>(display);
  }
  return std::make_unique<TMemorySaver>();
}

TScrnSaveCtrl::TScrnSaveCtrl(QObject* owner) : TScrnSaveCtrl(MakeSaverBackend(), owner) {}

TScrnSaveCtrl::TScrnSaveCtrl(std::unique_ptr<TSaverBackend> backend, QObject* owner)
    : TComponent(owner), FBackend(std::move(backend)) {
  FKept = FBackend->Get();
  ShowKept();
}

TScrnSaveCtrl::~TScrnSaveCtrl() {
  if (!(ComponentState() & csDesigning)) FBackend->Set(FKept);
}

void TScrnSaveCtrl::Restore() {
  if (ComponentState() & csDesigning) return;
  FBackend->Set(FKept);
  ShowKept();
}

void TScrnSaveCtrl::ShowKept() {
  FSaverEnable = FKept.TimeOut > 0;
  FSaverTimeOut = std::clamp(FKept.TimeOut, 0, MaxTimeOut);
}

void TScrnSaveCtrl::SetSaverEnable(bool enable) {
  FSaverEnable = enable;
  Apply();
}

void TScrnSaveCtrl::SetSaverTimeOut(int seconds) {
  // Even a stored value is bounded: the server refuses anything else.
  FSaverTimeOut = std::clamp(seconds, 0, MaxTimeOut);
  Apply();
}

void TScrnSaveCtrl::Apply() {
  if (ComponentState() & csDesigning) return;
  TSaverSettings s = FBackend->Get();
  s.TimeOut = !FSaverEnable ? 0 : FSaverTimeOut > 0 ? FSaverTimeOut : DefaultTimeOut;
  FBackend->Set(s);
}

}  // namespace Veltor
