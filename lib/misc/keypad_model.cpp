#include "misc/keypad_model.h"

namespace Veltor {

TKeypadModel::TKeypadModel(const QString& letters, int centre) : FLetters(letters), FCentre(centre) {}

bool TKeypadModel::SetKey(int key, bool down) {
  if (key < 0 || key >= KeyCount() || IsDown(key) == down) return false;
  const quint16 bit = quint16(1u << key);
  FStatus = down ? quint16(FStatus | bit) : quint16(FStatus & ~bit);
  FButton = down ? FLetters.at(key).toUpper() : FLetters.at(key).toLower();
  return true;
}

TKeypadModel::TPress TKeypadModel::Press(int key) {
  TPress p;
  if (key < 0 || key >= KeyCount()) return p;
  if (IsDown(key)) {
    p.Released = SetKey(key, false);
  } else if (key == FCentre || !LockMode || !AnyDown()) {
    p.Pressed = SetKey(key, true);
  }
  FRepeating = false;
  p.ArmRepeat = p.Pressed && RepeatEnabled();
  return p;
}

std::vector<int> TKeypadModel::Release() {
  std::vector<int> up;
  if (FCentre >= 0 && !RastCenter && IsDown(FCentre)) {
    SetKey(FCentre, false);
    up.push_back(FCentre);
  }
  if (AllowAllUp && !LockMode) {
    for (int k = 0; k < KeyCount(); ++k) {
      if (IsDirection(k) && IsDown(k)) {
        SetKey(k, false);
        up.push_back(k);
        break;
      }
    }
  }
  return up;
}

bool TKeypadModel::RepeatStep(int* intervalMs) {
  *intervalMs = 0;
  if (!RepeatEnabled()) return false;
  FRepeating = true;
  *intervalMs = RepeatPeriod();
  const quint16 centreBit = FCentre >= 0 ? quint16(1u << FCentre) : 0;
  return FStatus != 0 && FStatus != centreBit;
}

std::vector<int> TKeypadModel::WriteStatus(quint16 mask) {
  std::vector<int> changed;
  const bool directions = FCentre >= 0 ? !AllowAllUp && !LockMode : !AllowAllUp;
  for (int k = 0; k < KeyCount(); ++k) {
    bool down = IsDown(k);
    if (k == FCentre) {
      down = RastCenter && ((mask >> k) & 1u);
    } else if (directions) {
      down = (mask >> k) & 1u;
    }
    if (SetKey(k, down)) changed.push_back(k);
  }
  return changed;
}

}  // namespace Veltor
