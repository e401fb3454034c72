// A small JPEG loader over libjpeg for the pictures of the help pages and
// the check report. Broken or hostile data gives no picture, never a crash:
// libjpeg's errors return here, sizes and scans are limited.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quarnel {

struct RgbBild {
    int breite = 0;
    int hoehe = 0;
    std::vector<uint8_t> pixel;  // 3 bytes per pixel, row after row, no padding
};

struct JpegGrenzen {
    int maxSeite = 8192;                      // pixels of the longer side
    std::size_t maxPixel = 24u * 1024 * 1024;  // width × height
    int maxScans = 200;                       // progressive scans
    std::size_t maxDateiBytes = 32u * 1024 * 1024;
};

std::optional<RgbBild> JpegDekodieren(std::span<const uint8_t> daten, const JpegGrenzen& g = {});
std::optional<RgbBild> JpegLaden(const std::string& pfad, const JpegGrenzen& g = {});

}  // namespace quarnel
