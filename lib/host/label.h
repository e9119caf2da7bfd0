#pragma once
// TCustomLabel and TLabel: a windowless caption. Transparent, it leaves the
// parent's picture around its text; an "&" marks the accelerator character
// that moves the focus to FocusControl.

#include "host/control.h"

namespace Veltor {

// Where the text of a label goes inside its client rectangle: the Qt text
// flags for alignment, layout, wrapping and the accelerator mark.
int LabelTextFlags(TAlignment alignment, TTextLayout layout, bool wordWrap, bool showAccelChar);

class TCustomLabel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(Veltor::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
  Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
  // A control of the same window, by object name.
  Q_PROPERTY(QString FocusControl READ FocusControl WRITE SetFocusControl)
  Q_PROPERTY(Veltor::TTextLayout Layout READ Layout WRITE SetLayout)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)

 public:
  explicit TCustomLabel(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { Assign(FAlignment, v); }
  // Fits the label to its text whenever caption or font change; with word
  // wrap only the height follows.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  bool Transparent() const { return TransparentSurface(); }
  void SetTransparent(bool v) { SetTransparentSurface(v); }
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool v);
  QString FocusControl() const { return FFocusControlName; }
  void SetFocusControl(const QString& objectName) { FFocusControlName = objectName; }
  QWidget* FocusControlWidget() const;
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout v) { Assign(FLayout, v); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);

  // Sizes the label to its text now.
  void AdjustBounds();

 protected:
  void Paint() override;
  void FontChanged() override;
  void Loaded() override;
  bool event(QEvent* e) override;

 private:
  int TextFlags() const;
  void UpdateShortcut();

  QString FCaption;
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  bool FShowAccelChar = true;
  QString FFocusControlName;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  int FShortcutId = 0;
};

class TLabel : public TCustomLabel {
  Q_OBJECT
 public:
  explicit TLabel(QWidget* parent = nullptr) : TCustomLabel(parent) {}
};

}  // namespace Veltor
