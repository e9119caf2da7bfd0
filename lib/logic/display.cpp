#include "logic/display.h"

#include "logic/display_paint.h"

namespace Veltor {

TDisplay::TDisplay(QWidget* parent) : TRahmen(parent) { resize(400, 200); }

void TDisplay::SetNameHead(const QString& v) {
  Assign(FNameHead, v.left(kMaxNameHead), [this] { DrawHead(); });
}

void TDisplay::SetDisplayTyp(tdispType v) { Assign(FDisplayTyp, v); }

void TDisplay::SetColHead(TColor v) {
  Assign(FColHead, v, [this] { DrawHead(); });
}

void TDisplay::SetColTxtHead(TColor v) {
  Assign(FColTxtHead, v, [this] { DrawHead(); });
}

void TDisplay::StyleChanged(QObject*) { Invalidate(); }

TDisplayParts TDisplay::PartsOf(tdispType type) {
  switch (type) {
    case complete: return {true, true, true};
    case dispOnly: return {false, false, false};
    case dispTop: return {true, true, false};
    case dispCenter: return {true, false, false};
    case dispBottom: return {true, false, true};
  }
  return {};
}

void TDisplay::Paint() {
  TRahmen::Paint();
  FPaintDone = true;
  FLayout = LayoutDisplay(InnerRect(), Height(), PartsOf(FDisplayTyp));
  TCanvas& c = Canvas();
  c.Font = Font();
  PaintDataOutline(c, FLayout);
  if (!HasHead()) return;
  PaintNameBox(c, FLayout);
  DrawHead();
}

void TDisplay::DrawHead() {
  if (!FPaintDone || !HasHead()) return;
  PaintHeadName(Canvas(), FLayout, FNameHead, FColHead, FColTxtHead);
}

}  // namespace Veltor
