#include "resources/windowart/WindowGlyphs.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "resources/art/ArtKinds.h"
#include "resources/windowart/GlyphPieces.h"

namespace windowart {

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979;

}  // namespace

// Signed distance to a convex polygon: the largest of its edge distances.
Shape Convex(std::vector<std::pair<double, double>> corners) {
  double mx = 0, my = 0;
  for (auto [x, y] : corners) mx += x / corners.size(), my += y / corners.size();
  struct Edge { double ax, ay, nx, ny; };
  std::vector<Edge> edges;
  for (size_t i = 0; i < corners.size(); ++i) {
    auto [ax, ay] = corners[i];
    auto [bx, by] = corners[(i + 1) % corners.size()];
    double nx = by - ay, ny = ax - bx, len = std::hypot(nx, ny);
    nx /= len, ny /= len;
    // Either winding: the centre must come out inside.
    if ((mx - ax) * nx + (my - ay) * ny > 0) nx = -nx, ny = -ny;
    edges.push_back({ax, ay, nx, ny});
  }
  return [edges](double x, double y) {
    double d = -1e9;
    for (const Edge& e : edges) d = std::max(d, (x - e.ax) * e.nx + (y - e.ay) * e.ny);
    return d;
  };
}

Shape Triangle(double x1, double y1, double x2, double y2, double x3, double y3) {
  return Convex({{x1, y1}, {x2, y2}, {x3, y3}});
}

Shape HalfPlaneRight(double x0) {
  return [=](double x, double) { return x0 - x; };
}
Shape HalfPlaneBelow(double y0) {
  return [=](double, double y) { return y0 - y; };
}

Shape Ring(double cx, double cy, double r, double half) { return Outline(Circle(cx, cy, r), half); }

namespace {

Shape Speaker(double cx, double cy, double s) {
  double u = s / 16;
  Shape box = RoundRect(cx - 7 * u, cy - 2.5 * u, cx - 3.5 * u, cy + 2.5 * u, 0.5);
  Shape cone = Convex({{cx - 4 * u, cy - 2.5 * u}, {cx + 1 * u, cy - 6.5 * u}, {cx + 1 * u, cy + 6.5 * u}, {cx - 4 * u, cy + 2.5 * u}});
  return Union(box, cone);
}

Shape Gear(double cx, double cy, double s) {
  double r = s * 0.34, tooth = s * 0.45, t = s * 0.08;
  Shape gear = Circle(cx, cy, r);
  for (int i = 0; i < 8; ++i) {
    double a = i * kPi / 4;
    gear = Union(gear, Segment(cx, cy, cx + tooth * std::cos(a), cy + tooth * std::sin(a), t + 0.6));
  }
  return Subtract(gear, Circle(cx, cy, s * 0.14));
}

Shape Mic(double cx, double cy, double s) {
  double u = s / 16;
  Shape capsule = RoundRect(cx - 2.8 * u, cy - 7 * u, cx + 2.8 * u, cy + 2 * u, 2.8 * u);
  Shape cup = Intersect(Ring(cx, cy - 0.5 * u, 5 * u, 0.8 * u), HalfPlaneBelow(cy - 0.5 * u));
  Shape stem = Segment(cx, cy + 4.5 * u, cx, cy + 7 * u, 0.8 * u);
  Shape foot = Segment(cx - 3 * u, cy + 7.2 * u, cx + 3 * u, cy + 7.2 * u, 0.8 * u);
  return Union(Union(capsule, cup), Union(stem, foot));
}

}  // namespace

Shape GlyphShape(Glyph glyph, double cx, double cy, double s) {
  const double u = s / 16;
  switch (glyph) {
    case Glyph::Player:
      return Union(Ring(cx, cy, 7 * u, 0.9 * u), Triangle(cx - 2.2 * u, cy - 3.8 * u, cx + 4 * u, cy, cx - 2.2 * u, cy + 3.8 * u));
    case Glyph::Recorder:
      return Mic(cx, cy, s);
    case Glyph::Folder: {
      Shape body = RoundRect(cx - 8 * u, cy - 4 * u, cx + 8 * u, cy + 6 * u, 1.2 * u);
      Shape tab = RoundRect(cx - 8 * u, cy - 6.5 * u, cx - 1 * u, cy - 2 * u, 1.2 * u);
      Shape slot = RoundRect(cx - 6.5 * u, cy - 2.5 * u, cx + 6.5 * u, cy - 1.5 * u, 0);
      return Subtract(Union(body, tab), slot);
    }
    case Glyph::Options:
      return Gear(cx, cy, s);
    case Glyph::Help:
      return Union(Ring(cx, cy, 7 * u, 0.9 * u), TitleGlyphShape(TitleGlyph::Help, std::round(cx - 4 * u), std::round(cy - 4.5 * u), 8 * u, 0.9 * u));
    case Glyph::Mail: {
      Shape box = Outline(RoundRect(cx - 8 * u, cy - 5.5 * u, cx + 8 * u, cy + 5.5 * u, 1), 0.7 * u);
      Shape flap = Union(Segment(cx - 7.5 * u, cy - 5 * u, cx, cy + 0.8 * u, 0.75 * u),
                         Segment(cx + 7.5 * u, cy - 5 * u, cx, cy + 0.8 * u, 0.75 * u));
      return Union(box, flap);
    }
    case Glyph::Play:
      return Triangle(cx - 3.5 * u, cy - 5.5 * u, cx + 5.5 * u, cy, cx - 3.5 * u, cy + 5.5 * u);
    case Glyph::Pause:
      return Union(RoundRect(cx - 5 * u, cy - 5.5 * u, cx - 1.5 * u, cy + 5.5 * u, 0.6),
                   RoundRect(cx + 1.5 * u, cy - 5.5 * u, cx + 5 * u, cy + 5.5 * u, 0.6));
    case Glyph::Stop:
      return RoundRect(cx - 5 * u, cy - 5 * u, cx + 5 * u, cy + 5 * u, 1);
    case Glyph::Record:
      return Circle(cx, cy, 5.5 * u);
    case Glyph::Minimize:
      return RoundRect(std::round(cx - 4 * u), std::round(cy + 2 * u), std::round(cx + 4 * u), std::round(cy + 2 * u) + 2, 0);
    case Glyph::Close:
      return Union(Segment(cx - 3.5 * u, cy - 3.5 * u, cx + 3.5 * u, cy + 3.5 * u, 0.95),
                   Segment(cx + 3.5 * u, cy - 3.5 * u, cx - 3.5 * u, cy + 3.5 * u, 0.95));
    case Glyph::DropDown:
      return Triangle(cx - 4 * u, cy - 2 * u, cx + 4 * u, cy - 2 * u, cx, cy + 3 * u);
    case Glyph::Splitter: {
      Shape rings = Union(Ring(cx - 4 * u, cy + 4.5 * u, 2.4 * u, 0.75 * u), Ring(cx + 4 * u, cy + 4.5 * u, 2.4 * u, 0.75 * u));
      Shape blades = Union(Segment(cx - 2.6 * u, cy + 2.6 * u, cx + 4 * u, cy - 7 * u, 0.9 * u),
                           Segment(cx + 2.6 * u, cy + 2.6 * u, cx - 4 * u, cy - 7 * u, 0.9 * u));
      return Union(rings, blades);
    }
    case Glyph::Joiner: {
      Shape arms = Union(Segment(cx - 7 * u, cy - 6 * u, cx - 1 * u, cy, 0.9 * u), Segment(cx - 7 * u, cy + 6 * u, cx - 1 * u, cy, 0.9 * u));
      Shape shaft = Segment(cx - 1.5 * u, cy, cx + 4 * u, cy, 0.9 * u);
      return Union(Union(arms, shaft), Triangle(cx + 3 * u, cy - 4 * u, cx + 8 * u, cy, cx + 3 * u, cy + 4 * u));
    }
    case Glyph::Burn:
      return Union(Ring(cx, cy, 7 * u, 0.9 * u), Union(Ring(cx, cy, 2.2 * u, 0.8 * u), Intersect(Ring(cx, cy, 4.6 * u, 0.45 * u), HalfPlaneRight(cx + 1 * u))));
    case Glyph::Editor: {
      const double heights[] = {2, 4.5, 7, 3.5, 6, 2.5, 5, 1.5};
      Shape wave = Segment(cx - 7.5 * u, cy, cx + 7.5 * u, cy, 0.4 * u);
      for (int i = 0; i < 8; ++i) {
        double x = cx - 7 * u + i * 2 * u;
        wave = Union(wave, Segment(x, cy - heights[i] * u, x, cy + heights[i] * u, 0.7 * u));
      }
      return wave;
    }
    case Glyph::Speaker:
    case Glyph::SpeakerMuted: {
      Shape speaker = Speaker(cx, cy, s);
      if (glyph == Glyph::SpeakerMuted)
        return Union(speaker, Union(Segment(cx + 3 * u, cy - 2.5 * u, cx + 7.5 * u, cy + 2.5 * u, 0.8 * u),
                                    Segment(cx + 7.5 * u, cy - 2.5 * u, cx + 3 * u, cy + 2.5 * u, 0.8 * u)));
      Shape waves = Intersect(Union(Ring(cx + 1 * u, cy, 3.6 * u, 0.7 * u), Ring(cx + 1 * u, cy, 6.6 * u, 0.7 * u)),
                              Subtract(HalfPlaneRight(cx + 2.6 * u), HalfPlaneRight(cx + 9 * u)));
      return Union(speaker, waves);
    }
    case Glyph::Equalizer:
    case Glyph::EqualizerOff: {
      const double knobs[] = {-2.5, 2.5, -0.5};
      Shape eq = Segment(0, 0, 0, 0, 0);
      for (int i = 0; i < 3; ++i) {
        double x = cx + (i - 1) * 5 * u;
        eq = Union(eq, Segment(x, cy - 6 * u, x, cy + 6 * u, 0.5 * u));
        eq = Union(eq, RoundRect(x - 2 * u, cy + knobs[i] * u - 1.3 * u, x + 2 * u, cy + knobs[i] * u + 1.3 * u, 0.5));
      }
      if (glyph == Glyph::EqualizerOff) eq = Subtract(eq, Segment(cx - 8 * u, cy + 7 * u, cx + 8 * u, cy - 7 * u, 1.6 * u));
      return eq;
    }
    case Glyph::AudioFile: {
      Shape page = Outline(RoundRect(cx - 5 * u, cy - 7 * u, cx + 5 * u, cy + 7 * u, 1), 0.7 * u);
      Shape note = Union(Circle(cx - 1.2 * u, cy + 3 * u, 1.8 * u), Segment(cx + 0.4 * u, cy + 3 * u, cx + 0.4 * u, cy - 4 * u, 0.6 * u));
      return Union(page, Union(note, Segment(cx + 0.4 * u, cy - 4 * u, cx + 2.8 * u, cy - 2.5 * u, 0.6 * u)));
    }
    case Glyph::Add:
      return Union(Segment(cx - 6 * u, cy, cx + 6 * u, cy, 1.1 * u), Segment(cx, cy - 6 * u, cx, cy + 6 * u, 1.1 * u));
    case Glyph::AddAll:
      return Union(Union(Segment(cx - 7 * u, cy - 2 * u, cx + 3 * u, cy - 2 * u, 1 * u),
                         Segment(cx - 2 * u, cy - 7 * u, cx - 2 * u, cy + 3 * u, 1 * u)),
                   Union(Segment(cx - 1 * u, cy + 6 * u, cx + 7 * u, cy + 6 * u, 0.8 * u),
                         Segment(cx + 7 * u, cy - 2 * u, cx + 7 * u, cy + 6 * u, 0.8 * u)));
    case Glyph::Remove:
      return Segment(cx - 6 * u, cy, cx + 6 * u, cy, 1.1 * u);
    case Glyph::RemoveAll:
      return Union(Union(Segment(cx - 6 * u, cy - 4 * u, cx + 6 * u, cy - 4 * u, 1 * u),
                         Segment(cx - 6 * u, cy, cx + 6 * u, cy, 1 * u)),
                   Segment(cx - 6 * u, cy + 4 * u, cx + 6 * u, cy + 4 * u, 1 * u));
    case Glyph::StepBack:
      return Union(Triangle(cx - 7 * u, cy, cx, cy - 5 * u, cx, cy + 5 * u), Triangle(cx, cy, cx + 7 * u, cy - 5 * u, cx + 7 * u, cy + 5 * u));
    case Glyph::StepForward:
      return Union(Triangle(cx + 7 * u, cy, cx, cy - 5 * u, cx, cy + 5 * u), Triangle(cx, cy, cx - 7 * u, cy - 5 * u, cx - 7 * u, cy + 5 * u));
    case Glyph::PlayBefore:
      return Union(Triangle(cx - 6 * u, cy - 5 * u, cx + 2 * u, cy, cx - 6 * u, cy + 5 * u),
                   RoundRect(cx + 3.5 * u, cy - 6 * u, cx + 6 * u, cy + 6 * u, 0.5));
    case Glyph::PlayAfter:
      return Union(RoundRect(cx - 6 * u, cy - 6 * u, cx - 3.5 * u, cy + 6 * u, 0.5),
                   Triangle(cx - 2 * u, cy - 5 * u, cx + 6 * u, cy, cx - 2 * u, cy + 5 * u));
    case Glyph::Goto:
      return Union(Union(Segment(cx - 7 * u, cy, cx + 1 * u, cy, 1 * u), Triangle(cx, cy - 4.5 * u, cx + 5 * u, cy, cx, cy + 4.5 * u)),
                   RoundRect(cx + 5.5 * u, cy - 6.5 * u, cx + 7.5 * u, cy + 6.5 * u, 0.5));
    case Glyph::Preview:
      return Union(Outline(RoundRect(cx - 7.5 * u, cy - 6 * u, cx + 7.5 * u, cy + 6 * u, 1.5 * u), 0.6 * u),
                   Triangle(cx - 2.5 * u, cy - 3.5 * u, cx + 3.5 * u, cy, cx - 2.5 * u, cy + 3.5 * u));
    case Glyph::Up:
      return Triangle(cx - 6 * u, cy + 3.5 * u, cx + 6 * u, cy + 3.5 * u, cx, cy - 4 * u);
    case Glyph::Down:
      return Triangle(cx - 6 * u, cy - 3.5 * u, cx + 6 * u, cy - 3.5 * u, cx, cy + 4 * u);
    case Glyph::First:
      return Union(RoundRect(cx - 6 * u, cy - 6 * u, cx + 6 * u, cy - 4 * u, 0.5),
                   Triangle(cx - 6 * u, cy + 5 * u, cx + 6 * u, cy + 5 * u, cx, cy - 2 * u));
    case Glyph::Last:
      return Union(RoundRect(cx - 6 * u, cy + 4 * u, cx + 6 * u, cy + 6 * u, 0.5),
                   Triangle(cx - 6 * u, cy - 5 * u, cx + 6 * u, cy - 5 * u, cx, cy + 2 * u));
    case Glyph::Drive: {
      Shape box = Outline(RoundRect(cx - 8 * u, cy - 1 * u, cx + 8 * u, cy + 6 * u, 1.2 * u), 0.7 * u);
      Shape tray = Segment(cx - 5 * u, cy + 2.5 * u, cx + 2 * u, cy + 2.5 * u, 0.6 * u);
      Shape light = Circle(cx + 5 * u, cy + 2.5 * u, 0.9 * u);
      // The upper half of a disc rising from the tray.
      Shape disc = Subtract(Ring(cx, cy - 1.5 * u, 5.5 * u, 0.8 * u), HalfPlaneBelow(cy - 2 * u));
      return Union(Union(box, tray), Union(light, disc));
    }
    case Glyph::Save: {
      Shape tray = Union(Segment(cx - 7 * u, cy + 2 * u, cx - 7 * u, cy + 7 * u, 0.8 * u),
                         Union(Segment(cx - 7 * u, cy + 7 * u, cx + 7 * u, cy + 7 * u, 0.8 * u),
                               Segment(cx + 7 * u, cy + 2 * u, cx + 7 * u, cy + 7 * u, 0.8 * u)));
      Shape arrow = Union(Segment(cx, cy - 7 * u, cx, cy + 1 * u, 1 * u), Triangle(cx - 4.5 * u, cy, cx + 4.5 * u, cy, cx, cy + 4.5 * u));
      return Union(tray, arrow);
    }
    default:
      return EditorGlyphShape(glyph, cx, cy, s);
  }
}

}  // namespace windowart
