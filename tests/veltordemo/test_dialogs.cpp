#include "buttons/textspin.h"
#include "demodialog.h"
#include "foundation/tickregistry.h"
#include "launchtable.h"
#include "radiogroup.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Veltor;
using namespace VeltorDemo;

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
};

// Every dialog of the launcher with what it shows and a few values its form
// stores.
const std::vector<DialogRow>& Dialogs() {
  static const std::vector<DialogRow> rows = {
      {"TBevelDemo", "Bevel 3D", {{"Veltor::TBevel3D", 2}}, {{"Bevel3D1", "BevelOut", int(bvRaised)}}},
  };
  return rows;
}

int CountOf(QObject* root, const char* className) {
  int n = 0;
  for (QObject* o : root->findChildren<QObject*>()) n += QLatin1String(o->metaObject()->className()) == className;
  return n;
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
    for (const Stored& value : row.Values) {
      QObject* o = dialog->findChild<QObject*>(QLatin1String(value.Object));
      ASSERT_TRUE(o) << value.Object;
      const QVariant actual = o->property(value.Property);
      EXPECT_EQ(value.Value.typeId() == QMetaType::Int ? QVariant(actual.toInt()) : actual, value.Value)
          << value.Object << "." << value.Property;
    }
    dialog->show();
    for (int i = 0; i < 5; ++i) TimerTick();
    QCoreApplication::processEvents();
    dialog->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    dialog.reset();
    for (const QPointer<QObject>& c : components) EXPECT_TRUE(c.isNull());
    EXPECT_EQ(TimerRegistry::Global().Count(), tickersBefore);
  }
}

// What the test does to a control of a dialog: a radio group takes the
// entry's index, a check box the state, an edit the text, a spinner the
// position (and fires its change), a scroll bar the position.
void Operate(QObject* control, const QVariant& input) {
  if (auto* group = qobject_cast<TRadioGroup*>(control)) {
    group->findChild<QRadioButton*>(QStringLiteral("item%1").arg(input.toInt()))->click();
  } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
    check->setChecked(input.toBool());
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(input.toString());
  } else if (auto* spin = qobject_cast<TCustomSpin*>(control)) {
    spin->SetPosition(input.toInt());
    emit spin->onChanging(spin);
    emit spin->onChanged(spin);
  } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
    bar->setValue(input.toInt());
  } else {
    ADD_FAILURE() << "cannot operate " << control->metaObject()->className();
  }
}

struct HandlerRow {
  const char* Dialog;
  const char* Control;
  QVariant Input;
  const char* Component;
  const char* Property;
  QVariant Expected;
};

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
  };
  for (const HandlerRow& row : rows) {
    SCOPED_TRACE(std::string(row.Dialog) + " " + row.Control + " -> " + row.Component + "." + row.Property);
    std::unique_ptr<QDialog> dialog = CreateDemoDialog(QLatin1String(row.Dialog));
    ASSERT_TRUE(dialog);
    QObject* control = dialog->findChild<QObject*>(QLatin1String(row.Control));
    QObject* component = dialog->findChild<QObject*>(QLatin1String(row.Component));
    ASSERT_TRUE(control && component);
    Operate(control, row.Input);
    const QVariant actual = component->property(row.Property);
    EXPECT_EQ(row.Expected.typeId() == QMetaType::Int ? QVariant(actual.toInt()) : actual, row.Expected);
  }
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
