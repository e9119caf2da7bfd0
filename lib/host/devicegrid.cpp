#include "host/devicegrid.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

// Products like 10 * 1.1 come out a hair above the whole number they stand
// for; this keeps them from rounding up a whole device pixel.
constexpr double kSlack = 1e-9;

std::vector<int> EdgeTable(int logical, int device, qreal ratio) {
  std::vector<int> edges(std::size_t(logical) + 1);
  for (int x = 0; x < logical; ++x) edges[std::size_t(x)] = DeviceEdge(x, ratio);
  edges[std::size_t(logical)] = device;
  return edges;
}

int LogicalOf(const std::vector<int>& edges, int device, qreal ratio) {
  if (device < 0 || device >= edges.back()) return int(std::floor(device / ratio));
  // The last edge at or before the device pixel.
  return int(std::upper_bound(edges.begin(), edges.end(), device) - edges.begin()) - 1;
}

}  // namespace

qreal BoundedRatio(qreal ratio) {
  if (!(ratio >= 1)) return 1;  // NaN included
  return std::min<qreal>(ratio, 8);
}

int DeviceLength(int logical, qreal ratio) {
  if (ratio == 1 || logical <= 0) return std::max(0, logical);
  return int(std::ceil(logical * ratio - kSlack));
}

int LogicalLength(int device, qreal ratio) {
  if (ratio == 1 || device <= 0) return std::max(0, device);
  return int(std::floor(device / ratio + kSlack));
}

int DeviceEdge(int x, qreal ratio) { return ratio == 1 ? x : int(std::floor(x * ratio + 0.5)); }

QSize LogicalSize(const QImage& image) {
  const qreal ratio = BoundedRatio(image.devicePixelRatio());
  return QSize(LogicalLength(image.width(), ratio), LogicalLength(image.height(), ratio));
}

TDeviceGrid::TDeviceGrid(int width, int height, qreal ratio)
    : FRatio(BoundedRatio(ratio)),
      FScaled(FRatio != 1),
      FWidth(std::max(0, width)),
      FHeight(std::max(0, height)),
      FDeviceWidth(DeviceLength(FWidth, FRatio)),
      FDeviceHeight(DeviceLength(FHeight, FRatio)) {
  if (!FScaled) return;
  FX = EdgeTable(FWidth, FDeviceWidth, FRatio);
  FY = EdgeTable(FHeight, FDeviceHeight, FRatio);
}

TDeviceGrid TDeviceGrid::Of(const QImage& image) {
  const qreal ratio = BoundedRatio(image.devicePixelRatio());
  TDeviceGrid grid(LogicalLength(image.width(), ratio), LogicalLength(image.height(), ratio), ratio);
  // A picture made elsewhere may be a device pixel larger than ours would be.
  grid.FDeviceWidth = image.width();
  grid.FDeviceHeight = image.height();
  if (grid.FScaled) {
    grid.FX.back() = image.width();
    grid.FY.back() = image.height();
  }
  return grid;
}

bool TDeviceGrid::Describes(const QImage& image) const {
  return image.width() == FDeviceWidth && image.height() == FDeviceHeight &&
         BoundedRatio(image.devicePixelRatio()) == FRatio;
}

int TDeviceGrid::Outside(int v, int far, int deviceFar) const {
  // Beyond the far edge every logical pixel keeps at least one device pixel.
  return v < 0 ? DeviceEdge(v, FRatio) : std::max(deviceFar + (v - far), DeviceEdge(v, FRatio));
}

int TDeviceGrid::LogicalX(int deviceX) const { return FScaled ? LogicalOf(FX, deviceX, FRatio) : deviceX; }

int TDeviceGrid::LogicalY(int deviceY) const { return FScaled ? LogicalOf(FY, deviceY, FRatio) : deviceY; }

}  // namespace Veltor
