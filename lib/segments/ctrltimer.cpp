#include "segments/ctrltimer.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame.h"
#include "foundation/frame3d.h"
#include "host/modalui.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kCountMs = 1000;
constexpr int kPartTop[3] = {99, 59, 59};

const char* const kPartNames[3] = {"hours", "minutes", "seconds"};

// What the four buttons say and which one stands for the current mode.
struct TButtonFace {
  const char* Label;
  bool Pressed;
  bool Enabled;
};

std::array<TButtonFace, 4> ButtonFaces(tCtrlTMode mode) {
  using namespace SegmentEnums;
  if (mode >= trig1) {
    return {{{"TRIG 1", mode == trig1, true},
             {"TRIG 2", mode == trig2, true},
             {"TRIG 3", mode == trig3, true},
             {"EXIT", false, true}}};
  }
  return {{{"RUN", mode == run, true},
           {"STOP", mode == stop, mode == run || mode == stop},
           {"RESET", mode == reset, true},
           {"TRIGGER", false, mode == reset}}};
}

}  // namespace

std::vector<int> ShownParts(TCtrlTRes res) {
  switch (res) {
    case SegmentEnums::tcHH: return {0};
    case SegmentEnums::tcMM: return {1};
    case SegmentEnums::tcSS: return {2};
    case SegmentEnums::tcHHMM: return {0, 1};
    case SegmentEnums::tcMMSS: return {1, 2};
    case SegmentEnums::tcHHMMSS: return {0, 1, 2};
  }
  return {};
}

bool ShowsPart(TCtrlTRes res, int part) {
  const std::vector<int> parts = ShownParts(res);
  return std::find(parts.begin(), parts.end(), part) != parts.end();
}

// ---------------------------------------------------------------- TCtlTime

TCtlTime::TCtlTime(TCtrlTimer* owner) : TPersistent(owner), FOwner(owner) {}

int TCtlTime::Packed() const {
  int v = 0;
  for (int d : D) v = v * 10 + d;
  return v;
}

void TCtlTime::Clear() {
  D.fill(0);
  Elapsed = true;
}

void TCtlTime::SetPart(int part, int v) {
  if (!Loading() && (v < 0 || v > kPartTop[part] || !ShowsPart(FOwner->Resolution(), part)))
    return;
  if (D[size_t(2 * part)] == v / 10 && D[size_t(2 * part + 1)] == v % 10) return;
  D[size_t(2 * part)] = v / 10;
  D[size_t(2 * part + 1)] = v % 10;
  FOwner->TimeChanged(this);
}

void TCtlTime::StepDown(TCtrlTRes res) {
  ShowStep = false;
  if (Packed() == 0) {
    Elapsed = true;
    return;
  }
  const std::array<int, 6> before = D;
  int seconds = (ValueHours() * 60 + ValueMinutes()) * 60 + ValueSeconds() - 1;
  const int parts[3] = {seconds / 3600, seconds / 60 % 60, seconds % 60};
  for (int p = 0; p < 3; ++p) {
    D[size_t(2 * p)] = parts[p] / 10;
    D[size_t(2 * p + 1)] = parts[p] % 10;
    if (ShowsPart(res, p) &&
        (D[size_t(2 * p)] != before[size_t(2 * p)] || D[size_t(2 * p + 1)] != before[size_t(2 * p + 1)]))
      ShowStep = true;
  }
}

QString TCtlTime::Text(TCtrlTRes res) const {
  QString s;
  for (int p : ShownParts(res)) {
    if (!s.isEmpty()) s += u':';
    s += QString::number(D[size_t(2 * p)]) + QString::number(D[size_t(2 * p + 1)]);
  }
  return s;
}

// ---------------------------------------------------------------- layout

TCtrlTimerLayout CtrlTimerLayout(int w, int h, const TRect& inner, const TCtrlTimerFlags& f, int captionHeight,
                                 TCtrlTRes res) {
  TCtrlTimerLayout l;
  const int m = h / 20;
  const int s = h / 5;
  const int side = s * 35 / 10;
  l.Corner = s;
  l.Panel = TRect(inner.Left + m + (f.BordLeft ? 0 : 4), inner.Top + h / 8 + (f.BordTop ? 0 : 4),
                  inner.Right - side - m - (f.BordRight ? 0 : 4), inner.Bottom - m - (f.BordBottom ? 0 : 4));
  // A font too tall for the strip above the panel would lose its top.
  l.Caption = TRect(w - 14 * h / 20, std::max(inner.Top, l.Panel.Top - captionHeight),
                    inner.Right - 1 - (f.BordRight ? 0 : 4), l.Panel.Top);
  l.Column = TRect(l.Caption.Left, l.Panel.Top, l.Caption.Right, l.Panel.Bottom);

  const int bh = (l.Column.Height() - 4) / 4;
  for (int i = 0; i < 4; ++i) {
    const int top = l.Column.Top + 2 + i * bh;
    const int bottom = i == 3 ? l.Column.Bottom - 1 : top + bh - 1;
    l.Buttons[size_t(i)] = TRect(l.Column.Left + 3, top, l.Column.Right - 3, bottom);
  }

  const int inset = s / 3;
  l.Digits = TRect(l.Panel.Left + inset, l.Panel.Top + inset + 2, l.Panel.Right - inset, l.Panel.Bottom - inset);
  const int n = 2 * int(ShownParts(res).size());
  const int q = l.Digits.Height() / 8;
  const int middle = l.Digits.Top + l.Digits.Height() / 2;
  int left = l.Digits.Left;
  for (int i = 1; i <= n; ++i) {
    const int right = l.Digits.Left + l.Digits.Width() * i / n;
    l.Cells.push_back(TRect(left, l.Digits.Top, right, l.Digits.Bottom));
    l.UpZones.push_back(TRect(left, l.Panel.Top, right - q, middle - q));
    l.DownZones.push_back(TRect(left, middle + q, right - q, l.Panel.Bottom));
    left = right;
  }
  return l;
}

// ---------------------------------------------------------------- TCtrlTimer

TCtrlTimer::TCtrlTimer(QWidget* parent) : TRahmen(parent) {
  SetColBack(TColor(0x000080));
  SetFontSize(18);
  SetBevWidth(2);
  SetBordWidth(2);
  SetBevelIn(bvNone);
  resize(310, 90);
  FTicker = TTickSubscription::Ticker([this] { CountStep(); });
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

TCtlTime* TCtrlTimer::ShownTime() {
  switch (FMode) {
    case SegmentEnums::reset: return &FStartTime;
    case SegmentEnums::trig1: return &FTrigger1;
    case SegmentEnums::trig2: return &FTrigger2;
    case SegmentEnums::trig3: return &FTrigger3;
    default: return &FRunTime;
  }
}

TCtrlTimerLayout TCtrlTimer::Geometry() const {
  return CtrlTimerLayout(width(), height(), FrameInnerRect(Look(), width(), height()),
                         TCtrlTimerFlags{BordLeft(), BordRight(), BordTop(), BordBottom()}, std::abs(Font().Height),
                         FResolution);
}

void TCtrlTimer::SetResolution(TCtrlTRes v) {
  if (v == FResolution) return;
  FResolution = v;
  // Digits a resolution does not show could never be edited back.
  if (!Loading()) {
    for (TCtlTime* t : {&FStartTime, &FTrigger1, &FTrigger2, &FTrigger3}) t->Clear();
  }
  Invalidate();
}

void TCtrlTimer::SetMode(tCtrlTMode v) {
  if (v == FMode || v == SegmentEnums::elapsed) return;
  FMode = v;
  if (v == SegmentEnums::reset) emit OnReset(this);
  if (v == SegmentEnums::run) emit OnStart(this);
  if (v == SegmentEnums::stop) emit OnStop(this);
  DrawButtons();
  DrawDigits(FColSegm);  // the mode decides which time is shown
}

void TCtrlTimer::SetCaption(const QString& v) {
  if (Assign(FCaption, v.left(MaxCaption), [] {})) DrawCaption();
}

void TCtrlTimer::TimeChanged(TCtlTime* time) {
  if (time == ShownTime()) DrawDigits(FColSegm);
}

void TCtrlTimer::CountStep() {
  if (FMode != SegmentEnums::run) return;
  FRunTime.StepDown(FResolution);
  if (FRunTime.Elapsed) {
    if (FStartTime.Beep() >= 0) Veltor::Beep();
    Notify(0);
  } else {
    for (int i = 1; i <= 3; ++i) {
      if (Trigger(i)->Packed() != FRunTime.Packed()) continue;
      if (Trigger(i)->Beep() >= 0) Veltor::Beep();
      Notify(i);
    }
  }
  if (FRunTime.ShowStep) DrawDigits(FColSegm);
}

void TCtrlTimer::Notify(int code) {
  switch (code) {
    case 0:
      FTicker.Stop();
      FMode = SegmentEnums::elapsed;
      DrawButtons();
      DrawDigits(FColSegm);
      emit OnElapsed(this);
      break;
    case 1: emit OnTrigger1(this); break;
    case 2: emit OnTrigger2(this); break;
    case 3: emit OnTrigger3(this); break;
  }
}

void TCtrlTimer::BlinkTick() {
  if (FMode == SegmentEnums::elapsed) DrawDigits(BlinkState() ? FColElapsed : FColSegm);
}

// ---------------------------------------------------------------- mouse

void TCtrlTimer::MouseMove(TShiftState, int X, int Y) {
  const TCtrlTimerLayout l = Geometry();
  bool onDigit = false;
  for (size_t i = 0; i < l.Cells.size(); ++i)
    onDigit = onDigit || l.UpZones[i].Contains(X, Y) || l.DownZones[i].Contains(X, Y);
  if (onDigit) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
}

void TCtrlTimer::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  const TCtrlTimerLayout l = Geometry();
  for (int i = 0; i < 4; ++i) {
    if (l.Buttons[size_t(i)].Contains(X, Y)) return ButtonPressed(i);
  }
  for (size_t i = 0; i < l.Cells.size(); ++i) {
    if (l.UpZones[i].Contains(X, Y)) return EditDigit(int(i), true);
    if (l.DownZones[i].Contains(X, Y)) return EditDigit(int(i), false);
  }
}

void TCtrlTimer::ButtonPressed(int index) {
  using namespace SegmentEnums;
  if (FMode >= trig1) {
    SetMode(index == 0 ? trig1 : index == 1 ? trig2 : index == 2 ? trig3 : reset);
    return;
  }
  switch (index) {
    case 0:
      if (FMode == run) return;
      if (FMode != stop) {
        FRunTime.D = FStartTime.D;
        FRunTime.Elapsed = false;
      }
      SetMode(run);
      FTicker.SetInterval(kCountMs);
      break;
    case 1:
      if (FMode == reset || FMode == stop) return;
      SetMode(stop);
      FTicker.Stop();
      break;
    case 2: SetMode(reset); break;
    case 3:
      if (FMode == reset) SetMode(trig1);
      break;
  }
}

void TCtrlTimer::EditDigit(int cell, bool up) {
  using namespace SegmentEnums;
  if (FMode != reset && FMode < trig1) {
    Veltor::Beep();
    return;
  }
  const std::vector<int> parts = ShownParts(FResolution);
  const int part = parts[size_t(cell / 2)];
  const size_t digit = size_t(2 * part + cell % 2);
  // Tens of minutes and seconds run 0..5; everything else 0..9.
  const int top = (part > 0 && cell % 2 == 0) ? 5 : 9;
  TCtlTime* t = ShownTime();
  int v = t->D[digit] + (up ? 1 : -1);
  if (v > top) v = 0;
  if (v < 0) v = top;
  t->D[digit] = v;
  DrawDigits(FColSegm);
}

// ---------------------------------------------------------------- painting

void TCtrlTimer::Paint() {
  SetBevWidth(2);
  SetBordWidth(2);
  SetBevelIn(bvNone);
  TRahmen::Paint();
  const TRect inner = InnerRect();
  TCanvas& c = Canvas();
  c.Font = Font();
  FLayout = CtrlTimerLayout(width(), height(), inner, TCtrlTimerFlags{BordLeft(), BordRight(), BordTop(), BordBottom()},
                            std::abs(Font().Height), FResolution);

  TFont mark;
  mark.Name = QStringLiteral("Arial");
  mark.Height = -9;
  mark.Color = clGray;
  c.Font = mark;
  c.Brush.Style = bsClear;
  c.TextOut(FLayout.Panel.Left - 3, inner.Top - 1, QString::fromLatin1(kMakerMark));

  if (ColBack() != clSilver) {
    c.Pen = TPen{clWhite, 1, psSolid, pmCopy};
    c.Brush.Style = bsSolid;
    c.Brush.Color = ColBack();
    const TRect& p = FLayout.Panel;
    if (FShape == smtRectangle) {
      c.Rectangle(p);
    } else {
      c.RoundRect(p.Left, p.Top, p.Right, p.Bottom, FLayout.Corner, FLayout.Corner);
    }
  }
  TRect column = FLayout.Column;
  DrawFrame3D(c, column, clGray, clWhite);

  FRow.Italic = FDispItalic;
  FRow.Layout(FLayout.Digits, int(FLayout.Cells.size()), ColBack());
  DrawLabels(inner);

  c.Font = Font();
  c.Font.Style = fsBold;
  FitFont(c, FLayout.Buttons[0], QStringLiteral("TRIGGER"));
  FButtonFont = c.Font;
  FShown = true;
  // A full repaint while blinking shows the blink phase of the moment.
  DrawDigits(FMode == SegmentEnums::elapsed && BlinkState() ? FColElapsed : FColSegm);
  DrawCaption();
  DrawButtons();
}

void TCtrlTimer::DrawLabels(const TRect& frameInner) {
  TCanvas& c = Canvas();
  const int labelHeight = (FLayout.Digits.Top - frameInner.Top) * 7 / 10;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Style = fsBold;
  c.Font.Color = Font().Color;
  c.Font.Height = labelHeight;
  c.Brush.Style = bsSolid;
  c.Brush.Color = ColBgnd();
  const int y = (frameInner.Top + (BordTop() ? 0 : 4)) / 2;
  const std::vector<int> parts = ShownParts(FResolution);
  for (size_t i = 0; i < parts.size(); ++i) {
    const QString label = QString::fromLatin1(kPartNames[parts[i]]);
    const int x = FLayout.Cells[2 * i].Right - c.TextWidth(label) / 2;
    c.TextOut(x, y, label);
  }
  // Engraved dividers between the pairs, above and below the panel.
  for (size_t i = 1; i + 1 < FLayout.Cells.size(); i += 2) {
    const TRect& cell = FLayout.Cells[i];
    const int x = cell.Right - cell.Width() / 7;
    for (int k = 0; k < 2; ++k) {
      c.Pen = TPen{k == 0 ? clGray : clWhite, 1, psSolid, pmCopy};
      c.MoveTo(x + k, 1);
      c.LineTo(x + k, FLayout.Panel.Top - 1);
      c.MoveTo(x + k, height() - 1);
      c.LineTo(x + k, FLayout.Panel.Bottom - 1);
    }
  }
}

void TCtrlTimer::DrawDigits(TColor color) {
  if (!FShown) return;
  FRow.SetText(ShownTime()->Text(FResolution), Canvas(), color);
}

void TCtrlTimer::DrawCaption() {
  if (!FShown) return;
  TCanvas& c = Canvas();
  c.Font = Font();
  c.Font.Color = FCaptCol;
  c.Brush.Style = bsSolid;
  c.Brush.Color = ColBgnd();
  c.FillRect(FLayout.Caption);
  if (c.TextHeight(FCaption) > FLayout.Caption.Height()) FitFont(c, FLayout.Caption, FCaption);
  c.TextRect(FLayout.Caption, FLayout.Caption.Left, FLayout.Caption.Top, FCaption);
}

void TCtrlTimer::DrawButtons() {
  if (!FShown) return;
  TCanvas& c = Canvas();
  const std::array<TButtonFace, 4> faces = ButtonFaces(FMode);
  for (size_t i = 0; i < 4; ++i) {
    const TRect face = DrawButtonFace(c, FLayout.Buttons[i], faces[i].Pressed, false);
    c.Font = FButtonFont;
    c.Font.Color = faces[i].Enabled ? FModeColor : clGray;
    c.Brush.Style = bsClear;
    c.DrawText(face, QString::fromLatin1(faces[i].Label), Qt::AlignCenter);
  }
}

}  // namespace Veltor
