#pragma once
// TBackGround: a windowless decorative background painted as a colour
// gradient in bands.

#include "host/control.h"
#include "misc/misctypes.h"

#include <vector>

namespace Veltor {

// One band of a gradient: its rectangle and colour.
struct TGradientBand {
  TRect Rect;
  TColor Color;
};

// The bands of a width x height gradient of bands bands (at least 1) from
// begin towards end (plain RGB colours). Band k has the colour
// begin + k/bands of the way to end, so the end colour itself is never
// reached; bands that fall outside the area are left out.
std::vector<TGradientBand> GradientBands(int width, int height, int bands, TFillDirection direction, TColor begin,
                                         TColor end);

class TBackGround : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(Veltor::TColor BeginColor READ BeginColor WRITE SetBeginColor)
  Q_PROPERTY(Veltor::TColor EndColor READ EndColor WRITE SetEndColor)
  Q_PROPERTY(Veltor::MiscEnums::TFillDirection FillDirection READ FillDirection WRITE SetFillDirection)
  Q_PROPERTY(int NumberOfColors READ NumberOfColors WRITE SetNumberOfColors)
  Q_PROPERTY(bool Realize READ Realize WRITE SetRealize)

 public:
  static constexpr int MaxColors = 256;

  explicit TBackGround(QWidget* parent = nullptr);

  // Stored only; the drawing does not depend on it.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v) { Assign(FAutoSize, v); }
  TColor BeginColor() const { return FBeginColor; }
  void SetBeginColor(TColor c) { Assign(FBeginColor, c); }
  TColor EndColor() const { return FEndColor; }
  void SetEndColor(TColor c) { Assign(FEndColor, c); }
  TFillDirection FillDirection() const { return FFillDirection; }
  void SetFillDirection(TFillDirection d) { Assign(FFillDirection, d); }
  // 1..256.
  int NumberOfColors() const { return FNumberOfColors; }
  void SetNumberOfColors(int n);
  // Kept for palette displays, which Qt does not drive: only the band count
  // follows it (256 colours with Realize make 255 bands, the palette
  // holding one entry more).
  bool Realize() const { return FRealize; }
  void SetRealize(bool v) { Assign(FRealize, v); }
  // The number of bands painted.
  int Bands() const { return FBands; }

 protected:
  void Paint() override;

 private:
  bool FAutoSize = false;
  TColor FBeginColor = clBlue;
  TColor FEndColor = clBlack;
  TFillDirection FFillDirection = fdTopToBottom;
  int FNumberOfColors = 64;
  bool FRealize = true;
  int FBands = 64;
};

}  // namespace Veltor
