#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "TcpPeer.h"
#include "comm/Status.h"
#include "comm/TcpLib.h"
#include "ui/HeadlessHost.h"

namespace {

using commtest::LoopbackSocket;
using commtest::StalledListener;
using commtest::TcpPeer;
using Hosts = std::vector<std::string>;
using namespace std::chrono_literals;

// Collects the scan answers a TcpLib delivers and the thread they arrive on.
struct Answers {
    explicit Answers(comm::TcpLib& tcp) {
        tcp.ScanResponse = [this](const Hosts& found) {
            lists.push_back(found);
            onThisThread = onThisThread && std::this_thread::get_id() == testThread;
        };
    }
    std::vector<Hosts> lists;
    bool onThisThread = true;
    std::thread::id testThread = std::this_thread::get_id();
};

class TcpScanTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(tcp.Init(65), comm::kOk); }
    // Runs posted work until an answer came or a generous wait ran out.
    void AwaitAnswer() {
        for (int i = 0; i < 100 && answers.lists.empty(); ++i) host.WaitPosted(100);
    }
    // Scans and returns every answer that came.
    std::vector<Hosts> ScanAndAwait(Hosts hosts, uint16_t port, int32_t timeoutMs) {
        EXPECT_EQ(tcp.Scan(hosts, port, timeoutMs, false), comm::kOk);
        AwaitAnswer();
        return answers.lists;
    }

    ui::HeadlessHost host;
    comm::TcpLib tcp{host};
    Answers answers{tcp};
};

TEST_F(TcpScanTest, ReportsAcceptingHostsInListOrderOnTheGuiThread) {
    TcpPeer a("127.62.0.3");
    TcpPeer b("127.62.0.5", a.Port());
    Hosts hosts{"127.62.0.2", "127.62.0.3", "127.62.0.4", "127.62.0.005", "127.62.0.6"};
    EXPECT_EQ(tcp.Scan(hosts, a.Port(), 300, false), comm::kOk);
    EXPECT_TRUE(answers.lists.empty()) << "answers come only through the host";
    AwaitAnswer();
    ASSERT_EQ(answers.lists.size(), 1u);
    EXPECT_EQ(answers.lists[0], (Hosts{"127.62.0.3", "127.62.0.005"}));
    EXPECT_TRUE(answers.onThisThread);
}

TEST_F(TcpScanTest, NoAnswerGivesAnEmptyFirstElement) {
    LoopbackSocket closedPort("127.62.1.2", 0, false);
    EXPECT_EQ(ScanAndAwait({"127.62.1.2", "127.62.1.3", "not an address", "127.62.1.256"},
                           closedPort.Port(), 300),
              std::vector<Hosts>{Hosts{""}});
}

TEST_F(TcpScanTest, HostsThatNeverAnswerEndAtTheTimeOut) {
    StalledListener stalled("127.62.2.2");
    TcpPeer peer("127.62.2.3", stalled.Port());
    tcp.SetTimeoutScale(0.2);
    EXPECT_EQ(ScanAndAwait({"127.62.2.2", "127.62.2.3"}, stalled.Port(), 300),
              std::vector<Hosts>{Hosts{"127.62.2.3"}});
}

TEST_F(TcpScanTest, ANewScanSupersedesTheRunningOne) {
    StalledListener stalled("127.62.3.2");
    TcpPeer peer("127.62.3.3", stalled.Port());
    Hosts slow{"127.62.3.2"};
    EXPECT_EQ(tcp.Scan(slow, stalled.Port(), 60000, false), comm::kOk);
    ScanAndAwait({"127.62.3.3"}, stalled.Port(), 300);
    host.WaitPosted(100);
    EXPECT_EQ(answers.lists, std::vector<Hosts>{Hosts{"127.62.3.3"}});
}

TEST_F(TcpScanTest, AScanThatCannotStartStillAnswers) {
    comm::TcpLib fresh(host);
    Answers freshAnswers(fresh);
    Hosts hosts{"127.62.4.2"};
    EXPECT_EQ(fresh.Scan(hosts, 4000, 300, false), comm::kNotInitialised);
    EXPECT_EQ(tcp.Scan(hosts, 0, 300, false), comm::kBadArgument);
    for (int i = 0; i < 20 && (freshAnswers.lists.empty() || answers.lists.empty()); ++i) {
        host.WaitPosted(100);
    }
    EXPECT_EQ(freshAnswers.lists, std::vector<Hosts>{Hosts{""}});
    EXPECT_EQ(answers.lists, std::vector<Hosts>{Hosts{""}});
}

TEST_F(TcpScanTest, DestroyingTheObjectEndsTheScanWithoutAnswer) {
    StalledListener stalled("127.62.5.2");
    TcpPeer peer("127.62.5.3", stalled.Port());
    int calls = 0;
    // The second scan's answer is already posted when the object goes; it is dropped as well.
    for (const bool posted : {false, true}) {
        {
            comm::TcpLib doomed(host);
            ASSERT_EQ(doomed.Init(65), comm::kOk);
            doomed.ScanResponse = [&calls](const Hosts&) { ++calls; };
            Hosts hosts = posted ? Hosts{"127.62.5.3"} : Hosts{"127.62.5.2", "127.62.5.3"};
            EXPECT_EQ(doomed.Scan(hosts, stalled.Port(), posted ? 300 : 60000, false), comm::kOk);
            if (posted) {
                EXPECT_TRUE(host.PostArrived(5000));
            }
        }
        host.WaitPosted(200);
        EXPECT_EQ(calls, 0) << posted;
    }
}

}  // namespace
