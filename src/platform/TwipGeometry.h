#pragma once

namespace pinatlas {

// Geometry in twips (1/1440 inch), the unit every layout rule computes in;
// `Twips` turns it into pixels at the widget.
struct TwipPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct TwipLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const TwipLine&) const = default;
};

} // namespace pinatlas
