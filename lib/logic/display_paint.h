#pragma once
// What the display base draws, layer by layer, from its layout: the sunken
// outline of the data area, the name box with the maker's mark, and the head
// name. The sunken outline is also the logic display's status boxes and
// pressed buttons.

#include "host/canvas.h"
#include "logic/display_layout.h"

#include <QString>

namespace Veltor {

// Where the closed outline starts and ends. Grey runs along the top and the
// left, white along the bottom and the right either way; the start decides
// which colour the top-right and bottom-left corner pixels get.
enum class TOutlineStart {
  BottomLeft,  // grey up and across from bottom-left: that corner grey, top-right white
  TopRight,    // grey across and down from top-right: that corner grey, bottom-left white
};

// One-pixel sunken outline on the edge pixels of r (right and bottom
// inclusive). The pen is left as it was.
void DrawSunkenOutline(TCanvas& canvas, const TRect& r, TOutlineStart start = TOutlineStart::BottomLeft);

void PaintDataOutline(TCanvas& canvas, const TDisplayLayout& l);
// The name box's outline and the maker's mark at the head strip's right end.
void PaintNameBox(TCanvas& canvas, const TDisplayLayout& l);
// The head name centred in bold on the box colour, fitted to the box.
void PaintHeadName(TCanvas& canvas, const TDisplayLayout& l, const QString& name, TColor box, TColor text);

}  // namespace Veltor
