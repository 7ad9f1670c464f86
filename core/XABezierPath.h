#pragma once

// Outlines made of straight and cubic Bézier segments, in the platform's drawing coordinates (origin at the bottom
// left, y growing upwards), and their rasterisation into a coverage mask for clipping images.

#include <cstddef>
#include <vector>

struct XAPoint {
    double x = 0;
    double y = 0;

    bool operator==(const XAPoint &) const = default;
};

class XABezierPath {
public:
    void moveTo(XAPoint point);
    void lineTo(XAPoint point);
    // A cubic segment from the current point to `end`.
    void curveTo(XAPoint end, XAPoint control1, XAPoint control2);
    // Ends the current outline with a straight line back to its start.
    void closePath();

    bool empty() const { return outlines_.empty(); }

    // Each outline as a closed polygon, every cubic segment cut into `stepsPerCurve` straight pieces.
    std::vector<std::vector<XAPoint>> flattened(int stepsPerCurve = 16) const;

    // The share (0 to 1) of every pixel of a width × height image that the path covers under the non-zero winding
    // rule, rows from the top, sampled 4 × 4 per pixel. Pixel (x, row) spans [x, x + 1] × [height − row − 1,
    // height − row] in path coordinates.
    std::vector<float> coverageMask(int width, int height) const;

private:
    struct Segment {
        XAPoint end;
        bool isCurve = false;
        XAPoint control1;
        XAPoint control2;
    };
    struct Outline {
        XAPoint start;
        std::vector<Segment> segments;
    };
    XAPoint currentPoint() const;

    std::vector<Outline> outlines_;
};

// The outline of an iOS 7 app icon on a square of the given side with its corner at the origin: straight edges
// between 0.3143 and 0.6857 of the side, joined by smooth corners.
XABezierPath XAiOS7AppIconPath(double side);
