// "Inputs EQ" shown by the Qt front end: every text fits its widget, and pictures of the
// dialog with a boosted and a cut band are saved in the magnitude and the phase view.
#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "GuiFixture.h"
#include "model/AddressTables.h"
#include "processing/FrmEqIn.h"
#include "support/Typing.h"

namespace guitest {
namespace {

using testsupport::Enter;

class EqInWindow : public EditorFixture {};

TEST_F(EqInWindow, PicturesWithABoostedAndACutBand) {
    OpenEditor();
    for (int16_t i = 0; i < 8; ++i) {
        s->ChName[kSlot][i] = "Inp" + std::to_string(i + 1) + "  ";
        s->DevParam[kSlot].InSource()[i] = i == 2 ? 0.0 : 1.0;
        s->DevParam[kSlot].InProcType()[i] = i == 5 ? 0.0 : 1.0;
    }
    s->DevParam[kSlot].InSource()[5] = 0.0;  // a Mic input on feedback: its tab is off
    s->DevImage[kSlot].ProgImage[model::InSourceAddr] = 0xDB;
    s->CurInCh = 1;
    FrmEqIn dialog(*s);
    dialog.Show();
    SettleEvents();
    ASSERT_NE(host.WindowOf(dialog), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(dialog)->Window()));
    Enter(dialog.Text4(0), "180");
    Enter(dialog.Text12(0), "9");
    Enter(dialog.Text5(0), "1.2");
    Enter(dialog.Text4(1), "2500");
    Enter(dialog.Text12(1), "-6");
    dialog.Command6(2).UserClick();
    dialog.Check3(0).UserClick();
    dialog.Check13(3).UserClick();
    SettleEvents();
    ExpectTextsFit(host, dialog);
    ExpectPicture(host, dialog, "inputs-eq-mag");
    dialog.Option4(0).UserClick();
    SettleEvents();
    EXPECT_TRUE(dialog.Label9(0).Visible());
    ExpectPicture(host, dialog, "inputs-eq-phase");
    dialog.Unload();
    SettleEvents();
}

}  // namespace
}  // namespace guitest
