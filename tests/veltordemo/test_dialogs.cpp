#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"
#include "buttons/slidebutton.h"
#include "buttons/textspin.h"
#include "demodialog.h"
#include "eyedemos.h"
#include "foundation/smarttimer.h"
#include "foundation/tickregistry.h"
#include "host/radiogroup.h"
#include "launchtable.h"
#include "meters/magiceye.h"
#include "misc/misctypes.h"
#include "potis/poti10t.h"
#include "potis/poti270.h"
#include "potis/selectorslide.h"
#include "potis/slider.h"
#include "segments/disp7seg.h"

#include "dialogtest.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <cmath>

using namespace Veltor;
using namespace VeltorDemo;
using namespace DemoTest;

namespace {

struct Shown {
  const char* ClassName;
  int Count;
};

struct Stored {
  const char* Object;
  const char* Property;
  QVariant Value;
};

struct DialogRow {
  const char* Name;
  const char* Caption;
  std::vector<Shown> Components;
  std::vector<Stored> Values;
  std::vector<Stored> AfterTicks;  // values after kTicks ticks of the clock
};

constexpr int kTicks = 12;

// Every dialog of the launcher with what it shows and a few values its form
// stores.
const std::vector<DialogRow>& Dialogs() {
  static const std::vector<DialogRow> rows = {
      {"TBevelDemo", "Bevel 3D", {{"Veltor::TBevel3D", 2}}, {{"Bevel3D1", "BevelOut", int(bvRaised)}}, {}},
      // The running light steps every 5 ticks.
      {"TLedTastDemo",
       "Led-Tasten Demo",
       {{"Veltor::TLedButton", 9}, {"Veltor::TSmartTimer", 1}},
       {{"LedButton1", "ColLed", QVariant::fromValue(TColor(clRed))}, {"LedButton7", "LedOn", true}},
       {{"LedButton7", "LedOn", false}, {"LedButton9", "LedOn", true}}},
      {"TSchalterDemo",
       "Schiebeschalter Demo",
       {{"Veltor::TSlideButton", 5}},
       {{"SlideButton4", "TextPos2", QStringLiteral("RECHTS")}},
       {}},
      {"TTasterDemo", "Leucht-Taster Demo", {{"Veltor::TPictButton", 3}}, {{"PictButton2", "Text1", "Motor"}}, {}},
      // The repeat speed is the second spinner's value from the start.
      {"TTextSpinDemo",
       "TextSpin Demo",
       {{"Veltor::TTextSpin", 2}},
       {{"TextSpin1", "Position", 0}, {"TextSpin1", "RepSpeed", 200}},
       {}},
      {"TSchaltLinDemo",
       "Schiebeschalter Demo",
       {{"Veltor::TSelectorSlide", 3}},
       {{"SelectorSlide3", "ScalaPart", 4}, {"ValueLabel", "text", QStringLiteral("Gang: Low (1)")}},
       {}},
      // The spinner's fifth entry gives six positions.
      {"TSchalt270Demo",
       "Drehschalter Demo",
       {{"Veltor::TSelector270", 1}, {"Veltor::TTextSpin", 1}},
       {{"Selector2701", "ScalaPart", 5}},
       {}},
      {"TPotiLinDemo",
       "Schiebepoti Demo",
       {{"Veltor::TPotiSlide", 3}, {"Veltor::TTextSpin", 1}},
       {{"PotiSlide1", "Value", 30.0}, {"PotiSlide3", "NonLinear", true}},
       {}},
      {"TPoti270Demo",
       "Drehpoti Demo",
       {{"Veltor::TPoti270", 1}, {"Veltor::TTextSpin", 2}},
       {{"Poti2701", "ScalaPart", 5}, {"Poti2701", "Value", 4.0}},
       {}},
      // The spinner's third entry, 250 ms.
      {"TSpin7SegDemo",
       "Daumenrad-Schalter Demo",
       {{"Veltor::TSpin7Seg", 4}, {"Veltor::TTextSpin", 1}},
       {{"Spin7Seg4", "RepSpeed", 250}, {"Spin7Seg1", "ColBack", QVariant::fromValue(TColor(clBlack))}},
       {}},
      {"TDisp7sDemo",
       "7-Segment Display Demo",
       {{"Veltor::TDisp7Seg", 1}, {"Veltor::TTextSpin", 1}},
       {{"Disp7Seg1", "DispSize", 4}, {"Disp7Seg1", "ColSegm", QVariant::fromValue(TColor(clRed))}},
       {}},
      {"TMagicEyeDemo",
       "MagicEye (Gauge) Demo",
       {{"Veltor::TMagicEye", 13}, {"Veltor::TPoti270", 2}, {"Veltor::TSmartTimer", 1}},
       {{"SmartTimer1", "Time", 100}, {"MagicEye1", "StartPos", 50.0}},
       {}},
      {"TGaugeDemo",
       "Gauge Demo",
       {{"Veltor::TGaugeGp", 16}, {"Veltor::TSlider", 2}, {"Veltor::TTextSpin", 4}},
       {{"GaugeGp3", "Value", 50.0}, {"GaugeGp16", "SegmWidth", 4}, {"GaugeGp9", "SegmGap", 1}},
       {}},
      // The test signal's first period ends at tick 9: the second meter at +11.
      {"TMeterHDemo",
       "Panelmeter horizontal Demo",
       {{"Veltor::TMeterPanelH", 2},
        {"Veltor::TBevel3D", 3},
        {"Veltor::TPotiSlide", 1},
        {"Veltor::TSelectorSlide", 1},
        {"Veltor::TSmartTimer", 1}},
       {{"Meter1", "Value", 40.0}, {"Meter2", "Value", 0.0}},
       {{"Meter2", "Value", 11.0}}},
      {"TMeterVDemo",
       "Panel-Meter vertikal Demo",
       {{"Veltor::TMeterPanelV", 2},
        {"Veltor::TPotiSlide", 1},
        {"Veltor::TSelectorSlide", 1},
        {"Veltor::TLedCheck", 1},
        {"Veltor::TSmartTimer", 1}},
       {{"Meter1", "Value", 40.0}, {"Meter2", "Value", 0.0}},
       {{"Meter2", "Value", 11.0}}},
      {"TMeter120Demo",
       "Meter 120grad Demo",
       {{"Veltor::TMeter120", 2},
        {"Veltor::TPotiSlide", 1},
        {"Veltor::TSelectorSlide", 1},
        {"Veltor::TLedCheck", 1},
        {"Veltor::TSmartTimer", 1}},
       {{"Meter1", "Value", 40.0}, {"Meter2", "Value", 0.0}},
       {{"Meter2", "Value", 11.0}}},
      {"TMeter180Demo",
       "Meter 180grad Demo",
       {{"Veltor::TMeter180", 2},
        {"Veltor::TPotiSlide", 1},
        {"Veltor::TSelectorSlide", 1},
        {"Veltor::TLedCheck", 1},
        {"Veltor::TSmartTimer", 1}},
       {{"Meter1", "Value", 40.0}, {"Meter2", "Value", 0.0}},
       {{"Meter2", "Value", 11.0}}},
      {"TMeter270Demo",
       "Meter 270grad Demo",
       {{"Veltor::TMeter270", 2},
        {"Veltor::TPotiSlide", 1},
        {"Veltor::TSelectorSlide", 1},
        {"Veltor::TLedCheck", 1},
        {"Veltor::TSmartTimer", 1}},
       {{"Meter1", "Value", 40.0}, {"Meter2", "Value", 0.0}},
       {{"Meter2", "Value", 11.0}}},
      {"TMeter360Demo",
       "Meter 360grad Demo",
       {{"Veltor::TMeter360", 2},
        {"Veltor::TPoti10T", 1},
        {"Veltor::TSlider", 2},
        {"Veltor::TLedCheck", 1},
        {"Veltor::TSmartTimer", 1}},
       {{"Meter1", "Value1", 40.0}, {"Meter2", "Value1", 0.0}},
       {{"Meter2", "Value1", 11.0}}},
      {"TJoyStickDemo",
       "JoyStick Demo",
       {{"Veltor::TJoyStick", 1}, {"Veltor::TTextSpin", 1}},
       {{"JoyStick1", "RepSpeed", 100}, {"JoyStick1", "AllowAllUp", false}},
       {}},
      {"TLeftRightDemo",
       "LeftRight Demo",
       {{"Veltor::TLeftRightT", 1}, {"Veltor::TTextSpin", 1}},
       {{"LeftRightT1", "RepSpeed", 100}, {"LeftRightT1", "AllowAllUp", true}},
       {}},
      {"TUpDownDemo",
       "UpDown Demo",
       {{"Veltor::TUpDownT", 1}, {"Veltor::TTextSpin", 1}},
       {{"UpDownT1", "RepSpeed", 100}, {"UpDownT1", "AllowAllUp", true}},
       {}},
      {"TNumEditDemo",
       "NumEdit Demo",
       {{"Veltor::TNumEdit", 4}, {"Veltor::TPoti270", 1}},
       {{"NumEdit1", "ValueFloat", 12.0}, {"NumEdit3", "Digits", 0}, {"NumEdit4", "LedEnable", true}},
       {}},
      {"TStrokeTextDlg",
       "Stroke Text Demo",
       {{"Veltor::TStroke", 1}, {"Veltor::TNumEdit", 4}},
       {{"Stroke1", "SizeY", 60}, {"Stroke1", "Bold", 3}, {"Stroke1", "sString", QStringLiteral("Veltor")}},
       {}},
      // 100 ms are two ticks: six steps of 5 degrees.
      {"TRotLabelDemo",
       "RotLabel Demo",
       {{"Veltor::TRotLabel", 1}, {"Veltor::TTextSpin", 2}, {"Veltor::TSmartTimer", 1}},
       {{"SmartTimer1", "Time", 100}, {"RotLabel1", "rlAngle", 0}},
       {{"RotLabel1", "rlAngle", 30}}},
      {"TSliderDemo",
       "Slider Demo",
       {{"Veltor::TSlider", 12}, {"Veltor::TTextSpin", 1}},
       {{"Slider4", "Position", 2}, {"Slider12", "ButtonSize", 8}},
       {{"Slider7", "Orientation", int(PotiEnums::orVertical)},
        {"Slider1", "Orientation", int(PotiEnums::orHorizontal)}}},
      {"TComPortDemo",
       "Schnittstellen-Demo ComPort",
       {{"Veltor::TComPort", 1}, {"Veltor::TFiFo", 4}, {"Veltor::TLedCheck", 14}},
       {{"ReceiveFiFo1", "ReadOnly", true}, {"EventCheck2", "Checked", true}, {"Chan2Com3", "GroupIndex", 2}},
       {}},
      {"TFifoDemo", "Fifo Demo", {{"Veltor::TFiFo", 2}}, {{"FiFo2", "ReadOnly", true}}, {}},
      {"TSysInfoDemo",
       "Corvane Veltor SysInfo Demo",
       {{"Veltor::TSysInfo", 1}, {"Veltor::TPanel", 20}},
       {{"ValuePanel1", "BevelOuter", int(bvLowered)}},
       {}},
      {"TKeyBoardDemo",
       "KeyBoard Demo",
       {{"Veltor::TAlphaBar", 2}},
       {{"AlphaBar1", "RastButtons", true}, {"AlphaBar2", "ButtonWidth", 28}},
       {}},
      {"TPlaySoundDemo",
       "Veltor PlaySound-Demo",
       {{"Veltor::TPlaySound", 1}, {"Veltor::TTextSpin", 1}, {"QListWidget", 2}},
       {{"PlaySound1", "RepDelay", 2.0}, {"TextSpin1", "Position", 1}},
       {}},
      {"TGamePortDemo",
       "GamePort Demo",
       {{"Veltor::TGamePort", 1}, {"Veltor::TGaugeGp", 4}, {"Veltor::TMultiBmp", 4}, {"Veltor::TLedButton", 3}},
       {{"GaugeGp4", "Value", 32768.0}, {"MultiBmp1", "GlyphSel", 1}, {"LedButton1", "LedOn", true}},
       {}},
      {"TTextSrcollDemo",
       "Textscroll Demo",
       {{"Veltor::TTextScroller", 1},
        {"Veltor::TMultiBmp", 1},
        {"Veltor::TTextSpin", 1},
        {"Veltor::TBitWin", 1},
        {"Veltor::TScrnSaveCtrl", 1}},
       {{"TextScroller1", "IsOpen", true}, {"TextScroller1", "FontSize", 10}},
       {}},
      {"TIniFileDemo",
       "Ini-File Editor Demo",
       {{"Veltor::TIniEditor", 1}},
       {{"IniEditor1", "FileName", QStringLiteral("veltordemo.ini")},
        {"IniEditor1", "FileLocation", int(MiscEnums::WindowsPath)}},
       {}},
      {"TRollFormDemo",
       "RollForm Demo",
       {{"Veltor::TRollBar", 4}, {"Veltor::TSlider", 1}},
       {{"RollBar1", "RollSpeed", int(MiscEnums::trImmediate)}, {"RollBar4", "Caption", QStringLiteral("Notizen")}},
       {}},
      // 250 ms are 5 ticks: two events in 12 ticks move the light two on.
      {"TSmartTimeDemo",
       "SmartTimer Demo",
       {{"Veltor::TSmartTimer", 1}, {"Veltor::TLedButton", 4}, {"Veltor::TBevel3D", 4}, {"Veltor::TTextSpin", 3}},
       {{"SmartTimer1", "Time", 250},
        {"SmartTimer1", "TimerMode", int(TSmartTimer::tmTicking)},
        {"Bevel3D2", "Caption", QStringLiteral("Zeit: 250 ms")}},
       {{"LedButton3", "LedOn", true}, {"Bevel3D4", "Caption", QStringLiteral("Ereignisse: 2")}}},
      {"TMultiBmpDemo",
       "MultiBmp Demo",
       {{"Veltor::TMultiBmp", 12}, {"Veltor::TRotLabel", 1}, {"Veltor::TSmartTimer", 1}},
       {{"MultiBmp1", "GlyphNums", 4}, {"MultiBmp9", "GlyphSel", 2}, {"SmartTimer1", "Time", 1000}},
       {{"MultiBmp8", "GlyphSel", 1}}},
      {"TLedCheckDemo",
       "LedCheck Demo",
       {{"Veltor::TLedCheck", 20}, {"Veltor::TSlider", 1}, {"Veltor::TMultiBmp", 3}, {"Veltor::TBevel3D", 3}},
       {{"LedCheck7", "Checked", true}, {"MultiBmp3", "GlyphSel", 1}, {"MultiBmp2", "Animate", true}},
       {}},
      {"TSerieSpinDemo",
       "SerieSpin Demo",
       {{"Veltor::TSerieSpin", 4},
        {"Veltor::TSlider", 1},
        {"Veltor::TLedCheck", 5},
        {"Veltor::TNumEdit", 1},
        {"Veltor::TMultiBmp", 1}},
       {{"SerieSpin1", "PosString", QStringLiteral("4.7")},
        {"NumEdit1", "ValueFloat", 4700.0},
        {"SerieSpin2", "RepSpeed", 200}},
       {}},
      {"TCtrlTimDemo",
       "Control Timer Demo",
       {{"Veltor::TCtrlTimer", 1}, {"Veltor::TTextSpin", 3}, {"Veltor::TLedCheck", 1}, {"Veltor::TPictButton", 4}},
       {{"CtrlTimer1", "Resolution", int(SegmentEnums::tcMMSS)}, {"PictButton4", "Text", QStringLiteral("Ablauf")}},
       {}},
      {"TBoxLineDemo",
       "BoxLine Demo",
       {{"Veltor::TBoxLine", 2}, {"Veltor::TLedCheck", 16}, {"Veltor::TSpin7Seg", 2}},
       {{"BoxLine1", "BoxStatByte", 0x3C}, {"BoxLine2", "BoxStatByte", 0x3C}, {"Spin7Seg2", "ValueInt", 12}},
       {}}};
  return rows;
}

int CountOf(QObject* root, const char* className) {
  int n = 0;
  for (QObject* o : root->findChildren<QObject*>()) n += QLatin1String(o->metaObject()->className()) == className;
  return n;
}

void ExpectValues(QObject* dialog, const std::vector<Stored>& values) {
  for (const Stored& value : values) {
    QObject* o = dialog->findChild<QObject*>(QLatin1String(value.Object));
    ASSERT_TRUE(o) << value.Object;
    EXPECT_EQ(Comparable(o->property(value.Property), value.Value), value.Value)
        << value.Object << "." << value.Property;
  }
}

TEST(DemoDialogs, EveryDialogOpensShowsItsComponentsTicksAndLeavesNothingBehind) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  EXPECT_EQ(DemoDialogNames().size(), Dialogs().size()) << DemoDialogNames().join(QLatin1Char(' ')).toStdString();
  for (const DialogRow& row : Dialogs()) {
    SCOPED_TRACE(row.Name);
    const int tickersBefore = TimerRegistry::Global().Count();
    std::unique_ptr<QDialog> dialog = CreateDemoDialog(QLatin1String(row.Name));
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(row.Caption));
    QList<QPointer<QObject>> components;
    for (const Shown& shown : row.Components) {
      EXPECT_EQ(CountOf(dialog.get(), shown.ClassName), shown.Count) << shown.ClassName;
      for (QObject* o : dialog->findChildren<QObject*>()) {
        if (QLatin1String(o->metaObject()->className()) == shown.ClassName) components << o;
      }
    }
    ExpectValues(dialog.get(), row.Values);
    dialog->show();
    for (int i = 0; i < kTicks; ++i) TimerTick();
    QCoreApplication::processEvents();
    ExpectValues(dialog.get(), row.AfterTicks);
    dialog->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    dialog.reset();
    for (const QPointer<QObject>& c : components) EXPECT_TRUE(c.isNull());
    EXPECT_EQ(TimerRegistry::Global().Count(), tickersBefore);
  }
}

// A radio group with no entry selected (-1) or more entries than values
// falls back to the first value instead of reading past the list.
TEST(DemoDialogs, ChoiceByIndexStaysInsideItsList) {
  EXPECT_EQ(ByIndex(kBevelChoices, 2), bvLowered);
  EXPECT_EQ(ByIndex(kBevelChoices, 3), bvNone);
  EXPECT_EQ(ByIndex(kBevelChoices, -1), bvNone);
}

TEST(DemoDialogs, ControlsSetTheirComponentsProperties) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  const std::vector<HandlerRow> rows = {
      {"TBevelDemo", "BevelOutGroup", 0, "Bevel3D2", "BevelOut", int(bvNone)},
      {"TBevelDemo", "BevelOutGroup", 2, "Bevel3D1", "BevelOut", int(bvLowered)},
      {"TBevelDemo", "BevelInGroup", 1, "Bevel3D1", "BevelIn", int(bvRaised)},
      {"TBevelDemo", "AdjustGroup", 2, "Bevel3D2", "TextAdjust", int(ttRight)},
      {"TBevelDemo", "AdjustGroup", 1, "Bevel3D1", "TextAdjust", int(ttLeft)},
      {"TBevelDemo", "CaptionEdit", QStringLiteral("Neu"), "Bevel3D1", "Caption", QStringLiteral("Neu")},
      {"TBevelDemo", "Caption1Edit", QStringLiteral("Zwei"), "Bevel3D2", "Caption1", QStringLiteral("Zwei")},
      {"TBevelDemo", "CaptEnableCheck", false, "Bevel3D1", "CaptEnable", false},
      {"TBevelDemo", "CaptBlinkCheck", true, "Bevel3D2", "CaptBlink", true},
      {"TLedTastDemo", "ShapeGroup", 1, "LedButton5", "LedShape", int(ledRectangle)},
      {"TLedTastDemo", "CaptTypeGroup", 0, "LedButton9", "CaptType", int(ctNone)},
      {"TLedTastDemo", "CaptTypeGroup", 2, "LedButton1", "CaptType", int(ctLed)},
      {"TLedTastDemo", "BlinkCheck", true, "LedButton3", "LedBlink", true},
      {"TSchalterDemo", "PositionGroup", 0, "SlideButton5", "Position", int(swPos1)},
      {"TSchalterDemo", "PositionGroup", 1, "SlideButton1", "Position", int(swPos2)},
      {"TSchalterDemo", "TextPos1Edit", QStringLiteral("HI"), "SlideButton3", "TextPos1", QStringLiteral("HI")},
      {"TSchalterDemo", "TextPos2Edit", QStringLiteral("LO"), "SlideButton2", "TextPos2", QStringLiteral("LO")},
      {"TTasterDemo", "ShapeGroup", 4, "PictButton3", "Shape", int(ButtonEnums::sstCircle)},
      {"TTasterDemo", "ShapeGroup", 1, "PictButton1", "Shape", int(ButtonEnums::sstSquare)},
      {"TTasterDemo", "PictStyleGroup", 3, "PictButton2", "PictStyle", int(Picture)},
      {"TTasterDemo", "PictStyleGroup", 2, "PictButton1", "PictStyle", int(threeRow)},
      {"TTasterDemo", "BlinkCheck", true, "PictButton3", "BlinkOn", true},
      {"TTasterDemo", "Text1Edit", QStringLiteral("Neu"), "PictButton1", "Text1", QStringLiteral("Neu")},
      {"TTasterDemo", "Text2Edit", QStringLiteral("Drei"), "PictButton1", "Text2", QStringLiteral("Drei")},
      {"TTextSpinDemo", "TextSpin2", 3, "TextSpin1", "RepSpeed", 400},
      {"TTextSpinDemo", "TextSpin2", 0, "TextSpin1", "RepSpeed", 0},
      {"TTextSpinDemo", "AdjustGroup", 1, "TextSpin2", "TextAdjust", int(ttLeft)},
      {"TTextSpinDemo", "LimiterCheck", true, "TextSpin1", "Limiter", true},
      {"TTextSpinDemo", "TextSpin1", 4, "IntegerLabel", "text", QStringLiteral("Zahl: 5")},
      {"TTextSpinDemo", "TextSpin1", 2, "StringLabel", "text", QStringLiteral("Text: Mittwoch")},
      {"TSchaltLinDemo", "CaptBevelGroup", 1, "SelectorSlide2", "CaptBevel", int(bvRaised)},
      {"TSchaltLinDemo", "CaptBevelGroup", 2, "SelectorSlide1", "CaptBevel", int(bvLowered)},
      {"TSchaltLinDemo", "CaptEnableCheck", false, "SelectorSlide3", "CaptEnable", false},
      {"TSchaltLinDemo", "PresEnableCheck", true, "SelectorSlide1", "PresEnable", true},
      {"TSchalt270Demo", "TextSpin1", 10, "Selector2701", "ScalaPart", 11},
      {"TSchalt270Demo", "TextSpin1", 0, "Selector2701", "ScalaPart", 1},
      {"TSchalt270Demo", "CaptBevelGroup", 2, "Selector2701", "CaptBevel", int(bvLowered)},
      {"TSchalt270Demo", "ButtonSmallCheck", true, "Selector2701", "ButtonSmall", true},
      {"TSchalt270Demo", "PresEnableCheck", true, "Selector2701", "PresEnable", true},
      {"TPotiLinDemo", "TextSpin1", 2, "PotiSlide2", "DragDelay", 10},
      {"TPotiLinDemo", "TextSpin1", 3, "PotiSlide3", "DragDelay", 20},
      {"TPotiLinDemo", "NonLinearCheck", true, "PotiSlide1", "NonLinear", true},
      {"TPotiLinDemo", "PresEnableCheck", true, "PotiSlide3", "PresEnable", true},
      {"TPoti270Demo", "TextSpin1", 5, "Poti2701", "ScalaPart", 10},
      {"TPoti270Demo", "TextSpin1", 0, "Poti2701", "ScalaPart", 1},
      {"TPoti270Demo", "TextSpin2", 1, "Poti2701", "DragDelay", 5},
      {"TPoti270Demo", "ButtonSmallCheck", true, "Poti2701", "ButtonSmall", true},
      {"TPoti270Demo", "PresEnableCheck", true, "Poti2701", "PresEnable", true},
      {"TPoti270Demo", "CaptionEdit", QStringLiteral("Gain"), "ValueLabel", "text", QStringLiteral("Gain: 4.0")},
      {"TSpin7SegDemo", "TextSpin1", 3, "Spin7Seg2", "RepSpeed", 500},
      {"TSpin7SegDemo", "LimiterCheck", true, "Spin7Seg3", "Limiter", true},
      {"TSpin7SegDemo", "ItalicCheck", true, "Spin7Seg1", "Italic", true},
      {"TSpin7SegDemo", "ShapeGroup", 1, "Spin7Seg4", "Shape", int(SegmentEnums::smtRoundrect)},
      {"TSpin7SegDemo", "PanelColGroup", 1, "Spin7Seg2", "ColBack", QVariant::fromValue(TColor(clGray))},
      {"TSpin7SegDemo", "SegmColGroup", 3, "Spin7Seg1", "ColSegm", QVariant::fromValue(TColor(clAqua))},
      // 52 x 100 at position 10: 52 + 26, 100 - 50, font 50 / 4 - 1.
      {"TSpin7SegDemo", "SizeBar", 10, "Spin7Seg3", "size", QSize(78, 50)},
      {"TSpin7SegDemo", "SizeBar", 10, "Spin7Seg2", "FontSize", 11},
      {"TDisp7sDemo", "TextSpin1", 7, "Disp7Seg1", "DispSize", 8},
      {"TDisp7sDemo", "TextSpin1", 0, "Disp7Seg1", "DispSize", 1},
      {"TDisp7sDemo", "ValueStrEdit", QStringLiteral("-5.1"), "Disp7Seg1", "ValueStr", QStringLiteral("-5.1")},
      {"TDisp7sDemo", "TextEinhEdit", QStringLiteral("mA"), "Disp7Seg1", "TextEinh", QStringLiteral("mA")},
      {"TDisp7sDemo", "PanelColGroup", 0, "Disp7Seg1", "ColBack", QVariant::fromValue(TColor(clBlack))},
      {"TDisp7sDemo", "PanelColGroup", 2, "Disp7Seg1", "ColBack", QVariant::fromValue(TColor(clRed))},
      {"TDisp7sDemo", "SegmColGroup", 1, "Disp7Seg1", "ColSegm", QVariant::fromValue(TColor(clYellow))},
      {"TDisp7sDemo", "SegmColGroup", 0, "Disp7Seg1", "ColSegm", QVariant::fromValue(TColor(clBlack))},
      {"TDisp7sDemo", "ShapeGroup", 1, "Disp7Seg1", "Shape", int(SegmentEnums::smtRoundrect)},
      {"TDisp7sDemo", "ItalicCheck", true, "Disp7Seg1", "DispItalic", true},
      // 170 x 90 at position 4: 170 + 34, 90 - 18, font 72 / 4 - 1.
      {"TDisp7sDemo", "SizeBar", 4, "Disp7Seg1", "size", QSize(204, 72)},
      {"TDisp7sDemo", "SizeBar", 4, "Disp7Seg1", "FontSize", 17},
      {"TMeterHDemo", "PotiSlide1", 75.0, "Meter1", "Value", 75.0},
      {"TMeterHDemo", "PotiSlide1", 75.0, "Bevel3D1", "Caption", QStringLiteral("Wert: 75.0")},
      {"TMeterHDemo", "SelectorSlide1", 2, "Meter2", "Damping", 5},
      {"TMeterHDemo", "SelectorSlide1", 4, "Bevel3D3", "Caption", QStringLiteral("Dämpfung: 10")},
      {"TMeterVDemo", "PotiSlide1", 20.0, "Meter1", "Value", 20.0},
      {"TMeterVDemo", "SelectorSlide1", 3, "Meter1", "Damping", 8},
      {"TMeterVDemo", "LedCheck1", false, "SmartTimer1", "TimerMode", int(TSmartTimer::tmStopped)},
      {"TMeter120Demo", "PotiSlide1", 90.0, "Meter1", "Value", 90.0},
      {"TMeter120Demo", "SelectorSlide1", 1, "Meter2", "Damping", 2},
      {"TMeter180Demo", "PotiSlide1", 10.0, "Meter1", "Value", 10.0},
      {"TMeter180Demo", "LedCheck1", false, "SmartTimer1", "TimerMode", int(TSmartTimer::tmStopped)},
      {"TMeter270Demo", "PotiSlide1", 55.0, "Meter1", "Value", 55.0},
      {"TMeter270Demo", "SelectorSlide1", 4, "Meter2", "Damping", 10},
      {"TMeter270Demo", "LedCheck1", false, "SmartTimer1", "TimerMode", int(TSmartTimer::tmStopped)},
      {"TMeter360Demo", "Poti10T1", 65.0, "Meter1", "Value1", 65.0},
      {"TMeter360Demo", "Slider1", 6.0, "Meter2", "Damping1", 6},
      {"TMeter360Demo", "Slider2", 30.0, "Meter1", "Value2", 30.0},
      {"TMeter360Demo", "LedCheck1", false, "SmartTimer1", "TimerMode", int(TSmartTimer::tmStopped)},
      {"TMagicEyeDemo", "Poti2702", 500.0, "SmartTimer1", "Time", 500},
      {"TGaugeDemo", "Slider1", 70.0, "GaugeGp8", "Value", 70.0},
      {"TGaugeDemo", "Slider1", 70.0, "GaugeGp9", "Value", 50.0},
      {"TGaugeDemo", "Slider2", 20.0, "GaugeGp9", "Value", 20.0},
      {"TGaugeDemo", "Slider2", 20.0, "GaugeGp1", "Value", 50.0},
      {"TGaugeDemo", "TextSpin1", 4, "GaugeGp5", "SegmWidth", 10},
      {"TGaugeDemo", "TextSpin2", 3, "GaugeGp12", "SegmGap", 3},
      {"TGaugeDemo", "TextSpin3", 2, "GaugeGp1", "Damping", 5},
      {"TGaugeDemo", "TextSpin4", 1, "GaugeGp16", "MeterMode", true},
      {"TGaugeDemo", "TextSpin4", 0, "GaugeGp2", "MeterMode", false},
      {"TLedTastDemo", "RunCheck", false, "SmartTimer1", "TimerMode", int(TSmartTimer::tmStopped)},
  };
  ExpectHandlerRows(rows);
}

void Click(QWidget* w) {
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

TEST(DemoDialogs, LedButtonsLightTheRadioRowsPressedButtonAndTheMomentaryOneWhileHeld) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QStringLiteral("TLedTastDemo"));
  dialog->show();
  auto led = [&](int i) { return dialog->findChild<TLedButton*>(QStringLiteral("LedButton%1").arg(i)); };
  Click(led(2));
  EXPECT_TRUE(led(2)->LedOn());
  Click(led(3));
  EXPECT_FALSE(led(2)->LedOn());
  EXPECT_TRUE(led(3)->LedOn());
  QTest::mousePress(led(5), Qt::LeftButton, Qt::NoModifier, led(5)->rect().center());
  EXPECT_TRUE(led(5)->LedOn());
  QTest::mouseRelease(led(5), Qt::LeftButton, Qt::NoModifier, led(5)->rect().center());
  EXPECT_FALSE(led(5)->LedOn());
}

TEST(DemoDialogs, TheSwitchLineNamesTheSwitchMovedAndItsText) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QStringLiteral("TSchalterDemo"));
  dialog->show();
  auto* lever = dialog->findChild<TSlideButton*>(QStringLiteral("SlideButton4"));
  Click(lever);
  EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("StateLabel"))->text(), QStringLiteral("SlideButton4: RECHTS"));
  Click(lever);
  EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("StateLabel"))->text(), QStringLiteral("SlideButton4: LINKS"));
}

void WheelUp(QWidget* w) {
  const QPointF at = QRectF(w->rect()).center();
  QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                false);
  QApplication::sendEvent(w, &e);
}

// A pot or selector moved by the user is read out under it.
TEST(DemoDialogs, MovedPotsAndSelectorsAreReadOut) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  struct Row {
    const char* Dialog;
    const char* Component;
    QString Expected;
  };
  const Row rows[] = {
      {"TPoti270Demo", "Poti2701", QStringLiteral("Pegel: 5.0")},
      {"TPotiLinDemo", "PotiSlide2", QStringLiteral("Balance: 2.0")},
      {"TSchalt270Demo", "Selector2701", QStringLiteral("Kanal: 1")},
      {"TSchaltLinDemo", "SelectorSlide2", QStringLiteral("Stufe: 1 (1)")},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Dialog);
    std::unique_ptr<QDialog> dialog = CreateDemoDialog(QLatin1String(row.Dialog));
    dialog->show();
    WheelUp(dialog->findChild<QWidget*>(QLatin1String(row.Component)));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("ValueLabel"))->text(), row.Expected);
  }
}

// Each LED group: off, on, blinking; the side area: none, LEDs, text, both.
TEST(DemoDialogs, DisplayLedAndSideAreaGroupsSetTheirPairsOfProperties) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QStringLiteral("TDisp7sDemo"));
  auto* display = dialog->findChild<TDisp7Seg*>(QStringLiteral("Disp7Seg1"));
  struct Row {
    const char* Group;
    int Index;
    const char* First;
    const char* Second;
    bool FirstOn, SecondOn;
  };
  const Row rows[] = {
      {"Led1Group", 0, "LedOn1", "LedBlink1", false, false},
      {"Led1Group", 1, "LedOn1", "LedBlink1", true, false},
      {"Led1Group", 2, "LedOn1", "LedBlink1", false, true},
      {"Led2Group", 1, "LedOn2", "LedBlink2", true, false},
      {"Led2Group", 2, "LedOn2", "LedBlink2", false, true},
      {"SideGroup", 0, "LedEnable", "TextEnable", false, false},
      {"SideGroup", 1, "LedEnable", "TextEnable", true, false},
      {"SideGroup", 2, "LedEnable", "TextEnable", false, true},
      {"SideGroup", 3, "LedEnable", "TextEnable", true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.Group) + " " + std::to_string(row.Index));
    Operate(dialog->findChild<QObject*>(QLatin1String(row.Group)), row.Index);
    EXPECT_EQ(display->property(row.First).toBool(), row.FirstOn);
    EXPECT_EQ(display->property(row.Second).toBool(), row.SecondOn);
  }
}

// Every period the second meter jumps between -11 and +11; stopped, it stays.
TEST(DemoDialogs, MeterTestSignalAlternatesBetweenMinusAndPlusElevenEachPeriod) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QStringLiteral("TMeter270Demo"));
  auto* meter = dialog->findChild<QWidget*>(QStringLiteral("Meter2"));
  auto period = [] {
    for (int i = 0; i < 9; ++i) TimerTick();  // 500 ms
  };
  period();
  EXPECT_EQ(meter->property("Value").toDouble(), 11.0);
  period();
  EXPECT_EQ(meter->property("Value").toDouble(), -11.0);
  period();
  EXPECT_EQ(meter->property("Value").toDouble(), 11.0);
  Operate(dialog->findChild<QObject*>(QStringLiteral("LedCheck1")), false);
  period();
  EXPECT_EQ(meter->property("Value").toDouble(), 11.0);
}

// One eye per period (two ticks at 100 ms); after all thirteen the phase is
// 10 degrees on and the next pass starts again at the first eye.
TEST(DemoDialogs, MagicEyeSineRunsAcrossTheEyesOneEyePerTick) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QStringLiteral("TMagicEyeDemo"));
  auto* demo = qobject_cast<TMagicEyeDemo*>(dialog.get());
  ASSERT_TRUE(demo);
  auto eye = [&](int i) { return dialog->findChild<TMagicEye*>(QStringLiteral("MagicEye%1").arg(i + 1)); };
  // Amplitude 80 %: the band is 50 -/+ 40 sin(phase + 30 i).
  EXPECT_NEAR(eye(1)->StartPos(), 50 - 40 * 0.5, 1e-9);
  EXPECT_NEAR(eye(7)->StartPos(), 50 + 40 * 0.5, 1e-9);  // sin 210 < 0: edges swapped
  TimerTick();
  TimerTick();
  EXPECT_EQ(demo->NextEye(), 1);
  for (int i = 0; i < 2 * 12; ++i) TimerTick();
  EXPECT_EQ(demo->NextEye(), 0);
  EXPECT_EQ(demo->Phase(), 10.0);
  EXPECT_NEAR(eye(0)->StartPos(), 50.0, 1e-9);  // drawn before the phase moved
  TimerTick();
  TimerTick();
  const double sin10 = std::sin(10 * M_PI / 180);
  EXPECT_NEAR(eye(0)->StartPos(), 50 - 40 * sin10, 1e-9);
  EXPECT_NEAR(eye(0)->EndPos(), 50 + 40 * sin10, 1e-9);
  EXPECT_NEAR(eye(1)->StartPos(), 50 - 40 * 0.5, 1e-9);  // not yet redrawn
}

TEST(DemoDialogs, PrintWritesTheComponentIntoThePdfTheUserNames) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  QTemporaryDir dir;
  ui.FileNames.push_back(dir.path() + QStringLiteral("/bevel"));
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QStringLiteral("TBevelDemo"));
  dialog->findChild<QPushButton*>(QStringLiteral("PrintBtn"))->click();
  QFile pdf(dir.path() + QStringLiteral("/bevel.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

}  // namespace
