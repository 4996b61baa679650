// Where a band marker lies on an output's response picture, in twips of the picture. A marker
// is 120 twips square and marks the point at its centre, 60 twips right of and below its
// corner. Across, the picture spans 20 Hz to 20 kHz, 2885 twips a decade; down, the marked
// gain g lies at 1447.5 - 48 (g + 0.1) twips, 48 twips per dB as the curve is drawn at the
// window's default scale (10 dB a division).
#pragma once

namespace ui {
class Label;
}

namespace editor {

inline constexpr double MarkerTwPerDb = 48.0;

// Left and Top of the marker of a band at freq Hz with gain dB.
float MarkerLeft(double freq);
float MarkerTop(double gain);

// The frequency (at most 20000 Hz, to a millionth of a hertz) and the gain that a marker
// with this Left or Top marks.
double MarkerFreq(double left);
double MarkerGain(double top);

// Puts marker on the point of a band at freq Hz with gain dB.
void PlaceMarker(ui::Label& marker, double freq, double gain);

// What a dragged marker marks: the gain cut down to 0.1 dB within -12..+12 and the frequency
// in whole hertz within 20..20000.
struct MarkerPoint {
    double gain;
    double freq;
};

// Moves marker as the pointer held on it moves to (x, y) twips relative to its corner: kept
// on the picture and centred on the gain it marks at the curve's scale.
MarkerPoint DragMarker(ui::Label& marker, float x, float y);

}  // namespace editor
