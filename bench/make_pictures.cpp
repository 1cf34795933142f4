// Writes the benchmark's PCX pictures: photo-like content (smooth washes, a flat sky, grain that grows toward
// the bottom), run-length encoded as ordinary encoders write it (runs end at each plane's line).
//
//   make_pictures rgb24|pal8|planar4 WIDTH HEIGHT OUT.pcx

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

// A fixed pseudo-random sequence, so that every run of the bench converts the same pictures.
class Grain {
public:
    int Next(int amplitude) {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        if (amplitude == 0) return 0;
        return static_cast<int>(state_ % static_cast<std::uint64_t>(2 * amplitude + 1)) - amplitude;
    }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

int Clamp(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// The picture's colours, row by row; separable tables keep 24 million pixels quick.
class Scene {
public:
    Scene(unsigned width, unsigned height) : width_(width), height_(height), colX_(width), rowY_(height) {
        const double pi = 3.14159265358979;
        for (unsigned x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width;
            colX_[x] = {static_cast<int>(90 + 80 * std::sin(u * 2.3 * pi)), static_cast<int>(120 + 60 * std::cos(u * 5.1 * pi)),
                        static_cast<int>(60 + 50 * std::sin(u * 9.7 * pi + 1.0))};
        }
        for (unsigned y = 0; y < height; ++y) {
            const double v = static_cast<double>(y) / height;
            rowY_[y] = {static_cast<int>(60 * std::cos(v * 1.7 * pi)), static_cast<int>(50 * std::sin(v * 3.3 * pi)),
                        static_cast<int>(70 * std::cos(v * 2.2 * pi + 0.5))};
        }
    }

    // One row of R, G, B triples.
    void Row(unsigned y, std::vector<Rgb>& out) {
        out.resize(width_);
        const double v = static_cast<double>(y) / height_;
        if (v < 0.3) {
            // The sky: a wash with long equal runs, as in flat parts of real pictures.
            for (unsigned x = 0; x < width_; ++x) {
                const int step = static_cast<int>(x / 16);
                out[x] = {Clamp(120 + static_cast<int>(v * 200) - step % 8), Clamp(160 + static_cast<int>(v * 150)),
                          Clamp(230 - static_cast<int>(v * 60))};
            }
            return;
        }
        const int amplitude = static_cast<int>(2 + 14 * (v - 0.3));
        const Rgb& row = rowY_[y];
        for (unsigned x = 0; x < width_; ++x) {
            const Rgb& col = colX_[x];
            const int n = grain_.Next(amplitude);
            out[x] = {Clamp(col.r + row.r + n), Clamp(col.g + row.g + n / 2), Clamp(col.b + row.b - n)};
        }
    }

private:
    unsigned width_, height_;
    std::vector<Rgb> colX_, rowY_;
    Grain grain_;
};

// Run-length encodes one plane's line: values of 0xC0 and above, and runs longer than one, take two bytes.
void EncodeLine(const unsigned char* data, unsigned length, std::vector<unsigned char>& out) {
    unsigned i = 0;
    while (i < length) {
        const unsigned char value = data[i];
        unsigned run = 1;
        while (i + run < length && run < 63 && data[i + run] == value) ++run;
        if (run > 1 || value >= 0xC0) out.push_back(static_cast<unsigned char>(0xC0 | run));
        out.push_back(value);
        i += run;
    }
}

void Put16(unsigned char* at, unsigned value) {
    at[0] = static_cast<unsigned char>(value & 0xFF);
    at[1] = static_cast<unsigned char>(value >> 8);
}

std::vector<unsigned char> Header(unsigned width, unsigned height, unsigned bitsPerPixel, unsigned planes,
                                  unsigned bytesPerLine, const unsigned char* palette16) {
    std::vector<unsigned char> header(128, 0);
    header[0] = 10;  // manufacturer
    header[1] = 5;   // version
    header[2] = 1;   // run-length encoded
    header[3] = static_cast<unsigned char>(bitsPerPixel);
    Put16(&header[8], width - 1);
    Put16(&header[10], height - 1);
    Put16(&header[12], 72);
    Put16(&header[14], 72);
    if (palette16) std::memcpy(&header[16], palette16, 48);
    header[65] = static_cast<unsigned char>(planes);
    Put16(&header[66], bytesPerLine);
    Put16(&header[68], 1);
    return header;
}

// A 6 x 7 x 6 colour cube and a few greys: what a quantiser gives a picture like this one.
void CubePalette(unsigned char* palette) {
    for (unsigned i = 0; i < 256; ++i) {
        unsigned char* entry = palette + 3 * i;
        if (i < 252) {
            entry[0] = static_cast<unsigned char>((i / 42) * 51);
            entry[1] = static_cast<unsigned char>(((i / 6) % 7) * 255 / 6);
            entry[2] = static_cast<unsigned char>((i % 6) * 51);
        } else {
            entry[0] = entry[1] = entry[2] = static_cast<unsigned char>(64 * (i - 252) + 32);
        }
    }
}

unsigned CubeIndex(const Rgb& c) {
    const unsigned r = static_cast<unsigned>((c.r * 5 + 127) / 255);
    const unsigned g = static_cast<unsigned>((c.g * 6 + 127) / 255);
    const unsigned b = static_cast<unsigned>((c.b * 5 + 127) / 255);
    return r * 42 + g * 6 + b;
}

const unsigned char kEgaPalette[48] = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0xAA, 0x00, 0xAA, 0x00, 0x00, 0xAA, 0xAA, 0xAA, 0x00, 0x00, 0xAA,
    0x00, 0xAA, 0xAA, 0x55, 0x00, 0xAA, 0xAA, 0xAA, 0x55, 0x55, 0x55, 0x55, 0x55, 0xFF, 0x55, 0xFF,
    0x55, 0x55, 0xFF, 0xFF, 0xFF, 0x55, 0x55, 0xFF, 0x55, 0xFF, 0xFF, 0xFF, 0x55, 0xFF, 0xFF, 0xFF,
};

std::vector<unsigned char> Write(const std::string& kind, unsigned width, unsigned height) {
    Scene scene(width, height);
    std::vector<Rgb> colours;
    std::vector<unsigned char> file;
    if (kind == "rgb24") {
        const unsigned stride = (width + 1) & ~1u;
        file = Header(width, height, 8, 3, stride, nullptr);
        std::vector<unsigned char> plane(stride, 0);
        for (unsigned y = 0; y < height; ++y) {
            scene.Row(y, colours);
            for (int p = 0; p < 3; ++p) {
                for (unsigned x = 0; x < width; ++x) plane[x] = static_cast<unsigned char>(p == 0 ? colours[x].r : p == 1 ? colours[x].g : colours[x].b);
                EncodeLine(plane.data(), stride, file);
            }
        }
    } else if (kind == "pal8") {
        const unsigned stride = (width + 1) & ~1u;
        file = Header(width, height, 8, 1, stride, nullptr);
        std::vector<unsigned char> line(stride, 0);
        for (unsigned y = 0; y < height; ++y) {
            scene.Row(y, colours);
            for (unsigned x = 0; x < width; ++x) line[x] = static_cast<unsigned char>(CubeIndex(colours[x]));
            EncodeLine(line.data(), stride, file);
        }
        unsigned char palette[768];
        CubePalette(palette);
        file.push_back(0x0C);
        file.insert(file.end(), palette, palette + 768);
    } else if (kind == "planar4") {
        const unsigned stride = (((width + 7) / 8) + 1) & ~1u;
        file = Header(width, height, 1, 4, stride, kEgaPalette);
        std::vector<unsigned char> plane(stride);
        std::vector<unsigned> index(width);
        for (unsigned y = 0; y < height; ++y) {
            scene.Row(y, colours);
            // Brightness picks one of the 16 colours: coarse, like a drawing made for a 16-colour screen.
            for (unsigned x = 0; x < width; ++x) index[x] = static_cast<unsigned>(colours[x].r + colours[x].g + colours[x].b) * 16 / 766;
            for (unsigned p = 0; p < 4; ++p) {
                std::fill(plane.begin(), plane.end(), 0);
                for (unsigned x = 0; x < width; ++x) {
                    if ((index[x] >> p) & 1u) plane[x / 8] |= static_cast<unsigned char>(0x80u >> (x % 8));
                }
                EncodeLine(plane.data(), stride, file);
            }
        }
    }
    return file;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s rgb24|pal8|planar4 WIDTH HEIGHT OUT.pcx\n", argv[0]);
        return 2;
    }
    const std::string kind = argv[1];
    const long width = std::strtol(argv[2], nullptr, 10), height = std::strtol(argv[3], nullptr, 10);
    if ((kind != "rgb24" && kind != "pal8" && kind != "planar4") || width < 2 || height < 2 || width > 65535 ||
        height > 65535) {
        std::fprintf(stderr, "%s: bad arguments\n", argv[0]);
        return 2;
    }
    const std::vector<unsigned char> file = Write(kind, static_cast<unsigned>(width), static_cast<unsigned>(height));
    const std::string temporary = std::string(argv[4]) + ".tmp";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) return 1;
    const bool ok = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (std::fclose(out) != 0 || !ok || std::rename(temporary.c_str(), argv[4]) != 0) {
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
