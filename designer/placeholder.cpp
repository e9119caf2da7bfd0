#include "placeholder.h"

#include "host/component.h"
#include "host/formloader.h"

#include <QHash>
#include <QPainter>

#include <array>
#include <deque>
#include <utility>

namespace VeltorDesigner {

namespace {

// Each copied meta-object level gets its own forwarding function, which
// hands the call to the level's original function with the tile's
// component in place of the tile.
using TStaticMetacall = QMetaObject::Data::StaticMetacallFunction;
constexpr int kForwardSlots = 64;
std::array<TStaticMetacall, kForwardSlots> gOriginals{};

template <int Slot>
void Forward(QObject* object, QMetaObject::Call call, int id, void** arguments) {
  QObject* component = object ? static_cast<TComponentPlaceholder*>(object)->Component() : nullptr;
  if (object && !component) return;
  gOriginals[Slot](component, call, id, arguments);
}

template <std::size_t... Slots>
constexpr std::array<TStaticMetacall, kForwardSlots> MakeForwarders(std::index_sequence<Slots...>) {
  return {&Forward<int(Slots)>...};
}
constexpr auto kForwarders = MakeForwarders(std::make_index_sequence<kForwardSlots>());

// The tile's meta-object for a component class: copies of the class's levels
// down to (not including) QObject, the lowest resting on TPlaceholderTile.
// Made once per class and kept for the process, as meta-objects are.
const QMetaObject* TileMetaObject(const QMetaObject* component) {
  static QHash<const QMetaObject*, const QMetaObject*> made;
  static std::deque<QMetaObject> copies;
  static int slotsUsed = 0;
  if (const QMetaObject* known = made.value(component)) return known;

  std::vector<const QMetaObject*> levels;
  for (const QMetaObject* m = component; m && m != &QObject::staticMetaObject; m = m->superClass()) levels.push_back(m);
  if (slotsUsed + int(levels.size()) > kForwardSlots) return nullptr;
  const QMetaObject* below = &TPlaceholderTile::staticMetaObject;
  for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
    QMetaObject copy = **level;
    copy.d.superdata = below;
    if (copy.d.static_metacall) {
      gOriginals[slotsUsed] = copy.d.static_metacall;
      copy.d.static_metacall = kForwarders[slotsUsed++];
    }
    copies.push_back(copy);
    below = &copies.back();
  }
  made.insert(component, below);
  return below;
}

bool IsPropertyCall(QMetaObject::Call call) {
  return call == QMetaObject::ReadProperty || call == QMetaObject::WriteProperty ||
         call == QMetaObject::ResetProperty || call == QMetaObject::BindableProperty ||
         call == QMetaObject::RegisterPropertyMetaType;
}

}  // namespace

TComponentPlaceholder::TComponentPlaceholder(const QString& registeredName, QWidget* parent)
    : TPlaceholderTile(parent) {
  const QMetaObject* componentMeta = Veltor::TFormLoader::RegisteredClass(registeredName);
  const QMetaObject* tileMeta = componentMeta ? TileMetaObject(componentMeta) : nullptr;
  QObject* component = tileMeta ? Veltor::TFormLoader::CreateObject(registeredName, this) : nullptr;
  if (component) {
    // Designing: components that reach devices or the system leave them alone.
    if (auto* state = dynamic_cast<Veltor::TComponentBase*>(component)) {
      state->SetComponentState(state->ComponentState() | Veltor::csDesigning);
    }
    FComponent = component;
    FMetaObject = tileMeta;
  }
  resize(kSide, kSide);
  setToolTip(registeredName);
}

// Calls below the component's levels are the tile's own; the rest are the
// component's, whose own numbering starts after QObject's members.
int TComponentPlaceholder::qt_metacall(QMetaObject::Call call, int id, void** arguments) {
  id = TPlaceholderTile::qt_metacall(call, id, arguments);
  if (id < 0 || !FComponent) return id;
  if (IsPropertyCall(call))
    return FComponent->qt_metacall(call, id + QObject::staticMetaObject.propertyCount(), arguments);
  if (call == QMetaObject::InvokeMetaMethod || call == QMetaObject::RegisterMethodArgumentMetaType) {
    return FComponent->qt_metacall(call, id + QObject::staticMetaObject.methodCount(), arguments);
  }
  return id;
}

// A raised grey tile with the class name's capitals ("TSmartTimer" -> "ST").
void TComponentPlaceholder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect tile = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(tile, QColor(0xE0, 0xE0, 0xE0));
  painter.setPen(Qt::white);
  painter.drawLine(tile.topLeft(), tile.topRight());
  painter.drawLine(tile.topLeft(), tile.bottomLeft());
  painter.setPen(QColor(0x60, 0x60, 0x60));
  painter.drawLine(tile.bottomLeft(), tile.bottomRight());
  painter.drawLine(tile.topRight(), tile.bottomRight());

  const QString className = ComponentClass();
  QString capitals;
  for (const QChar c : className.mid(className.lastIndexOf(QLatin1Char(':')) + 2)) {
    if (c.isUpper()) capitals += c;
  }
  QFont font = painter.font();
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(tile, Qt::AlignCenter, capitals.left(3));
}

}  // namespace VeltorDesigner
