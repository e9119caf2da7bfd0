// The widget-free parts of the rotary controls: value rules, dial angles,
// detents and entries, the dial frame and the scale labels.

#include "host/canvas.h"
#include "potis/poti_layout.h"
#include "potis/poti_model.h"
#include "potis/selector_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Veltor;

namespace {

TPotiModel Range(double start, double end, double value) {
  TPotiModel m;
  m.SetEnd(100);
  m.SetStart(start);
  m.SetEnd(end);
  m.SetValue(value);
  return m;
}

}  // namespace

TEST(PotiModel, EndsKeepTheirLimitsAndTheirDistance) {
  TPotiModel m;
  m.SetStart(10);  // at the end: one below it
  EXPECT_EQ(m.Start(), 9);
  m.SetEnd(500);
  EXPECT_EQ(m.End(), 100);
  m.SetStart(-250);
  EXPECT_EQ(m.Start(), -100);
  m.SetEnd(-150);  // below the start: one above it
  EXPECT_EQ(m.End(), -99);
  EXPECT_FALSE(m.SetEnd(-99));
}

TEST(PotiModel, ValueStaysInsideTheRange) {
  TPotiModel m = Range(0, 10, 4);
  EXPECT_TRUE(m.SetValue(12));
  EXPECT_EQ(m.Value(), 10);
  EXPECT_FALSE(m.SetValue(10));
  m.SetValue(-3);
  EXPECT_EQ(m.Value(), 0);
  // The ends drag the value along.
  m.SetStart(2);
  EXPECT_EQ(m.Value(), 2);
  m.SetValue(8);
  m.SetEnd(5);
  EXPECT_EQ(m.Value(), 5);
}

TEST(PotiModel, LoadedValuesAreTakenAsTheyAreUntilNormalised) {
  TPotiModel m;
  m.LoadValue(250);
  m.LoadStart(50);
  m.LoadEnd(20);
  EXPECT_EQ(m.Value(), 250);
  EXPECT_TRUE(m.Normalise());
  EXPECT_EQ(m.Start(), 50);
  EXPECT_EQ(m.End(), 51);
  EXPECT_EQ(m.Value(), 51);
  m.LoadValue(std::numeric_limits<double>::quiet_NaN());
  m.Normalise();
  EXPECT_EQ(m.Value(), 50);
  EXPECT_FALSE(m.Normalise());
}

TEST(PotiModel, ValueAndAngleMapBothWays) {
  struct Row {
    double start, end, value, angle;
  };
  const Row rows[] = {{0, 10, 0, 0}, {0, 10, 5, 135}, {0, 10, 10, 270}, {-100, 100, -50, 67.5}, {2, 3, 2.5, 135}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.start << ".." << r.end << " at " << r.value);
    const TPotiModel m = Range(r.start, r.end, r.value);
    EXPECT_DOUBLE_EQ(Dial::ValueAngle(m), r.angle);
    EXPECT_DOUBLE_EQ(Dial::ValueAtAngle(m, r.angle), r.value);
  }
}

TEST(PotiModel, MouseAnglesRunClockwiseFromStraightDown) {
  const TPoint c(100, 100);
  EXPECT_DOUBLE_EQ(Dial::MouseAlpha(c, 100, 160), 0);    // 6 o'clock
  EXPECT_DOUBLE_EQ(Dial::MouseAlpha(c, 40, 100), 90);    // 9 o'clock
  EXPECT_DOUBLE_EQ(Dial::MouseAlpha(c, 100, 40), 180);   // 12 o'clock
  EXPECT_DOUBLE_EQ(Dial::MouseAlpha(c, 160, 100), 270);  // 3 o'clock
  EXPECT_DOUBLE_EQ(Dial::MouseAlpha(c, 40, 160), 45);    // the start of the scale
  // A press in the dead gap takes the nearer end.
  EXPECT_EQ(Dial::PressAngle(0), 0);
  EXPECT_EQ(Dial::PressAngle(350), 270);
  EXPECT_EQ(Dial::PressAngle(180), 135);
}

TEST(PotiModel, DragComparesWithTheEndItRestsAt) {
  EXPECT_EQ(Dial::DragAngle(false, true, 100), 270);
  EXPECT_EQ(Dial::DragAngle(true, false, 300), 0);
  EXPECT_EQ(Dial::DragAngle(false, false, 10), 0);  // last point in the gap
  EXPECT_EQ(Dial::DragAngle(false, false, 200), 155);
  // From the end across the gap to just left of 6 o'clock is a jump.
  EXPECT_FALSE(Dial::IsTurn(270, Dial::ScaleAngle(5), 45));
  EXPECT_TRUE(Dial::IsTurn(270, Dial::ScaleAngle(355), 45));
  EXPECT_TRUE(Dial::IsTurn(100, 145, 45));
  EXPECT_FALSE(Dial::IsTurn(100, 145.5, 45));
}

TEST(PotiModel, DelayedDragCrawlsAFifteenthPerUnitAndStopsAtTheTarget) {
  TPotiModel m = Range(0, 10, 0);
  EXPECT_DOUBLE_EQ(m.DragStep(10, 2), 10.0 / 30);
  EXPECT_DOUBLE_EQ(m.DragStep(0.2, 2), 0.2);
  EXPECT_DOUBLE_EQ(m.DragStep(25, 1), 10.0 / 15);  // target clamped first
  m.SetValue(5);
  EXPECT_DOUBLE_EQ(m.DragStep(0, 1), 5 - 10.0 / 15);
  EXPECT_DOUBLE_EQ(m.DragStep(5, 1), 5);
}

TEST(PotiModel, WheelCountsWholeNotchesAndKeepsTheRest) {
  TWheelNotches w;
  EXPECT_EQ(w.Add(240), 2);
  EXPECT_EQ(w.Add(-60), 0);
  EXPECT_EQ(w.Add(-60), -1);
  EXPECT_EQ(w.Add(90), 0);
  EXPECT_EQ(w.Add(30), 1);
}

TEST(PotiModel, OnlyTheLeftButtonAloneCounts) {
  EXPECT_TRUE(LeftButtonAlone(ssLeft));
  EXPECT_TRUE(LeftButtonAlone(TShiftState(ssLeft) | ssDouble));
  EXPECT_FALSE(LeftButtonAlone(TShiftState(ssLeft) | ssShift));
  EXPECT_FALSE(LeftButtonAlone(TShiftState(ssLeft) | ssRight));
  EXPECT_FALSE(LeftButtonAlone(ssRight));
  EXPECT_FALSE(LeftButtonAlone(TShiftState()));
}

// ---------------------------------------------------------------- selector

TEST(SelectorModel, PositionStaysOnTheDial) {
  TSelectorModel m(4, 20);
  EXPECT_FALSE(m.SetPosition(7));
  EXPECT_FALSE(m.SetPosition(-1));
  EXPECT_TRUE(m.SetPosition(4));
  EXPECT_FALSE(m.SetPosition(4));
  m.SetScalaPart(2);
  EXPECT_EQ(m.Position(), 2);
  m.SetScalaPart(0);
  EXPECT_EQ(m.ScalaPart(), 1);
  m.SetScalaPart(99);
  EXPECT_EQ(m.ScalaPart(), 20);
  m.LoadPosition(30);
  EXPECT_TRUE(m.Normalise());
  EXPECT_EQ(m.Position(), 20);
}

TEST(SelectorModel, AnAngleSelectsTheNearestDetent) {
  TSelectorModel m(4, 20);
  EXPECT_EQ(m.DetentAngle(1), 67.5);
  EXPECT_EQ(m.DetentAngle(4), 270);
  EXPECT_EQ(m.PositionAt(0), 0);
  EXPECT_EQ(m.PositionAt(33.75), 0);   // half-way: the even one
  EXPECT_EQ(m.PositionAt(101.25), 2);  // half-way: the even one
  EXPECT_EQ(m.PositionAt(34), 1);
  EXPECT_EQ(m.PositionAt(270), 4);
  EXPECT_EQ(m.PositionAt(310), 5);  // beyond the end, for the caller to refuse
  EXPECT_EQ(m.PositionAt(-40), -1);
}

TEST(SelectorModel, EntriesLabelTheirDetentsAndCarryValues) {
  TSelectorModel m(6, 20);
  m.SetEntries({" Off ", "Low|12|0.5", "High|clRed|1,5", "Ch 1", "A very long text|3"});
  EXPECT_EQ(m.EntryCount(), 5);
  EXPECT_EQ(m.Label(0), "Off");
  EXPECT_EQ(m.Label(4), "A very lon");
  EXPECT_EQ(m.Label(5), "");  // a detent without an entry
  EXPECT_EQ(m.Label(6), "");

  m.SetPosition(1);
  EXPECT_EQ(m.PosString(), "Low");
  EXPECT_EQ(m.PosInteger(), 12);
  EXPECT_EQ(m.PosFloat(), 0.5);
  m.SetPosition(3);
  EXPECT_EQ(m.PosInteger(), 0);  // no value field
  m.SetPosition(6);
  EXPECT_EQ(m.PosString(), "");
  EXPECT_EQ(m.PosInteger(), 0);

  EXPECT_EQ(m.FindInteger(12), 1);
  EXPECT_EQ(m.FindInteger(3), 4);
  EXPECT_EQ(m.FindInteger(77), -1);
  EXPECT_EQ(m.FindColor(clRed), 2);
  EXPECT_EQ(m.FindFloat(1.5), 2);
}

// ---------------------------------------------------------------- layout

TEST(DialFrame, ThousandUnitsAreHalfTheShorterSide) {
  // A 200 x 200 control with the default rings leaves (4, 4, 196, 196);
  // the margin is 200 div 40.
  const TDialFrame sq = TDialFrame::Make(TRect(4, 4, 196, 196), 200, 200);
  EXPECT_EQ(sq.R, TRect(9, 9, 191, 191));
  EXPECT_EQ(sq.Centre(), TPoint(100, 100));
  EXPECT_EQ(sq.Map(-1000, 1000), TPoint(9, 9));
  EXPECT_EQ(sq.Map(600, -600), TPoint(154, 154));
  EXPECT_EQ(sq.Map(0, 670), TPoint(100, 39));

  // Wider than high: y spans +-1000, x as far as the width reaches.
  const TDialFrame wide = TDialFrame::Make(TRect(4, 4, 296, 156), 300, 160);
  EXPECT_EQ(wide.XMax, 1972);
  EXPECT_EQ(wide.YMax, 1000);
  EXPECT_EQ(wide.Centre(), TPoint(150, 80));
  // Higher than wide: the other way round.
  const TDialFrame tall = TDialFrame::Make(TRect(4, 4, 116, 216), 120, 220);
  EXPECT_EQ(tall.XMax, 1000);
  EXPECT_EQ(tall.YMax, 1943);
  EXPECT_EQ(tall.Centre(), TPoint(60, 110));

  // Nothing left for a dial: no division by zero.
  const TDialFrame none = TDialFrame::Make(TRect(4, 4, 4, 10), 8, 14);
  EXPECT_EQ(none.Centre().X, 4);
}

TEST(DialFrame, PotLayoutPlacesPresetCaptionAndLabelFont) {
  TRotaryLook look;
  look.Font.Height = -11;
  look.CaptBevel = bvRaised;
  const TRotaryLayout l = PotiLayout(look, 200, 200);
  EXPECT_EQ(l.Inner, TRect(4, 4, 196, 196));
  EXPECT_EQ(l.Preset, TRect(4, 177, 36, 196));
  EXPECT_EQ(l.ZeroPoint, TPoint(61, 139));  // rim top turned to the lower left
  // Ticks 9 pixels long give 14-point labels (19 pixels).
  EXPECT_EQ(l.TickOuter.Y - l.TickInner.Y, -9);
  EXPECT_EQ(l.LabelFont.Height, -19);
  EXPECT_EQ(l.CaptionFrame, TRect(54, 168, 145, 190));
  EXPECT_EQ(l.CaptionBox, TRect(55, 169, 144, 189));

  look.FontAutom = false;
  EXPECT_EQ(PotiLayout(look, 200, 200).LabelFont.Height, -11);
  // The selector sizes its labels by the dot radius instead.
  look.FontAutom = true;
  const TRotaryLayout s = SelectorLayout(look, 200, 200);
  EXPECT_EQ(s.DotRadius, 4);
  EXPECT_EQ(s.LabelFont.Height, -20);
}

TEST(ScaleLabels, DecimalsFollowTheSpan) {
  struct Row {
    double start, end;
    int parts;
    const char* labels;
  };
  const Row rows[] = {
      {0, 10, 5, "0 2.0 4.0 6.0 8.0 10.0"},
      {0, 20, 5, "0 4 8 12 16 20"},
      {0, 2, 5, "0 0.4 0.8 1.2 1.6 2.0"},
      {0, 1, 4, "0 0.25 0.5 0.75 1.0"},
      {-1, 2, 3, "-1.0 0 1.0 2.0"},
  };
  for (const Row& r : rows) {
    QStringList texts;
    const int d = ScaleDecimals(r.end - r.start);
    for (int i = 0; i <= r.parts; ++i) texts << ScaleLabel(r.start + (r.end - r.start) / r.parts * i, d);
    EXPECT_EQ(texts.join(' '), r.labels);
  }
}
