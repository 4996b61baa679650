// A device in the project with its link open and its handshake made, for the transaction
// tests: RxBuf can be poisoned to see whether an exchange touched it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "devsim/Device.h"
#include "project/Connect.h"
#include "support/DeviceTest.h"

class ProtocolTest : public testsupport::DeviceTest {
  protected:
    using Bytes = std::vector<uint8_t>;

    // Starts the devices with options, time-outs cut to a tenth; the slot opened.
    int16_t Open(const testsupport::DeviceOptions& options = {}) {
        Start(options);
        H().ShortenTimeouts(0.1);
        const int16_t slot = H().AddDevice();
        EXPECT_TRUE(ModProject::OpenDeviceLink(S(), slot));
        return slot;
    }
    Bytes RxReply() { return Bytes(S().RxBuf.begin(), S().RxBuf.begin() + 13); }
    void Poison() { std::fill(S().RxBuf.begin(), S().RxBuf.begin() + 13, uint8_t{0x5A}); }
    bool Poisoned() { return RxReply() == Bytes(13, 0x5A); }
};
