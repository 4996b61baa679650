// Fault injection: rules that spoil or withhold the device's answers.
#pragma once

#include <cstdint>
#include <vector>

namespace devsim {

enum class FaultKind {
    NoReply,         // the request is carried out, nothing comes back
    LateReply,       // the reply comes after delayMs
    ShortReply,      // only the first `length` bytes of the reply come back
    GarbageReply,    // 13 bytes that are no frame at all (0xAA each)
    WrongCheck,      // the bytes a receiver may test are wrong: end marker, byte 4, byte 10
    DropConnection,  // the TCP connection is closed instead of answering (serial: no reply)
    WrongEnd,        // only the end marker is wrong
    WrongCode,       // the reply echoes another command code than the request's
};

struct FaultRule {
    FaultKind kind = FaultKind::NoReply;
    int code = -1;      // the command code it is for; -1 = any code
    int fromFrame = 1;  // first frame it hits, counting the frames the device received from 1
    int count = -1;     // frames it hits before it is used up; -1 = no limit
    int delayMs = 0;    // LateReply
    int length = 6;     // ShortReply
};

// What goes back for one request.
struct Answer {
    std::vector<uint8_t> bytes;  // empty: nothing
    int delayMs = 0;             // pause before the bytes are sent
    bool dropLink = false;       // close the connection instead
};

class Faults {
  public:
    void Add(const FaultRule& rule) { rules_.push_back(rule); }
    void Clear() { rules_.clear(); }
    // The first rule that hits frame `frameNumber` with this code spoils the answer.
    void Apply(int frameNumber, uint8_t code, Answer& answer);

  private:
    std::vector<FaultRule> rules_;
};

}  // namespace devsim
