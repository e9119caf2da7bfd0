#include "formtest.h"

#include <gtest/gtest.h>

#include <QFile>

namespace VeltorTest {

QString FormText(const QString& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n <class>Form</class>\n"
         " <widget class=\"QWidget\" name=\"Form\">\n" +
         body + "\n </widget>\n</ui>\n";
}

int LineOf(const QString& text, const QString& marker) {
  const qsizetype at = text.indexOf(marker);
  EXPECT_GE(at, 0) << "marker not in the form: " << marker.toStdString();
  return int(text.left(at).count(QLatin1Char('\n'))) + 1;
}

QString FormFiles::Write(const QString& name, const QString& text) {
  QFile file(FDir.filePath(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << file.fileName().toStdString();
  file.write(text.toUtf8());
  return file.fileName();
}

std::unique_ptr<QWidget> FormFiles::Load(const QString& text, QObject* receiver) {
  std::unique_ptr<QWidget> form = Loader.Load(Write(QStringLiteral("form.ui"), text), nullptr, receiver);
  EXPECT_TRUE(form) << Loader.ErrorString().toStdString();
  return form;
}

std::unique_ptr<QWidget> FormFiles::LoadBody(const QString& body, QObject* receiver) {
  return Load(FormText(body), receiver);
}

namespace {
WarningCatcher* g_catcher = nullptr;
}

WarningCatcher::WarningCatcher() : FPrevious(qInstallMessageHandler(&Handler)) { g_catcher = this; }

WarningCatcher::~WarningCatcher() {
  qInstallMessageHandler(FPrevious);
  g_catcher = nullptr;
}

void WarningCatcher::Handler(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtWarningMsg && g_catcher) g_catcher->Messages << text;
}

}  // namespace VeltorTest
