#pragma once

namespace sys {

// Blocks the calling thread for the given milliseconds (nothing for 0 or less).
void Sleep(int ms);

}  // namespace sys
