#pragma once
// The logic display's state and rules, without a widget: the sample buffer
// and its width, the channels, the view window, the trigger, pointer and
// marker, the remembered zoom frame, the bit-pattern search and the sample
// file. Setters apply the rules and say whether the display has to show the
// change; the widget decides how.
//
// Two facts come from the widget's layout and are set by it: whether the
// display has been laid out yet (before that, the channel and width setters
// only store, the pointer never moves the view and the search finds
// nothing), and how many lines a text page has.

#include "logic/diagram.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace Veltor {

// The part of the state the painters and the geometry hooks look at.
struct TLogicView {
  int Start = 0;  // first shown sample
  int End = 50;   // last shown sample
  int ChanFirst = 0;
  int ChanLast = 15;
  bool Text = false;  // text listing instead of timing diagram
};

class TLogicModel {
 public:
  enum TModus { Diagram, TextDisp };
  enum TLogSize { Size8, Size16, Size32 };

  static constexpr int kMinBufferSize = 100;
  static constexpr int kMaxBufferSize = 64000;
  static constexpr int kChannelNames = 32;

  TLogicModel();

  // ---- facts from the layout
  bool LaidOut() const { return FLaidOut; }
  void SetLaidOut() { FLaidOut = true; }
  // The lines of a text page after its first one (LinesPerPage).
  int PageLines() const { return FPageLines; }
  void SetPageLines(int n) { FPageLines = n; }

  // ---- buffer
  int BufferSize() const { return int(FBuffer.size()); }
  int BufferCount() const { return FBufferCount; }
  int MaxChan() const { return FMaxChan; }
  TLogSize LogSize() const { return FLogSize; }
  enum TResize { Unchanged, Resized, OutOfMemory };
  // Clamped to 100..64000; the bytes are zeroed and the marker kept inside.
  // When the memory cannot be had the buffer keeps its old size (zeroed all
  // the same) and the caller tells the user.
  TResize SetBufferSize(int n);
  // The same bytes read at another width. Laid out, a change also keeps the
  // channels within the width and returns true (redraw); before, it only
  // stores.
  bool SetLogSize(TLogSize w);
  // The sample at a position, zero-extended for 8 and 16 bits, signed for
  // 32 bits; 0 outside the buffer.
  int GetSample(int position) const { return int(Samples().At(position)); }
  // Stores the low 8, 16 or 32 bits; positions outside the buffer are ignored.
  void SetSample(int position, int value);
  TSampleView Samples() const;
  const std::vector<quint8>& Buffer() const { return FBuffer; }
  // Copies up to BufferSize bytes into the buffer from its start.
  void LoadBytes(const QByteArray& bytes);

  // ---- channels (true: redraw)
  int ChanFirst() const { return FChanFirst; }
  bool SetChanFirst(int v);
  int ChanLast() const { return FChanLast; }
  bool SetChanLast(int v);
  const QStringList& ChanNamen() const { return FChanNamen; }
  // Always 32 names: a shorter list is padded with empty ones, a longer one
  // cut. True when the names changed.
  bool SetChanNamen(const QStringList& names);
  bool SetChanName(int channel, const QString& name);
  // The name shown for a channel: its entry, or "Chan n" when that is empty.
  QString ChannelLabel(int channel) const;

  // ---- view, trigger, pointer, marker
  int DispStartPos() const { return FDispStartPos; }
  int DispEndPos() const { return FDispEndPos; }
  // True when the view changed (redraw).
  bool SetDispStartPos(int v);
  bool SetDispEndPos(int v);
  TLogicView View() const;
  int TriggerPos() const { return FTriggerPos; }
  bool SetTriggerPos(int v);
  // The trigger lies strictly inside the view.
  bool TriggerInView() const { return FDispStartPos < FTriggerPos && FTriggerPos < FDispEndPos; }
  int PointerPos() const { return FPointerPos; }
  enum TPointerMove { PointerKept, PointerStored, PointerMoved, ViewMoved };
  // Clamped to the buffer. Before the layout it is only stored. Outside the
  // view it takes the view with it, centred and keeping its span.
  TPointerMove SetPointerPos(int v);
  // Keeps the pointer within the view; its time follows.
  void KeepPointerInView();
  int MarkerPos() const { return FMarkerPos; }
  // True when changed; the marker stays within the buffer, not the view.
  bool SetMarkerPos(int v);
  void KeepMarkerInBuffer();
  bool PointerEnable() const { return FPointerEnable; }
  bool SetPointerEnable(bool v);
  bool MarkerEnable() const { return FMarkerEnable; }
  bool SetMarkerEnable(bool v);
  bool MarkerInView() const { return FMarkerPos >= FDispStartPos && FMarkerPos <= FDispEndPos; }

  TModus Modus() const { return FModus; }
  // True when changed; the next full redraw then sets up the new mode's view.
  bool SetModus(TModus v);
  double TimeBase() const { return FTimeBase; }
  // Values that are not a number above zero become 1e-6. True when changed.
  bool SetTimeBase(double v);
  // As a sample file gives it: stored without a check.
  void TakeTimeBase(double v) { FTimeBase = v; }
  bool ZoomEnable() const { return FZoomEnable; }
  void SetZoomEnable(bool v) { FZoomEnable = v; }

  // ---- times: position x time base, recomputed when asked
  double DispStartTime() const { return FDispStartTime; }
  double DispEndTime() const { return FDispEndTime; }
  double PointerTime() const { return FPointerTime; }
  double MarkerTime() const { return FMarkerTime; }
  void RecomputeTimes();
  // The position of a time: rounded half to even, the last sample for any
  // time beyond the buffer.
  int TimeToPos(double t) const;

  // ---- full redraw and scrolling
  // Before a full redraw: no scroll fraction is carried, a mode change sets
  // up the new mode's view, the view is brought inside the buffer and the
  // times are recomputed.
  void PrepareRedraw();
  double ScrollFraction() const { return FScrollFraction; }
  // One view width back or forward; false when already at that end.
  bool PageBack();
  bool PageForward();
  // One line back or forward in text mode; false at the ends.
  bool StepLineBack();
  bool StepLineForward();
  // One sample in diagram mode: whether there is one, then the pixels the
  // picture moves (the fractional pixel carried to the next step), then the
  // view moves by one.
  bool CanStepBack() const { return FDispStartPos >= 1; }
  bool CanStepForward() const { return FDispEndPos < FBufferCount - 1; }
  int TakeScrollShift(int dataWidth);
  void MoveView(int by);

  // ---- the footer's zoom buttons
  enum TViewUpdate { NoUpdate, RedrawView, RepaintAll };
  // All channels, or the remembered ones when all are shown (diagram only).
  TViewUpdate ToggleChannelZoom();
  // Shifts the shown channels by one number (diagram only).
  TViewUpdate ShiftChannels(int by);
  // The whole buffer, or the remembered positions when it is all shown
  // (diagram only).
  TViewUpdate ToggleTimeZoom();

  // ---- the remembered zoom frame
  void SetZoomFrame(int chanFirst, int chanLast, int startPos, int endPos);
  void SetZoomPositions(int startPos, int endPos);
  void SetZoomChannels(int chanFirst, int chanLast);
  int ZoomChanFirst() const { return FZoomChanFirst; }
  int ZoomChanLast() const { return FZoomChanLast; }
  int ZoomStartPos() const { return FZoomStartPos; }
  int ZoomEndPos() const { return FZoomEndPos; }

  // ---- search
  QString MatchValue() const { return FMatchValue; }
  // "1" and "0" compare a bit, anything else leaves it out; the last
  // character is bit 0. Shorter patterns are padded with "x" on the left.
  void SetMatchValue(const QString& v);
  int MatchAdr() const { return FMatchAdr; }
  void SetMatchAdr(int v);
  // The first matching position from MatchAdr on, which becomes MatchAdr;
  // -1 when none, or before the layout.
  int NextMatch();
  quint32 MatchMask() const { return FMatchMask; }
  quint32 MatchPattern() const { return FMatchPattern; }

  // ---- sample file
  // The file as it would be saved now.
  QByteArray SampleFileBytes() const;

 private:
  void ApplyLogSize(TLogSize w);

  bool FLaidOut = false;
  int FPageLines = 0;

  std::vector<quint8> FBuffer;
  TLogSize FLogSize = Size32;
  int FBufferCount = 1000;
  int FMaxChan = 31;

  QString FMatchValue;
  int FMatchAdr = 0;
  quint32 FMatchMask = 0;
  quint32 FMatchPattern = 0;

  int FTriggerPos = 4;
  int FDispStartPos = 0;
  int FDispEndPos = 50;
  double FDispStartTime = 0;
  double FDispEndTime = 0;
  bool FPointerEnable = true;
  int FPointerPos = 20;
  double FPointerTime = 0;
  bool FMarkerEnable = true;
  int FMarkerPos = 7;
  double FMarkerTime = 0;
  TModus FModus = Diagram;
  bool FModeChanged = false;
  double FTimeBase = 1e-5;
  double FScrollFraction = 0;

  QStringList FChanNamen;
  int FChanFirst = 0;
  int FChanLast = 15;
  bool FZoomEnable = true;

  int FZoomChanFirst = 2;
  int FZoomChanLast = 5;
  int FZoomStartPos = 20;
  int FZoomEndPos = 80;
};

// The three pieces of a text-mode line: position and hex value, the bits,
// and (when asked) the bytes as characters.
QStringList SampleLinePieces(const TSampleView& samples, int position, bool withCharacters);

// The value of a sample as the status shows it: 2, 4 or 8 hexadecimal
// digits (a blank after the fourth of eight) and " hex".
QString SampleValueText(const TSampleView& samples, int position);

// A time as the status fields show it: hh:mm:ss above a minute, else with
// an SI prefix and "Sec".
QString StatusTimeText(double seconds);

}  // namespace Veltor
