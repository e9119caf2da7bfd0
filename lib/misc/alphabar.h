#pragma once
// TAlphaBar: a panel holding a keyboard-like block of small speed buttons,
// one per character of a layout text (an alphabet index, an on-screen
// keyboard), that reports which character is active. Latching buttons act
// as one radio group.

#include "foundation/panel.h"
#include "foundation/speedbutton.h"
#include "misc/alphabar_layout.h"

namespace Veltor {

class TAlphaBar : public TPanel {
  Q_OBJECT
  // One character as text; empty for none.
  Q_PROPERTY(QString ActiveButton READ ActiveButtonText WRITE SetActiveButtonText)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(QStringList AlphaButtons READ AlphaButtons WRITE SetAlphaButtons)
  Q_PROPERTY(int BlankXSize READ BlankXSize WRITE SetBlankXSize)
  Q_PROPERTY(int BlankYSize READ BlankYSize WRITE SetBlankYSize)
  Q_PROPERTY(QFont ButtonFont READ DesignButtonFont WRITE SetDesignButtonFont)
  Q_PROPERTY(int ButtonHeight READ ButtonHeight WRITE SetButtonHeight)
  Q_PROPERTY(int ButtonLeftMargin READ ButtonLeftMargin WRITE SetButtonLeftMargin)
  Q_PROPERTY(int ButtonTopMargin READ ButtonTopMargin WRITE SetButtonTopMargin)
  Q_PROPERTY(int ButtonWidth READ ButtonWidth WRITE SetButtonWidth)
  Q_PROPERTY(int ButtonXSpacing READ ButtonXSpacing WRITE SetButtonXSpacing)
  Q_PROPERTY(int ButtonYSpacing READ ButtonYSpacing WRITE SetButtonYSpacing)
  Q_PROPERTY(bool RastButtons READ RastButtons WRITE SetRastButtons)

 public:
  explicit TAlphaBar(QWidget* parent = nullptr);

  // The character of the active button; code 0 for none.
  QChar ActiveButton() const { return FActive; }
  void SetActiveButton(QChar v);
  QString ActiveButtonText() const { return FActive.isNull() ? QString() : QString(FActive); }
  void SetActiveButtonText(const QString& v) { SetActiveButton(v.isEmpty() ? QChar() : v.front()); }
  // With latching buttons, the active one can be clicked up again.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  // One line per row of buttons; a blank leaves a gap, an empty line a
  // row gap. Writing it makes no button active.
  QStringList AlphaButtons() const { return FLines; }
  void SetAlphaButtons(const QStringList& v);
  // The sizes and margins are 0..65535; the spacings may be negative
  // (-1: neighbours share their edge).
  int BlankXSize() const { return FMetrics.BlankXSize; }
  void SetBlankXSize(int v) { SetMetric(FMetrics.BlankXSize, v); }
  int BlankYSize() const { return FMetrics.BlankYSize; }
  void SetBlankYSize(int v) { SetMetric(FMetrics.BlankYSize, v); }
  int ButtonHeight() const { return FMetrics.ButtonHeight; }
  void SetButtonHeight(int v) { SetMetric(FMetrics.ButtonHeight, v); }
  int ButtonLeftMargin() const { return FMetrics.ButtonLeftMargin; }
  void SetButtonLeftMargin(int v) { SetMetric(FMetrics.ButtonLeftMargin, v); }
  int ButtonTopMargin() const { return FMetrics.ButtonTopMargin; }
  void SetButtonTopMargin(int v) { SetMetric(FMetrics.ButtonTopMargin, v); }
  int ButtonWidth() const { return FMetrics.ButtonWidth; }
  void SetButtonWidth(int v) { SetMetric(FMetrics.ButtonWidth, v); }
  int ButtonXSpacing() const { return FMetrics.ButtonXSpacing; }
  void SetButtonXSpacing(int v) { SetSpacing(FMetrics.ButtonXSpacing, v); }
  int ButtonYSpacing() const { return FMetrics.ButtonYSpacing; }
  void SetButtonYSpacing(int v) { SetSpacing(FMetrics.ButtonYSpacing, v); }
  // Latching: the active button stays down.
  bool RastButtons() const { return FRastButtons; }
  void SetRastButtons(bool v);

  const TFont& ButtonFont() const { return FButtonFont; }
  void SetButtonFont(const TFont& f);
  QFont DesignButtonFont() const;
  void SetDesignButtonFont(const QFont& f);

  // The buttons in the order they were made.
  const QList<TSpeedButton*>& Buttons() const { return FButtons; }
  // The button of a character: the last one made when it occurs twice.
  TSpeedButton* ButtonOf(QChar c) const;

 signals:
  void OnValueChange(QObject* Sender);

 protected:
  // The rings and the face only: the panel's caption is not shown.
  void Paint() override;
  void Loaded() override;
  void Resized() override;

 private:
  void SetMetric(int& field, int v);
  void SetSpacing(int& field, int v);
  void Rebuild();
  void ApplyGroup();
  void ButtonClicked(TSpeedButton* b);
  // Puts the down button of the group up, whatever AllowAllUp says.
  void ReleaseDown();

  QChar FActive;
  bool FAllowAllUp = false;
  QStringList FLines;
  TAlphaBarMetrics FMetrics;
  bool FRastButtons = false;
  TFont FButtonFont;
  QList<TSpeedButton*> FButtons;
};

}  // namespace Veltor
