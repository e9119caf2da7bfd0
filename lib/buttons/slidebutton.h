#pragma once
// TSlideButton: a two-position slide switch. Each click moves the knob to
// the other half of the well; the uncovered half shows a coloured field with
// a short text, or a picture.

#include "buttons/buttontypes.h"
#include "foundation/rahmen.h"

#include <QPixmap>
#include <QString>

namespace Veltor {

// The switch's property values and their rules, without a widget.
struct TSlideButtonModel {
  static constexpr int kTextLength = 10;

  TColor ColTextPos1 = clLime;
  TColor ColTextPos2 = clYellow;
  TColor ColorPos1 = clRed;
  TColor ColorPos2 = clBlue;
  TColor ColButton = clSilver;
  QString TextPos1 = QStringLiteral("ON");
  QString TextPos2 = QStringLiteral("OFF");
  swStatus Position = swPos2;
  bool BmpEnable = false;

  static QString CutText(const QString& s) { return s.left(kTextLength); }
  static swStatus Flipped(swStatus p) { return p == swPos2 ? swPos1 : swPos2; }

  // In swPos2 the knob is down and the upper field shows the first colour
  // and text; in swPos1 the lower field shows the second pair.
  bool FieldOnTop() const { return Position == swPos2; }
  TColor FieldColor() const { return FieldOnTop() ? ColorPos1 : ColorPos2; }
  TColor TextColor() const { return FieldOnTop() ? ColTextPos1 : ColTextPos2; }
  const QString& FieldText() const { return FieldOnTop() ? TextPos1 : TextPos2; }
};

// Where the parts of the switch go inside its frame.
struct TSlideButtonLayout {
  int Margin = 0;
  TRect Outline;  // the sunken one-pixel frame is drawn on its edge
  TRect Well;     // inside that frame: knob and field
  TRect Field;
  TRect Knob;
};

TSlideButtonLayout SlideButtonLayout(int width, int height, const TRect& inner, swStatus position);

class TSlideButton : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::TColor ColTextPos1 READ ColTextPos1 WRITE SetColTextPos1)
  Q_PROPERTY(Veltor::TColor ColTextPos2 READ ColTextPos2 WRITE SetColTextPos2)
  Q_PROPERTY(Veltor::TColor ColorPos1 READ ColorPos1 WRITE SetColorPos1)
  Q_PROPERTY(Veltor::TColor ColorPos2 READ ColorPos2 WRITE SetColorPos2)
  Q_PROPERTY(Veltor::TColor ColButton READ ColButton WRITE SetColButton)
  Q_PROPERTY(QString TextPos1 READ TextPos1 WRITE SetTextPos1)
  Q_PROPERTY(QString TextPos2 READ TextPos2 WRITE SetTextPos2)
  Q_PROPERTY(QPixmap BmpPos1 READ BmpPos1 WRITE SetBmpPos1)
  Q_PROPERTY(QPixmap BmpPos2 READ BmpPos2 WRITE SetBmpPos2)
  Q_PROPERTY(Veltor::ButtonEnums::swStatus Position READ Position WRITE SetPosition)
  Q_PROPERTY(bool BmpEnable READ BmpEnable WRITE SetBmpEnable)

 public:
  explicit TSlideButton(QWidget* parent = nullptr);

  TColor ColTextPos1() const { return FModel.ColTextPos1; }
  void SetColTextPos1(TColor v) { Assign(FModel.ColTextPos1, v); }
  TColor ColTextPos2() const { return FModel.ColTextPos2; }
  void SetColTextPos2(TColor v) { Assign(FModel.ColTextPos2, v); }
  TColor ColorPos1() const { return FModel.ColorPos1; }
  void SetColorPos1(TColor v) { Assign(FModel.ColorPos1, v); }
  TColor ColorPos2() const { return FModel.ColorPos2; }
  void SetColorPos2(TColor v) { Assign(FModel.ColorPos2, v); }
  TColor ColButton() const { return FModel.ColButton; }
  void SetColButton(TColor v) { Assign(FModel.ColButton, v); }
  // At most ten characters; longer texts are cut.
  QString TextPos1() const { return FModel.TextPos1; }
  void SetTextPos1(const QString& v) { Assign(FModel.TextPos1, TSlideButtonModel::CutText(v)); }
  QString TextPos2() const { return FModel.TextPos2; }
  void SetTextPos2(const QString& v) { Assign(FModel.TextPos2, TSlideButtonModel::CutText(v)); }
  // Pictures shown instead of field and text while BmpEnable: BmpPos2 in
  // the upper field, BmpPos1 in the lower one. A null picture is ignored.
  QPixmap BmpPos1() const { return FBmpPos1; }
  void SetBmpPos1(const QPixmap& v);
  QPixmap BmpPos2() const { return FBmpPos2; }
  void SetBmpPos2(const QPixmap& v);
  // Set by program: no event.
  swStatus Position() const { return FModel.Position; }
  void SetPosition(swStatus v) { Assign(FModel.Position, v); }
  bool BmpEnable() const { return FModel.BmpEnable; }
  void SetBmpEnable(bool v) { Assign(FModel.BmpEnable, v); }

  // Where the parts are at the present size, without a paint.
  TSlideButtonLayout Layout() const;

 public slots:
  void StyleChanged(QObject* Sender);

 signals:
  void KeyChange(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void PaintField(const TSlideButtonLayout& l);
  void PaintKnob(const TSlideButtonLayout& l);

  TSlideButtonModel FModel;
  QPixmap FBmpPos1;
  QPixmap FBmpPos2;
};

}  // namespace Veltor
