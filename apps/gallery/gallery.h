#pragma once
// Pictures of every class registered for stored forms: one tile per class at
// its default size, and a contact sheet of all tiles with their names.

#include <QImage>
#include <QString>

#include <vector>

namespace Gallery {

struct TTile {
  QString ClassName;
  QImage Picture;
  bool NonVisual = false;
};

// Builds one instance of every registered class inside an offscreen window
// and takes its picture. Non-visual components get a labelled stand-in.
// Register the classes first.
std::vector<TTile> MakeTiles(qreal ratio = 1);

// The tiles in rows no wider than maxWidth, each with its class name below.
QImage ContactSheet(const std::vector<TTile>& tiles, int maxWidth = 1280, qreal ratio = 1);

}  // namespace Gallery
