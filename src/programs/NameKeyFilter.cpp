#include "programs/NameKeyFilter.h"

#include "ui/Host.h"
#include "ui/TextBox.h"

namespace ModProg {

void NameKeyFilter::KeyDown(ui::Host& host, ui::TextBox& box, int16_t& keyCode) {
    refused_ = keyCode < 0 || keyCode > 127;
    if (!refused_) return;
    host.MsgBox("Symbol not admited", ui::vbOKOnly + ui::vbInformation, "Warning");
    keyCode = 0;
    const std::string& text = box.Text();
    if (!text.empty()) box.SetText(text.substr(0, text.size() - 1));
}

void NameKeyFilter::KeyPress(int16_t& key) {
    if (refused_) key = 0;
    refused_ = false;
}

}  // namespace ModProg
