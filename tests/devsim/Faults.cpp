#include "devsim/Faults.h"

#include "devsim/Frame.h"

namespace devsim {

namespace {

bool Hits(const FaultRule& rule, int frameNumber, uint8_t code) {
    return rule.count != 0 && frameNumber >= rule.fromFrame && (rule.code < 0 || rule.code == code);
}

void Spoil(const FaultRule& rule, Answer& answer) {
    auto& bytes = answer.bytes;
    switch (rule.kind) {
        case FaultKind::NoReply:
            bytes.clear();
            break;
        case FaultKind::LateReply:
            answer.delayMs = rule.delayMs;
            break;
        case FaultKind::ShortReply:
            if (static_cast<int>(bytes.size()) > rule.length) bytes.resize(rule.length);
            break;
        case FaultKind::GarbageReply:
            if (!bytes.empty()) bytes.assign(kFrameSize, 0xAA);
            break;
        case FaultKind::WrongCheck:
            if (bytes.size() == kFrameSize) {
                for (int pos : {kDataPos, 10, kFrameSize - 1}) bytes[pos] = ~bytes[pos];
            }
            break;
        case FaultKind::WrongEnd:
            if (bytes.size() == kFrameSize) bytes[kFrameSize - 1] = ~bytes[kFrameSize - 1];
            break;
        case FaultKind::WrongCode:
            if (bytes.size() == kFrameSize) bytes[kCodePos] = ~bytes[kCodePos];
            break;
        case FaultKind::DropConnection:
            bytes.clear();
            answer.dropLink = true;
            break;
    }
}

}  // namespace

void Faults::Apply(int frameNumber, uint8_t code, Answer& answer) {
    for (FaultRule& rule : rules_) {
        if (!Hits(rule, frameNumber, code)) continue;
        if (rule.count > 0) --rule.count;
        Spoil(rule, answer);
        return;
    }
}

}  // namespace devsim
