#include "app/FrmVersion.h"

#include "state/State.h"

FrmVersion::FrmVersion(State& s) : ui::Form(s.host, "FrmVersion"), s_(s) {
    LayOut();
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
}

void FrmVersion::Form_Load() {
    const size_t d = static_cast<size_t>(s_.CurDev);
    SetCaption("About");
    Label2.SetCaption(s_.FwVersion[d].empty() ? "V1.5" : "V" + s_.FwVersion[d]);
    Label3.SetCaption(s_.DspVersion[d].empty() ? "V1.0.0" : "V" + s_.DspVersion[d]);
    Label4.SetCaption(s_.SwVersion);
    Label5.SetCaption(s_.DevModel[d] == 0 ? "Velotra" : "Velomatic");
    Label6.SetCaption("UID = " + s_.DevUid[d]);
    Label8.SetCaption(s_.DevInfoText[d]);
}

void FrmVersion::Command1_Click() {
    Unload();
}

void FrmVersion::LayOut() {
    SetCaption("About");
    SetSizable(false);
    SetClientSize(6060, 3180);

    Image1.Move(120, 120, 1500, 2415);
    Image1.SetBackColor(ui::RGB(0, 40, 80));
    Image1.SetForeColor(ui::vbWhite);
    Image1.SetCurrentXY(14, 60);
    Image1.Print("Velotrix");
    Image1.SetForeColor(ui::RGB(120, 200, 255));
    for (int k = 0; k < 3; ++k) {
        // Three rising response curves as the box's picture.
        const float y = 110.0f + 12.0f * static_cast<float>(k);
        Image1.MoveTo(8, y + 20);
        Image1.LineTo(30, y + 20);
        Image1.LineTo(50, y);
        Image1.LineTo(92, y);
    }

    Frame1.Move(1740, 60, 4200, 2475);
    struct Row {
        ui::Label& caption;
        const char* text;
        ui::Label& value;
    };
    const Row rows[] = {{Label1, "Firmware version", Label2},
                        {Label7, "DSP version", Label3},
                        {Label9, "Software version", Label4},
                        {Label10, "Model", Label5}};
    ui::Twips top = 300;
    for (const Row& r : rows) {
        r.caption.SetContainer(&Frame1);
        r.caption.SetCaption(r.text);
        r.caption.Move(180, top, 1800, 285);
        r.value.SetContainer(&Frame1);
        r.value.Move(2040, top, 2040, 285);
        top += 360;
    }
    Label6.SetContainer(&Frame1);
    Label6.Move(180, top, 3900, 285);
    top += 360;
    Label11.SetContainer(&Frame1);
    Label11.SetCaption("MAC Address:");
    Label11.Move(180, top, 1800, 285);
    Label8.SetContainer(&Frame1);
    Label8.Move(2040, top, 2040, 285);

    Command1.SetCaption("OK");
    Command1.SetDefault(true);
    Command1.SetCancel(true);
    Command1.Move(4620, 2655, 1215, 405);
}
