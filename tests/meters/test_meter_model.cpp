#include "meters/meter_model.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;

TEST(MeterModel, RangeSettersClampAndResetZones) {
  TMeterModel m;
  m.SetValue(20);
  EXPECT_TRUE(m.SetValueStart(50));
  EXPECT_EQ(m.ValueMinA(), 50);
  EXPECT_EQ(m.ValueMinE(), 55);
  EXPECT_EQ(m.ValueMidA(), 75);
  EXPECT_EQ(m.ValueMidE(), 80);
  EXPECT_EQ(m.ValueMaxA(), 95);
  EXPECT_EQ(m.ValueMaxE(), 100);
  EXPECT_EQ(m.Value(), 50);
  EXPECT_EQ(m.PeakValue(), 50);

  m.SetValueEnd(50);
  EXPECT_EQ(m.ValueEnd(), 51);
  m.SetValueEnd(5000);
  EXPECT_EQ(m.ValueEnd(), 1000);
  m.SetValueStart(2000);
  EXPECT_EQ(m.ValueStart(), 999);
  m.SetValueStart(-5000);
  EXPECT_EQ(m.ValueStart(), -1000);
}

TEST(MeterModel, ZoneBoundsKeepTheirOrder) {
  TMeterModel m;  // zones 0/10, 50/75, 75/100
  m.SetValueMinE(m.ValueMinA());
  EXPECT_EQ(m.ValueMinE(), m.ValueMinA() + 1);
  m.SetValueMaxE(m.ValueMaxA());
  EXPECT_EQ(m.ValueMaxE(), m.ValueMaxA());
  m.SetValueMidA(80);
  EXPECT_EQ(m.ValueMidA(), 74);
  m.SetValueMidE(500);
  EXPECT_EQ(m.ValueMidE(), 100);
  m.SetValueMinA(-5);
  EXPECT_EQ(m.ValueMinA(), 0);
}

TEST(MeterModel, StoredFormValuesAreKeptAndDrawnWithASaneRange) {
  TMeterModel m;
  m.SetValueEnd(-20, true);
  m.SetValueMinE(-50, true);
  EXPECT_EQ(m.ValueEnd(), -20);
  EXPECT_EQ(m.ValueMinE(), -50);
  EXPECT_EQ(m.ScaleEnd(), 1);
  EXPECT_EQ(m.Fraction(0.5), 0.5);
  m.SetValue(3);
  m.Step();
  EXPECT_TRUE(m.OverRange());
  EXPECT_EQ(m.NeedleFraction(), 1);
  const std::vector<TScaleTick> ticks = m.Ticks();
  EXPECT_EQ(ticks.back().Value, 1);
}

TEST(MeterModel, ClampsDivisionsAndDamping) {
  TMeterModel m;
  m.SetScalaPart(0);
  EXPECT_EQ(m.ScalaPart(), 1);
  m.SetScalaPart(25);
  EXPECT_EQ(m.ScalaPart(), 20);
  m.SetScalaPsub(-5);
  EXPECT_EQ(m.ScalaPsub(), -1);
  m.SetDamping(15);
  EXPECT_EQ(m.Damping(), 10);
  m.SetDampPeak(-3);
  EXPECT_EQ(m.DampPeak(), 0);
}

TEST(MeterModel, DecadeModeRoundsToPowersOfTen) {
  TMeterModel m;
  m.SetNonLinear(true);
  EXPECT_DOUBLE_EQ(m.ValueStart(), 0.001);
  EXPECT_EQ(m.ValueEnd(), 100);
  EXPECT_EQ(m.Decades(), 5);
  EXPECT_GT(m.Value(), 0);
  EXPECT_NEAR(m.Fraction(1), 0.6, 1e-6);
  m.SetValueEnd(250);
  EXPECT_EQ(m.ValueEnd(), 100);
  // Major ticks at each decade, nine ticks inside each (the first on the
  // major tick).
  int majors = 0;
  for (const TScaleTick& t : m.Ticks()) majors += t.Major;
  EXPECT_EQ(majors, 6);
  EXPECT_EQ(m.Ticks().size(), 6u + 5u * 9u);
}

TEST(MeterModel, DampingAndLimitEvents) {
  TMeterModel m;
  m.SetDamping(1);
  m.SetValue(100);
  EXPECT_FALSE(m.Step().UpperLim);
  EXPECT_EQ(m.ShownValue(), 50);
  EXPECT_FALSE(m.Step().UpperLim);  // 75 lands on the limit
  EXPECT_EQ(m.ShownValue(), 75);
  EXPECT_TRUE(m.Step().UpperLim);  // 87.5 has passed it
  EXPECT_EQ(m.ShownValue(), 87.5);
  EXPECT_FALSE(m.Step().UpperLim);
  m.SetDamping(0);
  m.SetValue(150);
  EXPECT_FALSE(m.Step().UpperLim);
  EXPECT_TRUE(m.OverRange());
  m.SetValue(5);
  EXPECT_TRUE(m.Step().LowerLim);
  EXPECT_FALSE(m.Step().LowerLim);
  m.SetValue(80);
  EXPECT_TRUE(m.Step().UpperLim);
}

TEST(MeterModel, PeakPointerRisesAndDragsBack) {
  TMeterModel m;
  m.SetPeakMode(ppPeak);
  m.SetValue(60);
  m.Step();
  m.SetValue(20);
  m.Step();
  EXPECT_EQ(m.PeakValue(), 60);
  m.SetValue(500);
  m.Step();
  EXPECT_EQ(m.PeakValue(), 100);
  EXPECT_TRUE(m.ResetPeak());
  EXPECT_EQ(m.PeakValue(), 0);

  m.SetPeakMode(ppDrag);
  m.SetDampPeak(1);
  m.SetValue(80);
  m.Step();
  m.SetValue(40);
  m.Step();
  EXPECT_EQ(m.PeakValue(), 60);
}

TEST(MeterModel, ReadoutTexts) {
  TMeterModel m;
  const auto shown = [&m](double v) {
    m.SetValue(v);
    m.Step();
    return m.ReadoutText();
  };
  EXPECT_EQ(shown(12.5), "12.50");
  EXPECT_EQ(shown(5), "5.000");
  EXPECT_EQ(shown(1234), "1234");
  EXPECT_EQ(shown(123.4), "123.4");
  m.SetDispFixPnt(true);
  EXPECT_EQ(shown(0.5), "  0.5");
  m.SetValueEnd(99);
  EXPECT_EQ(shown(0.5), " 0.50");
  m.SetValueEnd(9);
  EXPECT_EQ(shown(0.5), "0.500");
}

TEST(MeterModel, LabelsAndDivisions) {
  TMeterModel m;
  m.SetValueEnd(2);
  QStringList labels;
  for (const TScaleTick& t : m.Ticks())
    if (t.Major) labels << m.LinearLabel(t.Value);
  EXPECT_EQ(labels.join(' '), "0 0.2 0.4 0.6 0.8 1.0 1.2 1.4 1.6 1.8 2.0");
  m.SetValueEnd(4);
  EXPECT_EQ(m.LinearLabel(0.4), "0.4");
  m.SetValueEnd(5);
  EXPECT_EQ(m.LinearLabel(2.5), "3");  // four digits, no decimals from width 5 on

  EXPECT_EQ(m.MinorDivisions(), 2);
  EXPECT_EQ(m.Ticks().size(), 21u);  // 11 major, one minor between each pair
  m.SetScalaPart(12);
  EXPECT_EQ(m.MinorDivisions(), 0);
  m.SetScalaPsub(3);
  EXPECT_EQ(m.MinorDivisions(), 4);
  m.SetScalaPsub(0);
  EXPECT_EQ(m.Ticks().size(), 13u);
}

TEST(MeterModel, LedsAndRangeMarksBlink) {
  TMeterModel m;
  m.Led(0).On = true;
  m.Led(0).Blink = true;
  m.BlinkLeds(true);
  EXPECT_FALSE(m.Led(0).Lit());
  m.BlinkLeds(false);
  EXPECT_TRUE(m.Led(0).Lit());

  m.SetValue(200);
  m.Step();
  EXPECT_TRUE(m.EndMarkStep(false));  // drawn after a copy to the screen
  EXPECT_FALSE(m.StartMarkStep(false));
  EXPECT_TRUE(m.EndMarkStep(true));  // blink: erased, phase set
  EXPECT_FALSE(m.EndMarkStep(false));
  m.SetValue(50);
  m.Step();
  EXPECT_TRUE(m.MarksActive());
  // Back in range during the dark half: the next blink draws nothing.
  EXPECT_FALSE(m.EndMarkStep(true));
  EXPECT_FALSE(m.MarksActive());
}
