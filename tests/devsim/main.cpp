// velotrix-devsim: simulated processors on loopback TCP addresses and on a pseudo-terminal, for
// trying the editor without hardware. Serves until SIGINT or SIGTERM.
#include <arpa/inet.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <list>
#include <optional>
#include <string>

#include "devsim/Bus.h"
#include "devsim/Device.h"
#include "devsim/Options.h"
#include "devsim/PtyServer.h"
#include "devsim/TcpServer.h"

namespace {

// Each unit gets its own name, MAC and UID so that the editor can tell them apart.
void Prepare(devsim::Device& device, int unit, const std::string& name) {
    device.SetName(name);
    device.Update([unit](devsim::DeviceState& s) {
        s.identity.mac[5] = static_cast<uint8_t>(unit);
        s.identity.uid[11] = static_cast<uint8_t>(unit);
    });
}

std::string IdList(const std::vector<uint8_t>& ids) {
    std::string text;
    for (uint8_t id : ids) text += (text.empty() ? "" : ",") + std::to_string(id);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    devsim::Options options;
    std::string error;
    if (!devsim::ParseOptions({argv + 1, argv + argc}, std::getenv("VELOTRIX_TCP_PORT"), options,
                              error)) {
        std::cerr << "velotrix-devsim: " << error << "\n" << devsim::kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << devsim::kUsage;
        return 0;
    }
    // Blocked here, before any thread starts, so that only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::list<devsim::Device> devices;  // declared first: the servers stop before they go
    std::list<devsim::TcpServer> tcpServers;
    devsim::Bus bus;
    std::optional<devsim::PtyServer> ptyServer;

    for (const std::string& address : options.tcpAddresses) {
        devsim::Device& device = devices.emplace_back();
        Prepare(device, static_cast<int>(devices.size()), "Sim " + address);
        device.Update([&address](devsim::DeviceState& s) {
            inet_pton(AF_INET, address.c_str(), s.identity.ip.data());
        });
        const devsim::TcpServer& server = tcpServers.emplace_back(device, address, options.tcpPort);
        if (!server.Ok()) {
            std::cerr << "velotrix-devsim: " << server.Error() << "\n";
            if (options.tcpPort < 1024) {
                std::cerr << "ports below 1024 need root: set VELOTRIX_TCP_PORT or --port\n";
            }
            return 1;
        }
        std::cout << "tcp " << address << ":" << server.Port() << "\n";
    }
    if (options.pty) {
        const bool usb = options.rs485Ids.empty();
        for (uint8_t id : usb ? std::vector<uint8_t>{0} : options.rs485Ids) {
            devsim::Device& device = devices.emplace_back();
            Prepare(device, static_cast<int>(devices.size()),
                    usb ? "Sim USB" : "Sim ID " + std::to_string(id));
            device.Update([id](devsim::DeviceState& s) { s.identity.rs485Id = id; });
            bus.Attach(id, device);
        }
        ptyServer.emplace(bus, options.paced);
        if (!ptyServer->Ok()) {
            std::cerr << "velotrix-devsim: " << ptyServer->Error() << "\n";
            return 1;
        }
        std::cout << "pty " << ptyServer->Path()
                  << (usb ? " usb" : " rs485 " + IdList(options.rs485Ids))
                  << (options.paced ? " paced" : "") << "\n";
    }
    std::cout << "serving; stop with Ctrl+C" << std::endl;
    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}
