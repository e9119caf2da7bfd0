#pragma once
// TSelectorSlide: a vertical slide switch with ScalaPart + 1 detents from
// the bottom up, each labelled by its entry; entries "text|value|real" also
// carry a value, read through the Pos... properties.

#include "potis/selector_model.h"
#include "potis/slide.h"

#include <QStringList>

#include <climits>

namespace Veltor {

class TSelectorSlide : public TCustomSlide {
  Q_OBJECT
  Q_PROPERTY(QStringList PosText READ PosText WRITE SetPosText)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(Veltor::TColor PosColor READ PosColor WRITE SetPosColor)
  Q_PROPERTY(int Posinteger READ Posinteger WRITE SetPosinteger)
  Q_PROPERTY(double PosFloat READ PosFloat WRITE SetPosFloat)
  Q_PROPERTY(QString PosString READ PosString WRITE SetPosString)

 public:
  explicit TSelectorSlide(QWidget* parent = nullptr);
  ~TSelectorSlide() override;

  // One entry per detent from the bottom up.
  QStringList PosText() const { return FModel.Entries(); }
  void SetPosText(const QStringList& v);
  // Takes only 0..ScalaPart; moves the knob and fires no event.
  int Position() const { return FModel.Position(); }
  void SetPosition(int v);
  // The highest position, 1..20; the position follows it down.
  int ScalaPart() const { return FModel.ScalaPart(); }
  void SetScalaPart(int v);

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

 protected:
  void Loaded() override;
  bool NarrowLeft() const override { return true; }
  void PaintScale(TCanvas& canvas, const TSlideLayout& l) override;
  int KnobRow(const TSlideLayout& l) const override;
  void PressAt(const TSlideLayout& l, int y) override;
  void DragTo(const TSlideLayout& l, int y) override { PressAt(l, y); }
  void WheelBy(int notches) override;

 private:
  void Select(int index);
  bool ChangeByUser(int p);

  TSelectorModel FModel;
  // The row of the last press or move; the same row again changes nothing.
  int FLastY = INT_MIN;
};

}  // namespace Veltor
