#pragma once
// The picture tools' common sheet: controls side by side with their titles.

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace VeltorGallery {

struct TSheetPicture {
  QString Title;
  QImage Image;
  QSize Cell;  // the room the picture takes on the sheet
};

// Rows of `columns` pictures, each row as high as its tallest cell, each cell
// at least minCellWidth wide, the title under each picture.
QImage ViewSheet(const std::vector<TSheetPicture>& pictures, int columns, int minCellWidth);

// Writes the sheet, enlarged zoom times; the exit status of a picture tool,
// with a message naming the program when the file cannot be written.
int SaveSheet(const QImage& sheet, int zoom, const char* path, const char* program);

}  // namespace VeltorGallery
