#include "editor/FrmImage.h"

#include <cmath>
#include <utility>

#include "model/GraphConstants.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace {

constexpr ui::Color kBackground = ui::RGB(16, 24, 32);
constexpr ui::Color kGrid = ui::RGB(70, 80, 90);
constexpr ui::Color kAxis = ui::RGB(140, 150, 160);
constexpr ui::Color kLabel = ui::RGB(64, 64, 64);

// Row of 0 dB and 0 degrees, and the distance of the scale divisions: 10 dB at the default
// step (191 / 6 pixels) and 45 degrees (191 / 8 pixels).
constexpr double kMidRow = 95.4;
constexpr double kMagRowStep = 191.0 / 6.0;
constexpr double kPhaseRowStep = 191.0 / 8.0;

// A graph background: frequency lines at 20 Hz to 20 kHz on a logarithmic scale (decades
// brighter) and one line per scale division either side of the 0 row (brighter), so the
// lines meet the scale labels.
void DrawBackground(ui::PictureBox& p, double rowStep) {
    p.SetBackColor(kBackground);
    p.Cls();
    const float w = p.ScaleWidth();
    const float h = p.ScaleHeight();
    const double decades = std::log10(20000.0) - std::log10(20.0);
    for (int decade = 10; decade <= 10000; decade *= 10) {
        for (int k = 1; k <= 9; ++k) {
            const double f = static_cast<double>(decade) * k;
            if (f < 20.0 || f > 20000.0) continue;
            const float x =
                static_cast<float>((std::log10(f) - std::log10(20.0)) / decades) * (w - 1);
            p.Line(x, 0, x, h - 1, k == 1 || f == 20.0 || f == 20000.0 ? kAxis : kGrid);
        }
    }
    // Frequency labels along the bottom, beside the decade lines.
    p.SetForeColor(kLabel);
    for (const auto& [f, text] :
         {std::pair{100.0, "100"}, std::pair{1000.0, "1k"}, std::pair{10000.0, "10k"}}) {
        const float x = static_cast<float>((std::log10(f) - std::log10(20.0)) / decades) * (w - 1);
        p.SetCurrentXY(x + 2, h - 14);
        p.Print(text);
    }
    const auto rows = static_cast<int>(std::lround(kMidRow / rowStep));
    for (int k = -rows; k <= rows; ++k) {
        const auto y = static_cast<float>(kMidRow + rowStep * k);
        p.Line(0, y, w - 1, y, k == 0 ? kAxis : kGrid);
    }
}

}  // namespace

FrmImage::FrmImage(State& s) : ui::Form(s.host, "FrmImage"), s_(s) {
    LayOut();
}

FrmImage& FrmImageOf(State& s) {
    if (!s.ImageWin) s.ImageWin = WindowPtr<FrmImage>(std::make_unique<FrmImage>(s));
    s.ImageWin->Load();
    return *s.ImageWin;
}

void FrmImage::Form_Load() {
    s_.ImgScaleW = sys::CLng(Picture1.ScaleWidth());
    s_.ImgScaleH = sys::CLng(Picture1.ScaleHeight());
}

void FrmImage::LayOut() {
    SetCaption("FrmImage");
    const auto w = static_cast<ui::Twips>(model::GraphWidthTw);
    const auto h = static_cast<ui::Twips>(model::GraphHeightTw);
    SetClientSize(w, 2 * h);
    Picture1.Move(0, 0, w, h);
    Picture2.Move(0, h, w, h);
    DrawBackground(Picture1, kMagRowStep);
    DrawBackground(Picture2, kPhaseRowStep);
}
