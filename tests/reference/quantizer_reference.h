// A literal, slow median-cut quantiser: the yardstick the fast one must match byte for byte.
#pragma once
#include <cstdint>
#include <vector>

// Same contract as ColorQuantizer: pixels as red, green, blue from the top row; the
// palette as blue, green, red.
class ReferenceQuantizer {
public:
    ReferenceQuantizer() = default;
    ReferenceQuantizer(const ReferenceQuantizer&) = delete;  // owns its lists
    ReferenceQuantizer& operator=(const ReferenceQuantizer&) = delete;
    virtual ~ReferenceQuantizer();
    int quantize(const uint8_t* rgb, int width, int height, int max_colours);
    void map_dithered(const uint8_t* rgb, uint8_t* out, int width, int height) const;

    int palette_size = 0;
    std::vector<uint8_t> palette_colors;
    int distinct_count = 0;

private:
    struct Entry {
        uint8_t rgb[3];
        uint32_t count;
        Entry* next;
    };
    struct Box {
        int first, count, pixels;
        uint8_t range, minimum, channel;
    };
    Entry* buckets[256] = {};
    std::vector<Entry*> items;
    std::vector<Box> boxes;

    void release_working_storage();
    void compute_bounds(Box& box);
    void preorder(int first, int n, int range, int minimum, int channel);
    void split(int box, int second);
};
