// Median-cut quantiser. The histogram is hashed but keeps the order of 256 lists keyed
// by (r + g + b) mod 256 with colours in first-appearance order; the nearest-colour
// search looks only at the colours that can win in the target's neighbourhood, yet picks
// exactly what a scan of the whole palette in palette order picks.
#include "export/quantizer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

struct Item {  // 8 bytes: exchanged as one word
    uint8_t c[3];     // red, green, blue
    uint8_t bucket;   // (red + green + blue) mod 256
    uint32_t count;   // pixels of this colour
};
static_assert(sizeof(Item) == 8);

struct Box {
    int first = 0;
    int count = 0;   // items
    int pixels = 0;  // sum of the items' counts
    int range = 0, minimum = 0, channel = 0;  // of the widest channel
};

constexpr uint32_t EMPTY_SLOT = 0xFFFFFFFFu;
constexpr int SPLIT_PREORDER_ABOVE = 32;
constexpr int NO_NEAR_COLOUR = 768;  // a distance no palette colour may reach

uint32_t pack(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16); }

// Distinct colours in bucket order, first appearance within a bucket.
std::vector<Item> build_histogram(const uint8_t* rgb, size_t n) {
    size_t slots = 1024;
    while (slots < 2 * std::min<size_t>(n, size_t{1} << 24)) slots *= 2;
    const uint32_t mask = static_cast<uint32_t>(slots - 1);
    std::vector<uint32_t> table(slots, EMPTY_SLOT);
    std::vector<Item> seen;  // first-appearance order
    uint32_t last_key = EMPTY_SLOT, last_index = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint8_t* p = rgb + 3 * i;
        const uint32_t key = pack(p);
        if (key == last_key) {  // runs of one colour are common in real pictures
            ++seen[last_index].count;
            continue;
        }
        const uint32_t h = key * 0x9E3779B1u;
        uint32_t slot = (h ^ (h >> 15)) & mask;
        while (table[slot] != EMPTY_SLOT && pack(seen[table[slot]].c) != key)
            slot = (slot + 1) & mask;
        if (table[slot] == EMPTY_SLOT) {
            table[slot] = static_cast<uint32_t>(seen.size());
            seen.push_back({{p[0], p[1], p[2]}, static_cast<uint8_t>(p[0] + p[1] + p[2]), 0});
        }
        last_key = key;
        last_index = table[slot];
        ++seen[last_index].count;
    }
    // A stable counting sort by bucket gives the order of walking the 256 lists.
    std::array<size_t, 257> start{};
    for (const Item& it : seen) ++start[it.bucket + 1];
    for (int b = 0; b < 256; ++b) start[b + 1] += start[b];
    std::vector<Item> items(seen.size());
    for (const Item& it : seen) items[start[it.bucket]++] = it;
    return items;
}

void compute_bounds(const std::vector<Item>& items, Box& box) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (int i = box.first; i < box.first + box.count; ++i)
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min<int>(lo[c], items[i].c[c]);
            hi[c] = std::max<int>(hi[c], items[i].c[c]);
        }
    box.channel = 0;
    for (int c = 1; c < 3; ++c)
        if (hi[c] - lo[c] > hi[box.channel] - lo[box.channel]) box.channel = c;
    box.range = hi[box.channel] - lo[box.channel];
    box.minimum = lo[box.channel];
}

// Partitions around the middle of the range, recursively; it fixes the order of equal
// values, so the unstable exchange and the untested first item are kept as they are.
void preorder(Item* run, int n, int range, int minimum, int channel) {
    const int mid = minimum + range / 2;
    int j = 0;
    for (int k = 1; k < n; ++k) {
        // The exchange without a branch: on random colours the test is a coin toss.
        uint64_t a, b;
        std::memcpy(&a, &run[j], sizeof a);
        std::memcpy(&b, &run[k], sizeof b);
        const bool below = run[k].c[channel] < mid;
        const uint64_t flip = (a ^ b) & (0 - static_cast<uint64_t>(below));
        a ^= flip;
        b ^= flip;
        std::memcpy(&run[j], &a, sizeof a);
        std::memcpy(&run[k], &b, sizeof b);
        j += below;
    }
    const int next_range = range / 2 + 1;
    if (next_range <= 2) return;
    if (j > 4) preorder(run, j, next_range, minimum, channel);
    if (n - j > 4) preorder(run + j, n - j, next_range, mid, channel);
}

// A stable counting sort gives the same order as a stable insertion sort.
void sort_by_channel(Item* run, int n, int channel, std::vector<Item>& scratch) {
    std::array<int, 257> start{};
    for (int i = 0; i < n; ++i) ++start[run[i].c[channel] + 1];
    for (int v = 0; v < 256; ++v) start[v + 1] += start[v];
    scratch.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) scratch[start[run[i].c[channel]]++] = run[i];
    std::copy(scratch.begin(), scratch.end(), run);
}

void split_box(std::vector<Item>& items, Box& box, Box& second, std::vector<Item>& scratch) {
    Item* run = items.data() + box.first;
    if (box.count > SPLIT_PREORDER_ABOVE)
        preorder(run, box.count, box.range, box.minimum, box.channel);
    sort_by_channel(run, box.count, box.channel, scratch);
    const int half = box.pixels / 2;  // at least 1: a split box has two or more pixels
    int taken = 0, sum = 0;
    while (taken < box.count && sum < half) sum += static_cast<int>(run[taken++].count);
    if (taken == box.count) sum -= static_cast<int>(run[--taken].count);
    second = {box.first + taken, box.count - taken, box.pixels - sum, 0, 0, 0};
    box.count = taken;
    box.pixels = sum;
    compute_bounds(items, box);
    compute_bounds(items, second);
}

// The largest range among boxes of more than one item; the lowest number wins ties.
int widest_box(const std::vector<Box>& boxes, int used) {
    int best = -1;
    for (int k = 0; k < used; ++k)
        if (boxes[k].count != 1 && (best < 0 || boxes[k].range > boxes[best].range)) best = k;
    return best;
}

void put_palette_colour(std::vector<uint8_t>& palette, int k, const int rgb[3]) {
    for (int c = 0; c < 3; ++c) palette[3 * static_cast<size_t>(k) + 2 - c] = static_cast<uint8_t>(rgb[c]);
}

// Truncation toward zero; absurd values are held at a bound so the conversion is defined.
int truncate_toward_zero(float v) {
    return static_cast<int>(std::clamp(v, -1.0e6f, 1.0e6f));
}

// Nearest palette colour by |dr| + |dg| + |db|, lowest index among equals, only below
// NO_NEAR_COLOUR. A target outside 0..255 in a channel (dithering can overshoot) is
// equally far beyond every colour there, so it ranks colours as its clamped value does;
// only the final distance needs the real target.
// Clamped targets fall in cubic cells. A cell lists the colours no farther from it than
// the smallest worst-case distance of any colour -- every nearest colour of every point
// in it, ties included, is among them -- ordered by that distance from the cell, then by
// index. The scan stops once a colour's distance from the cell exceeds the best found, so
// it picks what a scan of the whole palette picks. A coarse cell holding many colours (a
// dense palette) is split into fine cells, whose lists are drawn from the coarse one.
struct NearestColour {
    static constexpr int COARSE_BITS = 4, FINE_BITS = 2;
    static constexpr int COARSE_PER_AXIS = 256 >> COARSE_BITS;
    static constexpr int FINE_PER_AXIS = 1 << (COARSE_BITS - FINE_BITS);
    static constexpr int DENSE = 24;  // coarse lists longer than this get fine cells
    static constexpr int UNBUILT = -1;

    struct Colour { uint8_t c[3]; };
    struct Cell { int32_t start = UNBUILT, count = 0, fine = UNBUILT; };
    std::vector<Colour> palette;       // red, green, blue in palette order
    std::vector<Cell> coarse, fine;
    std::vector<uint32_t> lists;       // distance from the cell << 8 | index, ascending per cell
    std::vector<uint32_t> source;      // scratch: the colours a new list is drawn from

    explicit NearestColour(const ColorQuantizer& q)
        : coarse(static_cast<size_t>(COARSE_PER_AXIS) * COARSE_PER_AXIS * COARSE_PER_AXIS) {
        for (int k = 0; k < q.palette_size; ++k) {
            const uint8_t* bgr = &q.palette_colors[3 * static_cast<size_t>(k)];
            palette.push_back({{bgr[2], bgr[1], bgr[0]}});
        }
    }

    // Fills the list of the cell of the given size containing t, drawing on `source`.
    void build(Cell& cell, const int t[3], int bits) {
        const int size = 1 << bits;
        int lo[3], hi[3];
        for (int c = 0; c < 3; ++c) {
            lo[c] = t[c] & ~(size - 1);
            hi[c] = lo[c] + size - 1;
        }
        int worst_best = 1 << 30;
        for (uint32_t entry : source) {
            const Colour& p = palette[entry & 0xFF];
            int far = 0;
            for (int c = 0; c < 3; ++c) far += std::max(std::abs(p.c[c] - lo[c]), std::abs(p.c[c] - hi[c]));
            worst_best = std::min(worst_best, far);
        }
        cell.start = static_cast<int32_t>(lists.size());
        for (uint32_t entry : source) {
            const Colour& p = palette[entry & 0xFF];
            int near = 0;
            for (int c = 0; c < 3; ++c) near += std::max({0, lo[c] - p.c[c], p.c[c] - hi[c]});
            if (near <= worst_best) lists.push_back(static_cast<uint32_t>(near) << 8 | (entry & 0xFF));
        }
        cell.count = static_cast<int32_t>(lists.size()) - cell.start;
        std::sort(lists.begin() + cell.start, lists.end());
    }

    // Cells are built on first use: most pictures touch few of them.
    const Cell& cell_of(const int t[3]) {
        size_t index = 0;
        for (int c = 0; c < 3; ++c) index = index * COARSE_PER_AXIS + static_cast<size_t>(t[c] >> COARSE_BITS);
        Cell& big = coarse[index];
        if (big.start == UNBUILT) {
            source.clear();
            for (uint32_t k = 0; k < palette.size(); ++k) source.push_back(k);
            build(big, t, COARSE_BITS);
        }
        if (big.count <= DENSE) return big;
        if (big.fine == UNBUILT) {
            big.fine = static_cast<int32_t>(fine.size());
            fine.resize(fine.size() + FINE_PER_AXIS * FINE_PER_AXIS * FINE_PER_AXIS);
        }
        size_t sub = 0;
        for (int c = 0; c < 3; ++c)
            sub = sub * FINE_PER_AXIS + static_cast<size_t>((t[c] >> FINE_BITS) & (FINE_PER_AXIS - 1));
        Cell& small = fine[static_cast<size_t>(big.fine) + sub];
        if (small.start == UNBUILT) {
            source.assign(lists.begin() + big.start, lists.begin() + big.start + big.count);
            build(small, t, FINE_BITS);
        }
        return small;
    }

    static int distance(const Colour& p, const int t[3]) {
        return std::abs(p.c[0] - t[0]) + std::abs(p.c[1] - t[1]) + std::abs(p.c[2] - t[2]);
    }

    // -1 when no colour lies nearer than NO_NEAR_COLOUR.
    int find(const int target[3]) {
        const int t[3] = {std::clamp(target[0], 0, 255), std::clamp(target[1], 0, 255),
                          std::clamp(target[2], 0, 255)};
        const Cell& cell = cell_of(t);
        const uint32_t* list = lists.data() + cell.start;
        uint32_t best_d = 1u << 30;
        int best_k = 0;
        for (int i = 0; i < cell.count && (list[i] >> 8) <= best_d; ++i) {
            const int k = static_cast<int>(list[i] & 0xFF);
            const auto d = static_cast<uint32_t>(distance(palette[static_cast<size_t>(k)], t));
            if (d < best_d || (d == best_d && k < best_k)) {
                best_d = d;
                best_k = k;
            }
        }
        return distance(palette[static_cast<size_t>(best_k)], target) < NO_NEAR_COLOUR ? best_k : -1;
    }
};

}  // namespace

int ColorQuantizer::quantize(const uint8_t* rgb, int width, int height, int max_colours) {
    palette_colors.clear();
    palette_size = 0;
    distinct_count = 0;
    if (width <= 0 || height <= 0 ||
        static_cast<int64_t>(width) * height > QUANTIZER_MAX_PIXELS)
        return 0;
    max_colours = std::clamp(max_colours, 1, QUANTIZER_MAX_COLOURS);
    const size_t n = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<Item> items = build_histogram(rgb, n);
    distinct_count = static_cast<int>(items.size());

    if (distinct_count <= max_colours) {
        palette_size = distinct_count;
        palette_colors.resize(3 * items.size());
        for (int k = 0; k < distinct_count; ++k) {
            const int c[3] = {items[k].c[0], items[k].c[1], items[k].c[2]};
            put_palette_colour(palette_colors, k, c);
        }
        return palette_size;
    }

    std::vector<Box> boxes(static_cast<size_t>(max_colours));
    std::vector<Item> scratch;
    boxes[0] = {0, distinct_count, static_cast<int>(n), 0, 0, 0};
    compute_bounds(items, boxes[0]);
    for (int i = 1; i < max_colours; ++i)
        split_box(items, boxes[widest_box(boxes, i)], boxes[i], scratch);

    palette_size = max_colours;
    palette_colors.resize(3 * static_cast<size_t>(max_colours));
    for (int k = 0; k < max_colours; ++k) {
        int64_t sums[3] = {0, 0, 0};
        for (int i = boxes[k].first; i < boxes[k].first + boxes[k].count; ++i)
            for (int c = 0; c < 3; ++c) sums[c] += int64_t{items[i].count} * items[i].c[c];
        int mean[3];
        for (int c = 0; c < 3; ++c) mean[c] = static_cast<int>(sums[c] / boxes[k].pixels);
        put_palette_colour(palette_colors, k, mean);
    }
    return palette_size;
}

void ColorQuantizer::map_dithered(const uint8_t* rgb, uint8_t* out, int width, int height) const {
    if (width <= 0 || height <= 0) return;
    const size_t n = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (palette_size == 0) {
        std::fill(out, out + n, uint8_t{0});
        return;
    }
    NearestColour nearest(*this);
    // Errors only ever reach the next row: two rows of three channels suffice.
    const size_t row = 3 * static_cast<size_t>(width);
    std::vector<float> errors(2 * row, 0.0f);
    float* cur = errors.data();
    float* next = cur + row;
    int chosen = 0;  // the fallback for a first pixel with no colour near enough
    for (int y = 0; y < height; ++y) {
        const bool last_row = y + 1 == height;
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = rgb + 3 * (static_cast<size_t>(y) * width + x);
            float* e = cur + 3 * static_cast<size_t>(x);
            float wanted[3];
            int target[3];
            for (int c = 0; c < 3; ++c) {
                wanted[c] = p[c] + e[c];
                target[c] = truncate_toward_zero(wanted[c]);
            }
            const int k = nearest.find(target);
            if (k >= 0) chosen = k;
            out[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(chosen);
            const uint8_t* bgr = &palette_colors[3 * static_cast<size_t>(chosen)];
            for (int c = 0; c < 3; ++c) {
                const float error = wanted[c] - bgr[2 - c];
                if (x + 1 < width) e[3 + c] += error * 7 / 16;
                if (last_row) continue;
                float* below = next + 3 * static_cast<size_t>(x) + c;
                if (x > 0) below[-3] += error * 3 / 16;
                below[0] += error * 5 / 16;
                if (x + 1 < width) below[3] += error * 1 / 16;
            }
        }
        std::swap(cur, next);
        std::fill(next, next + row, 0.0f);
    }
}
