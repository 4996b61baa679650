#include "comm/SerialLib.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "comm/Deadline.h"
#include "comm/FdIo.h"
#include "comm/SerialPorts.h"
#include "comm/Status.h"

namespace comm {

namespace {

bool BaudConstant(int32_t baud, speed_t& speed) {
    static constexpr std::pair<int32_t, speed_t> kRates[] = {
        {1200, B1200},     {2400, B2400},     {4800, B4800},     {9600, B9600},
        {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},
        {230400, B230400}, {460800, B460800}, {921600, B921600},
    };
    for (const auto& [rate, constant] : kRates) {
        if (rate == baud) {
            speed = constant;
            return true;
        }
    }
    return false;
}

bool MakeRaw8N1(int fd, speed_t speed) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    t.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    // With VMIN 1 a non-blocking read without data fails with EAGAIN, so a read of 0 bytes
    // means hang-up only.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    if (cfsetispeed(&t, speed) != 0 || cfsetospeed(&t, speed) != 0) return false;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

SerialLib::~SerialLib() {
    Close();
}

int32_t SerialLib::Init(int32_t frameLength, int32_t highestPort) {
    if (frameLength != kFrameLength || highestPort < 1) return kBadArgument;
    highestPort_ = highestPort;
    return kOk;
}

int32_t SerialLib::Open(std::string& portName, int32_t baud) {
    Close();
    if (highestPort_ == 0) return kNotInitialised;
    speed_t speed{};
    if (!BaudConstant(baud, speed)) return kBadArgument;
    const int n = ComPortNumber(portName);
    if (n < 1 || n > highestPort_) return kNoSuchPort;
    const std::vector<std::string> paths = SerialPortPaths();
    if (static_cast<size_t>(n) > paths.size() || paths[n - 1].empty()) return kNoSuchPort;

    const int fd = open(paths[n - 1].c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? kNoSuchPort : kOpenFailed;
    // flock keeps out every other open, TIOCEXCL also those that do not lock.
    if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0 ||
        !MakeRaw8N1(fd, speed)) {
        close(fd);
        return kOpenFailed;
    }
    tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    return kOk;
}

int32_t SerialLib::Transact(std::array<uint8_t, 13>& frame, int32_t timeoutMs, bool discardStale,
                            bool noReply, int32_t /*count*/) {
    if (fd_ < 0) return kNotOpen;
    const Deadline deadline(timeoutMs, timeoutScale_);
    if (discardStale) {
        tcflush(fd_, TCIFLUSH);
        if (DrainInput(fd_) != kOk) return Fail(kLinkLost);
    }
    const Status written = WriteAll(fd_, FdKind::Tty, frame.data(), frame.size(), deadline);
    if (written != kOk) return Fail(written);
    if (noReply) return kOk;

    std::array<uint8_t, 13> reply{};
    const Status got = ReadExact(fd_, reply.data(), reply.size(), deadline);
    if (got != kOk) return Fail(got);
    frame = reply;
    return kOk;
}

int32_t SerialLib::Fail(int32_t status) {
    if (status == kLinkLost) Close();
    return status;
}

void SerialLib::Close() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

int16_t SerialLib::IsOpen() {
    if (fd_ < 0) return kFalse;
    // A hang-up (unplugged adapter, closed peer) closes the port, so the next Open can find
    // the device again.
    pollfd p{fd_, 0, 0};
    if (poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        Close();
        return kFalse;
    }
    return kTrue;
}

}  // namespace comm
