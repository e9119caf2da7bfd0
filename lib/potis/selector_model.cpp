#include "potis/selector_model.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "potis/poti_model.h"

#include <algorithm>

namespace Veltor {

namespace {
constexpr int kMaxLabelLength = 10;
}

bool TSelectorModel::SetScalaPart(int v) {
  v = std::clamp(v, 1, FMaxPart);
  if (v == FScalaPart) return false;
  FScalaPart = v;
  if (FPosition > FScalaPart) FPosition = FScalaPart;
  return true;
}

bool TSelectorModel::SetPosition(int p) {
  if (p < 0 || p > FScalaPart || p == FPosition) return false;
  FPosition = p;
  return true;
}

bool TSelectorModel::Normalise() {
  const int p = std::clamp(FPosition, 0, FScalaPart);
  if (p == FPosition) return false;
  FPosition = p;
  return true;
}

QString TSelectorModel::Entry(int i) const { return i >= 0 && i < EntryCount() ? FEntries.at(i) : QString(); }

QString TSelectorModel::Label(int i) const { return ItemText(Entry(i)).left(kMaxLabelLength); }

QString TSelectorModel::PosString() const { return ItemText(Entry(FPosition)); }

TColor TSelectorModel::PosColor() const {
  const QString e = Entry(FPosition);
  return e.isEmpty() ? TColor(0) : ItemColor(e);
}

int TSelectorModel::PosInteger() const {
  const QString e = Entry(FPosition);
  return e.isEmpty() ? 0 : ItemInt(e);
}

double TSelectorModel::PosFloat() const {
  const QString e = Entry(FPosition);
  return e.isEmpty() ? 0.0 : ItemFloat(e);
}

template <typename Match>
int TSelectorModel::Find(Match matches) const {
  for (int i = 0; i < EntryCount(); ++i) {
    if (!FEntries.at(i).isEmpty() && matches(FEntries.at(i))) return i;
  }
  return -1;
}

int TSelectorModel::FindColor(TColor v) const {
  return Find([v](const QString& e) { return ItemColor(e) == v; });
}

int TSelectorModel::FindInteger(int v) const {
  return Find([v](const QString& e) { return ItemInt(e) == v; });
}

int TSelectorModel::FindFloat(double v) const {
  return Find([v](const QString& e) { return ItemFloat(e) == v; });
}

double TSelectorModel::DetentAngle(int i) const { return Dial::kSweep / FScalaPart * i; }

int TSelectorModel::PositionAt(double scaleAngle) const {
  return int(RoundHalfEven(scaleAngle / (Dial::kSweep / FScalaPart)));
}

}  // namespace Veltor
