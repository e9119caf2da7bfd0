// TLogic: properties, buffer, view rules, search, snapshots and sample files.
#include "logic/logic.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "foundation/tickregistry.h"
#include "host/modalui.h"
#include "logic/samplefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace Veltor {

TLogic::TLogic(QWidget* parent) : TDisplay(parent) {
  SetAlign(alNone);
  resize(500, 300);
  SetColTxtHead(0x00FF00);
  for (int i = 0; i < kChannelNames; ++i) FChanNamen.append(QString());
  FBuffer.assign(4000, 0);
  RecomputeTimes();
  FRepeatTicker = TTickSubscription::Ticker([this] { RepeatTick(); });
}

TLogic::~TLogic() = default;

// ---------------------------------------------------------------- search

void TLogic::SetMatchValue(const QString& v) {
  if (v == FMatchValue) return;
  FMatchValue = v;
  QString bits = v;
  if (bits.size() < 32) bits = QString(32 - bits.size(), QLatin1Char('x')) + bits;
  FMatchMask = 0;
  FMatchPattern = 0;
  for (int i = 0; i < 32; ++i) {
    const quint32 bit = 1u << (31 - i);
    const QChar c = bits.at(i);
    if (c == QLatin1Char('0')) {
      FMatchMask |= bit;
    } else if (c == QLatin1Char('1')) {
      FMatchMask |= bit;
      FMatchPattern |= bit;
    }
  }
}

void TLogic::SetMatchAdr(int v) { FMatchAdr = (v < 0 || v >= FBufferCount - 2) ? 0 : v; }

int TLogic::NextMatch() {
  if (!FPaintDone) return -1;
  for (int p = std::max(0, FMatchAdr); p < FBufferCount; ++p) {
    if ((quint32(GetSample(p)) & FMatchMask) == FMatchPattern) {
      FMatchAdr = p;
      SetPointerPos(p);
      return p;
    }
  }
  return -1;
}

// ---------------------------------------------------------------- colours

void TLogic::SetColTrigger(TColor v) {
  if (v == FColTrigger) return;
  FColTrigger = v;
  if (FDispStartPos < FTriggerPos && FTriggerPos < FDispEndPos) Redraw();
}

void TLogic::RedrawIfTextMode() {
  if (FModus == TextDisp) Redraw();
}

void TLogic::SetColTextDisp(TColor v) {
  if (v == FColTextDisp) return;
  FColTextDisp = v;
  RedrawIfTextMode();
}

void TLogic::SetColText(TColor v) {
  if (v == FColText) return;
  FColText = v;
  RedrawIfTextMode();
}

void TLogic::SetColDisplay(TColor v) {
  if (v == FColDisplay) return;
  FColDisplay = v;
  Redraw();
}

void TLogic::SetColGrid(TColor v) {
  if (v == FColGrid) return;
  FColGrid = v;
  Redraw();
}

void TLogic::SetColCurve(TColor v) {
  if (v == FColCurve) return;
  FColCurve = v;
  Redraw();
}

void TLogic::SetColPointer(TColor v) {
  if (v == FColPointer) return;
  if (!FPointerEnable) {
    FColPointer = v;
    return;
  }
  // Hide the line in the old colour, show it in the new one.
  SetPointerEnable(false);
  FColPointer = v;
  SetPointerEnable(true);
}

void TLogic::SetColMarker(TColor v) {
  if (v == FColMarker) return;
  if (!FMarkerEnable) {
    FColMarker = v;
    return;
  }
  SetMarkerEnable(false);
  FColMarker = v;
  SetMarkerEnable(true);
}

// ---------------------------------------------------------------- view

int TLogic::TimeToPos(double t) const {
  const double v = t / FTimeBase;
  if (!(double(FBufferCount) > v)) return FBufferCount - 1;  // also NaN
  // Far below the buffer: any negative position clamps the same way.
  if (v < double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(RoundHalfEven(v));
}

void TLogic::RecomputeTimes() {
  FDispStartTime = FDispStartPos * FTimeBase;
  FDispEndTime = FDispEndPos * FTimeBase;
  FPointerTime = FPointerPos * FTimeBase;
  FMarkerTime = FMarkerPos * FTimeBase;
}

void TLogic::SetTriggerPos(int v) {
  if (v == FTriggerPos) return;
  FTriggerPos = v;
  Redraw();
}

void TLogic::SetDispStartPos(int v) {
  v = std::min(std::max(v, 0), FBufferCount - 2);
  if (v == FDispStartPos) return;
  if (FModus == TextDisp) {
    if (v + FLinesPerPage >= FBufferCount - 1) v = FBufferCount - FLinesPerPage - 1;
    // A page longer than the buffer starts at its first sample.
    v = std::max(v, 0);
    FDispEndPos = v + FLinesPerPage;
  } else if (v >= FDispEndPos) {
    FDispEndPos = v + 1;
  }
  FDispStartPos = v;
  Redraw();
}

void TLogic::SetDispEndPos(int v) {
  v = std::min(std::max(v, 1), FBufferCount - 1);
  if (v == FDispEndPos) return;
  if (FModus == TextDisp) {
    if (v - FLinesPerPage < 0) v = FLinesPerPage;
    FDispStartPos = v - FLinesPerPage;
  } else if (FDispStartPos >= v) {
    FDispStartPos = v - 1;
  }
  FDispEndPos = v;
  Redraw();
}

void TLogic::SetPointerPos(int v) {
  v = std::clamp(v, 0, FBufferCount - 1);
  if (!FPaintDone) {
    FPointerPos = v;
    FPointerTime = v * FTimeBase;
    return;
  }
  if (v == FPointerPos) return;
  FPointerPos = v;
  if (v >= FDispStartPos && v <= FDispEndPos) {
    UpdatePointer();
    return;
  }
  // Outside the view: centre the view on it, keeping its span.
  const int span = FDispEndPos - FDispStartPos;
  const int half = span / 2;
  if (v + half > FBufferCount - 1) {
    FDispEndPos = FBufferCount - 1;
    FDispStartPos = FDispEndPos - span;
  } else {
    FDispStartPos = std::max(0, v - half);
    FDispEndPos = FDispStartPos + span;
  }
  Redraw();
}

void TLogic::SetMarkerPos(int v) {
  if (v == FMarkerPos) return;
  FMarkerPos = v;
  UpdateMarker();
}

void TLogic::SetModus(TModus v) {
  if (v == FModus) return;
  FModus = v;
  FModeChanged = true;
  Invalidate();
}

void TLogic::SetTimeBase(double v) {
  if (!std::isfinite(v) || v <= 0) v = 1e-6;
  if (v == FTimeBase) return;
  FTimeBase = v;
  Redraw();
}

// ---------------------------------------------------------------- buffer

void TLogic::ApplyLogSize(TLogSize w) {
  FLogSize = w;
  const int size = BufferSize();
  switch (w) {
    case Size8:
      FMaxChan = 7;
      FBufferCount = size;
      break;
    case Size16:
      FMaxChan = 15;
      FBufferCount = size / 2;
      break;
    case Size32:
      FMaxChan = 31;
      FBufferCount = size / 4;
      break;
  }
}

void TLogic::ResizeBuffer(int n) {
  const std::size_t old = FBuffer.size();
  try {
    std::vector<quint8> fresh(std::size_t(n), 0);
    FBuffer.swap(fresh);
  } catch (const std::bad_alloc&) {
    FBuffer.assign(old, 0);
    ModalUI().Message(QString(), QStringLiteral("Out of memory"), mtInformation, mbOK);
  }
}

void TLogic::SetBufferSize(int n) {
  n = std::clamp(n, kMinBufferSize, kMaxBufferSize);
  if (n == BufferSize()) return;
  ResizeBuffer(n);
  ApplyLogSize(FLogSize);
  if (FPointerPos > FBufferCount - 1) SetPointerPos(FBufferCount - 1);
  if (FMarkerPos > FBufferCount - 1) FMarkerPos = FBufferCount - 1;
  Redraw();
}

void TLogic::SetLogSize(TLogSize w) {
  if (!FPaintDone) {
    ApplyLogSize(w);
    return;
  }
  if (w == FLogSize) return;
  ApplyLogSize(w);
  if (FChanLast > FMaxChan) FChanLast = FMaxChan;
  if (FChanFirst >= FChanLast) FChanFirst = FChanLast - 1;
  Redraw();
}

void TLogic::SetChanFirst(int v) {
  if (!FPaintDone) {
    FChanFirst = v;
    return;
  }
  if (v >= FChanLast) v = FChanLast - 1;
  if (v < 0) v = 0;
  if (v == FChanFirst) return;
  FChanFirst = v;
  Redraw();
}

void TLogic::SetChanLast(int v) {
  if (!FPaintDone) {
    FChanLast = v;
    return;
  }
  if (v <= FChanFirst) v = FChanFirst + 1;
  if (v <= 0) v = 1;
  if (v > FMaxChan) v = FMaxChan;
  if (v == FChanLast) return;
  FChanLast = v;
  Redraw();
}

void TLogic::SetChanNamen(const QStringList& names) {
  QStringList fixed = names.mid(0, kChannelNames);
  while (fixed.size() < kChannelNames) fixed.append(QString());
  if (fixed == FChanNamen) return;
  FChanNamen = fixed;
  StyleChanged(this);
}

void TLogic::SetChanName(int channel, const QString& name) {
  if (channel < 0 || channel >= kChannelNames || FChanNamen.at(channel) == name) return;
  FChanNamen[channel] = name;
  StyleChanged(this);
}

QString TLogic::ChannelLabel(int channel) const {
  const QString name = channel >= 0 && channel < kChannelNames ? FChanNamen.at(channel) : QString();
  return name.isEmpty() ? QStringLiteral("Chan %1").arg(channel) : name;
}

TSampleView TLogic::Samples() const {
  TSampleView view;
  view.Bytes = FBuffer.data();
  view.BytesPerSample = FLogSize == Size8 ? 1 : FLogSize == Size16 ? 2 : 4;
  view.Count = FBufferCount;
  return view;
}

int TLogic::GetSample(int p) const { return int(Samples().At(p)); }

void TLogic::SetSample(int p, int value) {
  if (p < 0 || p >= FBufferCount) return;
  const quint32 v = quint32(value);
  quint8* b = FBuffer.data();
  switch (FLogSize) {
    case Size8:
      b[p] = quint8(v);
      break;
    case Size16:
      b[2 * p] = quint8(v);
      b[2 * p + 1] = quint8(v >> 8);
      break;
    case Size32:
      for (int i = 0; i < 4; ++i) b[4 * p + i] = quint8(v >> (8 * i));
      break;
  }
}

// ---------------------------------------------------------------- zoom

void TLogic::SetZoomFrame(int chanFirst, int chanLast, int startPos, int endPos) {
  FZoomChanFirst = chanFirst;
  FZoomChanLast = chanLast;
  FZoomStartPos = startPos;
  FZoomEndPos = endPos;
}

void TLogic::ApplyZoom() {
  SetChanFirst(FZoomChanFirst);
  SetChanLast(FZoomChanLast);
  SetDispStartPos(FZoomStartPos);
  SetDispEndPos(FZoomEndPos);
  Invalidate();
}

// ---------------------------------------------------------------- snapshots

TBitmap* TLogic::PrintDisp() {
  const QImage surface = SurfaceImage();
  FSnapshot = std::make_unique<TBitmap>(FDataRect.Width(), FDataRect.Height());
  FSnapshot->Canvas().CopyRect(TRect(0, 0, FDataRect.Width(), FDataRect.Height()), surface, FDataRect);
  return FSnapshot.get();
}

TBitmap* TLogic::PrintAll() {
  const QImage surface = SurfaceImage();
  FSnapshot = std::make_unique<TBitmap>(Width(), Height());
  FSnapshot->Canvas().Draw(0, 0, surface);
  return FSnapshot.get();
}

// ---------------------------------------------------------------- files

bool TLogic::SaveToFile(const QString& fileName, QString* errorText) {
  TSampleHeader header;
  header.TimeBase = FTimeBase;
  header.TriggerPos = FTriggerPos;
  header.WidthCode = int(FLogSize);
  header.BufferSize = BufferSize();
  const QByteArray bytes = EncodeSampleFile(
      header, FChanNamen, QByteArray(reinterpret_cast<const char*>(FBuffer.data()), qsizetype(FBuffer.size())));
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
  ModalUI().Message(QString(),
                    QStringLiteral("File  ") + name +
                        (EnglishMode() ? QStringLiteral(" corrupted!") : QStringLiteral(" korrupt!")),
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

  SetBufferSize(header.BufferSize);
  SetLogSize(TLogSize(header.WidthCode));
  FTimeBase = header.TimeBase;
  SetZoomFrame(2, 5, 20, 80);
  SetChanNamen(names);

  const QByteArray data = reader.ReadData(BufferSize());
  std::copy(data.begin(), data.end(), FBuffer.begin());
  if (data.size() < BufferSize()) {
    corrupt();
    Redraw();
    return false;
  }
  Redraw();
  return true;
}

}  // namespace Veltor
