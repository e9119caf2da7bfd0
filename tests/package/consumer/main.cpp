// Uses an installed Veltor: a meter made in code and one made by name
// through the form registry.
#include "host/formloader.h"
#include "meters/meter270.h"
#include "meters/meters_classes.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Veltor::TMeter270 meter;
  meter.SetValueEnd(200);
  meter.SetValue(150);
  const QImage picture = meter.grab().toImage();

  Veltor::RegisterMeterClasses();
  std::unique_ptr<QObject> byName(Veltor::TFormLoader::CreateObject(QStringLiteral("TMeter270"), nullptr));

  std::printf("meter value %g, picture %dx%d, by name: %s\n", meter.Value(), picture.width(), picture.height(),
              byName ? byName->metaObject()->className() : "none");
  return meter.Value() == 150 && !picture.isNull() && qobject_cast<Veltor::TMeter270*>(byName.get()) ? 0 : 1;
}
