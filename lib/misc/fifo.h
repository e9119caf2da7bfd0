#pragma once
// TFiFo: a one-line character read-out in the numeric edit field's look.
// Characters join at the right end and the text scrolls to the left; the
// oldest fall out when the buffer is full or no longer fit. Suits
// terminal-like read-outs such as characters received on a serial line.

#include "foundation/rahmen.h"
#include "misc/celltext.h"
#include "misc/fifo_model.h"

namespace Veltor {

class TFiFo : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  // Text of one character: the last one; writing appends its first.
  Q_PROPERTY(QString TextChar READ TextCharText WRITE SetTextCharText STORED false)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(Veltor::TColor ColTxtBack READ ColTxtBack WRITE SetColTxtBack)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel TextBevel READ TextBevel WRITE SetTextBevel)

 public:
  explicit TFiFo(QWidget* parent = nullptr);

  QString Text() const { return FText; }
  void SetText(const QString& v);
  // The last character (code 0 when empty); writing appends one.
  QChar TextChar() const { return FText.isEmpty() ? QChar() : FText.back(); }
  void SetTextChar(QChar c);
  QString TextCharText() const { return QString(TextChar()); }
  void SetTextCharText(const QString& v) {
    if (!v.isEmpty()) SetTextChar(v.front());
  }
  // No typing; the field also leaves the tab order.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { Assign(FReadOnly, v); }
  TColor ColTxtBack() const { return FColTxtBack; }
  void SetColTxtBack(TColor v);
  TPanelBevel TextBevel() const { return FTextBevel; }
  void SetTextBevel(TPanelBevel v) { Assign(FTextBevel, v); }

  // Valid after the first paint.
  const TCellFieldLayout& Layout() const { return FLayout; }
  // The characters the text box shows, the caret cell included.
  QString ShownText();

 signals:
  void OnChange(QObject* Sender);
  void OnDblClick(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyPress(QChar& Key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  void DrawText();
  bool ShowsCaret() const { return hasFocus() && !FReadOnly; }

  QString FText;
  bool FReadOnly = false;
  TColor FColTxtBack = clWhite;
  TPanelBevel FTextBevel = bvLowered;
  TCellFieldLayout FLayout;
  int FTextY = 0;
  bool FPainted = false;
  bool FInPaint = false;
};

}  // namespace Veltor
