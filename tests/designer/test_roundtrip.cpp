// A form saved by the real Qt Designer with the plugin loaded: Designer runs
// on a private X server, opens a prepared panel and saves it (Ctrl+S, sent
// with xdotool); the saved form must load through TFormLoader, hold the same
// property values and look the same. Skips when Designer, Xvfb or xdotool is
// missing.
#include "formtest.h"
#include "registry.h"
#include "testutil.h"

#include "host/color.h"
#include "host/formloader.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaProperty>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kTimeoutMs = 60000;

QString Designer() {
  const QString installed = QStringLiteral("/usr/lib/qt6/bin/designer");
  if (QFileInfo(installed).isExecutable()) return installed;
  return QStandardPaths::findExecutable(QStringLiteral("designer"));
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A process that is stopped when the test leaves, however it leaves.
struct TOwnedProcess {
  QProcess Process;
  ~TOwnedProcess() {
    if (Process.state() == QProcess::NotRunning) return;
    Process.terminate();
    if (!Process.waitForFinished(3000)) {
      Process.kill();
      Process.waitForFinished(3000);
    }
  }
};

// Runs xdotool with arguments on display; its output, or a null array when
// it failed or took too long.
QByteArray XDoTool(const QProcessEnvironment& environment, const QStringList& arguments, int timeoutMs) {
  TOwnedProcess tool;
  tool.Process.setProcessEnvironment(environment);
  tool.Process.start(QStringLiteral("xdotool"), arguments);
  if (!tool.Process.waitForFinished(timeoutMs) || tool.Process.exitCode() != 0) return QByteArray();
  return tool.Process.readAllStandardOutput().trimmed();
}

// The library's properties of an object as text, fields of property groups
// under dotted names, and a control's geometry, for a comparison of two
// loads of the same form.
void AddValues(const QObject* object, const QMetaObject& base, const QString& prefix,
               std::map<QString, QString>* values) {
  const QMetaObject* meta = object->metaObject();
  for (int i = base.propertyCount(); i < meta->propertyCount(); ++i) {
    const QMetaProperty property = meta->property(i);
    const QString name = prefix + QString::fromLatin1(property.name());
    QVariant value = property.read(object);
    if (property.metaType().flags() & QMetaType::PointerToQObject) {
      if (const QObject* group = value.value<QObject*>())
        AddValues(group, QObject::staticMetaObject, name + QLatin1Char('.'), values);
      continue;
    }
    if (value.metaType() == QMetaType::fromType<Veltor::TColor>()) value = value.value<Veltor::TColor>().ToString();
    QDebug(&(*values)[name]) << value;
  }
}

std::map<QString, QString> Values(const QObject* object) {
  std::map<QString, QString> values;
  AddValues(object, object->isWidgetType() ? QWidget::staticMetaObject : QObject::staticMetaObject, QString(), &values);
  if (object->isWidgetType()) QDebug(&values[QStringLiteral("geometry")]) << object->property("geometry");
  return values;
}

TEST(DesignerRoundTrip, AFormSavedByDesignerLoadsAndLooksTheSame) {
#ifdef VELTOR_SANITIZED
  GTEST_SKIP() << "a plugin built with the sanitizers cannot load into Designer, which is built without";
#endif
  const QString designer = Designer();
  const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
  const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
  if (designer.isEmpty() || xvfb.isEmpty() || xdotool.isEmpty()) {
    GTEST_SKIP() << "needs Qt Designer, Xvfb and xdotool (scripts/setup.sh installs them)";
  }
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString original = QStringLiteral(VELTOR_DESIGNER_FORMS "/panel.ui");
  const QString saved = dir.filePath(QStringLiteral("panel.ui"));
  ASSERT_TRUE(QFile::copy(original, saved));
  QFile::setPermissions(saved, QFile::ReadOwner | QFile::WriteOwner);

  // A private X server; it names its display on the descriptor given.
  TOwnedProcess server;
  server.Process.start(
      xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
             QStringLiteral("1280x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  ASSERT_TRUE(server.Process.waitForStarted(kTimeoutMs));
  QByteArray display;
  if (server.Process.waitForReadyRead(kTimeoutMs)) display = server.Process.readLine().trimmed();
  ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";

  // Designer with the build's plugin and settings of its own.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(display));
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(
      QStringLiteral("QT_PLUGIN_PATH"),
      QFileInfo(QStringLiteral(VELTOR_DESIGNER_PLUGIN)).absoluteDir().absoluteFilePath(QStringLiteral("..")));
  environment.insert(QStringLiteral("HOME"), dir.path());
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
  TOwnedProcess designerProcess;
  designerProcess.Process.setProcessEnvironment(environment);
  designerProcess.Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  designerProcess.Process.start(designer, {saved});
  ASSERT_TRUE(designerProcess.Process.waitForStarted(kTimeoutMs));

  // Designer's main window, looked for until it shows.
  QElapsedTimer clock;
  clock.start();
  QByteArray window;
  while (window.isEmpty() && designerProcess.Process.state() == QProcess::Running && clock.elapsed() < kTimeoutMs) {
    window = XDoTool(environment,
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                      QStringLiteral("^Qt Designer$")},
                     5000)
                 .split('\n')
                 .value(0);
    if (window.isEmpty()) QThread::msleep(200);
  }
  ASSERT_FALSE(window.isEmpty()) << "Designer's window did not appear; Designer "
                                 << (designerProcess.Process.state() == QProcess::Running ? "runs" : "ended");
  // The form may open a moment after the window, so Ctrl+S is sent again
  // until the file changes; it is read once Designer has written all of it.
  const QByteArray before = ReadAll(saved);
  const auto complete = [&] {
    const QByteArray now = ReadAll(saved);
    if (now == before || !now.trimmed().endsWith("</ui>")) return false;
    QThread::msleep(200);
    return ReadAll(saved) == now;
  };
  while (!complete() && clock.elapsed() < 2 * kTimeoutMs) {
    XDoTool(environment,
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::fromLatin1(window),
             QStringLiteral("key"), QStringLiteral("ctrl+s")},
            5000);
    QThread::msleep(1000);
  }
  const QByteArray written = ReadAll(saved);
  ASSERT_NE(written, before) << "Designer did not save the form";
  // Designer writes the library's colours as <color> and the component's
  // properties under its name.
  EXPECT_TRUE(written.contains("<class>Veltor::TSmartTimer</class>"));
  const QString text = QString::fromUtf8(written);
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("name=\"ColSegm\"[^>]*>\\s*<color>"))))
      << written.constData();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("name=\"Time\"[^>]*>\\s*<number>250<"))))
      << written.constData();
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("name=\"StartTime.ValueMinutes\"[^>]*>\\s*<number>5<"))))
      << written.constData();

  VeltorDesigner::RegisterLibraryClasses();
  Veltor::TFormLoader loader;
  std::unique_ptr<QWidget> madeForm = loader.Load(original);
  ASSERT_TRUE(madeForm) << qPrintable(loader.ErrorString());
  std::unique_ptr<QWidget> reloadedForm = loader.Load(saved);
  ASSERT_TRUE(reloadedForm) << qPrintable(loader.ErrorString());
  for (const char* name : {"meter", "led", "display", "clock", "boxes", "timer"}) {
    SCOPED_TRACE(name);
    const auto* made = madeForm->findChild<QObject*>(QLatin1String(name));
    const auto* reloaded = reloadedForm->findChild<QObject*>(QLatin1String(name));
    ASSERT_TRUE(made && reloaded);
    EXPECT_EQ(QString::fromLatin1(reloaded->metaObject()->className()),
              QString::fromLatin1(made->metaObject()->className()));
    const auto madeValues = Values(made);
    const auto reloadedValues = Values(reloaded);
    for (const auto& [property, value] : madeValues) {
      EXPECT_EQ(reloadedValues.at(property), value) << qPrintable(property);
      EXPECT_FALSE(value.isEmpty());
    }
  }
  EXPECT_EQ(VeltorTest::ImageDifference(reloadedForm->grab().toImage(), madeForm->grab().toImage()), QString());
}

}  // namespace
