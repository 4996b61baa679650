// The channel copy dialogs shown by the Qt front end over an open editor: their texts fit and
// pictures are saved of "Input Copy" and "Output Copy".
#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "processing/FrmCopyChannel.h"

namespace guitest {
namespace {

class CopyDialogs : public EditorFixture {};

TEST_F(CopyDialogs, InputCopyAndOutputCopy) {
    OpenEditor();
    FrmCopyInput input(*s);
    ShootDialog(host, input, "input-copy");
    FrmCopyOut output(*s);
    ShootDialog(host, output, "output-copy");
}

}  // namespace
}  // namespace guitest
