#include "testutil.h"

#include <QDir>

namespace VeltorTest {

QString SaveImage(const QImage& img, const QString& name) {
  QString dir = qEnvironmentVariable("VELTOR_TEST_OUTPUT");
  if (dir.isEmpty()) dir = QDir::tempPath() + QStringLiteral("/veltor-test-output");
  QDir().mkpath(dir);
  const QString path = dir + QLatin1Char('/') + name;
  img.save(path);
  return path;
}

QString ImageDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) {
    return QStringLiteral("sizes %1x%2 and %3x%4").arg(a.width()).arg(a.height()).arg(b.width()).arg(b.height());
  }
  int count = 0;
  QPoint first;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0) first = QPoint(x, y);
    }
  }
  if (count == 0) return QString();
  return QStringLiteral("%1 pixels differ, first at (%2, %3): %4 vs %5")
      .arg(count)
      .arg(first.x())
      .arg(first.y())
      .arg(a.pixel(first) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
      .arg(b.pixel(first) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

Veltor::TColor PixelAt(const QImage& img, int x, int y) {
  const QRgb p = img.pixel(x, y);
  return Veltor::TColor::FromRGB(qRed(p), qGreen(p), qBlue(p));
}

int CountOther(const QImage& img, const Veltor::TRect& r, Veltor::TColor background) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) n += PixelAt(img, x, y) != background;
  }
  return n;
}

int CountColour(const QImage& img, const Veltor::TRect& r, Veltor::TColor colour) {
  return r.Width() * r.Height() - CountOther(img, r, colour);
}

ScriptedModalUI::ScriptedModalUI() { Veltor::SetModalUI(this); }

ScriptedModalUI::~ScriptedModalUI() { Veltor::SetModalUI(nullptr); }

Veltor::TModalResult ScriptedModalUI::Message(const QString&, const QString& text, Veltor::TMsgDlgType,
                                              Veltor::TMsgDlgButtons) {
  Messages.append(text);
  if (Answers.empty()) return Veltor::mrOk;
  const Veltor::TModalResult r = Answers.front();
  Answers.pop_front();
  return r;
}

QString ScriptedModalUI::NextFileName(QString* selected) {
  FileFilters.append(selected ? *selected : QString());
  if (FileNames.empty()) return QString();
  const QString name = FileNames.front();
  FileNames.pop_front();
  return name;
}

int ScriptedModalUI::Exec(QDialog* dialog) {
  Executed.append(dialog);
  return OnExec ? OnExec(dialog) : 0;
}

}  // namespace VeltorTest
