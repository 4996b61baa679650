// "RMS Compressor & Peak Limiter": the modal dialog of one output (LimOutCh) of the current
// device. Its sliders mirror the editor window's compressor and limiter sliders of that output;
// every edit is written into the editor window's slider, sent by the output's sender and
// repeated on the linked outputs. It draws the static transfer curves of both and polls their
// gain-reduction meters.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;
namespace ModFun {
enum class Dyn : uint8_t;
}

class FrmLimiter : public ui::Form {
  public:
    explicit FrmLimiter(State& s);

    // Command7 / Command5 red while the bypass state shown is not 0.
    void ConfigButtonLimBypTmp();
    void ConfigButtonCmpBypTmp();
    // The limiter curve for threshold dBu (20 or more draws the plain diagonal); a threshold
    // of 18 or more becomes 40.
    void LoadLineThr(double& threshold);
    // The compressor curve: hard knee in red, the chord across the knee region in blue. A
    // threshold of 18 or more becomes 40 with knee 0; the knee is raised by 1 (at most 100).
    void LoadLineCmp(double& threshold, double& ratio, double& knee);

    ui::Frame Frame1{*this, "Frame1"};  // "Peak Limiter"
    ui::Frame Frame2{*this, "Frame2"};  // "RMS Compressor"
    ui::Slider Slider4{*this, "Slider4"};
    ui::Slider Slider5{*this, "Slider5"};
    ui::Slider Slider6{*this, "Slider6"};
    ui::TextBox Text9{*this, "Text9"};
    ui::TextBox Text10{*this, "Text10"};
    ui::TextBox Text11{*this, "Text11"};
    ui::CommandButton Command7{*this, "Command7"};
    ui::Label Label4{*this, "Label4"};  // threshold readout
    ui::Slider Slider400{*this, "Slider400"};
    ui::Slider Slider401{*this, "Slider401"};
    ui::Slider Slider402{*this, "Slider402"};
    ui::Slider Slider403{*this, "Slider403"};
    ui::Slider Slider404{*this, "Slider404"};
    ui::TextBox Text400{*this, "Text400"};
    ui::TextBox Text401{*this, "Text401"};
    ui::TextBox Text402{*this, "Text402"};
    ui::TextBox Text403{*this, "Text403"};
    ui::TextBox Text404{*this, "Text404"};
    ui::CommandButton Command5{*this, "Command5"};
    ui::PictureBox Picture1{*this, "Picture1"};  // limiter curve
    ui::Line Line1{*this, "Line1"};
    ui::Line Line2{*this, "Line2"};
    ui::PictureBox Picture2{*this, "Picture2"};  // compressor curve
    ui::Line Line3{*this, "Line3"};
    ui::Line Line4{*this, "Line4"};
    // Gain-reduction meters: limiter bar and value, compressor bar and value.
    ui::ControlArray<ui::Frame> FrameMeter{*this, "FrameMeter"};  // 0 "Lim", 1 "Cmp"
    ui::ControlArray<ui::Shape> ShapeMeter{*this, "ShapeMeter"};
    ui::Label Label6{*this, "Label6"};
    ui::Label Label8{*this, "Label8"};
    ui::Label Label7{*this, "Label7"};
    ui::Label Label5{*this, "Label5"};
    ui::Timer Timer1{*this, "Timer1"};
    // Captions, scale labels and axis titles.
    ui::ControlArray<ui::Label> LabelText{*this, "LabelText"};

    // Form state.
    int16_t LimBypTmp = 0;
    int16_t CmpBypTmp = 0;
    double PicW = 0, PicH = 0, DbStepX = 0, DbStepY = 0, MidX = 0, MidY = 0;
    int16_t MeterPhase = 0;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    // The dialog's slider and box of a value.
    ui::Slider& SliderOf(ModFun::Dyn p);
    ui::TextBox& BoxOf(ModFun::Dyn p);
    // The editor window's slider of the value for output LimOutCh.
    ui::Slider& EditorSlider(ModFun::Dyn p);

    void LayOut();
    void LayOutGroup(ui::Frame& frame, ui::PictureBox& picture, int16_t meter, ui::Label& bar,
                     ui::Label& value, int16_t& label);
    void WireEvents();
    // The grid of a curve picture: a line every 10 dB, the 0 dB lines darker.
    void PaintGrid(ui::PictureBox& picture);

    // The box of p written from its slider; the readout with the limiter threshold.
    void ShowValue(ModFun::Dyn p);
    // "Thr = " t " dBu = " peak volts " Vp" for the threshold of Slider4.
    void ShowReadout();
    // The limiter curve for threshold (20 while bypassed) and the compressor curve from the
    // sliders (threshold 20 while bypassed).
    void RedrawLimiter(double threshold);
    void RedrawCompressor();
    // The limiter threshold the box holds, or the slider's when the box holds no number.
    double LimiterThreshold() const;
    void RedrawGroup(ModFun::Dyn p);

    // The send wrappers: nothing while UiUpdating; the sender, then the link repeat unless the
    // send failed, OpDone cleared meanwhile.
    void Tx(ModFun::Dyn p);
    void SliderScroll(ModFun::Dyn p);
    void KeyPress(ModFun::Dyn p, int16_t& key);
    void Command7_Click();
    void Command5_Click();
    void Timer1_Timer();
    // Bar and value of a meter for reply byte v.
    void ShowMeter(ui::Label& bar, ui::Label& value, int v);

    State& s_;
};
