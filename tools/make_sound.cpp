// Writes the short fanfare the program plays for three hits or more: a rising major arpeggio,
// 16-bit mono PCM at 22050 Hz.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sound OUT.wav\n");
        return 2;
    }
    constexpr int rate = 22050;
    constexpr double pi = 3.14159265358979323846;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5}; // C5 E5 G5 C6
    const double lengths[] = {0.11, 0.11, 0.11, 0.32};
    std::vector<std::int16_t> samples;
    for (int n = 0; n < 4; ++n) {
        const int count = static_cast<int>(lengths[n] * rate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / rate;
            const double attack = std::fmin(1.0, t / 0.008);
            const double decay = std::exp(-t * (n == 3 ? 6.0 : 14.0));
            const double wave = std::sin(2 * pi * notes[n] * t) + 0.3 * std::sin(4 * pi * notes[n] * t);
            samples.push_back(static_cast<std::int16_t>(wave * attack * decay * 0.5 * 32767 / 1.3));
        }
    }
    std::vector<unsigned char> out;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    for (char c : {'R', 'I', 'F', 'F'}) out.push_back(static_cast<unsigned char>(c));
    put32(out, 36 + dataBytes);
    for (char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '}) out.push_back(static_cast<unsigned char>(c));
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    for (char c : {'d', 'a', 't', 'a'}) out.push_back(static_cast<unsigned char>(c));
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
