#include <cmath>
#include <functional>
#include <vector>

#include "resources/windowart/GlyphPieces.h"

namespace windowart {

using namespace art;

namespace {

// Shapes on a 16 by 16 grid centred on (0, 0), scaled and moved into place.
class Grid {
 public:
  Grid(double cx, double cy, double size) : cx_(cx), cy_(cy), u_(size / 16) {}

  double X(double x) const { return cx_ + x * u_; }
  double Y(double y) const { return cy_ + y * u_; }
  double U(double d) const { return d * u_; }

  Shape Line(double x1, double y1, double x2, double y2, double half = 0.8) const {
    return Segment(X(x1), Y(y1), X(x2), Y(y2), U(half));
  }
  Shape Box(double left, double top, double right, double bottom, double radius = 0.5) const {
    return RoundRect(X(left), Y(top), X(right), Y(bottom), U(radius));
  }
  Shape Frame(double left, double top, double right, double bottom) const {
    return Outline(Box(left, top, right, bottom), U(0.6));
  }
  Shape Tri(double x1, double y1, double x2, double y2, double x3, double y3) const {
    return Triangle(X(x1), Y(y1), X(x2), Y(y2), X(x3), Y(y3));
  }
  // The graph of y = f(x) from x0 to x1 as a line.
  Shape Curve(const std::function<double(double)>& f, double x0, double x1, double half = 0.7) const {
    const int steps = 16;
    Shape curve = Line(x0, f(x0), x0, f(x0), half);
    for (int i = 0; i < steps; ++i) {
      double a = x0 + (x1 - x0) * i / steps, b = x0 + (x1 - x0) * (i + 1) / steps;
      curve = Union(curve, Line(a, f(a), b, f(b), half));
    }
    return curve;
  }
  // Upright bars of a waveform, three units apart from x0, each of half height h.
  Shape Bars(double x0, std::vector<double> heights) const {
    Shape bars = Line(x0, 0, x0, 0, 0.4);
    for (size_t i = 0; i < heights.size(); ++i) {
      double x = x0 + 3.0 * i;
      bars = Union(bars, Line(x, -heights[i], x, heights[i], 0.65));
    }
    return bars;
  }
  Shape Plus(double x, double y) const { return Union(Line(x - 2.5, y, x + 2.5, y), Line(x, y - 2.5, x, y + 2.5)); }
  Shape Minus(double x, double y) const { return Line(x - 2.5, y, x + 2.5, y); }
  // A filter's response above the axis at the foot of the picture.
  Shape Response(const std::function<double(double)>& f) const {
    return Union(Line(-7.5, 7, 7.5, 7, 0.4), Curve(f, -7, 7, 0.8));
  }
  Shape Clipboard() const {
    return Union(Frame(-5.5, -5.5, 5.5, 7.5), Box(-2.5, -7.5, 2.5, -4, 0.8));
  }
  Shape Magnifier() const {
    return Union(Ring(X(-1.5), Y(-1.5), U(4.8), U(0.8)), Line(2, 2, 6.5, 6.5, 1.3));
  }

 private:
  double cx_, cy_, u_;
};

double Rise(double x, double steepness) { return 1 / (1 + std::exp(-steepness * x)); }

Shape UndoArrow(const Grid& g, bool redo) {
  const double side = redo ? -1 : 1;
  // The upper half of a ring, ending in an arrowhead pointing down.
  Shape arc = Intersect(Ring(g.X(side * 1), g.Y(2), g.U(5.5), g.U(0.9)),
                        [y = g.Y(2.5)](double, double py) { return py - y; });
  Shape head = g.Tri(side * -7.5, 1, side * -1.5, 1, side * -4.5, 5.5);
  return Union(arc, head);
}

Shape Channels(const Grid& g, bool left) {
  Shape upper = g.Box(-7, -6, 7, -1), lower = g.Box(-7, 1, 7, 6);
  Shape lit = left ? upper : lower;
  Shape dim = Outline(left ? lower : upper, g.U(0.5));
  return Union(lit, dim);
}

}  // namespace

Shape EditorGlyphShape(Glyph glyph, double cx, double cy, double size) {
  const Grid g(cx, cy, size);
  switch (glyph) {
    case Glyph::NewFile:
      return Union(g.Frame(-5, -7, 5, 7), g.Tri(1.5, -7, 5, -3.5, 1.5, -3.5));
    case Glyph::Copy:
      return Union(Subtract(g.Frame(-6.5, -7, 2, 3), g.Box(-3, -4, 7, 8)), g.Frame(-2, -3, 6.5, 7));
    case Glyph::Cut:
      return GlyphShape(Glyph::Splitter, cx, cy, size);
    case Glyph::Paste:
      return Union(g.Clipboard(), Union(g.Line(-3, -1, 3, -1, 0.5), Union(g.Line(-3, 2, 3, 2, 0.5), g.Line(-3, 5, 1, 5, 0.5))));
    case Glyph::PasteMix:
      return Union(g.Clipboard(), Union(g.Curve([](double x) { return 1.5 - 2.5 * std::sin(x * 1.3); }, -3.5, 3.5, 0.5),
                                        g.Curve([](double x) { return 1.5 + 2.5 * std::sin(x * 1.3); }, -3.5, 3.5, 0.5)));
    case Glyph::Undo:
      return UndoArrow(g, false);
    case Glyph::Redo:
      return UndoArrow(g, true);
    case Glyph::ZoomIn:
      return Union(g.Magnifier(), Union(g.Line(-3.8, -1.5, 0.8, -1.5, 0.6), g.Line(-1.5, -3.8, -1.5, 0.8, 0.6)));
    case Glyph::ZoomOut:
      return Union(g.Magnifier(), g.Line(-3.8, -1.5, 0.8, -1.5, 0.6));
    case Glyph::ZoomFull:
      return Union(Union(g.Line(-7, -6, -7, 6, 0.6), g.Line(7, -6, 7, 6, 0.6)),
                   Union(g.Line(-3, 0, 3, 0, 0.7), Union(g.Tri(-5.5, 0, -2, -3, -2, 3), g.Tri(5.5, 0, 2, -3, 2, 3))));
    case Glyph::LeftChannel:
      return Channels(g, true);
    case Glyph::RightChannel:
      return Channels(g, false);
    case Glyph::AmplifyPlus:
      return Union(g.Bars(-7, {3, 6.5, 4.5}), g.Plus(4.5, -4.5));
    case Glyph::AmplifyMinus:
      return Union(g.Bars(-7, {1.5, 3, 2.2}), g.Minus(4.5, -4.5));
    case Glyph::FadeIn:
      return g.Tri(-7.5, 6.5, 7.5, 6.5, 7.5, -6.5);
    case Glyph::FadeOut:
      return g.Tri(-7.5, -6.5, -7.5, 6.5, 7.5, 6.5);
    case Glyph::Normalize:
      return Union(g.Bars(-6, {2.5, 5, 3.5, 5, 2}), Union(g.Line(-7.5, -6.5, 7.5, -6.5, 0.4), g.Line(-7.5, 6.5, 7.5, 6.5, 0.4)));
    case Glyph::InsertSilence:
      return Union(Union(g.Bars(-7, {4, 2.5}), g.Bars(4, {3, 5})),
                   Union(g.Line(-3, 0, 3, 0, 0.5), g.Tri(-2.5, -7, 2.5, -7, 0, -2.5)));
    case Glyph::Silence:
      return GlyphShape(Glyph::SpeakerMuted, cx, cy, size);
    case Glyph::Invert:
      return Union(g.Curve([](double x) { return -4 * std::sin((x + 7) * 0.7); }, -7.5, 1.5),
                   Union(g.Line(5, -4, 5, 4, 0.6), Union(g.Tri(2, -3.5, 8, -3.5, 5, -7.5), g.Tri(2, 3.5, 8, 3.5, 5, 7.5))));
    case Glyph::Flanger:
      return Union(g.Curve([](double x) { return -4 * std::sin(x * 0.9); }, -7.5, 7.5, 0.55),
                   g.Curve([](double x) { return -4 * std::sin(x * 0.9 + 1.2); }, -7.5, 7.5, 0.55));
    case Glyph::Vibrato:
      return g.Curve([](double x) { return -4.5 * std::sin(x * 1.25); }, -7.5, 7.5);
    case Glyph::Delay:
      return g.Bars(-6, {6.5, 4.5, 3, 2, 1.2});
    case Glyph::NotchFilter:
      return g.Response([](double x) { return -3 + 9 * std::exp(-x * x / 1.5); });
    case Glyph::BandPassFilter:
      return g.Response([](double x) { return 6 - 10 * std::exp(-x * x / 6); });
    case Glyph::HighPassFilter:
      return g.Response([](double x) { return 6 - 10 * Rise(x, 1.2); });
    case Glyph::LowPassFilter:
      return g.Response([](double x) { return 6 - 10 * Rise(-x, 1.2); });
    case Glyph::HighShelfFilter:
      return g.Response([](double x) { return 2 - 6 * Rise(x, 1.2); });
    case Glyph::LowShelfFilter:
      return g.Response([](double x) { return 2 - 6 * Rise(-x, 1.2); });
    case Glyph::FftFilter: {
      Shape bars = g.Line(-7.5, 7, 7.5, 7, 0.4);
      const double tops[] = {3, -1, -5, -2, 1, -3};
      for (int i = 0; i < 6; ++i) bars = Union(bars, g.Box(-7 + 2.5 * i, tops[i], -5.5 + 2.5 * i, 7, 0.2));
      return bars;
    }
    case Glyph::PlayLoop:
      return Union(Subtract(Ring(cx, cy, g.U(5.5), g.U(0.9)), g.Box(-1, -8, 5, -3, 0)),
                   Union(g.Tri(-0.5, -8.5, 4, -5.5, -0.5, -2.5), g.Tri(-2.5, -2.5, 2.5, 0, -2.5, 2.5)));
    case Glyph::Information:
      return Union(Circle(cx, g.Y(-5.5), g.U(1.5)), Union(g.Box(-1.2, -2.5, 1.2, 6, 0.3), g.Line(-3, 6.2, 3, 6.2, 0.7)));
    default:
      return Circle(cx, cy, 0);
  }
}

}  // namespace windowart
