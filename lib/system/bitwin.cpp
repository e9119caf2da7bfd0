#include "system/bitwin.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kPollMs = 55;  // every tick
constexpr int kMaxOffSetX = 50;
constexpr int kMaxOffSetY = 20;
const QString kWidthSample = QStringLiteral("abcdefghijklmnopqrstutsxyzABCDEFGHIJKLMNOPQRSTUtsXYZ");

// Input that takes a shown hint away.
bool EndsHint(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Drop:
    case QEvent::WindowActivate: return true;
    default: return false;
  }
}

}  // namespace

TBitWinProbe TBitWinProbe::Live() {
  TBitWinProbe p;
  p.Clock = [] {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock.elapsed();
  };
  p.Pointer = [] { return QCursor::pos(); };
  p.AppActive = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
  return p;
}

TCustomBitWin::TCustomBitWin(QWidget* parentControl) : FProbe(TBitWinProbe::Live()) {
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  SetTabStop(false);
  setFocusPolicy(Qt::NoFocus);
  resize(30, 15);
  SetColor(DefaultColor);
  EditFont([](TFont& f) { f.Color = clInfoText; });
  Measure();
  FParentControl = parentControl;
  FIdle = TTickSubscription::Ticker([this] { Poll(); });
  FIdle.SetInterval(kPollMs);
  qApp->installEventFilter(this);
}

TCustomBitWin::~TCustomBitWin() { qApp->removeEventFilter(this); }

void TCustomBitWin::SetParentControl(QWidget* control) {
  TakeAway();
  FParentControl = control;
}

void TCustomBitWin::SetHide(bool v) {
  FHide = v;
  if (v) TakeAway();
}

void TCustomBitWin::SetOffSetX(int v) { FOffSetX = std::clamp(v, -kMaxOffSetX, kMaxOffSetX); }

void TCustomBitWin::SetOffSetY(int v) { FOffSetY = std::clamp(v, -kMaxOffSetY, kMaxOffSetY); }

void TCustomBitWin::Measure() {
  TCanvas& c = Canvas();
  c.Font = Font();
  FMetrics.LineHeight = c.TextHeight(QStringLiteral("My")) + 2;
  FMetrics.AvgCharWidth = std::max(1, c.TextWidth(kWidthSample) / int(kWidthSample.size()));
  FMetrics.TextWidth = [this](const QString& s) {
    Canvas().Font = Font();
    return Canvas().TextWidth(s);
  };
}

void TCustomBitWin::FontChanged() {
  Measure();
  Invalidate();
}

void TCustomBitWin::Poll() {
  if (FHide || !FParentControl || !FProbe.AppActive()) return;
  const QPoint p = FProbe.Pointer();
  const QRect area(FParentControl->mapToGlobal(QPoint(0, 0)), FParentControl->size());
  const bool inside = FParentControl->isVisible() && area.contains(p);
  switch (FWatch.Poll(TPoint(p.x(), p.y()), inside, FShown, FProbe.Clock())) {
    case TRestStep::Nothing: break;
    case TRestStep::Hide: TakeAway(); break;
    case TRestStep::Due: {
      QPoint anchor = FParentControl->mapFromGlobal(p);
      QString info = FInfo;
      bool show = false;
      emit OnShow(this, anchor, info, show);
      FInfo = info;
      if (show)
        ShowAt(anchor);
      else
        TakeAway();
      break;
    }
  }
}

void TCustomBitWin::ShowAt(QPoint anchor) {
  FInfo = NormaliseHintText(FInfo);
  const TBitWinLayout l =
      BitWinLayout(FInfo, FMetrics, TPoint(anchor.x(), anchor.y()), FOffSetX, FOffSetY, FOriginHor, FOriginVert);
  const QPoint topLeft = FParentControl->mapToGlobal(QPoint(l.Bounds.Left, l.Bounds.Top));
  const QRect bounds(topLeft, QSize(l.Bounds.Width(), l.Bounds.Height()));
  if (geometry() != bounds) setGeometry(bounds);
  Invalidate();
  FShown = true;
  show();
}

void TCustomBitWin::TakeAway() {
  FWatch.Reset();
  if (!FShown) return;
  FShown = false;
  hide();
  emit OnHide(this);
}

bool TCustomBitWin::eventFilter(QObject* watched, QEvent* event) {
  if (FShown && EndsHint(event->type())) TakeAway();
  return TCustomControl::eventFilter(watched, event);
}

void TCustomBitWin::Paint() {
  TCanvas& c = Canvas();
  const TRect all = ClientRect();
  // The window's one-pixel border, then the face and the text.
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBlack;
  c.FrameRect(all);
  TRect face = all;
  face.Shrink(1);
  c.Brush.Color = Color();
  c.FillRect(face);
  c.Font = Font();
  c.Brush.Style = bsClear;
  QString text = FInfo;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  c.DrawText(TRect(face.Left + 1, face.Top, face.Right, face.Bottom), text,
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

TBitWin::TBitWin(QObject* owner) : TComponent(owner), FWindow(std::make_unique<TCustomBitWin>()) {
  // Without a Parent of its own the hint belongs to the form.
  if (auto* form = qobject_cast<QWidget*>(owner)) FWindow->SetParentControl(form->window());
  connect(FWindow.get(), &TCustomBitWin::OnShow, this,
          [this](QObject*, QPoint& pos, QString& info, bool& show) { emit OnShow(this, pos, info, show); });
  connect(FWindow.get(), &TCustomBitWin::OnHide, this, [this](QObject*) { emit OnHide(this); });
}

TBitWin::~TBitWin() = default;

void TBitWin::SetParentName(const QString& name) {
  FParentName = name;
  ResolveParent();
}

void TBitWin::SetParent(QWidget* control) {
  FParentName = control ? control->objectName() : QString();
  FWindow->SetParentControl(control);
}

void TBitWin::Loaded() { ResolveParent(); }

void TBitWin::ResolveParent() {
  if (FParentName.isEmpty()) return;
  QObject* root = parent();
  if (auto* form = qobject_cast<QWidget*>(root)) root = form->window();
  if (!root) return;
  if (auto* control = root->findChild<QWidget*>(FParentName)) FWindow->SetParentControl(control);
}

}  // namespace Veltor
