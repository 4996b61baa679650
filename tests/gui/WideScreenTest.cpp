// On a screen of 1280 x 1024 pixels (see wide-screen.json), with the device status windows
// arranged at the top left as a project restores them: each editor opens whole inside the
// main window's area, the first at its own place though a status window stands there, the
// next ones cascaded off it; Ctrl+F4 closes them, the active one first.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "app/MDIFrmMain.h"
#include "editor/FrmCtrl.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"

namespace guitest {
namespace {

class WideScreen : public MainWindowFixture {
  protected:
    QRect Frame(const ui::Form& form) const { return host.WindowOf(form)->Window()->geometry(); }
};

TEST_F(WideScreen, EditorsOpenWholeInsideTheMainWindowAndCtrlF4ClosesThem) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1280, 1024));
    std::vector<int16_t> devices = {kSlot, AddDevice(1), AddDevice(2)};
    ModProject::ArrangeDeviceWindows(*s);
    SettleEvents();
    for (int16_t slot : devices) EXPECT_EQ(Frame(FrmDeviceOf(*s, slot)).left(), 0) << slot;
    ASSERT_EQ(Frame(FrmDeviceOf(*s, kSlot)).topLeft(), QPoint(0, 0));
    const QWidget* view = host.WindowOf(*main)->MdiArea()->viewport();

    // The editors of the three devices, then of a fourth one, for which no cascaded place
    // inside the area is left.
    std::vector<FrmCtrl*> editors;
    const auto open = [&](int16_t slot) {
        ModProject::OpenSpeakerEditor(*s, slot);
        SettleEvents();
        FrmCtrl* editor = ExistingFrmCtrl(*s, slot);
        ASSERT_NE(editor, nullptr);
        editors.push_back(editor);
        const QRect frame = Frame(*editor);
        EXPECT_TRUE(view->rect().contains(frame))
            << "editor " << editors.size() << " at " << frame.x() << "," << frame.y() << ", "
            << frame.width() << "x" << frame.height() << " in " << view->width() << "x"
            << view->height();
    };
    for (int16_t slot : devices) open(slot);
    ExpectPicture(host, *main, "editors-wide-screen");
    EXPECT_EQ(Frame(*editors[0]).topLeft(), QPoint(0, 0)) << "no editor stood there";
    const QPoint step = Frame(*editors[1]).topLeft() - Frame(*editors[0]).topLeft();
    EXPECT_GT(step.x(), 0) << "the second editor is cascaded off the first";
    EXPECT_EQ(step.x(), step.y());
    EXPECT_EQ(Frame(*editors[2]).topLeft() - Frame(*editors[1]).topLeft(), step);
    devices.push_back(AddDevice(3));
    open(devices.back());

    // Ctrl+F4 closes the active editor after the question, the last one first.
    for (size_t k = editors.size(); k-- > 0;) {
        host.WindowOf(*editors[k])->Raise();
        SettleEvents();
        ASSERT_EQ(host.ActiveForm(), editors[k]);
        EXPECT_EQ(AnswerBox([&] { Press(Qt::Key_F4, Qt::ControlModifier); }, QMessageBox::Yes),
                  "            Are you sure ? ")
            << k;
        EXPECT_EQ(ExistingFrmCtrl(*s, devices[k]), nullptr) << k;
        EXPECT_EQ(s->EditorSlot[devices[k]][0], 0) << k;
    }
}

}  // namespace
}  // namespace guitest
