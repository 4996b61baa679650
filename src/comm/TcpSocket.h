// TCP client sockets: the port rule of the editor and a connect that never blocks.
#pragma once

#include <netinet/in.h>

#include <cstdint>

namespace comm {

// The device port the callers pass.
inline constexpr int32_t kDevicePort = 1001;

// The port to contact for a caller's port: VELOTRIX_TCP_PORT (1..65535) replaces the device
// port 1001, so the editor can reach a simulator run by a normal user; every other port is
// kept. 0 when the result is no valid port.
int32_t EffectiveTcpPort(int32_t port);

// Starts a non-blocking connect to addr:port. Returns the socket, or -1 when the connect
// failed at once. connected is true when it completed at once; otherwise the socket becomes
// writable when the attempt ends and ConnectSucceeded tells how.
int StartConnect(const in_addr& addr, uint16_t port, bool& connected);

// True when the attempt on fd ended in a connection.
bool ConnectSucceeded(int fd);

}  // namespace comm
