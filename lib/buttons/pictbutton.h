#pragma once
// TPictButton: a large push button whose face shows one to three rows of
// text, each in a font of its own, or a picture, inside a rectangular,
// square, rounded or round face. The face content can blink; buttons of one
// parent with the same GroupIndex form radio groups.

#include "buttons/buttontypes.h"
#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"

#include <QFont>
#include <QPixmap>
#include <QString>

#include <algorithm>
#include <array>

namespace Veltor {

// The button's property values and their rules, without a widget.
struct TPictButtonModel {
  static constexpr int kTextLength = 20;
  static constexpr int kMaxGroupIndex = 255;

  TColor ColBorder = clWhite;
  std::array<QString, 3> Texts{QStringLiteral("Aus"), QStringLiteral("Ein"), QStringLiteral("Stop")};
  ButtonEnums::TShapeTypeT Shape = ButtonEnums::sstRoundrect;
  TPictStyle PictStyle = oneRow;
  bool BlinkOn = false;
  int GroupIndex = 0;
  bool AllowAllUp = false;

  static QString CutText(const QString& s) { return s.left(kTextLength); }
  // A row as drawn: a tab stands for a space. Drawn as it is, the tab would
  // run to the canvas's next tab stop and push the rest out of the row.
  static QString ShownRowText(QString s) { return s.replace(QLatin1Char('\t'), QLatin1Char(' ')); }
  static int ClampGroupIndex(int v) { return std::clamp(v, 0, kMaxGroupIndex); }
  // Text rows the style shows; none for a picture.
  int Rows() const;
  // Whether the content is shown in the given blink phase.
  bool ContentShown(bool blinkPhase) const { return !BlinkOn || blinkPhase; }
};

// Where the face and its content go inside the frame.
struct TPictButtonLayout {
  TRect Face;                 // the face shape's bounding box, border included
  TRect Inside;               // the background's box, inside the border
  int Corner = 0;             // corner size of rounded faces, 0 for sharp ones
  TRect Content;              // text rows or picture, clear of the border and corners
  std::array<TRect, 3> Rows;  // empty beyond the style's row count
};

TPictButtonLayout PictButtonLayout(const TRect& inner, const TPictButtonModel& model);

class TPictButton : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::TColor ColBtnBord READ ColBtnBord WRITE SetColBtnBord)
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(QFont Font1 READ Font1Design WRITE SetFont1Design)
  Q_PROPERTY(Veltor::TColor Font1Color READ Font1Color WRITE SetFont1Color)
  Q_PROPERTY(QFont Font2 READ Font2Design WRITE SetFont2Design)
  Q_PROPERTY(Veltor::TColor Font2Color READ Font2Color WRITE SetFont2Color)
  Q_PROPERTY(QPixmap Symbol READ Symbol WRITE SetSymbol)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(QString Text1 READ Text1 WRITE SetText1)
  Q_PROPERTY(QString Text2 READ Text2 WRITE SetText2)
  Q_PROPERTY(Veltor::ButtonEnums::TShapeTypeT Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::ButtonEnums::TPictStyle PictStyle READ PictStyle WRITE SetPictStyle)
  Q_PROPERTY(bool BlinkOn READ BlinkOn WRITE SetBlinkOn)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(Veltor::TColor ColBorder READ ColBorder WRITE SetColBorder)

 public:
  explicit TPictButton(QWidget* parent = nullptr);
  ~TPictButton() override;

  bool AllowAllUp() const { return FModel.AllowAllUp; }
  void SetAllowAllUp(bool v) { FModel.AllowAllUp = v; }
  int GroupIndex() const { return FModel.GroupIndex; }
  void SetGroupIndex(int v) { FModel.GroupIndex = TPictButtonModel::ClampGroupIndex(v); }

  // The fonts of the second and third rows; the first row uses Font.
  const TFont& Font1() const { return FFont1; }
  void SetFont1(const TFont& v) { Assign(FFont1, v); }
  const TFont& Font2() const { return FFont2; }
  void SetFont2(const TFont& v) { Assign(FFont2, v); }
  QFont Font1Design() const;
  void SetFont1Design(const QFont& v);
  TColor Font1Color() const { return FFont1.Color; }
  void SetFont1Color(TColor v) { Assign(FFont1.Color, v); }
  QFont Font2Design() const;
  void SetFont2Design(const QFont& v);
  TColor Font2Color() const { return FFont2.Color; }
  void SetFont2Color(TColor v) { Assign(FFont2.Color, v); }

  QPixmap Symbol() const { return FSymbol; }
  void SetSymbol(const QPixmap& v);
  // At most twenty characters each; a change redraws only its row.
  QString Text() const { return FModel.Texts[0]; }
  void SetText(const QString& v) { SetRowText(0, v); }
  QString Text1() const { return FModel.Texts[1]; }
  void SetText1(const QString& v) { SetRowText(1, v); }
  QString Text2() const { return FModel.Texts[2]; }
  void SetText2(const QString& v) { SetRowText(2, v); }
  ButtonEnums::TShapeTypeT Shape() const { return FModel.Shape; }
  void SetShape(ButtonEnums::TShapeTypeT v) { Assign(FModel.Shape, v); }
  TPictStyle PictStyle() const { return FModel.PictStyle; }
  void SetPictStyle(TPictStyle v) { Assign(FModel.PictStyle, v); }
  bool BlinkOn() const { return FModel.BlinkOn; }
  void SetBlinkOn(bool v);
  TColor ColBorder() const { return FModel.ColBorder; }
  void SetColBorder(TColor v) { Assign(FModel.ColBorder, v); }

  // Takes effect for push-pull buttons (and while loading); a button going
  // down releases the rest of its group.
  bool Down() const { return Status(); }
  void SetDown(bool v);

  // Where the parts are at the present size, without a paint.
  TPictButtonLayout Layout() const;
  // Whether the face content is on the surface now (blinking blanks it).
  bool ContentVisible() const { return FContentVisible; }

 public slots:
  void StyleChanged(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WndProc(TMessage& Message) override;
  void FontChanged() override { StyleChanged(this); }

 private:
  void SetRowText(int row, const QString& v);
  void PaintFace(const TPictButtonLayout& l);
  void PaintRow(const TPictButtonLayout& l, int row);
  void PaintContent(const TPictButtonLayout& l, bool shown);
  // Redraws content or one row on the surface and shows it at once.
  void DrawContent(bool shown);
  void DrawRow(int row);
  void ShowNow(const TRect& r);
  void NotifyGroup();
  void BlinkTick();
  const TFont& RowFont(int row) const;

  TPictButtonModel FModel;
  TFont FFont1;
  TFont FFont2;
  QPixmap FSymbol;
  bool FPainted = false;
  bool FContentVisible = false;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
