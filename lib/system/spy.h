#pragma once
// TSpy: a pair of eyes whose pupils follow the mouse pointer anywhere on the
// screen, looked up every 100 ms.

#include "host/control.h"

#include <QPointF>
#include <QTimer>

namespace Veltor {

// Geometry of the eyes of a W x H control.
struct TSpyLayout {
  TRect Eye[2];          // the two eye ellipses, left and right
  QPointF Centre[2];     // their centres
  double A[2] = {0, 0};  // horizontal semi-axis left for a pupil's centre
  double B = 0;          // the same vertically
  int PupilRadius = 1;
  int Margin = 3;
};
TSpyLayout SpyLayout(int width, int height);

// Where the pupil of an eye centred at centre, with the room a x b, sits for
// the pointer p (client coordinates): at the pointer while it is inside the
// room, else on the room's edge towards it.
TPoint PupilPosition(TPoint p, QPointF centre, double a, double b);

class TCustomSpy : public TGraphicControl {
  Q_OBJECT
 public:
  explicit TCustomSpy(QWidget* parent = nullptr);

  bool Active() const { return FTimer.isActive(); }
  void SetActive(bool active);
  TColor EyeColor() const { return FEyeColor; }
  void SetEyeColor(TColor c) { Assign(FEyeColor, c); }
  TColor BordColor() const { return FBordColor; }
  void SetBordColor(TColor c) { Assign(FBordColor, c); }
  TColor PupilColor() const { return FPupilColor; }
  void SetPupilColor(TColor c) { Assign(FPupilColor, c); }

  // One look at the pointer, at pos in screen coordinates: moves the pupils
  // when it differs from the last position seen. The timer calls it with the
  // cursor position.
  void Follow(QPoint screenPos);
  // The centres of the pupils drawn now; (-1, -1) when none is drawn.
  TPoint DrawnPupil(int eye) const { return FDrawn[eye]; }

 protected:
  void Paint() override;
  void Resized() override;

 private:
  void DrawPupils(TColor colour);
  void PlacePupils();
  // The geometry at the present size (a hidden control hears of no resize).
  TSpyLayout Layout() const { return SpyLayout(width(), height()); }

  QTimer FTimer;
  TColor FEyeColor = clWhite;
  TColor FBordColor = clNavy;
  TColor FPupilColor = clBlack;
  QSize FPupilsSize;  // the size the drawn pupils belong to
  QPoint FLastSeen;
  bool FSeen = false;
  TPoint FDrawn[2] = {{-1, -1}, {-1, -1}};
};

class TSpy : public TCustomSpy {
  Q_OBJECT
  Q_PROPERTY(bool Active READ Active WRITE SetActive)
  Q_PROPERTY(Veltor::TColor EyeColor READ EyeColor WRITE SetEyeColor)
  Q_PROPERTY(Veltor::TColor BordColor READ BordColor WRITE SetBordColor)
  Q_PROPERTY(Veltor::TColor PupilColor READ PupilColor WRITE SetPupilColor)
 public:
  explicit TSpy(QWidget* parent = nullptr) : TCustomSpy(parent) {}
};

}  // namespace Veltor
