#pragma once
// What the selector switches share: detent positions 0..ScalaPart, the
// entries "text|value|real" that label them and carry a value each, and the
// detent nearest to a dial angle. No widgets here.

#include "host/color.h"

#include <QString>
#include <QStringList>

namespace Veltor {

class TSelectorModel {
 public:
  // maxPart is the highest ScalaPart allowed.
  TSelectorModel(int scalaPart, int maxPart) : FScalaPart(scalaPart), FMaxPart(maxPart) {}

  int ScalaPart() const { return FScalaPart; }
  // Clamped to 1..maxPart; a position above the new part is lowered to it.
  // Returns whether it changed.
  bool SetScalaPart(int v);

  int Position() const { return FPosition; }
  // Takes only 0 <= p <= ScalaPart; returns whether it changed.
  bool SetPosition(int p);
  // A stored form's position, taken as it is; Normalise() once the whole
  // form is read brings it back onto the dial.
  void LoadPosition(int p) { FPosition = p; }
  bool Normalise();

  QStringList Entries() const { return FEntries; }
  void SetEntries(const QStringList& entries) { FEntries = entries; }
  int EntryCount() const { return int(FEntries.size()); }
  // The label of detent i: the entry's text, at most ten characters; empty
  // for a detent without an entry.
  QString Label(int i) const;

  // The parts of the entry at Position (0 or empty without an entry).
  QString PosString() const;
  TColor PosColor() const;
  int PosInteger() const;
  double PosFloat() const;
  // The first entry whose part equals v, or -1.
  int FindColor(TColor v) const;
  int FindInteger(int v) const;
  int FindFloat(double v) const;

  // The scale angle of detent i on the 270-degree dial.
  double DetentAngle(int i) const;
  // The detent nearest to a scale angle, halves to the even one; outside
  // 0..ScalaPart for angles beyond the ends.
  int PositionAt(double scaleAngle) const;

 private:
  QString Entry(int i) const;
  template <typename Match>
  int Find(Match matches) const;

  int FScalaPart;
  int FMaxPart;
  int FPosition = 0;
  QStringList FEntries;
};

}  // namespace Veltor
