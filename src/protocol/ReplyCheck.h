// What makes 13 received bytes the reply to a request: the frame's start, tag and end bytes in
// place and the request's command code echoed. Line noise, another device's frame and a late
// reply to an earlier request fail the test and count as a failed exchange.
#pragma once

#include <array>
#include <cstdint>

namespace ModRxTx {

bool IsReplyTo(const std::array<uint8_t, 13>& reply, uint8_t cmd);

}  // namespace ModRxTx
