#pragma once
// Designer stores a control's font as a QFont, which knows nothing of the
// library's TFont (pixel heights, the colour). These bridge the two.

#include "host/canvas.h"

#include <QFont>

namespace Veltor {

// The control's font as Designer shows it.
QFont DesignerFont(const TFont& font);

// font with what stored sets explicitly: a stored font that names only a
// size or only bold leaves the other attributes (and the colour) alone.
TFont MergeDesignerFont(TFont font, const QFont& stored);

}  // namespace Veltor
