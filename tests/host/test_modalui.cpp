#include "host/modalui.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;

TEST(ModalUI, ScriptedAnswersReplaceTheDialogs) {
  {
    VeltorTest::ScriptedModalUI ui;
    ui.Answers = {mrNo};
    EXPECT_EQ(MessageDlg(QStringLiteral("Print?"), mtConfirmation, mbYes | mbNo), mrNo);
    ShowMessage(QStringLiteral("done"));
    Beep();
    EXPECT_EQ(ui.Messages, QStringList({QStringLiteral("Print?"), QStringLiteral("done")}));
    EXPECT_EQ(ui.Beeps, 1);
    EXPECT_EQ(&ModalUI(), &ui);
  }
  // Gone with its scope: the interactive one is back.
  EXPECT_EQ(dynamic_cast<VeltorTest::ScriptedModalUI*>(&ModalUI()), nullptr);
}
