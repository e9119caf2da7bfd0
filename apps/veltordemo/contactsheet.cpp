#include "contactsheet.h"

#include "demodialog.h"

#include <QApplication>
#include <QDialog>
#include <QPainter>

#include <memory>

namespace VeltorDemo {

namespace {

constexpr int kColumns = 6;
constexpr int kCellWidth = 400;
constexpr int kPictureHeight = 300;
constexpr int kLabelHeight = 36;
constexpr int kGap = 12;

QImage Picture(QDialog& dialog) {
  dialog.setAttribute(Qt::WA_DontShowOnScreen);
  dialog.show();
  QApplication::processEvents();
  QImage picture = dialog.grab().toImage();
  dialog.hide();
  return picture;
}

}  // namespace

QImage DialogContactSheet() {
  const QStringList names = DemoDialogNames();
  const int rows = (names.size() + kColumns - 1) / kColumns;
  const int cellHeight = kPictureHeight + kLabelHeight;
  QImage sheet(kGap + kColumns * (kCellWidth + kGap), kGap + rows * (cellHeight + kGap), QImage::Format_RGB32);
  sheet.fill(QColor(0xd1, 0xd1, 0xd1));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  QFont font = painter.font();
  font.setPixelSize(13);
  painter.setFont(font);

  for (int i = 0; i < names.size(); ++i) {
    const QPoint corner(kGap + (i % kColumns) * (kCellWidth + kGap), kGap + (i / kColumns) * (cellHeight + kGap));
    std::unique_ptr<QDialog> dialog = CreateDemoDialog(names[i]);
    const QImage picture = Picture(*dialog);
    // Shrunk to fit, never enlarged.
    const QSize fitted = picture.size().boundedTo(QSize(kCellWidth, kPictureHeight)) == picture.size()
                             ? picture.size()
                             : picture.size().scaled(kCellWidth, kPictureHeight, Qt::KeepAspectRatio);
    const QRect target(corner + QPoint((kCellWidth - fitted.width()) / 2, kPictureHeight - fitted.height()), fitted);
    painter.drawImage(target, picture);
    painter.setPen(Qt::black);
    painter.drawRect(target.adjusted(0, 0, -1, -1));
    const QRect label(corner.x(), corner.y() + kPictureHeight + 2, kCellWidth, kLabelHeight - 2);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                     names[i] + QLatin1Char('\n') + QLatin1Char('"') + dialog->windowTitle() + QLatin1Char('"'));
  }
  return sheet;
}

}  // namespace VeltorDemo
