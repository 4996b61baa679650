// The options of velotrix-devsim, and the program itself serving until it is stopped.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <thread>

#include "devsim/Commands.h"
#include "devsim/Options.h"
#include "devsim/RawClient.h"

extern char** environ;

namespace devsim {
namespace {

bool Parse(std::vector<std::string> args, Options& options, const char* envPort = nullptr) {
    std::string error;
    return ParseOptions(args, envPort, options, error);
}

TEST(Options, PortFromTheOptionThenTheEnvironmentThenTheDefaultAndSerialLinks) {
    Options a, b, c;
    ASSERT_TRUE(Parse({"--tcp", "127.0.0.2"}, a));
    EXPECT_EQ(a.tcpPort, 1001);
    ASSERT_TRUE(Parse({"--tcp", "127.0.0.2"}, b, "5001"));
    EXPECT_EQ(b.tcpPort, 5001);
    ASSERT_TRUE(Parse({"--tcp", "127.0.0.2", "--port", "6001", "--tcp", "127.0.0.3"}, c, "5001"));
    EXPECT_EQ(c.tcpPort, 6001);
    EXPECT_EQ(c.tcpAddresses, (std::vector<std::string>{"127.0.0.2", "127.0.0.3"}));
    // Serial links.
    Options usb, bus;
    ASSERT_TRUE(Parse({"--pty", "--paced"}, usb));
    EXPECT_TRUE(usb.pty);
    EXPECT_TRUE(usb.paced);
    EXPECT_TRUE(usb.rs485Ids.empty());
    ASSERT_TRUE(Parse({"--pty", "--rs485", "3,5"}, bus));
    EXPECT_EQ(bus.rs485Ids, (std::vector<uint8_t>{3, 5}));
}

TEST(Options, RefusesWrongInput) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {"--tcp"},
             {"--tcp", "127.0.0.2", "--port", "70000"},
             {"--tcp", "127.0.0.2", "--port", "x"},
             {"--rs485", "3,,5"},
             {"--rs485", "3,3"},
             {"--rs485", "0"},
             {"--rs485", "256"},
             {"--serial"},
         }) {
        Options options;
        EXPECT_FALSE(Parse(args, options)) << ::testing::PrintToString(args);
    }
    Options options;
    EXPECT_FALSE(Parse({"--tcp", "127.0.0.2"}, options, "port"));
    EXPECT_TRUE(Parse({"--help"}, options));
}

// Runs velotrix-devsim with VELOTRIX_TCP_PORT=0 and reads what it prints up to "serving".
class Program {
  public:
    explicit Program(std::vector<std::string> args) {
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::vector<std::string> env = {"VELOTRIX_TCP_PORT=0"};
        for (char** e = environ; *e; ++e) {
            if (std::string(*e).rfind("VELOTRIX_TCP_PORT=", 0) != 0) env.emplace_back(*e);
        }
        args.insert(args.begin(), VELOTRIX_DEVSIM_EXE);
        std::vector<char*> argv, envp;
        for (auto& a : args) argv.push_back(a.data());
        for (auto& e : env) envp.push_back(e.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        output_ = ReadUntilServing(out[0]);
        close(out[0]);
    }
    ~Program() {
        if (pid_ > 0 && !stopped_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Output() const { return output_; }

    // Sends SIGTERM; the exit status when the program ends within five seconds, else -1.
    int Stop() {
        kill(pid_, SIGTERM);
        for (int k = 0; k < 500; ++k) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                stopped_ = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

  private:
    static std::string ReadUntilServing(int fd) {
        std::string text;
        char buffer[256];
        pollfd p{fd, POLLIN, 0};
        while (text.find("serving") == std::string::npos && poll(&p, 1, 5000) > 0) {
            const ssize_t n = read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            text.append(buffer, static_cast<size_t>(n));
        }
        return text;
    }

    pid_t pid_ = -1;
    bool stopped_ = false;
    std::string output_;
};

TEST(Program, ServesTcpUntilStopped) {
    Program program({"--tcp", "127.0.0.6"});
    std::smatch m;
    ASSERT_TRUE(std::regex_search(program.Output(), m, std::regex(R"(tcp 127\.0\.0\.6:(\d+))")))
        << program.Output();
    test::TcpClient client("127.0.0.6", static_cast<uint16_t>(std::stoi(m[1])));
    const auto hello = client.Exchange(0, kCheckDevice);
    ASSERT_TRUE(hello.has_value());
    EXPECT_EQ(hello->at(4), 0x46);
    const auto ip = client.Exchange(0, kReadIp);
    ASSERT_TRUE(ip.has_value());
    EXPECT_EQ(ip->at(7), 6);  // the device reports the address it serves on
    EXPECT_EQ(program.Stop(), 0);
}

TEST(Program, ServesAnRs485BusOnAPseudoTerminalUntilStopped) {
    Program program({"--pty", "--rs485", "3,5"});
    std::smatch m;
    ASSERT_TRUE(std::regex_search(program.Output(), m, std::regex(R"(pty (\S+) rs485 3,5)")))
        << program.Output();
    test::PtyClient client(m[1]);
    for (uint8_t id : {3, 5}) {
        const auto reply = client.Exchange(id, kReadIp);
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(reply->at(8), id);
    }
    EXPECT_FALSE(client.Exchange(MakeFrame(4, kReadIp), 200).has_value());
    EXPECT_EQ(program.Stop(), 0);
}

TEST(Program, RefusesAnAddressOutsideLoopback) {
    Program program({"--tcp", "0.0.0.0"});
    EXPECT_EQ(program.Output().find("tcp 0.0.0.0"), std::string::npos);
}

}  // namespace
}  // namespace devsim
