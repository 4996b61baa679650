// The device editor window of one slot. For now it carries the running-program caption and
// the online status, takes its slot at load and keeps the open-editor bookkeeping.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmCtrl : public ui::Form {
  public:
    explicit FrmCtrl(State& s);

    // CurDev := the slot whose editor this window is; unchanged when none is.
    void LoadCorrectWindow();
    // OpDone := enable: False while an operation of this window runs.
    void EnableOtherWindow(bool enable);

    ui::Label Label8{*this, "Label8"};    // the running program
    ui::Label Label19{*this, "Label19"};  // online status

    static constexpr ui::Twips kWidth = 15855;
    static constexpr ui::Twips kHeight = 10050;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    State& s_;
};
