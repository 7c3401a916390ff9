#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace folvane::drawing {
namespace {

constexpr double kPi = 3.14159265358979323846;

double segmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

Box boundsOf(const std::vector<Point>& points) {
  Box box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x);
    box.bottom = std::max(box.bottom, p.y);
  }
  return box;
}

Box merge(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

}  // namespace

Shape roundRect(double left, double top, double right, double bottom, double radius) {
  const double cx = (left + right) / 2, cy = (top + bottom) / 2;
  const double hx = (right - left) / 2, hy = (bottom - top) / 2;
  radius = std::min({radius, hx, hy});
  return {{left, top, right, bottom}, [=](Point p) {
            const double qx = std::abs(p.x - cx) - (hx - radius);
            const double qy = std::abs(p.y - cy) - (hy - radius);
            const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
            return outside + std::min(std::max(qx, qy), 0.0) - radius;
          }};
}

Shape circle(Point centre, double radius) {
  return {{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius},
          [=](Point p) { return std::hypot(p.x - centre.x, p.y - centre.y) - radius; }};
}

Shape thickLine(Point a, Point b, double width) {
  const double half = width / 2;
  Box box = boundsOf({a, b});
  box = {box.left - half, box.top - half, box.right + half, box.bottom + half};
  return {box, [=](Point p) { return segmentDistance(p, a, b) - half; }};
}

Shape polygon(std::vector<Point> points) {
  const Box box = boundsOf(points);
  return {box, [points = std::move(points)](Point p) {
            double nearest = 1e300;
            bool inside = false;
            for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
              const Point a = points[j], b = points[i];
              nearest = std::min(nearest, segmentDistance(p, a, b));
              // Even-odd crossing test on a horizontal ray to the right.
              if ((a.y > p.y) != (b.y > p.y) &&
                  p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) {
                inside = !inside;
              }
            }
            return inside ? -nearest : nearest;
          }};
}

std::vector<Point> roundCorners(const std::vector<Point>& corners, const std::vector<double>& radii) {
  std::vector<Point> out;
  const size_t n = corners.size();
  for (size_t i = 0; i < n; ++i) {
    const Point p = corners[i], prev = corners[(i + n - 1) % n], next = corners[(i + 1) % n];
    const double radius = i < radii.size() ? radii[i] : 0;
    const double ux = prev.x - p.x, uy = prev.y - p.y, vx = next.x - p.x, vy = next.y - p.y;
    const double ul = std::hypot(ux, uy), vl = std::hypot(vx, vy);
    const double angle = std::acos(std::clamp((ux * vx + uy * vy) / (ul * vl), -1.0, 1.0));
    if (radius <= 0 || angle < 1e-6 || angle > kPi - 1e-6) {
      out.push_back(p);
      continue;
    }
    // The arc touches both edges at `tangent` from the corner; never run past
    // half of either edge, so neighbouring arcs cannot cross.
    const double tangent = std::min({radius / std::tan(angle / 2), ul / 2, vl / 2});
    const double r = tangent * std::tan(angle / 2);
    const Point t1{p.x + ux / ul * tangent, p.y + uy / ul * tangent};
    const Point t2{p.x + vx / vl * tangent, p.y + vy / vl * tangent};
    const double bx = ux / ul + vx / vl, by = uy / ul + vy / vl, bl = std::hypot(bx, by);
    const double centreDistance = r / std::sin(angle / 2);
    const Point c{p.x + bx / bl * centreDistance, p.y + by / bl * centreDistance};
    double a1 = std::atan2(t1.y - c.y, t1.x - c.x), a2 = std::atan2(t2.y - c.y, t2.x - c.x);
    double sweep = a2 - a1;
    while (sweep > kPi) sweep -= 2 * kPi;
    while (sweep < -kPi) sweep += 2 * kPi;
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(sweep) * r * 2)));
    for (int s = 0; s <= steps; ++s) {
      const double a = a1 + sweep * s / steps;
      out.push_back({c.x + r * std::cos(a), c.y + r * std::sin(a)});
    }
  }
  return out;
}

Shape unite(const Shape& a, const Shape& b) {
  return {merge(a.bounds, b.bounds),
          [da = a.distance, db = b.distance](Point p) { return std::min(da(p), db(p)); }};
}

Shape intersect(const Shape& a, const Shape& b) {
  const Box box{std::max(a.bounds.left, b.bounds.left), std::max(a.bounds.top, b.bounds.top),
                std::min(a.bounds.right, b.bounds.right), std::min(a.bounds.bottom, b.bounds.bottom)};
  return {box, [da = a.distance, db = b.distance](Point p) { return std::max(da(p), db(p)); }};
}

Shape subtract(const Shape& a, const Shape& b) {
  return {a.bounds, [da = a.distance, db = b.distance](Point p) { return std::max(da(p), -db(p)); }};
}

Shape rect(double left, double top, double right, double bottom) {
  return roundRect(left, top, right, bottom, 0);
}

Shape grow(const Shape& shape, double amount) {
  const Box& b = shape.bounds;
  const double pad = std::max(amount, 0.0);
  return {{b.left - pad, b.top - pad, b.right + pad, b.bottom + pad},
          [d = shape.distance, amount](Point p) { return d(p) - amount; }};
}

Shape translate(const Shape& shape, double dx, double dy) {
  const Box& b = shape.bounds;
  return {{b.left + dx, b.top + dy, b.right + dx, b.bottom + dy},
          [d = shape.distance, dx, dy](Point p) { return d({p.x - dx, p.y - dy}); }};
}

}  // namespace folvane::drawing
