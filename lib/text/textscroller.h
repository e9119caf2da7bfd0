#pragma once
// TTextScroller: a focusable viewer for text files and, in hex mode, for any
// file as a hex dump, with margins and captions, bookmarks 0-9, a caret with
// selection and copy, and overwrite editing in memory. The file itself is
// only read, never written.

#include "foundation/foundationtypes.h"
#include "foundation/tickregistry.h"
#include "host/component.h"
#include "host/control.h"
#include "text/textdoc.h"
#include "text/textnav.h"
#include "text/textscroller_layout.h"

#include <QPixmap>

class QScrollBar;

namespace Veltor {

class TTextScroller;

// The look of the view's caret.
class TtsCaret : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(QPixmap Bitmap READ Bitmap WRITE SetBitmap)
  Q_PROPERTY(int BitmapHotSpotX READ BitmapHotSpotX WRITE SetBitmapHotSpotX)
  Q_PROPERTY(int BitmapHotSpotY READ BitmapHotSpotY WRITE SetBitmapHotSpotY)
  Q_PROPERTY(Veltor::TextEnums::TtsCaretShape Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TextEnums::TtsCaretAlign Align READ Align WRITE SetAlign)
  Q_PROPERTY(int BlinkTime READ BlinkTime WRITE SetBlinkTime)
  Q_PROPERTY(int CaretHeight READ CaretHeight WRITE SetCaretHeight)
  Q_PROPERTY(int CaretWidth READ CaretWidth WRITE SetCaretWidth)
  Q_PROPERTY(bool IsGray READ IsGray WRITE SetIsGray)

 public:
  explicit TtsCaret(TTextScroller* owner);

  QPixmap Bitmap() const { return FBitmap; }
  void SetBitmap(const QPixmap& v);
  int BitmapHotSpotX() const { return FHotSpotX; }
  void SetBitmapHotSpotX(int v) { Set(FHotSpotX, v); }
  int BitmapHotSpotY() const { return FHotSpotY; }
  void SetBitmapHotSpotY(int v) { Set(FHotSpotY, v); }
  TtsCaretShape Shape() const { return FShape; }
  void SetShape(TtsCaretShape v) { Set(FShape, v); }
  TtsCaretAlign Align() const { return FAlign; }
  void SetAlign(TtsCaretAlign v) { Set(FAlign, v); }
  // Milliseconds per blink phase (0..65535); 0 keeps the caret steady.
  int BlinkTime() const { return FBlinkTime; }
  void SetBlinkTime(int v);
  // Size of a custom caret and of line carets, kept within 1..255.
  int CaretHeight() const { return FHeight; }
  void SetCaretHeight(int v) { Set(FHeight, qBound(1, v, 255)); }
  int CaretWidth() const { return FWidth; }
  void SetCaretWidth(int v) { Set(FWidth, qBound(1, v, 255)); }
  bool IsGray() const { return FIsGray; }
  void SetIsGray(bool v) { Set(FIsGray, v); }

  // The caret's rectangle in a character cell.
  TRect ShapeRect(const TRect& cell) const;

 private:
  template <typename T>
  void Set(T& field, T v) {
    if (field == v) return;
    field = v;
    Changed();
  }
  void Changed();

  TTextScroller* FOwner;
  QPixmap FBitmap;
  int FHotSpotX = 0;
  int FHotSpotY = 0;
  TtsCaretShape FShape = csVertLine;
  TtsCaretAlign FAlign = caLeft;
  int FBlinkTime = 0;
  int FHeight = 10;
  int FWidth = 2;
  bool FIsGray = false;
};

class TTextScroller : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::FoundationEnums::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(Veltor::TtsCaret* Caret READ Caret)
  Q_PROPERTY(bool ExpandTabs READ ExpandTabs WRITE SetExpandTabs)
  Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)
  Q_PROPERTY(Veltor::TColor ColorHBack READ ColorHBack WRITE SetColorHBack)
  Q_PROPERTY(Veltor::TColor ColorHText READ ColorHText WRITE SetColorHText)
  Q_PROPERTY(Veltor::TColor ColorBack READ ColorBack WRITE SetColorBack)
  Q_PROPERTY(Veltor::TColor ColorBack2 READ ColorBack2 WRITE SetColorBack2)
  Q_PROPERTY(Veltor::TColor ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
  Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
  Q_PROPERTY(QString MarginCapt READ MarginCapt WRITE SetMarginCapt)
  Q_PROPERTY(Qt::CursorShape MargCursor READ MargCursor WRITE SetMargCursor)
  Q_PROPERTY(Veltor::TColor MargTxtCol READ MargTxtCol WRITE SetMargTxtCol)
  Q_PROPERTY(Veltor::TColor MargLeftColor READ MargLeftColor WRITE SetMargLeftColor)
  Q_PROPERTY(Veltor::TColor MargTopColor READ MargTopColor WRITE SetMargTopColor)
  Q_PROPERTY(Veltor::TextEnums::TScrollStyle ScrollBars READ ScrollBars WRITE SetScrollBars)
  Q_PROPERTY(bool ShowBookmarks READ ShowBookmarks WRITE SetShowBookmarks)
  Q_PROPERTY(bool ShowCaret READ ShowCaret WRITE SetShowCaret)
  Q_PROPERTY(QPixmap MarkGlyphs READ MarkGlyphs WRITE SetMarkGlyphs)
  Q_PROPERTY(QPixmap MarkDbGlyph READ MarkDbGlyph WRITE SetMarkDbGlyph)
  Q_PROPERTY(bool Passive READ Passive WRITE SetPassive)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(bool OverWrite READ OverWrite WRITE SetOverWrite)
  Q_PROPERTY(int NonHexChar READ NonHexChar WRITE SetNonHexChar)
  Q_PROPERTY(bool HexMode READ HexMode WRITE SetHexMode)
  Q_PROPERTY(bool IntegHeight READ IntegHeight WRITE SetIntegHeight)
  Q_PROPERTY(Veltor::TextEnums::tsHexSize HexSize READ HexSize WRITE SetHexSize)
  Q_PROPERTY(int HexBufLen READ HexBufLen WRITE SetHexBufLen)
  Q_PROPERTY(int HexOffset READ HexOffset WRITE SetHexOffset)
  Q_PROPERTY(int TabSize READ TabSize WRITE SetTabSize)
  Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
  Q_PROPERTY(bool IsOpen READ IsOpen WRITE SetIsOpen)

 public:
  explicit TTextScroller(QWidget* parent = nullptr);
  ~TTextScroller() override;

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle v) { AssignGeometry(FBorderStyle, v); }
  TtsCaret* Caret() { return FCaret; }
  bool ExpandTabs() const { return FDoc.ExpandTabs; }
  void SetExpandTabs(bool v);
  TColor ColorHBack() const { return FColorHBack; }
  void SetColorHBack(TColor v) { Assign(FColorHBack, v); }
  TColor ColorHText() const { return FColorHText; }
  void SetColorHText(TColor v) { Assign(FColorHText, v); }
  TColor ColorBack() const { return FColorBack; }
  void SetColorBack(TColor v) { Assign(FColorBack, v); }
  // Background of the character column of a hex dump.
  TColor ColorBack2() const { return FColorBack2; }
  void SetColorBack2(TColor v) { Assign(FColorBack2, v); }
  TColor ColorText() const { return FColorText; }
  void SetColorText(TColor v) { Assign(FColorText, v); }
  // Margin sizes in pixels, kept within 0..1000.
  int MarginLeft() const { return FMarginLeft; }
  void SetMarginLeft(int v) { AssignGeometry(FMarginLeft, qBound(0, v, 1000)); }
  int MarginTop() const { return FMarginTop; }
  void SetMarginTop(int v) { AssignGeometry(FMarginTop, qBound(0, v, 1000)); }
  // "left part<TAB>top part": the first part stands over the left margin,
  // the second over the text (a hex dump shows its column header there).
  QString MarginCapt() const { return FMarginCapt; }
  void SetMarginCapt(const QString& v) { Assign(FMarginCapt, v); }
  Qt::CursorShape MargCursor() const { return FMargCursor; }
  void SetMargCursor(Qt::CursorShape v) { FMargCursor = v; }
  TColor MargTxtCol() const { return FMargTxtCol; }
  void SetMargTxtCol(TColor v) { Assign(FMargTxtCol, v); }
  TColor MargLeftColor() const { return FMargLeftColor; }
  void SetMargLeftColor(TColor v) { Assign(FMargLeftColor, v); }
  TColor MargTopColor() const { return FMargTopColor; }
  void SetMargTopColor(TColor v) { Assign(FMargTopColor, v); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle v) { AssignGeometry(FScrollBars, v); }
  bool ShowBookmarks() const { return FShowBookmarks; }
  void SetShowBookmarks(bool v) { Assign(FShowBookmarks, v); }
  bool ShowCaret() const { return FNav.ShowCaret; }
  void SetShowCaret(bool v);
  // Ten glyphs side by side, one per bookmark; empty: drawn ones.
  QPixmap MarkGlyphs() const { return FMarkGlyphs; }
  void SetMarkGlyphs(const QPixmap& v);
  // The glyph of a line holding more than one bookmark.
  QPixmap MarkDbGlyph() const { return FMarkDbGlyph; }
  void SetMarkDbGlyph(const QPixmap& v);
  bool Passive() const { return FPassive; }
  void SetPassive(bool v) { FPassive = v; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
  bool OverWrite() const { return FOverWrite; }
  void SetOverWrite(bool v);
  // Character code (1..255) shown for bytes outside 32..127.
  int NonHexChar() const { return quint8(FDoc.NonHexChar); }
  void SetNonHexChar(int v);
  bool HexMode() const { return FDoc.HexMode; }
  void SetHexMode(bool v);
  bool IntegHeight() const { return FIntegHeight; }
  void SetIntegHeight(bool v);
  tsHexSize HexSize() const { return FDoc.HexSize; }
  void SetHexSize(tsHexSize v);
  // Kept within 64..1048575; in hex mode the file is read again.
  int HexBufLen() const { return FDoc.HexBufLen(); }
  void SetHexBufLen(int v);
  // Kept within 0..1048575.
  int HexOffset() const { return FDoc.HexOffset(); }
  void SetHexOffset(int v);
  // Kept within 1..255.
  int TabSize() const { return FDoc.TabSize; }
  void SetTabSize(int v);
  // Kept as given: on this system names differ by case.
  QString FileName() const { return FFileName; }
  void SetFileName(const QString& v);
  bool IsOpen() const { return FDoc.IsOpen(); }
  // Opening shows a message when the file cannot be read and stays closed.
  void SetIsOpen(bool v);

  // The document, the navigation state and the current layout, for tools
  // and tests.
  const TTextDocument& Document() const { return FDoc; }
  const TTextNav& Nav() const { return FNav; }
  TTextScrollerLayout Layout() const { return LayoutTextScroller(Geometry()); }
  // Carries out a command as if its key had been pressed; false when the
  // mode has no such command.
  bool ExecuteCommand(int command);
  // Whether an overwrite changed the document since it was opened.
  bool Changed() const { return FChanged; }

 signals:
  void OnClick(QObject* Sender);
  void OnDblClick(QObject* Sender);
  // Line and column of the caret, counted from 1.
  void OnShowStatus(QObject* Sender, int LineNum, int ColNum, bool overwrite, bool changed);
  void OnTopLineChanged(QObject* Sender, int Line);
  void OnUserCommand(QObject* Sender, quint16 Command);
  void OnHexChange(QObject* Sender, int adr, quint8 b);
  void OnTextChange(QObject* Sender, int Line, int Col, QChar c);
  void OnFontChange(QObject* Sender, int fHeight, int fwidth);

 protected:
  void Paint() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resized() override;
  void FontChanged() override;
  void Loaded() override;
  void wheelEvent(QWheelEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  // Tab is one of the view's keys, not a focus move.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  friend class TtsCaret;
  template <typename T, typename V>
  void AssignGeometry(T& field, const V& value) {
    Assign(field, value, [this] { GeometryChanged(); });
  }
  TTextScrollerGeometry Geometry() const;
  void GeometryChanged();
  void MeasureFont();
  void Reopen(const std::function<void()>& change);
  void Opened();
  void OverwriteChar(char ch);
  // After the caret or the view moved: scroll bars, events, repaint.
  void NavChanged(int oldTop, TTextPos oldCaret);
  void SyncScrollBars();
  void CaretBlink();
  TTextPos PosAt(int x, int y) const;

  void PaintMargins(TCanvas& c, const TTextScrollerLayout& l);
  void PaintBookmarks(TCanvas& c, const TTextScrollerLayout& l);
  void PaintLines(TCanvas& c, const TTextScrollerLayout& l);
  void PaintCaret(TCanvas& c, const TTextScrollerLayout& l);

  TTextDocument FDoc;
  TTextNav FNav{FDoc};
  TtsCaret* FCaret;
  QScrollBar* FVBar;
  QScrollBar* FHBar;
  TTickSubscription FBlink;
  bool FCaretOn = true;
  bool FOpenWhenLoaded = false;
  bool FChanged = false;
  bool FSyncing = false;
  bool FSelecting = false;
  int FCharWidth = 8;
  int FLineHeight = 16;
  int FAscent = 12;

  TBorderStyle FBorderStyle = bsSingle;
  TColor FColorHBack = clHighlight;
  TColor FColorHText = clHighlightText;
  TColor FColorBack = clWhite;
  TColor FColorBack2 = clAqua;
  TColor FColorText = clBlack;
  int FMarginLeft = 22;
  int FMarginTop = 18;
  QString FMarginCapt = QStringLiteral("Top Margin\tCaption");
  Qt::CursorShape FMargCursor = Qt::ArrowCursor;
  TColor FMargTxtCol = clBlack;
  TColor FMargLeftColor = clSilver;
  TColor FMargTopColor = clSilver;
  TScrollStyle FScrollBars = ssBoth;
  bool FShowBookmarks = true;
  QPixmap FMarkGlyphs;
  QPixmap FMarkDbGlyph;
  bool FPassive = false;
  bool FReadOnly = false;
  bool FOverWrite = false;
  bool FIntegHeight = false;
  QString FFileName;
};

}  // namespace Veltor
