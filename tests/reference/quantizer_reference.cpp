// The quantiser written step by step: hashed linked lists searched linearly, the
// pre-ordering pass, a stable insertion sort and a linear nearest-colour search.
#include "reference/quantizer_reference.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

ReferenceQuantizer::~ReferenceQuantizer() { release_working_storage(); }

void ReferenceQuantizer::release_working_storage() {
    for (Entry*& head : buckets) {
        while (head) {
            Entry* next = head->next;
            delete head;
            head = next;
        }
    }
    items.clear();
    boxes.clear();
}

void ReferenceQuantizer::compute_bounds(Box& box) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (int i = box.first; i < box.first + box.count; ++i) {
        for (int c = 0; c < 3; ++c) {
            if (items[i]->rgb[c] < lo[c]) lo[c] = items[i]->rgb[c];
            if (items[i]->rgb[c] > hi[c]) hi[c] = items[i]->rgb[c];
        }
    }
    int channel = 0;
    if (hi[1] - lo[1] > hi[channel] - lo[channel]) channel = 1;
    if (hi[2] - lo[2] > hi[channel] - lo[channel]) channel = 2;
    box.range = static_cast<uint8_t>(hi[channel] - lo[channel]);
    box.minimum = static_cast<uint8_t>(lo[channel]);
    box.channel = static_cast<uint8_t>(channel);
}

void ReferenceQuantizer::preorder(int first, int n, int range, int minimum, int channel) {
    const int mid = minimum + range / 2;
    int j = first;
    for (int k = first + 1; k < first + n; ++k) {
        if (items[k]->rgb[channel] < mid) {
            std::swap(items[j], items[k]);
            ++j;
        }
    }
    const int r2 = range / 2 + 1;
    if (r2 <= 2) return;
    if (j - first > 4) preorder(first, j - first, r2, minimum, channel);
    if (first + n - j > 4) preorder(j, first + n - j, r2, mid, channel);
}

void ReferenceQuantizer::split(int b, int second) {
    Box& box = boxes[b];
    const int ch = box.channel;
    if (box.count > 32) preorder(box.first, box.count, box.range, box.minimum, ch);
    for (int i = box.first + 1; i < box.first + box.count; ++i) {
        Entry* moving = items[i];
        int j = i;
        while (j > box.first && items[j - 1]->rgb[ch] > moving->rgb[ch]) {
            items[j] = items[j - 1];
            --j;
        }
        items[j] = moving;
    }
    const int half = box.pixels / 2;
    int walked = 0, sum = 0;
    while (walked < box.count) {
        sum += static_cast<int>(items[box.first + walked]->count);
        ++walked;
        if (sum >= half) break;
    }
    if (walked == box.count) {
        --walked;
        sum -= static_cast<int>(items[box.first + walked]->count);
    }
    Box& other = boxes[second];
    other.first = box.first + walked;
    other.count = box.count - walked;
    other.pixels = box.pixels - sum;
    box.count = walked;
    box.pixels = sum;
    compute_bounds(box);
    compute_bounds(other);
}

int ReferenceQuantizer::quantize(const uint8_t* rgb, int width, int height, int max_colours) {
    palette_colors.clear();
    palette_size = 0;
    distinct_count = 0;
    if (width <= 0 || height <= 0) return 0;
    max_colours = std::clamp(max_colours, 1, 256);

    for (int i = 0; i < width * height; ++i) {
        const uint8_t* p = rgb + 3 * i;
        Entry** link = &buckets[(p[0] + p[1] + p[2]) % 256];
        while (*link && !((*link)->rgb[0] == p[0] && (*link)->rgb[1] == p[1] && (*link)->rgb[2] == p[2]))
            link = &(*link)->next;
        if (*link) {
            ++(*link)->count;
        } else {
            *link = new Entry{{p[0], p[1], p[2]}, 1, nullptr};
            ++distinct_count;
        }
    }
    for (Entry* head : buckets)
        for (Entry* e = head; e; e = e->next) items.push_back(e);

    if (distinct_count <= max_colours) {
        palette_size = distinct_count;
        for (Entry* e : items) palette_colors.insert(palette_colors.end(), {e->rgb[2], e->rgb[1], e->rgb[0]});
        release_working_storage();
        return palette_size;
    }

    boxes.assign(static_cast<size_t>(max_colours), Box{});
    boxes[0].first = 0;
    boxes[0].count = distinct_count;
    boxes[0].pixels = width * height;
    compute_bounds(boxes[0]);
    for (int i = 1; i < max_colours; ++i) {
        int best = -1;
        for (int k = 0; k < i; ++k) {
            if (boxes[k].count == 1) continue;
            if (best < 0 || boxes[k].range > boxes[best].range) best = k;
        }
        split(best, i);
    }
    palette_size = max_colours;
    for (int k = 0; k < max_colours; ++k) {
        long long sum[3] = {0, 0, 0};
        for (int i = boxes[k].first; i < boxes[k].first + boxes[k].count; ++i)
            for (int c = 0; c < 3; ++c) sum[c] += static_cast<long long>(items[i]->count) * items[i]->rgb[c];
        for (int c = 2; c >= 0; --c) palette_colors.push_back(static_cast<uint8_t>(sum[c] / boxes[k].pixels));
    }
    release_working_storage();
    return palette_size;
}

void ReferenceQuantizer::map_dithered(const uint8_t* rgb, uint8_t* out, int width, int height) const {
    if (width <= 0 || height <= 0) return;
    std::vector<float> err(3 * static_cast<size_t>(width) * height, 0.0f);
    int previous = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x;
            float wanted[3];
            int target[3];
            for (int c = 0; c < 3; ++c) {
                wanted[c] = rgb[3 * i + c] + err[3 * i + c];
                target[c] = static_cast<int>(std::clamp(wanted[c], -1.0e6f, 1.0e6f));
            }
            int best = 768, chosen = previous;
            for (int k = 0; k < palette_size; ++k) {
                const uint8_t* bgr = &palette_colors[3 * k];
                const int d = std::abs(bgr[2] - target[0]) + std::abs(bgr[1] - target[1]) +
                              std::abs(bgr[0] - target[2]);
                if (d < best) {
                    best = d;
                    chosen = k;
                    if (d == 0) break;
                }
            }
            out[i] = static_cast<uint8_t>(chosen);
            previous = chosen;
            if (palette_size == 0) continue;
            const uint8_t* bgr = &palette_colors[3 * chosen];
            for (int c = 0; c < 3; ++c) {
                const float error = wanted[c] - bgr[2 - c];
                if (x < width - 1) err[3 * (i + 1) + c] += error * 7 / 16;
                if (y < height - 1) {
                    if (x > 0) err[3 * (i + width - 1) + c] += error * 3 / 16;
                    err[3 * (i + width) + c] += error * 5 / 16;
                    if (x < width - 1) err[3 * (i + width + 1) + c] += error * 1 / 16;
                }
            }
        }
    }
}
