#include "processing/EqInGraph.h"

#include "editor/InputResponse.h"
#include "editor/ModGraph.h"
#include "processing/FrmEqIn.h"
#include "state/State.h"

namespace ModGraph {

namespace {

constexpr double kPxPerDb = editor::GraphMagSpanPx / 60;

ui::PictureBox* PictureOf(State& s, int16_t p) {
    if (s.EqInWin == nullptr || !s.EqInWin->Picture1.Exists(p)) return nullptr;
    return &s.EqInWin->Picture1(p);
}

}  // namespace

void CalcGraphEqIn(State& s, int16_t b) {
    const auto p = static_cast<int16_t>(b / 5);
    ui::PictureBox* picture = PictureOf(s, p);
    if (picture == nullptr || b < 0 || b > 2) return;
    const bool mag = s.EqInWin->Option3(p).Value();
    editor::PaintGraphBackground(s, *picture, mag);
    const editor::GraphView view = mag ? editor::GraphView::Mag : editor::GraphView::Phase;
    editor::ComputeEqInBand(s.Graph, s, s.CurDev, s.CurInCh, b, s.EqInType[b], view,
                            [&](int16_t i) {
                                if (mag) {
                                    DrawPointEqInMag(s, i, p);
                                } else {
                                    DrawPointEqInPhase(s, i, p);
                                }
                            });
}

void DrawPointEqInMag(State& s, int16_t i, int16_t p) {
    ui::PictureBox* picture = PictureOf(s, p);
    if (picture == nullptr || i < 0 || i >= model::GraphPoints) return;
    const double row = editor::GraphMidRow - kPxPerDb * s.Graph.EqIn.EqInMagTotal[i];
    editor::DrawCurveSegment(s, *picture, i, row, ui::RGB(255, 0, 0));
}

void DrawPointEqInPhase(State& s, int16_t i, int16_t p) {
    ui::PictureBox* picture = PictureOf(s, p);
    if (picture == nullptr || i < 0 || i >= model::GraphPoints) return;
    const double row = editor::GraphMidRow - editor::GraphPxPerDeg * s.Graph.EqIn.EqInPhaseTotal[i];
    editor::DrawCurveSegment(s, *picture, i, row, ui::RGB(0, 0, 255));
}

}  // namespace ModGraph
