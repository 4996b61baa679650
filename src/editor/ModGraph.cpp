#include "editor/ModGraph.h"

#include <algorithm>
#include <array>

#include "editor/FrmCtrl.h"
#include "editor/FrmImage.h"
#include "editor/OutputResponse.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace editor {

ui::Color CurveColor(int16_t c) {
    static constexpr std::array<ui::Color, 8> kColors = {
        ui::RGB(255, 0, 0),   ui::RGB(0, 0, 255), ui::RGB(255, 0, 255), ui::RGB(192, 0, 0),
        ui::RGB(0, 192, 192), ui::RGB(0, 255, 0), ui::RGB(0, 0, 192),   ui::RGB(255, 128, 0)};
    return c >= 0 && c < 8 ? kColors[c] : ui::vbBlack;
}

void PaintGraphBackground(State& s, ui::PictureBox& picture, bool mag) {
    picture.Cls();
    const FrmImage& images = FrmImageOf(s);
    picture.PaintPicture(mag ? images.Picture1 : images.Picture2, 0, 0,
                         static_cast<float>(s.ImgScaleW), static_cast<float>(s.ImgScaleH));
}

void DrawCurveSegment(State& s, ui::PictureBox& picture, int16_t i, double row, ui::Color color) {
    // A curve far off the picture ends its segments at a row a renderer still draws exactly.
    constexpr double kRowLimit = 32767;
    if (s.GraphHold == 1) return;
    picture.SetDrawWidth(2);
    if (i == 0) picture.MoveTo(-10, static_cast<float>(sys::CLng(GraphMidRow)));
    picture.SetForeColor(color);
    const double y = std::clamp(sys::Round(row), -kRowLimit, kRowLimit);
    picture.LineTo(i, static_cast<float>(y));
}

}  // namespace editor

namespace ModGraph {

namespace {

using editor::GraphView;

// Draws output c's curve on its picture of the current device, one segment a point.
class OutputPen {
  public:
    OutputPen(State& s, FrmCtrl& f, int16_t c) : s_(s), picture_(f.Picture1(c)), c_(c) {}

    void DrawPointOutMag(int16_t i) {
        const int16_t dev = s_.CurDev;
        const double t = s_.Graph.Curves(dev).OutMagTotal[c_][i];
        const double a = s_.GraphScaleA[dev][c_];
        const double scale = s_.GraphScaleC[dev][c_];
        const double top = editor::GraphMidRow - a * scale;
        if (s_.GainBypass[dev][c_ + 8] == 0) {
            const double level = s_.DevParam[dev].ChLevelDb()[c_ + 8];
            Segment(i, top - scale * level - t * scale);
        } else {
            Segment(i, top - t * scale);
        }
    }
    void DrawPointOutPhase(int16_t i) {
        const double phase = s_.Graph.Curves(s_.CurDev).OutPhaseTotal[c_][i];
        Segment(i, editor::GraphMidRow - editor::GraphPxPerDeg * phase);
    }

  private:
    void Segment(int16_t i, double row) {
        editor::DrawCurveSegment(s_, picture_, i, row, editor::CurveColor(c_));
    }

    State& s_;
    ui::PictureBox& picture_;
    int16_t c_;
};

// Clears output c's picture and paints the background of the view it shows.
void PaintGraphBackground(State& s, FrmCtrl& f, int16_t c) {
    editor::PaintGraphBackground(s, f.Picture1(c), f.Option3(c).Value());
}

GraphView ViewOf(FrmCtrl& f, int16_t c) {
    return f.Option3(c).Value() ? GraphView::Mag : GraphView::Phase;
}

// Paints output c's background and runs compute with the point drawing of the view shown.
template <typename Compute>
void Sweep(State& s, int16_t c, Compute compute) {
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    PaintGraphBackground(s, f, c);
    OutputPen pen(s, f, c);
    const GraphView view = ViewOf(f, c);
    if (view == GraphView::Mag) {
        compute(view, [&pen](int16_t i) { pen.DrawPointOutMag(i); });
    } else {
        compute(view, [&pen](int16_t i) { pen.DrawPointOutPhase(i); });
    }
}

}  // namespace

void RedrawGraphCtrl(State& s, int16_t index) {
    const auto c = static_cast<int16_t>(index - 8);
    if (c < 0 || c > 7) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    PaintGraphBackground(s, f, c);
    OutputPen pen(s, f, c);
    for (int16_t i = 0; i < model::GraphPoints; ++i) {
        if (f.Option3(c).Value()) {
            pen.DrawPointOutMag(i);
        } else {
            pen.DrawPointOutPhase(i);
        }
    }
}

void CalcGraphEqOut(State& s, int16_t n) {
    if (n < 0 || n > 39) return;
    Sweep(s, static_cast<int16_t>(n / 5), [&](GraphView view, const editor::PointSink& draw) {
        editor::ComputeEqOutBand(s.Graph, s, s.CurDev, n, view, draw);
    });
}

void CalcGraphXover(State& s, int16_t n) {
    if (n < 0 || n > 15) return;
    Sweep(s, static_cast<int16_t>(n / 2), [&](GraphView view, const editor::PointSink& draw) {
        editor::ComputeXover(s.Graph, s, s.CurDev, n, view, draw);
    });
}

void CalcGraphOutput(State& s, int16_t c) {
    if (c < 0 || c > 7) return;
    Sweep(s, c, [&](GraphView view, const editor::PointSink& draw) {
        editor::ComputeOutput(s.Graph, s, s.CurDev, c, view, draw);
    });
}

}  // namespace ModGraph
