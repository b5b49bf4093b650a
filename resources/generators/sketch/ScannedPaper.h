#pragma once

#include <QImage>

#include <cstdint>

namespace resources {

// Lays ink on paper as a scanner sees it: dark but not black ink, white but not pure white
// paper, both with faint colour noise. The noise comes from `seed` alone, so the same ink
// gives the same picture on every machine.
class ScannedPaper {
public:
    // `ink`: black whose alpha is the pen's coverage. Returns 24-bit colour.
    static QImage scan(const QImage& ink, std::uint64_t seed);
};

} // namespace resources
