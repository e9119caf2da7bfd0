#pragma once
// The demonstration dialogs of the buttons and frames: TBevelDemo,
// TLedTastDemo, TSchalterDemo, TTasterDemo and TTextSpinDemo.

#include "demodialog.h"

#include <vector>

namespace Veltor {
class TBevel3D;
class TLedButton;
class TSmartTimer;
}  // namespace Veltor

namespace VeltorDemo {

// Two frames whose edges, caption and text position follow the controls.
class TBevelDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TBevelDemo(QWidget* parent = nullptr);

 public slots:
  void on_BevelOutGroup_OnClick(QObject* Sender);
  void on_BevelInGroup_OnClick(QObject* Sender);
  void on_AdjustGroup_OnClick(QObject* Sender);
  void on_CaptionEdit_textChanged(const QString& text);
  void on_Caption1Edit_textChanged(const QString& text);
  void on_CaptEnableCheck_toggled(bool on);
  void on_CaptBlinkCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  std::vector<Veltor::TBevel3D*> FBevels;
};

}  // namespace VeltorDemo
