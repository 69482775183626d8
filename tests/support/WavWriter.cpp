#include "support/WavWriter.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {
void Put32(std::ofstream& out, uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); }
void Put16(std::ofstream& out, uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); }
}  // namespace

bool WriteToneWav(const std::string& path, int milliseconds, double hertz) {
    const uint32_t rate = 22050;
    const uint32_t samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write("RIFF", 4);
    Put32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, rate);
    Put32(out, rate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, samples * 2);
    for (uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(8000.0 * std::sin(2 * M_PI * hertz * t))));
    }
    return static_cast<bool>(out);
}
