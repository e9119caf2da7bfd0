#pragma once
// TBevel3D: a framed caption panel that can also act as a push button, a
// toggle button or one button of a radio group. Inside the frame rings it
// draws a caption area with its own colour and bevel, showing Caption, or
// Caption1 while the button is down.

#include "buttons/buttontypes.h"
#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"

#include <QFont>
#include <QString>

namespace Veltor {

// Sent to the controls of a parent when a group button goes down; WParam is
// the group index, LParam the button that went down.
constexpr quint32 kGroupDownMessage = 0xB018;
// Sent by the blink clock to a blinking caption; WParam is the blink state.
constexpr quint32 kBlinkMessage = WM_USER;

class TBevel3D : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString Caption1 READ Caption1 WRITE SetCaption1)
  Q_PROPERTY(Veltor::TColor ColCaptBack READ ColCaptBack WRITE SetColCaptBack)
  Q_PROPERTY(Veltor::TColor ColCaption READ ColCaption WRITE SetColCaption)
  Q_PROPERTY(Veltor::TColor ColCaption1 READ ColCaption1 WRITE SetColCaption1)
  Q_PROPERTY(bool CaptEnable READ CaptEnable WRITE SetCaptEnable)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel CaptBevel READ CaptBevel WRITE SetCaptBevel)
  Q_PROPERTY(Veltor::ButtonEnums::TTextStyle TextAdjust READ TextAdjust WRITE SetTextAdjust)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(bool CaptBlink READ CaptBlink WRITE SetCaptBlink)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(Veltor::TColor ColBtnBord READ ColBtnBord WRITE SetColBtnBord)
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(bool Framed READ Framed WRITE SetFramed)

 public:
  explicit TBevel3D(QWidget* parent = nullptr);
  ~TBevel3D() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  QString Caption1() const { return FCaption1; }
  void SetCaption1(const QString& v);
  TColor ColCaptBack() const { return FColCaptBack; }
  void SetColCaptBack(TColor v);
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor v);
  TColor ColCaption1() const { return FColCaption1; }
  void SetColCaption1(TColor v);
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool v);
  TPanelBevel CaptBevel() const { return FCaptBevel; }
  void SetCaptBevel(TPanelBevel v);
  TTextStyle TextAdjust() const { return FTextAdjust; }
  void SetTextAdjust(TTextStyle v);
  // The button's pressed state. Setting it takes effect for push-pull buttons
  // (and while loading); a button going down releases the rest of its group.
  bool Down() const { return Status(); }
  void SetDown(bool v);
  // Switching wrapping on switches font fitting off: a fitted font is sized
  // for one line.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v) { FAllowAllUp = v; }
  bool CaptBlink() const { return FCaptBlink; }
  void SetCaptBlink(bool v);
  int GroupIndex() const { return FGroupIndex; }
  // Kept within 0..255; 0 is no group.
  void SetGroupIndex(int v);

  // Where the caption is drawn; valid after the first paint.
  TRect CaptRect() const { return FCaptRect; }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

 private:
  // The caption to show now and its colour.
  QString ShownText() const;
  TColor ShownColor() const;
  // Repaints the caption area; with show false only its background.
  void DrawCaption(bool show);
  void DrawCaptionLine(const QString& text, const TRect& r);
  void NotifyGroup();
  void GroupButtonDown(const TMessage& m);
  void BlinkTick();

  QString FCaption;
  QString FCaption1;
  TColor FColCaptBack = clBlue;
  TColor FColCaption = clBlack;
  TColor FColCaption1 = clBlack;
  bool FCaptEnable = false;
  TPanelBevel FCaptBevel = bvNone;
  TTextStyle FTextAdjust = ttCenter;
  bool FWordWrap = false;
  bool FAllowAllUp = false;
  bool FCaptBlink = false;
  int FGroupIndex = 0;

  TRect FCaptRect;
  bool FCaptPainted = false;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
