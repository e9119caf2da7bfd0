// The 120, 180 and 360 degree meters in every orientation at sizes from
// 80 x 80 to 600 x 600, one sheet per meter and size group.

#include "dials.h"

#include "meters/meter120.h"
#include "meters/meter180.h"
#include "meters/meter360.h"

#include <QDir>
#include <QPainter>

#include <functional>
#include <vector>

using namespace Veltor;

namespace {

struct TSize {
  int W, H;
};

const MeterEnums::TOrientType kOrients[] = {MeterEnums::orTop, MeterEnums::orBottom, MeterEnums::orLeft,
                                            MeterEnums::orRight};
const char* const kOrientNames[] = {"orTop", "orBottom", "orLeft", "orRight"};

// Rows of controls, each cell labelled; `make` paints the control of a cell.
bool SaveSheet(const QString& file, const std::vector<std::vector<TSize>>& rows,
               const std::function<QImage(int row, int col, TSize size, QString& label)>& make) {
  int width = 0, height = 0;
  for (const auto& row : rows) {
    int w = 0, h = 0;
    for (const TSize& s : row) {
      w += s.W + 16;
      h = std::max(h, s.H + 24);
    }
    width = std::max(width, w);
    height += h;
  }
  QImage sheet(width + 8, height + 8, QImage::Format_RGB32);
  sheet.fill(QColor(0xa8, 0xb4, 0xc0));
  QPainter p(&sheet);
  int y = 8;
  for (size_t r = 0; r < rows.size(); ++r) {
    int x = 8, h = 0;
    for (size_t c = 0; c < rows[r].size(); ++c) {
      const TSize s = rows[r][c];
      QString label;
      p.drawImage(x, y, make(int(r), int(c), s, label));
      p.drawText(x, y + s.H + 14, label);
      x += s.W + 16;
      h = std::max(h, s.H + 24);
    }
    y += h;
  }
  p.end();
  return sheet.save(file);
}

template <typename TMeter>
QImage OrientedView(MeterEnums::TOrientType o, TSize s, double value) {
  TMeter m;
  m.SetOrientation(o);
  m.resize(s.W, s.H);
  m.PaintNow();
  m.SetPeakMode(ppPeak);
  m.SetValue(90);
  m.SetValue(value);
  m.SetLedOn1(true);
  m.PaintNow();
  return m.SurfaceImage();
}

QImage View360(TSize s, int variant) {
  TMeter360 m;
  m.resize(s.W, s.H);
  m.PaintNow();
  m.SetPeakMode(ppPeak);
  m.SetValue2(variant % 2 ? 12000 : 7300);
  m.SetValue2(variant % 2 ? 3400 : 2500);
  m.SetValue1(variant % 2 ? 20 : 73);
  m.SetLedOn3(true);
  if (variant == 2) m.SetShape(sstCircle);
  if (variant == 3) m.SetNonLinear1(true);
  m.PaintNow();
  return m.SurfaceImage();
}

}  // namespace

bool SaveDialViews(const QString& dir) {
  QDir().mkpath(dir);
  const std::vector<TSize> small = {{80, 80}, {250, 112}, {250, 144}, {112, 250}, {200, 200}, {330, 160}};
  bool ok = true;
  for (int kind = 0; kind < 2; ++kind) {
    const QString name = kind == 0 ? "meter120" : "meter180";
    const auto make = [kind](int row, int, TSize s, QString& label, MeterEnums::TOrientType o) {
      label = QString("%1 %2x%3").arg(kOrientNames[row]).arg(s.W).arg(s.H);
      return kind == 0 ? OrientedView<TMeter120>(o, s, 35) : OrientedView<TMeter180>(o, s, 35);
    };
    std::vector<std::vector<TSize>> rows(4, small);
    ok &= SaveSheet(dir + "/" + name + "_small.png", rows,
                    [&](int r, int c, TSize s, QString& label) { return make(r, c, s, label, kOrients[r]); });
    std::vector<std::vector<TSize>> big = {{{600, 600}, {600, 600}}, {{600, 600}, {600, 600}}};
    ok &= SaveSheet(dir + "/" + name + "_600.png", big, [&](int r, int c, TSize s, QString& label) {
      return make(r * 2 + c, c, s, label, kOrients[r * 2 + c]);
    });
  }
  std::vector<std::vector<TSize>> rows360 = {{{80, 80}, {120, 120}, {200, 200}, {300, 200}, {200, 300}},
                                             {{80, 80}, {120, 120}, {200, 200}, {300, 200}, {200, 300}}};
  ok &= SaveSheet(dir + "/meter360_small.png", rows360, [](int r, int c, TSize s, QString& label) {
    label = QString("%1x%2").arg(s.W).arg(s.H);
    return View360(s, r * 2 + (c % 2));
  });
  std::vector<std::vector<TSize>> big360 = {{{600, 600}, {600, 600}}};
  ok &= SaveSheet(dir + "/meter360_600.png", big360, [](int, int c, TSize s, QString& label) {
    label = QString("600x600 variant %1").arg(c);
    return View360(s, c);
  });
  return ok;
}
