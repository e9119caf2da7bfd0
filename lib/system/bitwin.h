#pragma once
// The rest-time hint: a small yellow window next to the pointer when it has
// rested over a chosen control for a while. The application decides in
// OnShow, from the pointer position, whether a hint shows and what it says.
// TCustomBitWin is the hint window; TBitWin is the component a form holds,
// which makes and configures one.
//
// The pointer is looked at on the shared tick; an application-wide event
// filter takes a shown hint away on any mouse button, key, drop or
// activation.

#include "foundation/tickregistry.h"
#include "host/component.h"
#include "host/control.h"
#include "system/bitwin_model.h"

#include <QPointer>

#include <functional>
#include <memory>

namespace Veltor {

// What the hint window asks of the world; tests give their own.
struct TBitWinProbe {
  std::function<qint64()> Clock;    // milliseconds, monotonic
  std::function<QPoint()> Pointer;  // screen coordinates
  std::function<bool()> AppActive;  // the application has the focus
  static TBitWinProbe Live();
};

class TCustomBitWin : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::SystemEnums::TbsOriginH OriginHor READ OriginHor WRITE SetOriginHor)
  Q_PROPERTY(Veltor::SystemEnums::TbsOriginV OriginVert READ OriginVert WRITE SetOriginVert)
  Q_PROPERTY(QString Info READ Info WRITE SetInfo)
  Q_PROPERTY(int ShowDelay READ ShowDelay WRITE SetShowDelay)
  Q_PROPERTY(bool Hide READ Hide WRITE SetHide)
  Q_PROPERTY(int OffSetX READ OffSetX WRITE SetOffSetX)
  Q_PROPERTY(int OffSetY READ OffSetY WRITE SetOffSetY)

 public:
  static constexpr TColor DefaultColor = 0x80FFFF;  // pale yellow

  // A hidden top-level window: it never takes input or the focus.
  explicit TCustomBitWin(QWidget* parentControl = nullptr);
  ~TCustomBitWin() override;

  // The control over which hints appear.
  QWidget* ParentControl() const { return FParentControl; }
  void SetParentControl(QWidget* control);

  TbsOriginH OriginHor() const { return FOriginHor; }
  void SetOriginHor(TbsOriginH v) { FOriginHor = v; }
  TbsOriginV OriginVert() const { return FOriginVert; }
  void SetOriginVert(TbsOriginV v) { FOriginVert = v; }
  QString Info() const { return FInfo; }
  void SetInfo(const QString& v) { Assign(FInfo, v); }
  // Milliseconds; kept within 60..10000.
  int ShowDelay() const { return FWatch.Delay(); }
  void SetShowDelay(int ms) { FWatch.SetDelay(ms); }
  bool Hide() const { return FHide; }
  // True takes a shown hint away.
  void SetHide(bool v);
  // Kept within -50..50.
  int OffSetX() const { return FOffSetX; }
  void SetOffSetX(int v);
  // Upwards; kept within -20..20.
  int OffSetY() const { return FOffSetY; }
  void SetOffSetY(int v);

  void SetProbe(TBitWinProbe probe) { FProbe = std::move(probe); }
  // One look at the pointer; the shared tick calls it.
  void Poll();
  // Whether a hint is shown.
  bool Shown() const { return FShown; }
  // The font measures the layout uses.
  const TBitWinMetrics& Metrics() const { return FMetrics; }

 signals:
  // A hint is due. MousePos is the pointer in the control's coordinates;
  // the handler may move it, change the text and set Show to show a hint.
  void OnShow(QObject* Sender, QPoint& sMousePos, QString& bwInfo, bool& bwShow);
  // A shown hint was taken away.
  void OnHide(QObject* Sender);

 protected:
  void Paint() override;
  void FontChanged() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Measure();
  void ShowAt(QPoint anchor);
  void TakeAway();

  QPointer<QWidget> FParentControl;
  TBitWinProbe FProbe;
  TRestWatch FWatch;
  TBitWinMetrics FMetrics;
  TTickSubscription FIdle;
  TbsOriginH FOriginHor = bwhLeft;
  TbsOriginV FOriginVert = bwvTop;
  QString FInfo = QStringLiteral("Hallo");
  bool FHide = false;
  int FOffSetX = 0;
  int FOffSetY = 0;
  bool FShown = false;
};

// The component a form holds: makes the hint window and passes its settings
// on. Parent names the control (an object of the form) over which hints
// appear; without one the form itself is used.
class TBitWin : public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString Parent READ ParentName WRITE SetParentName)
  Q_PROPERTY(QFont Font READ DesignFont WRITE SetDesignFont)
  Q_PROPERTY(Veltor::TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(Veltor::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(QString Info READ Info WRITE SetInfo)
  Q_PROPERTY(int ShowDelay READ ShowDelay WRITE SetShowDelay)
  Q_PROPERTY(bool Hide READ Hide WRITE SetHide)
  Q_PROPERTY(int OffSetX READ OffSetX WRITE SetOffSetX)
  Q_PROPERTY(int OffSetY READ OffSetY WRITE SetOffSetY)
  Q_PROPERTY(Veltor::SystemEnums::TbsOriginH OriginHor READ OriginHor WRITE SetOriginHor)
  Q_PROPERTY(Veltor::SystemEnums::TbsOriginV OriginVert READ OriginVert WRITE SetOriginVert)

 public:
  explicit TBitWin(QObject* owner = nullptr);
  ~TBitWin() override;

  TCustomBitWin* Window() const { return FWindow.get(); }

  QString ParentName() const { return FParentName; }
  void SetParentName(const QString& name);
  QWidget* Parent() const { return FWindow->ParentControl(); }
  void SetParent(QWidget* control);

  const TFont& Font() const { return FWindow->Font(); }
  void SetFont(const TFont& font) { FWindow->SetFont(font); }
  QFont DesignFont() const { return FWindow->DesignFont(); }
  void SetDesignFont(const QFont& f) { FWindow->SetDesignFont(f); }
  TColor FontColor() const { return FWindow->FontColor(); }
  void SetFontColor(TColor c) { FWindow->SetFontColor(c); }
  TColor Color() const { return FWindow->Color(); }
  void SetColor(TColor c) { FWindow->SetColor(c); }
  QString Info() const { return FWindow->Info(); }
  void SetInfo(const QString& v) { FWindow->SetInfo(v); }
  int ShowDelay() const { return FWindow->ShowDelay(); }
  void SetShowDelay(int ms) { FWindow->SetShowDelay(ms); }
  bool Hide() const { return FWindow->Hide(); }
  void SetHide(bool v) { FWindow->SetHide(v); }
  int OffSetX() const { return FWindow->OffSetX(); }
  void SetOffSetX(int v) { FWindow->SetOffSetX(v); }
  int OffSetY() const { return FWindow->OffSetY(); }
  void SetOffSetY(int v) { FWindow->SetOffSetY(v); }
  TbsOriginH OriginHor() const { return FWindow->OriginHor(); }
  void SetOriginHor(TbsOriginH v) { FWindow->SetOriginHor(v); }
  TbsOriginV OriginVert() const { return FWindow->OriginVert(); }
  void SetOriginVert(TbsOriginV v) { FWindow->SetOriginVert(v); }

 signals:
  void OnShow(QObject* Sender, QPoint& sMousePos, QString& bwInfo, bool& bwShow);
  void OnHide(QObject* Sender);

 protected:
  void Loaded() override;

 private:
  // The control named Parent among the owner's objects, if there is one yet.
  void ResolveParent();

  std::unique_ptr<TCustomBitWin> FWindow;
  QString FParentName;
};

}  // namespace Veltor
