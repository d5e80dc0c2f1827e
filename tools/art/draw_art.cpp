// Draws every picture of the program from geometry and writes the icon,
// bitmap and animation files into the directory named on the command line:
//
//   draw-art src/app/res
//
// The pictures live as code so they can be restyled and regenerated without
// an image editor; the files are checked in because the Windows build is a
// cross build that cannot easily run a host tool.
//
// Shapes are signed distance functions sampled 8x8 times per pixel. The
// 24-bit images average the samples (smooth inner edges) but keep a hard
// silhouette against the magenta key, since a half-transparent edge pixel
// would show a pink fringe once the key is cut out. The 16-colour icon takes
// the most frequent palette colour per pixel instead of an average, so its
// edges stay crisp and no colour outside the palette is needed.

#include <algorithm>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kSub = 8; // samples per pixel along each axis

// ---------------------------------------------------------------- geometry

struct Vec {
    float x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y};
}
Vec operator*(Vec a, float k) {
    return {a.x * k, a.y * k};
}
float Dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y;
}
float Length(Vec a) {
    return std::sqrt(Dot(a, a));
}
// Screen angles: y grows downwards, so 90 degrees points down.
Vec Polar(float radius, float degrees) {
    float a = degrees * kPi / 180;
    return {radius * std::cos(a), radius * std::sin(a)};
}
Vec Rotate(Vec v, float degrees) {
    float a = degrees * kPi / 180, c = std::cos(a), s = std::sin(a);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

// Negative inside, positive outside; only the sign decides coverage, the
// magnitude lets shapes grow and gain rims.
using Shape = std::function<float(Vec)>;

Shape Circle(Vec c, float r) {
    return [=](Vec p) { return Length(p - c) - r; };
}

Shape Box(float x0, float y0, float x1, float y1, float round = 0) {
    return [=](Vec p) {
        Vec c{(x0 + x1) / 2, (y0 + y1) / 2};
        Vec q{std::abs(p.x - c.x) - ((x1 - x0) / 2 - round), std::abs(p.y - c.y) - ((y1 - y0) / 2 - round)};
        Vec out{std::max(q.x, 0.f), std::max(q.y, 0.f)};
        return Length(out) + std::min(std::max(q.x, q.y), 0.f) - round;
    };
}

Shape Segment(Vec a, Vec b, float width) {
    return [=](Vec p) {
        Vec ab = b - a, ap = p - a;
        float t = std::clamp(Dot(ap, ab) / Dot(ab, ab), 0.f, 1.f);
        return Length(ap - ab * t) - width / 2;
    };
}

Shape Polygon(std::vector<Vec> v) {
    return [v = std::move(v)](Vec p) {
        float d = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            Vec e = v[j] - v[i], w = p - v[i];
            float t = std::clamp(Dot(w, e) / Dot(e, e), 0.f, 1.f);
            d = std::min(d, Length(w - e * t));
            if ((v[i].y > p.y) != (v[j].y > p.y) &&
                p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
        }
        return inside ? -d : d;
    };
}

// A stroke along a circle from `from` to `to` degrees, clockwise on screen.
Shape Arc(Vec c, float r, float width, float from, float to) {
    Vec e0 = c + Polar(r, from), e1 = c + Polar(r, to);
    float sweep = (to - from) * kPi / 180, start = from * kPi / 180;
    return [=](Vec p) {
        Vec d = p - c;
        float t = std::atan2(d.y, d.x) - start;
        t -= 2 * kPi * std::floor(t / (2 * kPi));
        if (t <= sweep)
            return std::abs(Length(d) - r) - width / 2;
        return std::min(Length(p - e0), Length(p - e1)) - width / 2;
    };
}

// A triangular arrow head whose tip is at `tip`, pointing along `degrees`.
Shape Head(Vec tip, float degrees, float length, float half_width) {
    Vec dir = Polar(1, degrees), side = Polar(1, degrees + 90);
    Vec base = tip - dir * length;
    return Polygon({tip, base + side * half_width, base - side * half_width});
}

Shape Join(std::vector<Shape> parts) {
    return [parts = std::move(parts)](Vec p) {
        float d = 1e9f;
        for (auto &s : parts)
            d = std::min(d, s(p));
        return d;
    };
}
Shape Cut(Shape a, Shape b) {
    return [=](Vec p) { return std::max(a(p), -b(p)); };
}
Shape Meet(Shape a, Shape b) {
    return [=](Vec p) { return std::max(a(p), b(p)); };
}
Shape Grow(Shape s, float by) {
    return [=](Vec p) { return s(p) - by; };
}
// The band of width w just inside the outline: the shape's drawn border.
Shape Rim(Shape s, float w) {
    return [=](Vec p) {
        float d = s(p);
        return std::max(d, -(d + w));
    };
}
Shape Turn(Shape s, Vec centre, float degrees) {
    return [=](Vec p) { return s(centre + Rotate(p - centre, -degrees)); };
}

// A gear of `teeth` square teeth around a hub, with a hole in the middle.
Shape Gear(Vec c, float hub, float tip, float tooth, int teeth, float hole) {
    std::vector<Shape> parts{Circle(c, hub)};
    Shape one = Box(c.x, c.y - tooth / 2, c.x + tip, c.y + tooth / 2, 0.3f);
    for (int i = 0; i < teeth; ++i)
        parts.push_back(Turn(one, c, 360.f * i / teeth + 360.f / teeth / 2));
    return Cut(Join(std::move(parts)), Circle(c, hole));
}

// ----------------------------------------------------------------- colour

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0; // straight alpha, 0..1
};

constexpr Rgba Hex(uint32_t v, float a = 1) {
    return {float((v >> 16) & 255) / 255, float((v >> 8) & 255) / 255, float(v & 255) / 255, a};
}
Rgba Mix(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

using Paint = std::function<Rgba(Vec)>;
Paint Solid(Rgba c) {
    return [c](Vec) { return c; };
}
// Light from above: a top-to-bottom blend gives flat shapes a hint of form.
Paint Fade(float y0, Rgba top, float y1, Rgba bottom) {
    return [=](Vec p) { return Mix(top, bottom, std::clamp((p.y - y0) / (y1 - y0), 0.f, 1.f)); };
}

struct Rgb8 {
    uint8_t r = 0, g = 0, b = 0;
    auto operator<=>(const Rgb8 &) const = default;
};
uint8_t Byte(float v) {
    return uint8_t(std::lround(std::clamp(v, 0.f, 1.f) * 255));
}
Rgb8 ToRgb8(Rgba c) {
    return {Byte(c.r), Byte(c.g), Byte(c.b)};
}

// The 3D face colour the animation stands on; the control can also key it
// out (it treats the colour of the first pixel as transparent).
constexpr Rgba kFace = Hex(0xF0F0F0);
constexpr Rgb8 kKey{255, 0, 255};

// The program's palette: slate for ink, one hue per meaning.
namespace ink {
constexpr Rgba kSlate = Hex(0x2E3A46);
constexpr Rgba kSteel = Hex(0x56626E);
constexpr Rgba kMetal = Hex(0x8E9AA6);
constexpr Rgba kSilver = Hex(0xC9D1D9);
constexpr Rgba kCloud = Hex(0xEEF1F4);
constexpr Rgba kWhite = Hex(0xFFFFFF);
constexpr Rgba kPaperLine = Hex(0xA9B3BD);
constexpr Rgba kBlue = Hex(0x2F74D0);
constexpr Rgba kBlueLight = Hex(0x5B9BEA);
constexpr Rgba kBlueDark = Hex(0x1B4F96);
constexpr Rgba kGreen = Hex(0x2DA44E);
constexpr Rgba kGreenLight = Hex(0x55C770);
constexpr Rgba kGreenDark = Hex(0x17692F);
constexpr Rgba kGold = Hex(0xF5B700);
constexpr Rgba kGoldLight = Hex(0xFFD75A);
constexpr Rgba kGoldDark = Hex(0xA87400);
constexpr Rgba kRed = Hex(0xE0433B);
constexpr Rgba kRedLight = Hex(0xF26D64);
constexpr Rgba kRedDark = Hex(0x9E1C17);
constexpr Rgba kWood = Hex(0xB5773A);
constexpr Rgba kWoodLight = Hex(0xD0955A);
constexpr Rgba kWoodDark = Hex(0x6E4219);
} // namespace ink

// ----------------------------------------------------------------- canvas

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), s_(size_t(w) * h * kSub * kSub) {}
    int Width() const { return w_; }
    int Height() const { return h_; }

    void Fill(const Shape &shape, const Paint &paint) {
        for (int sy = 0; sy < h_ * kSub; ++sy)
            for (int sx = 0; sx < w_ * kSub; ++sx) {
                Vec p{(sx + 0.5f) / kSub, (sy + 0.5f) / kSub};
                if (clip_ && clip_(p) > 0)
                    continue;
                Vec q = centre_ + (p - centre_) * (1 / zoom_);
                if (shape(q) > 0)
                    continue;
                Rgba c = paint(q);
                Rgba &d = s_[size_t(sy) * w_ * kSub + sx]; // premultiplied
                d = {c.r * c.a + d.r * (1 - c.a), c.g * c.a + d.g * (1 - c.a), c.b * c.a + d.b * (1 - c.a),
                     c.a + d.a * (1 - c.a)};
            }
    }
    void Fill(const Shape &shape, Rgba c) { Fill(shape, Solid(c)); }
    // A filled shape with a border of its own, the flat style's basic mark.
    void Outlined(const Shape &shape, const Paint &fill, Rgba border, float width = 1) {
        Fill(shape, fill);
        Fill(Rim(shape, width), border);
    }
    void Outlined(const Shape &shape, Rgba fill, Rgba border, float width = 1) {
        Outlined(shape, Solid(fill), border, width);
    }

    // Later fills land only inside `clip`, and show what lies at q at
    // centre + (q - centre) * zoom: the magnifying glass.
    void View(Shape clip, Vec centre, float zoom) {
        clip_ = std::move(clip);
        centre_ = centre;
        zoom_ = zoom;
    }
    void ResetView() { View(nullptr, {}, 1); }

    Rgba Average(int x, int y) const {
        Rgba sum;
        for (int j = 0; j < kSub; ++j)
            for (int i = 0; i < kSub; ++i) {
                const Rgba &s = Sample(x * kSub + i, y * kSub + j);
                sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
            }
        if (sum.a <= 0)
            return {};
        return {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / (kSub * kSub)};
    }

    // The palette entry most samples of the pixel are closest to, or -1 for a
    // pixel mostly left empty.
    int Majority(int x, int y, const std::vector<Rgb8> &palette) const {
        std::vector<int> votes(palette.size() + 1);
        for (int j = 0; j < kSub; ++j)
            for (int i = 0; i < kSub; ++i) {
                const Rgba &s = Sample(x * kSub + i, y * kSub + j);
                if (s.a < 0.5f) {
                    ++votes.back();
                    continue;
                }
                Rgb8 c = ToRgb8({s.r / s.a, s.g / s.a, s.b / s.a, 1});
                ++votes[Nearest(c, palette)];
            }
        auto best = std::max_element(votes.begin(), votes.end()) - votes.begin();
        return best == long(palette.size()) ? -1 : int(best);
    }

    static size_t Nearest(Rgb8 c, const std::vector<Rgb8> &palette) {
        size_t best = 0;
        int best_d = 1 << 30;
        for (size_t i = 0; i < palette.size(); ++i) {
            int dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
            int d = dr * dr + dg * dg + db * db;
            if (d < best_d)
                best_d = d, best = i;
        }
        return best;
    }

private:
    const Rgba &Sample(int sx, int sy) const { return s_[size_t(sy) * w_ * kSub + sx]; }

    int w_, h_;
    std::vector<Rgba> s_;
    Shape clip_;
    Vec centre_;
    float zoom_ = 1;
};

// Pixels of a picture drawn on the magenta key.
std::vector<Rgb8> Keyed(const Canvas &c) {
    std::vector<Rgb8> out;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            Rgba p = c.Average(x, y);
            if (p.a < 0.5f) {
                out.push_back(kKey);
                continue;
            }
            // Pixels the shape only partly covers are blended with the face colour
            // they will most often stand on.
            Rgb8 v = ToRgb8(Mix(kFace, p, p.a));
            if (v == kKey)
                v.g = 1;
            out.push_back(v);
        }
    return out;
}

// Pixels of a picture laid over a uniform ground, for the animation.
std::vector<Rgb8> Opaque(const Canvas &c, Rgba ground) {
    std::vector<Rgb8> out;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            Rgba p = c.Average(x, y);
            out.push_back(ToRgb8(Mix(ground, p, p.a)));
        }
    return out;
}

// ------------------------------------------------------------ file output

class Bytes {
public:
    void U8(uint8_t v) { b_.push_back(v); }
    void U16(uint16_t v) { U8(uint8_t(v & 255)), U8(uint8_t(v >> 8)); }
    void U32(uint32_t v) { U16(uint16_t(v & 0xFFFF)), U16(uint16_t(v >> 16)); }
    void I32(int32_t v) { U32(uint32_t(v)); }
    void Tag(const char (&t)[5]) { b_.insert(b_.end(), t, t + 4); }
    void Append(const Bytes &o) { b_.insert(b_.end(), o.b_.begin(), o.b_.end()); }
    size_t Size() const { return b_.size(); }

    // RIFF chunks: the size is patched in when the chunk closes, and an odd
    // size is padded to a word as the format requires.
    size_t Open(const char (&id)[5]) {
        Tag(id);
        U32(0);
        return Size();
    }
    size_t OpenList(const char (&kind)[5], const char (&type)[5]) {
        size_t body = Open(kind);
        Tag(type);
        return body;
    }
    void Close(size_t body) {
        uint32_t n = uint32_t(Size() - body);
        for (int i = 0; i < 4; ++i)
            b_[body - 4 + size_t(i)] = uint8_t(n >> (8 * i));
        if (n & 1)
            U8(0);
    }

    void Save(const std::filesystem::path &path) const {
        std::ofstream f(path, std::ios::binary);
        f.write(reinterpret_cast<const char *>(b_.data()), std::streamsize(b_.size()));
        if (!f) {
            std::fprintf(stderr, "draw-art: cannot write %s\n", path.string().c_str());
            std::exit(1);
        }
    }

private:
    std::vector<uint8_t> b_;
};

// A BITMAPINFOHEADER for an uncompressed (BI_RGB) bottom-up image.
void InfoHeader(Bytes &b, int w, int h, int bits, int image_size, int colours) {
    b.U32(40);
    b.I32(w);
    b.I32(h);
    b.U16(1);
    b.U16(uint16_t(bits));
    b.U32(0);
    b.U32(uint32_t(image_size));
    b.I32(2835); // 72 dpi
    b.I32(2835);
    b.U32(uint32_t(colours));
    b.U32(0);
}

int Stride(int w, int bits) {
    return (w * bits + 31) / 32 * 4;
}

void WriteBmp24(const std::filesystem::path &path, int w, int h, const std::vector<Rgb8> &px) {
    int stride = Stride(w, 24);
    Bytes f;
    f.U8('B');
    f.U8('M');
    f.U32(uint32_t(14 + 40 + stride * h));
    f.U32(0);
    f.U32(14 + 40);
    InfoHeader(f, w, h, 24, stride * h, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb8 &p = px[size_t(y) * size_t(w) + size_t(x)];
            f.U8(p.b), f.U8(p.g), f.U8(p.r);
        }
        for (int i = w * 3; i < stride; ++i)
            f.U8(0);
    }
    f.Save(path);
}

// The standard 16-colour VGA palette in its usual order.
const std::vector<Rgb8> kVga = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Vga {
    kBlack = 0,
    kMaroon,
    kDarkGreen,
    kOlive,
    kNavy,
    kPurple,
    kTeal,
    kLightGrey,
    kDarkGrey,
    kRed,
    kLime,
    kYellow,
    kBlue,
    kFuchsia,
    kAqua,
    kWhite
};
Rgba VgaInk(Vga i) {
    const Rgb8 &c = kVga[size_t(i)];
    return {c.r / 255.f, c.g / 255.f, c.b / 255.f, 1};
}

struct IconImage {
    int size = 0;
    std::vector<int> index; // palette index per pixel, -1 where transparent
};

void WriteIco(const std::filesystem::path &path, const std::vector<IconImage> &images) {
    Bytes dir, bodies;
    dir.U16(0);
    dir.U16(1); // an icon, not a cursor
    dir.U16(uint16_t(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (const IconImage &im : images) {
        int n = im.size, colour_stride = Stride(n, 4), mask_stride = Stride(n, 1);
        Bytes d;
        // The height counts both halves: colour image and AND mask.
        InfoHeader(d, n, 2 * n, 4, (colour_stride + mask_stride) * n, 16);
        for (const Rgb8 &c : kVga)
            d.U8(c.b), d.U8(c.g), d.U8(c.r), d.U8(0);
        for (int y = n - 1; y >= 0; --y)
            for (int x = 0; x < colour_stride * 2; x += 2) {
                auto at = [&](int xx) { return xx < n ? std::max(im.index[size_t(y * n + xx)], 0) : 0; };
                d.U8(uint8_t(at(x) << 4 | at(x + 1)));
            }
        for (int y = n - 1; y >= 0; --y)
            for (int x = 0; x < mask_stride * 8; x += 8) {
                uint8_t bits = 0;
                for (int i = 0; i < 8; ++i)
                    if (x + i < n && im.index[size_t(y * n + x + i)] < 0)
                        bits |= uint8_t(0x80 >> i);
                d.U8(bits);
            }
        dir.U8(uint8_t(n));
        dir.U8(uint8_t(n));
        dir.U8(16);
        dir.U8(0);
        dir.U16(1);
        dir.U16(4);
        dir.U32(uint32_t(d.Size()));
        dir.U32(uint32_t(offset));
        offset += d.Size();
        bodies.Append(d);
    }
    dir.Append(bodies);
    dir.Save(path);
}

// Median cut: splits the colours seen, weighted by how often, into at most
// `limit` boxes and returns each box's mean.
std::vector<Rgb8> MedianCut(const std::map<Rgb8, int> &seen, size_t limit) {
    using Entry = std::pair<Rgb8, int>;
    std::vector<std::vector<Entry>> boxes(1, std::vector<Entry>(seen.begin(), seen.end()));
    auto channel = [](const Rgb8 &c, int k) { return k == 0 ? c.r : k == 1 ? c.g : c.b; };
    auto widest = [&](const std::vector<Entry> &box, int &which) {
        int best = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (auto &[c, n] : box)
                lo = std::min<int>(lo, channel(c, k)), hi = std::max<int>(hi, channel(c, k));
            if (hi - lo > best)
                best = hi - lo, which = k;
        }
        return best;
    };
    while (boxes.size() < limit) {
        size_t pick = boxes.size();
        int pick_range = 0, pick_channel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int k = 0, range = boxes[i].size() > 1 ? widest(boxes[i], k) : 0;
            if (range > pick_range)
                pick = i, pick_range = range, pick_channel = k;
        }
        if (pick == boxes.size())
            break;
        auto &box = boxes[pick];
        std::sort(box.begin(), box.end(), [&](const Entry &a, const Entry &b) {
            return channel(a.first, pick_channel) < channel(b.first, pick_channel);
        });
        long total = 0, half = 0;
        for (auto &e : box)
            total += e.second;
        size_t cut = 0;
        while (cut + 1 < box.size() && (half += box[cut].second) * 2 < total)
            ++cut;
        std::vector<Entry> upper(box.begin() + long(cut) + 1, box.end());
        box.resize(cut + 1);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb8> out;
    for (auto &box : boxes) {
        double r = 0, g = 0, b = 0, n = 0;
        for (auto &[c, k] : box)
            r += c.r * k, g += c.g * k, b += c.b * k, n += k;
        out.push_back(
            {uint8_t(std::lround(r / n)), uint8_t(std::lround(g / n)), uint8_t(std::lround(b / n))});
    }
    return out;
}

// An uncompressed 8-bit AVI with one video stream, laid out the way the
// common animation control reads it: 'hdrl' with 'avih' and one 'strl'
// ('strh' of type 'vids', handler 'DIB ', 'strf' holding the
// BITMAPINFOHEADER and palette), then 'movi' with one '00db' chunk per frame,
// then an 'idx1' index for players that want one. Palette entry 0 is the
// background, so the first pixel keys out exactly.
void WriteAvi(const std::filesystem::path &path, int w, int h, int fps,
              const std::vector<std::vector<Rgb8>> &frames, Rgb8 background) {
    std::map<Rgb8, int> seen;
    for (auto &f : frames)
        for (auto &p : f)
            if (p != background)
                ++seen[p];
    std::vector<Rgb8> palette{background};
    for (Rgb8 c : MedianCut(seen, 255)) {
        if (c == background)
            c.b ^= 1; // keep the key colour unique
        palette.push_back(c);
    }

    int stride = Stride(w, 8), frame_size = stride * h;
    int n = int(frames.size());
    Bytes f;
    size_t riff = f.OpenList("RIFF", "AVI ");
    size_t hdrl = f.OpenList("LIST", "hdrl");
    size_t avih = f.Open("avih");
    f.U32(uint32_t(1000000 / fps));
    f.U32(uint32_t(frame_size * fps));
    f.U32(0);
    f.U32(0x10); // AVIF_HASINDEX
    f.U32(uint32_t(n));
    f.U32(0);
    f.U32(1);
    f.U32(uint32_t(frame_size));
    f.U32(uint32_t(w));
    f.U32(uint32_t(h));
    for (int i = 0; i < 4; ++i)
        f.U32(0);
    f.Close(avih);
    size_t strl = f.OpenList("LIST", "strl");
    size_t strh = f.Open("strh");
    f.Tag("vids");
    f.Tag("DIB ");
    f.U32(0);
    f.U16(0);
    f.U16(0);
    f.U32(0);
    f.U32(1); // scale: one frame per `fps` of a second
    f.U32(uint32_t(fps));
    f.U32(0);
    f.U32(uint32_t(n));
    f.U32(uint32_t(frame_size));
    f.U32(0xFFFFFFFF);
    f.U32(uint32_t(frame_size));
    f.U16(0);
    f.U16(0);
    f.U16(uint16_t(w));
    f.U16(uint16_t(h));
    f.Close(strh);
    size_t strf = f.Open("strf");
    InfoHeader(f, w, h, 8, frame_size, int(palette.size()));
    for (const Rgb8 &c : palette)
        f.U8(c.b), f.U8(c.g), f.U8(c.r), f.U8(0);
    f.Close(strf);
    f.Close(strl);
    f.Close(hdrl);

    size_t movi = f.OpenList("LIST", "movi");
    std::vector<size_t> at;
    std::map<Rgb8, uint8_t> cache;
    for (auto &frame : frames) {
        at.push_back(f.Size() - movi);
        size_t chunk = f.Open("00db");
        for (int y = h - 1; y >= 0; --y) {
            for (int x = 0; x < w; ++x) {
                Rgb8 p = frame[size_t(y * w + x)];
                auto it = cache.find(p);
                if (it == cache.end())
                    it = cache.emplace(p, uint8_t(p == background ? 0 : Canvas::Nearest(p, palette))).first;
                f.U8(it->second);
            }
            for (int i = w; i < stride; ++i)
                f.U8(0);
        }
        f.Close(chunk);
    }
    f.Close(movi);
    size_t idx1 = f.Open("idx1");
    for (size_t i = 0; i < at.size(); ++i) {
        f.Tag("00db");
        f.U32(0x10); // AVIIF_KEYFRAME
        // Offsets count from the 'movi' type tag, as the common readers expect.
        f.U32(uint32_t(at[i]));
        f.U32(uint32_t(frame_size));
    }
    f.Close(idx1);
    f.Close(riff);
    f.Save(path);
}

// --------------------------------------------------------------- pictures
//
// Menu and toolbar pictures are designed on a 16x16 grid; whole-number box
// edges keep one-pixel borders sharp.

// The toolbar shows its pictures a little muted at rest and in full colour
// under the mouse; menus always use full colour.
struct Tone {
    bool lit = true;
    Rgba operator()(Rgba c) const {
        if (lit)
            return c;
        float grey = 0.30f * c.r + 0.59f * c.g + 0.11f * c.b;
        return Mix(Mix(c, {grey, grey, grey, c.a}, 0.25f), {0, 0, 0, c.a}, 0.05f);
    }
};

// Down, then along: "go to" the chosen line.
void DrawJump(Canvas &c, Tone t) {
    Shape arrow = Join({Segment({4.5f, 2.5f}, {4.5f, 8}, 2.6f), Arc({8.5f, 8}, 4, 2.6f, 90, 180),
                        Segment({8.5f, 12}, {10.5f, 12}, 2.6f), Head({15.5f, 12}, 0, 5.5f, 3.8f)});
    c.Fill(Grow(arrow, 0.9f), t(ink::kGreenDark));
    c.Fill(arrow, Fade(2, t(ink::kGreenLight), 15, t(ink::kGreen)));
}

// A letter Z of n by n whole pixels at (x, y) in the cell's own pixels:
// strokes this thin only read when they sit exactly on the pixel grid.
Shape Zee(int x, int y, int n) {
    std::vector<Shape> parts{Box(float(x), float(y), float(x + n), float(y + 1)),
                             Box(float(x), float(y + n - 1), float(x + n), float(y + n))};
    for (int row = 1; row < n - 1; ++row)
        parts.push_back(Box(float(x + n - 1 - row), float(y + row), float(x + n - row), float(y + row + 1)));
    return Join(std::move(parts));
}

// A crescent with a snore: asleep in the notification area. `cell` is the
// picture's size in pixels; the moon is drawn on the 16x16 grid.
void DrawMoon(Canvas &c, Tone t, int cell) {
    Shape moon = Cut(Circle({7, 9}, 6.2f), Circle({10.6f, 5.4f}, 5));
    c.Outlined(moon, Fade(3, t(ink::kGoldLight), 15, t(ink::kGold)), t(ink::kGoldDark));
    c.ResetView();
    if (cell >= 20) {
        c.Fill(Zee(14, 1, 5), t(ink::kBlue));
        c.Fill(Zee(10, 6, 4), t(ink::kBlueLight));
    } else {
        c.Fill(Zee(11, 1, 4), t(ink::kBlue));
    }
}

// Two arrows chasing each other round: read again.
void DrawUpdate(Canvas &c) {
    Vec o{8, 8};
    auto half = [&](float from, float to) {
        Vec end = o + Polar(5.2f, to);
        return Join(
            {Arc(o, 5.2f, 2.2f, from, to - 6), Head(end + Polar(2.4f, to + 90), to + 90, 4.6f, 3.2f)});
    };
    c.Fill(Join({half(200, 318), half(20, 138)}), Fade(2, ink::kBlue, 14, ink::kBlueDark));
}

void DrawDisk(Canvas &c) {
    Shape body = Polygon({{1, 1}, {13, 1}, {15, 3}, {15, 15}, {1, 15}});
    c.Outlined(body, Fade(1, ink::kBlueLight, 15, ink::kBlue), ink::kBlueDark);
    c.Outlined(Box(4, 1, 12, 6), ink::kSilver, ink::kBlueDark);
    c.Fill(Box(9, 2, 11, 5), ink::kSteel);
    c.Outlined(Box(3, 8, 13, 15), ink::kWhite, ink::kBlueDark);
    c.Fill(Box(5, 10, 11, 11), ink::kPaperLine);
    c.Fill(Box(5, 12, 11, 13), ink::kPaperLine);
}

void DrawPrinter(Canvas &c) {
    c.Outlined(Box(4, 1, 12, 7), ink::kWhite, ink::kSlate);
    c.Outlined(Box(1, 6, 15, 12, 1), Fade(6, ink::kCloud, 12, ink::kMetal), ink::kSteel);
    c.Fill(Box(3, 9, 13, 10), ink::kSlate);
    c.Outlined(Box(4, 10, 12, 15), ink::kWhite, ink::kSlate);
    c.Fill(Box(6, 12, 10, 13), ink::kPaperLine);
    c.Fill(Box(12, 7, 14, 8), ink::kGreen);
}

void DrawPrintSetup(Canvas &c) {
    DrawPrinter(c);
    Shape gear = Gear({11.5f, 11.5f}, 3, 4.4f, 2.2f, 6, 1.3f);
    c.Fill(Grow(gear, 0.8f), ink::kWhite);
    c.Outlined(gear, Fade(7, ink::kGoldLight, 16, ink::kGold), ink::kGoldDark);
}

void DrawExit(Canvas &c) {
    c.Outlined(Box(2, 1, 11, 15), Fade(1, ink::kWoodLight, 15, ink::kWood), ink::kWoodDark);
    c.Fill(Rim(Box(4, 3, 9, 6), 1), ink::kWoodDark);
    c.Fill(Circle({9, 9}, 0.9f), ink::kGoldLight);
    Shape arrow = Join({Segment({6.5f, 9}, {11, 9}, 2.4f), Head({15.6f, 9}, 0, 5, 3.6f)});
    c.Fill(Grow(arrow, 0.9f), ink::kGreenDark);
    c.Fill(arrow, Fade(5, ink::kGreenLight, 13, ink::kGreen));
}

void DrawOptions(Canvas &c) {
    Shape gear = Gear({8, 8}, 5.2f, 7.5f, 2.6f, 8, 2.2f);
    c.Outlined(gear, Fade(1, ink::kSilver, 15, ink::kMetal), ink::kSteel);
}

void DrawKeyboard(Canvas &c) {
    c.Outlined(Box(1, 3, 16, 12, 1), Fade(3, ink::kWhite, 12, ink::kSilver), ink::kSteel);
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 4; ++k)
            c.Fill(Box(3.f + 3 * k, 5.f + 2 * row, 5.f + 3 * k, 6.f + 2 * row), ink::kSteel);
    c.Fill(Box(3, 9, 5, 10), ink::kSteel);
    c.Fill(Box(6, 9, 11, 10), ink::kSteel);
    c.Fill(Box(12, 9, 14, 10), ink::kSteel);
}

void DrawAbout(Canvas &c) {
    c.Outlined(Circle({8, 8}, 7.2f), Fade(1, ink::kBlueLight, 15, ink::kBlue), ink::kBlueDark);
    c.Fill(Circle({8, 4.6f}, 1.3f), ink::kWhite);
    c.Fill(Box(7, 7, 9, 12), ink::kWhite);
}

void DrawClose(Canvas &c) {
    Shape cross = Join({Segment({4, 4}, {12, 12}, 2.8f), Segment({12, 4}, {4, 12}, 2.8f)});
    c.Fill(Grow(cross, 0.9f), ink::kRedDark);
    c.Fill(cross, Fade(3, ink::kRedLight, 13, ink::kRed));
}

// The application icon: a listing with its selected line, and a magnifier.
IconImage DrawIcon(int size) {
    Canvas c(size, size);
    if (size >= 32) {
        Shape page = Polygon({{4, 1}, {19, 1}, {25, 7}, {25, 31}, {4, 31}});
        c.Outlined(page, VgaInk(kWhite), VgaInk(kBlack));
        c.Outlined(Polygon({{19, 1}, {19, 7}, {25, 7}}), VgaInk(kLightGrey), VgaInk(kBlack));
        c.Fill(Box(7, 5, 15, 7), VgaInk(kNavy));
        c.Fill(Box(10, 9, 21, 11), VgaInk(kDarkGrey));
        c.Fill(Box(5, 13, 24, 18), VgaInk(kBlue));
        c.Fill(Box(7, 14, 17, 16), VgaInk(kWhite));
        c.Fill(Box(10, 20, 19, 22), VgaInk(kDarkGrey));
        c.Fill(Box(7, 25, 13, 27), VgaInk(kNavy));
        Vec lens{21, 21};
        Shape handle = Segment(lens + Polar(6, 45), {29.5f, 29.5f}, 3.6f);
        c.Fill(Grow(handle, 1), VgaInk(kBlack));
        c.Fill(handle, VgaInk(kMaroon));
        c.Fill(Circle(lens, 7.2f), VgaInk(kBlack));
        c.Fill(Circle(lens, 6.2f), VgaInk(kLightGrey));
        c.Fill(Circle(lens, 5.0f), VgaInk(kBlack));
        c.Fill(Circle(lens, 4.1f), VgaInk(kAqua));
        c.Fill(Join({Box(18, 18, 20, 19), Box(18, 19, 19, 20)}), VgaInk(kWhite));
    } else {
        Shape page = Polygon({{1, 0}, {9, 0}, {12, 3}, {12, 16}, {1, 16}});
        c.Outlined(page, VgaInk(kWhite), VgaInk(kBlack));
        c.Outlined(Polygon({{9, 0}, {9, 3}, {12, 3}}), VgaInk(kLightGrey), VgaInk(kBlack));
        c.Fill(Box(3, 3, 8, 4), VgaInk(kNavy));
        c.Fill(Box(2, 5, 11, 8), VgaInk(kBlue));
        c.Fill(Box(3, 6, 8, 7), VgaInk(kWhite));
        c.Fill(Box(4, 9, 9, 10), VgaInk(kDarkGrey));
        c.Fill(Box(3, 12, 7, 13), VgaInk(kNavy));
        Vec lens{11, 11};
        Shape handle = Segment(lens + Polar(3, 45), {15, 15}, 2);
        c.Fill(Grow(handle, 0.6f), VgaInk(kBlack));
        c.Fill(handle, VgaInk(kMaroon));
        c.Fill(Circle(lens, 4), VgaInk(kBlack));
        c.Fill(Circle(lens, 3), VgaInk(kAqua));
        c.Fill(Box(9, 9, 10, 10), VgaInk(kWhite));
    }
    IconImage im{size, {}};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            im.index.push_back(c.Majority(x, y, kVga));
    return im;
}

// The search animation's page: function headings in blue, bodies in grey.
void DrawListing(Canvas &c) {
    Shape page = Polygon({{9, 3}, {29, 3}, {36, 10}, {36, 45}, {9, 45}});
    c.Outlined(page, ink::kWhite, ink::kMetal);
    c.Outlined(Polygon({{29, 3}, {29, 10}, {36, 10}}), ink::kCloud, ink::kMetal);
    struct Line {
        float indent, word, rest;
    };
    const Line lines[] = {{12, 8, 6},  {15, 11, 0}, {15, 8, 0}, {0, 0, 0}, {12, 10, 5},
                          {15, 13, 0}, {15, 6, 0},  {0, 0, 0},  {12, 7, 9}};
    for (int i = 0; i < 9; ++i) {
        const Line &l = lines[i];
        if (l.word == 0)
            continue;
        float y = 8 + 4 * float(i);
        bool heading = l.indent < 13;
        c.Fill(Box(l.indent, y, l.indent + l.word, y + 2), heading ? ink::kBlue : ink::kPaperLine);
        if (l.rest > 0)
            c.Fill(Box(l.indent + l.word + 1, y, l.indent + l.word + 1 + l.rest, y + 2), ink::kPaperLine);
    }
}

// One frame of the magnifier circling over the page, seen through the glass
// at twice the size. The path is a closed circle, so frames 0..n-1 loop
// without a jump; the last frame rests over a heading.
std::vector<Rgb8> DrawSearchFrame(int frame, int frames) {
    Canvas c(48, 48);
    DrawListing(c);
    float angle = 225 - 360.f * float(frames - 1 - frame) / float(frames);
    Vec lens = Vec{22, 21} + Polar(6, angle);
    float r = 8.5f;
    Shape glass = Circle(lens, r);
    c.View(glass, lens, 1.8f);
    c.Fill(glass, kFace);
    DrawListing(c);
    c.ResetView();
    c.Fill(glass, Hex(0x8CC4FF, 0.10f));
    c.Fill(Meet(Arc(lens, r - 2.6f, 1.6f, 195, 250), glass), Hex(0xFFFFFF, 0.75f));
    Vec dir = Polar(1, 45);
    Shape handle = Segment(lens + dir * (r + 3), lens + dir * (r + 11), 4.6f);
    c.Outlined(handle, Fade(lens.y, ink::kSteel, lens.y + 20, ink::kSlate), ink::kSlate);
    c.Fill(Segment(lens + dir * (r + 0.5f), lens + dir * (r + 3.5f), 3), ink::kMetal);
    c.Fill(Rim(glass, 1.2f), ink::kSteel);
    c.Fill(Rim(Grow(glass, 1.2f), 1.2f), ink::kSlate);
    return Opaque(c, kFace);
}

// Lays cells of `cell` pixels side by side.
std::vector<Rgb8> Strip(const std::vector<std::vector<Rgb8>> &cells, int cell) {
    int w = cell * int(cells.size());
    std::vector<Rgb8> out(size_t(w * cell));
    for (size_t i = 0; i < cells.size(); ++i)
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                out[size_t(y * w) + i * size_t(cell) + size_t(x)] = cells[i][size_t(y * cell + x)];
    return out;
}

template <class Draw> std::vector<Rgb8> Cell(int size, Draw draw) {
    Canvas c(size, size);
    // The 16x16 designs fill a larger cell by magnification.
    c.View(nullptr, {0, 0}, float(size) / 16);
    draw(c);
    return Keyed(c);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-art <output directory>\n");
        return 2;
    }
    std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);

    WriteIco(out / "veldo.ico", {DrawIcon(32), DrawIcon(16)});

    for (bool lit : {false, true}) {
        Tone t{lit};
        auto cells = {Cell(20, [&](Canvas &c) { DrawJump(c, t); }),
                      Cell(20, [&](Canvas &c) { DrawMoon(c, t, 20); })};
        WriteBmp24(out / (lit ? "toolbar_hot.bmp" : "toolbar_normal.bmp"), 40, 20, Strip(cells, 20));
    }

    Tone full;
    std::vector<std::vector<Rgb8>> menu = {
        Cell(16, DrawUpdate),     Cell(16, [&](Canvas &c) { DrawJump(c, full); }),
        Cell(16, DrawDisk),       Cell(16, DrawPrinter),
        Cell(16, DrawPrintSetup), Cell(16, [&](Canvas &c) { DrawMoon(c, full, 16); }),
        Cell(16, DrawExit),       Cell(16, DrawOptions),
        Cell(16, DrawKeyboard),   Cell(16, DrawAbout)};
    WriteBmp24(out / "menu.bmp", 16 * int(menu.size()), 16, Strip(menu, 16));
    WriteBmp24(out / "popup.bmp", 16, 16, Cell(16, DrawClose));

    constexpr int kFrames = 9, kFps = 8;
    std::vector<std::vector<Rgb8>> frames;
    for (int i = 0; i < kFrames; ++i)
        frames.push_back(DrawSearchFrame(i, kFrames));
    WriteAvi(out / "find.avi", 48, 48, kFps, frames, ToRgb8(kFace));
    return 0;
}
