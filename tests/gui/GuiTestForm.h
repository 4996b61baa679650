// A dialog-sized form with one control of every kind, laid out side by side, that records
// the events its handlers receive.
#pragma once

#include <string>
#include <vector>

#include "ui/Controls.h"
#include "ui/Form.h"

namespace guitest {

class GuiTestForm : public ui::Form {
  public:
    explicit GuiTestForm(ui::Host& host, ui::FormKind kind = ui::FormKind::Normal,
                         const std::string& name = "FrmTest");

    std::vector<std::string> log;
    std::vector<std::string> lifecycle;
    int16_t cancelClose = 0;
    // Client size the form keeps (Form_Resize snaps back to it) when set.
    bool holdSize = false;

    ui::Label Label1{*this, "Label1"};
    ui::TextBox Text1{*this, "Text1"};
    ui::TextBox Text2{*this, "Text2"};
    ui::CommandButton Command1{*this, "Command1"};
    ui::CheckBox Check1{*this, "Check1"};
    ui::CheckBox Check2{*this, "Check2"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};
    ui::ComboBox Combo1{*this, "Combo1"};
    ui::ComboBox Combo2{*this, "Combo2"};
    ui::ListBox List1{*this, "List1"};
    ui::PictureBox Picture1{*this, "Picture1"};
    ui::Line Line1{*this, "Line1"};
    ui::Shape Shape1{*this, "Shape1"};
    ui::Shape Shape2{*this, "Shape2"};
    ui::Timer Timer1{*this, "Timer1"};
    ui::Slider Slider1{*this, "Slider1"};
    ui::Slider Slider2{*this, "Slider2"};
    ui::UpDown UpDown1{*this, "UpDown1"};
    ui::Label Label2{*this, "Label2"};
    ui::TabStrip SSTab1{*this, "SSTab1"};
    ui::Label Label3{*this, "Label3"};
    ui::TextBox Text6{*this, "Text6"};
    ui::CheckBox Check3{*this, "Check3"};
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::Toolbar Toolbar1{*this, "Toolbar1"};
    ui::ControlArray<ui::CommandButton> Command2{*this, "Command2"};

  protected:
    void Form_Load() override { lifecycle.push_back("Load"); }
    void Form_Activate() override { lifecycle.push_back("Activate"); }
    void Form_Deactivate() override { lifecycle.push_back("Deactivate"); }
    void Form_Resize() override;
    void Form_QueryUnload(int16_t& cancel, int16_t mode) override {
        lifecycle.push_back("QueryUnload " + std::to_string(mode));
        cancel = cancelClose;
    }
    void Form_Unload(int16_t&) override { lifecycle.push_back("Unload"); }

  private:
    void Layout();
    void Record(ui::Control& c, const std::string& name);
    void Log(const std::string& what, int16_t index);
};

}  // namespace guitest
