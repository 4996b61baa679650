#include "ui/NameKeyFilter.h"

#include "ui/Host.h"

namespace ui {

void RefuseSymbol(Host& host) {
    host.MsgBox("Symbol not admited", vbOKOnly + vbInformation, "Warning");
}

void NameKeyFilter::KeyDown(Host& host, int16_t& keyCode) {
    refused_ = keyCode < 0 || keyCode > 127;
    if (!refused_) return;
    RefuseSymbol(host);
    keyCode = 0;
}

bool NameKeyFilter::KeyPress(int16_t& key) {
    const bool refused = refused_;
    refused_ = false;
    if (refused) key = 0;
    return refused;
}

}  // namespace ui
