// For the serial tests: one device on a pseudo-terminal bus and a client on the line.
#pragma once

#include "devsim/PtyServer.h"
#include "devsim/RawClient.h"

namespace devsim::test {

struct PtyLink {
    explicit PtyLink(uint8_t address = 0, bool paced = false)
        : bus(BusWith(address, device)), server(bus, paced), client(server.Path()) {}

    static Bus BusWith(uint8_t address, Device& device) {
        Bus b;
        b.Attach(address, device);
        return b;
    }

    Device device;
    Bus bus;
    PtyServer server;
    PtyClient client;
};

}  // namespace devsim::test
