#include "glyphs.h"

#include "host/control.h"
#include "host/formloader.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace VeltorDemo {

namespace {

// Side of the square a control is pictured at, at least.
constexpr int kMinPictureSide = 40;

// Nearly black, but no control paints it.
constexpr QRgb kKeyColour = 0xFF010203;

QImage EmptyCell() {
  QImage cell(kGlyphSize, kGlyphSize, QImage::Format_ARGB32);
  cell.fill(Qt::transparent);
  return cell;
}

// The capitals of a class name after its leading T: "TIniFile" -> "IF".
QString Capitals(const QString& className) {
  QString letters;
  for (int i = 1; i < className.size() && letters.size() < 3; ++i) {
    if (className[i].isUpper()) letters += className[i];
  }
  return letters.isEmpty() ? className.left(2) : letters;
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(QColor(0x40, 0x20, 0x00), 1));
  p.setBrush(QColor(0xA0, 0x60, 0x20));
  p.drawRect(5, 3, 11, 18);  // the door
  p.setBrush(QColor(0xF0, 0xD0, 0x40));
  p.drawEllipse(QPoint(13, 12), 1, 1);
  p.setPen(QPen(QColor(0xC0, 0x00, 0x00), 2));
  p.drawLine(14, 12, 22, 12);  // the way out
  p.drawLine(19, 9, 22, 12);
  p.drawLine(19, 15, 22, 12);
}

void DrawInfo(QPainter& p) {
  p.setPen(QPen(QColor(0x00, 0x20, 0x80), 1));
  p.setBrush(QColor(0x30, 0x60, 0xE0));
  p.drawEllipse(2, 2, 19, 19);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPoint(12, 7), 2, 2);
  p.drawRect(10, 10, 4, 8);
}

void DrawShade(QPainter& p) {
  QLinearGradient gradient(2, 2, 21, 21);
  gradient.setColorAt(0, QColor(0x00, 0x00, 0xFF));
  gradient.setColorAt(0.5, QColor(0xFF, 0x00, 0x00));
  gradient.setColorAt(1, QColor(0x00, 0xFF, 0x00));
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(gradient);
  p.drawRect(2, 2, 19, 19);
}

void DrawPlate(QPainter& p, const QString& className) {
  p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  p.setBrush(QColor(0xF0, 0xE0, 0x90));
  p.drawRoundedRect(QRectF(1.5, 4.5, 20, 14), 3, 3);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0x20, 0x20, 0x60));
  p.drawText(QRect(1, 4, 21, 15), Qt::AlignCenter, Capitals(className));
}

}  // namespace

QPixmap MakeButtonGlyph(const QImage& picture) {
  QImage strip(2 * kGlyphSize, kGlyphSize, QImage::Format_ARGB32);
  strip.fill(kKeyColour);
  QImage faded = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < faded.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(faded.scanLine(y));
    for (int x = 0; x < faded.width(); ++x) {
      // Grey, and halfway to the button face.
      const int grey = (qGray(row[x]) + 0xC0) / 2;
      row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
    }
  }
  QPainter p(&strip);
  p.drawImage(0, 0, picture);
  p.drawImage(kGlyphSize, 0, faded);
  p.end();
  // Whatever the pictures put into the key pixel, it stays the key.
  strip.setPixel(0, kGlyphSize - 1, kKeyColour);
  return QPixmap::fromImage(strip);
}

QImage ControlPicture(const QString& className) {
  if (className.isEmpty() || !Veltor::TFormLoader::RegisteredClass(className)) return QImage();
  QWidget host;
  host.setAttribute(Qt::WA_DontShowOnScreen);
  // A non-visual component is no widget and gets no picture.
  auto* control = qobject_cast<QWidget*>(Veltor::TFormLoader::CreateObject(className, &host));
  if (!control || control->size().isEmpty()) return QImage();
  // Long thin controls are asked to be square, so the small copy shows more
  // than a line; each keeps to its own size rules.
  const int side = std::max(kMinPictureSide, std::min(control->width(), control->height()));
  control->resize(side, side);
  host.resize(control->size());
  host.show();
  const QImage shot = Veltor::GrabAtRatio(control, 1.0);
  const QImage small = shot.scaled(kGlyphSize - 2, kGlyphSize - 2, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QImage cell = EmptyCell();
  QPainter p(&cell);
  p.drawImage((kGlyphSize - small.width()) / 2, (kGlyphSize - small.height()) / 2, small);
  return cell;
}

QImage DrawnPicture(const TLaunchButton& button) {
  QImage cell = EmptyCell();
  QPainter p(&cell);
  p.setRenderHint(QPainter::Antialiasing);
  const QLatin1String name(button.Name);
  if (name == QLatin1String(kExitButton)) {
    DrawExit(p);
  } else if (name == QLatin1String(kAboutButton)) {
    DrawInfo(p);
  } else if (name == QLatin1String(kShadeButton)) {
    DrawShade(p);
  } else {
    DrawPlate(p, QString::fromUtf8(button.ShortHint).section(QLatin1Char(' '), 0, 0));
  }
  return cell;
}

std::vector<QPixmap> LaunchGlyphs(const std::vector<TLaunchButton>& buttons) {
  std::vector<QPixmap> glyphs;
  glyphs.reserve(buttons.size());
  for (const TLaunchButton& button : buttons) {
    QImage picture = ControlPicture(QString::fromLatin1(button.GlyphClass));
    if (picture.isNull()) picture = DrawnPicture(button);
    glyphs.push_back(MakeButtonGlyph(picture));
  }
  return glyphs;
}

}  // namespace VeltorDemo
