// The channel copy dialogs: "Input Copy" (FrmCopyInput) and "Output Copy" (FrmCopyOut) copy
// every setting of one channel of the current device onto another and send it; afterwards no
// channel of that kind is linked any more.
#pragma once

#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

// What both dialogs share: a source and a destination list filled with the channel names,
// "Confirm" and "Cancel", the refusal of a copy onto itself and the question before a copy.
class FrmCopyChannel : public ui::Form {
  public:
    // Index 0 "Confirm", 1 "Cancel".
    void Command1_Click(int16_t index);

    ui::ControlArray<ui::Label> Label1{*this, "Label1"};
    ui::ControlArray<ui::ComboBox> Combo1{*this, "Combo1"};  // 0 source, 1 destination
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    // caption: the window's; title: its messages'.
    FrmCopyChannel(State& s, const char* name, const char* caption, const char* title,
                   const char* sourceLabel, const char* destinationLabel, int16_t firstChannel);
    void Form_Load() override;

    // A message box with the dialog's title.
    int Message(const std::string& prompt, int style);
    // Why the copy of source onto destination is refused, told to the user; false to go on.
    virtual bool Refused(int16_t source, int16_t destination) = 0;
    // The copy itself, then the link set of the channel kind dissolved.
    virtual void Copy(int16_t source, int16_t destination) = 0;
    // No channel from first (0 inputs, 8 outputs) on is linked any more, in the link relations
    // and in the editor's link boxes (while the editor is still open).
    void DissolveLinks(int16_t first);

    State& s_;

  private:
    std::string title_;
    int16_t firstChannel_;
};

class FrmCopyInput : public FrmCopyChannel {
  public:
    explicit FrmCopyInput(State& s);

  protected:
    bool Refused(int16_t source, int16_t destination) override;
    void Copy(int16_t source, int16_t destination) override;
};

class FrmCopyOut : public FrmCopyChannel {
  public:
    explicit FrmCopyOut(State& s);

  protected:
    bool Refused(int16_t source, int16_t destination) override;
    void Copy(int16_t source, int16_t destination) override;
};
