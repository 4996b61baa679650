// A connect over loopback TCP to a peer that answers each request from the fuzz input: mostly
// well-formed replies with arbitrary data, now and then raw bytes, a spoiled frame byte or no
// reply at all. Whatever comes back, a connect either reads the device or leaves the slot's
// image as it was.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/Wiring.h"
#include "project/Connect.h"
#include "project/DeviceList.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

using Frame = std::array<uint8_t, 13>;

bool ReadAll(int fd, uint8_t* out, size_t n) {
    size_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(fd, out + done, n - done);
        if (got <= 0) return false;
        done += static_cast<size_t>(got);
    }
    return true;
}

// The device side: one connection at a time, each request answered from the script that was
// current when the connection was accepted.
class ScriptedPeer {
  public:
    ScriptedPeer() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof at;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&at), len) != 0 ||
            ::listen(listener_, 4) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &len) != 0) {
            std::abort();
        }
        port_ = ntohs(at.sin_port);
        std::thread([this] { Serve(); }).detach();
    }
    uint16_t Port() const { return port_; }
    void SetScript(std::vector<uint8_t> script) {
        std::lock_guard<std::mutex> lock(mutex_);
        script_ = std::move(script);
    }

  private:
    void Serve() {
        for (;;) {
            const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) continue;
            std::vector<uint8_t> script;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                script = script_;
            }
            Answer(fd, script);
            ::close(fd);
        }
    }
    // Per request a control byte and eight data bytes: below 0xE0 a reply with that data,
    // 0xE0..0xEF thirteen raw bytes, 0xF0..0xF7 a reply with one frame byte spoiled, above
    // that no reply. The connection closes when the script runs out.
    static void Answer(int fd, const std::vector<uint8_t>& script) {
        size_t at = 0;
        Frame request{};
        while (at < script.size() && ReadAll(fd, request.data(), request.size())) {
            const uint8_t control = script[at++];
            Frame reply = request;
            for (size_t k = 4; k < 12; ++k) reply[k] = at < script.size() ? script[at++] : 0;
            if (control >= 0xF8) continue;
            if (control >= 0xF0) {
                const size_t spoiled[] = {0, 1, 3, 12};
                reply[spoiled[control & 3]] ^= static_cast<uint8_t>(1u << (control & 7));
            } else if (control >= 0xE0) {
                for (size_t k = 0; k < reply.size(); ++k) {
                    reply[k] = at < script.size() ? script[at++] : 0;
                }
            }
            if (::write(fd, reply.data(), reply.size()) != static_cast<ssize_t>(reply.size())) {
                return;
            }
        }
    }

    int listener_ = -1;
    uint16_t port_ = 0;
    std::mutex mutex_;
    std::vector<uint8_t> script_;
};

struct Fixture {
    static constexpr int16_t kSlot = 2;

    Fixture() {
        setenv("VELOTRIX_TCP_PORT", std::to_string(peer.Port()).c_str(), 1);
        State& s = *state;
        if (s.SerialLink.Init(13, 32) != 0 || s.TcpLink.Init(65) != 0) std::abort();
        s.TcpLink.SetTimeoutScale(0.002);
        s.LinkType = 2;
        s.InitCfg.LinkType = 2;
        s.NewDevIp = {127, 0, 0, 1};
        ModConfig::InsertDevice(s, kSlot);
    }

    ScriptedPeer peer;
    ui::HeadlessHost host;
    std::unique_ptr<State> state = NewState(host);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Fixture f;
    State& s = *f.state;
    f.peer.SetScript(std::vector<uint8_t>(data, data + size));
    s.DevList[Fixture::kSlot].Online = 0;
    const model::DevImageRecord before = s.DevImage[Fixture::kSlot];
    ModProject::ConnectDevice(s, Fixture::kSlot);
    if (s.DevConnErr[Fixture::kSlot] && !(s.DevImage[Fixture::kSlot] == before)) std::abort();
    f.host.TakeMessages();
    return 0;
}
