#include "foundation/tickregistry.h"
#include "logic/logic.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

// A shown display on a window, with a pattern in its buffer.
struct Window {
  QWidget window;
  TLogic* l = new TLogic(&window);
  int zoomSets = 0;
  Window() {
    window.resize(820, 470);
    l->resize(800, 450);
    for (int i = 0; i < l->BufferCount(); ++i) l->SetSample(i, i * 2654435761u >> 7);
    QObject::connect(l, &TLogic::onZoomSet, [this] { ++zoomSets; });
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    l->PaintNow();
  }
  QPoint Centre(TLogic::TFooterButton b) const {
    const TRect r = l->ButtonRect(b);
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void Click(TLogic::TFooterButton b, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(l, button, Qt::NoModifier, Centre(b));
  }
  // x of a sample in the data area.
  int XOf(int position) const {
    return l->DataRect().Left +
           int(double(position - l->DispStartPos()) * l->DataWidth() / (l->DispEndPos() - l->DispStartPos()));
  }
  int RowY(int channel) const {
    const TDiagramGeometry g = l->Geometry();
    return g.Base(channel - l->ChanFirst()) - 2;
  }
  QImage Data() { return l->SurfaceImage().copy(l->DataRect().ToQRect()); }
};

}  // namespace

TEST(LogicInput, LeftPlacesThePointerRightTheMarkerAndCtrlNothing) {
  Window w;
  const int y = w.l->DataRect().Top + 20;
  QTest::mouseClick(w.l, Qt::LeftButton, Qt::NoModifier, QPoint(w.XOf(30), y));
  EXPECT_EQ(w.l->PointerPos(), 30);
  QTest::mouseClick(w.l, Qt::RightButton, Qt::NoModifier, QPoint(w.XOf(12), y));
  EXPECT_EQ(w.l->MarkerPos(), 12);
  QTest::mouseClick(w.l, Qt::LeftButton, Qt::ControlModifier, QPoint(w.XOf(40), y));
  EXPECT_EQ(w.l->PointerPos(), 30);
  // Outside the data area nothing is placed.
  QTest::mouseClick(w.l, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(w.l->PointerPos(), 30);
}

TEST(LogicInput, DraggingMovesThePointerAndLeavesNoTrace) {
  Window w;
  w.l->SetMarkerEnable(false);
  const QImage start = w.Data();
  const int y = w.l->DataRect().Top + 20;
  QTest::mousePress(w.l, Qt::LeftButton, Qt::NoModifier, QPoint(w.XOf(20), y));
  for (int p : {25, 31, 44}) QTest::mouseMove(w.l, QPoint(w.XOf(p), y));
  EXPECT_EQ(w.l->PointerPos(), 44);
  QTest::mouseMove(w.l, QPoint(w.XOf(20), y));
  QTest::mouseRelease(w.l, Qt::LeftButton, Qt::NoModifier, QPoint(w.XOf(20), y));
  EXPECT_EQ(w.l->PointerPos(), 20);
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data(), start), QString());
}

TEST(LogicInput, ZoomFrameRemembersAndFiresOnlyAcrossRows) {
  Window w;
  const QImage before = w.Data();
  auto drag = [&](QPoint from, QPoint to, Qt::MouseButton button, Qt::KeyboardModifiers mods) {
    QTest::mousePress(w.l, button, mods, from);
    // QTest's moves carry no buttons: send a real move with the button held.
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(w.l->mapToGlobal(to)), Qt::NoButton, button, mods);
    QCoreApplication::sendEvent(w.l, &move);
    QTest::mouseRelease(w.l, button, mods, to);
  };

  // Middle button over channels 1..3 and samples 10..30.
  drag(QPoint(w.XOf(10), w.RowY(1)), QPoint(w.XOf(30), w.RowY(3)), Qt::MiddleButton, Qt::NoModifier);
  EXPECT_EQ(w.zoomSets, 1);
  EXPECT_NEAR(w.l->ZoomStartPos(), 10, 1);
  EXPECT_NEAR(w.l->ZoomEndPos(), 30, 1);
  EXPECT_EQ(w.l->ZoomChanFirst(), 1);
  EXPECT_EQ(w.l->ZoomChanLast(), 3);
  EXPECT_EQ(w.l->DispStartPos(), 0);                                    // the view itself does not change
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data(), before), QString());  // the XOR frame is gone

  // Shift and left within one row: remembered, not fired.
  drag(QPoint(w.XOf(5), w.RowY(4)), QPoint(w.XOf(15), w.RowY(4) + 1), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(w.zoomSets, 1);
  EXPECT_NEAR(w.l->ZoomStartPos(), 5, 1);
  EXPECT_EQ(w.l->ZoomChanFirst(), 4);
  EXPECT_EQ(w.l->ZoomChanLast(), 4);

  // Both corners on one sample: nothing at all.
  drag(QPoint(w.XOf(40), w.RowY(0)), QPoint(w.XOf(40), w.RowY(6)), Qt::MiddleButton, Qt::NoModifier);
  EXPECT_EQ(w.zoomSets, 1);
  EXPECT_NEAR(w.l->ZoomStartPos(), 5, 1);
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data(), before), QString());

  // Applying the frame makes it the view.
  drag(QPoint(w.XOf(10), w.RowY(1)), QPoint(w.XOf(30), w.RowY(3)), Qt::MiddleButton, Qt::NoModifier);
  w.l->ApplyZoom();
  w.l->PaintNow();
  EXPECT_EQ(w.l->ChanFirst(), 1);
  EXPECT_EQ(w.l->ChanLast(), 3);
  EXPECT_NEAR(w.l->DispStartPos(), 10, 1);
}

TEST(LogicInput, ChannelAndTimeZoomButtonsToggle) {
  Window w;
  w.l->SetChanFirst(0);
  w.l->SetChanLast(31);
  w.Click(TLogic::BtnChanZoom);
  w.l->PaintNow();
  EXPECT_EQ(w.l->ChanFirst(), 2);
  EXPECT_EQ(w.l->ChanLast(), 5);
  w.Click(TLogic::BtnChanZoom);
  EXPECT_EQ(w.l->ChanFirst(), 0);
  EXPECT_EQ(w.l->ChanLast(), 31);

  w.Click(TLogic::BtnChanDown);  // already at channel 0
  EXPECT_EQ(w.l->ChanFirst(), 0);
  w.l->SetChanLast(10);
  w.Click(TLogic::BtnChanUp);
  EXPECT_EQ(w.l->ChanFirst(), 1);
  EXPECT_EQ(w.l->ChanLast(), 11);

  // Time zoom: whole buffer, remembered frame, whole buffer.
  w.Click(TLogic::BtnTimeZoom);
  EXPECT_EQ(w.l->DispStartPos(), 0);
  EXPECT_EQ(w.l->DispEndPos(), w.l->BufferCount() - 1);
  w.Click(TLogic::BtnTimeZoom);
  w.l->PaintNow();
  EXPECT_EQ(w.l->DispStartPos(), 20);
  EXPECT_EQ(w.l->DispEndPos(), 80);
  w.Click(TLogic::BtnTimeZoom);
  EXPECT_EQ(w.l->DispEndPos(), w.l->BufferCount() - 1);

  // The middle button on it switches the mode instead; in text mode the
  // channel buttons do nothing.
  w.Click(TLogic::BtnTimeZoom, Qt::MiddleButton);
  w.l->PaintNow();
  EXPECT_EQ(w.l->Modus(), TLogic::TextDisp);
  const int first = w.l->ChanFirst();
  w.Click(TLogic::BtnChanUp);
  EXPECT_EQ(w.l->ChanFirst(), first);
  w.Click(TLogic::BtnTimeZoom, Qt::MiddleButton);
  EXPECT_EQ(w.l->Modus(), TLogic::Diagram);
}

TEST(LogicInput, HeldStepButtonRepeatsAfterAPauseThenEveryTick) {
  Window w;
  // Keep the pointer out of the way of the view.
  const QPoint at = w.Centre(TLogic::BtnStepFwd);
  QTest::mousePress(w.l, Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(w.l->DispStartPos(), 1);  // one step at once
  // 600 ms is 11 ticks of the registry.
  for (int i = 0; i < 10; ++i) TimerTick();
  EXPECT_EQ(w.l->DispStartPos(), 1);
  TimerTick();
  EXPECT_EQ(w.l->DispStartPos(), 2);
  for (int i = 0; i < 5; ++i) TimerTick();
  EXPECT_EQ(w.l->DispStartPos(), 7);
  QTest::mouseRelease(w.l, Qt::LeftButton, Qt::NoModifier, at);
  for (int i = 0; i < 20; ++i) TimerTick();
  EXPECT_EQ(w.l->DispStartPos(), 7);
  EXPECT_EQ(w.l->DispEndPos(), 57);
}

TEST(LogicInput, StepsAndPagesStopAtTheEnds) {
  Window w;
  w.l->StepBack();
  EXPECT_EQ(w.l->DispStartPos(), 0);
  w.l->PageBack();
  EXPECT_EQ(w.l->DispStartPos(), 0);
  w.l->PageForward();
  EXPECT_EQ(w.l->DispStartPos(), 50);
  EXPECT_EQ(w.l->DispEndPos(), 100);
  w.l->PageBack();
  EXPECT_EQ(w.l->DispStartPos(), 0);

  w.l->SetDispEndPos(w.l->BufferCount() - 1);
  w.l->SetDispStartPos(w.l->BufferCount() - 51);
  const int end = w.l->DispEndPos();
  w.l->PageForward();
  w.l->StepForward();
  EXPECT_EQ(w.l->DispEndPos(), end);
  w.l->StepBack();
  EXPECT_EQ(w.l->DispEndPos(), end - 1);
  EXPECT_GE(w.l->PointerPos(), w.l->DispStartPos());  // the pointer stays in view
}

TEST(LogicInput, OneSampleStepsShowWhatAFullRedrawShows) {
  Window w;
  w.l->SetPointerEnable(false);
  w.l->SetMarkerEnable(false);
  w.l->SetTriggerPos(-10);
  // A whole number of pixels per sample that is also a whole number of the
  // base lines' dot periods (3 on, 3 off), so the shifted picture keeps its
  // dots where a full redraw puts them; and dots in the columns at the left
  // edge of the strip, so a strip that gets them wrong shows.
  constexpr int kDotPeriod = 6;
  int span = 0;
  for (int grow = 0; grow < 120 && span == 0; ++grow) {
    w.l->resize(w.l->Width() + (grow > 0), w.l->Height());
    w.l->PaintNow();
    const int width = w.l->DataWidth();
    if ((width + 1) % kDotPeriod >= 3) continue;
    for (int s = 60; s >= 10 && span == 0; --s) {
      if (width % s == 0 && (width / s) % kDotPeriod == 0) span = s;
    }
  }
  ASSERT_GT(span, 0) << w.l->DataWidth();
  const int shift = w.l->DataWidth() / span;
  w.l->SetDispStartPos(200);
  w.l->SetDispEndPos(200 + span);

  auto fullRedraw = [&] {
    TLogic fresh;
    fresh.resize(w.l->Width(), w.l->Height());
    for (int i = 0; i < fresh.BufferCount(); ++i) fresh.SetSample(i, w.l->GetSample(i));
    fresh.SetPointerEnable(false);
    fresh.SetMarkerEnable(false);
    fresh.SetTriggerPos(-10);
    fresh.PaintNow();
    fresh.SetDispStartPos(w.l->DispStartPos());
    fresh.SetDispEndPos(w.l->DispEndPos());
    return fresh.SurfaceImage().copy(fresh.DataRect().ToQRect());
  };
  // The grid is there to compare: a dot in the strip's columns on the first
  // base line.
  const int base = w.l->Geometry().Base(0) - w.l->DataRect().Top;
  ASSERT_EQ(PixelAt(fullRedraw(), shift, base), w.l->ColGrid());

  // Stepping forward, the first column keeps the edge into the new first
  // sample (it moved in with the picture); everything else is as redrawn.
  for (int i = 0; i < 3; ++i) w.l->StepForward();
  EXPECT_EQ(w.l->DispStartPos(), 203);
  const QRect fromColumn1(1, 0, w.l->DataRect().Width() - 1, w.l->DataRect().Height());
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data().copy(fromColumn1), fullRedraw().copy(fromColumn1)), QString());
  for (int i = 0; i < 5; ++i) w.l->StepBack();
  EXPECT_EQ(w.l->DispStartPos(), 198);
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data(), fullRedraw()), QString());
  EXPECT_DOUBLE_EQ(w.l->ScrollFraction(), 0);
}

// A text page longer than the buffer: 25 samples of 32 bits in a page of
// about 40 lines.
TEST(LogicInput, PageForwardOverAShortBufferKeepsTheViewAndTheBarInPlace) {
  Window w;
  w.l->resize(640, 600);
  w.l->SetBufferSize(100);
  w.l->SetModus(TLogic::TextDisp);
  w.l->PaintNow();
  ASSERT_GT(w.l->LinesPerPage(), w.l->BufferCount());
  const TRect bar = w.l->StatusRect(TLogic::PosBar);
  const TRect timeZoom = w.l->ButtonRect(TLogic::BtnTimeZoom);  // its glyph has a red box
  auto redOutsideTheBar = [&] {
    const QImage img = w.l->SurfaceImage();
    int outside = 0;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        if (bar.Contains(x, y) || timeZoom.Contains(x, y)) continue;
        outside += PixelAt(img, x, y) == clRed;
      }
    }
    return outside;
  };
  EXPECT_EQ(redOutsideTheBar(), 0);
  const QImage before = w.Data();
  w.Click(TLogic::BtnPageFwd);
  EXPECT_EQ(w.l->DispStartPos(), 0);
  EXPECT_EQ(w.l->DispEndPos(), w.l->LinesPerPage());  // still one page
  EXPECT_EQ(redOutsideTheBar(), 0);
  // Nothing to page to: the listing stays where it was.
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data(), before), QString());
  // The whole buffer is in view: the red part spans the bar but for the
  // share of the one sample past the last shown start.
  const QImage img = w.l->SurfaceImage();
  const int y = bar.Top + bar.Height() / 2;
  EXPECT_EQ(PixelAt(img, bar.Left, y), clRed);
  EXPECT_EQ(PixelAt(img, bar.Left + bar.Width() * 24 / 25 - 1, y), clRed);
  EXPECT_EQ(PixelAt(img, bar.Right - 1, y), clSilver);
}

TEST(LogicInput, FractionalStepsCarryTheRemainder) {
  Window w;
  w.l->SetDispStartPos(100);
  w.l->SetDispEndPos(100 + 37);
  const double perSample = double(w.l->DataWidth()) / 37;
  double carried = 0;
  for (int i = 0; i < 5; ++i) {
    w.l->StepForward();
    const double d = perSample + carried;
    carried = d - std::nearbyint(d);
    EXPECT_NEAR(w.l->ScrollFraction(), carried, 1e-9);
  }
  EXPECT_LT(std::fabs(w.l->ScrollFraction()), 0.5 + 1e-9);
}

TEST(LogicInput, TextModeStepsScrollByALine) {
  Window w;
  w.l->SetModus(TLogic::TextDisp);
  w.l->PaintNow();
  const int start = w.l->DispStartPos();
  const int page = w.l->LinesPerPage();
  const QImage before = w.Data();
  w.l->StepForward();
  EXPECT_EQ(w.l->DispStartPos(), start + 1);
  EXPECT_EQ(w.l->DispEndPos(), start + 1 + page);
  w.l->StepBack();
  EXPECT_EQ(w.l->DispStartPos(), start);
  // Scrolled away and back, the listing reads as before.
  EXPECT_EQ(VeltorTest::ImageDifference(w.Data(), before), QString());
  // Clicking a line puts the pointer on it.
  QTest::mouseClick(w.l, Qt::LeftButton, Qt::NoModifier,
                    QPoint(w.l->DataRect().Left + 50, w.l->DataRect().Top + 13 * 3 + 4));
  EXPECT_EQ(w.l->PointerPos(), start + 3);
}
