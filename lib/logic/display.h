#pragma once
// TDisplay: a frame control split into a channel-name column, a head strip
// with a name box, a footer strip and a sunken data area, by DisplayTyp.

#include "foundation/rahmen.h"

namespace Veltor {

class TDisplay : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(QString NameHead READ NameHead WRITE SetNameHead)
  Q_PROPERTY(tdispType DisplayTyp READ DisplayTyp WRITE SetDisplayTyp)
  Q_PROPERTY(Veltor::TColor ColHead READ ColHead WRITE SetColHead)
  Q_PROPERTY(Veltor::TColor ColTxtHead READ ColTxtHead WRITE SetColTxtHead)

 public:
  enum tdispType { complete, dispOnly, dispTop, dispCenter, dispBottom };
  Q_ENUM(tdispType)

  static constexpr int kMaxNameHead = 32;

  explicit TDisplay(QWidget* parent = nullptr);

  QString NameHead() const { return FNameHead; }
  // Longer names are cut to their first 32 characters.
  void SetNameHead(const QString& v);
  tdispType DisplayTyp() const { return FDisplayTyp; }
  void SetDisplayTyp(tdispType v);
  TColor ColHead() const { return FColHead; }
  void SetColHead(TColor v);
  TColor ColTxtHead() const { return FColTxtHead; }
  void SetColTxtHead(TColor v);

  TRect GetDataRect() const { return FDataRect; }
  bool PaintDone() const { return FPaintDone; }
  TRect NameRect() const { return FNameRect; }
  TRect HeadRect() const { return FHeadRect; }
  TRect FootRect() const { return FFootRect; }
  TRect DataRect() const { return FDataRect; }
  TRect HeadBox() const { return FHeadBox; }
  int DataWidth() const { return FDataWidth; }
  int DataHeight() const { return FDataHeight; }

  bool HasHead() const { return FDisplayTyp == complete || FDisplayTyp == dispTop; }
  bool HasFooter() const { return FDisplayTyp == complete || FDisplayTyp == dispBottom; }

 public slots:
  // Change notification of owned lists: the whole control is drawn again.
  void StyleChanged(QObject* Sender);

 protected:
  void Paint() override;
  // Redraws the name box in the head strip (only once painted, and only for
  // layouts with a head).
  void DrawHead();

  bool FPaintDone = false;
  TRect FNameRect;
  TRect FHeadRect;
  TRect FFootRect;
  TRect FDataRect;
  TRect FHeadBox;
  int FDataWidth = 0;
  int FDataHeight = 0;

 private:
  void LayoutRegions();
  void DrawDataOutline();
  void DrawNameBox();

  QString FNameHead = QStringLiteral("Display");
  tdispType FDisplayTyp = complete;
  TColor FColHead = clBlack;
  TColor FColTxtHead = clBlack;
};

}  // namespace Veltor
