// A form with one control of every kind that records the events it receives.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "support/EventLog.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace uitest {

class TestForm : public ui::Form {
  public:
    explicit TestForm(ui::Host& host, ui::FormKind kind = ui::FormKind::Normal,
                      const std::string& name = "TestForm")
        : ui::Form(host, name, kind) {
        for (int16_t i : {0, 2, 5}) Text14.Load(i);
        for (int16_t i : {0, 1}) Option1.Load(i).SetContainer(&Frame1);
        Option2.SetContainer(&Frame2);
        SSTab1.SetTabs(3);
        Text6.SetContainer(&SSTab1, 1);
        for (ui::Control* c : std::initializer_list<ui::Control*>{
                 &Check1, &Combo1, &List1, &Command1, &Slider1, &UpDown1, &Text6, &SSTab1, &Label1,
                 &Picture1, &Timer1}) {
            testsupport::RecordEvents(log, *c, c->Name());
        }
        Text14.On().Change = [this](int16_t i) { Log("Text14.Change", i); };
        Text14.On().KeyPress = [this](int16_t i, int16_t& key) {
            Log("Text14.KeyPress " + std::to_string(key), i);
            if (key == 'x') key = '?';
            if (key == 'z') key = 0;
        };
        Option1.On().Click = [this](int16_t i) { Log("Option1.Click", i); };
        Option2.On().Click = [this](int16_t i) { Log("Option2.Click", i); };
    }

    void Log(const std::string& what, int16_t index) { testsupport::LogEvent(log, what, index); }

    std::vector<std::string> log;
    std::vector<std::string> lifecycle;

    ui::Label Label1{*this, "Label1"};
    ui::TextBox Text6{*this, "Text6"};
    ui::ControlArray<ui::TextBox> Text14{*this, "Text14"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::CheckBox Check1{*this, "Check1"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::Frame Frame2{*this, "Frame2"};
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};
    ui::OptionButton Option2{*this, "Option2"};
    ui::ComboBox Combo1{*this, "Combo1"};
    ui::ListBox List1{*this, "List1"};
    ui::PictureBox Picture1{*this, "Picture1"};
    ui::Line Line1{*this, "Line1"};
    ui::Shape Shape1{*this, "Shape1"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Slider Slider1{*this, "Slider1"};
    ui::UpDown UpDown1{*this, "UpDown1"};
    ui::TabStrip SSTab1{*this, "SSTab1"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Toolbar Toolbar1{*this, "Toolbar1"};

    int16_t cancelClose = 0;

  protected:
    void Form_Load() override { lifecycle.push_back("Load"); }
    void Form_Activate() override { lifecycle.push_back("Activate"); }
    void Form_Deactivate() override { lifecycle.push_back("Deactivate"); }
    void Form_Resize() override { lifecycle.push_back("Resize"); }
    void Form_QueryUnload(int16_t& cancel, int16_t mode) override {
        lifecycle.push_back("QueryUnload " + std::to_string(mode));
        cancel = cancelClose;
    }
    void Form_Unload(int16_t&) override { lifecycle.push_back("Unload"); }
};

}  // namespace uitest
