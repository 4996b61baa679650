// Every control kind of the control layer.
#pragma once

#include "ui/Buttons.h"
#include "ui/Containers.h"
#include "ui/ControlArray.h"
#include "ui/Label.h"
#include "ui/Lists.h"
#include "ui/PictureBox.h"
#include "ui/Ranges.h"
#include "ui/Shapes.h"
#include "ui/TextBox.h"
#include "ui/Timer.h"
