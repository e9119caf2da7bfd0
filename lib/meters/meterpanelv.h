#pragma once
// TMeterPanelV: a vertical panel meter. A scale column with labels, a
// read-out above the face, two LEDs below it, a quantity name above the
// scale and a unit caption below it, and the value shown as a pointer
// (simpleMeter), a continuous bar in three colour zones (BarGraph) or a
// column of LED segments (LedBar).

#include "foundation/digit.h"
#include "meters/meterpanel.h"

#include <array>

namespace Veltor {

// The read-out text of a vertical panel meter: four significant digits in
// five characters, or five in six when the scale reaches 1000 or -1000.
QString PanelReadoutText(double v, double start, double end, bool fixPnt);
// Five read-out cells are needed for this scale.
inline bool PanelNeedsFiveDigits(double start, double end) { return end >= 1000 || start <= -1000; }

// What the layout depends on besides the size.
struct TMeterPanelVSetup {
  TMeterStyle Style = LedBar;
  bool DispEnable = true;
  bool LedEnable = true;
  bool FiveDigits = false;
  bool BordLeft = true, BordTop = true, BordRight = true, BordBottom = true;
  int CaptHeight = 11;  // character height of the caption font
};

// Where everything of a vertical panel meter sits, in pixels.
struct TMeterPanelVLayout {
  int M = 0;       // margin
  int K = 0;       // overhang of the face past a switched-off side
  int LedRow = 0;  // height of the LED row below the face
  int DispH = 0;   // read-out box height
  int Corner = 0;  // corner ellipse of a rounded face
  TRect Readout;   // read-out box
  TRect Face;
  TRect Area;                         // inside the face, without the text boxes
  TRect NameBox;                      // quantity name, above the scale
  TRect CaptionBox;                   // unit caption, below the scale
  int ColLeft = 0, ColRight = 0;      // tick column
  int ScaleTop = 0, ScaleBottom = 0;  // rows of ValueEnd and ValueStart
  TRect Bar;                          // bar strip of BarGraph and LedBar, empty otherwise
  std::array<TPoint, 2> Leds;
  int LedRadius = 0;
  int PointerTip = 0, PointerBase = 0;  // x of the pointer triangle
  int PeakBase = 0;                     // x of the peak triangle's upright side
  int Half = 0;                         // half-height of both triangles

  bool Valid() const { return ScaleBottom > ScaleTop && ColRight > ColLeft; }
};

TMeterPanelVLayout MeterPanelVLayout(int width, int height, const TRect& inner, const TMeterPanelVSetup& s);

class TMeterPanelV : public TCustomMeterPanel {
  Q_OBJECT
  Q_PROPERTY(Veltor::MeterEnums::TMeterStyle MeterStyle READ MeterStyle WRITE SetMeterStyle)
  Q_PROPERTY(Veltor::TColor ColDBack READ ColDBack WRITE SetColDBack)
  Q_PROPERTY(Veltor::TColor ColDRand READ ColDRand WRITE SetColDRand)
  Q_PROPERTY(Veltor::TColor ColDisplay READ ColDisplay WRITE SetColDisplay)
  Q_PROPERTY(bool DispEnable READ DispEnable WRITE SetDispEnable)
  Q_PROPERTY(bool DispFixPnt READ DispFixPnt WRITE SetDispFixPnt)
  Q_PROPERTY(bool DispItalic READ DispItalic WRITE SetDispItalic)
  Q_PROPERTY(QString TextName READ TextName WRITE SetTextName)
  Q_PROPERTY(int LedZahl READ LedZahl WRITE SetLedZahl)
  Q_PROPERTY(Veltor::TColor ColMin READ ColMin WRITE SetColMin)
  Q_PROPERTY(Veltor::TColor ColMid READ ColMid WRITE SetColMid)
  Q_PROPERTY(Veltor::TColor ColMax READ ColMax WRITE SetColMax)
  Q_PROPERTY(Veltor::TColor ColAnd READ ColAnd WRITE SetColAnd)
  Q_PROPERTY(double ValueMin READ ValueMin WRITE SetValueMin)
  Q_PROPERTY(double ValueMid READ ValueMid WRITE SetValueMid)

 public:
  static constexpr double kRangeLimit = 9999;

  explicit TMeterPanelV(QWidget* parent = nullptr);

  TMeterStyle MeterStyle() const { return FStyle; }
  void SetMeterStyle(TMeterStyle v) { Rebuild(FStyle, v); }
  TColor ColDBack() const { return FColDBack; }
  void SetColDBack(TColor v) { Rebuild(FColDBack, v); }
  TColor ColDRand() const { return FColDRand; }
  void SetColDRand(TColor v) { Rebuild(FColDRand, v); }
  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor v) { Rebuild(FColDisplay, v); }
  bool DispEnable() const { return FDispEnable; }
  void SetDispEnable(bool v) { Rebuild(FDispEnable, v); }
  bool DispFixPnt() const { return FModel.DispFixPnt(); }
  void SetDispFixPnt(bool v);
  bool DispItalic() const { return FReadout.DigItalic; }
  void SetDispItalic(bool v);
  QString TextName() const { return FTextName; }
  void SetTextName(const QString& v);
  int LedZahl() const { return FLedZahl; }
  void SetLedZahl(int v);
  TColor ColMin() const { return FColMin; }
  void SetColMin(TColor v) { SetPointerColour(FColMin, v); }
  TColor ColMid() const { return FColMid; }
  void SetColMid(TColor v) { SetPointerColour(FColMid, v); }
  TColor ColMax() const { return FColMax; }
  void SetColMax(TColor v) { SetPointerColour(FColMax, v); }
  TColor ColAnd() const { return FColAnd; }
  void SetColAnd(TColor v) { SetPointerColour(FColAnd, v); }
  double ValueMin() const { return FValueMin; }
  void SetValueMin(double v);
  double ValueMid() const { return FValueMid; }
  void SetValueMid(double v);

  // Valid after the first paint.
  const TMeterPanelVLayout& Layout() const { return FLayout; }
  QString ReadoutText() const { return FReadout.Text(); }
  // The unlit shade of a zone colour.
  TColor Dimmed(TColor c) const;

 protected:
  void Paint() override;
  int ScalePixel(double fraction) const override;
  void DrawPointers(TCanvas& c, int pos, int peakPos) override;
  TLedSpot LedSpot(int i) const override;
  bool UpdateReadout(bool force) override;
  void StartChanged() override;
  void EndChanged() override;
  void CaptionChanged() override;
  bool LedsLocked() const override { return !FLedEnable; }

 private:
  void PaintFace(TCanvas& c);
  void PaintScale(TCanvas& c);
  void PaintTextBox(TCanvas& c, const TRect& box, const QString& text);
  void ResetZoneBounds();
  int RowOf(double v) const;
  void DrawLedBar(TCanvas& c, int pos, int peakPos);
  void DrawBarGraph(TCanvas& c, int pos);

  TMeterPanelVLayout FLayout;
  TDigDisplay FReadout;
  TMeterStyle FStyle = LedBar;
  TColor FColDBack = clBlack, FColDRand = clWhite, FColDisplay = clAqua;
  bool FDispEnable = true;
  QString FTextName = QStringLiteral("STROM");
  int FLedZahl = 20;
  TColor FColMin = clYellow, FColMid = clLime, FColMax = clRed;
  TColor FColAnd = 0x02606060;
  double FValueMin = 10, FValueMid = 40;
};

}  // namespace Veltor
