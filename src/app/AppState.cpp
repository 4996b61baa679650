#include "app/AppState.h"

#include "app/FrmImage.h"
#include "app/MDIFrmMain.h"

AppState::AppState() = default;
AppState::~AppState() = default;
