#include "host/color.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace Veltor {

namespace {

struct NamedColor {
  quint32 value;
  const char* name;
};

constexpr NamedColor kNamedColors[] = {
    {0x000000, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
    {0x80000000, "clScrollBar"},
    {0x80000001, "clBackground"},
    {0x80000002, "clActiveCaption"},
    {0x80000003, "clInactiveCaption"},
    {0x80000004, "clMenu"},
    {0x80000005, "clWindow"},
    {0x80000006, "clWindowFrame"},
    {0x80000007, "clMenuText"},
    {0x80000008, "clWindowText"},
    {0x80000009, "clCaptionText"},
    {0x8000000A, "clActiveBorder"},
    {0x8000000B, "clInactiveBorder"},
    {0x8000000C, "clAppWorkSpace"},
    {0x8000000D, "clHighlight"},
    {0x8000000E, "clHighlightText"},
    {0x8000000F, "clBtnFace"},
    {0x80000010, "clBtnShadow"},
    {0x80000011, "clGrayText"},
    {0x80000012, "clBtnText"},
    {0x80000013, "clInactiveCaptionText"},
    {0x80000014, "clBtnHighlight"},
    {0x80000015, "cl3DDkShadow"},
    {0x80000016, "cl3DLight"},
    {0x80000017, "clInfoText"},
    {0x80000018, "clInfoBk"},
};

// The classic desktop scheme, used when no application palette exists and for
// the system colours a palette has no role for.
quint32 ClassicSystemColor(quint32 index) {
  static constexpr std::array<quint32, 25> kClassic{
      0xC8C8C8, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
      0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
      0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xE1FFFF};
  return index < kClassic.size() ? kClassic[index] : 0;
}

bool PaletteRole(quint32 index, QPalette::ColorRole* role) {
  switch (index) {
    case 0x05: *role = QPalette::Base; return true;
    case 0x08: *role = QPalette::Text; return true;
    case 0x0D: *role = QPalette::Highlight; return true;
    case 0x0E: *role = QPalette::HighlightedText; return true;
    case 0x12: *role = QPalette::ButtonText; return true;
    case 0x17: *role = QPalette::ToolTipText; return true;
    case 0x18: *role = QPalette::ToolTipBase; return true;
    default: return false;
  }
}

}  // namespace

quint32 TColor::ToRGB() const {
  if (!IsSystemColor()) return FValue & 0x00FFFFFFu;
  const quint32 index = FValue & 0xFFu;
  // Faces, shadows and highlights keep the classic grey scheme: the controls'
  // bevels are designed around silver, grey and white.
  QPalette::ColorRole role;
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && PaletteRole(index, &role)) {
    return FromQColor(QGuiApplication::palette().color(role)).Value();
  }
  return ClassicSystemColor(index);
}

int TColor::Red() const { return int(ToRGB() & 0xFF); }
int TColor::Green() const { return int((ToRGB() >> 8) & 0xFF); }
int TColor::Blue() const { return int((ToRGB() >> 16) & 0xFF); }

QColor TColor::ToQColor() const { return QColor(Red(), Green(), Blue()); }

TColor TColor::FromQColor(const QColor& c) {
  const QColor rgb = c.toRgb();
  return FromRGB(rgb.red(), rgb.green(), rgb.blue());
}

QString TColor::ToString() const {
  for (const NamedColor& n : kNamedColors) {
    if (n.value == FValue) return QString::fromLatin1(n.name);
  }
  return QStringLiteral("$%1").arg(FValue, 8, 16, QLatin1Char('0')).toUpper();
}

bool TColor::FromString(const QString& text, TColor* out) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return false;
  for (const NamedColor& n : kNamedColors) {
    if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
      *out = TColor(n.value);
      return true;
    }
  }
  bool ok = false;
  qlonglong v = 0;
  if (t.startsWith(QLatin1Char('$'))) {
    v = t.mid(1).toLongLong(&ok, 16);
  } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    v = t.mid(2).toLongLong(&ok, 16);
  } else {
    v = t.toLongLong(&ok, 10);
  }
  if (!ok || v < -2147483648LL || v > 0xFFFFFFFFLL) return false;
  *out = TColor(quint32(v));
  return true;
}

void RegisterColorType() {
  static bool done = false;
  if (done) return;
  done = true;
  qRegisterMetaType<TColor>("Veltor::TColor");
  QMetaType::registerConverter<QString, TColor>([](const QString& s) {
    TColor c;
    TColor::FromString(s, &c);
    return c;
  });
  QMetaType::registerConverter<TColor, QString>([](const TColor& c) { return c.ToString(); });
  QMetaType::registerConverter<QColor, TColor>([](const QColor& c) { return TColor::FromQColor(c); });
  QMetaType::registerConverter<int, TColor>([](int v) { return TColor(quint32(v)); });
  QMetaType::registerConverter<uint, TColor>([](uint v) { return TColor(v); });
}

}  // namespace Veltor
