#pragma once
// TSetup: colours, channel names and layout of the display, printer set-up
// and the two print options. Colours and names change the display at once;
// anything but "OK" puts back those that were in force when it opened.

#include "host/color.h"

#include <QDialog>
#include <QStringList>

#include <array>

class QLineEdit;
class QPrinter;

namespace Veltor {
class TLogic;
class TRadioGroup;
class TTextSpin;
}  // namespace Veltor

namespace Tracelo {

class TColorGrid;
using Veltor::TRadioGroup;

class TSetup : public QDialog {
  Q_OBJECT
 public:
  TSetup(Veltor::TLogic* display, QPrinter* printer, QWidget* parent = nullptr);

  // 0 "Display" (data area) or 1 "Alles" (whole display).
  int PrintSelect() const;
  // 0 "1:1" or 1 "DIN A4" (whole page).
  int PrintZoom() const;

  TColorGrid* ColorGrid() const { return FColorGrid; }
  TRadioGroup* FarbWahl() const { return FFarbWahl; }
  Veltor::TTextSpin* KanalWahl() const { return FKanalWahl; }
  Veltor::TTextSpin* DispTyp() const { return FDispTyp; }
  QLineEdit* KanalEdit() const { return FKanalEdit; }

  void done(int result) override;

 public slots:
  void on_ColorGrid_OnClick(QObject* Sender);
  void on_KanalWahl_onChanged(QObject* Sender);
  void on_NameStore_clicked();
  void on_DispTyp_onChanged(QObject* Sender);
  void on_PrSetup_clicked();
  void on_StoreBtn_clicked();
  void on_CancelBtn_clicked();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // The display colour behind each entry of FarbWahl.
  void SetTargetColour(int entry, Veltor::TColor colour);
  Veltor::TColor TargetColour(int entry) const;
  void SelectColourTarget();

  Veltor::TLogic* FDisplay;
  QPrinter* FPrinter;
  TColorGrid* FColorGrid = nullptr;
  TRadioGroup* FFarbWahl = nullptr;
  TRadioGroup* FPrSelect = nullptr;
  TRadioGroup* FPrZoom = nullptr;
  Veltor::TTextSpin* FKanalWahl = nullptr;
  Veltor::TTextSpin* FDispTyp = nullptr;
  QLineEdit* FKanalEdit = nullptr;

  std::array<Veltor::TColor, 8> FSavedColours{};
  QStringList FSavedNames;
  bool FRestoreOnClose = false;
};

}  // namespace Tracelo
