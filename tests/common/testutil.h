#pragma once
// Helpers shared by the widget tests.

#include <QImage>
#include <QString>

namespace VeltorTest {

// Saves img under the test output folder (VELTOR_TEST_OUTPUT or the system
// temp folder) and returns the path written.
QString SaveImage(const QImage& img, const QString& name);

}  // namespace VeltorTest
