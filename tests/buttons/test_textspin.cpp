#include "buttons/textspin.h"

#include "foundation/tickregistry.h"
#include "pixels.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace Veltor;
using ButtonTest::CountColour;
using ButtonTest::CountOther;
using VeltorTest::PixelAt;

namespace {

QPoint Centre(const TRect& r) { return QPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2); }

// A shown spinner with its events counted.
template <typename Spin>
struct Shown {
  QWidget window;
  Spin* s = new Spin(&window);
  QSignalSpy changing{s, &TCustomSpin::onChanging};
  QSignalSpy changed{s, &TCustomSpin::onChanged};
  Shown() {
    window.resize(200, 120);
    s->move(10, 10);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    s->Repaint();
  }
  void Press(bool up) {
    QTest::mousePress(s, Qt::LeftButton, Qt::NoModifier, Centre(up ? s->UpButton() : s->DownButton()));
  }
  void Release(bool up) {
    QTest::mouseRelease(s, Qt::LeftButton, Qt::NoModifier, Centre(up ? s->UpButton() : s->DownButton()));
  }
};

const QStringList kTimeBase = {"10 usec|0|1e-5", "100 usec|0|1e-4", "1 msec|0|1e-3", "10 msec|0|1e-2"};

}  // namespace

TEST(TextSpin, PositionWrapsOrStopsAtTheEnds) {
  struct Row {
    bool limiter;
    int set, stored;
  };
  const Row rows[] = {{false, 6, 0}, {false, -1, 5}, {false, 10, 0}, {false, 3, 3},
                      {true, 6, 5},  {true, -1, 0},  {true, 10, 5},  {true, 3, 3}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "limiter " << row.limiter << " set " << row.set);
    TTextSpin t;
    QSignalSpy changing(&t, &TCustomSpin::onChanging);
    t.SetPosition(2);
    t.SetLimiter(row.limiter);
    t.SetPosition(row.set);
    EXPECT_EQ(t.Position(), row.stored);
    EXPECT_EQ(changing.count(), 0);
  }
}

TEST(TextSpin, ButtonsStepWithWrapOrLimiterAndFireOnlyForRealSteps) {
  struct Row {
    bool limiter;
    int start;
    bool up;
    int after;
    bool events;
  };
  const Row rows[] = {
      {false, 5, true, 0, true},  {false, 0, false, 5, true}, {true, 5, true, 5, false},
      {true, 0, false, 0, false}, {true, 2, true, 3, true},   {true, 2, false, 1, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "limiter " << row.limiter << " from " << row.start
                                    << (row.up ? " up" : " down"));
    Shown<TTextSpin> w;
    w.s->SetLimiter(row.limiter);
    w.s->SetPosition(row.start);
    w.Press(row.up);
    EXPECT_EQ(w.s->Position(), row.after);
    EXPECT_EQ(w.changing.count(), row.events ? 1 : 0);
    EXPECT_EQ(w.changed.count(), 0);
    w.Release(row.up);
    EXPECT_EQ(w.changed.count(), row.events ? 1 : 0);
  }
}

TEST(TextSpin, TypedPropertiesSelectTheFirstMatchingEntry) {
  TTextSpin t;
  QSignalSpy changing(&t, &TCustomSpin::onChanging);
  t.SetPosFloat(1e-4);
  EXPECT_EQ(t.PosString(), "100 usec");
  t.SetPosFloat(2e-4);
  EXPECT_EQ(t.Position(), 2);
  t.SetPosString("1 msec");
  EXPECT_EQ(t.Position(), 3);
  t.SetPosString("1 MSEC");  // compared exactly
  EXPECT_EQ(t.Position(), 3);
  t.SetPosInteger(100);
  EXPECT_EQ(t.Position(), 1);
  t.SetPosColor(clRed);
  EXPECT_EQ(t.Position(), 5);
  EXPECT_EQ(t.PosFloat(), 0.1);
  t.SetPosition(4);
  EXPECT_EQ(t.PosColor(), clGreen);
  EXPECT_EQ(changing.count(), 0);

  // Entries whose value fields are all 0: the real number decides.
  t.SetPosText(kTimeBase);
  t.SetPosition(0);
  t.SetPosFloat(1e-4);
  EXPECT_EQ(t.PosString(), "100 usec");
  t.SetPosFloat(2e-4);
  EXPECT_EQ(t.PosString(), "100 usec");
  t.SetPosInteger(0);  // first of many
  EXPECT_EQ(t.Position(), 0);

  // While a stored form loads, Position alone says which entry is current.
  t.BeginLoading();
  t.SetPosFloat(1e-2);
  t.SetPosString("1 msec");
  EXPECT_EQ(t.Position(), 0);
  t.EndLoading();
}

TEST(TextSpin, ShorterListKeepsThePositionInside) {
  TTextSpin t;
  t.SetPosition(5);
  t.SetPosText(kTimeBase);
  EXPECT_EQ(t.Position(), 3);
  EXPECT_EQ(t.PosString(), "10 msec");
}

TEST(TextSpin, HeldButtonRepeatsAfterAPauseAtRepSpeed) {
  struct Row {
    int repSpeed;
    std::vector<int> stepTicks;  // ticks after the press at which a step comes
  };
  // 500 ms are 9 ticks of 55.5 ms, 400 ms are 7, 1000 ms 18; 2400 mod 2001
  // is 399 ms, 7 ticks; below 50 ms nothing repeats.
  const Row rows[] = {
      {400, {9, 16, 23, 30, 37}}, {1000, {9, 27}}, {2400, {9, 16, 23, 30, 37}}, {49, {}}, {0, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.repSpeed);
    Shown<TTextSpin> w;
    w.s->SetPosText({"a", "b", "c", "d", "e", "f", "g", "h"});
    w.s->SetRepSpeed(row.repSpeed);
    w.Press(true);
    EXPECT_EQ(w.s->Position(), 1);  // the press itself steps at once
    std::vector<int> stepTicks;
    for (int tick = 1; tick <= 40; ++tick) {
      const int before = w.s->Position();
      TimerTick();
      if (w.s->Position() != before) stepTicks.push_back(tick);
    }
    EXPECT_EQ(stepTicks, row.stepTicks);
    EXPECT_EQ(w.changing.count(), 1 + int(row.stepTicks.size()));
    EXPECT_EQ(w.changed.count(), 0);
    w.Release(true);
    EXPECT_EQ(w.changed.count(), 1);
    const int released = w.s->Position();
    for (int tick = 0; tick < 40; ++tick) TimerTick();
    EXPECT_EQ(w.s->Position(), released);
  }
}

TEST(TextSpin, EmptyListShowsAnEmptyTextArea) {
  Shown<TTextSpin> w;
  w.s->SetPosText({});
  const QImage img = w.s->SurfaceImage();
  EXPECT_EQ(CountOther(img, w.s->TextArea(), clBlack), 0);
  EXPECT_EQ(w.s->PosString(), QString());
  EXPECT_EQ(w.s->PosFloat(), 0.0);
  EXPECT_EQ(w.s->PosInteger(), 0);
  EXPECT_FALSE(w.s->Step(true));
  w.Press(false);
  w.Release(false);
  EXPECT_EQ(w.s->Position(), 0);
  EXPECT_EQ(w.changing.count() + w.changed.count(), 0);
}

TEST(TextSpin, PaintsTextAreaButtonsAndArrows) {
  Shown<TTextSpin> w;
  // 100 x 30 with bevel and border of 1: inner 2..98 x 2..28, inset 1.
  const TRect up = w.s->UpButton();
  const TRect down = w.s->DownButton();
  const TRect text = w.s->TextArea();
  EXPECT_EQ(up, TRect(80, 4, 96, 14));
  EXPECT_EQ(down, TRect(80, 16, 96, 26));
  EXPECT_EQ(text, TRect(4, 4, 75, 26));
  QImage img = w.s->SurfaceImage();

  // Text area: sunken outline, black background, yellow text.
  EXPECT_EQ(PixelAt(img, text.Left - 1, text.Top + 3), clGray);
  EXPECT_EQ(PixelAt(img, text.Right, text.Top + 3), clWhite);
  EXPECT_GT(CountOther(img, text, clBlack), 0);
  EXPECT_GT(CountColour(img, text, clYellow), 0);

  // Buttons: black frame, raised face, triangles pointing their way.
  for (const TRect& b : {up, down}) {
    EXPECT_EQ(PixelAt(img, b.Left - 1, b.Top + 3), clBlack);
    EXPECT_EQ(PixelAt(img, b.Left, b.Top + 3), clWhite);
    EXPECT_EQ(PixelAt(img, b.Right, b.Top + 3), clGray);
  }
  const int cx = up.Left + up.Width() / 2;
  EXPECT_EQ(PixelAt(img, cx, up.Top + 3), clBlack);  // apex near the top
  EXPECT_EQ(PixelAt(img, up.Left + 3, up.Top + 3), clSilver);
  EXPECT_EQ(PixelAt(img, up.Left + 5, up.Bottom - 3), clBlack);  // base at the bottom
  EXPECT_EQ(PixelAt(img, cx, down.Bottom - 3), clBlack);
  EXPECT_EQ(PixelAt(img, down.Left + 5, down.Top + 3), clBlack);
  EXPECT_EQ(PixelAt(img, down.Left + 3, down.Bottom - 3), clSilver);

  // A held button looks sunken until released.
  w.Press(true);
  img = w.s->SurfaceImage();
  EXPECT_EQ(PixelAt(img, up.Left, up.Top + 3), clGray);
  EXPECT_EQ(PixelAt(img, up.Right, up.Top + 3), clWhite);
  w.Release(true);
  EXPECT_EQ(PixelAt(w.s->SurfaceImage(), up.Left, up.Top + 3), clWhite);
}

TEST(TextSpin, LayoutGivesTheFinalRectangles) {
  // The 100 x 30 spinner's inside (see above), without a widget.
  const TSpinLayout l = TextSpinLayout(TRect(2, 2, 98, 28));
  EXPECT_EQ(l.UpBtn, TRect(80, 4, 96, 14));
  EXPECT_EQ(l.UpFrame, TRect(79, 3, 98, 16));
  EXPECT_EQ(l.DownBtn, TRect(80, 16, 96, 26));
  EXPECT_EQ(l.TextOutline, TRect(3, 3, 76, 27));
  EXPECT_EQ(l.TextArea, TRect(4, 4, 75, 26));
}

TEST(SerieSpin, LayoutKeepsTheTextClearOfRingedSidesOnly) {
  // Inset 2, buttons 10 high; the frames keep clear of the rings.
  const TSpinLayout ringed = SerieSpinLayout(TRect(2, 2, 23, 44), true, true, 25);
  EXPECT_EQ(ringed.UpBtn, TRect(4, 3, 20, 11));
  EXPECT_EQ(ringed.DownBtn, TRect(4, 34, 20, 42));
  EXPECT_EQ(ringed.TextOutline, TRect(4, 14, 21, 31));
  EXPECT_EQ(ringed.TextArea, TRect(5, 15, 20, 30));
  // Without rings on a side the text runs out to that edge of the control.
  const TSpinLayout open = SerieSpinLayout(TRect(2, 2, 23, 44), false, true, 25);
  EXPECT_EQ(open.UpBtn, TRect(3, 3, 20, 11));
  EXPECT_EQ(open.TextOutline, TRect(0, 14, 21, 31));
  EXPECT_EQ(open.TextArea, TRect(0, 15, 20, 30));
}

TEST(TextSpin, AutomaticFontFillsTheHeightAndFitsTheWidestEntry) {
  TTextSpin t;
  t.resize(300, 40);
  t.SetPosText({"1", "22"});
  t.SurfaceImage();
  const int tall = t.Canvas().Font.Height;
  EXPECT_LT(tall, t.Font().Height);  // grown: heights are negative

  t.SetPosText({"1", "a much longer entry than fits"});
  t.SurfaceImage();
  EXPECT_GT(t.Canvas().Font.Height, tall);
  EXPECT_LE(t.Canvas().TextWidth("a much longer entry than fits"), t.TextArea().Width());

  t.SetFontAutom(false);
  t.Invalidate();
  t.SurfaceImage();
  EXPECT_EQ(t.Canvas().Font.Height, t.Font().Height);
}

TEST(SerieSpin, ButtonsAboveAndBelowTheText) {
  Shown<TSerieSpin> w;
  const TRect up = w.s->UpButton();
  const TRect down = w.s->DownButton();
  const TRect text = w.s->TextArea();
  EXPECT_LT(up.Bottom, text.Top);
  EXPECT_GT(down.Top, text.Bottom);
  EXPECT_EQ(up.Left, down.Left);
  EXPECT_EQ(up.Right, down.Right);
  const QImage img = w.s->SurfaceImage();
  EXPECT_EQ(PixelAt(img, text.Left + 2, text.Top + 2), clMaroon);
  EXPECT_EQ(PixelAt(img, text.Left - 1, text.Top + 3), clGray);
  EXPECT_EQ(PixelAt(img, text.Right, text.Top + 3), clWhite);
  EXPECT_EQ(PixelAt(img, up.Left + up.Width() / 2, up.Top + up.Height() / 2), clBlack);

  w.Press(false);
  EXPECT_EQ(w.s->Position(), 2);  // wrapped from the first entry to the last
  w.Release(false);
  EXPECT_EQ(w.changed.count(), 1);

  // Without side rings the text runs out to the control's edges.
  w.s->SetBordLeft(false);
  w.s->SetBordRight(false);
  w.s->SurfaceImage();
  EXPECT_EQ(w.s->TextArea().Left, 0);
  EXPECT_EQ(w.s->TextArea().Right, w.s->Width());
}

TEST(SerieSpin, KeepsAMinimumHeight) {
  Shown<TSerieSpin> w;
  struct Row {
    TPanelBevel in, out;
    int width;
    int minHeight;
  };
  const Row rows[] = {
      {bvNone, bvRaised, 1, 37}, {bvLowered, bvRaised, 1, 39}, {bvLowered, bvRaised, 3, 47}, {bvNone, bvNone, 4, 35}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.in << " " << row.out << " " << row.width);
    w.s->SetBevelIn(row.in);
    w.s->SetBevelOut(row.out);
    w.s->SetBevWidth(row.width);
    EXPECT_EQ(w.s->MinHeight(), row.minHeight);
    w.s->SetHeight(10);
    EXPECT_EQ(w.s->Height(), row.minHeight);
    w.s->SetHeight(60);
    EXPECT_EQ(w.s->Height(), 60);
  }
}
