// The real program, started offscreen with a fresh application folder and a simulated device
// on loopback: it adds the device by its IP address, connects it, pictures its main window
// and exits, saving its state and closing the device's session. Started again with devices
// in its state files, it shows them inside its main window and exits without more questions.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "Program.h"
#include "devsim/Device.h"
#include "devsim/TcpServer.h"
#include "model/DeviceRecord.h"
#include "model/RecordFile.h"
#include "protocol/Commands.h"
#include "support/TempDir.h"
#include "sys/Sleep.h"

extern char** environ;

namespace {

constexpr int kRunLimitMs = 90000;

// Runs the program with the extra environment; its exit code, or -1 when it did not end in
// time (it is killed then).
int RunProgram(const std::vector<std::string>& env, int limitMs = kRunLimitMs) {
    std::vector<std::string> all = env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        const bool replaced = std::any_of(env.begin(), env.end(), [&](const std::string& v) {
            return v.compare(0, name.size() + 1, name + "=") == 0;
        });
        if (!replaced) all.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& v : all) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string exe = VX_VELOTRIX_EXE;
    char* argv[] = {exe.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return -2;
    for (int waited = 0; waited < limitMs; waited += 50) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
        }
        sys::Sleep(50);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

// Pixels of the pure red that the status window's "Disconnect" is written in.
int RedPixels(const QImage& image) {
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++red;
        }
    }
    return red;
}

TEST(Executable, AddsConnectsPicturesAndSavesTheDevice) {
    testsupport::TempDir home;
    devsim::Device device;
    device.SetName("Velotrix Stage");
    const std::string address = "127.78.0.2";
    devsim::TcpServer server(device, address, 0);
    ASSERT_TRUE(server.Ok()) << server.Error();
    apptest::WriteFile(home.File("init.cfg"), apptest::InitCfgBytes(0, 2));
    std::filesystem::create_directories(VX_SCREENSHOT_DIR);
    const std::string shot = std::string(VX_SCREENSHOT_DIR) + "/main-window-online.png";
    std::filesystem::remove(shot);

    const int rc = RunProgram({
        "QT_QPA_PLATFORM=offscreen",
        "VELOTRIX_HOME=" + home.Path(),
        "XDG_RUNTIME_DIR=" + home.Path(),
        "VELOTRIX_TCP_PORT=" + std::to_string(server.Port()),
        "VELOTRIX_SCRIPT=add-ip " + address + "; connect 0; wait 1500; shot " + shot + "; exit",
    });
    ASSERT_EQ(rc, 0);

    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull()) << shot;
    EXPECT_GE(image.width(), 640);
    EXPECT_GE(image.height(), 400);
    EXPECT_GT(RedPixels(image), 20) << "the status window shows the device online";

    std::vector<uint8_t> list;
    ASSERT_EQ(model::ReadFileHead(home.File("start.ini"), SIZE_MAX, list), model::FileRead::Read);
    ASSERT_EQ(list.size(), 65u * 128u);
    model::DeviceRecord rec;
    ASSERT_EQ(model::ReadDeviceRecord(model::RecordSlot(list, 0), rec),
              model::DeviceRecordFault::None);
    EXPECT_EQ(rec.IpText, address);
    EXPECT_EQ(rec.Used, -1);
    EXPECT_EQ(rec.Online, 1);
    EXPECT_EQ(rec.NickName.substr(0, 14), "Velotrix Stage");

    std::vector<uint8_t> images;
    ASSERT_EQ(model::ReadFileHead(home.File("startBf.ini"), SIZE_MAX, images),
              model::FileRead::Read);
    ASSERT_EQ(images.size(), 65u * 1763u);
    const std::vector<uint8_t> memory = device.Read(64, 912);
    EXPECT_TRUE(std::equal(memory.begin(), memory.end(), images.begin()));

    const std::vector<devsim::LoggedFrame> log = device.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().request[devsim::kCodePos], CmdCheckDevice);
    EXPECT_EQ(log.back().request[devsim::kCodePos], CmdCloseTcp);
}

TEST(Executable, RestartsWithItsDevicesInsideTheMainWindowAndExitsOnYes) {
    testsupport::TempDir home;
    apptest::WriteFile(home.File("init.cfg"), apptest::InitCfgBytes(0, 2));
    model::PerSlot<model::DeviceRecord> list;
    list.fill(apptest::ZeroRecord());
    list[2] = apptest::TcpRecord(127, 78, 1, 2);
    list[5] = apptest::TcpRecord(127, 78, 1, 5);
    list[5].WinLeft = 3490;
    list[5].WinTop = 705;
    apptest::WriteFile(home.File("start.ini"), apptest::StartIniBytes(list));
    std::filesystem::create_directories(VX_SCREENSHOT_DIR);
    const std::string shot = std::string(VX_SCREENSHOT_DIR) + "/main-window-restored.png";
    const std::string editing = std::string(VX_SCREENSHOT_DIR) + "/main-window-editor.png";
    std::filesystem::remove(shot);
    std::filesystem::remove(editing);
    // A screen of 1280 x 1024 pixels (the offscreen platform's own is 800 x 600).
    const std::string screen = home.File("screen.json");
    const std::string json = R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1280,)"
                             R"( "height": 1024, "logicalDpi": 96, "dpr": 1}]})";
    apptest::WriteFile(screen, std::vector<uint8_t>(json.begin(), json.end()));

    // Start-up (the splash stays 2 s), a few steps, and the exit: nothing is connected, so
    // there is no closing pause. A question left open would keep the program running.
    constexpr int kStartAndExitMs = 2000 + 3000 + 15000;
    const int rc = RunProgram(
        {
            "QT_QPA_PLATFORM=offscreen:configfile=" + screen,
            "VELOTRIX_HOME=" + home.Path(),
            "XDG_RUNTIME_DIR=" + home.Path(),
            "VELOTRIX_SCRIPT=subwindows 2; shot " + shot + "; edit 5; wait 500; shot " + editing +
                "; exit",
        },
        kStartAndExitMs);
    ASSERT_EQ(rc, 0) << "3: a status window is not a subwindow; -1: the exit did not end";

    const QImage image(QString::fromStdString(shot));
    ASSERT_FALSE(image.isNull()) << shot;
    EXPECT_GE(image.width(), 1057) << "an editor window fits in the main window";
    EXPECT_FALSE(QImage(QString::fromStdString(editing)).isNull()) << editing;

    std::vector<uint8_t> saved;
    ASSERT_EQ(model::ReadFileHead(home.File("start.ini"), SIZE_MAX, saved), model::FileRead::Read);
    ASSERT_EQ(saved.size(), 65u * 128u);
    for (int slot : {2, 5}) {
        model::DeviceRecord rec;
        ASSERT_EQ(model::ReadDeviceRecord(model::RecordSlot(saved, slot), rec),
                  model::DeviceRecordFault::None);
        EXPECT_EQ(rec.Used, -1) << slot;
        EXPECT_EQ(rec.Online, 0) << slot;
        EXPECT_EQ(rec.WinLeft, list[slot].WinLeft) << slot;
        EXPECT_EQ(rec.WinTop, list[slot].WinTop) << slot;
    }
}

TEST(Executable, AStepThatCannotRunEndsWithCodeThree) {
    for (const char* script : {"wait soon", "connect", "add-ip 10.0.x.1", "connect 99999999999",
                               "subwindows 1", "edit 7"}) {
        testsupport::TempDir home;
        const int rc = RunProgram({
            "QT_QPA_PLATFORM=offscreen",
            "VELOTRIX_HOME=" + home.Path(),
            "XDG_RUNTIME_DIR=" + home.Path(),
            std::string("VELOTRIX_SCRIPT=") + script,
        });
        EXPECT_EQ(rc, 3) << script;
    }
}

}  // namespace
