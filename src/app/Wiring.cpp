#include "app/Wiring.h"

#include "app/FrmVersion.h"
#include "processing/ProcessingDialogs.h"
#include "programs/ProgramDialogs.h"
#include "project/ProjectWiring.h"
#include "state/State.h"

std::unique_ptr<State> NewState(ui::Host& host) {
    auto s = std::make_unique<State>(host);
    ModProject::WireProject(*s);
    processing::RegisterEditorDialogs(*s);
    ModProg::RegisterEditorDialogs(*s);
    s->SetEditorDialog(EditorDialog::Version, ShowModalDialog<FrmVersion>);
    return s;
}
