// The program store window shared by FrmStore (normal slots "01" to "06") and FrmStoreExtra
// (extra slots "E01" to "E04"): the slots of the current device with their names, a position
// and a name to store under, and the store of CurDev's program into that slot.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/NameKeyFilter.h"

struct State;

class StoreWindow : public ui::Form {
  public:
    void List1_Click();
    void Combo1_Click();
    void Text1_Change();
    void Text1_KeyDown(int16_t& keyCode);
    // Index 0 closes the window; index 1 checks the name, asks, stores and closes.
    void Command1_Click(int16_t index);

    ui::Label Label3{*this, "Label3"};
    ui::ListBox List1{*this, "List1"};
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};
    ui::ComboBox Combo1{*this, "Combo1"};  // the position, list index = slot
    ui::TextBox Text1{*this, "Text1"};     // the name
    ui::Label Label1{*this, "Label1"};     // the name's length while it is too long
    ui::ProgressBar ProgressBar1{*this, "ProgressBar1"};
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    // extra: the four extra slots instead of the six normal ones.
    StoreWindow(State& s, const char* formName, bool extra);
    void Form_Load() override;

  private:
    void LayOut();
    int16_t SlotCount() const { return extra_ ? 4 : 6; }
    // Writes CurDev's program under the padded name into slot n, then its name and (normal
    // slots) the slot number; the frame with the stored mark goes last, and a slot that held
    // a program has its mark cleared first. The slot's name and status, the program's name
    // and stored mark, the running slot, the editor caption and its running program label
    // change on the PC only when every frame went through. At the first failed frame: false,
    // after a message that the slot's content on the device is incomplete, with the slot
    // listed as not stored.
    bool StoreProgramToDevice(int16_t n, std::string& name);
    // The PC holds slot (0..9) as stored.
    bool StoredSlot(int16_t slot) const;
    // "0" (extra "E0") and n + 1: how the slot is named to the user.
    std::string SlotLabel(int16_t n) const;

    State& s_;
    bool extra_;
    std::string title_;
    ui::NameKeyFilter keys_;
};
