#include "protocol/ReplyCheck.h"

namespace ModRxTx {

bool IsReplyTo(const std::array<uint8_t, 13>& reply, uint8_t cmd) {
    return reply[0] == 0xF0 && reply[1] == 0x46 && reply[3] == cmd && reply[12] == 0xF7;
}

}  // namespace ModRxTx
