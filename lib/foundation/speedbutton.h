#pragma once
// TSpeedButton: the host framework's small tool button, with a caption or a
// glyph, a flat look, and groups: buttons of one parent with the same
// GroupIndex act as radio buttons, one of them down (or none, with
// AllowAllUp).

#include "host/control.h"

#include <QPixmap>

namespace Veltor {

// Where glyph and caption go on a face: side by side (glyph left), centred
// as one block, with spacing between them.
struct TSpeedButtonLayout {
  TPoint GlyphPos;
  TRect TextRect;
};
TSpeedButtonLayout LayoutSpeedButton(const TRect& face, QSize glyph, QSize text, int spacing);

class TSpeedButton : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QPixmap Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
  Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

 public:
  explicit TSpeedButton(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v) { Assign(FCaption, v); }
  // Up to four pictures side by side: up, disabled, pressed, latched down.
  // The bottom-left pixel's colour is transparent.
  QPixmap Glyph() const { return FGlyph; }
  void SetGlyph(const QPixmap& v);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v) { Assign(FNumGlyphs, std::clamp(v, 1, 4)); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v) { Assign(FFlat, v); }
  // 0: a plain push button. Kept >= 0.
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v);
  // Only buttons of a group stay down; putting one down puts the others up.
  bool Down() const { return FDown; }
  void SetDown(bool v);
  // Shared by the whole group: the down button may be clicked up again.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v) { Assign(FSpacing, v); }
  int Tag() const { return FTag; }
  void SetTag(int v) { FTag = v; }

  // Fires OnClick.
  void Click();

 signals:
  void OnClick(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  QList<TSpeedButton*> Group() const;
  QImage GlyphImage(int index) const;

  QString FCaption;
  QPixmap FGlyph;
  int FNumGlyphs = 1;
  bool FFlat = false;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  int FSpacing = 4;
  int FTag = 0;
  bool FPressed = false;   // left button held over the button
  bool FDragging = false;  // left button went down on the button
  bool FHot = false;       // pointer over a flat button
};

}  // namespace Veltor
