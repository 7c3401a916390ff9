#pragma once
// Shapes as signed distance functions: negative inside, positive outside.
// Every combinator keeps the value a lower bound of the true distance, which
// lets the rasteriser skip supersampling wherever a pixel is far from an edge.

#include <functional>
#include <vector>

namespace folvane::drawing {

struct Point {
  double x = 0;
  double y = 0;
};

struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
};

struct Shape {
  Box bounds;
  std::function<double(Point)> distance;
};

Shape roundRect(double left, double top, double right, double bottom, double radius);
Shape circle(Point centre, double radius);
// A segment of the given width with round ends.
Shape thickLine(Point a, Point b, double width);
// A closed polygon; the winding of the points does not matter.
Shape polygon(std::vector<Point> points);
// Replaces each corner by a circular arc of the given radius (0 keeps it sharp).
std::vector<Point> roundCorners(const std::vector<Point>& corners, const std::vector<double>& radii);

Shape unite(const Shape& a, const Shape& b);
Shape intersect(const Shape& a, const Shape& b);
// What lies in a but not in b.
Shape subtract(const Shape& a, const Shape& b);
Shape rect(double left, double top, double right, double bottom);
// Grows (amount > 0) or shrinks (amount < 0) a shape by moving its edge.
Shape grow(const Shape& shape, double amount);
Shape translate(const Shape& shape, double dx, double dy);

}  // namespace folvane::drawing
