#include "logic/logic_model.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "host/ansi.h"
#include "logic/samplefile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace Veltor {

namespace {

// Stores a different value; true when it was different.
template <typename T>
bool Change(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

// Hexadecimal digits of the sample width: 2, 4 or 8.
QString HexValue(quint32 v, int bytesPerSample) {
  return QStringLiteral("%1").arg(v, bytesPerSample * 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

TLogicModel::TLogicModel() {
  for (int i = 0; i < kChannelNames; ++i) FChanNamen.append(QString());
  FBuffer.assign(4000, 0);
  RecomputeTimes();
}

// ---------------------------------------------------------------- buffer

void TLogicModel::ApplyLogSize(TLogSize w) {
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

TLogicModel::TResize TLogicModel::SetBufferSize(int n) {
  n = std::clamp(n, kMinBufferSize, kMaxBufferSize);
  if (n == BufferSize()) return Unchanged;
  TResize result = Resized;
  const std::size_t old = FBuffer.size();
  try {
    std::vector<quint8> fresh(std::size_t(n), 0);
    FBuffer.swap(fresh);
  } catch (const std::bad_alloc&) {
    FBuffer.assign(old, 0);
    result = OutOfMemory;
  }
  ApplyLogSize(FLogSize);
  if (FMarkerPos > FBufferCount - 1) FMarkerPos = FBufferCount - 1;
  return result;
}

bool TLogicModel::SetLogSize(TLogSize w) {
  if (!FLaidOut) {
    ApplyLogSize(w);
    return false;
  }
  if (w == FLogSize) return false;
  ApplyLogSize(w);
  if (FChanLast > FMaxChan) FChanLast = FMaxChan;
  if (FChanFirst >= FChanLast) FChanFirst = FChanLast - 1;
  return true;
}

TSampleView TLogicModel::Samples() const {
  TSampleView view;
  view.Bytes = FBuffer.data();
  view.BytesPerSample = FLogSize == Size8 ? 1 : FLogSize == Size16 ? 2 : 4;
  view.Count = FBufferCount;
  return view;
}

void TLogicModel::SetSample(int p, int value) {
  if (p < 0 || p >= FBufferCount) return;
  const quint32 v = quint32(value);
  const int bytes = Samples().BytesPerSample;
  for (int i = 0; i < bytes; ++i) FBuffer[std::size_t(p) * bytes + i] = quint8(v >> (8 * i));
}

void TLogicModel::LoadBytes(const QByteArray& bytes) {
  const qsizetype n = std::min<qsizetype>(bytes.size(), BufferSize());
  std::copy(bytes.begin(), bytes.begin() + n, FBuffer.begin());
}

// ---------------------------------------------------------------- channels

bool TLogicModel::SetChanFirst(int v) {
  if (!FLaidOut) {
    FChanFirst = v;
    return false;
  }
  if (v >= FChanLast) v = FChanLast - 1;
  if (v < 0) v = 0;
  return Change(FChanFirst, v);
}

bool TLogicModel::SetChanLast(int v) {
  if (!FLaidOut) {
    FChanLast = v;
    return false;
  }
  if (v <= FChanFirst) v = FChanFirst + 1;
  if (v <= 0) v = 1;
  if (v > FMaxChan) v = FMaxChan;
  return Change(FChanLast, v);
}

bool TLogicModel::SetChanNamen(const QStringList& names) {
  QStringList fixed = names.mid(0, kChannelNames);
  while (fixed.size() < kChannelNames) fixed.append(QString());
  return Change(FChanNamen, fixed);
}

bool TLogicModel::SetChanName(int channel, const QString& name) {
  if (channel < 0 || channel >= kChannelNames || FChanNamen.at(channel) == name) return false;
  FChanNamen[channel] = name;
  return true;
}

QString TLogicModel::ChannelLabel(int channel) const {
  const QString name = channel >= 0 && channel < kChannelNames ? FChanNamen.at(channel) : QString();
  return name.isEmpty() ? QStringLiteral("Chan %1").arg(channel) : name;
}

// ---------------------------------------------------------------- view

TLogicView TLogicModel::View() const {
  TLogicView v;
  v.Start = FDispStartPos;
  v.End = FDispEndPos;
  v.ChanFirst = FChanFirst;
  v.ChanLast = FChanLast;
  v.Text = FModus == TextDisp;
  return v;
}

bool TLogicModel::SetDispStartPos(int v) {
  v = std::min(std::max(v, 0), FBufferCount - 2);
  if (v == FDispStartPos) return false;
  if (FModus == TextDisp) {
    if (v + FPageLines >= FBufferCount - 1) v = FBufferCount - FPageLines - 1;
    // A page longer than the buffer starts at its first sample.
    v = std::max(v, 0);
    FDispEndPos = v + FPageLines;
  } else if (v >= FDispEndPos) {
    FDispEndPos = v + 1;
  }
  FDispStartPos = v;
  return true;
}

bool TLogicModel::SetDispEndPos(int v) {
  v = std::min(std::max(v, 1), FBufferCount - 1);
  if (v == FDispEndPos) return false;
  if (FModus == TextDisp) {
    if (v - FPageLines < 0) v = FPageLines;
    FDispStartPos = v - FPageLines;
  } else if (FDispStartPos >= v) {
    FDispStartPos = v - 1;
  }
  FDispEndPos = v;
  return true;
}

bool TLogicModel::SetTriggerPos(int v) { return Change(FTriggerPos, v); }

TLogicModel::TPointerMove TLogicModel::SetPointerPos(int v) {
  v = std::clamp(v, 0, FBufferCount - 1);
  if (!FLaidOut) {
    FPointerPos = v;
    FPointerTime = v * FTimeBase;
    return PointerStored;
  }
  if (v == FPointerPos) return PointerKept;
  FPointerPos = v;
  if (v >= FDispStartPos && v <= FDispEndPos) return PointerMoved;
  const int span = FDispEndPos - FDispStartPos;
  const int half = span / 2;
  if (v + half > FBufferCount - 1) {
    FDispEndPos = FBufferCount - 1;
    FDispStartPos = std::max(0, FDispEndPos - span);
  } else {
    FDispStartPos = std::max(0, v - half);
    FDispEndPos = FDispStartPos + span;
  }
  return ViewMoved;
}

void TLogicModel::KeepPointerInView() {
  FPointerPos = std::clamp(FPointerPos, FDispStartPos, std::max(FDispStartPos, FDispEndPos));
  FPointerTime = FPointerPos * FTimeBase;
}

bool TLogicModel::SetMarkerPos(int v) {
  if (!Change(FMarkerPos, v)) return false;
  KeepMarkerInBuffer();
  return true;
}

void TLogicModel::KeepMarkerInBuffer() {
  FMarkerPos = std::clamp(FMarkerPos, 0, FBufferCount - 1);
  FMarkerTime = FMarkerPos * FTimeBase;
}

bool TLogicModel::SetPointerEnable(bool v) { return Change(FPointerEnable, v); }

bool TLogicModel::SetMarkerEnable(bool v) { return Change(FMarkerEnable, v); }

bool TLogicModel::SetModus(TModus v) {
  if (!Change(FModus, v)) return false;
  FModeChanged = true;
  return true;
}

bool TLogicModel::SetTimeBase(double v) {
  if (!std::isfinite(v) || v <= 0) v = 1e-6;
  return Change(FTimeBase, v);
}

void TLogicModel::RecomputeTimes() {
  FDispStartTime = FDispStartPos * FTimeBase;
  FDispEndTime = FDispEndPos * FTimeBase;
  FPointerTime = FPointerPos * FTimeBase;
  FMarkerTime = FMarkerPos * FTimeBase;
}

int TLogicModel::TimeToPos(double t) const {
  const double v = t / FTimeBase;
  if (!(double(FBufferCount) > v)) return FBufferCount - 1;  // also NaN
  // Far below the buffer: any negative position clamps the same way.
  if (v < double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return int(RoundHalfEven(v));
}

// ---------------------------------------------------------------- redraw and scrolling

void TLogicModel::PrepareRedraw() {
  FScrollFraction = 0;
  if (FModus == Diagram) {
    if (FModeChanged) {
      FChanFirst = FZoomChanFirst;
      FChanLast = FZoomChanLast;
      FDispStartPos = FZoomStartPos;
      FDispEndPos = FZoomEndPos;
    }
    if (FDispStartPos < 0) FDispStartPos = 0;
    if (FDispEndPos > FBufferCount - 1) FDispEndPos = FBufferCount - 1;
    // A remembered frame beyond a smaller buffer must still leave a view.
    if (FDispStartPos >= FDispEndPos) FDispStartPos = std::max(0, FDispEndPos - 1);
  } else if (FModeChanged) {
    FDispStartPos = FPointerPos - FPageLines / 2;
    if (FDispStartPos < 0) {
      FDispStartPos = 0;
    } else if (FDispStartPos >= FBufferCount - FPageLines - 1) {
      FDispStartPos = FBufferCount - FPageLines - 1;
    }
    // A page longer than the buffer starts at its first sample.
    FDispStartPos = std::max(0, FDispStartPos);
    FDispEndPos = FDispStartPos + FPageLines;
  }
  FModeChanged = false;
  RecomputeTimes();
}

bool TLogicModel::PageBack() {
  if (FDispStartPos == 0) return false;
  const int s = FDispEndPos - FDispStartPos;
  FDispStartPos = std::max(0, FDispStartPos - s);
  FDispEndPos = FDispStartPos + s;
  return true;
}

bool TLogicModel::PageForward() {
  // A text page longer than the buffer already reaches past its end.
  if (FDispEndPos >= FBufferCount - 1) return false;
  const int s = FDispEndPos - FDispStartPos;
  FDispEndPos = std::min(FBufferCount - 1, FDispEndPos + s);
  FDispStartPos = std::max(0, FDispEndPos - s);
  return true;
}

bool TLogicModel::StepLineBack() {
  if (FDispStartPos - 1 < 0) {
    FDispStartPos = 0;
    return false;
  }
  --FDispStartPos;
  FDispEndPos = FDispStartPos + FPageLines;
  return true;
}

bool TLogicModel::StepLineForward() {
  if (FDispStartPos + 1 >= FBufferCount - FPageLines) return false;
  ++FDispStartPos;
  FDispEndPos = FDispStartPos + FPageLines;
  return true;
}

int TLogicModel::TakeScrollShift(int dataWidth) {
  const double d = double(dataWidth) / (FDispEndPos - FDispStartPos) + FScrollFraction;
  const int shift = int(std::nearbyint(d));
  FScrollFraction = d - shift;
  return shift;
}

void TLogicModel::MoveView(int by) {
  FDispStartPos += by;
  FDispEndPos += by;
}

// ---------------------------------------------------------------- zoom buttons

TLogicModel::TViewUpdate TLogicModel::ToggleChannelZoom() {
  if (FModus != Diagram) return NoUpdate;
  if (FChanFirst == 0 && FChanLast == FMaxChan) {
    FChanFirst = FZoomChanFirst;
    FChanLast = FZoomChanLast;
  } else {
    FChanFirst = 0;
    FChanLast = FMaxChan;
  }
  return RepaintAll;
}

TLogicModel::TViewUpdate TLogicModel::ShiftChannels(int by) {
  if (FModus != Diagram) return NoUpdate;
  if (by > 0 ? FChanLast + by > FMaxChan : FChanFirst + by < 0) return NoUpdate;
  FChanFirst += by;
  FChanLast += by;
  return RedrawView;
}

TLogicModel::TViewUpdate TLogicModel::ToggleTimeZoom() {
  if (FModus != Diagram) return NoUpdate;
  const int last = FBufferCount - 1;
  if (FDispStartPos == 0 && FDispEndPos == last) {
    FDispStartPos = FZoomStartPos;
    FDispEndPos = FZoomEndPos;
    return RepaintAll;
  }
  FDispStartPos = 0;
  FDispEndPos = last;
  return RedrawView;
}

// ---------------------------------------------------------------- zoom frame

void TLogicModel::SetZoomFrame(int chanFirst, int chanLast, int startPos, int endPos) {
  SetZoomChannels(chanFirst, chanLast);
  SetZoomPositions(startPos, endPos);
}

void TLogicModel::SetZoomPositions(int startPos, int endPos) {
  FZoomStartPos = startPos;
  FZoomEndPos = endPos;
}

void TLogicModel::SetZoomChannels(int chanFirst, int chanLast) {
  FZoomChanFirst = chanFirst;
  FZoomChanLast = chanLast;
}

// ---------------------------------------------------------------- search

void TLogicModel::SetMatchValue(const QString& v) {
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

void TLogicModel::SetMatchAdr(int v) { FMatchAdr = (v < 0 || v >= FBufferCount - 2) ? 0 : v; }

int TLogicModel::NextMatch() {
  if (!FLaidOut) return -1;
  const TSampleView samples = Samples();
  for (int p = std::max(0, FMatchAdr); p < FBufferCount; ++p) {
    if ((samples.At(p) & FMatchMask) == FMatchPattern) {
      FMatchAdr = p;
      return p;
    }
  }
  return -1;
}

// ---------------------------------------------------------------- file and texts

QByteArray TLogicModel::SampleFileBytes() const {
  TSampleHeader header;
  header.TimeBase = FTimeBase;
  header.TriggerPos = FTriggerPos;
  header.WidthCode = int(FLogSize);
  header.BufferSize = BufferSize();
  return EncodeSampleFile(header, FChanNamen,
                          QByteArray(reinterpret_cast<const char*>(FBuffer.data()), qsizetype(FBuffer.size())));
}

QStringList SampleLinePieces(const TSampleView& samples, int p, bool withCharacters) {
  const quint32 v = samples.At(p);
  const int bytes = samples.BytesPerSample;
  QString first = QStringLiteral(" %1: ").arg(p, 4, 16, QLatin1Char('0')).toUpper();
  first += QStringLiteral(" hex: ") + HexValue(v, bytes);
  const QString bits = BinText(v, bytes * 8);
  QString second = QStringLiteral("  bin: ");
  for (int i = 0; i < bytes; ++i) {
    if (i > 0) second += QLatin1Char(' ');
    second += bits.mid(i * 8, 8);
  }
  QStringList pieces{first, second};
  if (withCharacters) {
    // Control bytes would print as tabs and line breaks: they show as dots.
    QByteArray chars;
    for (int i = bytes - 1; i >= 0; --i) {
      const char byte = char((v >> (8 * i)) & 0xFF);
      chars.append((byte >= 0 && byte < 32) || byte == 127 ? '.' : byte);
    }
    pieces << QStringLiteral("  '") + FromAnsi(chars) + QLatin1Char('\'');
  }
  return pieces;
}

QString SampleValueText(const TSampleView& samples, int position) {
  QString value = HexValue(samples.At(position), samples.BytesPerSample);
  if (samples.BytesPerSample == 4) value.insert(4, QLatin1Char(' '));
  return value + QStringLiteral(" hex");
}

QString StatusTimeText(double seconds) {
  if (seconds > 60) return TimeText(false, seconds);
  return PrefixText(QStringLiteral("Sec"), true, true, seconds);
}

}  // namespace Veltor
