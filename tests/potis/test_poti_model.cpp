// The widget-free parts of the rotary controls: value rules, dial angles,
// detents and entries, the dial frame and the scale labels.

#include "host/canvas.h"
#include "potis/poti_layout.h"
#include "potis/poti_model.h"
#include "potis/selector_model.h"

#include <gtest/gtest.h>

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

TEST(PotiModel, WheelCountsWholeNotchesAndKeepsTheRest) {
  TWheelNotches w;
  EXPECT_EQ(w.Add(240), 2);
  EXPECT_EQ(w.Add(-60), 0);
  EXPECT_EQ(w.Add(-60), -1);
  EXPECT_EQ(w.Add(90), 0);
  EXPECT_EQ(w.Add(30), 1);
}

TEST(PotiModel, OnlyTheLeftButtonAloneCounts) {
  EXPECT_TRUE(LeftButtonAlone(TShiftState(ssLeft) | ssDouble));
  EXPECT_FALSE(LeftButtonAlone(TShiftState(ssLeft) | ssCtrl));
}

// ---------------------------------------------------------------- selector

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
  EXPECT_EQ(m.Label(0), "Off");
  EXPECT_EQ(m.Label(4), "A very lon");
  EXPECT_EQ(m.Label(5), "");  // a detent without an entry
  m.SetPosition(3);
  EXPECT_EQ(m.PosInteger(), 0);  // no value field
  m.SetPosition(6);
  EXPECT_EQ(m.PosString(), "");
  EXPECT_EQ(m.FindInteger(3), 4);
  EXPECT_EQ(m.FindInteger(77), -1);
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
      {0, 10, 5, "0 2.0 4.0 6.0 8.0 10.0"}, {0, 20, 5, "0 4 8 12 16 20"}, {0, 2, 5, "0 0.4 0.8 1.2 1.6 2.0"},
      {0, 1, 4, "0 0.25 0.5 0.75 1.0"},     {-1, 2, 3, "-1.0 0 1.0 2.0"},
  };
  for (const Row& r : rows) {
    QStringList texts;
    const int d = ScaleDecimals(r.end - r.start);
    for (int i = 0; i <= r.parts; ++i) texts << ScaleLabel(r.start + (r.end - r.start) / r.parts * i, d);
    EXPECT_EQ(texts.join(' '), r.labels);
  }
}
