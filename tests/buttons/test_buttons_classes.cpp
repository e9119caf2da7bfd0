#include "buttons/bevel3d.h"
#include "buttons/boxline.h"
#include "buttons/buttons_classes.h"
#include "buttons/multibmp.h"
#include "buttons/pictbutton.h"
#include "buttons/slidebutton.h"
#include "buttons/textspin.h"
#include "host/formloader.h"

#include "formtest.h"

#include <gtest/gtest.h>

using namespace Veltor;
using Veltor::ButtonEnums::orHorizontal;
using Veltor::ButtonEnums::sstCircle;

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

TEST(ButtonClasses, StoredFormSetsSwitchesPictureButtonsAndBoxes) {
  RegisterButtonClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TSlideButton" name="Mains">
   <property name="Position"><enum>swPos1</enum></property>
   <property name="TextPos2"><string>Netz aus</string></property>
   <property name="BmpPos1"><pixmap>:/buttons/moon.png</pixmap></property>
  </widget>
  <widget class="TPictButton" name="Start">
   <property name="PictStyle"><enum>threeRow</enum></property>
   <property name="Shape"><enum>sstCircle</enum></property>
   <property name="Text1"><string>Lauf</string></property>
   <property name="Font1"><font><pointsize>14</pointsize></font></property>
   <property name="Font2Color"><string>clYellow</string></property>
   <property name="Symbol"><pixmap>:/buttons/speaker.png</pixmap></property>
  </widget>
  <widget class="TMultiBmp" name="Fan">
   <property name="Glyph"><pixmap>:/buttons/fan.png</pixmap></property>
   <property name="GlyphNums"><number>4</number></property>
   <property name="GlyphSel"><number>3</number></property>
   <property name="Animate"><bool>true</bool></property>
  </widget>
  <widget class="TBoxLine" name="Port">
   <property name="Orientation"><enum>orHorizontal</enum></property>
   <property name="BoxStatByte"><number>5</number></property>
   <property name="Box7.Status"><bool>true</bool></property>
   <property name="Box1.Enabled"><bool>false</bool></property>
   <property name="Box2.CaptLong"><string>Motor</string></property>
   <property name="Box3.GlyphOn"><pixmap>:/buttons/tick.png</pixmap></property>
   <property name="Box3.NumGlyphs"><number>2</number></property>
  </widget>)");
  ASSERT_TRUE(form);

  auto* mains = form->findChild<TSlideButton*>("Mains");
  ASSERT_TRUE(mains);
  EXPECT_EQ(mains->Position(), swPos1);
  EXPECT_EQ(mains->TextPos2(), "Netz aus");
  EXPECT_EQ(mains->BmpPos1().size(), QSize(32, 24));

  auto* start = form->findChild<TPictButton*>("Start");
  ASSERT_TRUE(start);
  EXPECT_EQ(start->PictStyle(), threeRow);
  EXPECT_EQ(start->Shape(), sstCircle);
  EXPECT_EQ(start->Text1(), "Lauf");
  EXPECT_EQ(start->Font1().Size(), 14);
  EXPECT_EQ(start->Font1().Color, clLime);  // not named in the form: kept
  EXPECT_EQ(start->Font2().Color, clYellow);
  EXPECT_EQ(start->Symbol().size(), QSize(48, 48));

  auto* fan = form->findChild<TMultiBmp*>("Fan");
  ASSERT_TRUE(fan);
  EXPECT_EQ(fan->Glyph().size(), QSize(128, 32));
  EXPECT_EQ(fan->GlyphNums(), 4);
  EXPECT_EQ(fan->GlyphSel(), 3);
  EXPECT_TRUE(fan->Animate());

  auto* port = form->findChild<TBoxLine*>("Port");
  ASSERT_TRUE(port);
  EXPECT_EQ(port->Orientation(), orHorizontal);
  EXPECT_EQ(port->BoxStatByte(), 133);
  EXPECT_EQ(port->BoxEnaByte(), 253);
  EXPECT_EQ(port->Box2()->CaptLong(), "Motor");
  EXPECT_EQ(port->Box3()->GlyphOn().size(), QSize(30, 15));
  EXPECT_EQ(port->Box3()->NumGlyphs(), 2);
}

TEST(ButtonClasses, StoredFormNamingAMissingBoxPictureIsRefused) {
  RegisterButtonClasses();
  VeltorTest::FormFiles files;
  const QString text = VeltorTest::FormText(R"(
  <widget class="TBoxLine" name="Port">
   <property name="Box0.GlyphOff"><pixmap>:/buttons/no-such-picture.png</pixmap></property>
  </widget>)");
  const QString path = files.Write(QStringLiteral("form.ui"), text);
  EXPECT_FALSE(files.Loader.Load(path));
  EXPECT_TRUE(files.Loader.ErrorString().contains(
      QStringLiteral(":%1: cannot read the picture").arg(VeltorTest::LineOf(text, QStringLiteral("no-such-picture")))))
      << files.Loader.ErrorString().toStdString();
}
