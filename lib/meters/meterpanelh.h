#pragma once
// TMeterPanelH: a horizontal edgewise panel meter. A straight scale with
// ticks rising from a base line and labels above them, the caption in a
// strip below the base line, a pointer rising from below, an optional peak
// pointer pointing down onto the ticks, and two LEDs at the right.

#include "meters/meterpanel.h"

#include <array>

namespace Veltor {

// What the layout depends on besides the size.
struct TMeterPanelHSetup {
  bool LedEnable = true;
  bool BordLeft = true, BordTop = true, BordRight = true, BordBottom = true;
  int LabelWidth = 0;    // widest scale label in pixels
  int LabelHeight = 11;  // character height of the scale font
};

// Where everything of a horizontal panel meter sits, in pixels.
struct TMeterPanelHLayout {
  int M = 0;       // margin
  int K = 0;       // overhang past a switched-off side; corner of a round face
  int LedCol = 0;  // width of the LED column at the right
  TRect Face;
  TRect Area;       // inside the face
  TRect Scale;      // the scale runs along its width
  int BaseY = 0;    // base line
  int TickY = 0;    // upper end of the major ticks
  int Half = 0;     // half-width of the pointer triangles
  int PeakTip = 0;  // row of the peak pointer's tip
  std::array<TPoint, 2> Leds;
  int LedRadius = 0;

  bool Valid() const { return Scale.Width() > 0 && Scale.Height() > 0; }
};

TMeterPanelHLayout MeterPanelHLayout(int width, int height, const TRect& inner, const TMeterPanelHSetup& s);

class TMeterPanelH : public TCustomMeterPanel {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  static constexpr int kCaptionMax = 32;

  explicit TMeterPanelH(QWidget* parent = nullptr);

  // At most kCaptionMax characters.
  void SetCaption(const QString& v) { TCustomMeterPanel::SetCaption(v.left(kCaptionMax)); }

  // Valid after the first paint.
  const TMeterPanelHLayout& Layout() const { return FLayout; }

 protected:
  void Paint() override;
  int ScalePixel(double fraction) const override;
  void DrawPointers(TCanvas& c, int pos, int peakPos) override;
  TLedSpot LedSpot(int i) const override;
  void StartChanged() override;
  void EndChanged() override;

 private:
  void PaintFace(TCanvas& c);
  void PaintScale(TCanvas& c);
  void PaintCaption(TCanvas& c);

  TMeterPanelHLayout FLayout;
};

}  // namespace Veltor
