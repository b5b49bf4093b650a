#include "ScannedPaper.h"

namespace resources {

namespace {

// SplitMix64: a well-mixed hash of the pixel's place, independent of the order of work.
std::uint64_t mix(std::uint64_t z)
{
    z += 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

constexpr int paperLevel = 254;
constexpr int paperNoise = 7;  // paper channels 248 to 254
constexpr int inkLevel[3] = {44, 42, 52};  // a slightly blue-black ink
constexpr int inkNoise = 12;

} // namespace

QImage ScannedPaper::scan(const QImage& ink, std::uint64_t seed)
{
    const QImage coverage = ink.convertToFormat(QImage::Format_ARGB32);
    QImage page(coverage.size(), QImage::Format_RGB888);
    for (int y = 0; y < page.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        uchar* out = page.scanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            const std::uint64_t place = static_cast<std::uint64_t>(y) << 32 | static_cast<std::uint32_t>(x);
            const std::uint64_t noise = mix(seed ^ mix(place));
            const int alpha = qAlpha(in[x]);
            for (int channel = 0; channel < 3; ++channel) {
                const int paper = paperLevel - static_cast<int>((noise >> (8 * channel)) % paperNoise);
                const int dark = inkLevel[channel] + static_cast<int>((noise >> (8 * channel + 24)) % inkNoise);
                out[3 * x + channel] = static_cast<uchar>((paper * (255 - alpha) + dark * alpha + 127) / 255);
            }
        }
    }
    return page;
}

} // namespace resources
