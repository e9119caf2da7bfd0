#include "text/textscroller.h"

#include "host/ansi.h"
#include "host/keys.h"
#include "host/modalui.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace Veltor {
namespace {

constexpr int kWheelLines = 3;

}  // namespace

// --- TtsCaret ---------------------------------------------------------------

TtsCaret::TtsCaret(TTextScroller* owner) : TPersistent(owner), FOwner(owner) {}

void TtsCaret::SetBitmap(const QPixmap& v) {
  FBitmap = v;
  Changed();
}

void TtsCaret::SetBlinkTime(int v) {
  v = qBound(0, v, 65535);
  if (FBlinkTime == v) return;
  FBlinkTime = v;
  FOwner->CaretBlink();
}

void TtsCaret::Changed() { FOwner->Invalidate(); }

TRect TtsCaret::ShapeRect(const TRect& cell) const {
  const int cw = cell.Width();
  const int ch = cell.Height();
  const int w = qMin(FWidth, cw);
  switch (FShape) {
    case csBlock:
    case csBitmap: return cell;
    case csHalfBlock: return TRect(cell.Left, cell.Top + ch / 2, cell.Right, cell.Bottom);
    case csVertLine: {
      int x = cell.Left;
      if (FAlign == caRight) x = cell.Right - w;
      if (FAlign == caCenter) x = cell.Left + (cw - w) / 2;
      return TRect(x, cell.Top, x + w, cell.Bottom);
    }
    case csHorzLine: {
      const int h = qMin(FWidth, ch);
      int y = cell.Bottom - h;
      if (FAlign == caTop) y = cell.Top;
      if (FAlign == caCenter) y = cell.Top + (ch - h) / 2;
      return TRect(cell.Left, y, cell.Right, y + h);
    }
    case csCustom: {
      const int h = qMin(FHeight, ch);
      int x = cell.Left + (cw - w) / 2;
      int y = cell.Top + (ch - h) / 2;
      if (FAlign == caLeft) x = cell.Left;
      if (FAlign == caRight) x = cell.Right - w;
      if (FAlign == caTop) y = cell.Top;
      if (FAlign == caBottom) y = cell.Bottom - h;
      return TRect(x, y, x + w, y + h);
    }
  }
  return cell;
}

// --- TTextScroller ----------------------------------------------------------

TTextScroller::TTextScroller(QWidget* parent)
    : TCustomControl(parent),
      FCaret(new TtsCaret(this)),
      FVBar(new QScrollBar(Qt::Vertical, this)),
      FHBar(new QScrollBar(Qt::Horizontal, this)) {
  SetParentColor(false);
  SetTabStop(true);
  setMouseTracking(true);
  EditFont([](TFont& f) {
    f.Name = QStringLiteral("Courier New");
    f.SetSize(10);
    f.Color = clBlack;
  });
  FVBar->setCursor(Qt::ArrowCursor);
  FHBar->setCursor(Qt::ArrowCursor);
  connect(FVBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (FSyncing) return;
    const int oldTop = FNav.TopLine;
    FNav.TopLine = v;
    FNav.Clamp();
    NavChanged(oldTop, FNav.Caret);
  });
  connect(FHBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (FSyncing) return;
    FNav.LeftCol = v;
    FNav.Clamp();
    NavChanged(FNav.TopLine, FNav.Caret);
  });
  MeasureFont();
  resize(200, 150);
  GeometryChanged();
}

TTextScroller::~TTextScroller() = default;

TTextScrollerGeometry TTextScroller::Geometry() const {
  TTextScrollerGeometry g;
  g.Width = width();
  g.Height = height();
  g.Border = FBorderStyle == bsSingle;
  g.ScrollBars = FScrollBars;
  g.MarginLeft = FMarginLeft;
  g.MarginTop = FMarginTop;
  g.CharWidth = FCharWidth;
  g.LineHeight = FLineHeight;
  return g;
}

void TTextScroller::MeasureFont() {
  const QFontMetrics m(Font().ToQFont());
  FCharWidth = qMax(1, m.horizontalAdvance(QLatin1Char('M')));
  FLineHeight = qMax(1, m.height());
  FAscent = m.ascent();
}

void TTextScroller::FontChanged() {
  MeasureFont();
  emit OnFontChange(this, FLineHeight, FCharWidth);
  GeometryChanged();
}

void TTextScroller::GeometryChanged() {
  const TTextScrollerLayout l = Layout();
  FNav.PageLines = l.PageLines;
  FNav.PageCols = l.PageCols;
  FNav.Clamp();
  auto place = [](QScrollBar* bar, const TRect& r) {
    bar->setVisible(!r.IsEmpty());
    if (!r.IsEmpty()) bar->setGeometry(r.Left, r.Top, r.Width(), r.Height());
  };
  place(FVBar, l.VScroll);
  place(FHBar, l.HScroll);
  SyncScrollBars();
  Invalidate();
}

void TTextScroller::Resized() {
  if (FIntegHeight) {
    const int spare = Layout().Text.Height() % FLineHeight;
    if (spare > 0 && height() - spare > 0) {
      resize(width(), height() - spare);  // comes back here with no spare
      return;
    }
  }
  GeometryChanged();
}

void TTextScroller::SetIntegHeight(bool v) {
  if (FIntegHeight == v) return;
  FIntegHeight = v;
  Resized();
}

void TTextScroller::SyncScrollBars() {
  FSyncing = true;
  int longest = 0;
  for (int i = 0; i < FDoc.LineCount(); ++i) longest = qMax(longest, FDoc.LineLength(i));
  FVBar->setRange(0, qMax(0, FDoc.LineCount() - FNav.PageLines));
  FVBar->setPageStep(FNav.PageLines);
  FVBar->setValue(FNav.TopLine);
  FHBar->setRange(0, FDoc.HexMode ? 0 : qMax(0, longest + 1 - FNav.PageCols));
  FHBar->setPageStep(FNav.PageCols);
  FHBar->setValue(FNav.LeftCol);
  FSyncing = false;
}

void TTextScroller::CaretBlink() {
  if (FCaret->BlinkTime() > 0) {
    FBlink = TTickSubscription::Ticker([this] {
      FCaretOn = !FCaretOn;
      Invalidate();
    });
    FBlink.SetInterval(FCaret->BlinkTime());
  } else {
    FBlink.Reset();
    FCaretOn = true;
  }
  Invalidate();
}

void TTextScroller::SetExpandTabs(bool v) {
  if (FDoc.ExpandTabs == v) return;
  Reopen([&] { FDoc.ExpandTabs = v; });
}

void TTextScroller::SetTabSize(int v) {
  v = qBound(1, v, 255);
  if (FDoc.TabSize == v) return;
  Reopen([&] { FDoc.TabSize = v; });
}

void TTextScroller::SetShowCaret(bool v) {
  if (FNav.ShowCaret == v) return;
  FNav.ShowCaret = v;
  FNav.Anchor = FNav.Caret;
  Invalidate();
}

void TTextScroller::SetMarkGlyphs(const QPixmap& v) {
  FMarkGlyphs = v;
  Invalidate();
}

void TTextScroller::SetMarkDbGlyph(const QPixmap& v) {
  FMarkDbGlyph = v;
  Invalidate();
}

void TTextScroller::SetOverWrite(bool v) {
  if (FOverWrite == v) return;
  FOverWrite = v;
  emit OnShowStatus(this, FNav.Caret.Line + 1, FNav.Caret.Col + 1, FOverWrite, FChanged);
}

void TTextScroller::SetNonHexChar(int v) {
  v = qBound(1, v, 255);
  if (NonHexChar() == v) return;
  FDoc.NonHexChar = char(v);
  if (FDoc.HexMode) FDoc.SetHexOffset(FDoc.HexOffset());  // rebuilds the lines
  Invalidate();
}

void TTextScroller::SetHexMode(bool v) {
  if (FDoc.HexMode == v) return;
  Reopen([&] { FDoc.HexMode = v; });
}

void TTextScroller::SetHexSize(tsHexSize v) {
  if (FDoc.HexSize == v) return;
  FDoc.SetHexSize(v);
  FNav.Clamp();
  SyncScrollBars();
  Invalidate();
}

void TTextScroller::SetHexBufLen(int v) {
  if (FDoc.HexMode)
    Reopen([&] { FDoc.SetHexBufLen(v); });
  else
    FDoc.SetHexBufLen(v);
}

void TTextScroller::SetHexOffset(int v) {
  FDoc.SetHexOffset(v);
  Invalidate();
}

void TTextScroller::SetFileName(const QString& v) {
  if (FFileName == v) return;
  Reopen([&] { FFileName = v; });
}

void TTextScroller::Reopen(const std::function<void()>& change) {
  if (Loading()) {  // Loaded() opens the file
    change();
    return;
  }
  const bool wasOpen = IsOpen();
  SetIsOpen(false);
  change();
  if (wasOpen) SetIsOpen(true);
}

void TTextScroller::SetIsOpen(bool v) {
  if (Loading()) {
    FOpenWhenLoaded = v;
    return;
  }
  if (v == IsOpen()) return;
  if (!v) {
    FDoc.Close();
    Opened();
    return;
  }
  if (FFileName.isEmpty()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QString error;
  const bool ok = FDoc.Open(FFileName, &error);
  QApplication::restoreOverrideCursor();
  if (!ok) ShowMessage(error);
  Opened();
}

void TTextScroller::Loaded() {
  TCustomControl::Loaded();
  if (FOpenWhenLoaded) SetIsOpen(true);
}

void TTextScroller::Opened() {
  FChanged = false;
  FNav.MarkSet.fill(false);
  FNav.Reset(FDoc.HexMode ? TTextPos{0, kHexAddressWidth} : TTextPos{});
  GeometryChanged();
  emit OnTopLineChanged(this, 0);
  emit OnShowStatus(this, FNav.Caret.Line + 1, FNav.Caret.Col + 1, FOverWrite, FChanged);
}

bool TTextScroller::ExecuteCommand(int command) {
  const int oldTop = FNav.TopLine;
  const TTextPos oldCaret = FNav.Caret;
  if (!FNav.Execute(command)) return false;
  if (command == TextCmd::Copy && FNav.HasSelection())
    QApplication::clipboard()->setText(FromAnsi(FNav.SelectedText()));
  emit OnUserCommand(this, quint16(command));
  NavChanged(oldTop, oldCaret);
  return true;
}

void TTextScroller::NavChanged(int oldTop, TTextPos oldCaret) {
  SyncScrollBars();
  FCaretOn = true;
  if (FNav.TopLine != oldTop) emit OnTopLineChanged(this, FNav.TopLine);
  if (FNav.Caret != oldCaret) emit OnShowStatus(this, FNav.Caret.Line + 1, FNav.Caret.Col + 1, FOverWrite, FChanged);
  Invalidate();
}

void TTextScroller::KeyDown(quint16& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const int command = KeyToCommand(Key, Shift, FPassive, FNav.MarksAt(FNav.MarkPos()));
  if (command != TextCmd::None && ExecuteCommand(command)) Key = 0;
}

void TTextScroller::KeyPress(QChar& Key) {
  TCustomControl::KeyPress(Key);
  if (Key.isNull()) return;
  const ushort code = Key.unicode();
  if (code == VK_ESCAPE) {
    if (FOverWrite) {
      SetOverWrite(false);
      Key = QChar();
    }
    return;
  }
  if (code < 32) return;  // Backspace and Tab are keys, not characters here
  const QByteArray ansi = ToAnsi(QString(Key));
  if (ansi.isEmpty()) return;
  Key = QChar();
  if (!FOverWrite || FReadOnly || !IsOpen() || !FNav.ShowCaret) {
    Beep();
    return;
  }
  OverwriteChar(ansi.at(0));
}

void TTextScroller::OverwriteChar(char ch) {
  const int oldTop = FNav.TopLine;
  const TTextPos c = FNav.Caret;
  if (FDoc.HexMode) {
    int adr = 0;
    quint8 b = 0;
    if (!FDoc.OverwriteHex(c.Line, c.Col, ch, &adr, &b)) {
      Beep();
      return;
    }
    FChanged = true;
    emit OnHexChange(this, adr, b);
  } else {
    if (quint8(ch) == 127 || !FDoc.OverwriteText(c.Line, c.Col, ch)) {
      Beep();
      return;
    }
    FChanged = true;
    emit OnTextChange(this, c.Line, c.Col, FromAnsi(QByteArray(1, ch)).at(0));
  }
  FNav.StepAfterOverwrite();
  NavChanged(oldTop, c);
}

TTextPos TTextScroller::PosAt(int x, int y) const {
  const TPoint cell = TextCellAt(Layout(), Geometry(), x, y);
  return TTextPos{FNav.TopLine + cell.Y, FNav.LeftCol + cell.X};
}

void TTextScroller::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  setFocus(Qt::MouseFocusReason);
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (!Layout().Text.Contains(X, Y)) return;
  FNav.MousePos = PosAt(X, Y);
  if (Button != mbLeft || !FNav.ShowCaret || !IsOpen()) return;
  const int oldTop = FNav.TopLine;
  const TTextPos oldCaret = FNav.Caret;
  FNav.MoveCaret(FNav.MousePos, Shift.testFlag(ssShift) && !FPassive);
  FSelecting = !FPassive;
  NavChanged(oldTop, oldCaret);
}

void TTextScroller::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const TTextScrollerLayout l = Layout();
  setCursor(l.Text.Contains(X, Y) ? Qt::IBeamCursor : FMargCursor);
  if (l.Text.Contains(X, Y)) FNav.MousePos = PosAt(X, Y);
  if (FSelecting && Shift.testFlag(ssLeft)) {
    const int oldTop = FNav.TopLine;
    const TTextPos oldCaret = FNav.Caret;
    FNav.MoveCaret(PosAt(X, Y), true);
    NavChanged(oldTop, oldCaret);
  }
}

void TTextScroller::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FSelecting = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && rect().contains(X, Y)) emit OnClick(this);
}

void TTextScroller::mouseDoubleClickEvent(QMouseEvent* e) {
  TCustomControl::mouseDoubleClickEvent(e);
  emit OnDblClick(this);
}

void TTextScroller::wheelEvent(QWheelEvent* e) {
  const int steps = e->angleDelta().y() / 120;
  if (steps == 0) return;
  const int oldTop = FNav.TopLine;
  FNav.TopLine -= steps * kWheelLines;
  FNav.Clamp();
  NavChanged(oldTop, FNav.Caret);
  e->accept();
}

}  // namespace Veltor
