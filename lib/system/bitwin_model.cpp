#include "system/bitwin_model.h"

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kMinWidth = 10;
constexpr int kWideMargin = 4;  // characters of room beside the longest line

const QString kLineEnd = QStringLiteral("\r\n");

}  // namespace

void TRestWatch::SetDelay(int ms) { FDelay = std::clamp(ms, MinDelay, MaxDelay); }

void TRestWatch::Reset() {
  FRunning = false;
  FArmed = false;
}

TRestStep TRestWatch::Poll(TPoint p, bool inside, bool shown, qint64 now) {
  if (!inside) {
    if (!shown) return TRestStep::Nothing;
    Reset();
    return TRestStep::Hide;
  }
  if (!FSeen || !(p == FLast)) {
    FSeen = true;
    FLast = p;
    Reset();
    return shown ? TRestStep::Hide : TRestStep::Nothing;
  }
  if (!FRunning) {
    FRunning = true;
    FStart = now;
    FArmed = true;
    return TRestStep::Nothing;
  }
  if (FArmed && now - FStart >= FDelay) {
    FArmed = false;
    return TRestStep::Due;
  }
  return TRestStep::Nothing;
}

QString NormaliseHintText(const QString& info) {
  QString text = info;
  text.replace(QLatin1String("^M"), kLineEnd);
  return text;
}

TBitWinLayout BitWinLayout(const QString& text, const TBitWinMetrics& metrics, TPoint anchor, int offSetX, int offSetY,
                           TbsOriginH originHor, TbsOriginV originVert) {
  const QStringList lines = text.split(kLineEnd);
  TBitWinLayout l;
  l.Lines = int(lines.size());
  int width;
  if (l.Lines == 1) {
    width = metrics.TextWidth(text + u'n');
  } else {
    int longest = 0;
    for (const QString& line : lines) longest = std::max(longest, int(line.size()));
    width = (longest + kWideMargin) * metrics.AvgCharWidth + 2;
  }
  width = std::max(width, kMinWidth);
  const int height = l.Lines * metrics.LineHeight;

  int left = anchor.X + offSetX;
  if (originHor == bwhCenter) left -= width / 2;
  if (originHor == bwhRight) left -= width;
  int top = anchor.Y - offSetY;
  if (originVert == bwvCenter) top -= height / 2;
  if (originVert == bwvBottom) top -= height;
  l.Bounds = TRect(left, top, left + width, top + height);
  return l;
}

}  // namespace Veltor
