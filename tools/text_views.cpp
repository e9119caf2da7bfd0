// Pictures of the text library for a person to look at:
//  - FOLDER/strokefont.png: the whole stroke font large, one glyph per cell
//    with its code, and stroke texts turned, slanted, mirrored and bold;
//  - FOLDER/textviews.png: text views over a text file and a binary file in
//    text mode and in the three hex groupings, with selection, bookmarks and
//    caret shapes.
//
//   veltor_text_views [FOLDER]     (default: the current folder)
#include "host/canvas.h"
#include "text/stroke.h"
#include "text/strokeset.h"
#include "text/textnav.h"
#include "text/textscroller.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

using namespace Veltor;

namespace {

constexpr int kCell = 64;
constexpr int kCols = 16;
constexpr int kRows = 8;  // codes 0..127
constexpr int kSamplesHeight = 170;

void DrawGlyphs(TCanvas& c) {
  TStrokeParams p;
  p.SizeX = 40;
  p.SizeY = 48;
  TStrokeSet set;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -9;
  for (int code = 0; code < kCols * kRows; ++code) {
    const int x0 = (code % kCols) * kCell;
    const int y0 = (code / kCols) * kCell;
    c.Pen.Width = 1;
    c.Pen.Color = clSilver;
    c.Brush.Style = bsClear;
    c.Rectangle(x0, y0, x0 + kCell + 1, y0 + kCell + 1);
    c.Font.Color = clGray;
    c.TextOut(x0 + 2, y0 + 1, QString::number(code));
    // Baseline and cap height of the grid.
    c.Pen.Color = TColor(0xF0E0E0);
    const TPoint origin(x0 + 10, y0 + kCell - 6);
    c.MoveTo(x0 + 1, origin.Y - 2 * p.SizeY / 12);
    c.LineTo(x0 + kCell, origin.Y - 2 * p.SizeY / 12);
    c.MoveTo(x0 + 1, origin.Y - 10 * p.SizeY / 12);
    c.LineTo(x0 + kCell, origin.Y - 10 * p.SizeY / 12);

    set.Layout(QString(QChar(code)), p);
    c.Pen.Color = clBlack;
    c.Pen.Width = 2;
    const auto& pts = set.Points[0];
    for (int k = 0; k < kStrokePoints && pts[k].Pen >= 0; ++k) {
      const TPoint s = TStrokeSet::ToScreen(pts[k], origin);
      if (k > 0 && pts[k - 1].Pen == 1)
        c.LineTo(s.X, s.Y);
      else
        c.MoveTo(s.X, s.Y);
    }
  }
}

// Stroke controls in their usual settings, drawn onto the sheet.
void DrawSamples(TCanvas& c, int top) {
  struct Sample {
    const char* Text;
    int Rotate;
    bool Italic, Mirror;
    int Bold;
    TJustHor Hor;
  };
  const Sample samples[] = {{"Hello, World!", 0, false, false, 1, stLeft},
                            {"Italic 123", 0, true, false, 2, stLeft},
                            {"Mirror", 0, false, true, 1, stLeft},
                            {"Up 90", 90, false, false, 1, stLeft},
                            {"Turn -30", -30, false, false, 3, stLeft}};
  int x = 0;
  for (const Sample& s : samples) {
    TStroke stroke;
    stroke.resize(200, kSamplesHeight - 10);
    stroke.SetsString(QString::fromLatin1(s.Text));
    stroke.SetSizeX(14);
    stroke.SetSizeY(20);
    stroke.SetRotate(s.Rotate);
    stroke.SetItalic(s.Italic);
    stroke.SetMirror(s.Mirror);
    stroke.SetBold(s.Bold);
    stroke.SetJustifyHor(s.Hor);
    stroke.SetPositionX(s.Mirror ? 190 : s.Rotate == 90 ? 60 : 10);
    stroke.SetPositionY(s.Rotate == 90 ? 150 : s.Rotate < 0 ? 40 : 90);
    stroke.SetStrokeColor(s.Bold > 1 ? clNavy : clBlack);
    c.Draw(x, top, stroke.SurfaceImage());
    x += 205;
  }
}

struct ViewSample {
  bool Hex;
  tsHexSize Size;
  TtsCaretShape Shape;
  std::vector<int> Commands;  // run after opening
};

void DrawViews(TBitmap& sheet, const QString& textFile, const QString& binFile) {
  using namespace TextCmd;
  const ViewSample samples[] = {
      {false,
       hsByte,
       csVertLine,
       {Down, Down, SetMark + 1, Down, SetMark + 2, SetMark + 3, WordRight, SelWordRight, SelDown}},
      {false,
       hsByte,
       csBlock,
       {Down, Down, Down, Right, Right, Right, Right, Right, Right, Right, Right, Right, Right}},
      {true, hsByte, csBlock, {Down, SetMark + 0, Right, Right, Right}},
      {true, hsWord, csHalfBlock, {Down, Down, SelRight, SelRight, SelRight, SelRight, SelRight}},
      {true, hsLong, csHorzLine, {PageDown}},
      {false, hsByte, csCustom, {TextEnd, SelWordLeft, SelUp}},
      {false, hsByte, csBlock, {Down}},    // large font, no border, no caret
      {true, hsWord, csVertLine, {Down}},  // narrow margins, grey caret
  };
  int i = 0;
  TCanvas& c = sheet.Canvas();
  for (const ViewSample& s : samples) {
    TTextScroller view;
    view.resize(i % 2 ? 480 : 420, 200);
    view.SetHexMode(s.Hex);
    view.SetHexSize(s.Size);
    view.Caret()->SetShape(s.Shape);
    view.SetFileName(s.Hex ? binFile : textFile);
    view.SetIsOpen(true);
    if (i == 6) {
      view.SetBorderStyle(bsNone);
      view.SetFontSize(14);
      view.SetShowCaret(false);
      view.SetMarginLeft(0);
      view.SetMarginCapt(QStringLiteral("\tsample.txt, read only"));
    }
    if (i == 7) {
      view.SetMarginLeft(8);
      view.SetMarginTop(4);
      view.Caret()->SetIsGray(true);
      view.SetColorBack2(clYellow);
    }
    for (int cmd : s.Commands) view.ExecuteCommand(cmd);
    c.Draw((i % 2) * 430, (i / 2) * 210, view.SurfaceImage());
    ++i;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  const QString file = QDir(folder).filePath(QStringLiteral("strokefont.png"));

  TBitmap sheet;
  sheet.SetSize(qMax(kCols * kCell + 1, 5 * 205), kRows * kCell + 1 + kSamplesHeight, 1);
  TCanvas& c = sheet.Canvas();
  c.Brush.Color = clWhite;
  c.FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  DrawGlyphs(c);
  DrawSamples(c, kRows * kCell + 6);
  if (!sheet.Image().save(file)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return 1;
  }

  QTemporaryDir dir;
  const QString textFile = dir.filePath(QStringLiteral("sample.txt"));
  const QString binFile = dir.filePath(QStringLiteral("sample.bin"));
  QFile text(textFile);
  text.open(QIODevice::WriteOnly);
  text.write(
      "// Instrument panel set-up\r\n[Meter1]\r\nRange=0..250 V\tscale $A0\r\n"
      "Damping=0.35\r\n\r\nchannel_name = \"Voltage L1\"\r\n"
      "A rather long line that runs past the right edge of the view to show horizontal scrolling\r\n"
      "Tabs:\tone\ttwo\tthree\r\nend.\r\n");
  text.close();
  QFile bin(binFile);
  bin.open(QIODevice::WriteOnly);
  QByteArray bytes;
  for (int b = 0; b < 300; ++b) bytes.append(char((b * 37 + 11) & 255));
  bytes.replace(16, 20, "Hello hex view, 123!");
  bin.write(bytes);
  bin.close();

  TBitmap views;
  views.SetSize(910, 840, 1);
  views.Canvas().Brush.Color = TColor(0xC8D0D4);
  views.Canvas().FillRect(TRect(0, 0, views.Width(), views.Height()));
  DrawViews(views, textFile, binFile);
  const QString viewFile = QDir(folder).filePath(QStringLiteral("textviews.png"));
  if (!views.Image().save(viewFile)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(viewFile));
    return 1;
  }
  return 0;
}
