// Point, Rect and Size: screen and client pixel geometry.
#pragma once
#include <cstdint>

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};
struct Rect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};
struct Size {
    int32_t width = 0;
    int32_t height = 0;
};
