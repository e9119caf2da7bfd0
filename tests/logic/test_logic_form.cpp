#include "host/formloader.h"
#include "logic/logic.h"
#include "logic/logic_classes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace Veltor;

namespace {

// Builds a form from .ui text; fails the test with the loader's error.
std::unique_ptr<QWidget> LoadForm(const QTemporaryDir& dir, const char* xml) {
  RegisterLogicClasses();
  const QString path = dir.filePath(QStringLiteral("form.ui"));
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(xml);
  f.close();
  TFormLoader loader;
  std::unique_ptr<QWidget> form = loader.Load(path);
  EXPECT_TRUE(form) << loader.ErrorString().toStdString();
  return form;
}

}  // namespace

TEST(LogicForm, StoredSettingsArriveThroughTheSetters) {
  QTemporaryDir dir;
  std::unique_ptr<QWidget> form = LoadForm(dir, R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TLogic" name="Display">
   <property name="DisplayTyp"><enum>dispBottom</enum></property>
   <property name="LogSize"><enum>Size16</enum></property>
   <property name="Modus"><enum>TextDisp</enum></property>
   <property name="ColCurve"><string>clAqua</string></property>
   <property name="ColTrigger"><string>$0080FF</string></property>
   <property name="ChanLast"><number>7</number></property>
   <property name="DispEndPos"><number>29</number></property>
   <property name="TimeBase"><double>0.001</double></property>
   <property name="NameHead"><string>Display</string></property>
  </widget>
 </widget>
</ui>
)");
  ASSERT_TRUE(form);
  auto* l = form->findChild<TLogic*>(QStringLiteral("Display"));
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->DisplayTyp(), TDisplay::dispBottom);
  EXPECT_EQ(l->LogSize(), TLogic::Size16);
  EXPECT_EQ(l->BufferCount(), 2000);
  EXPECT_EQ(l->Modus(), TLogic::TextDisp);
  EXPECT_EQ(l->ColCurve(), clAqua);
  EXPECT_EQ(l->ColTrigger(), TColor(0x0080FF));
  EXPECT_EQ(l->ChanLast(), 7);
  EXPECT_EQ(l->DispEndPos(), 29);
  EXPECT_DOUBLE_EQ(l->TimeBase(), 0.001);
}

TEST(LogicForm, FontPartsAreStoredProperties) {
  QTemporaryDir dir;
  std::unique_ptr<QWidget> form = LoadForm(dir, R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TDisplay" name="Box">
   <property name="FontName"><string>Courier New</string></property>
   <property name="FontHeight"><number>-13</number></property>
   <property name="FontColor"><string>clYellow</string></property>
   <property name="FontStyle"><set>fsBold|fsItalic</set></property>
  </widget>
 </widget>
</ui>
)");
  ASSERT_TRUE(form);
  auto* box = form->findChild<TDisplay*>(QStringLiteral("Box"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Font().Name, QStringLiteral("Courier New"));
  EXPECT_EQ(box->Font().Height, -13);
  EXPECT_EQ(box->Font().Size(), 10);
  EXPECT_EQ(box->Font().Color, clYellow);
  EXPECT_EQ(box->Font().Style, TFontStyles(fsBold | fsItalic));
}
