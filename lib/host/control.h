#pragma once
// Controls that keep a canvas they may draw on at any moment.
//
// Each control owns a surface the size of the widget. Paint() draws the whole
// control into it; drawing done outside Paint (pressed bevels, XOR pointers,
// blinking LEDs) goes straight onto the surface, and only the changed
// rectangle is shown. paintEvent only copies the surface to the screen,
// calling Paint first when the control was invalidated or resized.
//
// The surface is kept at the screen's device pixel ratio (or a forced one,
// see SetSurfaceRatio), so text and curves are sharp on high-density
// screens; the canvas still takes logical coordinates.

#include "host/canvas.h"
#include "host/component.h"
#include "host/types.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QMenu;

namespace Veltor {

// A message delivered synchronously by Perform: Msg and its two parameters in,
// Result out.
struct TMessage {
  quint32 Msg = 0;
  qintptr WParam = 0;
  qintptr LParam = 0;
  qintptr Result = 0;
};

// The first message number free for controls' own use.
constexpr quint32 WM_USER = 0x400;

class TControl : public QWidget, public TComponentBase {
  Q_OBJECT
  Q_PROPERTY(int Left READ Left WRITE SetLeft)
  Q_PROPERTY(int Top READ Top WRITE SetTop)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(Veltor::TAlign Align READ Align WRITE SetAlign)
  Q_PROPERTY(Veltor::TColor Color READ Color WRITE SetColor)
  Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool ParentShowHint READ ParentShowHint WRITE SetParentShowHint)
  // A QMenu of the same window, by object name.
  Q_PROPERTY(QString PopupMenu READ PopupMenu WRITE SetPopupMenu)
  // The control's font: as Designer edits fonts (setting only what the form
  // names), and one property per part, the colour included.
  Q_PROPERTY(QFont Font READ DesignFont WRITE SetDesignFont)
  Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
  Q_PROPERTY(int FontHeight READ FontHeight WRITE SetFontHeight)
  Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize STORED false)
  Q_PROPERTY(Veltor::TColor FontColor READ FontColor WRITE SetFontColor)
  Q_PROPERTY(Veltor::TFontStyles FontStyle READ FontStyle WRITE SetFontStyle)
  Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)

 public:
  explicit TControl(QWidget* parent = nullptr);
  ~TControl() override;

  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetLeft(int v) { move(v, y()); }
  void SetTop(int v) { move(x(), v); }
  void SetWidth(int v) { resize(qMax(0, v), height()); }
  void SetHeight(int v) { resize(width(), qMax(0, v)); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, qMax(0, width), qMax(0, height)); }
  TRect ClientRect() const { return TRect(0, 0, width(), height()); }

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);

  TColor Color() const { return FColor; }
  // An own colour releases the control from its parent's.
  void SetColor(TColor color);
  // While set, the control shows its parent's colour and follows it.
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool v);

  // The control's own flag, whether or not its parent is enabled.
  bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
  void SetEnabled(bool enabled);
  // The control's own flag, whether or not its parent is shown.
  bool Visible() const { return !isHidden(); }
  void SetVisible(bool visible) { QWidget::setVisible(visible); }

  // "short|long": the short part is the tool tip, the long part goes to
  // THintBroker when the pointer enters the control.
  QString Hint() const { return FHint; }
  void SetHint(const QString& hint);
  // An own value releases the control from its parent's ShowHint.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool show);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool v);
  // Whether the tool tip shows: the parent control's, while ParentShowHint.
  bool HintsShown() const;

  QString PopupMenu() const { return FPopupMenuName; }
  void SetPopupMenu(const QString& objectName);
  // The menu itself: set directly, or found by name in the window.
  QMenu* PopupMenuObject() const;
  void SetPopupMenuObject(QMenu* menu);

  const TFont& Font() const { return FFont; }
  // An own font (or a part of it) releases the control from its parent's.
  void SetFont(const TFont& font);
  // While set, the control uses its parent's font and follows it.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool v);
  QFont DesignFont() const;
  void SetDesignFont(const QFont& font);
  QString FontName() const { return FFont.Name; }
  void SetFontName(const QString& v);
  int FontHeight() const { return FFont.Height; }
  void SetFontHeight(int v);
  int FontSize() const { return FFont.Size(); }
  void SetFontSize(int v);
  TColor FontColor() const { return FFont.Color; }
  void SetFontColor(TColor v);
  TFontStyles FontStyle() const { return FFont.Style; }
  void SetFontStyle(TFontStyles v);

  // The control's drawing surface; created at the widget's size on demand.
  TCanvas& Canvas();

  // Asks for a full Paint at the next paint event.
  void Invalidate();
  // Paints at once: Repaint always, Update only what is pending.
  void Repaint();
  void Update();
  // Runs a pending Paint into the surface without needing the widget shown.
  void PaintNow();
  // A copy of the surface as it is now (after any pending Paint). Its
  // devicePixelRatio() is SurfaceRatio().
  QImage SurfaceImage();

  // Device pixels per logical pixel of the surface: the control's own forced
  // ratio, else the process-wide one, else that of the control's screen.
  qreal SurfaceRatio() const;
  // Forces this control's ratio (for screenshots and tests); 0 follows the
  // screen again. Ratios are kept within 1..8. The surface is made anew and
  // painted in full at the next paint.
  void SetSurfaceRatio(qreal ratio);
  qreal ForcedSurfaceRatio() const { return FForcedRatio; }
  // Forces the ratio of every control without one of its own, those that
  // exist and those made later; 0 lets them follow their screens again.
  static void SetDefaultSurfaceRatio(qreal ratio);
  static qreal DefaultSurfaceRatio();

  // Delivers a message synchronously to WndProc and returns its Result.
  qintptr Perform(quint32 msg, qintptr wParam = 0, qintptr lParam = 0);
  // Queues a message for WndProc; it is handled by the event loop.
  void PostMessage(quint32 msg, qintptr wParam = 0, qintptr lParam = 0);

 signals:
  void OnMouseDown(QObject* Sender, Veltor::TMouseButton Button, Veltor::TShiftState Shift, int X, int Y);
  void OnMouseMove(QObject* Sender, Veltor::TShiftState Shift, int X, int Y);
  void OnMouseUp(QObject* Sender, Veltor::TMouseButton Button, Veltor::TShiftState Shift, int X, int Y);
  void OnKeyDown(QObject* Sender, quint16& Key, Veltor::TShiftState Shift);
  void OnKeyPress(QObject* Sender, QChar& Key);
  void OnKeyUp(QObject* Sender, quint16& Key, Veltor::TShiftState Shift);
  void OnEnter(QObject* Sender);
  void OnExit(QObject* Sender);

 protected:
  // Draws the whole control into Canvas(). The default fills it with Color.
  virtual void Paint();

  // Mouse and keyboard, already translated. The defaults fire the matching
  // On... signal; a control that handles the input itself need not call them.
  // A handler that consumes a key sets Key to 0; a key nobody consumed goes
  // on to the parent, so a dialog still sees Return and Escape.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void KeyDown(quint16& Key, TShiftState Shift);
  virtual void KeyUp(quint16& Key, TShiftState Shift);
  virtual void KeyPress(QChar& Key);
  // The control gained or lost the keyboard focus.
  virtual void DoEnter() { emit OnEnter(this); }
  virtual void DoExit() { emit OnExit(this); }

  // Handles messages sent with Perform or PostMessage.
  virtual void WndProc(TMessage& Message);

  // Called after the control's size changed.
  virtual void Resized() {}
  virtual void FontChanged() { Invalidate(); }
  virtual void ColorChanged() { Invalidate(); }

  // A transparent control's surface starts each paint fully transparent and
  // is laid over whatever lies beneath it: the parent's picture and the
  // controls before it in z-order.
  void SetTransparentSurface(bool transparent);
  bool TransparentSurface() const { return FTransparent; }

  // The setter pattern: stores value when it differs, then runs then (by
  // default a full repaint at the next paint event). Returns whether it
  // changed.
  template <typename T, typename V, typename Then>
  bool Assign(T& field, const V& value, Then then) {
    if (field == value) return false;
    field = value;
    then();
    return true;
  }
  template <typename T, typename V>
  bool Assign(T& field, const V& value) {
    return Assign(field, value, [this] { Invalidate(); });
  }

  TFont& FontRef() { return FFont; }
  // Changes one part of the font through SetFont.
  template <typename Edit>
  void EditFont(Edit edit) {
    TFont f = FFont;
    edit(f);
    SetFont(f);
  }
  bool Invalidated() const { return FInvalid; }

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void changeEvent(QEvent* e) override;
  void enterEvent(QEnterEvent* e) override;

 private:
  void EnsureSurface();
  // Whether the surface has the size and ratio the control needs now.
  bool SurfaceFits() const;
  // Takes the ratio of the control's screen; tells whether SurfaceRatio()
  // changed with it.
  bool FollowScreenRatio();
  void SurfaceChanged(const QRect& r);
  void ApplyColor(TColor color);
  void ApplyFont(const TFont& font);
  // Takes the parent's colour, font and hint switch where the flags say so.
  void FollowParent();
  void UpdateToolTip();

  QImage FSurface;
  TCanvas FCanvas;
  qreal FForcedRatio = 0;
  qreal FScreenRatio = 1;
  bool FInvalid = true;
  bool FInPaint = false;
  TAlign FAlign = alNone;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  TFont FFont;
  bool FParentFont = false;
  bool FTransparent = false;
  QString FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  QString FPopupMenuName;
  QPointer<QMenu> FPopupMenu;
};

// A windowed control: may take the keyboard focus.
class TCustomControl : public TControl {
  Q_OBJECT
  Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder STORED false)
 public:
  explicit TCustomControl(QWidget* parent = nullptr);
  bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
  void SetTabStop(bool v) { setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus); }
  // Place among the sibling controls in the tab chain, 0 first; -1 without a
  // parent. Setting it moves the control there (clamped to the siblings).
  int TabOrder() const;
  void SetTabOrder(int order);
};

// A light control that never takes the focus. With a transparent surface it
// draws onto its parent's picture like a windowless control: what it leaves
// undrawn shows the parent and the controls beneath it.
class TGraphicControl : public TControl {
  Q_OBJECT
 public:
  explicit TGraphicControl(QWidget* parent = nullptr);
};

// The parts of a "short|long" hint; without a bar both are the whole text.
QString GetShortHint(const QString& hint);
QString GetLongHint(const QString& hint);

// Application-wide hint news: OnHint fires with the long part of a control's
// hint whenever the pointer enters it (an empty text when it has none), for a
// status line.
class THintBroker : public QObject {
  Q_OBJECT
 public:
  static THintBroker& Instance();
  QString Current() const { return FCurrent; }
  void Show(const QString& longHint);
 signals:
  void OnHint(const QString& Hint);

 private:
  QString FCurrent;
};

// The shift state of a Qt input event.
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// Sends a message to every control that is a direct child of parent, in child
// order, until one sets a non-zero Result; returns that Result.
qintptr Broadcast(QWidget* parent, quint32 msg, qintptr wParam = 0, qintptr lParam = 0);

// Renders widget with everything on it into an image of the given device
// pixel ratio, as QWidget::grab does at the screen's ratio. Controls draw at
// their SurfaceRatio(): set TControl::SetDefaultSurfaceRatio(ratio) first for
// a picture that is sharp throughout.
QImage GrabAtRatio(QWidget* widget, qreal ratio);

// Places the aligned child controls of parent (top, bottom, left, right, then
// client). Controls call it themselves when their alignment changes and when
// the parent is resized.
void AlignControls(QWidget* parent);

}  // namespace Veltor
