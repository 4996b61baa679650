#include "protocol/Commands.h"

WaitClass WaitClassOf(uint8_t cmd, int16_t linkType) {
    if (cmd == CmdDisconnect || cmd == CmdRecallProgram) return WaitClass::Long;
    if (!IsSerialLink(linkType)) return WaitClass::Default;
    switch (cmd) {
        case CmdReadMem:
            return WaitClass::Long;
        case CmdCheckDevice:
            return WaitClass::Handshake;
        case CmdSilent:
        case CmdCloseSerial:
            return WaitClass::SendOnly;
        default:
            return WaitClass::Default;
    }
}

TxWait TxCommandWait(uint8_t cmd, int16_t linkType) {
    switch (WaitClassOf(cmd, linkType)) {
        case WaitClass::Long:
            return {10000, false, 0};
        case WaitClass::Handshake:
            return {400, false, 5};
        case WaitClass::SendOnly:
            return {500, true, 0};
        case WaitClass::Default:
            break;
    }
    return {3000, false, 0};
}

TxWait TxCommand7Wait(uint8_t cmd, int16_t linkType) {
    if (!IsSerialLink(linkType)) return TxCommandWait(cmd, linkType);
    if (cmd == CmdCheckDevice) return {250, false, 5};
    return {600, false, 1};
}
