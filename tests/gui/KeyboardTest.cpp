// The program by keyboard alone: F6 moves between the command bar and the subwindows,
// Ctrl+Tab and Ctrl+Shift+Tab step through every subwindow, Tab reaches "Connect All" and
// "Exit" from inside a device's windows, Ctrl+F4 closes the active subwindow and Escape a
// dialog as their own close box (or Cancel) does, refused while a send runs. A second editor
// opens cascaded, not over the first.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <functional>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "app/MDIFrmMain.h"
#include "editor/FrmCtrl.h"
#include "processing/FrmEqIn.h"
#include "processing/FrmLimiter.h"
#include "processing/FrmNG.h"
#include "programs/FrmStore.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"

namespace guitest {
namespace {

constexpr char kBusy[] = "Please wait the last requested operation to be accomplished";

class Keyboard : public MainWindowFixture {
  protected:
    // Tab until the focus is on the widget of c; false when a round of the window passed.
    bool TabTo(const ui::Control& c) {
        for (int k = 0; k < 40; ++k) {
            if (QApplication::focusWidget() == host.WidgetOf(c)) return true;
            Press(Qt::Key_Tab);
        }
        return false;
    }
    bool FocusIn(const ui::Form& form) const {
        QWidget* focus = QApplication::focusWidget();
        const QWidget* window = host.WindowOf(form)->Window();
        return focus != nullptr && (focus == window || window->isAncestorOf(focus));
    }
    ui::CommandButton& Bar(int16_t index) const { return main->Command1(index); }
    // The forms activated by pressing Ctrl+Tab (or Ctrl+Shift+Tab) times times.
    std::vector<ui::Form*> Cycle(int times, Qt::KeyboardModifiers modifiers) {
        std::vector<ui::Form*> seen;
        for (int k = 0; k < times; ++k) {
            Press(Qt::Key_Tab, modifiers);
            seen.push_back(host.ActiveForm());
        }
        return seen;
    }
};

TEST_F(Keyboard, ReachesTheCommandBarAndEverySubwindow) {
    FrmDevice& first = FrmDeviceOf(*s, kSlot);
    FrmDevice& second = FrmDeviceOf(*s, AddDevice(1));
    main->Timer7_Timer();
    SettleEvents();
    ASSERT_EQ(host.ActiveForm(), &second);

    // From the command bar into the active status window and back.
    Press(Qt::Key_F6);
    EXPECT_TRUE(host.WindowOf(*main)->Surface()->isAncestorOf(QApplication::focusWidget()));
    Press(Qt::Key_F6);
    EXPECT_TRUE(FocusIn(second));
    EXPECT_EQ(Cycle(2, Qt::ControlModifier), (std::vector<ui::Form*>{&first, &second}));

    // "Connect All" from inside a status window: nothing answers at the devices' addresses.
    Press(Qt::Key_F6);
    ASSERT_TRUE(TabTo(Bar(MDIFrmMain::CmdConnectAll)));
    const std::string notFound = AnswerBox([&] { Press(Qt::Key_Space); });
    EXPECT_EQ(notFound.rfind("The following devices are not found", 0), 0u) << notFound;

    // The status window's "Edit" opens the editor, and Ctrl+Tab goes through all three.
    Reactivate();
    if (!FocusIn(*host.ActiveForm())) Press(Qt::Key_F6);
    ASSERT_TRUE(FocusIn(*host.ActiveForm()));
    if (host.ActiveForm() != &first) Press(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(host.ActiveForm(), &first);
    ASSERT_TRUE(TabTo(first.Label2));
    Press(Qt::Key_Space);
    f = ExistingFrmCtrl(*s, kSlot);
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(host.ActiveForm(), f);
    EXPECT_EQ(Cycle(3, Qt::ControlModifier), (std::vector<ui::Form*>{&first, &second, f}));
    EXPECT_EQ(Cycle(3, Qt::ControlModifier | Qt::ShiftModifier),
              (std::vector<ui::Form*>{&second, &first, f}));
    EXPECT_EQ(s->CurDev, kSlot) << "the editor activated by key is the current device";

    // "Exit" from inside the editor; "Connect All" is off while an editor is open.
    main->Timer7_Timer();
    SettleEvents();
    EXPECT_FALSE(host.WidgetOf(Bar(MDIFrmMain::CmdConnectAll))->isEnabled());
    ASSERT_TRUE(FocusIn(*f));
    Press(Qt::Key_F6);
    ASSERT_TRUE(TabTo(Bar(MDIFrmMain::CmdExit)));
    EXPECT_EQ(AnswerBox([&] { Press(Qt::Key_Space); }), "               Are you sure ? ");
    EXPECT_TRUE(main->Loaded()) << "No keeps the program";
}

TEST_F(Keyboard, ASecondEditorOpensCascaded) {
    const int16_t other = AddDevice(1);
    OpenEditor();
    ModProject::OpenSpeakerEditor(*s, other);
    FrmCtrl* second = ExistingFrmCtrl(*s, other);
    ASSERT_NE(second, nullptr);
    SettleEvents();
    const QWidget* a = host.WindowOf(*f)->Window();
    const QWidget* b = host.WindowOf(*second)->Window();
    EXPECT_GT(b->x(), a->x());
    EXPECT_GT(b->y(), a->y());
    EXPECT_EQ(b->x() - a->x(), b->y() - a->y());
    EXPECT_LT(b->y() - a->y(), 40) << "by a title bar";
    EXPECT_EQ(second->Left(), f->Left() + (b->x() - a->x()) * 15) << "the form has the place";
    ExpectPicture(host, *main, "editors-cascaded");
    s->DevOffline[other] = true;
    second->Unload();
}

// Ctrl+F4, with the focus inside the active subwindow or on the command bar, and the close box
// of that subwindow, side by side: the editor refuses while a send runs, asks, stays on No and
// closes on Yes; the status window asks before its device is deleted and stays on No.
TEST_F(Keyboard, CtrlF4ClosesTheActiveSubwindowAsItsCloseBoxDoes) {
    const auto active = [&](ui::Form& form) {
        Reactivate();
        return host.WindowOf(*main)->MdiArea()->activeSubWindow() == host.WindowOf(form)->Window();
    };
    const struct {
        const char* way;
        std::function<void(ui::Form&)> close;
    } ways[] = {
        {"close box",
         [&](ui::Form& form) {
             host.WindowOf(form)->Window()->close();
             SettleEvents();
         }},
        {"Ctrl+F4 inside",
         [&](ui::Form& form) {
             host.WindowOf(form)->SyncFocus();
             SettleEvents();
             EXPECT_TRUE(active(form) && FocusIn(form));
             Press(Qt::Key_F4, Qt::ControlModifier);
         }},
        {"Ctrl+F4 on the command bar",
         [&](ui::Form& form) {
             host.WidgetOf(Bar(MDIFrmMain::CmdExit))->setFocus();
             SettleEvents();
             EXPECT_TRUE(active(form) && !FocusIn(form));
             Press(Qt::Key_F4, Qt::ControlModifier);
         }},
    };
    FrmDevice& status = FrmDeviceOf(*s, kSlot);
    for (const auto& [way, close] : ways) {
        OpenEditor();
        ASSERT_EQ(host.ActiveForm(), f) << way;
        const auto closeEditor = [&] { close(*f); };
        s->OpDone = false;
        EXPECT_EQ(AnswerBox(closeEditor), kBusy) << way;
        EXPECT_TRUE(f->Loaded()) << way;
        s->OpDone = true;
        EXPECT_EQ(AnswerBox(closeEditor), "            Are you sure ? ") << way;
        EXPECT_TRUE(f->Loaded()) << way;
        EXPECT_EQ(AnswerBox(closeEditor, QMessageBox::Yes), "            Are you sure ? ") << way;
        EXPECT_EQ(s->EditorSlot[kSlot][0], 0) << way;
        EXPECT_EQ(ExistingFrmCtrl(*s, kSlot), nullptr) << way;
        f = nullptr;

        Reactivate();
        host.WindowOf(status)->Raise();
        SettleEvents();
        ASSERT_EQ(host.ActiveForm(), &status) << way;
        EXPECT_EQ(AnswerBox([&] { close(status); }), "                Are you sure?") << way;
        EXPECT_TRUE(status.Loaded()) << way;
        EXPECT_EQ(s->DevList[kSlot].Used, -1) << way;
    }
}

// Escape typed into the dialog that action opens modally, first while a send runs (refused
// with the message, as the dialog's close is), then once more.
class EscapeKey : public Keyboard {
  protected:
    template <class Dialog>
    void CloseByEscape(const std::function<void()>& open,
                       const std::function<ui::Control&(Dialog&)> focus) {
        bool refused = false;
        bool closed = false;
        host.Post([&] {
            auto* dialog = dynamic_cast<Dialog*>(host.ActiveForm());
            ASSERT_NE(dialog, nullptr);
            host.WidgetOf(focus(*dialog))->setFocus();
            SettleEvents();
            s->OpDone = false;
            refused = AnswerBox([&] { Press(Qt::Key_Escape); }) == kBusy && dialog->Loaded();
            s->OpDone = true;
            Press(Qt::Key_Escape);
            closed = !dialog->Loaded();
        });
        open();
        EXPECT_TRUE(refused);
        EXPECT_TRUE(closed);
        EXPECT_TRUE(s->OpDone);
        EXPECT_FALSE(s->EditBusy);
    }
};

TEST_F(EscapeKey, ClosesTheDialogsWithoutACloseButton) {
    OpenEditor();
    f->SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    CloseByEscape<FrmNG>([&] { f->Command13(2).UserClick(); },
                         [](FrmNG& d) -> ui::Control& { return d.Text6; });
    f->SSTab1.UserSelectTab(3);
    CloseByEscape<FrmLimiter>([&] { f->Command50(2).UserClick(); },
                              [](FrmLimiter& d) -> ui::Control& { return d.Slider400; });
    f->SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    CloseByEscape<FrmEqIn>([&] { f->Command10(1).UserClick(); },
                           [](FrmEqIn& d) -> ui::Control& { return d.Text4(0); });
}

TEST_F(EscapeKey, PressesTheCancelButtonOfADialogThatHasOne) {
    OpenEditor();
    bool cancelled = false;
    host.Post([&] {
        auto* store = dynamic_cast<FrmStore*>(host.ActiveForm());
        ASSERT_NE(store, nullptr);
        host.WidgetOf(store->Text1)->setFocus();
        SettleEvents();
        Press(Qt::Key_Escape);

        cancelled = !store->Loaded();
    });
    f->Command2(2).UserClick();  // "Store"
    EXPECT_TRUE(cancelled);
}

}  // namespace
}  // namespace guitest
