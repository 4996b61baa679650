#include "sys/Sleep.h"

#include <chrono>
#include <thread>

namespace sys {

void Sleep(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace sys
