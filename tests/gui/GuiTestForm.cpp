#include "GuiTestForm.h"

#include "support/EventLog.h"

namespace guitest {

GuiTestForm::GuiTestForm(ui::Host& host, ui::FormKind kind, const std::string& name)
    : ui::Form(host, name, kind) {
    Layout();
    for (ui::Control* c : {static_cast<ui::Control*>(&Label1), static_cast<ui::Control*>(&Command1),
                           static_cast<ui::Control*>(&Check1), static_cast<ui::Control*>(&Check2),
                           static_cast<ui::Control*>(&Combo1), static_cast<ui::Control*>(&Combo2),
                           static_cast<ui::Control*>(&List1), static_cast<ui::Control*>(&Picture1),
                           static_cast<ui::Control*>(&Slider1), static_cast<ui::Control*>(&Slider2),
                           static_cast<ui::Control*>(&UpDown1), static_cast<ui::Control*>(&SSTab1),
                           static_cast<ui::Control*>(&Timer1), static_cast<ui::Control*>(&Text6)}) {
        Record(*c, c->Name());
    }
    Record(Text2, "Text2");
    Option1.On().Click = [this](int16_t i) { Log("Option1.Click", i); };
    Command2.On().Click = [this](int16_t i) { Log("Command2.Click", i); };
    // Text1 refuses Enter the way the editors do: the key becomes a "?".
    Text1.On().KeyPress = [this](int16_t, int16_t& key) {
        Log("Text1.KeyPress " + std::to_string(key), -1);
        if (key == ui::vbKeyReturn) key = '?';
    };
    Text1.On().Change = [this](int16_t) { Log("Text1.Change", -1); };
    UpDown1.On().Change = [this](int16_t) {
        Log("UpDown1.Change", -1);
        Label2.SetCaption(std::to_string(UpDown1.Value()));
    };
}

void GuiTestForm::Layout() {
    SetCaption("Control test");
    SetClientSize(9240, 6360);
    SetSizable(true);

    Label1.Move(120, 150, 1215, 255);
    Label1.SetCaption("Level [dB]");
    Text1.Move(1440, 120, 1095, 285);
    Text2.Move(2640, 120, 1095, 285);
    Command1.Move(3840, 75, 1335, 375);
    Command1.SetCaption("Apply");
    Check1.Move(5340, 120, 1335, 285);
    Check1.SetCaption("Linked");
    Check2.Move(6840, 75, 1335, 375);
    Check2.SetCaption("Bypass");
    Check2.SetStyle(1);
    Check2.SetBackColor(ui::RGB(0, 160, 0));

    Frame1.Move(120, 600, 2535, 1095);
    Frame1.SetCaption("Graph view");
    for (int16_t i : {0, 1}) {
        ui::OptionButton& o = Option1.Load(i);
        o.SetContainer(&Frame1);
        o.Move(120, 300 + i * 360, 2200, 285);
        o.SetCaption(i == 0 ? "Mag" : "Phase");
    }
    Option1(0).SetValue(true);

    Combo1.Move(2820, 645, 1575, 315);
    Combo1.SetStyle(2);
    for (const char* item : {"1:1", "2:1", "4:1", "8:1"}) Combo1.AddItem(item);
    Combo1.SetListIndex(0);
    Combo2.Move(2820, 1140, 1575, 315);
    Combo2.SetStyle(0);
    for (const char* item : {"100", "1000", "10000"}) Combo2.AddItem(item);
    List1.Move(4560, 645, 1815, 1050);
    for (const char* item : {"Program 1", "Program 2", "Program 3", "Program 4"}) {
        List1.AddItem(item);
    }

    Picture1.Move(120, 1860, 3495, 1695);
    Picture1.SetBackColor(ui::vbWhite);
    Line1.SetPoints(3780, 1920, 5100, 1920);
    Line1.SetBorderColor(ui::vbBlue);
    Line1.SetBorderWidth(2);
    Shape1.Move(3780, 2160, 555, 555);
    Shape1.SetShapeType(ui::Shape::Circle);
    Shape1.SetFillStyle(0);
    Shape1.SetFillColor(ui::RGB(255, 0, 0));
    Shape2.Move(4500, 2160, 600, 555);
    Shape2.SetShapeType(ui::Shape::RoundedRectangle);
    Shape2.SetBorderColor(ui::RGB(0, 0, 128));

    Slider1.Move(3780, 2880, 2595, 495);
    Slider1.SetRange(0, 48);
    Slider1.SetChanges(1, 6);
    Slider1.SetTickFrequency(6);
    Slider2.Move(6600, 645, 495, 2910);
    Slider2.SetOrientation(1);
    Slider2.SetRange(0, 20);
    Slider2.SetTickFrequency(5);
    UpDown1.Move(7320, 645, 255, 375);
    UpDown1.SetRange(0, 10);
    Label2.Move(7680, 705, 615, 255);
    Label2.SetCaption("0");
    Label2.SetBackStyle(0);

    SSTab1.Move(120, 3720, 6255, 1875);
    SSTab1.SetTabs(3);
    SSTab1.SetTabCaption(0, "Inputs");
    SSTab1.SetTabCaption(1, "Output1");
    SSTab1.SetTabCaption(2, "Routing");
    Label3.SetContainer(&SSTab1, 0);
    Label3.Move(240, 600, 3000, 255);
    Label3.SetCaption("Controls of the first tab");
    Text6.SetContainer(&SSTab1, 1);
    Text6.Move(240, 600, 1215, 285);
    Check3.SetContainer(&SSTab1, 2);
    Check3.Move(240, 600, 1815, 285);
    Check3.SetCaption("Crosspoint");

    ProgressBar1.Move(6600, 3720, 2520, 255);
    ProgressBar1.SetRange(0, 155);
    ProgressBar1.SetValue(62);
    Toolbar1.Move(6600, 4140, 2520, 495);
    for (int16_t i : {0, 1}) {
        ui::CommandButton& b = Command2.Load(i);
        b.SetContainer(&Toolbar1);
        b.Move(60 + i * 1230, 60, 1155, 375);
        b.SetCaption(i == 0 ? "Load" : "Save");
        b.SetToolTipText(i == 0 ? "Load program from PC" : "Save program to PC");
    }
}

void GuiTestForm::Form_Resize() {
    lifecycle.push_back("Resize");
    if (holdSize && WindowState() != ui::vbMinimized) SetClientSize(9240, 6360);
}

void GuiTestForm::Log(const std::string& what, int16_t index) {
    testsupport::LogEvent(log, what, index);
}

void GuiTestForm::Record(ui::Control& c, const std::string& name) {
    testsupport::RecordEvents(log, c, name);
}

}  // namespace guitest
