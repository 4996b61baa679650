// Servers stop at once, also with replies pending, and leave no descriptors behind.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "devsim/Commands.h"
#include "devsim/PtyServer.h"
#include "devsim/RawClient.h"
#include "devsim/TcpServer.h"

namespace devsim {
namespace {

int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

TEST(Shutdown, StopsWithRepliesPendingAndLeavesNoDescriptors) {
    const int before = OpenDescriptors();
    {
        Device device;
        device.AddFault({FaultKind::LateReply, kReadVersion, 1, -1, 600000});
        Bus bus;
        bus.Attach(0, device);
        auto tcp = std::make_unique<TcpServer>(device, "127.0.0.7", 0);
        auto pty = std::make_unique<PtyServer>(bus, true);
        test::TcpClient tcpClient("127.0.0.7", tcp->Port());
        test::TcpClient idleClient("127.0.0.7", tcp->Port());
        test::PtyClient ptyClient(pty->Path());
        ASSERT_TRUE(tcpClient.Send(MakeFrame(0, kReadVersion)));
        ASSERT_TRUE(ptyClient.Send(MakeFrame(0, kReadVersion)));
        for (int k = 0; k < 500 && device.FrameCount() < 2; ++k) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_EQ(device.FrameCount(), 2);
        tcp.reset();  // would hang for ten minutes if the pending replies held it
        pty.reset();
        EXPECT_TRUE(tcpClient.PeerClosed(2000));
        EXPECT_TRUE(idleClient.PeerClosed(2000));
    }
    EXPECT_EQ(OpenDescriptors(), before);
}

}  // namespace
}  // namespace devsim
