#pragma once
// TRotLabel: a windowless label whose caption is turned by any angle about
// the centre of the control, plain, engraved, embossed or with a shadow,
// either straight on the parent's picture or on a filled box turned with it.

#include "host/label.h"
#include "misc/misctypes.h"

#include <array>

namespace Veltor {

// Where a turned caption of textWidth x textHeight goes in a control of
// width x height: the origin of the text (its turned top-left corner) and
// the corners of the box around it, in order around the box.
struct TRotLabelGeometry {
  TPoint Origin;
  std::array<TPoint, 4> Box;
};
TRotLabelGeometry RotLabelGeometry(int width, int height, int textWidth, int textHeight, int angle);

// An angle in degrees brought into 0..359.
int NormalizeAngle(int degrees);

class TRotLabel : public TCustomLabel {
  Q_OBJECT
  Q_PROPERTY(int rlAngle READ rlAngle WRITE SetrlAngle)
  Q_PROPERTY(Veltor::MiscEnums::T3DEffect rlStyle3D READ rlStyle3D WRITE SetrlStyle3D)
  Q_PROPERTY(Veltor::TColor rlShColor READ rlShColor WRITE SetrlShColor)
  Q_PROPERTY(int rlShOffSetH READ rlShOffSetH WRITE SetrlShOffSetH)
  Q_PROPERTY(int rlShOffSetV READ rlShOffSetV WRITE SetrlShOffSetV)
  Q_PROPERTY(bool rlTransparent READ rlTransparent WRITE SetrlTransparent)

 public:
  explicit TRotLabel(QWidget* parent = nullptr);

  // Degrees, counter-clockwise on the screen; kept within 0..359.
  int rlAngle() const { return FAngle; }
  void SetrlAngle(int v) { Assign(FAngle, NormalizeAngle(v)); }
  T3DEffect rlStyle3D() const { return FStyle3D; }
  void SetrlStyle3D(T3DEffect v) { Assign(FStyle3D, v); }
  TColor rlShColor() const { return FShColor; }
  void SetrlShColor(TColor v) { Assign(FShColor, v); }
  // The shadow's offset in screen pixels (y downwards); only the shadowed
  // look shows it.
  int rlShOffSetH() const { return FShOffSetH; }
  void SetrlShOffSetH(int v) {
    Assign(FShOffSetH, v, [this] { ShadowMoved(); });
  }
  int rlShOffSetV() const { return FShOffSetV; }
  void SetrlShOffSetV(int v) {
    Assign(FShOffSetV, v, [this] { ShadowMoved(); });
  }
  // Without it the caption stands on a box of the label's colour.
  bool rlTransparent() const { return FTransparent; }
  void SetrlTransparent(bool v) { Assign(FTransparent, v); }

  // Where the last paint put the caption and its box.
  const TRotLabelGeometry& Geometry() const { return FGeometry; }

 protected:
  void Paint() override;

 private:
  void ShadowMoved() {
    if (FStyle3D == rlShadowed) Invalidate();
  }

  int FAngle = 0;
  T3DEffect FStyle3D = rlRaised;
  TColor FShColor = clGray;
  int FShOffSetH = 5;
  int FShOffSetV = -5;
  bool FTransparent = true;
  TRotLabelGeometry FGeometry;
};

}  // namespace Veltor
