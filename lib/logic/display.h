#pragma once
// TDisplay: a frame control split into a channel-name column, a head strip
// with a name box, a footer strip and a sunken data area, by DisplayTyp.

#include "foundation/rahmen.h"
#include "logic/display_layout.h"

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

  // The regions as laid out by the last paint.
  TRect GetDataRect() const { return FLayout.DataRect; }
  bool PaintDone() const { return FPaintDone; }
  TRect NameRect() const { return FLayout.NameRect; }
  TRect HeadRect() const { return FLayout.HeadRect; }
  TRect FootRect() const { return FLayout.FootRect; }
  TRect DataRect() const { return FLayout.DataRect; }
  TRect HeadBox() const { return FLayout.HeadBox; }
  int DataWidth() const { return FLayout.DataWidth; }
  int DataHeight() const { return FLayout.DataHeight; }

  bool HasHead() const { return FDisplayTyp == complete || FDisplayTyp == dispTop; }
  bool HasFooter() const { return FDisplayTyp == complete || FDisplayTyp == dispBottom; }
  // The regions each display type makes room for.
  static TDisplayParts PartsOf(tdispType type);

 public slots:
  // Change notification of owned lists: the whole control is drawn again.
  void StyleChanged(QObject* Sender);

 protected:
  void Paint() override;
  // Redraws the name box in the head strip (only once painted, and only for
  // layouts with a head).
  void DrawHead();

  const TDisplayLayout& DisplayLayout() const { return FLayout; }

 private:
  bool FPaintDone = false;
  TDisplayLayout FLayout;
  QString FNameHead = QStringLiteral("Display");
  tdispType FDisplayTyp = complete;
  TColor FColHead = clBlack;
  TColor FColTxtHead = clBlack;
};

}  // namespace Veltor
