#pragma once
// TFramedControl: what the frame base control and the instrument base share:
// the rings' properties, the push-button behaviour with its three events,
// and the rectangle the frame leaves inside. Each descendant decides where
// the frame is painted and what an appearance change means.

#include "foundation/frame.h"
#include "host/control.h"

namespace Veltor {

class TFramedControl : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel BevelIn READ BevelIn WRITE SetBevelIn)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel BevelOut READ BevelOut WRITE SetBevelOut)
  Q_PROPERTY(int BevWidth READ BevWidth WRITE SetBevWidth)
  Q_PROPERTY(int BordWidth READ BordWidth WRITE SetBordWidth)
  Q_PROPERTY(bool BordRight READ BordRight WRITE SetBordRight)
  Q_PROPERTY(bool BordLeft READ BordLeft WRITE SetBordLeft)
  Q_PROPERTY(bool BordTop READ BordTop WRITE SetBordTop)
  Q_PROPERTY(bool BordBottom READ BordBottom WRITE SetBordBottom)
  Q_PROPERTY(Veltor::TColor ColBgnd READ ColBgnd WRITE SetColBgnd)
  // Kept for descendants; those that offer them in stored forms redeclare
  // them as designable.
  Q_PROPERTY(bool Framed READ Framed WRITE SetFramed DESIGNABLE false)
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom DESIGNABLE false)
  Q_PROPERTY(Veltor::TColor ColBtnBord READ ColBtnBord WRITE SetColBtnBord DESIGNABLE false)
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack DESIGNABLE false)
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle DESIGNABLE false)

 public:
  explicit TFramedControl(QWidget* parent = nullptr);

  TPanelBevel BevelIn() const { return FLook.BevelIn; }
  void SetBevelIn(TPanelBevel v) { AssignLook(FLook.BevelIn, v); }
  TPanelBevel BevelOut() const { return FLook.BevelOut; }
  void SetBevelOut(TPanelBevel v) { AssignLook(FLook.BevelOut, v); }
  int BevWidth() const { return FLook.BevWidth; }
  void SetBevWidth(int v) { AssignLook(FLook.BevWidth, ClampRingWidth(v)); }
  int BordWidth() const { return FLook.BordWidth; }
  void SetBordWidth(int v) { AssignLook(FLook.BordWidth, ClampRingWidth(v)); }
  bool BordRight() const { return FLook.BordRight; }
  void SetBordRight(bool v) { AssignLook(FLook.BordRight, v); }
  bool BordLeft() const { return FLook.BordLeft; }
  void SetBordLeft(bool v) { AssignLook(FLook.BordLeft, v); }
  bool BordTop() const { return FLook.BordTop; }
  void SetBordTop(bool v) { AssignLook(FLook.BordTop, v); }
  bool BordBottom() const { return FLook.BordBottom; }
  void SetBordBottom(bool v) { AssignLook(FLook.BordBottom, v); }
  TColor ColBgnd() const { return FLook.ColBgnd; }
  void SetColBgnd(TColor v) { AssignLook(FLook.ColBgnd, v); }

  bool Framed() const { return FLook.Framed; }
  void SetFramed(bool v) { Assign(FLook.Framed, v); }
  bool FontAutom() const { return FFontAutom; }
  // Switching fitting off keeps the fitted font until the next change.
  void SetFontAutom(bool v);
  TColor ColBtnBord() const { return FLook.ColBtnBord; }
  void SetColBtnBord(TColor v) { Assign(FLook.ColBtnBord, v); }
  TColor ColBack() const { return FColBack; }
  void SetColBack(TColor v) { AssignLook(FColBack, v); }
  TTastStyle ButtonStyle() const { return FLook.ButtonStyle; }
  void SetButtonStyle(TTastStyle v) { Assign(FLook.ButtonStyle, v); }

  // The button is down.
  bool Status() const { return FStatus; }
  // What the last paint (or pressed look) left inside the rings.
  TRect InnerRect() const { return FInnerRect; }
  bool ShowPressed() const { return FLook.ShowPressed; }

 signals:
  void OnClick(QObject* Sender);
  void OnDown(QObject* Sender);
  void OnUp(QObject* Sender);

 protected:
  // Any button, anywhere: the framework's own mouse events are not fired.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Redraws only the outermost bevel, pressed or released, and sets Status.
  virtual void DrawPressed(bool pressed) = 0;
  // A property that changes how the frame or the content looks was set.
  virtual void AppearanceChanged() { Invalidate(); }

  // Assign for a property that changes the control's appearance.
  template <typename T, typename V>
  void AssignLook(T& field, const V& value) {
    Assign(field, value, [this] { AppearanceChanged(); });
  }

  void SetShowPressed(bool v) { FLook.ShowPressed = v; }
  const TFrameLook& Look() const { return FLook; }

  TRect FInnerRect;
  bool FStatus = false;

 private:
  void RunButtonStep(const TButtonStep& step);

  TFrameLook FLook;
  TColor FColBack = clSilver;
  bool FFontAutom = true;
};

}  // namespace Veltor
