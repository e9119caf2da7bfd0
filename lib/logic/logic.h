#pragma once
// TLogic: the logic-analyzer display. It holds a buffer of 8-, 16- or 32-bit
// samples (bit n of a sample is channel n) and shows a window of it as a
// timing diagram or as a text listing, with a trigger mark, a pointer and a
// marker for time measurement, a remembered zoom frame, a bit-pattern search
// and a sample file.

#include "foundation/tickregistry.h"
#include "logic/display.h"
#include "logic/logic_layout.h"
#include "logic/logic_model.h"
#include "logic/logic_paint.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace Veltor {

// The widget: properties forwarded to the model, events as signals, input
// through the layout's hit areas, and Paint composing layout and painters.
class TLogic : public TDisplay, public TLogicFooterParts {
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

  static constexpr int kMinBufferSize = TLogicModel::kMinBufferSize;
  static constexpr int kMaxBufferSize = TLogicModel::kMaxBufferSize;
  static constexpr int kChannelNames = TLogicModel::kChannelNames;
  static constexpr int kLineHeight = LogicMeasures::kLineHeight;

  explicit TLogic(QWidget* parent = nullptr);
  ~TLogic() override;

  // ---- search
  QString MatchValue() const { return FModel.MatchValue(); }
  // "1" and "0" compare a bit, anything else leaves it out; the last
  // character is bit 0. Shorter patterns are padded with "x" on the left.
  void SetMatchValue(const QString& v) { FModel.SetMatchValue(v); }
  int MatchAdr() const { return FModel.MatchAdr(); }
  void SetMatchAdr(int v) { FModel.SetMatchAdr(v); }
  // Runs the search from MatchAdr: the first matching position, which also
  // becomes MatchAdr and PointerPos; -1 when none (or before the first paint).
  int NextMatch();
  quint32 MatchMask() const { return FModel.MatchMask(); }
  quint32 MatchPattern() const { return FModel.MatchPattern(); }

  // ---- colours
  TColor ColTrigger() const { return FColours.Trigger; }
  void SetColTrigger(TColor v);
  TColor ColTextDisp() const { return FColours.TextDisp; }
  void SetColTextDisp(TColor v);
  TColor ColText() const { return FColours.Text; }
  void SetColText(TColor v);
  TColor ColDisplay() const { return FColours.Display; }
  void SetColDisplay(TColor v);
  TColor ColGrid() const { return FColours.Grid; }
  void SetColGrid(TColor v);
  TColor ColPointer() const { return FColours.Pointer; }
  void SetColPointer(TColor v);
  TColor ColMarker() const { return FColours.Marker; }
  void SetColMarker(TColor v);
  TColor ColCurve() const { return FColours.Curve; }
  void SetColCurve(TColor v);

  // ---- view, trigger, pointer, marker
  int TriggerPos() const { return FModel.TriggerPos(); }
  void SetTriggerPos(int v);
  int DispStartPos() const { return FModel.DispStartPos(); }
  void SetDispStartPos(int v);
  int DispEndPos() const { return FModel.DispEndPos(); }
  void SetDispEndPos(int v);
  double DispStartTime() const { return FModel.DispStartTime(); }
  void SetDispStartTime(double t) { SetDispStartPos(FModel.TimeToPos(t)); }
  double DispEndTime() const { return FModel.DispEndTime(); }
  void SetDispEndTime(double t) { SetDispEndPos(FModel.TimeToPos(t)); }
  bool PointerEnable() const { return FModel.PointerEnable(); }
  void SetPointerEnable(bool v);
  double PointerTime() const { return FModel.PointerTime(); }
  void SetPointerTime(double t) { SetPointerPos(FModel.TimeToPos(t)); }
  int PointerPos() const { return FModel.PointerPos(); }
  void SetPointerPos(int v);
  bool MarkerEnable() const { return FModel.MarkerEnable(); }
  void SetMarkerEnable(bool v);
  double MarkerTime() const { return FModel.MarkerTime(); }
  void SetMarkerTime(double t) { SetMarkerPos(FModel.TimeToPos(t)); }
  int MarkerPos() const { return FModel.MarkerPos(); }
  void SetMarkerPos(int v);

  TModus Modus() const { return TModus(FModel.Modus()); }
  void SetModus(TModus v);
  double TimeBase() const { return FModel.TimeBase(); }
  // Values that are not a number above zero become 1e-6.
  void SetTimeBase(double v);

  // ---- buffer and channels
  int BufferSize() const { return FModel.BufferSize(); }
  void SetBufferSize(int n);
  int BufferCount() const { return FModel.BufferCount(); }
  void SetBufferCount(int) {}  // follows BufferSize and LogSize
  TLogSize LogSize() const { return TLogSize(FModel.LogSize()); }
  void SetLogSize(TLogSize w);
  int MaxChan() const { return FModel.MaxChan(); }
  int ChanFirst() const { return FModel.ChanFirst(); }
  void SetChanFirst(int v);
  int ChanLast() const { return FModel.ChanLast(); }
  void SetChanLast(int v);
  QStringList ChanNamen() const { return FModel.ChanNamen(); }
  // Always 32 names: a shorter list is padded with empty ones, a longer one cut.
  void SetChanNamen(const QStringList& names);
  void SetChanName(int channel, const QString& name);
  // The name shown for a channel: its entry, or "Chan n" when that is empty.
  QString ChannelLabel(int channel) const { return FModel.ChannelLabel(channel); }
  bool ZoomEnable() const { return FModel.ZoomEnable(); }
  void SetZoomEnable(bool v) { FModel.SetZoomEnable(v); }

  // The sample at a position, zero-extended for 8 and 16 bits, signed for
  // 32 bits; 0 outside the buffer.
  int GetSample(int position) const { return FModel.GetSample(position); }
  // Stores the low 8, 16 or 32 bits; positions outside the buffer are ignored.
  void SetSample(int position, int value) { FModel.SetSample(position, value); }
  const std::vector<quint8>& Buffer() const { return FModel.Buffer(); }

  // The remembered zoom frame: channels and positions.
  void SetZoomFrame(int chanFirst, int chanLast, int startPos, int endPos) {
    FModel.SetZoomFrame(chanFirst, chanLast, startPos, endPos);
  }
  int ZoomChanFirst() const { return FModel.ZoomChanFirst(); }
  int ZoomChanLast() const { return FModel.ZoomChanLast(); }
  int ZoomStartPos() const { return FModel.ZoomStartPos(); }
  int ZoomEndPos() const { return FModel.ZoomEndPos(); }
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
  int LinesPerPage() const { return FModel.PageLines(); }
  double ScrollFraction() const { return FModel.ScrollFraction(); }

  // ---- scrolling
  // One sample back or forward: the picture shifts and only the new strip
  // (or line) is drawn. One view width back or forward: a full redraw.
  void StepBack();
  void StepForward();
  void PageBack();
  void PageForward();

  // ---- state, layout and geometry, for the painters, the mouse and tests
  const TLogicModel& Model() const { return FModel; }
  // The layout of the last paint.
  const TLogicLayout& Layout() const { return FLayout; }
  // The channel names' column as laid out beside the data area.
  TRect NameRect() const { return FLayout.Names; }
  // The hit area of a footer button and the inside of a status field, as laid
  // out by the last paint (empty for layouts without a footer).
  TRect ButtonRect(TFooterButton b) const { return FLayout.Buttons[b]; }
  TRect StatusRect(TStatusField f) const { return FLayout.Fields[f]; }
  // The sample under a point of the data area (clamped to the view).
  int PositionAt(int x, int y) const { return Veltor::PositionAt(FLayout, FModel.View(), x, y); }
  // The x of the pointer or marker line for a sample position.
  int LineX(int position) const { return Veltor::LineX(FLayout, FModel.View(), position); }
  TDiagramGeometry Geometry() const { return DiagramGeometryOf(FLayout, FModel.View()); }
  TSampleView Samples() const { return FModel.Samples(); }
  // The three pieces of a text-mode line: position and hex value, the bits,
  // and (when wide enough) the bytes as characters.
  QStringList TextLinePieces(int position, bool withCharacters) const {
    return SampleLinePieces(FModel.Samples(), position, withCharacters);
  }
  // A time as the status fields show it: hh:mm:ss above a minute, else with
  // an SI prefix and "Sec".
  static QString StatusTimeText(double seconds) { return Veltor::StatusTimeText(seconds); }

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
  bool LaidOut() const { return FModel.LaidOut(); }
  bool TextMode() const { return FModel.Modus() == TLogicModel::TextDisp; }
  void RedrawIfTextMode();
  void Apply(TLogicModel::TViewUpdate update);
  void XorLine(int x, TColor colour) { PaintXorLine(Canvas(), FLayout, x, colour); }
  void ShowPointer(bool show);
  void ShowMarker(bool show);
  void HideLines();
  void ReportCorrupt(const QString& fileName);

  // Mouse and repetition.
  void PressButton(TFooterButton b, TShiftState shift);
  void PlaceLineAt(TShiftState shift, int x, int y);
  void DrawZoomFrame() { PaintZoomFrame(Canvas(), FZoomAnchorX, FZoomAnchorY, FZoomMoveX, FZoomMoveY); }
  void FinishZoomFrame();
  void RepeatTick();

  TLogicModel FModel;
  TLogicColours FColours;
  TLogicLayout FLayout;

  // Where the pointer and marker are drawn now: the x of the line in the
  // diagram, the highlighted position in text mode; -1 when not drawn.
  int FPointerX = -1;
  int FMarkerX = -1;

  std::unique_ptr<TBitmap> FSnapshot;

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

static_assert(int(TLogic::TextDisp) == int(TLogicModel::TextDisp) && int(TLogic::Size32) == int(TLogicModel::Size32),
              "the widget's enumerations are the model's");

}  // namespace Veltor
