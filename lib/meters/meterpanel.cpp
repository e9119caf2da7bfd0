#include "meters/meterpanel.h"

#include "foundation/drawhelpers.h"
#include "host/designfont.h"

#include <QMouseEvent>

namespace Veltor {

TCustomMeterPanel::TCustomMeterPanel(QWidget* parent) : TVeltorBase(parent) {
  FFontCapt.Name = QStringLiteral("Arial");
  FFontCapt.Color = clWhite;
  FModel.SetValueEnd(50);
  FModel.SetScalaPart(5);
  FTicker = TTickSubscription::Ticker([this] { Perform(WM_USER, 0, 0); });
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

void TCustomMeterPanel::RepaintDial() {
  if (Painted()) Repaint();
}

void TCustomMeterPanel::SetPointerColour(TColor& field, TColor v) {
  if (field == v) return;
  field = v;
  UpdateStep(true);
}

void TCustomMeterPanel::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  if (Painted()) CaptionChanged();
}

void TCustomMeterPanel::SetCaptFont(const TFont& f) {
  if (f == FFontCapt) return;
  FFontCapt = f;
  StyleChanged(this);
}

QFont TCustomMeterPanel::FontCapt() const { return DesignerFont(FFontCapt); }

void TCustomMeterPanel::SetFontCapt(const QFont& f) { SetCaptFont(MergeDesignerFont(FFontCapt, f)); }

void TCustomMeterPanel::SetFontCaptColor(TColor v) {
  TFont f = FFontCapt;
  f.Color = v;
  SetCaptFont(f);
}

void TCustomMeterPanel::SetValue(double v) {
  if (FModel.SetValue(v)) UpdateStep(false);
}

void TCustomMeterPanel::SetValueStart(double v) {
  if (!FModel.SetValueStart(v, Loading())) return;
  if (!Loading()) StartChanged();
  RepaintDial();
}

void TCustomMeterPanel::SetValueEnd(double v) {
  if (!FModel.SetValueEnd(v, Loading())) return;
  if (!Loading()) EndChanged();
  RepaintDial();
}

void TCustomMeterPanel::SetNonLinear(bool v) {
  const double start = ValueStart(), end = ValueEnd();
  if (!FModel.SetNonLinear(v, Loading())) return;
  // Switching to decades may move the scale ends like their setters do.
  if (!Loading() && ValueStart() != start) StartChanged();
  if (!Loading() && ValueEnd() != end) EndChanged();
  RepaintDial();
}

void TCustomMeterPanel::SetDamping(int v) {
  if (!FModel.SetDamping(v)) return;
  if (FModel.Damping() > 0) {
    FTicker.SetInterval(10);
  } else {
    FTicker.Stop();
  }
}

void TCustomMeterPanel::SetDampPeak(int v) {
  if (FModel.SetDampPeak(v) && FModel.DampPeak() > 0) FTicker.SetInterval(10);
}

void TCustomMeterPanel::SetPeakMode(TPeakPtrMode v) {
  if (FModel.SetPeakMode(v)) UpdateStep(true);
}

void TCustomMeterPanel::ResetPeak() {
  if (FModel.ResetPeak()) UpdateStep(true);
}

void TCustomMeterPanel::StyleChanged(QObject*) { Invalidate(); }

void TCustomMeterPanel::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdateStep((Message.LParam & 0xFF) != 0);
    return;
  }
  TVeltorBase::WndProc(Message);
}

void TCustomMeterPanel::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit OnDblClick(this);
}

void TCustomMeterPanel::DrawMakerMark(TCanvas& c, int x, int y) {
  TFont mark;
  mark.Name = QStringLiteral("Arial");
  mark.Height = -9;
  mark.Color = clGray;
  c.Font = mark;
  c.Brush.Style = bsClear;
  c.TextOut(x, y, QString::fromLatin1(kMakerMark));
}

int TCustomMeterPanel::MakerMarkWidth(TCanvas& c) {
  const TFont keep = c.Font;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -9;
  const int w = c.TextWidth(QString::fromLatin1(kMakerMark));
  c.Font = keep;
  return w;
}

// ---------------------------------------------------------------- motion

void TCustomMeterPanel::FinishPaint() {
  SetPainted(true);
  FModel.ClearMarks();
  UpdateStep(true);
}

void TCustomMeterPanel::UpdateStep(bool force) {
  if (!Painted()) return;
  const double old = FModel.ShownValue();
  FModel.Step();
  const TMeterStep crossed = TMeterModel::Crossings(old, FModel.ShownValue(), FUpperLimit, FLowerLimit);
  if (UpdateReadout(force)) force = true;
  const int pos = ScalePixel(FModel.NeedleFraction());
  const bool peak = FModel.PeakMode() != ppNone;
  const int peakPos = peak ? ScalePixel(FModel.PeakFraction()) : FPeakPos;
  if (force || pos != FPointerPos || peakPos != FPeakPos || peak != FPeakShown) {
    FPointerPos = pos;
    FPeakPos = peakPos;
    FPeakShown = peak;
    Recompose();
  }
  if (crossed.UpperLim) emit OnUpperLim(this);
  if (crossed.LowerLim) emit OnLowerLim(this);
}

void TCustomMeterPanel::Recompose() {
  const TRect client(0, 0, Width(), Height());
  TCanvas& back = BackBitmap().Canvas();
  back.CopyRect(client, DrawBitmap().Image(), client);
  back.Brush.Style = bsSolid;
  back.Pen = TPen{FColPointer, 1, psClear, pmCopy};
  DrawPointers(back, FPointerPos, FPeakPos);
  DrawLamp(back, 0);
  DrawLamp(back, 1);
  Canvas().CopyRect(client, BackBitmap().Image(), client);
  DrawMarks(false);
}

void TCustomMeterPanel::DrawMarks(bool toggle) {
  if (!Painted()) return;
  TCanvas& c = Canvas();
  const auto xorBox = [&](const TRect& r) {
    c.Pen = TPen{clBlack, 1, psClear, pmXor};
    c.Brush = TBrush{ColBack() == clBlack ? clWhite : FColPointer, bsSolid};
    c.Rectangle(r);
    c.Pen.Mode = pmCopy;
  };
  if (FModel.EndMarkStep(toggle)) xorBox(FEndLabelBox);
  if (FModel.StartMarkStep(toggle)) xorBox(FStartLabelBox);
}

// ---------------------------------------------------------------- LEDs

void TCustomMeterPanel::DrawLamp(TCanvas& c, int i) {
  if (!FLedEnable) return;
  const TLedSpot spot = LedSpot(i);
  if (spot.R <= 0) return;
  const TMeterLed& led = FModel.Led(i);
  DrawLedLamp(c, spot, led.Color, led.Lit());
}

void TCustomMeterPanel::DrawLed(int i) {
  if (!Painted()) return;
  DrawLamp(BackBitmap().Canvas(), i);
  DrawLamp(Canvas(), i);
}

void TCustomMeterPanel::SetLedColor(int i, TColor v) {
  TMeterLed& led = FModel.Led(i);
  if (led.Color == v) return;
  led.Color = v;
  led.Phase = led.On;
  DrawLed(i);
}

void TCustomMeterPanel::SetLedOn(int i, bool v) {
  if (LedsLocked()) return;
  TMeterLed& led = FModel.Led(i);
  if (led.On == v) return;
  led.On = v;
  led.Phase = v;
  DrawLed(i);
}

void TCustomMeterPanel::SetLedBlink(int i, bool v) {
  if (LedsLocked()) return;
  TMeterLed& led = FModel.Led(i);
  if (led.Blink == v) return;
  led.Blink = v;
  DrawLed(i);
}

void TCustomMeterPanel::BlinkTick() {
  if (!Painted()) return;
  if (FLedEnable) {
    FModel.BlinkLeds(BlinkState());
    for (int i = 0; i < 2; ++i)
      if (FModel.Led(i).Blink) DrawLed(i);
  }
  if (FModel.MarksActive()) DrawMarks(true);
}

}  // namespace Veltor
