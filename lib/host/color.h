#pragma once
// Colour value of the library: 0x00BBGGRR for plain colours, 0x80000000 | index
// for system colours that are resolved through the application palette.

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

namespace Veltor {

class TColor {
 public:
  constexpr TColor() = default;
  constexpr TColor(quint32 value) : FValue(value) {}  // NOLINT: implicit by design

  constexpr quint32 Value() const { return FValue; }
  constexpr operator quint32() const { return FValue; }  // NOLINT

  constexpr bool IsSystemColor() const { return (FValue & 0xFF000000u) == 0x80000000u; }

  // Plain RGB components; system colours are resolved first.
  int Red() const;
  int Green() const;
  int Blue() const;

  // Resolves system colours; a plain colour keeps its low 24 bits.
  quint32 ToRGB() const;
  QColor ToQColor() const;
  QRgb ToQRgb() const { return ToQColor().rgb(); }
  static TColor FromQColor(const QColor& c);
  static constexpr TColor FromRGB(int r, int g, int b) {
    return TColor(quint32(r & 0xFF) | (quint32(g & 0xFF) << 8) | (quint32(b & 0xFF) << 16));
  }

  // "clRed" for named colours, "$00BBGGRR" otherwise.
  QString ToString() const;
  // Accepts colour names ("clRed"), hexadecimal "$0000FF" or "0x0000FF", and
  // decimal numbers (negative ones as 32-bit two's complement). Returns false
  // and leaves *out alone for anything else.
  static bool FromString(const QString& text, TColor* out);

 private:
  quint32 FValue = 0;
};

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = 0x80000000;
constexpr TColor clBackground = 0x80000001;
constexpr TColor clActiveCaption = 0x80000002;
constexpr TColor clInactiveCaption = 0x80000003;
constexpr TColor clMenu = 0x80000004;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowFrame = 0x80000006;
constexpr TColor clMenuText = 0x80000007;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clCaptionText = 0x80000009;
constexpr TColor clActiveBorder = 0x8000000A;
constexpr TColor clInactiveBorder = 0x8000000B;
constexpr TColor clAppWorkSpace = 0x8000000C;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clGrayText = 0x80000011;
constexpr TColor clBtnText = 0x80000012;
constexpr TColor clInactiveCaptionText = 0x80000013;
constexpr TColor clBtnHighlight = 0x80000014;
constexpr TColor cl3DDkShadow = 0x80000015;
constexpr TColor cl3DLight = 0x80000016;
constexpr TColor clInfoText = 0x80000017;
constexpr TColor clInfoBk = 0x80000018;

// The dark state of an LED colour: each colour byte keeps only bits 5 and 6.
constexpr TColor DimmedColor(TColor c) { return TColor(c.Value() & 0xFF606060u); }

// Registers TColor with QMetaType and its conversions from QString, QColor,
// int and uint, so stored forms and QVariant can hand colours in.
void RegisterColorType();

}  // namespace Veltor

Q_DECLARE_METATYPE(Veltor::TColor)
