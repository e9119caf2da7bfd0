#include "misc/numedit.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "host/keys.h"
#include "host/modalui.h"

#include <QFocusEvent>
#include <QPointer>

#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kDefaultWidth = 80;
constexpr int kDefaultHeight = 30;
// The text stands this share of the font height above the text area.
constexpr int kTextRaiseDivisor = 8;

}  // namespace

TNumEdit::TNumEdit(QWidget* parent) : TRahmen(parent) {
  resize(kDefaultWidth, kDefaultHeight);
  SetFontColor(clBlack);
  // The cells line up only in a font whose characters are all one width.
  SetFontName(QStringLiteral("Courier New"));
  SetTabStop(true);
  FEditor.Show(FValue.Format());
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

QString TNumEdit::RangeMessage(bool tooLarge) {
  if (EnglishMode()) return tooLarge ? QStringLiteral("value too large") : QStringLiteral("value too small");
  return tooLarge ? QStringLiteral("Wert zu gross") : QStringLiteral("Wert zu klein");
}

// ---------------------------------------------------------------- properties

void TNumEdit::SetLedCol(TColor v) {
  FLedCol = v;
  DrawLed(FLedOn);
}

void TNumEdit::SetLedOn(bool v) {
  FLedOn = v;
  DrawLed(v);
}

void TNumEdit::SetLedBlink(bool v) {
  FLedBlink = v;
  DrawLed(FLedOn);
}

void TNumEdit::SetDispInvert(bool v) {
  if (v == FDispInvert) return;
  FDispInvert = v;
  DrawText(false, true);
}

void TNumEdit::SetValueText(const QString& v) {
  const QString t = v.trimmed();
  if (t.isEmpty() || t == FEditor.Formatted().trimmed()) return;
  double value = 0;
  if (TryStrToFloat(t, &value)) SetValueFloat(value);
}

void TNumEdit::SetValueFloat(double v) {
  if (ComponentState() & csLoading) {
    FValue.ValueFloat = v;
    FValue.ValueInt = int(RoundHalfEven(v));
    return;
  }
  FValue.SetFloat(v);
  DrawText(true);
}

void TNumEdit::SetValueInt(int v) {
  if (ComponentState() & csLoading) {
    FValue.ValueInt = v;
    FValue.ValueFloat = v;
    return;
  }
  FValue.SetInt(v);
  DrawText(true);
}

void TNumEdit::SetValueMin(double v) {
  if (ComponentState() & csLoading) {
    FValue.ValueMin = v;
    return;
  }
  // A value pulled along is shown at once: the field never shows a number
  // it does not hold.
  if (FValue.SetMin(v)) DrawText(true);
}

void TNumEdit::SetValueMax(double v) {
  if (ComponentState() & csLoading) {
    FValue.ValueMax = v;
    return;
  }
  if (FValue.SetMax(v)) DrawText(true);
}

// ---------------------------------------------------------------- painting

void TNumEdit::Paint() {
  FInPaint = true;
  TRahmen::Paint();
  FPainted = true;
  if (FReadOnly) SetTabStop(false);
  FTextFont = Font();
  FTextFont.Pitch = fpFixed;
  FLayout = CellFieldLayout(InnerRect(), Width(), Height(), FColTxtBack, FLedEnable, FTextBevel);
  TCanvas& c = Canvas();
  c.Pen.Style = psSolid;
  c.Pen.Mode = pmCopy;
  c.Pen.Width = 1;
  PaintTextBevel(c, FLayout, FTextBevel, FColTxtBack);
  FEditor.MarkFresh();
  if (FontAutom()) FitCellFont(FTextFont, FLayout.Text.Height());
  FTextY = FLayout.Text.Top - std::abs(FTextFont.Height / kTextRaiseDivisor);
  DrawText(true, true);
  DrawLed(FLedOn);
  FInPaint = false;
}

void TNumEdit::Reformat() {
  FEditor.Show(FValue.Format());
  Invalidate();
}

void TNumEdit::DrawText(bool reformat, bool force) {
  if (reformat || FReadOnly) {
    const QString s = FValue.Format();
    if (s == FEditor.Text() && !force) return;
    FEditor.Show(s);
  }
  if (!FPainted) return;
  TCanvas& c = Canvas();
  c.Font = FTextFont;
  const TColor fore = FTextFont.Color;
  TCellText t{FEditor.Text(), FUnitText, hasFocus() && Editable() ? FEditor.Cursor() : 0};
  PaintCellText(c, FLayout.Text, FTextY, t, FDispInvert ? fore : FColTxtBack, FDispInvert ? FColTxtBack : fore);
  ShowNow(FLayout.Text);
}

void TNumEdit::DrawLed(bool on) {
  if (!FPainted || !FLedEnable) return;
  PaintCellLed(Canvas(), FLayout.Led, FLedCol, on);
  ShowNow(FLayout.Led);
}

void TNumEdit::ShowNow(const TRect& r) {
  // Inside Paint the whole surface is shown afterwards anyway.
  if (isVisible() && !FInPaint && !r.IsEmpty()) repaint(r.ToQRect());
}

void TNumEdit::BlinkTick() {
  if (FLedEnable && FLedBlink) DrawLed(BlinkState() != FLedOn);
}

// ---------------------------------------------------------------- editing

int TNumEdit::CellUnder(int x) {
  Canvas().Font = FTextFont;
  return CellAt(Canvas(), FLayout.Text, TCellText{FEditor.Text(), FUnitText, 0}, x);
}

void TNumEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Shift & ssDouble) emit OnDblClick(this);
  // The press that brought the focus only brings the focus.
  const bool focusing = FFocusByMouse || !hasFocus();
  FFocusByMouse = false;
  if (focusing) {
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  } else if (Editable() && Button == mbLeft) {
    FEditor.PlaceCursor(CellUnder(X), FValue.FieldWidth());
    DrawText(false);
  } else if (Editable() && Button == mbRight) {
    Accept();
  }
  TRahmen::MouseDown(Button, Shift, X, Y);
}

void TNumEdit::MouseMove(TShiftState Shift, int X, int Y) {
  if (Editable() && hasFocus() && (Shift & ssLeft)) {
    FEditor.PlaceCursor(CellUnder(X), FValue.FieldWidth());
    DrawText(false);
  }
  TRahmen::MouseMove(Shift, X, Y);
}

void TNumEdit::KeyPress(QChar& Key) {
  if (!Editable()) return TRahmen::KeyPress(Key);
  const QChar k = Key;
  Key = QChar();
  if (k == QChar(VK_RETURN)) {
    FEditor.EndFresh();
    Accept();
    return;
  }
  if (k == QChar(VK_BACK)) {
    FEditor.Left();
  } else if (k == QLatin1Char(' ')) {
    FEditor.Right();
  } else if (!FEditor.Type(k, FValue.FieldWidth())) {
    Beep();
  }
  DrawText(false);
}

void TNumEdit::Accept() {
  double v = 0;
  const TNumEntry entry = FEditor.Judge(FValue, &v);
  const bool outOfRange = entry == TNumEntry::TooSmall || entry == TNumEntry::TooLarge;
  if (entry == TNumEntry::NotANumber || (outOfRange && FErrorShow)) {
    // The entry is refused and the old value returns.
    Beep();
    if (outOfRange) ShowMessage(RangeMessage(entry == TNumEntry::TooLarge));
    DrawText(true, true);
    return;
  }
  if (entry != TNumEntry::Same) FValue.SetFloat(v);
  DrawText(true, true);
  emit OnChange(this);
}

void TNumEdit::focusInEvent(QFocusEvent* e) {
  FFocusByMouse = e->reason() == Qt::MouseFocusReason;
  TRahmen::focusInEvent(e);
}

void TNumEdit::DoEnter() {
  if (Editable()) {
    FEditor.Restart();
    DrawText(true, true);
  }
  TRahmen::DoEnter();
}

void TNumEdit::DoExit() {
  FFocusByMouse = false;
  if (Editable()) {
    double v = 0;
    const TNumEntry entry = FEditor.Judge(FValue, &v);
    if (entry == TNumEntry::Valid) {
      FValue.SetFloat(v);
      DrawText(true, true);
      emit OnChange(this);
    } else if (entry == TNumEntry::TooSmall || entry == TNumEntry::TooLarge) {
      if (FErrorShow) ShowMessage(RangeMessage(entry == TNumEntry::TooLarge));
      DrawText(true, true);
      if (!FErrorExit) {
        Beep();
        // Taken back once the focus change that is under way has ended.
        QPointer<TNumEdit> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
              if (self) self->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
      }
    } else {
      DrawText(true, true);  // hides the cursor; text that is no number goes
    }
  }
  TRahmen::DoExit();
}

}  // namespace Veltor
