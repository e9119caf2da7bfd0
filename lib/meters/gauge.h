#pragma once
// TGaugeGp: a thin bar gauge inside the frame of TRahmen. It shows a
// percentage as a row of equal segments (bar mode) or as a pointer band of
// adjustable width (meter mode), along its longer side. It draws straight
// onto its canvas and remembers the lit segment count or band position it
// drew last, so a reading that changes neither costs nothing. Its movement
// can be damped through the tick registry.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"
#include "potis/potistypes.h"

namespace Veltor {

// Value, percentage and damping of a gauge; widget-free.
class TGaugeModel {
 public:
  static constexpr int kMaxDamping = 10;

  double ValueMin() const { return FMin; }
  double ValueMax() const { return FMax; }
  double Value() const { return FValue; }
  double Percent() const { return FPercent; }
  double Shown() const { return FShown; }
  int Damping() const { return FDamping; }

  // Setters return true when the reading (Percent) may have changed.
  bool SetPercent(double p);
  bool SetValue(double v, bool loading = false);
  bool SetValueMin(double v, bool loading = false);
  bool SetValueMax(double v, bool loading = false);
  bool SetDamping(int v);
  // After a stored form: an empty range gets one unit, the value is brought
  // into the range and the reading follows. True when the reading changed.
  bool Normalise();
  // One motion step of the shown percentage towards Percent.
  void Step();

 private:
  // Percent from Value; true when it changed.
  bool Recompute();

  double FMin = 0, FMax = 10, FValue = 0, FPercent = 0, FShown = 0;
  int FDamping = 0;
};

// Where a gauge draws: the strip inside its frame, and the run along it.
struct TGaugeLayout {
  TRect Strip;  // inner rectangle shrunk by 2
  bool Vertical = false;
  // Length of the run in bar mode (from the start edge to the far edge).
  int Length() const { return Vertical ? Strip.Height() : Strip.Width(); }
};

TGaugeLayout GaugeLayout(const TRect& inner, TOrientation orientation);
// Lit segments of a bar of `length` pixels at `shown` percent.
int GaugeSegments(double shown, int length, int segmWidth, int segmGap);

class TGaugeGp : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(double ValueMin READ ValueMin WRITE SetValueMin)
  Q_PROPERTY(double ValueMax READ ValueMax WRITE SetValueMax)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(bool MeterMode READ MeterMode WRITE SetMeterMode)
  Q_PROPERTY(bool SegmBorder READ SegmBorder WRITE SetSegmBorder)
  Q_PROPERTY(int SegmGap READ SegmGap WRITE SetSegmGap)
  Q_PROPERTY(int SegmWidth READ SegmWidth WRITE SetSegmWidth)
  Q_PROPERTY(Veltor::TColor SegmColor READ SegmColor WRITE SetSegmColor)
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::TColor ColBorder READ ColBorder WRITE SetColBorder)
  Q_PROPERTY(double Percent READ Percent WRITE SetPercent)
  Q_PROPERTY(double PntrPercent READ PntrPercent WRITE SetPntrPercent)
  Q_PROPERTY(int Damping READ Damping WRITE SetDamping)
  Q_PROPERTY(Veltor::PotiEnums::TOrientation Orientation READ Orientation WRITE SetOrientation)

 public:
  explicit TGaugeGp(QWidget* parent = nullptr);

  double ValueMin() const { return FModel.ValueMin(); }
  void SetValueMin(double v);
  double ValueMax() const { return FModel.ValueMax(); }
  void SetValueMax(double v);
  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  bool MeterMode() const { return FMeterMode; }
  void SetMeterMode(bool v) { Restyle(FMeterMode, v); }
  bool SegmBorder() const { return FSegmBorder; }
  void SetSegmBorder(bool v) { Restyle(FSegmBorder, v); }
  int SegmGap() const { return FSegmGap; }
  void SetSegmGap(int v) {
    if (v >= 0) Restyle(FSegmGap, v);
  }
  int SegmWidth() const { return FSegmWidth; }
  void SetSegmWidth(int v) {
    if (v >= 1) Restyle(FSegmWidth, v);
  }
  TColor SegmColor() const { return FSegmColor; }
  void SetSegmColor(TColor v) { Restyle(FSegmColor, v); }
  TColor ColBorder() const { return FColBorder; }
  void SetColBorder(TColor v) { Restyle(FColBorder, v); }
  double Percent() const { return FModel.Percent(); }
  void SetPercent(double v);
  double PntrPercent() const { return FPntrPercent; }
  void SetPntrPercent(double v);
  int Damping() const { return FModel.Damping(); }
  void SetDamping(int v);
  TOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TOrientation v);

  const TGaugeModel& Model() const { return FModel; }
  bool Painted() const { return FPainted; }
  // Rectangles the redraw steps have filled since the gauge was made: the
  // paint work a reading cost.
  int PaintWork() const { return FPaintWork; }

 signals:
  void OnDblClick(QObject* Sender);

 protected:
  void Paint() override;
  void Resized() override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  template <typename T>
  void Restyle(T& field, const T& v) {
    if (field == v) return;
    field = v;
    if (FPainted) Repaint();
  }
  // Thickness and orientation follow the shape.
  void ApplyShape();
  // One damping step and, when the reading moved on the screen, its drawing.
  void RedrawStep();
  void DrawBar(TCanvas& c, const TGaugeLayout& l);
  void DrawBand(TCanvas& c, const TGaugeLayout& l);
  void Fill(TCanvas& c, const TRect& r);

  TGaugeModel FModel;
  bool FMeterMode = false;
  bool FSegmBorder = true;
  int FSegmGap = 1;
  int FSegmWidth = 8;
  TColor FSegmColor = clNavy;
  TColor FColBorder = clGray;
  double FPntrPercent = 0;
  TOrientation FOrientation = orHorizontal;
  bool FPainted = false;
  bool FShaping = false;
  int FLastDrawn = -1;  // segment count or band position; -1 after a paint
  int FPaintWork = 0;
  TTickSubscription FTicker;
};

}  // namespace Veltor
