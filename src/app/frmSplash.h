// The splash window, the first window of the process: its load refuses a second running
// copy, fixes the start-up values (version, screen scale, decimal separator, application
// folder), warns on a small screen, and its one-shot timer shows the main window.
#pragma once

#include <string_view>

#include "sys/Screen.h"
#include "ui/Controls.h"
#include "ui/Form.h"

// The software version shown by the About box.
inline constexpr std::string_view kSwVersion = "V1.1.3";

// True when the screen is below 800 x 600 pixels in both directions.
inline bool ScreenBelowMinimum(const sys::ScreenMetrics& m) {
    return m.WidthPx < 800 && m.HeightPx < 600;
}

struct State;

class frmSplash : public ui::Form {
  public:
    explicit frmSplash(State& s);

    // Shows the main window (its load runs to its end meanwhile) and closes the splash.
    void Timer1_Timer();

    ui::PictureBox Picture1{*this, "Picture1"};  // the start-up picture, 500 x 500 pixels
    ui::Label Label1{*this, "Label1"};
    ui::Label Label2{*this, "Label2"};
    ui::Timer Timer1{*this, "Timer1"};

  protected:
    // The start of the process: single instance, start-up values, screen check, timer.
    void Form_Load() override;

  private:
    void LayOut();
    void DrawPicture();

    State& s_;
};
