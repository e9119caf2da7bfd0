#pragma once
// Direction keypads for jogging a machine or moving a cursor: TJoyStick, a
// 3 x 3 pad of eight arrows around a centre key; TUpDownT, two keys one above
// the other; TLeftRightT, two keys side by side. The key state reads as a
// bit mask (ButtonStatus) and as the letter of the key that changed last
// (Button); keys latch, lock each other out, or repeat while held.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"
#include "misc/keypad_layout.h"
#include "misc/keypad_model.h"

#include <QPixmap>

namespace Veltor {

// What the three pads share. OnDown fires when a key goes down (and again on
// each repeat), OnUp when one comes up.
class TKeypad : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(bool LockMode READ LockMode WRITE SetLockMode)
  Q_PROPERTY(int ButtonStatus READ ButtonStatus WRITE SetButtonStatus STORED false)
  Q_PROPERTY(QChar Button READ Button WRITE SetButton STORED false)
  Q_PROPERTY(int RepSpeed READ RepSpeed WRITE SetRepSpeed)

 public:
  // Momentary keys (which may repeat); otherwise direction keys latch until
  // clicked again.
  bool AllowAllUp() const { return FModel.AllowAllUp; }
  void SetAllowAllUp(bool v) { FModel.AllowAllUp = v; }
  // A key goes down only while no other one is.
  bool LockMode() const { return FModel.LockMode; }
  void SetLockMode(bool v) { FModel.LockMode = v; }
  // Bit k set: key k down. Writing sets the keys as far as latching allows.
  int ButtonStatus() const { return FModel.ButtonStatus(); }
  void SetButtonStatus(int v);
  QChar Button() const { return FModel.Button(); }
  void SetButton(QChar v) { FModel.SetButton(v); }
  // Repeat period in ms, taken modulo 2001; below 50 no repeat.
  int RepSpeed() const { return FModel.RepSpeed; }
  void SetRepSpeed(int v) { FModel.RepSpeed = v; }

  const TKeypadModel& Model() const { return FModel; }
  TKeypadLayout Layout() const { return KeypadLayout(FShape, Look(), Width(), Height()); }

 protected:
  TKeypad(QWidget* parent, TKeypadShape shape, const QString& letters, int centre);

  virtual TArrow KeyArrow(int key) const = 0;
  virtual TColor KeyColor(int key) const = 0;
  virtual const QImage* KeySymbol(bool /*down*/) const { return nullptr; }

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resized() override { KeepSize(); }
  void AppearanceChanged() override;

  // Holds the pad to the size its shape allows.
  void KeepSize();

  TKeypadModel FModel;

 private:
  void DrawKey(int key);
  void RepeatTick();
  int KeyAt(int x, int y) const;

  TKeypadShape FShape;
  bool FPainted = false;
  bool FInPaint = false;
  TTickSubscription FTicker;
};

class TJoyStick : public TKeypad {
  Q_OBJECT
  Q_PROPERTY(bool RastCenter READ RastCenter WRITE SetRastCenter)
  Q_PROPERTY(QPixmap SymbolUp READ SymbolUp WRITE SetSymbolUp)
  Q_PROPERTY(QPixmap SymbolDown READ SymbolDown WRITE SetSymbolDown)
  Q_PROPERTY(Veltor::TColor ColorMain READ ColorMain WRITE SetColorMain)
  Q_PROPERTY(Veltor::TColor ColorSek READ ColorSek WRITE SetColorSek)

 public:
  // Keys in reading order; the centre is key 4 (bit 16).
  static constexpr int kCentre = 4;

  explicit TJoyStick(QWidget* parent = nullptr);

  // The centre key latches; otherwise it comes up on release.
  bool RastCenter() const { return FModel.RastCenter; }
  void SetRastCenter(bool v) { FModel.RastCenter = v; }
  QPixmap SymbolUp() const { return QPixmap::fromImage(FSymbolUp); }
  void SetSymbolUp(const QPixmap& v);
  QPixmap SymbolDown() const { return QPixmap::fromImage(FSymbolDown); }
  void SetSymbolDown(const QPixmap& v);
  // Fill of the straight arrows, and of the diagonal ones.
  TColor ColorMain() const { return FColorMain; }
  void SetColorMain(TColor v) { Assign(FColorMain, v); }
  TColor ColorSek() const { return FColorSek; }
  void SetColorSek(TColor v) { Assign(FColorSek, v); }

 protected:
  TArrow KeyArrow(int key) const override;
  TColor KeyColor(int key) const override;
  const QImage* KeySymbol(bool down) const override { return down ? &FSymbolDown : &FSymbolUp; }

 private:
  QImage FSymbolUp;
  QImage FSymbolDown;
  TColor FColorMain = clRed;
  TColor FColorSek = clBlue;
};

class TUpDownT : public TKeypad {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColorUp READ ColorUp WRITE SetColorUp)
  Q_PROPERTY(Veltor::TColor ColorDown READ ColorDown WRITE SetColorDown)

 public:
  explicit TUpDownT(QWidget* parent = nullptr);

  TColor ColorUp() const { return FColorUp; }
  void SetColorUp(TColor v) { Assign(FColorUp, v); }
  TColor ColorDown() const { return FColorDown; }
  void SetColorDown(TColor v) { Assign(FColorDown, v); }

 protected:
  TArrow KeyArrow(int key) const override { return key == 0 ? TArrow::Up : TArrow::Down; }
  TColor KeyColor(int key) const override { return key == 0 ? FColorUp : FColorDown; }

 private:
  TColor FColorUp = clAqua;
  TColor FColorDown = clRed;
};

class TLeftRightT : public TKeypad {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColorLeft READ ColorLeft WRITE SetColorLeft)
  Q_PROPERTY(Veltor::TColor ColorRight READ ColorRight WRITE SetColorRight)

 public:
  explicit TLeftRightT(QWidget* parent = nullptr);

  TColor ColorLeft() const { return FColorLeft; }
  void SetColorLeft(TColor v) { Assign(FColorLeft, v); }
  TColor ColorRight() const { return FColorRight; }
  void SetColorRight(TColor v) { Assign(FColorRight, v); }

 protected:
  TArrow KeyArrow(int key) const override { return key == 0 ? TArrow::Left : TArrow::Right; }
  TColor KeyColor(int key) const override { return key == 0 ? FColorLeft : FColorRight; }

 private:
  TColor FColorLeft = clLime;
  TColor FColorRight = clRed;
};

}  // namespace Veltor
