#pragma once
// TLogic: the logic-analyzer display. It holds a buffer of 8-, 16- or 32-bit
// samples (bit n of a sample is channel n) and shows a window of it as a
// timing diagram or as a text listing, with a trigger mark, a pointer and a
// marker for time measurement, a remembered zoom frame, a bit-pattern search
// and a sample file.

#include "logic/diagram.h"
#include "logic/display.h"
#include "foundation/tickregistry.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace Veltor {

class TLogic : public TDisplay {
  Q_OBJECT
  Q_PROPERTY(QString MatchValue READ MatchValue WRITE SetMatchValue)
  Q_PROPERTY(int MatchAdr READ MatchAdr WRITE SetMatchAdr)
  Q_PROPERTY(int NextMatch READ NextMatch STORED false)
  Q_PROPERTY(Veltor::TColor ColTrigger READ ColTrigger WRITE SetColTrigger)
  Q_PROPERTY(Veltor::TColor ColTextDisp READ ColTextDisp WRITE SetColTextDisp)
  Q_PROPERTY(Veltor::TColor ColText READ ColText WRITE SetColText)
  Q_PROPERTY(Veltor::TColor ColDisplay READ ColDisplay WRITE SetColDisplay)
  Q_PROPERTY(Veltor::TColor ColGrid READ ColGrid WRITE SetColGrid)
  Q_PROPERTY(Veltor::TColor ColPointer READ ColPointer WRITE SetColPointer)
  Q_PROPERTY(Veltor::TColor ColMarker READ ColMarker WRITE SetColMarker)
  Q_PROPERTY(int TriggerPos READ TriggerPos WRITE SetTriggerPos)
  Q_PROPERTY(int DispStartPos READ DispStartPos WRITE SetDispStartPos)
  Q_PROPERTY(int DispEndPos READ DispEndPos WRITE SetDispEndPos)
  Q_PROPERTY(double DispStartTime READ DispStartTime WRITE SetDispStartTime)
  Q_PROPERTY(double DispEndTime READ DispEndTime WRITE SetDispEndTime)
  Q_PROPERTY(bool PointerEnable READ PointerEnable WRITE SetPointerEnable)
  Q_PROPERTY(double PointerTime READ PointerTime WRITE SetPointerTime)
  Q_PROPERTY(int PointerPos READ PointerPos WRITE SetPointerPos)
  Q_PROPERTY(bool MarkerEnable READ MarkerEnable WRITE SetMarkerEnable)
  Q_PROPERTY(double MarkerTime READ MarkerTime WRITE SetMarkerTime)
  Q_PROPERTY(int MarkerPos READ MarkerPos WRITE SetMarkerPos)
  Q_PROPERTY(TModus Modus READ Modus WRITE SetModus)
  Q_PROPERTY(double TimeBase READ TimeBase WRITE SetTimeBase)
  Q_PROPERTY(int BufferSize READ BufferSize WRITE SetBufferSize)
  Q_PROPERTY(int BufferCount READ BufferCount WRITE SetBufferCount)
  Q_PROPERTY(Veltor::TColor ColCurve READ ColCurve WRITE SetColCurve)
  Q_PROPERTY(QStringList ChanNamen READ ChanNamen WRITE SetChanNamen)
  Q_PROPERTY(int ChanFirst READ ChanFirst WRITE SetChanFirst)
  Q_PROPERTY(int ChanLast READ ChanLast WRITE SetChanLast)
  Q_PROPERTY(TLogSize LogSize READ LogSize WRITE SetLogSize)
  Q_PROPERTY(bool ZoomEnable READ ZoomEnable WRITE SetZoomEnable)

 public:
  enum TModus { Diagram, TextDisp };
  Q_ENUM(TModus)
  enum TLogSize { Size8, Size16, Size32 };
  Q_ENUM(TLogSize)

  static constexpr int kMinBufferSize = 100;
  static constexpr int kMaxBufferSize = 64000;
  static constexpr int kChannelNames = 32;
  static constexpr int kLineHeight = 13;

  explicit TLogic(QWidget* parent = nullptr);
  ~TLogic() override;

  // ---- search
  QString MatchValue() const { return FMatchValue; }
  // "1" and "0" compare a bit, anything else leaves it out; the last
  // character is bit 0. Shorter patterns are padded with "x" on the left.
  void SetMatchValue(const QString& v);
  int MatchAdr() const { return FMatchAdr; }
  void SetMatchAdr(int v);
  // Runs the search from MatchAdr: the first matching position, which also
  // becomes MatchAdr and PointerPos; -1 when none (or before the first paint).
  int NextMatch();
  quint32 MatchMask() const { return FMatchMask; }
  quint32 MatchPattern() const { return FMatchPattern; }

  // ---- colours
  TColor ColTrigger() const { return FColTrigger; }
  void SetColTrigger(TColor v);
  TColor ColTextDisp() const { return FColTextDisp; }
  void SetColTextDisp(TColor v);
  TColor ColText() const { return FColText; }
  void SetColText(TColor v);
  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor v);
  TColor ColGrid() const { return FColGrid; }
  void SetColGrid(TColor v);
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor v);
  TColor ColMarker() const { return FColMarker; }
  void SetColMarker(TColor v);
  TColor ColCurve() const { return FColCurve; }
  void SetColCurve(TColor v);

  // ---- view, trigger, pointer, marker
  int TriggerPos() const { return FTriggerPos; }
  void SetTriggerPos(int v);
  int DispStartPos() const { return FDispStartPos; }
  void SetDispStartPos(int v);
  int DispEndPos() const { return FDispEndPos; }
  void SetDispEndPos(int v);
  double DispStartTime() const { return FDispStartTime; }
  void SetDispStartTime(double t) { SetDispStartPos(TimeToPos(t)); }
  double DispEndTime() const { return FDispEndTime; }
  void SetDispEndTime(double t) { SetDispEndPos(TimeToPos(t)); }
  bool PointerEnable() const { return FPointerEnable; }
  void SetPointerEnable(bool v);
  double PointerTime() const { return FPointerTime; }
  void SetPointerTime(double t) { SetPointerPos(TimeToPos(t)); }
  int PointerPos() const { return FPointerPos; }
  void SetPointerPos(int v);
  bool MarkerEnable() const { return FMarkerEnable; }
  void SetMarkerEnable(bool v);
  double MarkerTime() const { return FMarkerTime; }
  void SetMarkerTime(double t) { SetMarkerPos(TimeToPos(t)); }
  int MarkerPos() const { return FMarkerPos; }
  void SetMarkerPos(int v);

  TModus Modus() const { return FModus; }
  void SetModus(TModus v);
  double TimeBase() const { return FTimeBase; }
  // Values that are not a number above zero become 1e-6.
  void SetTimeBase(double v);

  // ---- buffer and channels
  int BufferSize() const { return int(FBuffer.size()); }
  void SetBufferSize(int n);
  int BufferCount() const { return FBufferCount; }
  void SetBufferCount(int) {}  // follows BufferSize and LogSize
  TLogSize LogSize() const { return FLogSize; }
  void SetLogSize(TLogSize w);
  int MaxChan() const { return FMaxChan; }
  int ChanFirst() const { return FChanFirst; }
  void SetChanFirst(int v);
  int ChanLast() const { return FChanLast; }
  void SetChanLast(int v);
  QStringList ChanNamen() const { return FChanNamen; }
  // Always 32 names: a shorter list is padded with empty ones, a longer one cut.
  void SetChanNamen(const QStringList& names);
  void SetChanName(int channel, const QString& name);
  // The name shown for a channel: its entry, or "Chan n" when that is empty.
  QString ChannelLabel(int channel) const;
  bool ZoomEnable() const { return FZoomEnable; }
  void SetZoomEnable(bool v) { FZoomEnable = v; }

  // The sample at a position, zero-extended for 8 and 16 bits, signed for
  // 32 bits; 0 outside the buffer.
  int GetSample(int position) const;
  // Stores the low 8, 16 or 32 bits; positions outside the buffer are ignored.
  void SetSample(int position, int value);
  const std::vector<quint8>& Buffer() const { return FBuffer; }

  // The remembered zoom frame: channels and positions.
  void SetZoomFrame(int chanFirst, int chanLast, int startPos, int endPos);
  int ZoomChanFirst() const { return FZoomChanFirst; }
  int ZoomChanLast() const { return FZoomChanLast; }
  int ZoomStartPos() const { return FZoomStartPos; }
  int ZoomEndPos() const { return FZoomEndPos; }
  // Makes the remembered zoom frame the view.
  void ApplyZoom();

  // Full redraw of data area, status fields and position bar (once painted).
  void Redraw();

  // Snapshots for printing: the data area or the whole control. The bitmap
  // stays owned by the display until released (or the next snapshot).
  TBitmap* PrintDisp();
  TBitmap* PrintAll();
  void ReleaseSnapshot() { FSnapshot.reset(); }

  // The sample file. Save writes beside the target and replaces it only when
  // everything was written. Load reports a damaged file to the user and
  // returns false; it also returns false, without a report, when the file
  // cannot be opened or read. errorText (optional) receives the reason.
  bool SaveToFile(const QString& fileName, QString* errorText = nullptr);
  bool LoadFromFile(const QString& fileName, QString* errorText = nullptr);

  // Text-mode page: lines per page as set by the last paint.
  int LinesPerPage() const { return FLinesPerPage; }
  double ScrollFraction() const { return FScrollFraction; }

  // ---- scrolling
  // One sample back or forward: the picture shifts and only the new strip
  // (or line) is drawn. One view width back or forward: a full redraw.
  void StepBack();
  void StepForward();
  void PageBack();
  void PageForward();

  // ---- geometry, for the painter, the mouse and tests
  enum TFooterButton { BtnChanZoom, BtnChanUp, BtnChanDown, BtnTimeZoom, BtnStepBack, BtnStepFwd, BtnPageBack, BtnPageFwd };
  static constexpr int kFooterButtons = 8;
  enum TStatusField { PtrCycField, PtrTimeField, MrkCycField, MrkTimeField, DiffCycField, DiffTimeField, ValueField, PosBar };
  static constexpr int kStatusFields = 8;
  // The hit area of a footer button and the inside of a status field, as laid
  // out by the last paint (empty for layouts without a footer).
  TRect ButtonRect(TFooterButton b) const { return FButtons[b]; }
  TRect StatusRect(TStatusField f) const { return FFields[f]; }
  // The sample under a point of the data area (clamped to the view).
  int PositionAt(int x, int y) const;
  // The x of the pointer or marker line for a sample position.
  int LineX(int position) const;
  TDiagramGeometry Geometry() const;
  TSampleView Samples() const;
  // The three pieces of a text-mode line: position and hex value, the bits,
  // and (when wide enough) the bytes as characters.
  QStringList TextLinePieces(int position, bool withCharacters) const;
  // A time as the status fields show it: hh:mm:ss above a minute, else with
  // an SI prefix and "Sec".
  static QString StatusTimeText(double seconds);

 signals:
  void onZoomSet(QObject* Sender);
  void onRefresh(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  // Moves the pointer (marker) on screen after its position changed, keeping
  // the pointer within the view and the times up to date.
  void UpdatePointer();
  void UpdateMarker();
  void DrawStatus();
  void DrawPositionBar();
  void DrawTextLine(int position);
  // Draws the traces of a full redraw; the column-merged painter by default.
  virtual void DrawTraces(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour) {
    DrawTracesFast(canvas, g, samples, colour);
  }

 private:
  // Painting, in drawing order.
  void LayoutFooter();
  void DrawFooter();
  void DrawChannelNames();
  void DrawDiagram();
  void DrawTextListing();
  void DrawTextPieces(int position, int y, const TRect& clip);
  void DrawTriggerTriangle(int y);
  void XorLine(int x, TColor colour);
  void ShowPointer(bool show);
  void ShowMarker(bool show);
  void HideLines();
  template <typename Segments>
  void DrawStrip(int x1, int x2, Segments segments);

  // Mouse and repetition.
  void PressButton(TFooterButton b, TShiftState shift);
  void PlaceLineAt(TShiftState shift, int x, int y);
  void DrawZoomFrame();
  void FinishZoomFrame();
  void RepeatTick();

  int TimeToPos(double t) const;
  void RecomputeTimes();
  void NormaliseView();
  void ReportCorrupt(const QString& fileName);
  void ResizeBuffer(int n);
  void ApplyLogSize(TLogSize w);
  void RedrawIfTextMode();

  // Sample buffer.
  std::vector<quint8> FBuffer;
  TLogSize FLogSize = Size32;
  int FBufferCount = 1000;
  int FMaxChan = 31;

  // Search.
  QString FMatchValue;
  int FMatchAdr = 0;
  quint32 FMatchMask = 0;
  quint32 FMatchPattern = 0;

  // Colours.
  TColor FColTrigger = 0x0080FF;
  TColor FColTextDisp = 0xE8FFFF;
  TColor FColText = clBlack;
  TColor FColDisplay = clBlack;
  TColor FColGrid = 0x808080;
  TColor FColPointer = 0x00FF00;
  TColor FColMarker = 0x00FFFF;
  TColor FColCurve = 0xFFFF00;

  // View, trigger, pointer and marker.
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

  // Channels.
  QStringList FChanNamen;
  int FChanFirst = 0;
  int FChanLast = 15;
  bool FZoomEnable = true;

  // Remembered zoom frame.
  int FZoomChanFirst = 2;
  int FZoomChanLast = 5;
  int FZoomStartPos = 20;
  int FZoomEndPos = 80;

  // Paint state.
  int FLinesPerPage = 0;
  int FPointerX = -1;
  int FMarkerX = -1;
  double FScrollFraction = 0;

  std::unique_ptr<TBitmap> FSnapshot;

  // Footer layout.
  TRect FButtons[kFooterButtons];
  TRect FFields[kStatusFields];
  int FButtonSplit[kFooterButtons] = {};  // split line of the two-glyph buttons

  // Interaction.
  int FPressed = -1;  // the footer button held down, or -1
  bool FZoomDragging = false;
  int FZoomAnchorX = 0;
  int FZoomAnchorY = 0;
  int FZoomMoveX = 0;
  int FZoomMoveY = 0;
  int FLastMouseX = -1;
  int FLastMouseY = -1;
  TTickSubscription FRepeatTicker;
};

}  // namespace Veltor
