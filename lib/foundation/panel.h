#pragma once
// TPanel: the host framework's panel. An outer bevel, a border ring in the
// panel's colour and an inner bevel around a filled face with an optional
// caption; container of other controls (roll-up bar, alphabet bar, the
// launcher's button bar).

#include "foundation/foundationtypes.h"
#include "host/control.h"

namespace Veltor {

struct TPanelLook {
  TPanelBevel BevelInner = bvNone;
  TPanelBevel BevelOuter = bvRaised;
  int BevelWidth = 1;
  int BorderWidth = 0;
  TBorderStyle BorderStyle = bsNone;
};

// What the rings leave of a panel of the given size: the face.
TRect PanelFaceRect(int width, int height, const TPanelLook& look);

// Draws the rings and the face of a panel; returns the face.
TRect PaintPanelFrame(TCanvas& canvas, int width, int height, const TPanelLook& look, TColor face);

class TPanel : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel BevelInner READ BevelInner WRITE SetBevelInner)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel BevelOuter READ BevelOuter WRITE SetBevelOuter)
  Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
  Q_PROPERTY(Veltor::FoundationEnums::TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(Veltor::TAlignment Alignment READ Alignment WRITE SetAlignment)

 public:
  explicit TPanel(QWidget* parent = nullptr);

  TPanelBevel BevelInner() const { return FLook.BevelInner; }
  void SetBevelInner(TPanelBevel v) { AssignFrame(FLook.BevelInner, v); }
  TPanelBevel BevelOuter() const { return FLook.BevelOuter; }
  void SetBevelOuter(TPanelBevel v) { AssignFrame(FLook.BevelOuter, v); }
  // At least 1.
  int BevelWidth() const { return FLook.BevelWidth; }
  void SetBevelWidth(int v) { AssignFrame(FLook.BevelWidth, std::max(1, v)); }
  // At least 0.
  int BorderWidth() const { return FLook.BorderWidth; }
  void SetBorderWidth(int v) { AssignFrame(FLook.BorderWidth, std::max(0, v)); }
  TBorderStyle BorderStyle() const { return FLook.BorderStyle; }
  void SetBorderStyle(TBorderStyle v) { AssignFrame(FLook.BorderStyle, v); }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v) { Assign(FCaption, v); }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v) { Assign(FAlignment, v); }

  const TPanelLook& Look() const { return FLook; }
  // The face inside the rings, where the caption goes and aligned children sit.
  TRect FaceRect() const { return PanelFaceRect(Width(), Height(), FLook); }

 protected:
  void Paint() override;

 private:
  // The rings change the room aligned children get.
  template <typename T, typename V>
  void AssignFrame(T& field, const V& value) {
    Assign(field, value, [this] { FrameChanged(); });
  }
  void FrameChanged();

  TPanelLook FLook;
  QString FCaption;
  TAlignment FAlignment = taCenter;
};

}  // namespace Veltor
