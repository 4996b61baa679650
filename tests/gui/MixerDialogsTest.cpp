// The routing tab and the automatic mixer and ducker dialogs shown by the Qt front end: their
// texts fit their widgets, a crosspoint that is on looks and reads plainly on, and pictures are
// saved of the routing tab with a diagonal routing, of "Automixer" and of "Ducker edit
// parameters".
#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>

#include "GuiFixture.h"
#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "processing/FrmAM.h"
#include "processing/FrmDucker.h"

namespace guitest {
namespace {

class MixerDialogs : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        s->DevModel[kSlot] = 1;
        auto& img = s->DevImage[kSlot].ProgImage;
        // Input i feeds output i; output 1 also hears inputs 2 and 3 lower.
        for (int k = 0; k < 64; ++k) img[model::RouteAddr[k]] = k % 9 == 0 ? 30 : 128 + 30;
        img[model::RouteAddr[1]] = 24;
        img[model::RouteAddr[2]] = 128 + 12;
        img[model::AmActiveAddr] = 1;
        img[model::AmModeAddr] = 1;
        img[model::DuckPrioAddr] = 0x05;
        img[model::DuckAddrA] = 49;
        img[model::DuckAddrB] = 30;
        img[model::DuckAddrB + 1] = 12;
        img[model::DuckAddrC] = 24;
        img[model::DuckAddrC + 2] = 60;
        OpenEditor();
    }
};

TEST_F(MixerDialogs, TheRoutingTabWithADiagonalRoutingAndTheMixerDialogs) {
    f->SSTab1.SetTab(FrmCtrl::kTabRouting);
    SettleEvents();
    for (int16_t k = 0; k < 64; ++k) ASSERT_EQ(f->Check9(k).Value(), k % 9 == 0 || k == 1 ? 1 : 0);
    EXPECT_EQ(f->Text3(1).Text(), "-6dB");
    ExpectTextsFit(host, *f);
    ExpectPicture(host, *f, "routing-diagonal");

    // A crosspoint that is on is filled and ticked, one that is off is not, also while it
    // has the focus; a screen reader hears which is checked.
    QWidget* off = host.WidgetOf(f->Check9(8));
    off->setFocus();
    SettleEvents();
    const QColor fill = off->palette().color(QPalette::Highlight);
    const auto share = [&](int16_t k) {
        const QImage picture = host.WidgetOf(f->Check9(k))->grab().toImage();
        int filled = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) filled += picture.pixelColor(x, y) == fill;
        }
        return static_cast<double>(filled) / (picture.width() * picture.height());
    };
    EXPECT_GT(share(0), 0.4);
    EXPECT_LT(share(8), 0.05);
    for (int16_t k : {0, 8}) {
        const QAccessible::State state =
            QAccessible::queryAccessibleInterface(host.WidgetOf(f->Check9(k)))->state();
        EXPECT_TRUE(state.checkable);
        EXPECT_EQ(state.checked, f->Check9(k).Value() == 1) << k;
    }
    ExpectPicture(host, *f, "routing-crosspoint-focus");

    FrmAM automixer(*s);
    ShootDialog(host, automixer, "automixer");
    FrmDucker ducker(*s);
    ShootDialog(host, ducker, "ducker-edit-parameters");
}

}  // namespace
}  // namespace guitest
