// Serves a serial link on a pseudo-terminal: the editor opens Path() as its COM port. The frames
// go to the bus, and only the addressed device answers. Optionally the line is paced at 57600
// baud 8N1 (10 bits, 173.6 us a byte, one direction at a time), so that transfer times come out
// as on a real line.
#pragma once

#include <string>
#include <thread>

#include "devsim/Bus.h"
#include "devsim/StopEvent.h"

namespace devsim {

class PtyServer {
  public:
    static constexpr std::chrono::nanoseconds kByteTime{173611};

    PtyServer(Bus& bus, bool paced);  // check Ok()
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    const std::string& Path() const { return path_; }

  private:
    bool Open();
    void Run();
    bool Reply(const Frame& request, Clock::time_point arrival);
    bool Write(const std::vector<uint8_t>& bytes);

    Bus& bus_;
    bool paced_;
    int master_ = -1;
    int slave_ = -1;  // held open so the line stays up and raw between the editor's opens
    std::string path_;
    std::string error_;
    Clock::time_point lineFree_{};  // paced: when the line is next idle
    StopEvent stop_;
    std::thread thread_;
};

}  // namespace devsim
