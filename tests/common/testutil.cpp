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

Veltor::TColor PixelAt(const QImage& img, int x, int y) {
  const QRgb p = img.pixel(x, y);
  return Veltor::TColor::FromRGB(qRed(p), qGreen(p), qBlue(p));
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

}  // namespace VeltorTest
