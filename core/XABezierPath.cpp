#include "core/XABezierPath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

void XABezierPath::moveTo(XAPoint point) { outlines_.push_back({point, {}}); }

XAPoint XABezierPath::currentPoint() const {
    if (outlines_.empty()) {
        return {};
    }
    const Outline &outline = outlines_.back();
    return outline.segments.empty() ? outline.start : outline.segments.back().end;
}

void XABezierPath::lineTo(XAPoint point) {
    if (outlines_.empty()) {
        moveTo({});
    }
    outlines_.back().segments.push_back({point, false, {}, {}});
}

void XABezierPath::curveTo(XAPoint end, XAPoint control1, XAPoint control2) {
    if (outlines_.empty()) {
        moveTo({});
    }
    outlines_.back().segments.push_back({end, true, control1, control2});
}

void XABezierPath::closePath() {
    if (!outlines_.empty() && !(currentPoint() == outlines_.back().start)) {
        lineTo(outlines_.back().start);
    }
}

namespace {

XAPoint cubicPoint(XAPoint p0, XAPoint p1, XAPoint p2, XAPoint p3, double t) {
    const double u = 1 - t;
    const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
    return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

// Where a horizontal line crosses one edge, and which way the edge runs.
struct Crossing {
    double x;
    int direction;
};

constexpr int kSamplesPerSide = 4;

} // namespace

std::vector<std::vector<XAPoint>> XABezierPath::flattened(int stepsPerCurve) const {
    std::vector<std::vector<XAPoint>> polygons;
    for (const Outline &outline : outlines_) {
        std::vector<XAPoint> polygon{outline.start};
        for (const Segment &segment : outline.segments) {
            if (!segment.isCurve) {
                polygon.push_back(segment.end);
                continue;
            }
            const XAPoint from = polygon.back();
            for (int step = 1; step <= stepsPerCurve; ++step) {
                polygon.push_back(cubicPoint(from, segment.control1, segment.control2, segment.end,
                                             static_cast<double>(step) / stepsPerCurve));
            }
        }
        polygons.push_back(std::move(polygon));
    }
    return polygons;
}

std::vector<float> XABezierPath::coverageMask(int width, int height) const {
    std::vector<float> mask(static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0)), 0);
    const std::vector<std::vector<XAPoint>> polygons = flattened();
    const float sampleShare = 1.0f / (kSamplesPerSide * kSamplesPerSide);
    std::vector<Crossing> crossings;
    for (int sampleRow = 0; sampleRow < height * kSamplesPerSide; ++sampleRow) {
        const double y = height - (sampleRow + 0.5) / kSamplesPerSide;
        crossings.clear();
        for (const std::vector<XAPoint> &polygon : polygons) {
            for (size_t i = 0; i < polygon.size(); ++i) {
                const XAPoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
                if ((a.y <= y) != (b.y <= y)) {
                    crossings.push_back({a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), b.y > a.y ? 1 : -1});
                }
            }
        }
        std::sort(crossings.begin(), crossings.end(), [](const Crossing &l, const Crossing &r) { return l.x < r.x; });
        float *row = mask.data() + static_cast<size_t>(sampleRow / kSamplesPerSide) * static_cast<size_t>(width);
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].direction;
            if (winding == 0) {
                continue;
            }
            // Samples whose centres lie between the two crossings.
            const int first = std::max(0, static_cast<int>(std::ceil(crossings[i].x * kSamplesPerSide - 0.5)));
            const int end = std::min(width * kSamplesPerSide,
                                     static_cast<int>(std::ceil(crossings[i + 1].x * kSamplesPerSide - 0.5)));
            for (int sample = first; sample < end; ++sample) {
                row[sample / kSamplesPerSide] += sampleShare;
            }
        }
    }
    return mask;
}

namespace {

// One corner as a start point and cubic segments (end, first control, second control), in fractions of the side.
struct Corner {
    XAPoint start;
    std::vector<std::array<XAPoint, 3>> segments;
};

// The corner at (1, 0), from the right edge to the bottom edge.
Corner firstCorner() {
    return {{1, 0.3143},
            {{{{0.9998, 0.2776}, {1, 0.3052}, {0.9999, 0.2927}}},
             {{{0.9994, 0.2476}, {0.9996, 0.2616}, {0.9995, 0.2551}}},
             {{{0.9937, 0.1822}, {0.999, 0.2252}, {0.9975, 0.2025}}},
             {{{0.9737, 0.1199}, {0.9895, 0.1601}, {0.9839, 0.14}}},
             {{{0.9339, 0.0661}, {0.9634, 0.0995}, {0.9492, 0.0819}}},
             {{{0.8801, 0.0263}, {0.9181, 0.0508}, {0.9005, 0.0366}}},
             {{{0.8178, 0.0063}, {0.86, 0.0161}, {0.8399, 0.0105}}},
             {{{0.7524, 0.0006}, {0.7975, 0.0025}, {0.7748, 0.0011}}},
             {{{0.7224, 0.0002}, {0.7449, 0.0005}, {0.7384, 0.0004}}},
             {{{0.6857, 0}, {0.7073, 0.0001}, {0.6948, 0}}}}};
}

Corner transformed(const Corner &corner, const std::function<XAPoint(XAPoint)> &transform) {
    Corner result{transform(corner.start), {}};
    for (const auto &[end, control1, control2] : corner.segments) {
        result.segments.push_back({transform(end), transform(control1), transform(control2)});
    }
    return result;
}

// The same curve run from its end to its start.
Corner reversed(const Corner &corner) {
    Corner result{corner.segments.back()[0], {}};
    for (size_t i = corner.segments.size(); i-- > 0;) {
        const XAPoint end = i == 0 ? corner.start : corner.segments[i - 1][0];
        result.segments.push_back({end, corner.segments[i][2], corner.segments[i][1]});
    }
    return result;
}

} // namespace

XABezierPath XAiOS7AppIconPath(double side) {
    const auto scaled = [side](XAPoint p) { return XAPoint{p.x * side, p.y * side}; };
    const Corner bottomRight = firstCorner();
    const Corner bottomLeft = reversed(transformed(bottomRight, [](XAPoint p) { return XAPoint{1 - p.x, p.y}; }));
    const Corner topLeft = transformed(bottomRight, [](XAPoint p) { return XAPoint{1 - p.x, 1 - p.y}; });
    const Corner topRight = reversed(transformed(bottomRight, [](XAPoint p) { return XAPoint{p.x, 1 - p.y}; }));
    XABezierPath path;
    const auto addCorner = [&](const Corner &corner) {
        for (const auto &[end, control1, control2] : corner.segments) {
            path.curveTo(scaled(end), scaled(control1), scaled(control2));
        }
    };
    path.moveTo(scaled(bottomRight.start));
    addCorner(bottomRight);
    path.curveTo(scaled({0.3143, 0}), scaled({0.6392, 0}), scaled({0.3608, 0}));
    addCorner(bottomLeft);
    path.lineTo(scaled({0, 0.6857}));
    addCorner(topLeft);
    path.curveTo(scaled({0.6857, 1}), scaled({0.3608, 1}), scaled({0.6392, 1}));
    addCorner(topRight);
    path.closePath();
    return path;
}
