#include "buttons/bevel3d.h"
#include "buttons/buttons_classes.h"
#include "buttons/textspin.h"
#include "host/formloader.h"

#include "formtest.h"

#include <gtest/gtest.h>

using namespace Veltor;

TEST(ButtonClasses, RegisteringBringsTheFoundationClasses) {
  RegisterButtonClasses();
  EXPECT_NE(TFormLoader::RegisteredClass(QStringLiteral("TRahmen")), nullptr);
}

TEST(ButtonClasses, StoredFormBuildsEachButtonClass) {
  RegisterButtonClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TBevel3D" name="Zeitbasis">
   <property name="geometry"><rect><x>0</x><y>0</y><width>120</width><height>30</height></rect></property>
   <property name="Caption"><string>Zeitbasis</string></property>
   <property name="CaptEnable"><bool>true</bool></property>
   <property name="CaptBevel"><enum>bvLowered</enum></property>
   <property name="TextAdjust"><enum>ttRight</enum></property>
   <property name="ButtonStyle"><enum>tsNone</enum></property>
   <property name="Down"><bool>true</bool></property>
   <property name="GroupIndex"><number>300</number></property>
   <property name="ColCaptBack"><string>clNavy</string></property>
   <property name="Font"><font><pointsize>12</pointsize><bold>true</bold></font></property>
   <property name="FontColor"><string>clRed</string></property>
  </widget>
  <widget class="TTextSpin" name="TimeBase">
   <property name="PosText"><stringlist><string>1 ms|1|1e-3</string><string>2 ms|2|2e-3</string><string>5 ms|5|5e-3</string></stringlist></property>
   <property name="Position"><number>2</number></property>
   <property name="PosFloat"><double>0.001</double></property>
   <property name="Limiter"><bool>true</bool></property>
   <property name="RepSpeed"><number>200</number></property>
   <property name="TextAdjust"><enum>ttLeft</enum></property>
  </widget>
  <widget class="TSerieSpin" name="Range">
   <property name="ColTxtBack"><string>clBlack</string></property>
   <property name="Position"><number>1</number></property>
  </widget>)");
  ASSERT_TRUE(form);

  auto* caption = form->findChild<TBevel3D*>("Zeitbasis");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->Caption(), "Zeitbasis");
  EXPECT_TRUE(caption->CaptEnable());
  EXPECT_EQ(caption->CaptBevel(), bvLowered);
  EXPECT_EQ(caption->TextAdjust(), ttRight);
  EXPECT_TRUE(caption->Down());  // stored while loading, whatever the style
  EXPECT_EQ(caption->GroupIndex(), 255);
  EXPECT_EQ(caption->ColCaptBack(), clNavy);
  EXPECT_EQ(caption->Font().Size(), 12);
  EXPECT_TRUE(caption->Font().Style.testFlag(fsBold));
  EXPECT_EQ(caption->Font().Name, "Arial");  // not named in the form: kept
  EXPECT_EQ(caption->Font().Color, clRed);

  auto* spin = form->findChild<TTextSpin*>("TimeBase");
  ASSERT_TRUE(spin);
  EXPECT_EQ(spin->Count(), 3);
  EXPECT_EQ(spin->Position(), 2);  // the stored PosFloat does not move it
  EXPECT_EQ(spin->PosString(), "5 ms");
  EXPECT_TRUE(spin->Limiter());
  EXPECT_EQ(spin->RepSpeed(), 200);
  EXPECT_EQ(spin->TextAdjust(), ttLeft);

  auto* serie = form->findChild<TSerieSpin*>("Range");
  ASSERT_TRUE(serie);
  EXPECT_EQ(serie->ColTxtBack(), clBlack);
  EXPECT_EQ(serie->PosString(), "10");
}
