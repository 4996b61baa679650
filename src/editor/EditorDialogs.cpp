#include "editor/EditorDialogs.h"

#include "editor/FrmEditLabel.h"
#include "state/State.h"

void ShowEditorDialog(State& s, EditorDialog dialog, int16_t index) {
    if (dialog == EditorDialog::EditLabel) {
        FrmEditLabel names(s);
        names.ShowModal();
        return;
    }
    if (const auto& open = s.EditorDialogs[static_cast<size_t>(dialog)]) open(s, index);
}
