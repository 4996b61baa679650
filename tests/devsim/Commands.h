// The device's command set: what each command code does to the device and what it answers.
#pragma once

#include <cstdint>

#include "devsim/DeviceState.h"
#include "devsim/Frame.h"

namespace devsim {

enum Code : uint8_t {
    kCheckDevice = 0x00,
    kChannelBlock = 0x01,
    kOutDelay = 0x02,
    kOutCompressor = 0x03,
    kOutXover = 0x04,
    kEqBand = 0x05,
    kFeedbackFreq = 0x06,
    kOutLimiter = 0x07,
    kMixPoint = 0x08,
    kInputSource = 0x0D,
    kReadMem = 0x0E,
    kDisconnect = 0x0F,
    kReadByte = 0x10,
    kWriteByte = 0x11,
    kPollStatus = 0x12,
    kPhantomPower = 0x14,
    kInputOption = 0x15,
    kMasterLevel = 0x16,
    kWriteMem4 = 0x18,
    kReadIp = 0x19,
    kSwitchMask = 0x1A,
    kRecallProgram = 0x1B,
    kSetNetConfig = 0x1C,
    kInputProcType = 0x1D,
    kBulkUpdate = 0x1E,
    kInputBalanced = 0x1F,
    kReadName = 0x28,
    kExtPriority = 0x29,  // carries the priority choice
    kReadDevState = 0x2A,
    kExtActiveMode = 0x2C,  // carries the active-high/low choice
    kExtSignalEnable = 0x2D,
    kGain = 0x34,
    kPollMeterA = 0x37,
    kPollGainReduction = 0x38,
    kReadVersion = 0x39,
    kWallPanelMode = 0x3C,
    kSelectSwitchPreset = 0x3D,
    kLinkSwitchPreset = 0x3E,
    kInputFilter = 0x4A,
    kFrontPanelLock = 0x4B,
    kPollLevelsIn = 0x55,
    kPollLevelsOut = 0x56,
    kNoiseGate = 0x60,
    kAutoMixerActive = 0x61,
    kAutoMixerMode = 0x62,
    kAutoMixerByte = 0x64,
    kPriorityMask = 0x66,
    kDuckerParamA = 0x67,
    kDuckerParamB = 0x68,
    kDuckerParamC = 0x69,
    kSilent = 0x80,
    kCloseSerial = 0x8F,
    kCloseTcp = 0x9F,
    kReadUid = 0xB1,
    kReadMac = 0xB2,
};

// True for the codes a device never answers on a serial link.
bool IsSendOnlyOnSerial(uint8_t code);

// Carries out one request and returns the 13-byte reply. A command that sets something answers
// with the request itself; a command that reports something answers with the request's first
// four bytes, the bytes it reports and zeros in the other data bytes. Unknown codes and
// out-of-range channels change nothing and are answered like a setting.
Frame Execute(DeviceState& state, const Frame& request);

}  // namespace devsim
