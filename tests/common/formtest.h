#pragma once
// Stored forms in tests: .ui text written to a folder of its own and loaded
// with TFormLoader, and the warnings a load leaves.

#include "host/formloader.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace VeltorTest {

// A .ui document whose top-level QWidget "Form" holds body.
QString FormText(const QString& body);

// The 1-based line of the first occurrence of marker in text.
int LineOf(const QString& text, const QString& marker);

// Writes forms into a temporary folder and loads them.
class FormFiles {
 public:
  // The path of the file name in the folder.
  QString Path(const QString& name) const { return FDir.filePath(name); }
  // Writes text to the file name in the folder; returns its path.
  QString Write(const QString& name, const QString& text);
  // Writes and loads a whole document. A form that does not load fails the
  // test with the loader's messages.
  std::unique_ptr<QWidget> Load(const QString& text, QObject* receiver = nullptr);
  // Load(FormText(body)).
  std::unique_ptr<QWidget> LoadBody(const QString& body, QObject* receiver = nullptr);

  Veltor::TFormLoader Loader;

 private:
  QTemporaryDir FDir;
};

// Collects qWarning output while alive.
class WarningCatcher {
 public:
  WarningCatcher();
  ~WarningCatcher();
  WarningCatcher(const WarningCatcher&) = delete;
  WarningCatcher& operator=(const WarningCatcher&) = delete;

  QStringList Messages;

 private:
  static void Handler(QtMsgType type, const QMessageLogContext& context, const QString& text);
  QtMessageHandler FPrevious;
};

}  // namespace VeltorTest
