#pragma once
// The key state of a direction keypad and its rules (latching, locking,
// auto-repeat), without a widget. Key k (0-based) has bit 1 << k of the
// status mask and a letter: upper case when it went down, lower case when it
// came up.

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace Veltor {

class TKeypadModel {
 public:
  // The first repeat comes this long after the press.
  static constexpr int kFirstRepeatMs = 500;
  // Repeat periods below this mean no repeat.
  static constexpr int kMinRepeatMs = 50;
  // Periods are taken modulo this.
  static constexpr int kRepeatModulus = 2001;

  // letters holds one upper-case letter per key; centre is the index of a
  // key that toggles on its own (-1 for none).
  TKeypadModel(const QString& letters, int centre);

  bool AllowAllUp = false;  // momentary keys, which may repeat
  bool LockMode = false;    // no key goes down while another one is
  bool RastCenter = false;  // the centre key latches
  int RepSpeed = 0;         // ms

  int KeyCount() const { return int(FLetters.size()); }
  int Centre() const { return FCentre; }
  bool IsDown(int key) const { return (FStatus >> key) & 1u; }
  bool AnyDown() const { return FStatus != 0; }
  quint16 ButtonStatus() const { return FStatus; }
  // Letter of the key that changed last; a null character before any.
  QChar Button() const { return FButton; }
  void SetButton(QChar c) { FButton = c; }
  bool Repeating() const { return FRepeating; }

  // Puts one key down or up; returns whether it changed.
  bool SetKey(int key, bool down);

  // What a mouse press on a key did.
  struct TPress {
    bool Pressed = false;
    bool Released = false;
    bool ArmRepeat = false;  // start the repeat ticker with kFirstRepeatMs
  };
  TPress Press(int key);
  // Mouse release: the keys that came up, in order.
  std::vector<int> Release();
  // One repeat step: true when OnDown fires again. *intervalMs receives the
  // next period, or 0 when repeating is off.
  bool RepeatStep(int* intervalMs);
  // Whether a press may start repeating.
  bool RepeatEnabled() const { return AllowAllUp && RepSpeed >= kMinRepeatMs; }
  int RepeatPeriod() const { return RepSpeed % kRepeatModulus; }

  // Sets the keys from a status mask as far as the latching rules allow;
  // returns the keys that changed.
  std::vector<int> WriteStatus(quint16 mask);

 private:
  bool IsDirection(int key) const { return key != FCentre; }

  QString FLetters;
  int FCentre = -1;
  quint16 FStatus = 0;
  QChar FButton;
  bool FRepeating = false;
};

}  // namespace Veltor
