// Shapes as signed distance functions for the artwork generators: a shape answers, for a point in
// pixel units (pixel (i, j) covers [i, i + 1) × [j, j + 1)), its distance to the shape's edge,
// negative inside. Union, intersection and cut-outs combine distances; the painter samples them.
#pragma once

#include <functional>
#include <initializer_list>
#include <vector>

namespace art_kit {

struct TPointF {
    float X = 0;
    float Y = 0;
};

using TShape = std::function<float(float x, float y)>;

// Distance from P to the segment A-B.
float SegmentDistance(TPointF p, TPointF a, TPointF b);

TShape Circle(float cx, float cy, float r);
TShape Ellipse(float cx, float cy, float rx, float ry);
// Axis-aligned box from (x0, y0) to (x1, y1) with corners rounded by Radius.
TShape Box(float x0, float y0, float x1, float y1, float radius = 0);
// A closed polygon, filled by the even-odd rule.
TShape Polygon(std::vector<TPointF> points);
// A line from A to B, Width thick, with round ends.
TShape Line(TPointF a, TPointF b, float width);
// Open line through Points, Width thick, with round ends and joins.
TShape Polyline(std::vector<TPointF> points, float width);
// A circular ring between radii Inner and Outer.
TShape Ring(float cx, float cy, float inner, float outer);
// A gear: Teeth teeth reaching from Root to Tip around the centre.
TShape Gear(float cx, float cy, float root, float tip, int teeth);

TShape Union(std::initializer_list<TShape> shapes);
TShape Intersect(TShape a, TShape b);
// A with B cut out.
TShape Cut(TShape a, TShape b);
// The band of A within Width of its edge, inside A.
TShape InnerBand(TShape a, float width);
TShape Moved(TShape a, float dx, float dy);
// A grown by Amount on every side (shrunk when Amount is negative), its corners rounded.
TShape Grown(TShape a, float amount);

} // namespace art_kit
