// A device that drops in the middle of an edit: the failed send closes its editor window, and
// nothing that ran in that window goes on. For every dialog the editor opens, a send that fails
// while it is open, then more edits in it and its close; for every operation of many frames,
// the link dropped at each of its frames in turn, every channel-link repeat among them. Afterwards
// the slot holds the one window the user opened, closed, and no dialog is open; no frame went out
// after the failed one; the image on the PC holds nothing written after the failure; and the
// program answers: the device connects again and its editor opens and sends.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmEditLabel.h"
#include "editor/FrmSelFilter.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "model/RecordFile.h"
#include "processing/FrmAM.h"
#include "processing/FrmCopyChannel.h"
#include "processing/FrmDucker.h"
#include "processing/FrmEqIn.h"
#include "processing/FrmLimiter.h"
#include "processing/FrmNG.h"
#include "programs/FrmSwitch.h"
#include "programs/ReadWindow.h"
#include "programs/StoreWindow.h"
#include "support/EditorRoad.h"
#include "support/LinkedChannels.h"

namespace {

using testsupport::Enter;
using testsupport::Move;

class DeviceDrop : public testsupport::EditorRoadTest {
  protected:
    using Image = model::DevImageRecord;
    using Step = std::function<void(FrmCtrl&)>;

    // The device connected (again, after a drop) and its editor opened by "Edit", or the
    // editor that is open.
    FrmCtrl& Reopen() {
        if (!harness_) {
            Connect(options);
            if (seed) {
                seed();
                Reconnect(slot);
            }
        } else if (FrmCtrl* open = ExistingFrmCtrl(S(), slot)) {
            return *open;
        } else {
            ModProject::ConnectDevice(S(), slot);
            EXPECT_EQ(S().DevList[slot].Online, 1);
        }
        S().DevModel[slot] = 1;  // a model with the automatic mixer and the ducker
        return Edit(slot);
    }
    int Frames() { return H().Device().FrameCount(); }
    // The device drops the link at the n-th frame from now on.
    void DropAt(int n) {
        H().Device().ClearFaults();
        H().Device().AddFault(
            {.kind = devsim::FaultKind::DropConnection, .fromFrame = Frames() + n, .count = 1});
    }

    // Runs op with the link dropped at its n-th frame; the image is taken as the failure is
    // told, and everything is checked after op has returned.
    void DropDuring(FrmCtrl& f, int n, const Step& op) {
        const Image before = S().DevImage[slot];
        Image atFailure;
        bool told = false;
        H().host.WatchMessages([&](const ui::HeadlessHost::Message& m) {
            if (m.title == "Communication problem" && !told) {
                told = true;
                atFailure = S().DevImage[slot];
            }
        });
        const int start = Frames();
        DropAt(n);
        op(f);
        H().host.WatchMessages({});
        ASSERT_TRUE(told) << "the failure was told";
        EXPECT_EQ(Frames() - start, n) << "nothing is sent after the failed frame";
        ExpectDropped(f);
        ExpectNothingWrittenAfter(before, atFailure);
    }
    // The slot holds the window the user opened, closed; no other slot holds one; no dialog is
    // open and nothing is left running.
    void ExpectDropped(const FrmCtrl& f) {
        EXPECT_TRUE(f.Finished());
        for (int16_t k = 0; k < model::SlotCount; ++k) {
            EXPECT_EQ(S().FrmCtrlWin[k].get(), k == slot ? &f : nullptr) << "slot " << k;
        }
        for (const ui::Form* shown : H().host.ShownForms()) {
            EXPECT_EQ(shown->Name(), "FrmDevice") << "still open";
        }
        EXPECT_EQ(S().DevList[slot].Online, 0);
        EXPECT_FALSE(S().TxBlocked);
        EXPECT_EQ(S().GraphHold, 0);
        EXPECT_EQ(S().LoadStateWord, 0);
        ExpectClean();
    }
    // Every byte of the image is as the failure found it, or as it was before the operation.
    void ExpectNothingWrittenAfter(const Image& before, const Image& atFailure) {
        const Image& now = S().DevImage[slot];
        auto compare = [](const auto& b, const auto& a, const auto& n, const char* part) {
            for (size_t i = 0; i < n.size(); ++i) {
                EXPECT_TRUE(n[i] == a[i] || n[i] == b[i]) << part << " byte " << i;
            }
        };
        compare(before.ProgImage, atFailure.ProgImage, now.ProgImage, "ProgImage");
        compare(before.DevExtra, atFailure.DevExtra, now.DevExtra, "DevExtra");
        compare(before.PanelState, atFailure.PanelState, now.PanelState, "PanelState");
    }
    // The program answers: the device connects again, its editor opens and an edit reaches it.
    void ExpectAnswers() {
        FrmCtrl& f = Reopen();
        f.SSTab1.UserSelectTab(1);
        Enter(f.Text1(8), "-4");
        EXPECT_EQ(Memory(model::GainAddrHi[8], 2),
                  (Bytes{S().DevImage[slot].ProgImage[model::GainAddrHi[8]],
                         S().DevImage[slot].ProgImage[model::GainAddrHi[8] + 1]}));
        EXPECT_EQ(S().DevList[slot].Online, 1);
        ExpectClean();
    }

    // The dialog behind toolbar button driven by drive, its question answered Yes.
    Step Toolbar(int16_t button, const char* form, std::function<void(ui::Form&)> drive) {
        return [this, button, form, drive](FrmCtrl& f) {
            H().host.Answer(ui::vbYes);
            H().host.DriveModal(form, drive);
            f.Command2(button).UserClick();
        };
    }
    // A copy dialog confirmed from channel source (0..7, the first by default) onto channel
    // destination.
    Step Copy(int16_t button, const char* form, int16_t destination, int16_t source = 0) {
        return Toolbar(button, form, [source, destination](ui::Form& d) {
            auto& copy = static_cast<FrmCopyChannel&>(d);
            copy.Combo1(0).UserSelect(source);
            copy.Combo1(1).UserSelect(destination);
            copy.Command1(0).UserClick();
        });
    }

    // op run once to count its frames, then once for each of them with the link dropped at
    // that frame, each time on a fresh connection and editor that prepare has set up. With
    // sentAsWritten, each byte of the working program that the dropped op changed on the PC or
    // in the device is the same in both, read back over the wire once the device is connected
    // again: the PC's image holds what went out before the failure and nothing after it.
    void DropAtEveryFrame(const Step& prepare, const Step& op, bool sentAsWritten = false) {
        FrmCtrl* f = &Reopen();
        VX_REQUIRE_SIMULATOR(H());
        if (prepare) prepare(*f);
        const int start = Frames();
        op(*f);
        const int frames = Frames() - start;
        ASSERT_GT(frames, 0);
        ASSERT_FALSE(HasFailure());
        for (int n = 1; n <= frames && !HasFailure(); ++n) {
            SCOPED_TRACE("dropped at frame " + std::to_string(n) + " of " + std::to_string(frames));
            if (f->Finished()) f = &Reopen();
            if (prepare) prepare(*f);
            const Bytes deviceBefore = sentAsWritten ? Program() : Bytes{};
            const Image imageBefore = S().DevImage[slot];
            DropDuring(*f, n, op);
            if (sentAsWritten) {
                const Image image = S().DevImage[slot];
                f = &Reopen();
                ExpectSentAsWritten(imageBefore.ProgImage, image.ProgImage, deviceBefore,
                                    Program());
            }
        }
        ExpectAnswers();
    }
    Bytes Program() { return Memory(0, model::ProgramBytes); }
    template <class Image>
    void ExpectSentAsWritten(const Image& imageBefore, const Image& image,
                             const Bytes& deviceBefore, const Bytes& device) {
        ASSERT_EQ(device.size(), deviceBefore.size());
        for (size_t a = 0; a < device.size(); ++a) {
            if (image[a] != imageBefore[a] || device[a] != deviceBefore[a]) {
                EXPECT_EQ(static_cast<int>(image[a]), static_cast<int>(device[a])) << "byte " << a;
            }
        }
    }

    testsupport::DeviceOptions options;
    // Writes the device's memory once it is first connected, before the editor opens.
    std::function<void()> seed;
};

// ---- Dialogs: a send fails while it is open, then more edits and its close ----

struct DialogCase {
    const char* name;
    const char* form;
    int16_t tab;
    // What the user does in the editor to open the dialog.
    std::function<bool(FrmCtrl&)> open;
    // One edit in the dialog that sends (false when the dialog took none); a question it
    // asks is answered Yes.
    std::function<bool(ui::Form&)> edit;
    bool asks = false;
    // Sets up the editor first.
    std::function<void(FrmCtrl&)> prepare = {};
};

void PrintTo(const DialogCase& c, std::ostream* os) {
    *os << c.name;
}

template <class D>
std::function<bool(ui::Form&)> In(std::function<bool(D&)> edit) {
    return [edit](ui::Form& f) { return edit(static_cast<D&>(f)); };
}

std::vector<DialogCase> Dialogs() {
    auto button = [](int16_t k) { return [k](FrmCtrl& f) { return f.Command2(k).UserClick(); }; };
    return {
        {"NoiseGate", "FrmNG", FrmCtrl::kTabInputs,
         [](FrmCtrl& f) { return f.Command13(2).UserClick(); },
         In<FrmNG>([](FrmNG& d) { return d.Check5.UserClick(); })},
        {"InputEqualiser", "FrmEqIn", FrmCtrl::kTabInputs,
         [](FrmCtrl& f) { return f.Command10(3).UserClick(); },
         In<FrmEqIn>([](FrmEqIn& d) { return Move(d.Slider2(1)); })},
        {"Limiter", "FrmLimiter", 2, [](FrmCtrl& f) { return f.Command51(1).UserClick(); },
         In<FrmLimiter>([](FrmLimiter& d) { return Move(d.Slider4); })},
        {"CompressorMeterPoll", "FrmLimiter", 3,
         [](FrmCtrl& f) { return f.Command50(2).UserClick(); }, In<FrmLimiter>([](FrmLimiter& d) {
             // The gain-reduction poll of the open dialog fails.
             const bool open = d.Visible();
             static_cast<ui::HeadlessHost&>(d.GetHost()).Advance(1000);
             return open;
         })},
        {"AutoMixer", "FrmAM", FrmCtrl::kTabOverview,
         [](FrmCtrl& f) { return f.Command14.UserClick(); },
         In<FrmAM>([](FrmAM& d) { return d.Option1(d.Option1(0).Value() ? 1 : 0).UserClick(); })},
        {"Ducker", "FrmDucker", FrmCtrl::kTabOverview,
         [](FrmCtrl& f) { return f.Command15.UserClick(); },
         In<FrmDucker>([](FrmDucker& d) { return Move(d.Slider1(3)); })},
        {"InputCopy", "FrmCopyInput", FrmCtrl::kTabInputs, button(8),
         In<FrmCopyChannel>([](FrmCopyChannel& d) {
             d.Combo1(1).UserSelect(2);
             return d.Command1(0).UserClick();
         }),
         true,
         [](FrmCtrl& f) {
             for (int16_t i : {0, 2}) f.Combo5(i).UserSelect(1);
         }},
        {"OutputCopy", "FrmCopyOut", 1, button(9),
         In<FrmCopyChannel>([](FrmCopyChannel& d) { return d.Command1(0).UserClick(); }), true},
        {"Store", "FrmStore", FrmCtrl::kTabOverview, button(2),
         In<StoreWindow>([](StoreWindow& d) { return d.Command1(1).UserClick(); }), true},
        {"Read", "FrmRead", FrmCtrl::kTabOverview, button(3),
         In<ReadWindow>([](ReadWindow& d) { return d.Command1(1).UserClick(); }), true},
        {"Switch", "FrmSwitch", FrmCtrl::kTabOverview,
         [](FrmCtrl& f) { return f.Command9.UserClick(); },
         In<FrmSwitch>([](FrmSwitch& d) { return d.Check5(1).UserClick(); })},
        {"FilterType", "FrmSelFilter", 2, [](FrmCtrl& f) { return f.Command3(7).UserClick(); },
         In<FrmSelFilter>([](FrmSelFilter& d) {
             d.Combo1.UserSelect(d.Combo1.ListIndex() == 0 ? 1 : 0);
             return d.Command1(0).UserClick();
         })},
        {"Names", "FrmEditLabel", 4, [](FrmCtrl& f) { return f.SSTab1.UserDblClick(); },
         In<FrmEditLabel>([](FrmEditLabel& d) { return d.Command1(0).UserClick(); }), true},
    };
}

class DialogDrop : public DeviceDrop, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(DialogDrop, ClosesWithItsEditorAndSendsNothingMore) {
    const DialogCase& c = GetParam();
    FrmCtrl& f = Reopen();
    VX_REQUIRE_SIMULATOR(H());
    S().DevParam[slot].SlotStatus()[0] = model::StoredProgramMark;  // "Read" finds a program
    f.SSTab1.UserSelectTab(c.tab);
    if (c.prepare) c.prepare(f);
    bool shown = false;
    H().host.DriveModal(c.form, [&](ui::Form& d) {
        shown = true;
        if (c.asks) H().host.Answer(ui::vbYes);
        EXPECT_TRUE(c.edit(d));
        EXPECT_FALSE(d.Loaded()) << "the dialog closed with its editor";
        EXPECT_FALSE(c.edit(d)) << "a closed dialog takes no more edits";
        d.UserClose();
    });
    DropDuring(f, 1, [&](FrmCtrl& editor) { EXPECT_TRUE(c.open(editor)); });
    EXPECT_TRUE(shown);
    ExpectAnswers();
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogDrop, ::testing::ValuesIn(Dialogs()),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Operations of many frames, the link dropped at each frame in turn ----

TEST_F(DeviceDrop, ProgramFileLoad) {
    std::string file;
    DropAtEveryFrame(
        [&](FrmCtrl&) {
            if (!file.empty()) return;
            file = (std::filesystem::path(H().home.Path()) / "drop.XPG").string();
            Image program = S().DevImage[slot];
            program.ProgImage[model::GainAddrLo[9]] ^= 0x10;
            model::RecordWriter w;
            model::WriteDevImageRecord(w, program);
            ASSERT_TRUE(model::WriteFileAtomic(file, w.Data()));
        },
        [&](FrmCtrl& f) {
            H().host.ChooseFile(file);
            f.Command2(0).UserClick();
        });
}

TEST_F(DeviceDrop, ProgramStore) {
    DropAtEveryFrame({}, Toolbar(2, "FrmStore", [](ui::Form& d) {
                         auto& store = static_cast<StoreWindow&>(d);
                         testsupport::Retype(store.Text1, "Dropped");
                         store.Command1(1).UserClick();
                     }));
}

TEST_F(DeviceDrop, ProgramRecall) {
    DropAtEveryFrame(
        [&](FrmCtrl&) { S().DevParam[slot].SlotStatus()[1] = model::StoredProgramMark; },
        Toolbar(3, "FrmRead", [](ui::Form& d) {
            auto& read = static_cast<ReadWindow&>(d);
            read.List1.UserSelect(1);
            read.Command1(1).UserClick();
        }));
}

TEST_F(DeviceDrop, InputCopyOntoAStereoPair) {
    DropAtEveryFrame(
        [&](FrmCtrl& f) {
            f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
            if (f.Check11(2).Value() == 0) {
                for (int16_t i : {4, 5}) f.Combo5(i).UserSelect(1);
                H().host.Answer(ui::vbYes);
                f.Check11(2).UserClick();
            }
            f.Combo5(0).UserSelect(1);
            ASSERT_EQ(f.Check11(2).Value(), 1);
        },
        Copy(8, "FrmCopyInput", 4));
}

TEST_F(DeviceDrop, OutputCopy) {
    DropAtEveryFrame({}, Copy(9, "FrmCopyOut", 6));
}

// Outputs 1 to 4 linked; the level, then the delay of output 1 (whose repeat visits every
// member whatever a send gave).
TEST_F(DeviceDrop, LinkedOutputRepeats) {
    const Step linkFour = [](FrmCtrl& f) {
        f.SSTab1.UserSelectTab(1);
        for (int16_t ch = 8; ch < 12; ++ch) {
            if (f.Check13(ch).Value() == 0) f.Check13(ch).UserClick();
        }
    };
    DropAtEveryFrame(linkFour,
                     [](FrmCtrl& f) { f.Slider1(8).UserScroll(f.Slider1(8).Value() ^ 1); });
    DropAtEveryFrame(linkFour, [](FrmCtrl& f) {
        f.UpDown2(0).Value() == 0 ? f.UpDown2(0).UserUp() : f.UpDown2(0).UserDown();
    });
}

// The input and output copies from the first channel onto the last and back, on TCP/IP and on a
// USB serial link. Every field of every channel holds a value of its own, and each copy takes
// another source than the one before, so that every copy changes the destination.
struct CopyDropCase {
    const char* name;
    testsupport::Link link;
    bool outputs;
    int16_t to;
    std::vector<int16_t> sources;
};

void PrintTo(const CopyDropCase& c, std::ostream* os) {
    *os << c.name;
}

class CopyDrop : public DeviceDrop, public ::testing::WithParamInterface<CopyDropCase> {};

TEST_P(CopyDrop, SendsNothingAfterTheFailedFrameAndKeepsWhatWentOut) {
    const CopyDropCase& c = GetParam();
    options.link = c.link;
    seed = [&] {
        Bytes program = Program();
        ASSERT_EQ(program.size(), static_cast<size_t>(model::ProgramBytes));
        testsupport::SeedChannels(program, {}, {});
        EXPECT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr, program));
    };
    size_t copies = 0;
    DropAtEveryFrame(
        [&](FrmCtrl& f) { f.SSTab1.UserSelectTab(c.outputs ? 1 : FrmCtrl::kTabInputs); },
        [&](FrmCtrl& f) {
            const int16_t from = c.sources[copies++ % c.sources.size()];
            (c.outputs ? Copy(9, "FrmCopyOut", c.to, from)
                       : Copy(8, "FrmCopyInput", c.to, from))(f);
        },
        true);
}

INSTANTIATE_TEST_SUITE_P(
    BothLinks, CopyDrop,
    ::testing::Values(
        CopyDropCase{
            "InputOneOntoEightTcp", testsupport::Link::Tcp, false, 7, {0, 1, 2, 3, 4, 5, 6}},
        CopyDropCase{
            "InputEightOntoOneUsb", testsupport::Link::Usb, false, 0, {7, 6, 5, 4, 3, 2, 1}},
        CopyDropCase{
            "OutputEightOntoOneTcp", testsupport::Link::Tcp, true, 0, {7, 6, 5, 4, 3, 2, 1}},
        CopyDropCase{
            "OutputOneOntoEightUsb", testsupport::Link::Usb, true, 7, {0, 1, 2, 3, 4, 5, 6}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Channel-link repeats, the link dropped at each frame of an edit and its repeat ----

class RepeatDrop : public DeviceDrop,
                   public ::testing::WithParamInterface<testsupport::LinkCase> {};

// Every control the link repeats, over the input link set, onto the stereo partner ("Balanced"
// included, whose repeat follows even a failed send of its own) and over the output link set.
TEST_P(RepeatDrop, EndsWithTheWindowAndSendsNothingMore) {
    const testsupport::Arrangement& a = *GetParam().where;
    const testsupport::LinkedControl& c = *GetParam().control;
    DropAtEveryFrame(
        [&](FrmCtrl& f) {
            testsupport::Arrange(f, H().host, a);
            for (const auto& edit : a.edits) {
                if (c.ready) c.ready(f, edit.first);
            }
        },
        [&](FrmCtrl& f) {
            for (const auto& edit : a.edits) {
                if (!f.Finished()) c.edit(f, H().host, edit.first);
            }
        });
}

INSTANTIATE_TEST_SUITE_P(EveryRepeat, RepeatDrop, ::testing::ValuesIn(testsupport::LinkCases(true)),
                         [](const auto& info) { return testsupport::LinkCaseName(info.param); });

}  // namespace
