// TLogic: the properties, what each change shows, the full paint and redraw,
// the pointer and marker on screen, snapshots and sample files.
#include "logic/logic.h"

#include "foundation/helpers.h"
#include "host/modalui.h"
#include "logic/samplefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Veltor {

TLogic::TLogic(QWidget* parent) : TDisplay(parent) {
  SetAlign(alNone);
  resize(500, 300);
  SetColTxtHead(0x00FF00);
  FRepeatTicker = TTickSubscription::Ticker([this] { RepeatTick(); });
}

TLogic::~TLogic() = default;

int TLogic::NextMatch() {
  const int p = FModel.NextMatch();
  if (p >= 0) SetPointerPos(p);
  return p;
}

// ---------------------------------------------------------------- colours

void TLogic::SetColTrigger(TColor v) {
  Assign(FColours.Trigger, v, [this] {
    if (FModel.TriggerInView()) Redraw();
  });
}

void TLogic::RedrawIfTextMode() {
  if (TextMode()) Redraw();
}

void TLogic::SetColTextDisp(TColor v) {
  Assign(FColours.TextDisp, v, [this] { RedrawIfTextMode(); });
}

void TLogic::SetColText(TColor v) {
  Assign(FColours.Text, v, [this] { RedrawIfTextMode(); });
}

void TLogic::SetColDisplay(TColor v) {
  Assign(FColours.Display, v, [this] { Redraw(); });
}

void TLogic::SetColGrid(TColor v) {
  Assign(FColours.Grid, v, [this] { Redraw(); });
}

void TLogic::SetColCurve(TColor v) {
  Assign(FColours.Curve, v, [this] { Redraw(); });
}

// A shown line is taken away in its old colour and drawn in the new one.
void TLogic::SetColPointer(TColor v) {
  if (v == FColours.Pointer) return;
  const bool shown = PointerEnable();
  if (shown) SetPointerEnable(false);
  FColours.Pointer = v;
  if (shown) SetPointerEnable(true);
}

void TLogic::SetColMarker(TColor v) {
  if (v == FColours.Marker) return;
  const bool shown = MarkerEnable();
  if (shown) SetMarkerEnable(false);
  FColours.Marker = v;
  if (shown) SetMarkerEnable(true);
}

// ---------------------------------------------------------------- view, pointer, marker

void TLogic::SetTriggerPos(int v) {
  if (FModel.SetTriggerPos(v)) Redraw();
}

void TLogic::SetDispStartPos(int v) {
  if (FModel.SetDispStartPos(v)) Redraw();
}

void TLogic::SetDispEndPos(int v) {
  if (FModel.SetDispEndPos(v)) Redraw();
}

void TLogic::SetPointerPos(int v) {
  switch (FModel.SetPointerPos(v)) {
    case TLogicModel::PointerMoved: UpdatePointer(); break;
    case TLogicModel::ViewMoved: Redraw(); break;
    case TLogicModel::PointerKept:
    case TLogicModel::PointerStored: break;
  }
}

void TLogic::SetMarkerPos(int v) {
  if (FModel.SetMarkerPos(v)) UpdateMarker();
}

void TLogic::SetPointerEnable(bool v) {
  if (!FModel.SetPointerEnable(v) || !LaidOut()) return;
  ShowPointer(v);
  DrawStatus();
}

void TLogic::SetMarkerEnable(bool v) {
  if (!FModel.SetMarkerEnable(v) || !LaidOut()) return;
  ShowMarker(v);
  DrawStatus();
}

void TLogic::SetModus(TModus v) {
  if (FModel.SetModus(TLogicModel::TModus(v))) Invalidate();
}

void TLogic::SetTimeBase(double v) {
  if (FModel.SetTimeBase(v)) Redraw();
}

// ---------------------------------------------------------------- buffer and channels

void TLogic::SetBufferSize(int n) {
  const TLogicModel::TResize r = FModel.SetBufferSize(n);
  if (r == TLogicModel::Unchanged) return;
  if (r == TLogicModel::OutOfMemory) {
    ModalUI().Message(QString(), QStringLiteral("Out of memory"), mtInformation, mbOK);
  }
  if (PointerPos() > BufferCount() - 1) SetPointerPos(BufferCount() - 1);
  Redraw();
}

void TLogic::SetLogSize(TLogSize w) {
  if (FModel.SetLogSize(TLogicModel::TLogSize(w))) Redraw();
}

void TLogic::SetChanFirst(int v) {
  if (FModel.SetChanFirst(v)) Redraw();
}

void TLogic::SetChanLast(int v) {
  if (FModel.SetChanLast(v)) Redraw();
}

void TLogic::SetChanNamen(const QStringList& names) {
  if (FModel.SetChanNamen(names)) StyleChanged(this);
}

void TLogic::SetChanName(int channel, const QString& name) {
  if (FModel.SetChanName(channel, name)) StyleChanged(this);
}

void TLogic::ApplyZoom() {
  SetChanFirst(ZoomChanFirst());
  SetChanLast(ZoomChanLast());
  SetDispStartPos(ZoomStartPos());
  SetDispEndPos(ZoomEndPos());
  Invalidate();
}

void TLogic::Apply(TLogicModel::TViewUpdate update) {
  if (update == TLogicModel::RedrawView) Redraw();
  if (update == TLogicModel::RepaintAll) Invalidate();
}

// ---------------------------------------------------------------- paint

void TLogic::Paint() {
  TDisplay::Paint();
  // The control's font goes fixed pitch; the footer's letters use it.
  TFont font = Font();
  font.Pitch = fpFixed;
  FontRef() = font;

  FLayout = LayoutLogic(DisplayLayout(), HasFooter());
  FModel.SetLaidOut();
  FModel.SetPageLines(FLayout.PageLines);
  if (HasFooter()) {
    TCanvas& c = Canvas();
    // The frames take the head's colour (black without a head).
    PaintFooterButtons(c, FLayout, DisplayTyp() == complete ? ColHead() : clBlack);
    PaintFooterGlyphs(c, FLayout);
    PaintStatusBoxes(c, FLayout, FColours.Display);
    PaintStatusLabels(c, FLayout, font);
  }
  Redraw();
}

void TLogic::Redraw() {
  if (!LaidOut()) return;
  FModel.PrepareRedraw();
  DrawStatus();
  DrawPositionBar();
  TCanvas& c = Canvas();
  if (TextMode()) {
    PaintListing(c, FModel, FColours, FLayout);
  } else {
    if (DisplayTyp() != dispOnly) PaintChannelNames(c, FModel, FLayout, ColBgnd());
    PaintDiagramBackground(c, FLayout, FColours);
    PaintTriggerBar(c, FModel, FColours, FLayout);
    const TRect& d = FLayout.Data;
    // The lines start on the outline's column at the right.
    PaintBaseLines(c, Geometry(), FLayout, FColours.Grid, TRect(d.Left, d.Top, d.Right + 1, d.Bottom + 1));
    DrawTraces(c, Geometry(), Samples(), FColours.Curve);
  }
  FPointerX = -1;
  UpdatePointer();
  FMarkerX = -1;
  UpdateMarker();
  emit onRefresh(this);
}

void TLogic::DrawStatus() {
  FModel.RecomputeTimes();
  if (!LaidOut() || !HasFooter()) return;
  PaintStatus(Canvas(), FModel, FColours, FLayout);
}

void TLogic::DrawPositionBar() {
  if (!LaidOut() || !HasFooter()) return;
  PaintPositionBar(Canvas(), FModel, FLayout);
}

void TLogic::DrawTextLine(int p) {
  if (!LaidOut() || p < DispStartPos() || p > DispEndPos()) return;
  PaintTextLine(Canvas(), FModel, FColours, FLayout, p);
}

// ---------------------------------------------------------------- pointer and marker

void TLogic::UpdatePointer() {
  FModel.KeepPointerInView();
  if (!LaidOut()) return;
  DrawStatus();
  if (TextMode()) {
    const int old = FPointerX;
    FPointerX = PointerPos();
    DrawTextLine(old);
    DrawTextLine(PointerPos());
    return;
  }
  const int x = LineX(PointerPos());
  if (!PointerEnable() || x == FPointerX) return;
  if (FPointerX != -1) XorLine(FPointerX, FColours.Pointer);
  XorLine(x, FColours.Pointer);
  FPointerX = x;
}

void TLogic::UpdateMarker() {
  FModel.KeepMarkerInBuffer();
  if (!LaidOut()) return;
  DrawStatus();
  if (TextMode()) {
    const int old = FMarkerX;
    FMarkerX = MarkerPos();
    DrawTextLine(old);
    DrawTextLine(MarkerPos());
    return;
  }
  if (!FModel.MarkerInView()) {
    if (FMarkerX != -1 && MarkerEnable()) XorLine(FMarkerX, FColours.Marker);
    FMarkerX = -1;
    return;
  }
  const int x = LineX(MarkerPos());
  if (!MarkerEnable() || x == FMarkerX) return;
  if (FMarkerX != -1) XorLine(FMarkerX, FColours.Marker);
  XorLine(x, FColours.Marker);
  FMarkerX = x;
}

// Showing draws the line where the position is now; hiding takes it away and
// forgets where it was, so that a position changed meanwhile shows right.
void TLogic::ShowPointer(bool show) {
  if (TextMode()) {
    DrawTextLine(PointerPos());
    return;
  }
  if (show) {
    FPointerX = LineX(PointerPos());
    XorLine(FPointerX, FColours.Pointer);
  } else if (FPointerX != -1) {
    XorLine(FPointerX, FColours.Pointer);
    FPointerX = -1;
  }
}

void TLogic::ShowMarker(bool show) {
  if (TextMode()) {
    DrawTextLine(MarkerPos());
    return;
  }
  if (show) {
    if (!FModel.MarkerInView()) return;
    FMarkerX = LineX(MarkerPos());
    XorLine(FMarkerX, FColours.Marker);
  } else if (FMarkerX != -1) {
    XorLine(FMarkerX, FColours.Marker);
    FMarkerX = -1;
  }
}

void TLogic::HideLines() {
  if (TextMode()) return;
  if (PointerEnable() && FPointerX != -1) XorLine(FPointerX, FColours.Pointer);
  if (MarkerEnable() && FMarkerX != -1) XorLine(FMarkerX, FColours.Marker);
  FPointerX = -1;
  FMarkerX = -1;
  DrawStatus();
}

// ---------------------------------------------------------------- snapshots

TBitmap* TLogic::PrintDisp() {
  const QImage surface = SurfaceImage();
  const TRect d = DataRect();
  FSnapshot = std::make_unique<TBitmap>(d.Width(), d.Height(), SurfaceRatio());
  FSnapshot->Canvas().CopyRect(TRect(0, 0, d.Width(), d.Height()), surface, d);
  return FSnapshot.get();
}

TBitmap* TLogic::PrintAll() {
  const QImage surface = SurfaceImage();
  FSnapshot = std::make_unique<TBitmap>(Width(), Height(), SurfaceRatio());
  FSnapshot->Canvas().Draw(0, 0, surface);
  return FSnapshot.get();
}

// ---------------------------------------------------------------- files

bool TLogic::SaveToFile(const QString& fileName, QString* errorText) {
  const QByteArray bytes = FModel.SampleFileBytes();
  // The old file is replaced only once the new one is complete. Unbuffered,
  // so that a short write (disk full, file size limit) shows in the count
  // instead of vanishing in a flush that reports success.
  QSaveFile file(fileName);
  QString reason;
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    reason = file.errorString();
  } else if (file.write(bytes) != bytes.size()) {
    reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                  : QStringLiteral("could not write all data (disk full?)");
    file.cancelWriting();
  } else if (!file.commit()) {
    reason = file.errorString();
  } else {
    return true;
  }
  if (errorText) *errorText = QStringLiteral("%1: %2").arg(fileName, reason);
  return false;
}

void TLogic::ReportCorrupt(const QString& fileName) {
  Beep();
  const QString name = QFileInfo(fileName).fileName();
  ModalUI().Message(
      QString(),
      QStringLiteral("File  ") + name + (EnglishMode() ? QStringLiteral(" corrupted!") : QStringLiteral(" korrupt!")),
      mtCustom, mbOK);
}

bool TLogic::LoadFromFile(const QString& fileName, QString* errorText) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    if (errorText) *errorText = QStringLiteral("%1: %2").arg(fileName, file.errorString());
    return false;
  }
  // A sample file never holds more than this; anything after it is ignored.
  const QByteArray bytes = file.read(kMaxSampleFileBytes);
  if (file.error() != QFileDevice::NoError) {
    if (errorText) *errorText = QStringLiteral("%1: %2").arg(fileName, file.errorString());
    return false;
  }
  file.close();

  auto corrupt = [&] {
    ReportCorrupt(fileName);
    if (errorText) {
      *errorText = QStringLiteral("%1: %2").arg(
          fileName, EnglishMode() ? QStringLiteral("corrupted") : QStringLiteral("korrupt"));
    }
    return false;
  };

  TSampleFileReader reader(bytes);
  TSampleHeader header;
  QStringList names;
  if (!reader.ReadHeader(&header) || !reader.ReadNames(&names)) return corrupt();

  // Taken over in the file's order, each through its setter; what was taken
  // stays when the data turns out short.
  SetBufferSize(header.BufferSize);
  SetLogSize(TLogSize(header.WidthCode));
  FModel.TakeTimeBase(header.TimeBase);
  SetZoomFrame(2, 5, 20, 80);
  SetChanNamen(names);

  const QByteArray data = reader.ReadData(BufferSize());
  FModel.LoadBytes(data);
  if (data.size() < BufferSize()) {
    corrupt();
    Redraw();
    return false;
  }
  Redraw();
  return true;
}

}  // namespace Veltor
