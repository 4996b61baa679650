#include "devsim/Frame.h"

namespace devsim {

Frame MakeFrame(uint8_t address, uint8_t code, const FrameData& data) {
    Frame frame{};
    frame[0] = kFrameStart;
    frame[1] = kFrameTag;
    frame[kAddressPos] = address;
    frame[kCodePos] = code;
    for (int i = 0; i < 8; ++i) frame[kDataPos + i] = data[i];
    frame[kFrameSize - 1] = kFrameEnd;
    return frame;
}

bool HasFrameMarkers(const Frame& frame) {
    return frame[0] == kFrameStart && frame[1] == kFrameTag && frame[kFrameSize - 1] == kFrameEnd;
}

}  // namespace devsim
