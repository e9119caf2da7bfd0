#pragma once
// TScrnSaveCtrl: switches the screen saver on or off and sets its time-out
// while the component exists, and puts the previous settings back when it
// is destroyed. On X11 these are the server's screen-saver settings (a
// time-out of 0 means off); without an X display the settings are only kept
// in memory.

#include "host/component.h"

#include <memory>

namespace Veltor {

// The screen-saver settings of a display.
struct TSaverSettings {
  int TimeOut = 0;  // seconds until the saver starts; 0 = off
  int Interval = 0;
  int Blanking = 2;  // the server's default
  int Exposures = 2;
  friend bool operator==(const TSaverSettings& a, const TSaverSettings& b) {
    return a.TimeOut == b.TimeOut && a.Interval == b.Interval && a.Blanking == b.Blanking && a.Exposures == b.Exposures;
  }
};

// Where the settings live.
class TSaverBackend {
 public:
  virtual ~TSaverBackend() = default;
  // False when there is no system to change and the values are only kept.
  virtual bool Supported() const = 0;
  virtual TSaverSettings Get() const = 0;
  virtual void Set(const TSaverSettings& settings) = 0;
};

// The X display named by DISPLAY when one can be opened, else memory.
std::unique_ptr<TSaverBackend> MakeSaverBackend();

class TScrnSaveCtrl : public TComponent {
  Q_OBJECT
  Q_PROPERTY(bool SaverEnable READ SaverEnable WRITE SetSaverEnable)
  Q_PROPERTY(int SaverTimeOut READ SaverTimeOut WRITE SetSaverTimeOut)

 public:
  // The longest time-out the X protocol carries.
  static constexpr int MaxTimeOut = 32767;
  // Used when the saver is switched on without a time-out of its own.
  static constexpr int DefaultTimeOut = 600;

  // Keeps the settings in force now, to restore them at the end.
  explicit TScrnSaveCtrl(QObject* owner = nullptr);
  TScrnSaveCtrl(std::unique_ptr<TSaverBackend> backend, QObject* owner = nullptr);
  // Puts the kept settings back (except at design time).
  ~TScrnSaveCtrl() override;

  bool SaverEnable() const { return FSaverEnable; }
  void SetSaverEnable(bool enable);
  // Seconds; kept within 0..MaxTimeOut.
  int SaverTimeOut() const { return FSaverTimeOut; }
  void SetSaverTimeOut(int seconds);

  // Puts the kept settings back now, as the destructor does, and shows them
  // again in SaverEnable and SaverTimeOut.
  void Restore();

  // Whether the settings reach a real screen saver.
  bool Supported() const { return FBackend->Supported(); }

 private:
  void Apply();
  // The properties from the kept settings.
  void ShowKept();

  std::unique_ptr<TSaverBackend> FBackend;
  TSaverSettings FKept;
  bool FSaverEnable = false;
  int FSaverTimeOut = 0;
};

}  // namespace Veltor
