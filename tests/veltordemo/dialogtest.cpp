#include "dialogtest.h"

#include "buttons/ledcheck.h"
#include "buttons/textspin.h"
#include "demodialog.h"
#include "host/radiogroup.h"
#include "misc/numedit.h"
#include "potis/poti10t.h"
#include "potis/poti270.h"
#include "potis/selectorslide.h"
#include "potis/slider.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <string>

using namespace Veltor;

namespace DemoTest {

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
  } else if (auto* slide = qobject_cast<TCustomSlide*>(control)) {
    slide->setProperty(qobject_cast<TSelectorSlide*>(control) ? "Position" : "Value", input);
    emit slide->onChanging(slide);
  } else if (auto* led = qobject_cast<TLedCheck*>(control)) {
    led->SetChecked(input.toBool());
    emit led->OnClick(led);
  } else if (auto* slider = qobject_cast<TSlider*>(control)) {
    slider->SetValue(input.toDouble());
    emit slider->OnChanging(slider);
  } else if (auto* rotary = qobject_cast<TPoti270*>(control)) {
    rotary->SetValue(input.toDouble());
    emit rotary->onChanging(rotary);
  } else if (auto* poti = qobject_cast<TPoti10T*>(control)) {
    poti->SetValue(input.toDouble());
    emit poti->onChanging(poti);
  } else if (auto* field = qobject_cast<TNumEdit*>(control)) {
    field->SetValueFloat(input.toDouble());
    emit field->OnChange(field);
  } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
    bar->setValue(input.toInt());
  } else {
    ADD_FAILURE() << "cannot operate " << control->metaObject()->className();
  }
}
QVariant Comparable(const QVariant& actual, const QVariant& expected) {
  return expected.typeId() == QMetaType::Int ? QVariant(actual.toInt()) : actual;
}

void ExpectHandlerRows(const std::vector<HandlerRow>& rows, DialogOpener open) {
  for (const HandlerRow& row : rows) {
    SCOPED_TRACE(std::string(row.Dialog) + " " + row.Control + " -> " + row.Component + "." + row.Property);
    std::unique_ptr<QDialog> dialog = open ? open(row.Dialog) : VeltorDemo::CreateDemoDialog(QLatin1String(row.Dialog));
    ASSERT_TRUE(dialog);
    QObject* control = dialog->findChild<QObject*>(QLatin1String(row.Control));
    QObject* component = dialog->findChild<QObject*>(QLatin1String(row.Component));
    ASSERT_TRUE(control && component);
    Operate(control, row.Input);
    EXPECT_EQ(Comparable(component->property(row.Property), row.Expected), row.Expected);
  }
}

}  // namespace DemoTest
