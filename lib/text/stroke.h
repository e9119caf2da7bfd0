#pragma once
// TStroke: a framed control that draws a short text in the built-in stroke
// font, scaled in x and y, turned, slanted, mirrored and drawn with any pen
// width.

#include "foundation/rahmen.h"
#include "text/strokeset.h"

namespace Veltor {

class TStroke : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(QString sString READ sString WRITE SetsString)
  Q_PROPERTY(bool FileABC READ FileABC WRITE SetFileABC)
  Q_PROPERTY(int SizeX READ SizeX WRITE SetSizeX)
  Q_PROPERTY(int SizeY READ SizeY WRITE SetSizeY)
  Q_PROPERTY(int Rotate READ Rotate WRITE SetRotate)
  Q_PROPERTY(bool Mirror READ Mirror WRITE SetMirror)
  Q_PROPERTY(bool Italic READ Italic WRITE SetItalic)
  Q_PROPERTY(Veltor::TextEnums::TJustHor JustifyHor READ JustifyHor WRITE SetJustifyHor)
  Q_PROPERTY(Veltor::TextEnums::TJustVert JustifyVert READ JustifyVert WRITE SetJustifyVert)
  Q_PROPERTY(int PositionX READ PositionX WRITE SetPositionX)
  Q_PROPERTY(int PositionY READ PositionY WRITE SetPositionY)
  Q_PROPERTY(Veltor::TColor Color READ StrokeColor WRITE SetStrokeColor)
  Q_PROPERTY(int Bold READ Bold WRITE SetBold)
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)

 public:
  explicit TStroke(QWidget* parent = nullptr);

  QString sString() const { return FText; }
  // Cut to 63 characters.
  void SetsString(const QString& v);
  // Refused (stays false) while no alternative font is loaded.
  bool FileABC() const { return FSet.UseAlternative; }
  void SetFileABC(bool v);
  // Both kept within 1..2000.
  int SizeX() const { return FParams.SizeX; }
  void SetSizeX(int v) { Assign(FParams.SizeX, ClampSize(v)); }
  int SizeY() const { return FParams.SizeY; }
  void SetSizeY(int v) { Assign(FParams.SizeY, ClampSize(v)); }
  // Stored modulo 360, its sign kept.
  int Rotate() const { return FParams.Rotate; }
  void SetRotate(int v);
  bool Mirror() const { return FParams.Mirror; }
  void SetMirror(bool v) { Assign(FParams.Mirror, v); }
  bool Italic() const { return FParams.Italic; }
  void SetItalic(bool v) { Assign(FParams.Italic, v); }
  TJustHor JustifyHor() const { return FParams.JustifyHor; }
  void SetJustifyHor(TJustHor v);
  TJustVert JustifyVert() const { return FParams.JustifyVert; }
  void SetJustifyVert(TJustVert v);
  int PositionX() const { return FPosition.X; }
  void SetPositionX(int v) { Assign(FPosition.X, v); }
  int PositionY() const { return FPosition.Y; }
  void SetPositionY(int v) { Assign(FPosition.Y, v); }
  // The pen colour; the control's background stays ColBgnd.
  TColor StrokeColor() const { return FStrokeColor; }
  void SetStrokeColor(TColor v) { Assign(FStrokeColor, v); }
  // Pen width, kept within 1..50.
  int Bold() const { return FBold; }
  void SetBold(int v);

  const TStrokeParams& Params() const { return FParams; }
  // The layout of the current text, as the last paint drew it.
  const TStrokeSet& StrokeSet();

 protected:
  void Paint() override;

 private:
  static int ClampSize(int v) { return qBound(1, v, 2000); }

  QString FText = QStringLiteral("ABC");
  TStrokeParams FParams;
  TStrokeSet FSet;
  TPoint FPosition{8, 22};
  TColor FStrokeColor = clBlack;
  int FBold = 1;
};

}  // namespace Veltor
