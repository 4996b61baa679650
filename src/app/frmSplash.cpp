#include "app/frmSplash.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/MDIFrmMain.h"
#include "app/ModCountry.h"
#include "state/State.h"
#include "sys/AppFolder.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kPictureSide = 500 * sys::kTwipsPerPixel;

}  // namespace

frmSplash::frmSplash(State& s) : ui::Form(s.host, "frmSplash"), s_(s) {
    LayOut();
    Timer1.On().Timer = [this](int16_t) { Timer1_Timer(); };
}

void frmSplash::Form_Load() {
    s_.Instance = std::make_unique<sys::InstanceLock>(s_.InstanceName);
    if (!s_.Instance->Acquired()) {
        s_.host.MsgBox("... duplicate instance.", ui::vbOKOnly + ui::vbCritical, "Error");
        s_.Instance->RequestActivation();
        s_.host.End();
        Unload();
        return;
    }
    s_.SwVersion = std::string(kSwVersion);
    const sys::ScreenMetrics screen = s_.host.Screen();
    s_.DpiScale = sys::DpiScaleOf(screen.DpiX);
    s_.DecimalComma = ModCountry::DecimalCommaFor(ModCountry::GetLocaleText());
    Label1.SetVisible(false);
    Label2.SetVisible(false);
    if (ScreenBelowMinimum(screen)) {
        s_.host.MsgBox("Minimum display resolution is 800x600", ui::vbOKOnly, "Warning");
    }
    s_.AppDir = sys::AppFolder();
    Timer1.SetInterval(2000);
    Timer1.SetTimerEnabled(true);
}

void frmSplash::Timer1_Timer() {
    Timer1.SetTimerEnabled(false);
    MainForm(s_).Show();
    Unload();
}

void frmSplash::LayOut() {
    SetCaption("Velotrix");
    SetSizable(false);
    SetClientSize(kPictureSide, kPictureSide);
    const sys::ScreenMetrics screen = GetHost().Screen();
    SetLeft(std::max(0, (screen.WidthPx * sys::kTwipsPerPixel - Width()) / 2));
    SetTop(std::max(0, (screen.HeightPx * sys::kTwipsPerPixel - Height()) / 2));

    Picture1.Move(0, 0, kPictureSide, kPictureSide);
    DrawPicture();
    Label1.SetContainer(&Picture1);
    Label1.SetCaption("Searching COM: please wait ");
    Label1.Move(600, 6600, 3600, 285);
    Label2.SetContainer(&Picture1);
    Label2.SetCaption("0");
    Label2.Move(4260, 6600, 600, 285);
}

void frmSplash::DrawPicture() {
    Picture1.SetBackColor(ui::RGB(0, 40, 80));
    Picture1.Cls();
    Picture1.SetFont(12, false);
    Picture1.SetForeColor(ui::vbWhite);
    Picture1.SetCurrentXY(64, 120);
    Picture1.Print("Velotrix");
    Picture1.SetCurrentXY(64, 150);
    Picture1.Print("Editor and remote control");
    Picture1.SetCurrentXY(64, 420);
    Picture1.Print(std::string(kSwVersion));
    // A band-pass response across the lower half as the picture's motif.
    Picture1.SetForeColor(ui::RGB(120, 200, 255));
    Picture1.SetDrawWidth(2);
    Picture1.MoveTo(40, 360);
    for (int x = 40; x <= 460; x += 4) {
        const double t = (x - 250) / 90.0;
        Picture1.LineTo(static_cast<float>(x), static_cast<float>(360 - 110 * std::exp(-t * t)));
    }
}
