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

}  // namespace VeltorTest
