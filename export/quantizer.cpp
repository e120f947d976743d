// Median-cut quantiser. The histogram is hashed but keeps the order of 256 lists keyed
// by (r + g + b) mod 256 with colours in first-appearance order; the nearest-colour
// search is pruned and cached but picks exactly what a linear scan in palette order picks.
#include "export/quantizer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace {

struct Item {
    uint8_t c[3];     // red, green, blue
    uint8_t bucket;   // (red + green + blue) mod 256
    uint32_t count;   // pixels of this colour
};

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
    for (int k = 1; k < n; ++k)
        if (run[k].c[channel] < mid) std::swap(run[j++], run[k]);
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
    const int half = box.pixels / 2;
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
// NO_NEAR_COLOUR. Colours are scanned outward in order of r + g + b from the target's
// sum: |d(r+g+b)| never exceeds the distance, so the scan stops once it passes the best.
// Answers are cached by target; neighbouring pixels ask the same question often.
struct NearestColour {
    struct Entry { int sum, index; uint8_t c[3]; };
    struct Slot { int r, g, b, answer; };
    static constexpr int CACHE_BITS = 16;
    static constexpr int UNSET = -2;

    std::vector<Entry> by_sum;
    std::vector<Slot> cache;

    explicit NearestColour(const ColorQuantizer& q) : cache(size_t{1} << CACHE_BITS, {0, 0, 0, UNSET}) {
        for (int k = 0; k < q.palette_size; ++k) {
            const uint8_t* bgr = &q.palette_colors[3 * static_cast<size_t>(k)];
            by_sum.push_back({bgr[0] + bgr[1] + bgr[2], k, {bgr[2], bgr[1], bgr[0]}});
        }
        std::sort(by_sum.begin(), by_sum.end(), [](const Entry& a, const Entry& b) {
            return a.sum != b.sum ? a.sum < b.sum : a.index < b.index;
        });
    }

    // -1 when no colour lies nearer than NO_NEAR_COLOUR.
    int find(const int t[3]) {
        const uint32_t h = (static_cast<uint32_t>(t[0]) * 73856093u) ^
                           (static_cast<uint32_t>(t[1]) * 19349663u) ^
                           (static_cast<uint32_t>(t[2]) * 83492791u);
        Slot& slot = cache[(h ^ (h >> 16)) & ((1u << CACHE_BITS) - 1)];
        if (slot.answer != UNSET && slot.r == t[0] && slot.g == t[1] && slot.b == t[2])
            return slot.answer;
        slot = {t[0], t[1], t[2], search(t)};
        return slot.answer;
    }

    int search(const int t[3]) const {
        const int tsum = t[0] + t[1] + t[2];
        const int n = static_cast<int>(by_sum.size());
        const int start = static_cast<int>(
            std::lower_bound(by_sum.begin(), by_sum.end(), tsum,
                             [](const Entry& e, int s) { return e.sum < s; }) -
            by_sum.begin());
        int best_d = NO_NEAR_COLOUR, best_k = -1;
        auto consider = [&](const Entry& e) {
            const int d = std::abs(e.c[0] - t[0]) + std::abs(e.c[1] - t[1]) + std::abs(e.c[2] - t[2]);
            if (d < best_d || (d == best_d && best_k >= 0 && e.index < best_k)) {
                best_d = d;
                best_k = e.index;
            }
        };
        for (int up = start, down = start - 1; up < n || down >= 0;) {
            const bool up_open = up < n && by_sum[up].sum - tsum <= best_d;
            const bool down_open = down >= 0 && tsum - by_sum[down].sum <= best_d;
            if (!up_open && !down_open) break;
            if (up_open) consider(by_sum[up++]);
            if (down_open) consider(by_sum[down--]);
            if (!up_open) up = n;
            if (!down_open) down = -1;
        }
        return best_k;
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
