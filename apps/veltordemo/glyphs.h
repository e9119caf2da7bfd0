#pragma once
// The speed buttons' pictures: a small copy of the control itself where its
// class is in the form registry, a drawn sign otherwise.

#include "launchtable.h"

#include <QImage>
#include <QPixmap>

#include <vector>

namespace VeltorDemo {

// Side of a glyph cell in pixels.
constexpr int kGlyphSize = 24;

// Two cells side by side, as TSpeedButton takes them: the picture, then a
// faded copy for the disabled button. The bottom-left pixel carries the
// transparent key colour, which nothing else in the glyph uses.
QPixmap MakeButtonGlyph(const QImage& picture);

// A picture of the registered control class, scaled into a glyph cell and
// centred; a null image when the class is not a registered control.
QImage ControlPicture(const QString& className);

// The drawn sign for a button without a control picture: exit, info, shade,
// or the capitals of the class name on a plate.
QImage DrawnPicture(const TLaunchButton& button);

// The glyph of every button, in table order.
std::vector<QPixmap> LaunchGlyphs(const std::vector<TLaunchButton>& buttons);

}  // namespace VeltorDemo
