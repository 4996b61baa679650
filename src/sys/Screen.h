// Screen facts that the start-up checks and the graph scale use.
#pragma once

namespace sys {

struct ScreenMetrics {
    int WidthPx = 1920;
    int HeightPx = 1080;
    double DpiX = 96.0;
};

// Twips per pixel at 96 dots per inch, the scale every window geometry is kept in.
constexpr int kTwipsPerPixel = 15;

// The screen scale factor of the start-up code: 72 / dpi / 0.75 (1.0 at 96 dpi).
inline double DpiScaleOf(double dpiX) {
    return 72.0 / dpiX / 0.75;
}

}  // namespace sys
