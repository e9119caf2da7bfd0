#pragma once
// Helpers shared by the widget tests.

#include "host/color.h"
#include "host/modalui.h"
#include "host/types.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace VeltorTest {

// Saves img under the test output folder (VELTOR_TEST_OUTPUT or the system
// temp folder) and returns the path written.
QString SaveImage(const QImage& img, const QString& name);

// Empty when the images are equal; otherwise how many pixels differ and where
// the first one is, for readable failures.
QString ImageDifference(const QImage& a, const QImage& b);

// The colour of one pixel of an RGB32 image, as a library colour.
Veltor::TColor PixelAt(const QImage& img, int x, int y);

// Pixels inside r that differ from background.
int CountOther(const QImage& img, const Veltor::TRect& r, Veltor::TColor background);
// Pixels inside r of exactly this colour.
int CountColour(const QImage& img, const Veltor::TRect& r, Veltor::TColor colour);

// Answers every modal question from a script and records what was asked.
// Installs itself for its lifetime.
class ScriptedModalUI : public Veltor::TModalUI {
 public:
  ScriptedModalUI();
  ~ScriptedModalUI() override;

  std::deque<Veltor::TModalResult> Answers;  // used front first; mrOk when empty
  QStringList Messages;                      // texts shown, in order
  int Beeps = 0;
  std::deque<QString> FileNames;  // answers to file dialogs; cancelled when empty
  QStringList FileFilters;        // the filter entry each file dialog opened with
  // What a modal dialog does while "shown"; by default it returns at once.
  std::function<int(QDialog*)> OnExec;
  QList<QDialog*> Executed;

  Veltor::TModalResult Message(const QString& caption, const QString& text, Veltor::TMsgDlgType type,
                               Veltor::TMsgDlgButtons buttons) override;
  void Beep() override { ++Beeps; }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&, QString* selected) override {
    return NextFileName(selected);
  }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, QString* selected) override {
    return NextFileName(selected);
  }
  int Exec(QDialog* dialog) override;

 private:
  QString NextFileName(QString* selected);
};

}  // namespace VeltorTest
