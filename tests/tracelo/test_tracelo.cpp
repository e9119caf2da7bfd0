#include "bufferfill.h"
#include "buttons/textspin.h"
#include "captures/capture.h"
#include "forms.h"
#include "infos.h"
#include "logic/logic.h"
#include "setup.h"
#include "tracelo.h"
#include "widgets.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Veltor;
using Tracelo::TTracelo;

namespace {

// The main window shown offscreen, with every modal question scripted.
struct Program {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<TTracelo> main;
  TLogic* display = nullptr;

  Program() {
    Tracelo::RegisterTraceloClasses();
    main = std::make_unique<TTracelo>();
    main->SetInfoBoxesEnabled(false);
    main->resize(1000, 600);
    main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    display = main->Display();
    for (int i = 0; i < display->BufferCount(); ++i) display->SetSample(i, i * 37);
    display->PaintNow();
  }
  template <typename T>
  T* Child(QWidget* parent, const char* name) {
    T* w = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Drag(QPoint from, QPoint to, Qt::MouseButton button) {
    QTest::mousePress(display, button, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(display->mapToGlobal(to)), Qt::NoButton, button,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(display, &move);
    QTest::mouseRelease(display, button, Qt::NoModifier, to);
  }
  int XOf(int p) const {
    return display->DataRect().Left +
           (p - display->DispStartPos()) * display->DataWidth() / (display->DispEndPos() - display->DispStartPos());
  }
  int RowY(int channel) const { return display->Geometry().Base(channel - display->ChanFirst()) - 2; }
};

QPoint Centre(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

}  // namespace

TEST(Tracelo, StartsWithTheStoredForm) {
  Program p;
  EXPECT_EQ(p.main->windowTitle(), QStringLiteral("Corvane Logic Analyzer Demo"));
  EXPECT_EQ(p.display->ChanLast(), 7);
  EXPECT_EQ(p.display->DispStartPos(), 4);
  EXPECT_EQ(p.display->DispEndPos(), 29);
  EXPECT_EQ(p.display->PointerPos(), 16);
  EXPECT_EQ(p.main->TimeBaseSpin()->PosString(), QStringLiteral("10 usec"));
  VeltorTest::SaveImage(p.main->grab().toImage(), "tracelo-diagram.png");
  p.Child<QPushButton>(p.main.get(), "TextGraphBtn")->click();
  p.display->PaintNow();
  EXPECT_EQ(p.display->Modus(), TLogic::TextDisp);
  VeltorTest::SaveImage(p.main->grab().toImage(), "tracelo-text.png");
}

TEST(Tracelo, MiddleButtonZoomFrameBecomesTheView) {
  Program p;
  p.Drag(QPoint(p.XOf(8), p.RowY(1)), QPoint(p.XOf(20), p.RowY(4)), Qt::MiddleButton);
  p.display->PaintNow();
  EXPECT_NEAR(p.display->DispStartPos(), 8, 1);
  EXPECT_NEAR(p.display->DispEndPos(), 20, 1);
  EXPECT_EQ(p.display->ChanFirst(), 1);
  EXPECT_EQ(p.display->ChanLast(), 4);

  // Within one channel row the view stays.
  const int start = p.display->DispStartPos();
  p.Drag(QPoint(p.XOf(10), p.RowY(2)), QPoint(p.XOf(15), p.RowY(2) + 1), Qt::MiddleButton);
  p.display->PaintNow();
  EXPECT_EQ(p.display->DispStartPos(), start);
  EXPECT_EQ(p.display->ChanFirst(), 1);
}

TEST(Tracelo, TimeBaseChangesTimesNotPositions) {
  Program p;
  TTextSpin* spin = p.main->TimeBaseSpin();
  const int pointer = p.display->PointerPos();
  const int marker = p.display->MarkerPos();
  for (int i = 0; i < 2; ++i) QTest::mouseClick(spin, Qt::LeftButton, Qt::NoModifier, Centre(spin->UpButton()));
  EXPECT_EQ(spin->PosString(), QStringLiteral("1 msec"));
  EXPECT_DOUBLE_EQ(p.display->TimeBase(), 1e-3);
  EXPECT_EQ(p.display->PointerPos(), pointer);
  EXPECT_EQ(p.display->MarkerPos(), marker);
  EXPECT_DOUBLE_EQ(p.display->PointerTime(), pointer * 1e-3);
  EXPECT_DOUBLE_EQ(p.display->MarkerTime(), marker * 1e-3);
}

TEST(Tracelo, HardCopyAsksThenPrintsLandscapeAndRestoresOrientation) {
  Program p;
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("copy.pdf"));
  p.main->Printer().setOutputFormat(QPrinter::PdfFormat);
  p.main->Printer().setOutputFileName(pdf);
  p.main->Printer().setPageOrientation(QPageLayout::Portrait);

  p.ui.Answers = {mrNo};
  EXPECT_FALSE(p.main->HardCopy());
  EXPECT_FALSE(QFile::exists(pdf));
  EXPECT_EQ(p.ui.Messages, QStringList({QStringLiteral("HardCopy drucken ?")}));

  p.ui.Answers = {mrYes};
  ASSERT_TRUE(p.main->HardCopy());
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(p.main->Printer().pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_EQ(p.ui.Beeps, 1);

  // The page holds the display's black data area at 1:1 from (100, 100).
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm not installed";
  ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("48"),
                                         QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))}),
            0);
  const QImage page(dir.filePath(QStringLiteral("page.png")));
  ASSERT_FALSE(page.isNull());
  EXPECT_GT(page.width(), page.height());  // landscape
  int dark = 0;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 40;
  EXPECT_GT(dark, page.width() * page.height() / 10);
  VeltorTest::SaveImage(page, "tracelo-hardcopy.png");
}

TEST(Tracelo, WithoutAPrinterTheHardCopyGoesToANamedPdf) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  Program p;
  QTemporaryDir dir;
  p.ui.Answers = {mrYes, mrYes};
  EXPECT_FALSE(p.main->HardCopy());  // no file named: nothing printed
  p.ui.FileNames = {dir.filePath(QStringLiteral("copy"))};
  ASSERT_TRUE(p.main->HardCopy());
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("copy.pdf"))));
}

TEST(Tracelo, SetupPreviewsColoursAndCancelPutsThemBack) {
  Program p;
  Tracelo::TSetup* setup = p.main->Setup();
  setup->show();
  EXPECT_EQ(setup->FarbWahl()->ItemIndex(), 0);
  setup->FarbWahl()->SetItemIndex(6);  // "Zeiger"
  Tracelo::TColorGrid* grid = setup->ColorGrid();
  QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, QPoint(grid->width() * 9 / 16 + 5, grid->height() / 2));
  EXPECT_EQ(p.display->ColPointer(), clRed);
  VeltorTest::SaveImage(setup->grab().toImage(), "tracelo-setup.png");
  p.Child<QPushButton>(setup, "CancelBtn")->click();
  EXPECT_EQ(p.display->ColPointer(), clLime);

  // The layout is not undone by Cancel.
  setup->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
  QTest::mouseClick(setup->DispTyp(), Qt::LeftButton, Qt::NoModifier, Centre(setup->DispTyp()->UpButton()));
  EXPECT_EQ(p.display->DisplayTyp(), TDisplay::dispOnly);
  setup->reject();
  EXPECT_EQ(p.display->DisplayTyp(), TDisplay::dispOnly);
}

TEST(Tracelo, StoredNameSurvivesOkButNotTheCloseBox) {
  Program p;
  Tracelo::TSetup* setup = p.main->Setup();
  setup->show();
  EXPECT_EQ(setup->KanalEdit()->maxLength(), 20);
  setup->KanalEdit()->setText(QStringLiteral("CLOCK"));
  p.Child<QPushButton>(setup, "NameStore")->click();
  EXPECT_EQ(p.display->ChannelLabel(0), QStringLiteral("CLOCK"));
  setup->close();  // the window's close box
  EXPECT_EQ(p.display->ChannelLabel(0), QStringLiteral("Chan 0"));

  setup->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
  QTest::mouseClick(setup->KanalWahl(), Qt::LeftButton, Qt::NoModifier, Centre(setup->KanalWahl()->UpButton()));
  EXPECT_EQ(setup->KanalWahl()->Position(), 1);
  setup->KanalEdit()->setText(QStringLiteral("DATA"));
  p.Child<QPushButton>(setup, "NameStore")->click();
  p.Child<QPushButton>(setup, "StoreBtn")->click();
  EXPECT_EQ(p.display->ChannelLabel(1), QStringLiteral("DATA"));
}

TEST(Tracelo, BufferFillReadsRawFilesAndSampleFiles) {
  Program p;
  QTemporaryDir dir;
  QFile raw(dir.filePath(QStringLiteral("bytes.bin")));
  ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
  raw.write(QByteArray("\x12\x34\x56\x78\x9A", 5));
  raw.close();
  Tracelo::TBufferFill* fill = p.main->BufferFill();
  VeltorTest::SaveImage(fill->grab().toImage(), "tracelo-bufferfill.png");

  p.ui.FileNames = {raw.fileName()};
  p.Child<QPushButton>(fill, "FileLoad")->click();
  EXPECT_EQ(p.ui.FileFilters.last(), QStringLiteral("alle (*.*)"));
  EXPECT_EQ(p.display->GetSample(0), 0x12345678);
  EXPECT_EQ(p.display->GetSample(1), 37);  // the partial sample is dropped
  EXPECT_EQ(p.main->windowTitle(), QStringLiteral("Corvane Logic Analyzer Demo [bytes.bin]"));

  // Saved and restored as a sample file.
  p.ui.FileNames = {dir.filePath(QStringLiteral("capture"))};
  p.Child<QPushButton>(fill, "SaveBtn")->click();
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("capture.trc"))));
  p.display->SetSample(0, 0);
  p.ui.FileNames = {dir.filePath(QStringLiteral("capture.trc"))};
  p.Child<QPushButton>(fill, "RestoreBtn")->click();
  EXPECT_EQ(p.ui.FileFilters.last(), QStringLiteral("logic (*.trc)"));
  EXPECT_EQ(p.display->GetSample(0), 0x12345678);
  EXPECT_EQ(p.main->windowTitle(), QStringLiteral("Corvane Logic Analyzer Demo [capture.trc]"));

  // A file that cannot be read: an error box naming it, the caption stays.
  p.ui.FileNames = {dir.filePath(QStringLiteral("gone.bin"))};
  p.Child<QPushButton>(fill, "FileLoad")->click();
  ASSERT_FALSE(p.ui.Messages.isEmpty());
  EXPECT_TRUE(p.ui.Messages.last().contains(QLatin1String("gone.bin")));
  EXPECT_EQ(p.main->windowTitle(), QStringLiteral("Corvane Logic Analyzer Demo [capture.trc]"));

  // A cancelled file dialog changes nothing; random data names its source.
  p.Child<QPushButton>(fill, "RestoreBtn")->click();
  EXPECT_EQ(p.main->windowTitle(), QStringLiteral("Corvane Logic Analyzer Demo [capture.trc]"));
  p.Child<QPushButton>(fill, "RandomBtn")->click();
  EXPECT_EQ(p.main->windowTitle(), QStringLiteral("Corvane Logic Analyzer Demo [random]"));
}

// "read file" takes a capture of another tool from the start sample the
// dialog names, and "save Buffer" writes one when the name asks for it.
TEST(Tracelo, BufferFillReadsAndSavesCaptures) {
  Program p;
  QTemporaryDir dir;
  QByteArray csv = "; Samplerate: 2 MHz\nstrobe,data\n";
  for (int i = 0; i < 300; ++i) csv += QByteArray::number(i & 1) + ',' + QByteArray::number(i / 3 & 1) + '\n';
  QFile file(dir.filePath(QStringLiteral("scope.csv")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(csv);
  file.close();
  Tracelo::TBufferFill* fill = p.main->BufferFill();

  p.Child<QLineEdit>(fill, "StartEdit")->setText(QStringLiteral("100"));
  p.ui.FileNames = {file.fileName()};
  p.Child<QPushButton>(fill, "FileLoad")->click();
  EXPECT_EQ(p.display->LogSize(), TLogic::Size8);
  EXPECT_EQ(p.display->BufferCount(), 200);
  EXPECT_EQ(p.display->GetSample(0), 0b10);  // row 100: strobe 0, data 1
  EXPECT_EQ(p.display->GetSample(5), 0b11);
  EXPECT_EQ(p.display->ChannelLabel(1), QStringLiteral("data"));
  EXPECT_DOUBLE_EQ(p.display->TimeBase(), 0.5e-6);
  EXPECT_TRUE(p.main->windowTitle().endsWith(QStringLiteral("[scope.csv, samples 100-299 of 300]")));

  // A start past the end is refused with the file's name; nothing changes.
  p.Child<QLineEdit>(fill, "StartEdit")->setText(QStringLiteral("300"));
  p.ui.FileNames = {file.fileName()};
  p.Child<QPushButton>(fill, "FileLoad")->click();
  ASSERT_FALSE(p.ui.Messages.isEmpty());
  EXPECT_TRUE(p.ui.Messages.last().contains(QLatin1String("scope.csv")));
  EXPECT_EQ(p.display->GetSample(0), 0b10);

  p.ui.FileNames = {dir.filePath(QStringLiteral("copy.vcd"))};
  p.Child<QPushButton>(fill, "SaveBtn")->click();
  QString error;
  std::unique_ptr<Tracelo::TCaptureSource> copy =
      Tracelo::OpenCapture(dir.filePath(QStringLiteral("copy.vcd")), Tracelo::TCaptureFormat::Vcd, &error);
  ASSERT_TRUE(copy) << qPrintable(error);
  EXPECT_EQ(copy->Info().Samples, 200);
  EXPECT_EQ(copy->Info().Names.value(1), QStringLiteral("data"));
  std::vector<quint32> samples;
  ASSERT_TRUE(copy->ReadWindow(0, 10, &samples, &error));
  EXPECT_EQ(samples[5], 0b11u);
}

// Qt on X11 appends the application's display name to every window title
// when one is set; the titles already name the program, so none is set.
TEST(Tracelo, WindowTitlesNameTheProgramOnce) {
  Tracelo::SetUpApplication();
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
  Program p;
  p.main->SetSource(QStringLiteral("sample.trc"));
  EXPECT_EQ(p.main->windowTitle().count(QString::fromLatin1(Tracelo::kProgramTitle)), 1);
}

// The start-up box comes centred on the main window, and stays so while the
// window system still moves and maximises the window under it.
TEST(Tracelo, StartUpBoxIsCentredOnTheMainWindow) {
  VeltorTest::ScriptedModalUI ui;
  Tracelo::RegisterTraceloClasses();
  TTracelo main;
  main.setGeometry(200, 150, 700, 500);
  QPoint atOpen, afterResizing, afterMoving;
  ui.OnExec = [&](QDialog* box) {
    atOpen = box->frameGeometry().center();
    main.resize(1000, 700);
    QTest::qWait(20);
    afterResizing = box->frameGeometry().center();
    main.move(0, 0);
    QTest::qWait(20);
    afterMoving = box->frameGeometry().center();
    return 0;
  };
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  QTRY_COMPARE(ui.Executed.size(), 1);
  EXPECT_EQ(ui.Executed.first(), static_cast<QDialog*>(main.Infos()));
  // Centres round to a whole pixel, either way.
  const auto near = [](QPoint a, QPoint b) { return std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1; };
  EXPECT_TRUE(near(atOpen, QPoint(550, 400))) << atOpen.x() << ',' << atOpen.y();
  EXPECT_TRUE(near(afterResizing, QPoint(700, 500))) << afterResizing.x() << ',' << afterResizing.y();
  EXPECT_TRUE(near(afterMoving, QPoint(500, 350))) << afterMoving.x() << ',' << afterMoving.y();
  // Once closed, it stays where it is.
  main.setGeometry(100, 100, 400, 300);
  QTest::qWait(20);
  EXPECT_TRUE(near(main.Infos()->frameGeometry().center(), QPoint(500, 350)));
}

// Two entries under a title in the dialog's small boxes: each gets the
// height its text needs, or its descenders are cut off.
TEST(Tracelo, RadioGroupEntriesGetTheirFullHeight) {
  Program p;
  Tracelo::TSetup* setup = p.main->Setup();
  setup->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(setup));
  for (const char* group : {"FarbWahl", "PrSelect", "PrZoom"}) {
    for (QRadioButton* entry : p.Child<Tracelo::TRadioGroup>(setup, group)->findChildren<QRadioButton*>()) {
      SCOPED_TRACE(entry->text().toStdString());
      EXPECT_GE(entry->height(), entry->sizeHint().height());
      EXPECT_TRUE(entry->parentWidget()->rect().contains(entry->geometry()));
    }
  }
  setup->reject();
}
