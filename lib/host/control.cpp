#include "host/control.h"

#include "host/designfont.h"
#include "host/keys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>

namespace Veltor {

namespace {

class TMessageEvent : public QEvent {
 public:
  static QEvent::Type EventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }
  explicit TMessageEvent(const TMessage& m) : QEvent(EventType()), Message(m) {}
  TMessage Message;
};

bool ButtonFromQt(Qt::MouseButton b, TMouseButton* out) {
  switch (b) {
    case Qt::LeftButton: *out = mbLeft; return true;
    case Qt::RightButton: *out = mbRight; return true;
    case Qt::MiddleButton: *out = mbMiddle; return true;
    default: return false;
  }
}

// Re-aligns a parent's controls whenever the parent changes size.
class AlignWatcher : public QObject {
 public:
  using QObject::QObject;
  static void Watch(QWidget* parent) {
    static const char* const kKey = "_veltor_align_watcher";
    if (parent->property(kKey).toBool()) return;
    parent->setProperty(kKey, true);
    parent->installEventFilter(new AlignWatcher(parent));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Resize || e->type() == QEvent::LayoutRequest) {
      AlignControls(static_cast<QWidget*>(watched));
    }
    return false;
  }
};

QPoint EventPos(const QMouseEvent* e) { return e->position().toPoint(); }

}  // namespace

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s;
  if (modifiers & Qt::ShiftModifier) s |= ssShift;
  if (modifiers & Qt::AltModifier) s |= ssAlt;
  if (modifiers & Qt::ControlModifier) s |= ssCtrl;
  if (buttons & Qt::LeftButton) s |= ssLeft;
  if (buttons & Qt::RightButton) s |= ssRight;
  if (buttons & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

qintptr Broadcast(QWidget* parent, quint32 msg, qintptr wParam, qintptr lParam) {
  if (!parent) return 0;
  // Take a snapshot that notices controls deleted by an earlier handler.
  QList<QPointer<TControl>> controls;
  for (QObject* child : parent->children()) {
    if (auto* c = qobject_cast<TControl*>(child)) controls.append(c);
  }
  for (const QPointer<TControl>& c : controls) {
    if (!c) continue;
    const qintptr result = c->Perform(msg, wParam, lParam);
    if (result != 0) return result;
  }
  return 0;
}

void AlignControls(QWidget* parent) {
  if (!parent) return;
  const QRect area = parent->contentsRect();
  TRect r(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
  QList<TControl*> controls;
  for (QObject* child : parent->children()) {
    auto* c = qobject_cast<TControl*>(child);
    if (c && c->Align() != alNone && !c->isHidden()) controls.append(c);
  }
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    QList<TControl*> group;
    for (TControl* c : controls) {
      if (c->Align() == align) group.append(c);
    }
    // Keep the order the controls already have along their edge.
    std::stable_sort(group.begin(), group.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop: return a->y() < b->y();
        case alBottom: return a->y() + a->height() > b->y() + b->height();
        case alLeft: return a->x() < b->x();
        case alRight: return a->x() + a->width() > b->x() + b->width();
        default: return false;
      }
    });
    for (TControl* c : group) {
      const int w = c->width();
      const int h = c->height();
      switch (align) {
        case alTop:
          c->setGeometry(r.Left, r.Top, std::max(0, r.Width()), h);
          r.Top += h;
          break;
        case alBottom:
          c->setGeometry(r.Left, r.Bottom - h, std::max(0, r.Width()), h);
          r.Bottom -= h;
          break;
        case alLeft:
          c->setGeometry(r.Left, r.Top, w, std::max(0, r.Height()));
          r.Left += w;
          break;
        case alRight:
          c->setGeometry(r.Right - w, r.Top, w, std::max(0, r.Height()));
          r.Right -= w;
          break;
        default:
          c->setGeometry(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
          break;
      }
    }
  }
}

// ---------------------------------------------------------------- TControl

TControl::TControl(QWidget* parent) : QWidget(parent), FCanvas(&FSurface) {
  RegisterColorType();
  RegisterFontSubstitutions();
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  FCanvas.OnChange = [this](const QRect& r) { SurfaceChanged(r); };
}

TControl::~TControl() { FCanvas.Release(); }

void TControl::SetAlign(TAlign align) {
  if (align == FAlign) return;
  FAlign = align;
  if (QWidget* p = parentWidget()) {
    AlignWatcher::Watch(p);
    AlignControls(p);
  }
}

void TControl::SetColor(TColor color) { Assign(FColor, color); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  QWidget::setEnabled(enabled);
  Invalidate();
}

void TControl::SetHint(const QString& hint) {
  FHint = hint;
  setToolTip(FShowHint ? FHint : QString());
}

void TControl::SetShowHint(bool show) {
  FShowHint = show;
  setToolTip(FShowHint ? FHint : QString());
}

void TControl::SetFont(const TFont& font) {
  if (font == FFont) return;
  FFont = font;
  FontChanged();
}

QFont TControl::DesignFont() const { return DesignerFont(FFont); }

void TControl::SetDesignFont(const QFont& font) { SetFont(MergeDesignerFont(FFont, font)); }

void TControl::SetFontName(const QString& v) { EditFont([&](TFont& f) { f.Name = v; }); }
void TControl::SetFontHeight(int v) { EditFont([&](TFont& f) { f.Height = v; }); }
void TControl::SetFontSize(int v) { EditFont([&](TFont& f) { f.SetSize(v); }); }
void TControl::SetFontColor(TColor v) { EditFont([&](TFont& f) { f.Color = v; }); }
void TControl::SetFontStyle(TFontStyles v) { EditFont([&](TFont& f) { f.Style = v; }); }

void TControl::EnsureSurface() {
  const QSize wanted(std::max(1, width()), std::max(1, height()));
  if (FSurface.size() == wanted) return;
  FCanvas.Release();
  FSurface = QImage(wanted, QImage::Format_RGB32);
  FSurface.fill(FColor.ToQColor());
  FInvalid = true;
}

TCanvas& TControl::Canvas() {
  EnsureSurface();
  return FCanvas;
}

void TControl::SurfaceChanged(const QRect& r) {
  // During Paint the whole control is shown afterwards anyway.
  if (!FInPaint) update(r);
}

void TControl::Invalidate() {
  FInvalid = true;
  update();
}

void TControl::Repaint() {
  Invalidate();
  if (isVisible()) {
    repaint();
  } else {
    PaintNow();
  }
}

void TControl::Update() {
  if (isVisible()) repaint();
}

void TControl::PaintNow() {
  EnsureSurface();
  if (!FInvalid) return;
  FInvalid = false;
  FInPaint = true;
  // Reset the canvas to a known state for every full paint.
  FCanvas.Pen = TPen();
  FCanvas.Brush = TBrush();
  FCanvas.Font = FFont;
  FCanvas.ClearClip();
  Paint();
  FInPaint = false;
}

QImage TControl::SurfaceImage() {
  PaintNow();
  FCanvas.Release();
  return FSurface.copy();
}

void TControl::Paint() {
  Canvas().Brush.Color = FColor;
  Canvas().Brush.Style = bsSolid;
  Canvas().FillRect(ClientRect());
}

qintptr TControl::Perform(quint32 msg, qintptr wParam, qintptr lParam) {
  TMessageEvent e(TMessage{msg, wParam, lParam, 0});
  QCoreApplication::sendEvent(this, &e);
  return e.Message.Result;
}

void TControl::PostMessage(quint32 msg, qintptr wParam, qintptr lParam) {
  QCoreApplication::postEvent(this, new TMessageEvent(TMessage{msg, wParam, lParam, 0}));
}

void TControl::WndProc(TMessage&) {}

bool TControl::event(QEvent* e) {
  if (e->type() == TMessageEvent::EventType()) {
    WndProc(static_cast<TMessageEvent*>(e)->Message);
    return true;
  }
  return QWidget::event(e);
}

void TControl::paintEvent(QPaintEvent* e) {
  const bool full = FInvalid || FSurface.size() != size();
  PaintNow();
  FCanvas.Release();
  QPainter p(this);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect r = full ? rect() : e->rect();
  p.drawImage(r, FSurface, r);
}

void TControl::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  FInvalid = true;
  Resized();
}

void TControl::mousePressEvent(QMouseEvent* e) {
  TMouseButton b;
  if (!ButtonFromQt(e->button(), &b)) return;
  const QPoint p = EventPos(e);
  MouseDown(b, ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TControl::mouseDoubleClickEvent(QMouseEvent* e) {
  TMouseButton b;
  if (!ButtonFromQt(e->button(), &b)) return;
  const QPoint p = EventPos(e);
  MouseDown(b, ShiftStateFromQt(e->modifiers(), e->buttons()) | ssDouble, p.x(), p.y());
}

void TControl::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = EventPos(e);
  MouseMove(ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TControl::mouseReleaseEvent(QMouseEvent* e) {
  TMouseButton b;
  if (!ButtonFromQt(e->button(), &b)) return;
  const QPoint p = EventPos(e);
  MouseUp(b, ShiftStateFromQt(e->modifiers(), e->buttons()), p.x(), p.y());
}

void TControl::keyPressEvent(QKeyEvent* e) {
  quint16 key = VirtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
  const TShiftState shift = ShiftStateFromQt(e->modifiers(), Qt::NoButton);
  if (key != 0) KeyDown(key, shift);
  if (!e->text().isEmpty() && e->text().at(0).unicode() >= 0x20 && !(e->modifiers() & Qt::ControlModifier)) {
    QChar c = e->text().at(0);
    KeyPress(c);
  } else if (key == VK_RETURN || key == VK_ESCAPE || key == VK_BACK) {
    QChar c(key);
    KeyPress(c);
  }
}

void TControl::keyReleaseEvent(QKeyEvent* e) {
  quint16 key = VirtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
  if (key != 0) KeyUp(key, ShiftStateFromQt(e->modifiers(), Qt::NoButton));
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  emit OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) { emit OnMouseMove(this, Shift, X, Y); }

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  emit OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::KeyDown(quint16& Key, TShiftState Shift) { emit OnKeyDown(this, Key, Shift); }

void TControl::KeyUp(quint16&, TShiftState) {}

void TControl::KeyPress(QChar& Key) { emit OnKeyPress(this, Key); }

// ---------------------------------------------------------------- descendants

TCustomControl::TCustomControl(QWidget* parent) : TControl(parent) { setFocusPolicy(Qt::ClickFocus); }

TGraphicControl::TGraphicControl(QWidget* parent) : TControl(parent) { setFocusPolicy(Qt::NoFocus); }

}  // namespace Veltor
