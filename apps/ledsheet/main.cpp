// veltor_ledsheet: the LED buttons and LED checks in every caption type,
// check mode, caption side, LED shape and bevel, for a person to look at.
//
//   veltor_ledsheet DIR [ZOOM]
//
// Writes DIR/ledbutton.png and DIR/ledcheck.png, each a labelled grid of
// controls, enlarged ZOOM times pixel for pixel when given. Modes are shown after a real click (lcButton while held).

#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace Veltor;

namespace {

// A window of controls in a grid, each with a label beneath.
class Sheet {
 public:
  Sheet(int columns, int cellWidth, int cellHeight) : FColumns(columns), FCellW(cellWidth), FCellH(cellHeight) {
    FWindow.setStyleSheet(QStringLiteral("background: #a8b4c0"));
  }

  template <typename T>
  T* Add(const QString& label, int width, int height, const std::function<void(T&)>& setup) {
    const int i = FCount++;
    const int x = 8 + (i % FColumns) * FCellW, y = 8 + (i / FColumns) * FCellH;
    auto* c = new T(&FWindow);
    c->SetBounds(x, y, width, height);
    setup(*c);
    auto* text = new QLabel(label, &FWindow);
    QFont f = text->font();
    f.setPixelSize(10);
    text->setFont(f);
    text->setGeometry(x, y + FCellH - 26, FCellW - 4, 24);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return c;
  }

  void Show() {
    const int rows = (FCount + FColumns - 1) / FColumns;
    FWindow.resize(16 + FColumns * FCellW, 16 + rows * FCellH);
    FWindow.show();
    QApplication::processEvents();
  }

  bool Save(const QString& path, int zoom) {
    QApplication::processEvents();
    QImage image = FWindow.grab().toImage();
    if (zoom > 1) image = image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image.save(path)) return true;
    std::fprintf(stderr, "veltor_ledsheet: cannot write %s\n", qPrintable(path));
    return false;
  }

 private:
  QWidget FWindow;
  int FColumns, FCellW, FCellH;
  int FCount = 0;
};

// A left button press or release at (5, 8), as the window system sends it.
void Mouse(QWidget* w, QEvent::Type type) {
  const QPointF at(5, 8);
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

const char* CaptName(TCaptType t) { return t == ctNone ? "ctNone" : t == ctBevel ? "ctBevel" : "ctLed"; }
const char* ShapeName(TLedShape s) { return s == ledCircle ? "ledCircle" : "ledRectangle"; }
const char* BevelName(TPanelBevel b) { return b == bvNone ? "bvNone" : b == bvRaised ? "bvRaised" : "bvLowered"; }
const char* PosName(TOrientType p) {
  return p == orTop ? "orTop" : p == orBottom ? "orBottom" : p == orLeft ? "orLeft" : "orRight";
}

bool ButtonSheet(const QString& dir, int zoom) {
  Sheet s(8, 110, 120);
  for (TCaptType capt : {ctNone, ctBevel, ctLed}) {
    for (TLedShape shape : {ledCircle, ledRectangle}) {
      for (bool on : {false, true}) {
        const QString label = QStringLiteral("%1 %2 %3").arg(CaptName(capt), ShapeName(shape), on ? "on" : "off");
        s.Add<TLedButton>(label, 60, 60, [&](TLedButton& b) {
          b.SetCaptType(capt);
          b.SetLedShape(shape);
          b.SetCaption(QStringLiteral("Pump"));
          b.SetLedOn(on);
        });
      }
    }
  }
  // Caption bevels, Caption1 while down, other sizes and colours.
  for (TPanelBevel bevel : {bvRaised, bvLowered}) {
    s.Add<TLedButton>(QStringLiteral("CaptBevel %1").arg(BevelName(bevel)), 60, 60, [&](TLedButton& b) {
      b.SetCaptBevel(bevel);
      b.SetCaption(QStringLiteral("Valve"));
    });
  }
  s.Add<TLedButton>(QStringLiteral("down, Caption1 red"), 60, 60, [](TLedButton& b) {
    b.SetCaption(QStringLiteral("OFF"));
    b.SetCaption1(QStringLiteral("ON"));
    b.SetColCaption1(clRed);
    b.SetLedOn(true);
    b.SetDown(true);
  });
  s.Add<TLedButton>(QStringLiteral("ctLed down, Caption1"), 60, 60, [](TLedButton& b) {
    b.SetCaptType(ctLed);
    b.SetCaption(QStringLiteral("OFF"));
    b.SetCaption1(QStringLiteral("ON"));
    b.SetDown(true);
  });
  s.Add<TLedButton>(QStringLiteral("default 30x30"), 30, 30,
                    [](TLedButton& b) { b.SetCaption(QStringLiteral("TLedButton")); });
  s.Add<TLedButton>(QStringLiteral("100x60 red rect"), 100, 60, [](TLedButton& b) {
    b.SetLedShape(ledRectangle);
    b.SetColLed(clRed);
    b.SetLedOn(true);
    b.SetCaption(QStringLiteral("Alarm"));
  });
  s.Add<TLedButton>(QStringLiteral("60x90 yellow"), 60, 90, [](TLedButton& b) {
    b.SetColLed(clYellow);
    b.SetCaption(QStringLiteral("Heater"));
  });
  s.Add<TLedButton>(QStringLiteral("ctLed 90x90 FontAutom off"), 90, 90, [](TLedButton& b) {
    b.SetCaptType(ctLed);
    b.SetFontAutom(false);
    b.SetColLed(clAqua);
    b.SetLedOn(true);
    b.SetCaption(QStringLiteral("Start"));
  });
  s.Show();
  return s.Save(QDir(dir).filePath(QStringLiteral("ledbutton.png")), zoom);
}

bool CheckSheet(const QString& dir, int zoom) {
  Sheet s(4, 150, 92);
  for (TOrientType pos : {orRight, orLeft, orTop, orBottom}) {
    for (TLedShape shape : {ledCircle, ledRectangle}) {
      for (bool checked : {false, true}) {
        const QString label = QStringLiteral("%1 %2 %3").arg(PosName(pos), ShapeName(shape), checked ? "checked" : "");
        const bool vertical = pos == orTop || pos == orBottom;
        s.Add<TLedCheck>(label, vertical ? 90 : 140, vertical ? 60 : 24, [&](TLedCheck& c) {
          c.SetCaptPos(pos);
          c.SetLedShape(shape);
          c.SetCaption(QStringLiteral("Heating"));
          c.SetChecked(checked);
        });
      }
    }
  }
  for (TPanelBevel bevel : {bvRaised, bvLowered, bvNone}) {
    s.Add<TLedCheck>(QStringLiteral("LedBevel %1, LedSize 15").arg(BevelName(bevel)), 140, 40, [&](TLedCheck& c) {
      c.SetLedBevel(bevel);
      c.SetLedSize(15);
      c.SetCaption(QStringLiteral("Bevel"));
      c.SetChecked(true);
    });
  }
  s.Add<TLedCheck>(QStringLiteral("rect LedSize 15 lowered"), 140, 40, [](TLedCheck& c) {
    c.SetLedShape(ledRectangle);
    c.SetLedBevel(bvLowered);
    c.SetLedSize(15);
    c.SetCaption(QStringLiteral("Square"));
  });
  s.Add<TLedCheck>(QStringLiteral("LedSize 30 (62 min)"), 140, 62, [](TLedCheck& c) {
    c.SetLedSize(30);
    c.SetCaption(QStringLiteral("Big"));
    c.SetLedCol(clLime);
    c.SetChecked(true);
  });
  s.Add<TLedCheck>(QStringLiteral("LedSize 6"), 140, 24, [](TLedCheck& c) {
    c.SetLedSize(6);
    c.SetCaption(QStringLiteral("Tiny"));
  });
  s.Add<TLedCheck>(QStringLiteral("CaptFrame"), 140, 24, [](TLedCheck& c) {
    c.SetCaptFrame(true);
    c.SetCaption(QStringLiteral("Framed"));
  });
  s.Add<TLedCheck>(QStringLiteral("CaptAutoFrm checked, Caption1"), 140, 24, [](TLedCheck& c) {
    c.SetCaptAutoFrm(true);
    c.SetCaptFrmCol(clBlue);
    c.SetCaption(QStringLiteral("german"));
    c.SetCaption1(QStringLiteral("english"));
    c.SetCaptionCol1(clBlue);
    c.SetChecked(true);
  });
  s.Add<TLedCheck>(QStringLiteral("Framed, bevels, BevWidth 2"), 140, 30, [](TLedCheck& c) {
    c.SetFramed(true);
    c.SetBevelOut(bvRaised);
    c.SetBevWidth(2);
    c.SetCaption(QStringLiteral("Frame"));
  });
  // Every mode after one click; the push button while it is held.
  std::vector<TLedCheck*> clicked;
  TLedCheck* held = nullptr;
  for (TCheckMode mode : {lcNone, lcButton, lcCheckBox, lcRadioBtn}) {
    const char* names[] = {"lcNone", "lcButton (held)", "lcCheckBox", "lcRadioBtn"};
    TLedCheck* c = s.Add<TLedCheck>(QStringLiteral("%1 clicked").arg(names[mode]), 140, 24, [&](TLedCheck& x) {
      x.SetCheckMode(mode);
      x.SetCaption(QString::fromLatin1(names[mode]));
    });
    (mode == lcButton ? held : c) = c;
    if (mode != lcButton) clicked.push_back(c);
  }
  s.Show();
  for (TLedCheck* c : clicked) {
    Mouse(c, QEvent::MouseButtonPress);
    Mouse(c, QEvent::MouseButtonRelease);
  }
  Mouse(held, QEvent::MouseButtonPress);
  const bool ok = s.Save(QDir(dir).filePath(QStringLiteral("ledcheck.png")), zoom);
  Mouse(held, QEvent::MouseButtonRelease);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: veltor_ledsheet DIR [ZOOM]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  const QString dir = QString::fromLocal8Bit(argv[1]);
  const int zoom = argc == 3 ? std::max(1, std::atoi(argv[2])) : 1;
  QDir().mkpath(dir);
  return ButtonSheet(dir, zoom) && CheckSheet(dir, zoom) ? 0 : 1;
}
