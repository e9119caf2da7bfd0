#pragma once
// TBoxLine: the eight bits of a byte as a column or row of small boxes. Each
// box shows its bit by a character or a picture, can be disabled, and has a
// one-character short caption and a long caption. A click on an enabled box
// fires that box's event; the whole byte is read and written at once through
// BoxStatByte and BoxEnaByte.

#include "buttons/buttontypes.h"
#include "host/component.h"
#include "host/control.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <algorithm>
#include <array>

namespace Veltor {

class TBoxLine;

// One box of a line, edited inside the line (Box0.Status, Box0.CaptLong ...).
// Status and Enabled live in the line's two bytes, so box and byte always
// agree.
class TBoxLBox : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool Status READ Status WRITE SetStatus)
  Q_PROPERTY(QString CharOn READ CharOn WRITE SetCharOn)
  Q_PROPERTY(QString CharOff READ CharOff WRITE SetCharOff)
  Q_PROPERTY(QString CaptShort READ CaptShort WRITE SetCaptShort)
  Q_PROPERTY(QString CaptLong READ CaptLong WRITE SetCaptLong)
  Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE SetNumGlyphs)
  Q_PROPERTY(QPixmap GlyphOn READ GlyphOn WRITE SetGlyphOn)
  Q_PROPERTY(QPixmap GlyphOff READ GlyphOff WRITE SetGlyphOff)

 public:
  TBoxLBox(TBoxLine* owner, int index);

  int Index() const { return FIndex; }
  quint8 Mask() const { return quint8(1u << FIndex); }

  bool Enabled() const;
  void SetEnabled(bool v);
  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  bool Status() const;
  void SetStatus(bool v);
  // Single characters: longer texts keep their first character.
  QString CharOn() const { return FCharOn; }
  void SetCharOn(const QString& v);
  QString CharOff() const { return FCharOff; }
  void SetCharOff(const QString& v);
  QString CaptShort() const { return FCaptShort; }
  void SetCaptShort(const QString& v);
  QString CaptLong() const { return FCaptLong; }
  void SetCaptLong(const QString& v);
  // 1: each picture is one image; 2: a disabled and an enabled image side by
  // side. Kept within 1..2.
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int v);
  QPixmap GlyphOn() const { return FGlyphOn; }
  void SetGlyphOn(const QPixmap& v);
  QPixmap GlyphOff() const { return FGlyphOff; }
  void SetGlyphOff(const QPixmap& v);

  // The picture for the present state and whether the box is enabled, as it
  // is drawn: the whole image (or its greyed copy when disabled) with one
  // glyph, the right (enabled) or left (disabled) half with two. Null when
  // the box shows its character.
  QImage ShownGlyph() const;
  QString ShownChar() const { return Status() ? FCharOn : FCharOff; }

 private:
  void Redraw();

  TBoxLine* FOwner;
  int FIndex;
  bool FVisible = true;
  QString FCharOn = QStringLiteral("1");
  QString FCharOff = QStringLiteral("0");
  QString FCaptShort;
  QString FCaptLong;
  int FNumGlyphs = 1;
  QPixmap FGlyphOn;
  QPixmap FGlyphOff;
  QImage FGreyOn;  // the disabled looks made from single glyphs
  QImage FGreyOff;
};

// A greyed copy of a picture for a disabled box: each pixel's brightness
// squeezed into the light half, so the picture stays recognisable but faint.
QImage GreyedGlyph(const QImage& image);

// The line's own property values and rules, without a widget.
struct TBoxLineModel {
  static constexpr int kBoxes = 8;
  static constexpr int kMinBoxWidth = 10;
  static constexpr int kMaxBoxWidth = 30;
  static constexpr int kMaxBoxSpace = 20;

  ButtonEnums::TOrientation Orientation = ButtonEnums::orVertical;
  bool OrderUp = false;
  bool CaptLeft = false;
  int BoxWidth = 15;
  int BoxSpace = 4;
  TColor ColorFontEna = clBlack;
  TColor ColorFontDis = clGray;
  TColor ColorEnable = clWhite;
  TColor ColorDisable = clSilver;
  quint8 BoxEnaByte = 255;
  quint8 BoxStatByte = 255;

  static int ClampBoxWidth(int v) { return std::clamp(v, kMinBoxWidth, kMaxBoxWidth); }
  static int ClampBoxSpace(int v) { return std::clamp(v, 0, kMaxBoxSpace); }
  static quint8 WithBit(quint8 byte, quint8 mask, bool on) { return on ? quint8(byte | mask) : quint8(byte & ~mask); }
};

// Where one box and its captions go.
struct TBoxSpot {
  TRect Box;
  TRect Short;  // the short caption's square, on the side of the near edge
  TRect Long;   // the long caption's area, across the rest of the line
};

struct TBoxLineLayout {
  std::array<TBoxSpot, TBoxLineModel::kBoxes> Boxes;
};

TBoxLineLayout BoxLineLayout(int width, int height, const TBoxLineModel& model);

class TBoxLine : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::ButtonEnums::TOrientation Orientation READ Orientation WRITE SetOrientation)
  Q_PROPERTY(bool OrderUp READ OrderUp WRITE SetOrderUp)
  Q_PROPERTY(bool CaptLeft READ CaptLeft WRITE SetCaptLeft)
  Q_PROPERTY(int BoxWidth READ BoxWidth WRITE SetBoxWidth)
  Q_PROPERTY(int BoxSpace READ BoxSpace WRITE SetBoxSpace)
  Q_PROPERTY(Veltor::TColor ColorFontEna READ ColorFontEna WRITE SetColorFontEna)
  Q_PROPERTY(Veltor::TColor ColorFontDis READ ColorFontDis WRITE SetColorFontDis)
  Q_PROPERTY(Veltor::TColor ColorEnable READ ColorEnable WRITE SetColorEnable)
  Q_PROPERTY(Veltor::TColor ColorDisable READ ColorDisable WRITE SetColorDisable)
  Q_PROPERTY(int BoxEnaByte READ BoxEnaByte WRITE SetBoxEnaByte)
  Q_PROPERTY(int BoxStatByte READ BoxStatByte WRITE SetBoxStatByte)
  Q_PROPERTY(Veltor::TBoxLBox* Box0 READ Box0)
  Q_PROPERTY(Veltor::TBoxLBox* Box1 READ Box1)
  Q_PROPERTY(Veltor::TBoxLBox* Box2 READ Box2)
  Q_PROPERTY(Veltor::TBoxLBox* Box3 READ Box3)
  Q_PROPERTY(Veltor::TBoxLBox* Box4 READ Box4)
  Q_PROPERTY(Veltor::TBoxLBox* Box5 READ Box5)
  Q_PROPERTY(Veltor::TBoxLBox* Box6 READ Box6)
  Q_PROPERTY(Veltor::TBoxLBox* Box7 READ Box7)

 public:
  explicit TBoxLine(QWidget* parent = nullptr);

  ButtonEnums::TOrientation Orientation() const { return FModel.Orientation; }
  void SetOrientation(ButtonEnums::TOrientation v) { Assign(FModel.Orientation, v); }
  bool OrderUp() const { return FModel.OrderUp; }
  void SetOrderUp(bool v) { Assign(FModel.OrderUp, v); }
  bool CaptLeft() const { return FModel.CaptLeft; }
  void SetCaptLeft(bool v) { Assign(FModel.CaptLeft, v); }
  int BoxWidth() const { return FModel.BoxWidth; }
  void SetBoxWidth(int v) { Assign(FModel.BoxWidth, TBoxLineModel::ClampBoxWidth(v)); }
  int BoxSpace() const { return FModel.BoxSpace; }
  void SetBoxSpace(int v) { Assign(FModel.BoxSpace, TBoxLineModel::ClampBoxSpace(v)); }
  TColor ColorFontEna() const { return FModel.ColorFontEna; }
  void SetColorFontEna(TColor v) { Assign(FModel.ColorFontEna, v); }
  TColor ColorFontDis() const { return FModel.ColorFontDis; }
  void SetColorFontDis(TColor v) { Assign(FModel.ColorFontDis, v); }
  TColor ColorEnable() const { return FModel.ColorEnable; }
  void SetColorEnable(TColor v) { Assign(FModel.ColorEnable, v); }
  TColor ColorDisable() const { return FModel.ColorDisable; }
  void SetColorDisable(TColor v) { Assign(FModel.ColorDisable, v); }
  // Bit i belongs to box i. Values are taken as a byte.
  int BoxEnaByte() const { return FModel.BoxEnaByte; }
  void SetBoxEnaByte(int v) { SetBytes(FModel.BoxStatByte, quint8(v)); }
  int BoxStatByte() const { return FModel.BoxStatByte; }
  void SetBoxStatByte(int v) { SetBytes(quint8(v), FModel.BoxEnaByte); }

  TBoxLBox* Box(int i) const { return FBoxes[std::size_t(i)]; }
  TBoxLBox* Box0() const { return Box(0); }
  TBoxLBox* Box1() const { return Box(1); }
  TBoxLBox* Box2() const { return Box(2); }
  TBoxLBox* Box3() const { return Box(3); }
  TBoxLBox* Box4() const { return Box(4); }
  TBoxLBox* Box5() const { return Box(5); }
  TBoxLBox* Box6() const { return Box(6); }
  TBoxLBox* Box7() const { return Box(7); }

  TBoxLineLayout Layout() const { return BoxLineLayout(Width(), Height(), FModel); }
  // The visible box whose rectangle holds the point, the lowest first; -1
  // for none.
  int BoxAt(int x, int y) const;

 signals:
  void OnBox0Click(QObject* Sender);
  void OnBox1Click(QObject* Sender);
  void OnBox2Click(QObject* Sender);
  void OnBox3Click(QObject* Sender);
  void OnBox4Click(QObject* Sender);
  void OnBox5Click(QObject* Sender);
  void OnBox6Click(QObject* Sender);
  void OnBox7Click(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  friend class TBoxLBox;
  // Stores both bytes and redraws the boxes whose bits changed.
  void SetBytes(quint8 stat, quint8 ena);
  void PaintBox(const TBoxSpot& spot, const TBoxLBox& box);
  void PaintCaptions(const TBoxSpot& spot, const TBoxLBox& box);
  // Redraws one box (or its captions) on the surface and shows it at once.
  void DrawBox(int i);
  void DrawCaptions(int i);
  void ShowNow(const TRect& r);
  void FireClick(int i);

  TBoxLineModel FModel;
  std::array<TBoxLBox*, TBoxLineModel::kBoxes> FBoxes{};
  bool FPainted = false;
};

}  // namespace Veltor
