// The program recall window shared by FrmRead (normal slots) and FrmReadExtra (extra slots):
// the slots of the current device with their names, and the recall of the chosen slot. The
// slot is read from the device into a buffer, recalled on the device, and only then taken into
// the image and applied to the model and the editor window, nothing sent.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class ReadWindow : public ui::Form {
  public:
    // Index 0 closes the window; index 1 recalls the selected slot (after the empty-slot check
    // and the question) and closes the window.
    void Command1_Click(int16_t index);

    ui::Label Label3{*this, "Label3"};
    ui::ListBox List1{*this, "List1"};
    ui::Label Label2{*this, "Label2"};  // "Please wait: reading program........."
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    ReadWindow(State& s, const char* formName, bool extra);
    void Form_Load() override;

  private:
    void LayOut();
    int16_t SlotCount() const { return extra_ ? 4 : 6; }
    // Reads slot n into a buffer (114 requests), recalls it; then the image, the switch preset
    // (normal slots, when it follows the program), the running slot, the link masks, the model
    // and the editor follow. False at the first failed frame, with nothing on the PC changed.
    bool ReadProgramFromDevice(int16_t n);
    // The editor's progress bar hidden, if the editor is still there.
    void HideEditorProgress();

    State& s_;
    bool extra_;
    std::string title_;
};
