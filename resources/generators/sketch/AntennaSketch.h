#pragma once

#include <QImage>

namespace resources {

// The line drawing of the shortened dipole that the main window shows: both arms with their
// loading coils and feed arrows, the dimensions A and B, the overall length and the notes.
class AntennaSketch {
public:
    static constexpr int width = 600;
    static constexpr int height = 240;

    // The drawing alone, as ink coverage: black ink whose alpha is how much of each pixel
    // the pen covered, on a transparent ground.
    static QImage ink();
};

} // namespace resources
