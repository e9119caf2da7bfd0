#include "logic/logic.h"
#include "logic/logic_layout.h"
#include "logic/logic_model.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Veltor;

namespace {

// A display that has been painted once, so every rule is in force.
struct Painted {
  TLogic logic;
  Painted() { logic.PaintNow(); }
};

}  // namespace

TEST(LogicModel, DefaultsOfANewDisplay) {
  TLogic l;
  EXPECT_EQ(l.Width(), 500);
  EXPECT_EQ(l.Height(), 300);
  EXPECT_EQ(l.BufferSize(), 4000);
  EXPECT_EQ(l.BufferCount(), 1000);
  EXPECT_EQ(l.MaxChan(), 31);
  EXPECT_EQ(l.LogSize(), TLogic::Size32);
  EXPECT_EQ(l.ChanNamen().size(), 32);
  EXPECT_EQ(l.ChannelLabel(7), QStringLiteral("Chan 7"));
  EXPECT_EQ(l.ColTxtHead(), TColor(0x00FF00));
  EXPECT_EQ(l.PointerPos(), 20);
  EXPECT_EQ(l.MarkerPos(), 7);
  EXPECT_DOUBLE_EQ(l.PointerTime(), 20 * 1e-5);
  EXPECT_EQ(l.NextMatch(), -1);  // nothing is searched before the first paint
}

TEST(LogicModel, BufferSizeClampsAndFollowsTheSampleWidth) {
  Painted p;
  TLogic& l = p.logic;
  l.SetPointerPos(500);
  l.SetMarkerPos(600);
  l.SetBufferSize(50);
  EXPECT_EQ(l.BufferSize(), 100);
  EXPECT_EQ(l.MarkerPos(), 24);
  EXPECT_EQ(l.BufferCount(), 25);
  EXPECT_EQ(l.PointerPos(), 24);  // pulled back inside the smaller buffer
  l.SetBufferSize(100000);
  EXPECT_EQ(l.BufferSize(), 64000);
  EXPECT_EQ(l.BufferCount(), 16000);
  l.SetLogSize(TLogic::Size16);
  EXPECT_EQ(l.BufferCount(), 32000);
  l.SetBufferCount(5);  // read-only in effect
  EXPECT_EQ(l.BufferCount(), 32000);
}

TEST(LogicModel, ChangingTheWidthReinterpretsTheSameBytes) {
  Painted p;
  TLogic& l = p.logic;
  l.SetSample(0, int(0x44332211));
  l.SetSample(1, -1);
  EXPECT_EQ(l.GetSample(1), -1);  // 32-bit samples read signed
  l.SetLogSize(TLogic::Size8);
  EXPECT_EQ(l.BufferCount(), 4000);
  EXPECT_EQ(l.MaxChan(), 7);
  EXPECT_EQ(l.GetSample(0), 0x11);
  EXPECT_EQ(l.GetSample(3), 0x44);
  EXPECT_EQ(l.GetSample(4), 0xFF);  // zero-extended
  EXPECT_LE(l.ChanLast(), 7);
  EXPECT_LT(l.ChanFirst(), l.ChanLast());
  l.SetLogSize(TLogic::Size16);
  EXPECT_EQ(l.GetSample(0), 0x2211);
  EXPECT_EQ(l.GetSample(2), 0xFFFF);
  // Outside the buffer: 0, and stores are ignored.
  EXPECT_EQ(l.GetSample(-1), 0);
  EXPECT_EQ(l.GetSample(l.BufferCount()), 0);
  l.SetSample(l.BufferCount(), 7);
  EXPECT_EQ(l.Buffer().size(), 4000u);
}

TEST(LogicModel, ChannelRangeRules) {
  Painted p;
  TLogic& l = p.logic;
  l.SetLogSize(TLogic::Size16);
  l.SetChanLast(40);
  EXPECT_EQ(l.ChanLast(), 15);
  l.SetChanFirst(l.ChanLast());
  EXPECT_EQ(l.ChanFirst(), 14);
  l.SetChanFirst(-5);
  EXPECT_EQ(l.ChanFirst(), 0);
  l.SetChanLast(0);
  EXPECT_EQ(l.ChanLast(), 1);

  // Before the first paint the values are only stored.
  TLogic fresh;
  fresh.SetChanLast(40);
  EXPECT_EQ(fresh.ChanLast(), 40);
}

TEST(LogicModel, TimeBaseAndTimeToPosition) {
  Painted p;
  TLogic& l = p.logic;
  l.SetTimeBase(0);
  EXPECT_DOUBLE_EQ(l.TimeBase(), 1e-6);
  l.SetTimeBase(std::nan(""));
  EXPECT_DOUBLE_EQ(l.TimeBase(), 1e-6);
  l.SetTimeBase(-3);
  EXPECT_DOUBLE_EQ(l.TimeBase(), 1e-6);

  l.SetTimeBase(1e-3);
  l.SetMarkerTime(0.0125);  // 12.5 samples: halves go to the even neighbour
  EXPECT_EQ(l.MarkerPos(), 12);
  l.SetMarkerTime(0.0135);
  EXPECT_EQ(l.MarkerPos(), 14);
  EXPECT_DOUBLE_EQ(l.MarkerTime(), 14 * 1e-3);

  // A time beyond the buffer puts the pointer on the last sample.
  l.SetPointerTime(1e9);
  EXPECT_EQ(l.PointerPos(), l.BufferCount() - 1);
  EXPECT_EQ(l.DispEndPos(), l.BufferCount() - 1);
  l.SetPointerTime(-std::numeric_limits<double>::max());
  EXPECT_EQ(l.PointerPos(), 0);
}

TEST(LogicModel, PointerOutsideTheViewRecentresIt) {
  Painted p;
  TLogic& l = p.logic;
  ASSERT_EQ(l.DispStartPos(), 0);
  ASSERT_EQ(l.DispEndPos(), 50);
  l.SetPointerPos(30);  // inside: the view stays
  EXPECT_EQ(l.DispStartPos(), 0);
  l.SetPointerPos(500);
  EXPECT_EQ(l.DispStartPos(), 475);
  EXPECT_EQ(l.DispEndPos(), 525);
  l.SetPointerPos(990);
  EXPECT_EQ(l.DispEndPos(), 999);
  EXPECT_EQ(l.DispStartPos(), 949);
  l.SetPointerPos(3);
  EXPECT_EQ(l.DispStartPos(), 0);
  EXPECT_EQ(l.DispEndPos(), 50);
  EXPECT_DOUBLE_EQ(l.PointerTime(), 3e-5);
}

TEST(LogicModel, ViewRulesInDiagramAndTextMode) {
  Painted p;
  TLogic& l = p.logic;
  l.SetDispStartPos(60);  // beyond the end: the end follows
  EXPECT_EQ(l.DispStartPos(), 60);
  EXPECT_EQ(l.DispEndPos(), 61);
  l.SetDispEndPos(10);  // before the start: the start follows
  EXPECT_EQ(l.DispEndPos(), 10);
  EXPECT_EQ(l.DispStartPos(), 9);
  l.SetDispStartPos(5000);
  EXPECT_EQ(l.DispStartPos(), 998);
  l.SetDispEndPos(-4);
  EXPECT_EQ(l.DispEndPos(), 1);
  EXPECT_EQ(l.DispStartPos(), 0);
  // The pointer is kept inside the view.
  EXPECT_LE(l.PointerPos(), l.DispEndPos());

  // Text mode: the view is a page of lines around the pointer.
  l.SetPointerPos(500);
  l.SetModus(TLogic::TextDisp);
  l.PaintNow();
  const int page = l.LinesPerPage();
  ASSERT_GT(page, 5);
  EXPECT_EQ(l.DispStartPos(), 500 - page / 2);
  EXPECT_EQ(l.DispEndPos(), l.DispStartPos() + page);
  l.SetDispStartPos(995);
  EXPECT_EQ(l.DispStartPos(), l.BufferCount() - page - 1);
  EXPECT_EQ(l.DispEndPos(), l.BufferCount() - 1);
  l.SetDispEndPos(3);
  EXPECT_EQ(l.DispEndPos(), page);
  EXPECT_EQ(l.DispStartPos(), 0);

  // Back in diagram mode the remembered zoom frame becomes the view.
  l.SetZoomFrame(1, 3, 100, 200);
  l.SetModus(TLogic::Diagram);
  l.PaintNow();
  EXPECT_EQ(l.DispStartPos(), 100);
  EXPECT_EQ(l.DispEndPos(), 200);
  EXPECT_EQ(l.ChanFirst(), 1);
  EXPECT_EQ(l.ChanLast(), 3);
}

TEST(LogicModel, TextPageLongerThanTheBufferStartsAtZero) {
  TLogic l;
  l.resize(500, 900);
  l.SetBufferSize(100);  // 25 samples of 32 bits
  l.SetModus(TLogic::TextDisp);
  l.SetPointerPos(20);
  l.PaintNow();
  ASSERT_GT(l.LinesPerPage(), l.BufferCount());
  EXPECT_EQ(l.DispStartPos(), 0);
  l.SetDispStartPos(10);
  EXPECT_EQ(l.DispStartPos(), 0);
}

TEST(LogicModel, MarkerIsClampedToTheBufferNotTheView) {
  Painted p;
  TLogic& l = p.logic;
  l.SetMarkerPos(700);
  EXPECT_EQ(l.MarkerPos(), 700);
  EXPECT_EQ(l.DispEndPos(), 50);  // the view does not follow
  l.SetMarkerPos(5000);
  EXPECT_EQ(l.MarkerPos(), 999);
  l.SetMarkerPos(-1);
  EXPECT_EQ(l.MarkerPos(), 0);
}

TEST(LogicModel, BitPatternSearch) {
  Painted p;
  TLogic& l = p.logic;
  l.SetMatchValue(QStringLiteral("1x0"));
  EXPECT_EQ(l.MatchMask(), 0b101u);
  EXPECT_EQ(l.MatchPattern(), 0b100u);
  l.SetSample(0, 0b001);
  l.SetSample(1, 0b111);
  l.SetSample(2, 0b110);
  l.SetSample(3, 0b100);
  l.SetMatchAdr(0);
  // All-zero samples never match: bit 2 must be set.
  EXPECT_EQ(l.NextMatch(), 2);
  EXPECT_EQ(l.MatchAdr(), 2);
  EXPECT_EQ(l.PointerPos(), 2);
  EXPECT_EQ(l.NextMatch(), 2);  // starts at MatchAdr itself
  l.SetMatchAdr(3);
  EXPECT_EQ(l.NextMatch(), 3);
  l.SetMatchAdr(4);
  EXPECT_EQ(l.NextMatch(), -1);
  EXPECT_EQ(l.PointerPos(), 3);  // no hit changes nothing

  // A full 32-bit pattern, with the top bit.
  l.SetMatchValue(QStringLiteral("1") + QString(31, QLatin1Char('0')));
  l.SetSample(600, int(0x80000000u));
  l.SetMatchAdr(0);
  EXPECT_EQ(l.NextMatch(), 600);
  EXPECT_EQ(l.DispStartPos(), 575);  // the pointer took the view with it

  l.SetMatchAdr(-1);
  EXPECT_EQ(l.MatchAdr(), 0);
  l.SetMatchAdr(l.BufferCount() - 2);
  EXPECT_EQ(l.MatchAdr(), 0);
}

TEST(LogicModel, ChannelNamesKeepThirtyTwoEntriesAndInvalidate) {
  Painted p;
  TLogic& l = p.logic;
  int refreshes = 0;
  QObject::connect(&l, &TLogic::onRefresh, [&] { ++refreshes; });
  l.SetChanNamen({QStringLiteral("CLK"), QStringLiteral("DATA")});
  EXPECT_EQ(l.ChanNamen().size(), 32);
  EXPECT_EQ(l.ChannelLabel(1), QStringLiteral("DATA"));
  EXPECT_EQ(l.ChannelLabel(2), QStringLiteral("Chan 2"));
  l.PaintNow();  // the change asked for a full paint
  EXPECT_EQ(refreshes, 1);
  l.SetChanName(1, QStringLiteral("DATA"));
  l.PaintNow();
  EXPECT_EQ(refreshes, 1);
  QStringList many;
  for (int i = 0; i < 40; ++i) many << QString::number(i);
  l.SetChanNamen(many);
  EXPECT_EQ(l.ChanNamen().size(), 32);
  EXPECT_EQ(l.ChannelLabel(31), QStringLiteral("31"));
}

TEST(LogicModel, SnapshotsCopyTheDataAreaOrTheWholeControl) {
  Painted p;
  TLogic& l = p.logic;
  TBitmap* disp = l.PrintDisp();
  ASSERT_NE(disp, nullptr);
  EXPECT_EQ(disp->Width(), l.DataRect().Width());
  EXPECT_EQ(disp->Height(), l.DataRect().Height());
  const QImage surface = l.SurfaceImage();
  EXPECT_EQ(disp->Image(), surface.copy(l.DataRect().ToQRect()));
  TBitmap* all = l.PrintAll();  // replaces the first one
  EXPECT_EQ(all->Image(), surface);
  l.ReleaseSnapshot();
}

// ---------------------------------------------------------------- the model alone

namespace {

TLogicModel LaidOutModel(int pageLines = 0) {
  TLogicModel m;
  m.SetLaidOut();
  m.SetPageLines(pageLines);
  return m;
}

}  // namespace

TEST(LogicRules, BeforeTheLayoutChannelsAndWidthOnlyStore) {
  TLogicModel m;
  EXPECT_FALSE(m.SetChanLast(40));
  EXPECT_EQ(m.ChanLast(), 40);
  EXPECT_FALSE(m.SetLogSize(TLogicModel::Size8));
  EXPECT_EQ(m.BufferCount(), 4000);
  EXPECT_EQ(m.ChanLast(), 40);  // not yet kept within the width
  EXPECT_EQ(m.SetPointerPos(900), TLogicModel::PointerStored);
  EXPECT_EQ(m.DispStartPos(), 0);  // the view stays
  EXPECT_EQ(m.NextMatch(), -1);

  m.SetLaidOut();
  EXPECT_TRUE(m.SetChanLast(40));
  EXPECT_EQ(m.ChanLast(), 7);
  EXPECT_TRUE(m.SetLogSize(TLogicModel::Size16));
  EXPECT_FALSE(m.SetLogSize(TLogicModel::Size16));
  EXPECT_EQ(m.SetPointerPos(1500), TLogicModel::ViewMoved);
  EXPECT_EQ(m.DispStartPos(), 1475);
  EXPECT_EQ(m.SetPointerPos(1500), TLogicModel::PointerKept);
  EXPECT_EQ(m.SetPointerPos(1510), TLogicModel::PointerMoved);
}

TEST(LogicRules, TextPageComesFromThePageLinesSet) {
  TLogicModel m = LaidOutModel(10);
  ASSERT_TRUE(m.SetModus(TLogicModel::TextDisp));
  EXPECT_FALSE(m.SetModus(TLogicModel::TextDisp));
  m.SetPointerPos(500);
  m.PrepareRedraw();  // the new mode's view: a page around the pointer
  EXPECT_EQ(m.DispStartPos(), 495);
  EXPECT_EQ(m.DispEndPos(), 505);
  EXPECT_TRUE(m.SetDispStartPos(995));
  EXPECT_EQ(m.DispStartPos(), 989);
  EXPECT_EQ(m.DispEndPos(), 999);
  EXPECT_FALSE(m.StepLineForward());
  EXPECT_TRUE(m.SetDispEndPos(3));
  EXPECT_EQ(m.DispStartPos(), 0);
  EXPECT_EQ(m.DispEndPos(), 10);
  EXPECT_FALSE(m.StepLineBack());
  EXPECT_TRUE(m.StepLineForward());
  EXPECT_EQ(m.DispEndPos(), 11);
}

// Every buffer size against every page, down to pages of no line at all:
// whatever the user does, the view never starts before the first sample and
// the position bar's red part stays in the bar.
TEST(LogicRules, TextViewNeverStartsBeforeTheBuffer) {
  const TRect bar(0, 0, 97, 8);
  for (int size : {100, 104, 400, 4000}) {
    for (int page : {-3, -1, 0, 10, 23, 24, 25, 26, 40, 1000}) {
      TLogicModel m = LaidOutModel(page);
      m.SetBufferSize(size);
      m.SetPointerPos(m.BufferCount() - 1);
      m.SetModus(TLogicModel::TextDisp);
      auto check = [&](const char* step) {
        EXPECT_GE(m.DispStartPos(), 0) << size << " bytes, page " << page << ", " << step;
        const TRect red = PositionBarSpan(bar, m.DispStartPos(), m.DispEndPos(), m.BufferCount());
        EXPECT_TRUE(red.Left >= bar.Left && red.Right <= bar.Right && red.Left < red.Right)
            << size << " bytes, page " << page << ", " << step;
      };
      m.PrepareRedraw();
      check("mode change");
      for (int i = 0; i < 3; ++i) m.PageForward();
      check("page forward");
      m.StepLineForward();
      check("line forward");
      m.SetDispStartPos(m.BufferCount());
      check("start past the end");
      m.SetDispEndPos(m.BufferCount());
      check("end past the end");
      m.SetPointerPos(0);
      check("pointer to the start");
      m.PageBack();
      m.StepLineBack();
      check("back");

      // A listing near the end of a large buffer, then the buffer shrinks
      // and the pointer follows it in (as the display does).
      TLogicModel shrunk = LaidOutModel(page);
      shrunk.SetModus(TLogicModel::TextDisp);
      shrunk.PrepareRedraw();
      shrunk.SetDispStartPos(900);
      shrunk.SetPointerPos(shrunk.DispEndPos());
      shrunk.SetBufferSize(size);
      shrunk.SetPointerPos(shrunk.BufferCount() - 1);
      EXPECT_GE(shrunk.DispStartPos(), 0) << size << " bytes, page " << page << ", shrunk";
    }
  }
}

TEST(LogicRules, ScrollStepsCarryTheFractionalPixel) {
  TLogicModel m = LaidOutModel();
  m.SetDispEndPos(3);  // 3 samples across 100 pixels
  // 33.3 is 33; 33.3 + 0.3 is 34; 33.3 - 0.3 is 33: the whole width in three.
  EXPECT_EQ(m.TakeScrollShift(100), 33);
  EXPECT_EQ(m.TakeScrollShift(100), 34);
  EXPECT_EQ(m.TakeScrollShift(100), 33);
  EXPECT_NEAR(m.ScrollFraction(), 0, 1e-9);
  m.PrepareRedraw();
  m.TakeScrollShift(100);
  m.PrepareRedraw();
  EXPECT_EQ(m.ScrollFraction(), 0);  // a full redraw carries nothing
}

TEST(LogicRules, ZoomButtonsToggleInTheDiagramOnly) {
  TLogicModel m = LaidOutModel(10);
  EXPECT_EQ(m.ToggleTimeZoom(), TLogicModel::RedrawView);
  EXPECT_EQ(m.DispEndPos(), 999);
  EXPECT_EQ(m.ToggleTimeZoom(), TLogicModel::RepaintAll);
  EXPECT_EQ(m.DispStartPos(), 20);
  EXPECT_EQ(m.DispEndPos(), 80);
  EXPECT_EQ(m.ToggleChannelZoom(), TLogicModel::RepaintAll);
  EXPECT_EQ(m.ChanLast(), 31);
  EXPECT_EQ(m.ShiftChannels(1), TLogicModel::NoUpdate);  // 31 is the top
  EXPECT_EQ(m.ToggleChannelZoom(), TLogicModel::RepaintAll);
  EXPECT_EQ(m.ChanFirst(), 2);
  EXPECT_EQ(m.ShiftChannels(-1), TLogicModel::RedrawView);
  EXPECT_EQ(m.ChanFirst(), 1);
  EXPECT_EQ(m.ChanLast(), 4);
  m.SetModus(TLogicModel::TextDisp);
  EXPECT_EQ(m.ToggleTimeZoom(), TLogicModel::NoUpdate);
  EXPECT_EQ(m.ShiftChannels(-1), TLogicModel::NoUpdate);
  EXPECT_EQ(m.ChanFirst(), 1);
}
