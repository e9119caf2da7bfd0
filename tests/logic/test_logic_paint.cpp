#include "logic/diagram.h"
#include "logic/logic.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <vector>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

std::vector<quint8> RandomBytes(int n, quint32 seed) {
  QRandomGenerator rng(seed);
  std::vector<quint8> bytes(static_cast<std::size_t>(n));
  for (quint8& b : bytes) b = quint8(rng.bounded(256));
  return bytes;
}

// A painted display holding a recognisable pattern.
struct Shown {
  TLogic l;
  explicit Shown(int w = 800, int h = 450) {
    l.resize(w, h);
    for (int i = 0; i < l.BufferCount(); ++i) l.SetSample(i, i ^ (i >> 3));
    l.PaintNow();
  }
  QImage Img() { return l.SurfaceImage(); }
};

}  // namespace

TEST(DiagramGeometry, RowsLevelsAndColumns) {
  TDiagramGeometry g;
  g.Top = 40;
  g.DataHeight = 300;
  g.ChanFirst = 0;
  g.ChanLast = 31;
  EXPECT_DOUBLE_EQ(g.RowHeight(), 9.375);
  for (int i = 0; i < 32; ++i) EXPECT_EQ(g.Base(i), int(std::nearbyint(9.375 * (i + 1))) + 40 - 1) << i;
  EXPECT_EQ(g.HighOffset(), 7);
  EXPECT_EQ(g.LowOffset(), 1);

  g.Left = 100;
  g.DataWidth = 500;
  g.Start = 30;
  g.End = 55;  // 25 samples across 500 pixels
  EXPECT_EQ(g.X(0), 100);
  EXPECT_EQ(g.X(1), 120);
  EXPECT_EQ(g.X(25), 600);
}

TEST(DiagramTraces, FastDrawingMatchesTheReferencePixelForPixel) {
  const std::vector<quint8> bytes = RandomBytes(64000, 7);
  struct Case {
    int bytesPerSample, start, end, chanFirst, chanLast, width, height;
  } cases[] = {
      {4, 0, 15999, 0, 31, 1500, 800},                                  // many samples per pixel column
      {4, 100, 125, 0, 31, 500, 300},                                   // 20 pixels per sample
      {2, 7, 44, 3, 11, 501, 157},                                      // a fraction of a pixel left over
      {1, 0, 63999, 0, 7, 900, 200},   {4, 500, 501, 30, 31, 333, 33},  // one sample, two channels
      {4, 0, 3000, 0, 31, 1200, 20},                                    // rows under a pixel high
  };
  for (const Case& c : cases) {
    TSampleView view{bytes.data(), c.bytesPerSample, 64000 / c.bytesPerSample};
    TDiagramGeometry g;
    g.Left = 10;
    g.Top = 5;
    g.DataWidth = c.width;
    g.DataHeight = c.height;
    g.Start = c.start;
    g.End = c.end;
    g.ChanFirst = c.chanFirst;
    g.ChanLast = c.chanLast;
    TBitmap slow(c.width + 20, c.height + 10);
    TBitmap fast(c.width + 20, c.height + 10);
    DrawTracesReference(slow.Canvas(), g, view, clLime);
    DrawTracesFast(fast.Canvas(), g, view, clLime);
    const QImage a = slow.Image();
    const QImage b = fast.Image();
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differing, 0) << c.start << ".." << c.end << " on " << c.width;
    EXPECT_NE(a, QImage(a.size(), a.format()));  // something was drawn
  }
}

TEST(LogicPaint, TriggerBarOnlyStrictlyInsideTheView) {
  Shown s;
  s.l.SetColTrigger(clRed);
  s.l.SetPointerEnable(false);
  s.l.SetMarkerEnable(false);
  auto redAt = [&](int position) {
    const QImage img = s.Img();
    const TRect d = s.l.DataRect();
    const int x = int(std::nearbyint(double(position - s.l.DispStartPos()) * s.l.DataWidth() /
                                     (s.l.DispEndPos() - s.l.DispStartPos()))) +
                  d.Left;
    int red = 0;
    for (int xx = std::max(d.Left, x - 2); xx <= std::min(d.Right - 1, x + 2); ++xx)
      red += PixelAt(img, xx, d.Top + 2) == clRed;
    return red;
  };
  s.l.SetTriggerPos(25);
  EXPECT_GE(redAt(25), 3);
  s.l.SetTriggerPos(0);  // at the first shown sample
  EXPECT_EQ(redAt(0), 0);
  s.l.SetTriggerPos(50);  // at the last shown sample
  EXPECT_EQ(redAt(50), 0);
}

TEST(LogicPaint, TextLinePiecesAndStatusTimes) {
  TLogic l;
  l.SetLogSize(TLogic::Size8);
  l.SetSample(0, 65);
  EXPECT_EQ(l.TextLinePieces(0, true), QStringList({" 0000:  hex: 41", "  bin: 01000001", "  'A'"}));
  l.SetLogSize(TLogic::Size32);
  l.PaintNow();
  l.SetSample(16, 0xABCD);
  EXPECT_EQ(l.TextLinePieces(16, false),
            QStringList({" 0010:  hex: 0000ABCD", "  bin: 00000000 00000000 10101011 11001101"}));
  l.SetSample(1, 0x41000942);
  EXPECT_EQ(l.TextLinePieces(1, true).at(2), QStringLiteral("  'A..B'"));

  EXPECT_EQ(TLogic::StatusTimeText(90), QStringLiteral("00:01:30"));
  EXPECT_EQ(TLogic::StatusTimeText(160e-6), QStringLiteral("160.0uSec"));
  EXPECT_EQ(TLogic::StatusTimeText(-2e-3), QStringLiteral("-2.000mSec"));
}

TEST(LogicPaint, ListingShowsTheThirdPieceOnlyWhenItFits) {
  for (int width : {900, 340}) {
    TLogic l;
    l.resize(width, 300);
    l.SetLogSize(TLogic::Size8);
    l.SetSample(0, 'W');
    l.SetModus(TLogic::TextDisp);
    l.SetPointerEnable(false);
    l.SetMarkerEnable(false);
    const QImage img = l.SurfaceImage();
    VeltorTest::SaveImage(img, QStringLiteral("listing-%1.png").arg(width));
    // Ink right of the two first pieces means the characters are there.
    const TRect d = l.DataRect();
    TBitmap probe(10, 10);
    probe.Canvas().Font.Name = QStringLiteral("Courier New");
    probe.Canvas().Font.SetSize(10);
    const QStringList pieces = l.TextLinePieces(0, false);
    const int end = d.Left + probe.Canvas().TextWidth(pieces[0] + pieces[1]);
    int ink = 0;
    for (int y = d.Top; y < d.Top + 13; ++y)
      for (int x = end; x < d.Right; ++x) ink += PixelAt(img, x, y) != l.ColTextDisp();
    if (width == 900) {
      EXPECT_GT(ink, 5);
    } else {
      EXPECT_EQ(ink, 0);
    }
  }
}

TEST(LogicPaint, PositionBarShowsTheViewShare) {
  Shown s;
  s.l.SetBufferSize(64000);  // 16000 samples
  const TRect bar = s.l.StatusRect(TLogic::PosBar);
  ASSERT_FALSE(bar.IsEmpty());
  const int y = bar.Top + bar.Height() / 2;
  auto redPixels = [&](int* first) {
    const QImage img = s.Img();
    EXPECT_EQ(PixelAt(img, bar.Left - 1, y), clGray);  // the outline stays
    int red = 0;
    *first = -1;
    for (int x = bar.Left; x < bar.Right; ++x) {
      if (PixelAt(img, x, y) == clRed) {
        ++red;
        if (*first < 0) *first = x;
      }
    }
    return red;
  };
  int first = 0;
  // Both ends on one pixel: the red part is one pixel wide.
  s.l.SetDispStartPos(1000);
  s.l.SetDispEndPos(1001);
  const int a = int(bar.Width() * 1000LL / 16000);
  ASSERT_EQ(a, int(bar.Width() * 1001LL / 16000));
  EXPECT_EQ(redPixels(&first), 1);
  EXPECT_EQ(first, bar.Left + a - 1);
  // At the very start it stays inside the bar.
  s.l.SetDispStartPos(0);
  s.l.SetDispEndPos(20);
  EXPECT_EQ(redPixels(&first), 1);
  EXPECT_EQ(first, bar.Left);
  // Half the buffer in view: half the bar.
  s.l.SetDispEndPos(7999);
  EXPECT_NEAR(redPixels(&first), bar.Width() / 2, 1);
}

TEST(LogicPaint, DisplayTypesWithoutFooterDrawNoStatus) {
  for (auto type : {TDisplay::dispOnly, TDisplay::dispTop, TDisplay::dispCenter}) {
    Shown s;
    s.l.SetDisplayTyp(type);
    const QImage img = s.Img();
    VeltorTest::SaveImage(img, QStringLiteral("logic-type-%1.png").arg(int(type)));
    EXPECT_TRUE(s.l.StatusRect(TLogic::PtrCycField).IsEmpty());
    EXPECT_TRUE(s.l.ButtonRect(TLogic::BtnChanZoom).IsEmpty());
    // Nothing but the frame background below the data area.
    const TRect d = s.l.DataRect();
    for (int y = d.Bottom + 2; y < s.l.InnerRect().Bottom; ++y) {
      EXPECT_EQ(PixelAt(img, d.Left + 20, y), s.l.ColBgnd()) << int(type);
    }
  }
  Shown full;
  VeltorTest::SaveImage(full.Img(), QStringLiteral("logic-diagram.png"));
  full.l.SetModus(TLogic::TextDisp);
  VeltorTest::SaveImage(full.Img(), QStringLiteral("logic-text.png"));
}

TEST(LogicPaint, PointerAndMarkerAreXorLinesThatLeaveNoTrace) {
  Shown s;
  s.l.SetPointerEnable(false);
  s.l.SetMarkerEnable(false);
  const QRect data = s.l.DataRect().ToQRect();
  const QImage clean = s.Img().copy(data);
  s.l.SetPointerEnable(true);
  const QImage withPointer = s.Img().copy(data);
  EXPECT_NE(withPointer, clean);
  const int x = s.l.LineX(s.l.PointerPos()) - data.left();
  EXPECT_NE(PixelAt(withPointer, x, 5), PixelAt(clean, x, 5));

  s.l.SetPointerPos(30);
  EXPECT_NE(s.Img().copy(data), withPointer);
  s.l.SetPointerPos(20);
  EXPECT_EQ(s.Img().copy(data), withPointer);
  s.l.SetColPointer(clRed);
  s.l.SetColPointer(0x00FF00);
  EXPECT_EQ(s.Img().copy(data), withPointer);

  s.l.SetMarkerEnable(true);
  s.l.SetMarkerPos(40);
  s.l.SetMarkerPos(700);  // outside the view: not drawn
  s.l.SetMarkerEnable(false);
  s.l.SetPointerEnable(false);
  EXPECT_EQ(s.Img().copy(data), clean);
}
