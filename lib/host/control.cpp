#include "host/control.h"

#include "host/designfont.h"
#include "host/keys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
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

// The process-wide surface ratio; 0 lets controls follow their screens.
qreal gDefaultRatio = 0;

// 0 for "not forced"; other values within the ratios the canvas supports.
qreal ForcedRatio(qreal ratio, const QObject* who) {
  if (!(ratio > 0)) return 0;
  const qreal bounded = BoundedRatio(ratio);
  if (bounded != ratio) {
    qWarning("%s %s: surface ratio %g kept to %g", who ? who->metaObject()->className() : "TControl",
             who ? qPrintable(who->objectName()) : "", ratio, bounded);
  }
  return bounded;
}

TControl* ParentControl(const QWidget* w) { return qobject_cast<TControl*>(w->parentWidget()); }

// The font of a plain Qt parent as a library font, by pixel size.
TFont FontFromQt(const QFont& qf) {
  TFont f;
  f.Name = qf.family();
  const int px = qf.pixelSize() > 0 ? qf.pixelSize() : qRound(qf.pointSizeF() * 96.0 / 72.0);
  f.Height = -px;
  TFontStyles st;
  if (qf.bold()) st |= fsBold;
  if (qf.italic()) st |= fsItalic;
  if (qf.underline()) st |= fsUnderline;
  if (qf.strikeOut()) st |= fsStrikeOut;
  f.Style = st;
  return f;
}

// Visits the direct child controls of w.
template <typename Visit>
void ForEachChildControl(QWidget* w, Visit visit) {
  for (QObject* child : w->children()) {
    if (auto* c = qobject_cast<TControl*>(child)) visit(c);
  }
}

}  // namespace

// QWidget::setTabOrder leaves the chain as it is when first is the last
// widget of its window's chain; then second goes in before first, and first
// moves back in front of it.
static void PlaceAfterInTabChain(QWidget* first, QWidget* second) {
  QWidget* window = first->window();
  QWidget* before = first->previousInFocusChain();
  if (first->nextInFocusChain() != window || before == window || before == second) {
    QWidget::setTabOrder(first, second);
    return;
  }
  QWidget::setTabOrder(before, second);
  QWidget::setTabOrder(before, first);
}

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
        default: c->setGeometry(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height())); break;
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
  FScreenRatio = BoundedRatio(devicePixelRatio());
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

void TControl::SetColor(TColor color) {
  FParentColor = false;
  ApplyColor(color);
}

void TControl::ApplyColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  ColorChanged();
  ForEachChildControl(this, [](TControl* c) { c->FollowParent(); });
}

void TControl::SetParentColor(bool v) {
  if (v == FParentColor) return;
  FParentColor = v;
  FollowParent();
}

void TControl::SetParentFont(bool v) {
  if (v == FParentFont) return;
  FParentFont = v;
  FollowParent();
}

void TControl::FollowParent() {
  QWidget* parent = parentWidget();
  if (!parent) return;
  TControl* control = ParentControl(this);
  if (FParentColor) {
    ApplyColor(control ? control->Color() : TColor::FromQColor(parent->palette().color(QPalette::Window)));
  }
  if (FParentFont) ApplyFont(control ? control->Font() : FontFromQt(parent->font()));
  UpdateToolTip();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  QWidget::setEnabled(enabled);
  Invalidate();
}

void TControl::SetHint(const QString& hint) {
  FHint = hint;
  UpdateToolTip();
}

void TControl::SetShowHint(bool show) {
  FParentShowHint = false;
  FShowHint = show;
  UpdateToolTip();
  ForEachChildControl(this, [](TControl* c) { c->UpdateToolTip(); });
}

void TControl::SetParentShowHint(bool v) {
  FParentShowHint = v;
  UpdateToolTip();
}

bool TControl::HintsShown() const {
  if (FParentShowHint) {
    if (const TControl* parent = ParentControl(this)) return parent->HintsShown();
  }
  return FShowHint;
}

void TControl::UpdateToolTip() { setToolTip(HintsShown() ? GetShortHint(FHint) : QString()); }

void TControl::SetPopupMenu(const QString& objectName) {
  FPopupMenuName = objectName;
  FPopupMenu = nullptr;
}

void TControl::SetPopupMenuObject(QMenu* menu) {
  FPopupMenu = menu;
  FPopupMenuName = menu ? menu->objectName() : QString();
}

QMenu* TControl::PopupMenuObject() const {
  if (FPopupMenu || FPopupMenuName.isEmpty()) return FPopupMenu;
  // Forms name the menu; it may be created after the control.
  return window()->findChild<QMenu*>(FPopupMenuName);
}

void TControl::SetFont(const TFont& font) {
  FParentFont = false;
  ApplyFont(font);
}

void TControl::ApplyFont(const TFont& font) {
  if (font == FFont) return;
  FFont = font;
  FontChanged();
  ForEachChildControl(this, [](TControl* c) { c->FollowParent(); });
}

void TControl::SetTransparentSurface(bool transparent) {
  if (transparent == FTransparent) return;
  FTransparent = transparent;
  setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
  FCanvas.Release();
  FSurface = QImage();
  Invalidate();
}

QFont TControl::DesignFont() const { return DesignerFont(FFont); }

void TControl::SetDesignFont(const QFont& font) { SetFont(MergeDesignerFont(FFont, font)); }

void TControl::SetFontName(const QString& v) {
  EditFont([&](TFont& f) { f.Name = v; });
}
void TControl::SetFontHeight(int v) {
  EditFont([&](TFont& f) { f.Height = v; });
}
void TControl::SetFontSize(int v) {
  EditFont([&](TFont& f) { f.SetSize(v); });
}
void TControl::SetFontColor(TColor v) {
  EditFont([&](TFont& f) { f.Color = v; });
}
void TControl::SetFontStyle(TFontStyles v) {
  EditFont([&](TFont& f) { f.Style = v; });
}

qreal TControl::SurfaceRatio() const {
  if (FForcedRatio > 0) return FForcedRatio;
  if (gDefaultRatio > 0) return gDefaultRatio;
  return FScreenRatio;
}

void TControl::SetSurfaceRatio(qreal ratio) { Assign(FForcedRatio, ForcedRatio(ratio, this)); }

void TControl::SetDefaultSurfaceRatio(qreal ratio) {
  ratio = ForcedRatio(ratio, nullptr);
  if (ratio == gDefaultRatio) return;
  gDefaultRatio = ratio;
  for (QWidget* w : QApplication::allWidgets()) {
    auto* c = qobject_cast<TControl*>(w);
    if (c && c->FForcedRatio == 0) c->Invalidate();
  }
}

qreal TControl::DefaultSurfaceRatio() { return gDefaultRatio; }

bool TControl::FollowScreenRatio() {
  const qreal before = SurfaceRatio();
  FScreenRatio = BoundedRatio(devicePixelRatio());
  return SurfaceRatio() != before;
}

bool TControl::SurfaceFits() const {
  const qreal ratio = SurfaceRatio();
  return FSurface.devicePixelRatio() == ratio && FSurface.width() == DeviceLength(std::max(1, width()), ratio) &&
         FSurface.height() == DeviceLength(std::max(1, height()), ratio);
}

void TControl::EnsureSurface() {
  if (SurfaceFits()) return;
  const qreal ratio = SurfaceRatio();
  FCanvas.Release();
  FSurface = QImage(DeviceLength(std::max(1, width()), ratio), DeviceLength(std::max(1, height()), ratio),
                    FTransparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  FSurface.setDevicePixelRatio(ratio);
  if (FTransparent) {
    FSurface.fill(Qt::transparent);
  } else {
    FSurface.fill(FColor.ToQColor());
  }
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
  if (FTransparent) {
    FCanvas.Release();
    FSurface.fill(Qt::transparent);
  }
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
  // Moved to another screen, or the screen's scale changed.
  bool ratioNews = e->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  ratioNews = ratioNews || e->type() == QEvent::DevicePixelRatioChange;
#endif
  if (ratioNews && FollowScreenRatio()) Invalidate();
  return QWidget::event(e);
}

void TControl::paintEvent(QPaintEvent* e) {
  // Whatever told us of a new screen ratio or not, a paint at another one
  // makes the surface anew.
  FollowScreenRatio();
  const bool full = FInvalid || !SurfaceFits();
  PaintNow();
  FCanvas.Release();
  QPainter p(this);
  // Qt has drawn what lies beneath a transparent control already.
  if (!FTransparent) p.setCompositionMode(QPainter::CompositionMode_Source);
  const QRect r = full ? rect() : e->rect();
  const qreal ratio = FSurface.devicePixelRatio();
  if (ratio == 1) {
    p.drawImage(r, FSurface, r);
  } else {
    // The source rectangle is in the surface's device pixels; every part of
    // the surface lands with the same offset, so partial updates meet the
    // rest without seams.
    p.drawImage(QRectF(r), FSurface, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
  }
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
  const QPointer<TControl> alive(this);
  const quint16 original = VirtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
  quint16 key = original;
  const TShiftState shift = ShiftStateFromQt(e->modifiers(), Qt::NoButton);
  if (key != 0) KeyDown(key, shift);
  if (!alive) return;
  bool consumed = original != 0 && key == 0;
  QChar c;
  if (!e->text().isEmpty() && e->text().at(0).unicode() >= 0x20 && !(e->modifiers() & Qt::ControlModifier)) {
    c = e->text().at(0);
  } else if (original == VK_RETURN || original == VK_ESCAPE || original == VK_BACK) {
    c = QChar(original);
  }
  if (!c.isNull()) {
    KeyPress(c);
    if (!alive) return;
    consumed = consumed || c.isNull();
  }
  e->setAccepted(consumed);
}

void TControl::keyReleaseEvent(QKeyEvent* e) {
  const quint16 original = VirtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier);
  quint16 key = original;
  if (key != 0) KeyUp(key, ShiftStateFromQt(e->modifiers(), Qt::NoButton));
  e->setAccepted(original != 0 && key == 0);
}

void TControl::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  DoEnter();
}

void TControl::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  DoExit();
}

void TControl::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menu = PopupMenuObject();
  if (!menu) {
    e->ignore();
    return;
  }
  menu->popup(e->globalPos());
}

void TControl::enterEvent(QEnterEvent* e) {
  QWidget::enterEvent(e);
  THintBroker::Instance().Show(GetLongHint(FHint));
}

void TControl::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  switch (e->type()) {
    case QEvent::ParentChange: FollowParent(); break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
      // A plain Qt parent passes its palette and font changes down.
      if (!ParentControl(this)) FollowParent();
      break;
    case QEvent::EnabledChange: Invalidate(); break;
    default: break;
  }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  emit OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) { emit OnMouseMove(this, Shift, X, Y); }

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  emit OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::KeyDown(quint16& Key, TShiftState Shift) { emit OnKeyDown(this, Key, Shift); }

void TControl::KeyUp(quint16& Key, TShiftState Shift) { emit OnKeyUp(this, Key, Shift); }

void TControl::KeyPress(QChar& Key) { emit OnKeyPress(this, Key); }

QImage GrabAtRatio(QWidget* widget, qreal ratio) {
  if (!widget) return QImage();
  ratio = BoundedRatio(ratio);
  QImage img(DeviceLength(widget->width(), ratio), DeviceLength(widget->height(), ratio),
             QImage::Format_ARGB32_Premultiplied);
  if (img.isNull()) return img;
  img.setDevicePixelRatio(ratio);
  img.fill(Qt::transparent);
  widget->render(&img);
  return img;
}

// ---------------------------------------------------------------- descendants

TCustomControl::TCustomControl(QWidget* parent) : TControl(parent) { setFocusPolicy(Qt::ClickFocus); }

TGraphicControl::TGraphicControl(QWidget* parent) : TControl(parent) { setFocusPolicy(Qt::NoFocus); }

int TCustomControl::TabOrder() const {
  QWidget* parent = parentWidget();
  if (!parent) return -1;
  // Walk the window's tab chain and count the focusable siblings before us.
  int order = 0;
  QWidget* w = parent->window();
  for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain()) {
    if (next == this) return order;
    if (next->parentWidget() == parent && qobject_cast<TCustomControl*>(next)) ++order;
  }
  return order;
}

void TCustomControl::SetTabOrder(int order) {
  QWidget* parent = parentWidget();
  if (!parent) return;
  QList<QWidget*> chain;
  QWidget* w = parent->window();
  for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain()) {
    if (next != this && next->parentWidget() == parent && qobject_cast<TCustomControl*>(next)) chain.append(next);
  }
  chain.insert(std::clamp(order, 0, int(chain.size())), this);
  for (int i = 1; i < chain.size(); ++i) PlaceAfterInTabChain(chain[i - 1], chain[i]);
}

// ---------------------------------------------------------------- hints

QString GetShortHint(const QString& hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString& hint) {
  const int bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

THintBroker& THintBroker::Instance() {
  static THintBroker broker;
  return broker;
}

void THintBroker::Show(const QString& longHint) {
  FCurrent = longHint;
  emit OnHint(longHint);
}

}  // namespace Veltor
