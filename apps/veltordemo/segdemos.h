#pragma once
// The demonstration dialogs of the seven-segment read-outs: TSpin7SegDemo
// and TDisp7sDemo.

#include "demodialog.h"

#include <QSize>

#include <vector>

namespace Veltor {
class TControl;
class TDisp7Seg;
class TSpin7Seg;
}  // namespace Veltor

namespace VeltorDemo {

// The size scroll bar of the seven-segment demos: from the size the
// component had when the form was made, position p (0..20) widens it by
// p/20 and lowers it by p/20; the font follows the height.
struct TSizeRule {
  QSize Original;

  QSize At(int position) const;
  static int FontSizeFor(int height) { return height / 4 - 1; }
  void Apply(Veltor::TControl* control, int position) const;
};

// Four thumbwheel digits of several kinds that share colours, shape, repeat
// speed and size.
class TSpin7SegDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TSpin7SegDemo(QWidget* parent = nullptr);

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_LimiterCheck_toggled(bool on);
  void on_ItalicCheck_toggled(bool on);
  void on_ShapeGroup_OnClick(QObject* Sender);
  void on_PanelColGroup_OnClick(QObject* Sender);
  void on_SegmColGroup_OnClick(QObject* Sender);
  void on_SizeBar_valueChanged(int position);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowValue();

  std::vector<Veltor::TSpin7Seg*> FWheels;
  std::vector<TSizeRule> FSizes;
};

// A seven-segment display with its digits, value, unit text, side LEDs,
// colours, shape and size.
class TDisp7sDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TDisp7sDemo(QWidget* parent = nullptr);

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_ValueStrEdit_textChanged(const QString& text);
  void on_TextEinhEdit_textChanged(const QString& text);
  void on_PanelColGroup_OnClick(QObject* Sender);
  void on_SegmColGroup_OnClick(QObject* Sender);
  void on_Led1Group_OnClick(QObject* Sender);
  void on_Led2Group_OnClick(QObject* Sender);
  void on_SideGroup_OnClick(QObject* Sender);
  void on_ShapeGroup_OnClick(QObject* Sender);
  void on_ItalicCheck_toggled(bool on);
  void on_SizeBar_valueChanged(int position);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TDisp7Seg* FDisplay = nullptr;
  TSizeRule FSize;
};

}  // namespace VeltorDemo
