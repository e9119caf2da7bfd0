#include "timerdemos.h"

#include "buttons/bevel3d.h"
#include "buttons/boxline.h"
#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"
#include "buttons/multibmp.h"
#include "buttons/pictbutton.h"
#include "buttons/textspin.h"
#include "foundation/smarttimer.h"
#include "misc/numedit.h"
#include "potis/slider.h"
#include "segments/ctrltimer.h"
#include "segments/spin7seg.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace VeltorDemo {

using namespace Veltor;

namespace {

int SpinValue(QObject* spin) { return qobject_cast<TCustomSpin*>(spin)->PosInteger(); }

// ------------------------------------------------------------ drawn glyphs

// The buttons leave olive out when they draw a glyph transparently.
const QColor kOlive(0x80, 0x80, 0x00);
constexpr int kCell = 32;

// A strip of count cells on olive; draw paints cell i with its origin at the
// cell's top-left corner. Aliased, so no edge pixel mixes with the olive.
QPixmap Strip(int count, const std::function<void(QPainter&, int)>& draw, int cell = kCell) {
  QImage image(cell * count, cell, QImage::Format_RGB32);
  image.fill(kOlive);
  QPainter p(&image);
  for (int i = 0; i < count; ++i) {
    p.save();
    p.translate(i * cell, 0);
    p.setClipRect(0, 0, cell, cell);
    draw(p, i);
    p.restore();
  }
  p.end();
  return QPixmap::fromImage(image);
}

// An arrow turned a further eighth of a circle in each of eight cells.
QPixmap ArrowStrip() {
  return Strip(8, [](QPainter& p, int i) {
    p.translate(kCell / 2, kCell / 2);
    p.rotate(45.0 * i);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xff, 0xd0, 0x00));
    const QPointF arrow[] = {{0, -13}, {9, -2}, {4, -2}, {4, 12}, {-4, 12}, {-4, -2}, {-9, -2}};
    p.drawPolygon(arrow, 7);
  });
}

// A level meter with 0..4 lit bars.
QPixmap BarsStrip() {
  return Strip(5, [](QPainter& p, int i) {
    p.fillRect(3, 3, kCell - 6, kCell - 6, Qt::black);
    for (int bar = 0; bar < 4; ++bar) {
      const int h = 5 + 5 * bar;
      const QColor lit = bar < 2 ? QColor(Qt::green) : bar == 2 ? QColor(Qt::yellow) : QColor(Qt::red);
      p.fillRect(6 + 5 * bar, kCell - 6 - h, 4, h, bar < i ? lit : QColor(0x30, 0x30, 0x30));
    }
  });
}

// A traffic light showing red, yellow, green.
QPixmap TrafficStrip() {
  return Strip(3, [](QPainter& p, int i) {
    p.setPen(Qt::black);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRoundedRect(QRectF(9, 1, 14, 30), 3, 3);
    const QColor colours[] = {Qt::red, Qt::yellow, Qt::green};
    for (int lamp = 0; lamp < 3; ++lamp) {
      p.setBrush(lamp == i ? colours[lamp] : colours[lamp].darker(400));
      p.drawEllipse(QRectF(12, 3 + 9.5 * lamp, 8, 8));
    }
  });
}

// The digits 0..9 as on a counter wheel.
QPixmap DigitStrip() {
  return Strip(10, [](QPainter& p, int i) {
    p.fillRect(4, 2, kCell - 8, kCell - 4, Qt::white);
    p.setPen(Qt::black);
    p.drawRect(4, 2, kCell - 9, kCell - 5);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, kCell, kCell), Qt::AlignCenter, QString::number(i));
  });
}

// A resistor with its four colour bands; the body grows with its power.
QPixmap ResistorPicture(const std::array<QColor, 4>& bands, int milliwatts) {
  constexpr int kWidth = 96, kHeight = 32;
  const int body = std::clamp(30 + int(std::lround(12 * std::log2(milliwatts / 125.0))), 30, 84);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(QColor(0xc0, 0xc0, 0xc0));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x70, 0x70, 0x70), 2));
  p.drawLine(2, kHeight / 2, kWidth - 2, kHeight / 2);
  const QRectF r((kWidth - body) / 2.0, 6, body, kHeight - 12);
  p.setPen(QColor(0x80, 0x60, 0x30));
  p.setBrush(QColor(0xe8, 0xcf, 0x9a));
  p.drawRoundedRect(r, 6, 6);
  const double pitch = body / 7.0;
  for (int i = 0; i < 4; ++i) {
    if (!bands[std::size_t(i)].isValid()) continue;
    const double x = r.left() + pitch * (i < 3 ? 1 + i : 5.2);
    p.fillRect(QRectF(x, r.top() + 1, pitch * 0.6, r.height() - 2), bands[std::size_t(i)]);
  }
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace

// ------------------------------------------------------------ TSmartTimeDemo

namespace {
const char* const kModeNames[] = {"gestoppt", "Takt", "Blinktakt", "Zyklen"};
constexpr int kLights = 4;
}  // namespace

TSmartTimeDemo::TSmartTimeDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("smarttimedemo");
  FTimer = Child<TSmartTimer>("SmartTimer1");
  FLights = Numbered<TLedButton>(*this, "LedButton", kLights);
  FReadOuts = Numbered<TBevel3D>(*this, "Bevel3D", 4);
  FModeSpin = Child<TCustomSpin>("TextSpin1");
  FCyclesSpin = Child<TCustomSpin>("TextSpin3");
  // The timer starts as the spinners show it.
  on_TextSpin2_onChanging(Child<TCustomSpin>("TextSpin2"));
  on_TextSpin3_onChanging(FCyclesSpin);
  on_TextSpin1_onChanging(FModeSpin);
  FLights[std::size_t(FLit)]->SetLedOn(true);
}

// A fresh count of cycles each time the counting mode is chosen.
void TSmartTimeDemo::on_TextSpin1_onChanging(QObject* Sender) {
  const auto mode = TSmartTimer::TTimerMode(SpinValue(Sender));
  if (mode == TSmartTimer::tmIterate) FTimer->SetCycles(FCyclesSpin->PosInteger());
  FTimer->SetTimerMode(mode);
  ShowState();
}

void TSmartTimeDemo::on_TextSpin2_onChanging(QObject* Sender) {
  FTimer->SetTime(quint16(SpinValue(Sender)));
  ShowState();
}

void TSmartTimeDemo::on_TextSpin3_onChanging(QObject* Sender) {
  FTimer->SetCycles(SpinValue(Sender));
  ShowState();
}

// Stops the timer and starts it again in the spinner's mode, with a fresh
// count of cycles and of events.
void TSmartTimeDemo::on_RestartBtn_clicked() {
  FTimer->SetTimerMode(TSmartTimer::tmStopped);
  FEvents = 0;
  on_TextSpin3_onChanging(FCyclesSpin);
  on_TextSpin1_onChanging(FModeSpin);
}

void TSmartTimeDemo::on_SmartTimer1_TimerEvent(QObject*, bool) {
  ++FEvents;
  FLights[std::size_t(FLit)]->SetLedOn(false);
  FLit = (FLit + 1) % kLights;
  FLights[std::size_t(FLit)]->SetLedOn(true);
  ShowState();
}

void TSmartTimeDemo::ShowState() {
  // The last counted event stops the timer as soon as it returns.
  const bool lastCycle = FTimer->TimerMode() == TSmartTimer::tmIterate && FTimer->Cycles() < 1;
  const int mode = lastCycle ? TSmartTimer::tmStopped : FTimer->TimerMode();
  FReadOuts[0]->SetCaption(QStringLiteral("Modus: ") + QLatin1String(kModeNames[mode]));
  FReadOuts[1]->SetCaption(QStringLiteral("Zeit: %1 ms").arg(FTimer->Time()));
  FReadOuts[2]->SetCaption(QStringLiteral("Zyklen: %1").arg(FTimer->Cycles()));
  FReadOuts[3]->SetCaption(QStringLiteral("Ereignisse: %1").arg(FEvents));
}

// The timer has no picture: the lights and read-outs stand for it.
void TSmartTimeDemo::on_PrintBtn_clicked() { PrintComponent(Form()); }

// ------------------------------------------------------------- TMultiBmpDemo

namespace {
constexpr int kAnimated = 4;  // MultiBmp1..4
constexpr int kBlinking = 2;  // MultiBmp5..6
constexpr int kTraffic = 7;   // MultiBmp7 and 8, stepped by the timer
constexpr int kCounter = 8;
constexpr int kFirstLamp = 9;  // MultiBmp9..12, a radio group
constexpr int kPictureCount = 12;
}  // namespace

TMultiBmpDemo::TMultiBmpDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("multibmpdemo");
  FButtons = Numbered<TMultiBmp>(*this, "MultiBmp", kPictureCount);
  // The fan, the lamps and the tick come with the form; the rest is drawn.
  FButtons[1]->SetGlyph(ArrowStrip());
  FButtons[1]->SetGlyphNums(8);
  FButtons[2]->SetGlyph(BarsStrip());
  FButtons[2]->SetGlyphNums(5);
  for (int i : {4, kTraffic}) {
    FButtons[std::size_t(i - 1)]->SetGlyph(TrafficStrip());
    FButtons[std::size_t(i - 1)]->SetGlyphNums(3);
  }
  FButtons[kCounter - 1]->SetGlyph(DigitStrip());
  FButtons[kCounter - 1]->SetGlyphNums(10);
  for (int i = kFirstLamp; i <= kPictureCount; ++i) {
    TMultiBmp* lamp = FButtons[std::size_t(i - 1)];
    connect(lamp, &TFramedControl::OnClick, this, [this, lamp] { ShowLamps(lamp); });
    lamp->SetGlyphSel(lamp->Down() ? 2 : 1);
  }
  on_TranspCheck_toggled(Child<QCheckBox>("TranspCheck")->isChecked());
}

// Only the clicked lamp of the group can be lit: the click comes before the
// group releases the others.
void TMultiBmpDemo::ShowLamps(TMultiBmp* clicked) {
  for (int i = kFirstLamp; i <= kPictureCount; ++i) {
    TMultiBmp* lamp = FButtons[std::size_t(i - 1)];
    lamp->SetGlyphSel(lamp == clicked && clicked->Down() ? 2 : 1);
  }
}

void TMultiBmpDemo::on_AnimateCheck_toggled(bool on) {
  for (int i = 0; i < kAnimated; ++i) FButtons[std::size_t(i)]->SetAnimate(on);
}

void TMultiBmpDemo::on_BlinkCheck_toggled(bool on) {
  for (int i = kAnimated; i < kAnimated + kBlinking; ++i) FButtons[std::size_t(i)]->SetBlinkOn(on);
}

void TMultiBmpDemo::on_TranspCheck_toggled(bool on) {
  for (TMultiBmp* b : FButtons) b->SetGlyphMode(on);
}

void TMultiBmpDemo::on_MultiBmp1_OnEndAnim(QObject*) {
  ++FPasses;
  Child<QLabel>("PassLabel")->setText(QStringLiteral("Lüfter-Durchläufe: %1").arg(FPasses));
}

// The traffic light and the counter show their next glyph, the last going
// back to the first.
void TMultiBmpDemo::on_SmartTimer1_TimerEvent(QObject*, bool) {
  for (int i : {kTraffic, kCounter}) {
    TMultiBmp* stepped = FButtons[std::size_t(i - 1)];
    stepped->SetGlyphSel(stepped->GlyphSel() % stepped->GlyphNums() + 1);
  }
}

void TMultiBmpDemo::on_PrintBtn_clicked() { PrintComponent(FButtons.front()); }

// ------------------------------------------------------------- TLedCheckDemo

namespace {
// LedCheck7..9 choose the traffic light, 10..11 the shape, 12..14 the bevel.
constexpr int kTrafficLeds = 7;
constexpr int kShapeLeds = 10;
constexpr int kBevelLeds = 12;
const TPanelBevel kLedBevels[] = {bvRaised, bvLowered, bvNone};
// LedCheck15..18 are options for the switches, 19 and 20 push buttons.
enum { kBlinkOption = 15, kFrameOption, kAutoFrameOption, kCaption1Option, kAllOnButton, kAllOffButton };

// The radio LED checked among count LEDs from first, 0-based; 0 for none.
// Only right after loading: in a click the group has not settled yet.
int CheckedOf(const std::vector<TLedCheck*>& leds, int first, int count) {
  for (int i = 0; i < count; ++i) {
    if (leds[std::size_t(first - 1 + i)]->Checked()) return i;
  }
  return 0;
}
}  // namespace

TLedCheckDemo::TLedCheckDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("ledcheckdemo");
  FLeds = Numbered<TLedCheck>(*this, "LedCheck", kChecks);
  FPictures = Numbered<TMultiBmp>(*this, "MultiBmp", 3);
  FPictures[2]->SetGlyph(TrafficStrip());
  FPictures[2]->SetGlyphNums(3);
  for (int i = 1; i <= kSwitches; ++i) connect(Led(i), &TFramedControl::OnClick, this, &TLedCheckDemo::SwitchChanged);
  for (int i = kTrafficLeds; i < kBlinkOption; ++i) {
    connect(Led(i), &TFramedControl::OnClick, this, [this, i] { Choose(i); });
  }
  for (int i = kBlinkOption; i < kAllOnButton; ++i) {
    connect(Led(i), &TFramedControl::OnClick, this, &TLedCheckDemo::OptionsChanged);
  }
  connect(Led(kAllOnButton), &TFramedControl::OnClick, this, [this] { SwitchAll(true); });
  connect(Led(kAllOffButton), &TFramedControl::OnClick, this, [this] { SwitchAll(false); });
  SwitchChanged();
  Choose(kTrafficLeds + CheckedOf(FLeds, kTrafficLeds, kShapeLeds - kTrafficLeds));
  Choose(kShapeLeds + CheckedOf(FLeds, kShapeLeds, kBevelLeds - kShapeLeds));
  Choose(kBevelLeds + CheckedOf(FLeds, kBevelLeds, kBlinkOption - kBevelLeds));
  OptionsChanged();
}

// The lamp follows the first switch, the fan turns with the second.
void TLedCheckDemo::SwitchChanged() {
  FPictures[0]->SetGlyphSel(Led(1)->Checked() ? 2 : 1);
  FPictures[1]->SetAnimate(Led(2)->Checked());
}

// The radio LED number chosen: its group's picture, shape or bevel. The click
// comes before the group unchecks the others, so the number tells, not the
// LEDs' states.
void TLedCheckDemo::Choose(int number) {
  if (number < kShapeLeds) {
    FPictures[2]->SetGlyphSel(number - kTrafficLeds + 1);
  } else if (number < kBevelLeds) {
    for (TLedCheck* led : FLeds) led->SetLedShape(number == kShapeLeds ? ledCircle : ledRectangle);
  } else {
    for (TLedCheck* led : FLeds) led->SetLedBevel(ByIndex(kLedBevels, number - kBevelLeds));
  }
}

// The options act on the six switches.
void TLedCheckDemo::OptionsChanged() {
  for (int i = 1; i <= kSwitches; ++i) {
    TLedCheck* led = Led(i);
    led->SetLedBlink(Led(kBlinkOption)->Checked());
    led->SetCaptFrame(Led(kFrameOption)->Checked());
    led->SetCaptAutoFrm(Led(kAutoFrameOption)->Checked());
    led->SetCaption1(Led(kCaption1Option)->Checked() ? led->Caption() + QStringLiteral(" an") : QString());
  }
}

void TLedCheckDemo::SwitchAll(bool on) {
  for (int i = 1; i <= kSwitches; ++i) Led(i)->SetChecked(on);
  SwitchChanged();
}

void TLedCheckDemo::on_Slider1_OnChanging(QObject* Sender) {
  const int size = int(std::lround(qobject_cast<TSlider*>(Sender)->Value()));
  for (TLedCheck* led : FLeds) led->SetLedSize(size);
  Child<QLabel>("SizeLabel")->setText(QStringLiteral("LED-Größe: %1").arg(FLeds.front()->LedSize()));
}

void TLedCheckDemo::on_PrintBtn_clicked() { PrintComponent(Form()); }

// ------------------------------------------------------------ TSerieSpinDemo

std::vector<int> PreferredValues(int perDecade) {
  static const std::vector<int> e24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
  static const std::vector<int> e12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
  // E6 and E3 take every second value of the next finer series.
  std::vector<int> values;
  switch (perDecade) {
    case 24: return e24;
    case 12: return e12;
    case 6:
    case 3:
      for (std::size_t i = 0; i < e12.size(); i += std::size_t(12 / perDecade)) values.push_back(e12[i]);
      return values;
    default: return e12;
  }
}

QStringList SeriesEntries(int perDecade) {
  QStringList entries;
  for (int v : PreferredValues(perDecade)) {
    const QString text = QStringLiteral("%1.%2").arg(v / 10).arg(v % 10);
    entries << text + QLatin1Char('|') + QString::number(v) + QLatin1Char('|') + text;
  }
  return entries;
}

std::array<QColor, 4> ResistorBands(int twoDigits, int multiplier, int tolerance) {
  static const QColor digits[] = {Qt::black,  QColor(0x8b, 0x45, 0x13),
                                  Qt::red,    QColor(0xff, 0x8c, 0x00),
                                  Qt::yellow, QColor(0x00, 0xa0, 0x00),
                                  Qt::blue,   QColor(0x8a, 0x2b, 0xe2),
                                  Qt::gray,   Qt::white};
  const QColor gold(0xd4, 0xaf, 0x37), silver(0xc0, 0xc0, 0xc0);
  const QColor tol = tolerance == 1 ? digits[1] : tolerance == 2 ? digits[2] : tolerance == 5 ? gold : silver;
  const QColor mult = multiplier < 0 ? gold : digits[std::min(multiplier, 9)];
  return {digits[(twoDigits / 10) % 10], digits[twoDigits % 10], mult, tol};
}

TSerieSpinDemo::TSerieSpinDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("seriespindemo");
  FSpins = Numbered<TCustomSpin>(*this, "SerieSpin", 4);
  FOhms = Child<TNumEdit>("NumEdit1");
  FPicture = Child<TMultiBmp>("MultiBmp1");
  const std::vector<TLedCheck*> series = Numbered<TLedCheck>(*this, "LedCheck", 4);
  for (std::size_t i = 0; i < series.size(); ++i) {
    const int perDecade = kSeries[i];
    connect(series[i], &TFramedControl::OnClick, this, [this, perDecade] { ChooseSeries(perDecade); });
    if (series[i]->Checked()) ChooseSeries(perDecade);
  }
  on_LedCheck5_OnClick(Child<TLedCheck>("LedCheck5"));
  on_Slider1_OnChanging(Child<TSlider>("Slider1"));
}

// A new series keeps the value nearest to the one shown.
void TSerieSpinDemo::ChooseSeries(int perDecade) {
  if (perDecade == FSeries) return;
  TCustomSpin* values = FSpins[0];
  // The spinner comes with entries of its own; the demo starts at 4.7.
  const int before = FSeries == 0 ? 47 : values->PosInteger();
  const std::vector<int> list = PreferredValues(perDecade);
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (std::abs(list[i] - before) < std::abs(list[nearest] - before)) nearest = i;
  }
  values->SetPosText(SeriesEntries(perDecade));
  values->SetPosition(int(nearest));
  FSeries = perDecade;
  ShowResistor();
}

double TSerieSpinDemo::Resistance() const {
  return FSpins[0]->PosInteger() * std::pow(10.0, FSpins[1]->PosInteger() - 1);
}

void TSerieSpinDemo::ShowResistor() {
  FOhms->SetValueFloat(Resistance());
  const auto bands = ResistorBands(FSpins[0]->PosInteger(), FSpins[1]->PosInteger() - 1, FSpins[2]->PosInteger());
  FPicture->SetGlyph(ResistorPicture(bands, FSpins[3]->PosInteger()));
}

void TSerieSpinDemo::on_LedCheck5_OnClick(QObject* Sender) {
  const bool on = qobject_cast<TLedCheck*>(Sender)->Checked();
  for (TCustomSpin* s : FSpins) s->SetLimiter(on);
}

void TSerieSpinDemo::on_Slider1_OnChanging(QObject* Sender) {
  const int ms = int(std::lround(qobject_cast<TSlider*>(Sender)->Value()));
  for (TCustomSpin* s : FSpins) s->SetRepSpeed(ms);
  Child<QLabel>("RepeatLabel")
      ->setText(ms < 50 ? QStringLiteral("Wiederholung: aus") : QStringLiteral("Wiederholung: %1 ms").arg(ms));
}

void TSerieSpinDemo::on_PrintBtn_clicked() { PrintComponent(FSpins.front()); }

// -------------------------------------------------------------- TCtrlTimDemo

TCtrlTimDemo::TCtrlTimDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("ctrltimdemo");
  FTimer = Child<TCtrlTimer>("CtrlTimer1");
  FLights = Numbered<TPictButton>(*this, "PictButton", 4);
  // A click on a lit button acknowledges it.
  for (TPictButton* b : FLights) {
    connect(b, &TFramedControl::OnClick, b, [b] {
      b->SetText1(QString());
      b->SetBlinkOn(false);
    });
  }
}

void TCtrlTimDemo::done(int result) {
  FTimer->SetMode(SegmentEnums::reset);
  TDemoDialog::done(result);
}

void TCtrlTimDemo::Announce(int button, const QString& line) {
  FLights[std::size_t(button)]->SetText1(line);
  FLights[std::size_t(button)]->SetBlinkOn(true);
}

void TCtrlTimDemo::on_CtrlTimer1_OnReset(QObject*) {
  for (TPictButton* b : FLights) {
    b->SetText1(QString());
    b->SetBlinkOn(false);
  }
}

// A new resolution clears the times; the demonstration's seconds come back
// where the resolution shows seconds.
void TCtrlTimDemo::on_TextSpin1_onChanging(QObject* Sender) {
  FTimer->SetResolution(TCtrlTRes(SpinValue(Sender)));
  FTimer->StartTime()->SetValueSeconds(10);
  FTimer->Trigger1()->SetValueSeconds(8);
  FTimer->Trigger2()->SetValueSeconds(5);
  FTimer->Trigger3()->SetValueSeconds(2);
}

void TCtrlTimDemo::on_TextSpin2_onChanging(QObject* Sender) {
  FTimer->SetColSegm(qobject_cast<TCustomSpin*>(Sender)->PosColor());
}

void TCtrlTimDemo::on_TextSpin3_onChanging(QObject* Sender) {
  FTimer->SetColBack(qobject_cast<TCustomSpin*>(Sender)->PosColor());
}

void TCtrlTimDemo::on_LedCheck1_OnClick(QObject* Sender) {
  FTimer->SetDispItalic(qobject_cast<TLedCheck*>(Sender)->Checked());
}

void TCtrlTimDemo::on_PrintBtn_clicked() { PrintComponent(FTimer); }

// -------------------------------------------------------------- TBoxLineDemo

namespace {
using BoxClick = void (TBoxLine::*)(QObject*);
const BoxClick kBoxClicks[] = {&TBoxLine::OnBox0Click, &TBoxLine::OnBox1Click, &TBoxLine::OnBox2Click,
                               &TBoxLine::OnBox3Click, &TBoxLine::OnBox4Click, &TBoxLine::OnBox5Click,
                               &TBoxLine::OnBox6Click, &TBoxLine::OnBox7Click};
constexpr int kNibble = 16;
constexpr int kLedSide = 22;
constexpr int kLedGap = 2;
}  // namespace

TBoxLineDemo::TBoxLineDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("boxlinedemo");
  FHigh = Child<TSpin7Seg>("Spin7Seg1");
  FLow = Child<TSpin7Seg>("Spin7Seg2");
  FLines = {Child<TBoxLine>("BoxLine1"), Child<TBoxLine>("BoxLine2")};
  FLeds = Numbered<TLedCheck>(*this, "LedCheck", 2 * kBits);
  FValue = Child<QLabel>("ValueLabel");
  for (std::size_t l = 0; l < FLines.size(); ++l) {
    for (int bit = 0; bit < kBits; ++bit) {
      FLines[l]->Box(bit)->SetCaptShort(QString::number(bit));
      FLines[l]->Box(bit)->SetCaptLong(QStringLiteral("Bit %1").arg(bit));
      connect(FLines[l], kBoxClicks[bit], this, [this, bit] { ToggleBit(bit); });
      TLedCheck* led = FLeds[l * kBits + std::size_t(bit)];
      connect(led, &TFramedControl::OnClick, this, [this, bit] { ToggleBit(bit); });
    }
  }
  PlaceLeds(FLines[0], 0, false);
  PlaceLeds(FLines[1], kBits, true);
  ShowByte();
}

// Each LED goes next to its box: under the row's boxes, right of the
// column's, wherever the line's layout put them.
void TBoxLineDemo::PlaceLeds(TBoxLine* line, int firstLed, bool beside) {
  const TBoxLineLayout layout = line->Layout();
  for (int bit = 0; bit < kBits; ++bit) {
    const TRect& box = layout.Boxes[std::size_t(bit)].Box;
    const QPoint centre = line->geometry().topLeft() + QPoint((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    QPoint topLeft = beside ? QPoint(line->geometry().right() + 1 + kLedGap, centre.y() - kLedSide / 2)
                            : QPoint(centre.x() - kLedSide / 2, line->geometry().bottom() + 1 + kLedGap);
    FLeds[std::size_t(firstLed + bit)]->setGeometry(QRect(topLeft, QSize(kLedSide, kLedSide)));
  }
}

int TBoxLineDemo::Byte() const { return FHigh->ValueInt() * kNibble + FLow->ValueInt(); }

void TBoxLineDemo::SetByte(int value) {
  FHigh->SetValueInt((value >> 4) & 0xF);
  FLow->SetValueInt(value & 0xF);
  ShowByte();
}

// The low wheel has already wrapped; the high one follows by a step and
// wraps on its own past F and 0, so the byte runs round 00..FF.
void TBoxLineDemo::StepHigh(bool up) {
  int carry = 0;
  FHigh->NextValue(up, carry);
  ShowByte();
}

void TBoxLineDemo::ToggleBit(int bit) { SetByte(Byte() ^ (1 << bit)); }

void TBoxLineDemo::ShowByte() {
  const int byte = Byte();
  for (TBoxLine* line : FLines) line->SetBoxStatByte(byte);
  for (std::size_t i = 0; i < FLeds.size(); ++i) FLeds[i]->SetChecked((byte >> (i % kBits)) & 1);
  const QString hex = QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
  FValue->setText(QStringLiteral("Wert: $%1 = %2 = %3b").arg(hex).arg(byte).arg(byte, 8, 2, QLatin1Char('0')));
}

void TBoxLineDemo::on_PrintBtn_clicked() { PrintComponent(FLines[0]); }

}  // namespace VeltorDemo
