// The project and device dialogs are laid out so a person can use them: nothing overlaps,
// every control lies inside its container and every caption fits.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FormLayout.h"
#include "app/Wiring.h"
#include "project/FrmConfigure.h"
#include "project/FrmHelpPriority.h"
#include "project/FrmNickName.h"
#include "project/FrmScan.h"
#include "project/FrmSearchCom.h"
#include "project/FrmSelect.h"
#include "project/FrmWallPanel.h"
#include "project/Frm_ID_IP.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

TEST(DialogLayout, NothingOverlapsAndEveryCaptionFits) {
    ui::HeadlessHost host;
    auto s = NewState(host);
    std::vector<std::unique_ptr<ui::Form>> forms;
    forms.push_back(std::make_unique<FrmSelect>(*s));
    forms.push_back(std::make_unique<FrmSearchCom>(*s, true));
    forms.push_back(std::make_unique<FrmScan>(*s));
    forms.push_back(std::make_unique<Frm_ID_IP>(*s));
    forms.push_back(std::make_unique<FrmNickName>(*s));
    forms.push_back(std::make_unique<FrmConfigure>(*s));
    forms.push_back(std::make_unique<FrmHelpPriority>(*s));
    forms.push_back(std::make_unique<FrmWallPanel>(*s));
    for (const auto& f : forms) {
        EXPECT_EQ(apptest::LayoutProblems(*f), std::vector<std::string>{}) << f->Name();
    }
}

}  // namespace
