#pragma once
// TMultiBmp: a button or indicator showing one glyph of a horizontal strip
// of equally wide glyphs. The glyph can blink, the control can step through
// the strip on the blink clock, and buttons of one parent with the same
// GroupIndex form radio groups.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>

namespace Veltor {

// The control's property values and their rules, without a widget.
struct TMultiBmpModel {
  static constexpr int kMaxGlyphs = 32;
  static constexpr int kMaxGroupIndex = 255;

  TColor ColTransp = clOlive;
  bool BlinkOn = false;
  bool AutoSize = false;
  bool GlyphMode = false;
  bool Animate = false;
  int GlyphNums = 2;
  int GlyphSel = 1;
  int GroupIndex = 0;
  bool AllowAllUp = false;

  static int ClampGroupIndex(int v) { return std::clamp(v, 0, kMaxGroupIndex); }
  // v taken round the strip into 1..nums: a multiple of nums selects the
  // last glyph, anything below 1 the first.
  static int WrapGlyphSel(int v, int nums) { return v < 1 ? 1 : (v - 1) % nums + 1; }
  // Clamped to 1..32; a selection beyond the new count moves to its last glyph.
  void SetGlyphNums(int v);
  // Blinking and animating exclude each other.
  void SetBlinkOn(bool v);
  void SetAnimate(bool v);
  // Whether the glyph is shown in the given blink phase.
  bool GlyphShown(bool blinkPhase) const { return !BlinkOn || blinkPhase; }
  // One animation step: the next glyph, the first after the last. Returns
  // whether a pass through the strip just ended.
  bool StepAnimation();
  // Glyph GlyphSel's cell in a strip of the given size.
  TRect GlyphCell(int stripWidth, int stripHeight) const;
};

// Where the glyph goes: centred in the area inside the frame, at its own size.
struct TMultiBmpLayout {
  TRect Area;
  TRect Glyph;
};
TMultiBmpLayout MultiBmpLayout(const TRect& inner, int glyphWidth, int glyphHeight);

class TMultiBmp : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(Veltor::TColor ColBtnBord READ ColBtnBord WRITE SetColBtnBord)
  Q_PROPERTY(Veltor::TColor ColTransp READ ColTransp WRITE SetColTransp)
  Q_PROPERTY(QPixmap Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(bool BlinkOn READ BlinkOn WRITE SetBlinkOn)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool GlyphMode READ GlyphMode WRITE SetGlyphMode)
  Q_PROPERTY(bool Animate READ Animate WRITE SetAnimate)
  Q_PROPERTY(int GlyphNums READ GlyphNums WRITE SetGlyphNums)
  Q_PROPERTY(int GlyphSel READ GlyphSel WRITE SetGlyphSel)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)

 public:
  explicit TMultiBmp(QWidget* parent = nullptr);
  ~TMultiBmp() override;

  TColor ColTransp() const { return FModel.ColTransp; }
  void SetColTransp(TColor v) { Assign(FModel.ColTransp, v); }
  // The strip of GlyphNums glyphs side by side.
  QPixmap Glyph() const { return FGlyph; }
  void SetGlyph(const QPixmap& v);
  bool BlinkOn() const { return FModel.BlinkOn; }
  void SetBlinkOn(bool v);
  bool AutoSize() const { return FModel.AutoSize; }
  void SetAutoSize(bool v);
  bool GlyphMode() const { return FModel.GlyphMode; }
  void SetGlyphMode(bool v) { Assign(FModel.GlyphMode, v); }
  bool Animate() const { return FModel.Animate; }
  void SetAnimate(bool v) { FModel.SetAnimate(v); }
  int GlyphNums() const { return FModel.GlyphNums; }
  void SetGlyphNums(int v);
  int GlyphSel() const { return FModel.GlyphSel; }
  void SetGlyphSel(int v);
  bool AllowAllUp() const { return FModel.AllowAllUp; }
  void SetAllowAllUp(bool v) { FModel.AllowAllUp = v; }
  int GroupIndex() const { return FModel.GroupIndex; }
  void SetGroupIndex(int v) { FModel.GroupIndex = TMultiBmpModel::ClampGroupIndex(v); }

  // Takes effect for push-pull buttons (and while loading); a button going
  // down releases the rest of its group.
  bool Down() const { return Status(); }
  void SetDown(bool v);

  // Where the glyph goes at the present size, without a paint.
  TMultiBmpLayout Layout() const;
  // Whether the glyph is on the surface now (blinking blanks it).
  bool GlyphVisible() const { return FGlyphVisible; }

 signals:
  void OnEndAnim(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;

 private:
  QSize CellSize() const;
  // With AutoSize, fits the control to one glyph plus the frame.
  void ApplyAutoSize();
  void PaintGlyph(const TMultiBmpLayout& l, bool shown);
  void DrawGlyph(bool shown);
  void BlinkStep();
  void NotifyGroup();

  TMultiBmpModel FModel;
  QPixmap FGlyph;
  QImage FStrip;  // the glyph strip as an image, for copying cells
  bool FPainted = false;
  bool FGlyphVisible = false;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
