#include "quantise.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <unordered_map>

namespace art {
namespace {

constexpr std::size_t kPaletteSize = 256;

std::uint32_t key_of(Rgb c) {
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

struct Weighted {
    Rgb colour;
    std::uint64_t count;
};

// A run of colours [begin, end) that will become one palette entry.
struct Box {
    std::size_t begin;
    std::size_t end;
};

int channel(Rgb c, int which) {
    return which == 0 ? c.r : which == 1 ? c.g : c.b;
}

// The channel with the widest spread in the box, and that spread.
std::pair<int, int> widest_channel(const std::vector<Weighted>& colours, Box box) {
    std::array<int, 3> low = {255, 255, 255};
    std::array<int, 3> high = {0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], channel(colours[i].colour, c));
            high[c] = std::max(high[c], channel(colours[i].colour, c));
        }
    }
    int best = 0;
    for (int c = 1; c < 3; ++c) {
        if (high[c] - low[c] > high[best] - low[best]) best = c;
    }
    return {best, high[best] - low[best]};
}

// Splits the box with the widest spread at its weighted median until there are
// `wanted` boxes or no box can be split.
std::vector<Box> median_cut(std::vector<Weighted>& colours, std::size_t wanted) {
    std::vector<Box> boxes = {{0, colours.size()}};
    while (boxes.size() < wanted) {
        std::size_t chosen = boxes.size();
        int chosen_channel = 0;
        int chosen_spread = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            auto [which, spread] = widest_channel(colours, boxes[i]);
            if (spread > chosen_spread) {
                chosen = i;
                chosen_channel = which;
                chosen_spread = spread;
            }
        }
        if (chosen == boxes.size()) break;
        Box box = boxes[chosen];
        auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
        auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [chosen_channel](const Weighted& a, const Weighted& b) {
            return channel(a.colour, chosen_channel) < channel(b.colour, chosen_channel);
        });
        std::uint64_t total = 0;
        for (auto it = first; it != last; ++it) total += it->count;
        std::uint64_t running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total) break;
        }
        boxes[chosen] = {box.begin, split};
        boxes.push_back({split, box.end});
    }
    return boxes;
}

Rgb mean_colour(const std::vector<Weighted>& colours, Box box) {
    std::uint64_t sum[3] = {0, 0, 0};
    std::uint64_t total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) sum[c] += channel(colours[i].colour, c) * colours[i].count;
        total += colours[i].count;
    }
    auto mean = [total](std::uint64_t s) {
        return static_cast<std::uint8_t>((s + total / 2) / total);
    };
    Rgb result = {mean(sum[0]), mean(sum[1]), mean(sum[2])};
    // An opaque colour must never come out as the transparent one.
    if (result == kTransparent) result = {1, 1, 1};
    return result;
}

std::uint8_t nearest(const std::vector<Rgb>& palette, Rgb colour) {
    std::size_t best = 0;
    int best_distance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i] == kTransparent) continue;
        const int dr = palette[i].r - colour.r;
        const int dg = palette[i].g - colour.g;
        const int db = palette[i].b - colour.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < best_distance) {
            best = i;
            best_distance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage quantise(const RgbImage& image) {
    std::unordered_map<std::uint32_t, std::uint64_t> counts;
    for (const Rgb& pixel : image.pixels) {
        if (pixel != kTransparent) ++counts[key_of(pixel)];
    }
    std::vector<Weighted> colours;
    colours.reserve(counts.size());
    for (auto [key, count] : counts) {
        colours.push_back({{static_cast<std::uint8_t>(key >> 16),
                            static_cast<std::uint8_t>(key >> 8), static_cast<std::uint8_t>(key)},
                           count});
    }
    // Same input, same palette: the hash map's order must not leak out.
    std::sort(colours.begin(), colours.end(), [](const Weighted& a, const Weighted& b) {
        return key_of(a.colour) < key_of(b.colour);
    });

    IndexedImage result{image.width, image.height, {}, {}};
    // Index 0 is the transparent colour, present or not, so the palette always
    // offers it at a fixed place.
    result.palette.push_back(kTransparent);
    std::unordered_map<std::uint32_t, std::uint8_t> index_of;
    if (colours.size() < kPaletteSize) {
        for (const Weighted& w : colours) {
            index_of[key_of(w.colour)] = static_cast<std::uint8_t>(result.palette.size());
            result.palette.push_back(w.colour);
        }
    } else {
        for (Box box : median_cut(colours, kPaletteSize - 1)) {
            result.palette.push_back(mean_colour(colours, box));
        }
        for (const Weighted& w : colours)
            index_of[key_of(w.colour)] = nearest(result.palette, w.colour);
    }

    result.indices.reserve(image.pixels.size());
    for (const Rgb& pixel : image.pixels) {
        result.indices.push_back(pixel == kTransparent ? std::uint8_t{0} : index_of[key_of(pixel)]);
    }
    return result;
}

RgbImage expand(const IndexedImage& image) {
    RgbImage result{image.width, image.height, {}};
    result.pixels.reserve(image.indices.size());
    for (std::uint8_t index : image.indices) result.pixels.push_back(image.palette[index]);
    return result;
}

}  // namespace art
