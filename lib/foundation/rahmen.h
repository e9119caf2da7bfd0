#pragma once
// TRahmen: the bordered, bevelled base control of the library, with an
// optional push-button behaviour. Descendants call TRahmen::Paint first and
// then draw their content inside InnerRect().

#include "foundation/frame.h"
#include "host/control.h"

namespace Veltor {

class TRahmen : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::TPanelBevel BevelIn READ BevelIn WRITE SetBevelIn)
  Q_PROPERTY(Veltor::TPanelBevel BevelOut READ BevelOut WRITE SetBevelOut)
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
  Q_PROPERTY(Veltor::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle DESIGNABLE false)
  Q_PROPERTY(bool Status READ Status WRITE SetStatus DESIGNABLE false)

 public:
  explicit TRahmen(QWidget* parent = nullptr);

  TPanelBevel BevelIn() const { return FLook.BevelIn; }
  void SetBevelIn(TPanelBevel v);
  TPanelBevel BevelOut() const { return FLook.BevelOut; }
  void SetBevelOut(TPanelBevel v);
  int BevWidth() const { return FLook.BevWidth; }
  void SetBevWidth(int v);
  int BordWidth() const { return FLook.BordWidth; }
  void SetBordWidth(int v);
  bool BordRight() const { return FLook.BordRight; }
  void SetBordRight(bool v);
  bool BordLeft() const { return FLook.BordLeft; }
  void SetBordLeft(bool v);
  bool BordTop() const { return FLook.BordTop; }
  void SetBordTop(bool v);
  bool BordBottom() const { return FLook.BordBottom; }
  void SetBordBottom(bool v);
  TColor ColBgnd() const { return FLook.ColBgnd; }
  void SetColBgnd(TColor v);

  bool Framed() const { return FLook.Framed; }
  void SetFramed(bool v);
  bool FontAutom() const { return FFontAutom; }
  void SetFontAutom(bool v);
  TColor ColBtnBord() const { return FLook.ColBtnBord; }
  void SetColBtnBord(TColor v);
  TColor ColBack() const { return FColBack; }
  void SetColBack(TColor v);
  TTastStyle ButtonStyle() const { return FLook.ButtonStyle; }
  void SetButtonStyle(TTastStyle v);
  bool Status() const { return FStatus; }
  // Takes effect only for push-pull buttons, or while loading or designing.
  void SetStatus(bool v);

  // What the last paint left inside the rings.
  TRect InnerRect() const { return FInnerRect; }
  bool ShowPressed() const { return FLook.ShowPressed; }

 signals:
  void OnClick(QObject* Sender);
  void OnDown(QObject* Sender);
  void OnUp(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Redraws only the outermost bevel, pressed or released, and sets Status.
  void DrawPressed(bool pressed);
  void SetShowPressed(bool v) { FLook.ShowPressed = v; }

  TRect FInnerRect;

 private:
  void RunButtonStep(const TButtonStep& step);

  template <typename T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

  TFrameLook FLook;
  TColor FColBack = clSilver;
  bool FFontAutom = true;
  bool FStatus = false;
};

}  // namespace Veltor
