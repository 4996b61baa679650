// The one road from the program to a device: one 13-byte request frame, sent over the serial
// link (USB, RS485) or TCP/IP, and its 13-byte reply in RxBuf.
#pragma once

#include <cstdint>
#include <string>

struct State;

namespace ModRxTx {

// Sends cmd with d0..d7 to device slot dev and waits for the reply (Commands.h gives the
// time-outs). Returns True when the exchange failed; False when a reply came, when the
// code is send-only on the serial link, or when no exchange was made (the slot is offline,
// CommEnabled is False or TxBlocked is True).
//
// A failed exchange (the port does not open, no reply in time, a lost TCP connection, an
// address byte outside 0..255, 13 bytes that are no reply to the request: see ReplyCheck.h)
// sets TxFailed, leaves RxBuf as it was and returns True. On
// TCP/IP it also shows "Device @ IP:... will be disconnected" and sets the slot's Online to
// 0. While OfflineOnError is set the device is then taken offline: on the serial link the
// message " The system will be close the communication with this device", then the status
// window shows "Connect" and the offline caption, DevOffline and OpDone are set and a loaded
// editor of the slot is closed. TxReported tells whether the user saw a message.
bool TxCommand(State& s, int16_t dev, uint8_t cmd, uint8_t d0 = 0, uint8_t d1 = 0, uint8_t d2 = 0,
               uint8_t d3 = 0, uint8_t d4 = 0, uint8_t d5 = 0, uint8_t d6 = 0, uint8_t d7 = 0);

// TxCommand for a request whose reply the caller reads: True only when the exchange was
// made and its reply is in RxBuf (False also when no exchange was made at all).
bool TxQuery(State& s, int16_t dev, uint8_t cmd, uint8_t d0 = 0, uint8_t d1 = 0, uint8_t d2 = 0,
             uint8_t d3 = 0, uint8_t d4 = 0, uint8_t d5 = 0, uint8_t d6 = 0, uint8_t d7 = 0);

// The connect handshake: d6 and d7 are sent as 0, the serial port is not opened here.
// Returns True only when a reply to the request came and its byte 4 is 0x46 (such a reply is
// in RxBuf either way; bytes that are no reply leave RxBuf as it was). Never takes a device offline
// and never changes TxFailed; a TCP failure shows the TCP message.
bool TxCommand7(State& s, int16_t dev, uint8_t cmd, uint8_t d0 = 0, uint8_t d1 = 0, uint8_t d2 = 0,
                uint8_t d3 = 0, uint8_t d4 = 0, uint8_t d5 = 0);

// True when TxCommand would make an exchange with slot dev now: the slot is online, the link
// is enabled and sending is not blocked.
bool ExchangePossible(const State& s, int16_t dev);

// True when the serial link is open or has just been opened at 57600 baud.
bool OpenSerialPort(State& s, std::string& portName);

// Zeroes the reply data RxBuf[4..11] when the slot is offline, so an offline device meters
// zeros; nothing for an online one.
void ClearRxData(State& s, int16_t dev);

}  // namespace ModRxTx
