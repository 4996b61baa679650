// The dialog's transfer curves, in twips of the picture (origin top left, -40..+40 dBu on
// both axes), and its gain-reduction meters.
#include <algorithm>
#include <cmath>
#include <vector>

#include "processing/FrmLimiter.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace {

constexpr float kTwipsPerPixel = 15.0f;
constexpr ui::Color kGrid = 0xE0E0E0;
constexpr ui::Color kAxis = 0xA0A0A0;
// The first pass runs this far past the right edge, so the upper end of a knee region that
// lies outside the picture is found all the same.
constexpr int kBeyondEdge = 2000;
constexpr int kMeterIdle = 120;

float Px(double twips) {
    return static_cast<float>(twips) / kTwipsPerPixel;
}

ui::Twips Tw(double twips) {
    return static_cast<ui::Twips>(std::lround(twips));
}

}  // namespace

void FrmLimiter::PaintGrid(ui::PictureBox& picture) {
    for (int db = -30; db <= 30; db += 10) {
        const ui::Color c = db == 0 ? kAxis : kGrid;
        const double x = MidX + db * DbStepX;
        const double y = MidY - db * DbStepY;
        picture.Line(Px(x), 0, Px(x), Px(PicH), c);
        picture.Line(0, Px(y), Px(PicW), Px(y), c);
    }
}

void FrmLimiter::LoadLineThr(double& threshold) {
    if (threshold >= 18) threshold = 40;
    const double x = MidX + threshold * DbStepX;
    const double y = MidY - threshold * DbStepY;
    Line1.SetPoints(0, Tw(PicH), Tw(x), Tw(y));
    Line2.SetPoints(Tw(x), Tw(y), Tw(PicW), Tw(y));
}

void FrmLimiter::LoadLineCmp(double& threshold, double& ratio, double& knee) {
    Picture2.Cls();
    Line3.SetVisible(false);
    Line4.SetVisible(false);
    if (threshold >= 18) threshold = 40;
    knee = std::min(knee + 1, 100.0);
    if (threshold == 40) knee = 0;
    Picture2.Cls();
    PaintGrid(Picture2);

    const double t = threshold;
    const double r = std::max(ratio, 1.0);
    const double k = knee / 100;
    const int width = static_cast<int>(PicW);
    const double loX = sys::Round(MidX + DbStepX * (t - 6 * k));
    const double hiX = sys::Round(MidX + DbStepX * (t + 6 * k));
    std::vector<double> curveY(static_cast<size_t>(width + kBeyondEdge + 1));
    int xLo = 0, xHi = 0;
    double yLo = 0, yHi = 0;
    for (int x = 0; x <= width + kBeyondEdge; ++x) {
        const double level = sys::Int(((80 / PicW) * x - 40) * 100) / 100;
        double y = 0;
        if (level <= t) {
            y = MidY - level * DbStepY;
            if (x == loX) {
                xLo = x;
                yLo = y;
            }
        } else {
            y = MidY - DbStepY * (t + (level - t) / r);
            if (x == hiX) {
                xHi = x;
                yHi = y;
            }
        }
        curveY[static_cast<size_t>(x)] = y;
        if (x <= width) Picture2.PSet(Px(x), Px(y), ui::vbRed);
    }
    for (int x = 0; x <= width; ++x) {
        if (x >= xLo && x < xHi) {
            Picture2.Line(Px(xLo), Px(yLo), Px(xHi), Px(yHi), ui::vbBlue);
            x = xHi;
        }
        Picture2.PSet(Px(x), Px(curveY[static_cast<size_t>(x)]), ui::vbBlue);
    }
}

void FrmLimiter::ShowMeter(ui::Label& bar, ui::Label& value, int v) {
    v = std::clamp(v, 0, kMeterIdle);
    bar.SetHeight((kMeterIdle - v) * 24 + 15);
    value.SetCaption(sys::NumText(60 - v / 2.0, s_.DecimalComma != 0));
}

void FrmLimiter::Timer1_Timer() {
    const bool limiter = MeterPhase == 0;
    MeterPhase = limiter ? 1 : 0;
    const int16_t dev = s_.CurDev;
    s_.TxFailed = false;
    const bool answered = ModRxTx::TxQuery(s_, dev, limiter ? CmdPollMeterA : CmdPollGainReduction);
    if (s_.TxFailed) return;
    int v = kMeterIdle;
    if (s_.DevList[dev].Online != 0) {
        // Without an exchange (communication held) the buffer holds an older reply.
        if (!answered) {
            Timer1.SetInterval(500);
            return;
        }
        v = s_.RxBuf[static_cast<size_t>(s_.LimOutCh + 4)];
    }
    if (limiter) {
        ShowMeter(Label6, Label8, v);
    } else {
        ShowMeter(Label7, Label5, v);
    }
    Timer1.SetInterval(500);
}
