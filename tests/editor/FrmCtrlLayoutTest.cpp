// The editor window's layout: every control of every tab lies inside its container, no two
// visible siblings overlap, texts fit their controls, and the control arrays keep the
// system's indices, ranges and list items.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

constexpr ui::Twips kClientWidth = 15735;
constexpr ui::Twips kClientHeight = 9555;
constexpr ui::Twips kTabBarHeight = 390;   // the tab strip's children start below its tabs
constexpr ui::Twips kCaptionHeight = 195;  // a captioned frame's title line
constexpr ui::Twips kLineHeight = 195;     // one line of 8-point text

struct Rect {
    ui::Twips l, t, r, b;
};

Rect Bounds(const ui::Control& c) {
    if (c.GetKind() == ui::Kind::Line) {
        const auto& l = static_cast<const ui::Line&>(c);
        return {std::min(l.X1(), l.X2()), std::min(l.Y1(), l.Y2()), std::max(l.X1(), l.X2()),
                std::max(l.Y1(), l.Y2())};
    }
    return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
}

// Width in pixels of a text in the 8-point sans font the front end uses (hinted advances).
int TextPixels(const std::string& text) {
    int px = 0;
    for (const char ch : text) {
        if (std::string("ijl.,:;'|!").find(ch) != std::string::npos || ch == ' ') {
            px += 3;
        } else if (std::string("frtI-[]()/").find(ch) != std::string::npos) {
            px += 4;
        } else if (std::string("cksvxyz?").find(ch) != std::string::npos) {
            px += 6;
        } else if (std::string("DGHNOUM").find(ch) != std::string::npos) {
            px += ch == 'M' ? 9 : 8;
        } else if (ch == 'm' || ch == '%') {
            px += 10;
        } else if (ch == 'w' || std::string("+<=>").find(ch) != std::string::npos) {
            px += 9;
        } else if (ch == 'W') {
            px += 11;
        } else {
            px += 7;
        }
    }
    return px;
}

ui::Twips TextTwips(const std::string& text) {
    return TextPixels(text) * 15;
}

// Lines a label needs when it wraps its text at blanks within width.
int WrappedLines(const std::string& text, ui::Twips width, bool& wordTooWide) {
    std::istringstream words(text);
    std::string word, line;
    int lines = 0;
    while (words >> word) {
        if (TextTwips(word) > width) wordTooWide = true;
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextTwips(candidate) > width) {
            ++lines;
            line = word;
        } else {
            line = candidate;
        }
    }
    return lines + (line.empty() ? 0 : 1);
}

class FrmCtrlLayout : public ::testing::Test {
  protected:
    ui::HeadlessHost host;
    std::unique_ptr<State> state = NewState(host);
    FrmCtrl& form = FrmCtrlOf(*state, 0);

    // Siblings: the controls of one container on one tab page.
    std::map<std::pair<const ui::Control*, int16_t>, std::vector<const ui::Control*>> Groups() {
        std::map<std::pair<const ui::Control*, int16_t>, std::vector<const ui::Control*>> g;
        for (const ui::Control* c : form.Controls()) {
            if (c->GetKind() == ui::Kind::Timer) continue;
            g[{c->Container(), c->TabPage()}].push_back(c);
        }
        return g;
    }
};

// Controls laid over others on purpose: the two processing panels of an input share one
// place, lines are drawn over what they connect or cross out.
bool StackedOnPurpose(const ui::Control& a, const ui::Control& b) {
    if (a.GetKind() == ui::Kind::Line || b.GetKind() == ui::Kind::Line) return true;
    const std::set<std::string> panels = {"Frame18", "Frame27"};
    return panels.count(a.Name()) != 0 && panels.count(b.Name()) != 0 && a.Index() == b.Index();
}

TEST_F(FrmCtrlLayout, WindowHasTheFixedSizeElevenFilledTabsAndThePanelTheListShowsInFront) {
    EXPECT_EQ(form.Width(), 15855);
    EXPECT_EQ(form.Height(), 10050);
    EXPECT_EQ(form.ScaleWidth(), kClientWidth);
    EXPECT_EQ(form.ScaleHeight(), kClientHeight);
    const std::vector<std::string> captions = {"Inputs",  "Output1", "Output2", "Output3",
                                               "Output4", "Output5", "Output6", "Output7",
                                               "Output8", "Routing", "Overview"};
    ASSERT_EQ(form.SSTab1.Tabs(), 11);
    for (int16_t t = 0; t < 11; ++t) {
        EXPECT_EQ(form.SSTab1.TabCaption(t), captions[static_cast<size_t>(t)]);
        EXPECT_LE(TextTwips(captions[static_cast<size_t>(t)]) + 16 * 15, form.SSTab1.Width() / 11);
    }

    // Every tab holds controls.
    std::map<int16_t, int> perTab;
    for (const ui::Control* c : form.Controls()) {
        for (const ui::Control* p = c; p != nullptr; p = p->Container()) {
            if (p->Container() == &form.SSTab1) ++perTab[p->TabPage()];
        }
    }
    for (int16_t t = 0; t < 11; ++t) EXPECT_GT(perTab[t], 20) << "tab " << t;

    // The processing panel in front is the one the list shows.
    const auto& order = form.Controls();
    const auto pos = [&](const ui::Control& c) {
        return std::find(order.begin(), order.end(), &c) - order.begin();
    };
    for (int16_t i = 0; i < 8; ++i) {
        ASSERT_EQ(form.Combo1(i).ListIndex(), 0) << "\"FBK\"";
        EXPECT_GT(pos(form.Frame18(i)), pos(form.Frame27(i))) << "the feedback panel is in front";
    }
}

TEST_F(FrmCtrlLayout, NoVisibleSiblingsOverlap) {
    for (const auto& [key, members] : Groups()) {
        for (size_t a = 0; a < members.size(); ++a) {
            for (size_t b = a + 1; b < members.size(); ++b) {
                const ui::Control& x = *members[a];
                const ui::Control& y = *members[b];
                if (!x.Visible() || !y.Visible() || StackedOnPurpose(x, y)) continue;
                EXPECT_FALSE(Overlap(Bounds(x), Bounds(y))) << x.Path() << " / " << y.Path();
            }
        }
    }
}

TEST_F(FrmCtrlLayout, EveryControlLiesInsideItsContainer) {
    for (const ui::Control* c : form.Controls()) {
        if (c->GetKind() == ui::Kind::Timer) continue;
        const Rect r = Bounds(*c);
        const ui::Control* box = c->Container();
        Rect inner{0, 0, kClientWidth, kClientHeight};
        if (box != nullptr) {
            inner = {0, 0, box->Width(), box->Height()};
            if (box->GetKind() == ui::Kind::TabStrip) {
                inner = {30, kTabBarHeight, box->Width() - 30, box->Height() - 30};
            } else if (box->GetKind() == ui::Kind::Frame &&
                       !static_cast<const ui::Frame*>(box)->Caption().empty()) {
                inner = {30, kCaptionHeight, box->Width() - 30, box->Height() - 30};
            }
        }
        EXPECT_TRUE(r.l >= inner.l && r.t >= inner.t && r.r <= inner.r && r.b <= inner.b)
            << c->Path() << " at " << r.l << "," << r.t << "-" << r.r << "," << r.b;
    }
}

TEST_F(FrmCtrlLayout, TextsFitTheirControls) {
    for (const ui::Control* c : form.Controls()) {
        std::string text;
        ui::Twips padding = 0;
        switch (c->GetKind()) {
            case ui::Kind::Label: {
                const auto& l = static_cast<const ui::Label&>(*c);
                if (l.Height() >= 2 * kLineHeight) {
                    bool tooWide = false;
                    const int lines = WrappedLines(l.Caption(), l.Width(), tooWide);
                    EXPECT_FALSE(tooWide) << c->Path();
                    EXPECT_LE(lines * kLineHeight, l.Height()) << c->Path();
                    continue;
                }
                text = l.Caption();
                break;
            }
            case ui::Kind::CheckBox: {
                const auto& b = static_cast<const ui::CheckBox&>(*c);
                text = b.Caption();
                padding = b.Style() == 1 ? 8 * 15 : 20 * 15;
                break;
            }
            case ui::Kind::OptionButton:
                text = static_cast<const ui::OptionButton&>(*c).Caption();
                padding = 20 * 15;
                break;
            case ui::Kind::CommandButton:
                text = static_cast<const ui::CommandButton&>(*c).Caption();
                padding = 8 * 15;
                break;
            case ui::Kind::Frame:
                text = static_cast<const ui::Frame&>(*c).Caption();
                padding = 16 * 15;
                break;
            case ui::Kind::TextBox:
                text = static_cast<const ui::TextBox&>(*c).Text();
                padding = 8 * 15;
                break;
            case ui::Kind::ComboBox:
                for (const std::string& item : static_cast<const ui::ComboBox&>(*c).List()) {
                    if (TextTwips(item) > TextTwips(text)) text = item;
                }
                padding = 24 * 15;
                break;
            default:
                continue;
        }
        if (text.empty()) continue;
        EXPECT_LE(TextTwips(text) + padding, c->Width()) << c->Path() << " \"" << text << "\"";
        EXPECT_GE(c->Height(), kLineHeight) << c->Path();
    }
}

std::set<int16_t> Indices(const std::vector<int16_t>& v) {
    return {v.begin(), v.end()};
}

std::set<int16_t> Range(int first, int last) {
    std::set<int16_t> s;
    for (int i = first; i <= last; ++i) s.insert(static_cast<int16_t>(i));
    return s;
}

TEST_F(FrmCtrlLayout, ControlArraysKeepTheSystemsIndices) {
    std::set<int16_t> label100;
    for (int base : {0, 10, 20}) {
        for (int k = 0; k < 8; ++k) label100.insert(static_cast<int16_t>(base + k));
    }
    for (int r = 0; r < 7; ++r) {
        for (int k = 0; k < 8; ++k) label100.insert(static_cast<int16_t>(200 + 10 * r + k));
    }
    EXPECT_EQ(Indices(form.Label100.Indices()), label100);
    EXPECT_EQ(Indices(form.Label300.Indices()), Range(0, 31));
    EXPECT_EQ(Indices(form.Label200.Indices()), Range(0, 7));
    EXPECT_EQ(Indices(form.Command2.Indices()), Range(0, 12));
    EXPECT_EQ(Indices(form.Slider1.Indices()), Range(0, 15));
    EXPECT_EQ(Indices(form.Check13.Indices()), Range(0, 15));
    EXPECT_EQ(Indices(form.FramePhase.Indices()), Range(8, 15));
    EXPECT_EQ(Indices(form.Slider2.Indices()), Range(0, 39));
    EXPECT_EQ(Indices(form.Label5.Indices()), Range(0, 39));
    EXPECT_EQ(Indices(form.Combo2.Indices()), Range(0, 15));
    EXPECT_EQ(Indices(form.Check9.Indices()), Range(0, 63));
    EXPECT_EQ(Indices(form.Label17.Indices()), Range(0, 55));
    EXPECT_EQ(Indices(form.Label9.Indices()), Range(0, 71));
    EXPECT_EQ(Indices(form.Check11.Indices()), Range(0, 3));
    EXPECT_EQ(form.Timer1.Count(), 0u) << "the poll timer is created at load";

    // Each output's controls lie on that output's tab.
    for (int16_t o = 0; o < 8; ++o) {
        EXPECT_EQ(form.FrameLevel(static_cast<int16_t>(8 + o)).TabPage(), o + 1);
        EXPECT_EQ(form.FrameGraph(o).TabPage(), o + 1);
        EXPECT_EQ(form.Label5(static_cast<int16_t>(5 * o + 4)).Container(), &form.Picture1(o));
    }

    // The graph scale labels follow the view.
    for (int16_t o = 0; o < 8; ++o) {
        EXPECT_TRUE(form.Option3(o).Value());
        EXPECT_EQ(form.Option3(o).Container(), form.Option4(o).Container());
        EXPECT_TRUE(form.Label17(static_cast<int16_t>(7 * o)).Visible());
        EXPECT_FALSE(form.Label9(static_cast<int16_t>(9 * o)).Visible());
    }
    EXPECT_EQ(form.Label9(0).Caption(), "+180");
    EXPECT_EQ(form.Label9(8).Caption(), "-180");
    EXPECT_EQ(form.Picture1(0).Width(), 8655);
    EXPECT_EQ(form.Picture1(0).Height(), 2895);
}

TEST_F(FrmCtrlLayout, ButtonsAndListsCarryTheSystemsTexts) {
    const std::map<int16_t, std::pair<std::string, std::string>> toolbar = {
        {0, {"Load", "Load program from PC"}},
        {1, {"Save", "Save program to PC"}},
        {2, {"Store", "Store program to device"}},
        {3, {"Read", "Read program from device"}},
        {4, {"Lock front-panel", "Password"}},
        {8, {"Input Copy", "Input Copy"}},
        {9, {" Ouput Copy", "Output Copy"}},
        {10, {"Read", "Read Extra program from device"}},
        {11, {"Store", "Store Extra program to device"}},
        {12, {"Configure", "Configure external signal"}},
    };
    for (const auto& [index, texts] : toolbar) {
        EXPECT_EQ(form.Command2(index).Caption(), texts.first);
        EXPECT_EQ(form.Command2(index).ToolTipText(), texts.second);
        EXPECT_TRUE(form.Command2(index).Visible());
    }
    EXPECT_EQ(form.Command12(3).ToolTipText(), "Set gain to 0 dB");
    EXPECT_EQ(form.Command90(2).Caption(), "Bypass Gain");
    EXPECT_EQ(form.Command90(10).Caption(), " Bypass Level");
    EXPECT_EQ(form.Check2(2).Caption(), "Phase 180'");
    EXPECT_EQ(form.Check2(10).Caption(), "180 '");
    EXPECT_EQ(form.Check2(10).Container(), &form.FramePhase(10));
    EXPECT_EQ(form.Label8.Caption(), "01: PRESET DEFAULT ");
    EXPECT_EQ(form.Command17.Caption(), "Version");
    EXPECT_FALSE(form.ProgressBar1.Visible());

    // Lists hold the system's items.
    using Items = std::vector<std::string>;
    EXPECT_EQ(form.Combo5(0).List(), (Items{"Mic", "Line"}));
    EXPECT_EQ(form.Combo9(0).List(), (Items{" Bypass", "HighPass", "LowPass"}));
    EXPECT_EQ(form.Combo4(0).List(), (Items{"OFF", "ON"}));
    EXPECT_EQ(form.Combo1(0).List(), (Items{"FBK", "EQ"}));
    EXPECT_EQ(form.Combo2(15).List(),
              (Items{"   Bypass", "Buttw -6dB", "Buttw -12dB", "LRiley -12dB", "Bessel -12dB",
                     "Buttw -18dB", "Buttw -24dB", "LRiley -24dB", "Bessel -24dB"}));
    EXPECT_EQ(form.Combo2(15).Style(), 2);
}

TEST_F(FrmCtrlLayout, SlidersRunTheWayTheValuesDo) {
    for (int16_t ch = 0; ch < 16; ++ch) {
        const ui::Slider& s = form.Slider1(ch);
        EXPECT_EQ(s.Orientation(), 1) << "level sliders are vertical, loudest at the top";
        EXPECT_EQ(s.Min(), 0);
        EXPECT_EQ(s.Max(), ch < 8 ? 1390 : 1450);
        EXPECT_EQ(s.SmallChange(), 1);
        EXPECT_EQ(s.LargeChange(), 5);
        EXPECT_EQ(form.ProgressBar3(ch).Max(), 50);
    }
    const std::vector<std::pair<const ui::ControlArray<ui::Slider>*, int32_t>> perOutput = {
        {&form.Slider400, 240}, {&form.Slider401, 31}, {&form.Slider402, 100},
        {&form.Slider403, 29},  {&form.Slider404, 29}, {&form.Slider4, 240},
        {&form.Slider5, 29},    {&form.Slider6, 29},
    };
    for (const auto& [array, max] : perOutput) {
        EXPECT_EQ((*array)(7).Max(), max) << array->Name();
        EXPECT_EQ((*array)(7).Orientation(), 1) << array->Name();
    }
    // The other ranges show in the clamps of the typed values.
    EXPECT_EQ(form.Slider2(39).Value(), 24);
    EXPECT_EQ(form.UpDown6(0).Max(), 30);
    EXPECT_EQ(form.UpDown1(0).Max(), 48);
    EXPECT_EQ(form.UpDown5(0).Max(), 13);
}

}  // namespace
