// The device's command set: every code the program sends (frame byte 3) and how long a
// transaction waits for the reply to it. The data layout of each code is documented here;
// the senders fill the bytes.
#pragma once

#include <cstdint>

// Presence check and handshake when connecting; a device answers with reply byte 4 = 0x46.
// Sent with all data 0 through TxCommand7, with d1 = 1 right after a TCP connection opened.
inline constexpr uint8_t CmdCheckDevice = 0x00;
// One channel's state group: d0 channel 0..15, d3 level low byte, d4 level-bypass bits,
// d5 mute bits, d6 polarity bits (of the channel's group), d7 level high byte.
inline constexpr uint8_t CmdChannelBlock = 0x01;
// d0 output channel 8..15, d4 delay switch bits of all outputs, d5..d7 the three delay bytes.
inline constexpr uint8_t CmdOutDelay = 0x02;
// d0 output channel, d1 sub-code (0 switch/threshold/ratio/knee, 1 attack, 2 release),
// d2 compressor switch bits, d3..d7 threshold, ratio, knee, attack, release.
inline constexpr uint8_t CmdOutCompressor = 0x03;
// d0 output channel, d1 0 high-pass / 1 low-pass, d5..d7 the filter's three image bytes.
inline constexpr uint8_t CmdOutXover = 0x04;
// d0 channel, d1 band, d2 the channel's band-bypass flags, d3..d7 the band record.
inline constexpr uint8_t CmdEqBand = 0x05;
// d7 feedback-suppressor deviation frequency step 0..12.
inline constexpr uint8_t CmdFeedbackFreq = 0x06;
// d0 output channel, d4 limiter switch bits, d5..d7 release, attack, threshold.
inline constexpr uint8_t CmdOutLimiter = 0x07;
// One routing crosspoint: d0 output channel, d6 input 0..7, d7 crosspoint byte.
inline constexpr uint8_t CmdMixPoint = 0x08;
// d0 input, d7 Mic/Line source bits of all inputs.
inline constexpr uint8_t CmdInputSource = 0x0D;
// Reads 8 bytes of device memory: d0, d1 address high, low; d2 = 8. Reply bytes 4..11.
inline constexpr uint8_t CmdReadMem = 0x0E;
// Ends the remote session with a device (disconnect, delete device); all data 0.
inline constexpr uint8_t CmdDisconnect = 0x0F;
// Reads one byte of device memory: d0, d1 address high, low. Reply byte 8.
inline constexpr uint8_t CmdReadByte = 0x10;
// Writes one byte of device memory: d0, d1 address high, low; d4 the value.
inline constexpr uint8_t CmdWriteByte = 0x11;
// Meter timer's status poll; reply bytes 5..8 one bit per channel.
inline constexpr uint8_t CmdPollStatus = 0x12;
// d7 phantom power 0 off, 1 on.
inline constexpr uint8_t CmdPhantomPower = 0x14;
// d0 input, d7 feedback-suppressor bits of all inputs.
inline constexpr uint8_t CmdInputOption = 0x15;
// d0 0 inputs / 8 outputs, d6, d7 the master level's high and low byte.
inline constexpr uint8_t CmdMasterLevel = 0x16;
// Writes 4 bytes of device memory: d0, d1 address high, low; d2..d5 the bytes.
inline constexpr uint8_t CmdWriteMem4 = 0x18;
// Network settings: reply bytes 4..7 IP octets, byte 8 RS485 ID.
inline constexpr uint8_t CmdReadIp = 0x19;
// d7 switch-output mask of the current switch preset.
inline constexpr uint8_t CmdSwitchMask = 0x1A;
// Recalls program slot d0 (0..9) into the working program.
inline constexpr uint8_t CmdRecallProgram = 0x1B;
// RS485 ID and IP configuration (a sequence of four requests, see the ID and IP dialog).
inline constexpr uint8_t CmdSetNetConfig = 0x1C;
// d0 input, d7 processing-type bits of all inputs.
inline constexpr uint8_t CmdInputProcType = 0x1D;
// Bracket around a multi-frame update: d0 = 0 before, 1 after.
inline constexpr uint8_t CmdBulkUpdate = 0x1E;
// d0 input, d7 balanced bits of all inputs.
inline constexpr uint8_t CmdInputBalanced = 0x1F;
// Reads 8 characters of the device name: d1 character offset 0 or 8. Reply bytes 4..11.
inline constexpr uint8_t CmdReadName = 0x28;
// d7 external-signal priority 0..7.
inline constexpr uint8_t CmdExtPriority = 0x29;
// External-signal state: reply byte 9 external input lines, byte 11 signal index.
inline constexpr uint8_t CmdReadDevState = 0x2A;
// d7 external input line active level: 0 high, 1 low.
inline constexpr uint8_t CmdExtSignalMode = 0x2C;
// d7 enable mask of the four external input signals.
inline constexpr uint8_t CmdExtSignalEnable = 0x2D;
// Level of one channel: d0 channel, d3 level low byte, d7 level high byte.
inline constexpr uint8_t CmdGain = 0x34;
// Dynamics editor polls: reply byte 4 + output index.
inline constexpr uint8_t CmdPollMeterA = 0x37;
inline constexpr uint8_t CmdPollGainReduction = 0x38;
// Identity: reply bytes 4..6 firmware, 7..9 DSP version, 11 model. Also the presence probe
// of the searches (COM probe: d7 = 1, answered with byte 10 = 0x46).
inline constexpr uint8_t CmdReadVersion = 0x39;
// d0 wall panel mode 0 manual, 1 automatic.
inline constexpr uint8_t CmdWallPanelMode = 0x3C;
// d7 switch preset index 0..9.
inline constexpr uint8_t CmdSelectSwitchPreset = 0x3D;
// d7 switch presets follow the program: 0 off, 1 on.
inline constexpr uint8_t CmdLinkSwitchPreset = 0x3E;
// d0 input, d7 filter byte (type * 64 + frequency index).
inline constexpr uint8_t CmdInputFilter = 0x4A;
// d7 front panel 0 unlocked, 1 locked.
inline constexpr uint8_t CmdFrontPanelLock = 0x4B;
// Level polls: reply bytes 4..11 the levels of inputs or outputs 1..8.
inline constexpr uint8_t CmdPollLevelsIn = 0x55;
inline constexpr uint8_t CmdPollLevelsOut = 0x56;
// d0 input, d4 gate enable bits, d5..d7 threshold, attack, release.
inline constexpr uint8_t CmdNoiseGate = 0x60;
// d7 automatic mixer 0 off, 1 on.
inline constexpr uint8_t CmdAutoMixerActive = 0x61;
// d7 automatic mixer mode; the sender pauses 50 ms after a success.
inline constexpr uint8_t CmdAutoMixerMode = 0x62;
// d5, d6, d7 = image bytes 895, 893, 894.
inline constexpr uint8_t CmdAutoMixerByte = 0x64;
// d7 ducker priority input mask.
inline constexpr uint8_t CmdPriorityMask = 0x66;
// Ducker: d7 hold; d6, d7 release and attack; d5 attenuation, d6 gating threshold.
inline constexpr uint8_t CmdDuckerParamA = 0x67;
inline constexpr uint8_t CmdDuckerParamB = 0x68;
inline constexpr uint8_t CmdDuckerParamC = 0x69;
// Send-only code of the transport; nothing in the program sends it.
inline constexpr uint8_t CmdSilent = 0x80;
// Closing message to a serial device at exit (send-only on serial).
inline constexpr uint8_t CmdCloseSerial = 0x8F;
// Closing message to a TCP device at exit.
inline constexpr uint8_t CmdCloseTcp = 0x9F;
// Unique identifier, two halves: d0 = 0, then d0 = 1; reply bytes 5..10 each.
inline constexpr uint8_t CmdReadUid = 0xB1;
// MAC address: reply bytes 4..9.
inline constexpr uint8_t CmdReadMac = 0xB2;

// Link types 0 (USB) and 1 (RS485) use the serial link; any other value is TCP/IP.
constexpr bool IsSerialLink(int16_t linkType) {
    return linkType == 0 || linkType == 1;
}

// How long a transaction waits, by code and link.
enum class WaitClass : uint8_t {
    Default,    // 3000 ms, reply awaited
    Long,       // 10000 ms: memory read (serial only), disconnect, program recall
    Handshake,  // serial presence check: 400 ms (TxCommand), 250 ms (TxCommand7)
    SendOnly,   // serial 0x80 and 0x8F: written, no reply awaited
};

WaitClass WaitClassOf(uint8_t cmd, int16_t linkType);

// What a transaction hands to the link for one code.
struct TxWait {
    int32_t timeoutMs;
    bool noReply;   // send-only: no reply is read
    int32_t count;  // the serial library's count argument
};

TxWait TxCommandWait(uint8_t cmd, int16_t linkType);
TxWait TxCommand7Wait(uint8_t cmd, int16_t linkType);
