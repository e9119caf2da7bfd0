#pragma once
// How a picture kept at a device pixel ratio maps our logical pixels onto its
// device pixels.
//
// Logical edge x lies on device edge floor(x * ratio + 1/2): that is where
// QPainter's aliased fills on such a picture put it (a device pixel belongs to
// the logical pixel its centre falls in, a centre on an edge going to the
// right or lower one), so our own pixel routines and QPainter's shapes meet
// without gaps or overlaps. A picture is ceil(size * ratio) device pixels
// wide; its far logical edges map to its far device edges, so the last
// logical column and row also take a partial device pixel there.

#include <QRect>
#include <QSize>
#include <QtGlobal>

#include <vector>

class QImage;

namespace Veltor {

// The ratios the library draws at: 1 to 8. QPainter treats a picture with a
// smaller ratio as ratio 1.
qreal BoundedRatio(qreal ratio);

// The device length of a picture of logical length n: ceil(n * ratio).
int DeviceLength(int logical, qreal ratio);
// The logical length of a picture of device length n at ratio (the inverse of
// DeviceLength).
int LogicalLength(int device, qreal ratio);
// Device edge of logical coordinate x, away from a picture's far edges.
int DeviceEdge(int x, qreal ratio);
// The logical size of an image, from its device size and ratio.
QSize LogicalSize(const QImage& image);

class TDeviceGrid {
 public:
  TDeviceGrid() = default;
  // A picture of logical size width x height at ratio.
  TDeviceGrid(int width, int height, qreal ratio);
  // The grid of an image: logical size and ratio from its device size and
  // device pixel ratio.
  static TDeviceGrid Of(const QImage& image);

  qreal Ratio() const { return FRatio; }
  bool Scaled() const { return FScaled; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int DeviceWidth() const { return FDeviceWidth; }
  int DeviceHeight() const { return FDeviceHeight; }
  // Whether image has the device size and ratio this grid was made for.
  bool Describes(const QImage& image) const;

  // Device edges of logical column x and row y.
  int X(int x) const {
    if (!FScaled) return x;
    return unsigned(x) <= unsigned(FWidth) ? FX[std::size_t(x)] : Outside(x, FWidth, FDeviceWidth);
  }
  int Y(int y) const {
    if (!FScaled) return y;
    return unsigned(y) <= unsigned(FHeight) ? FY[std::size_t(y)] : Outside(y, FHeight, FDeviceHeight);
  }
  // The device pixels of logical rectangle r.
  QRect Map(const QRect& r) const {
    if (!FScaled || r.isEmpty()) return r;
    const int left = X(r.left());
    const int top = Y(r.top());
    return QRect(left, top, X(r.left() + r.width()) - left, Y(r.top() + r.height()) - top);
  }
  // The logical column and row a device pixel belongs to.
  int LogicalX(int deviceX) const;
  int LogicalY(int deviceY) const;

  // The edge tables, Width() + 1 and Height() + 1 entries; null at ratio 1.
  const int* EdgesX() const { return FScaled ? FX.data() : nullptr; }
  const int* EdgesY() const { return FScaled ? FY.data() : nullptr; }

 private:
  int Outside(int v, int far, int deviceFar) const;

  qreal FRatio = 1;
  bool FScaled = false;
  int FWidth = 0, FHeight = 0;
  int FDeviceWidth = 0, FDeviceHeight = 0;
  std::vector<int> FX, FY;
};

}  // namespace Veltor
