#pragma once
// TVeltorBase: the frame of TRahmen painted into an off-screen bitmap, the
// base of the instruments. Paint leaves the frame, rings and background in
// DrawBitmap(); the descendant draws its static layer into BackBitmap(), its
// content into DrawBitmap() and copies the result to its canvas. Both layers
// are kept at the control's SurfaceRatio().

#include "foundation/framedcontrol.h"

namespace Veltor {

class TVeltorBase : public TFramedControl {
  Q_OBJECT

 public:
  explicit TVeltorBase(QWidget* parent = nullptr);

  // Set once a descendant's content is drawn; cleared by every appearance
  // change, so setters know whether they may redraw at once.
  bool Painted() const { return FPainted; }
  TBitmap& DrawBitmap() { return FDrawBitmap; }
  TBitmap& BackBitmap() { return FBackBitmap; }

 protected:
  void Paint() override;
  // Redraws only the outermost bevel on DrawBitmap and sets Status.
  void DrawPressed(bool pressed) override;
  void AppearanceChanged() override { NotifyChange(); }

  // Appearance changed: the content must be drawn again from scratch.
  void NotifyChange();
  void SetPainted(bool v) { FPainted = v; }

 private:
  bool FPainted = false;
  TBitmap FBackBitmap;
  TBitmap FDrawBitmap;
};

}  // namespace Veltor
