#pragma once
// TSelector270: a rotary switch with ScalaPart + 1 detents over the dial of
// the rotary pot. Each detent has a dot and the text of its entry; entries
// "text|value|real" also carry a value, read through the Pos... properties.

#include "potis/rotary.h"
#include "potis/selector_model.h"

#include <QStringList>

namespace Veltor {

class TSelector270 : public TCustomRotary {
  Q_OBJECT
  Q_PROPERTY(QStringList PosText READ PosText WRITE SetPosText)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(Veltor::TColor PosColor READ PosColor WRITE SetPosColor)
  Q_PROPERTY(int Posinteger READ Posinteger WRITE SetPosinteger)
  Q_PROPERTY(double PosFloat READ PosFloat WRITE SetPosFloat)
  Q_PROPERTY(QString PosString READ PosString WRITE SetPosString)

 public:
  explicit TSelector270(QWidget* parent = nullptr);
  ~TSelector270() override;

  // One entry per detent from the start of the dial.
  QStringList PosText() const { return FModel.Entries(); }
  void SetPosText(const QStringList& v);
  // The highest position, 1..20; the position follows it down.
  int ScalaPart() const { return FModel.ScalaPart(); }
  void SetScalaPart(int v);
  // Takes only 0..ScalaPart; moves the pointer and fires no event.
  int Position() const { return FModel.Position(); }
  void SetPosition(int v);

  // The parts of the entry at Position. Setting one selects the first entry
  // with that value, or keeps the position; ignored while a form loads.
  // Setting PosString does nothing.
  TColor PosColor() const { return FModel.PosColor(); }
  void SetPosColor(TColor v) { Select(FModel.FindColor(v)); }
  int Posinteger() const { return FModel.PosInteger(); }
  void SetPosinteger(int v) { Select(FModel.FindInteger(v)); }
  double PosFloat() const { return FModel.PosFloat(); }
  void SetPosFloat(double v) { Select(FModel.FindFloat(v)); }
  QString PosString() const { return FModel.PosString(); }
  void SetPosString(const QString&) {}

  TRotaryLayout Layout() const override;

 protected:
  void Loaded() override;
  void PaintScale(TCanvas& canvas, const TRotaryLayout& l) override;
  double PointerAngle() const override;
  void PressAt(double alpha) override;
  void DragTo(double lastAlpha, double alpha) override;
  void WheelBy(int notches) override;

 private:
  void Select(int index);
  bool ChangeByUser(int p);

  TSelectorModel FModel;
};

}  // namespace Veltor
