#pragma once
// The rules of the rest-time hint without a window: when the resting
// pointer makes a hint due, when a shown hint goes, and where it stands.

#include "host/types.h"
#include "system/systemtypes.h"

#include <QString>

#include <functional>

namespace Veltor {

// What one look at the pointer asks of the hint window.
enum class TRestStep {
  Nothing,
  Hide,  // take a shown hint away
  Due,   // the pointer has rested long enough: ask whether to show a hint
};

// Watches the pointer over the hint's control: the rest time starts when the
// pointer stops and a hint is due once per rest.
class TRestWatch {
 public:
  static constexpr int MinDelay = 60;
  static constexpr int MaxDelay = 10000;

  int Delay() const { return FDelay; }
  // Milliseconds, kept within MinDelay..MaxDelay.
  void SetDelay(int ms);

  // One look at the pointer p (screen coordinates) at time now (ms): inside
  // tells whether it is over the control, shown whether a hint is shown.
  TRestStep Poll(TPoint p, bool inside, bool shown, qint64 now);
  // Stops the rest time; the pointer must rest anew.
  void Reset();

 private:
  int FDelay = 2000;
  bool FRunning = false;
  qint64 FStart = 0;
  bool FArmed = false;
  bool FSeen = false;
  TPoint FLast;
};

// Measures of the hint font.
struct TBitWinMetrics {
  int LineHeight = 0;  // text height of "My" + 2
  int AvgCharWidth = 1;
  std::function<int(const QString&)> TextWidth;
};

// Lines of a hint text: "^M" becomes CR LF, and CR LF ends a line.
QString NormaliseHintText(const QString& info);

struct TBitWinLayout {
  int Lines = 1;
  TRect Bounds;  // in the control's client coordinates
};

// Size and place of the hint for text (already normalised) at anchor.
TBitWinLayout BitWinLayout(const QString& text, const TBitWinMetrics& metrics, TPoint anchor, int offSetX, int offSetY,
                           TbsOriginH originHor, TbsOriginV originVert);

}  // namespace Veltor
