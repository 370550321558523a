#include "tools/samplerom/monsterart.h"

#include "tools/samplerom/samplerandom.h"

#include <algorithm>
#include <functional>
#include <initializer_list>

namespace tessel {

namespace monsterart {

namespace {

// A material seen in three lights.
struct Paint {
    quint8 dark, mid, light;
};
constexpr Paint kA{A0, A1, A2};
constexpr Paint kB{B0, B1, B2};
constexpr Paint kC{C0, C1, C2};
constexpr Paint kD{D0, D1, D2};
constexpr Paint kShadowA{A0, A0, A1};  // limbs on the far side
constexpr Paint kShadowB{B0, B0, B1};
constexpr Paint solid(quint8 ink) { return {ink, ink, ink}; }

// Shapes are measured in half pixels: pixel (x, y) is sampled at its centre
// (2x + 1, 2y + 1), so a mirror line on a pixel boundary keeps both halves
// of a front-facing creature identical.
struct Pt {
    int x, y;
};
struct Box {
    int x0, y0, x1, y1;
};

struct Shape {
    Box box;
    std::function<bool(int, int)> inside;
    std::function<int(int, int)> shade;  // 0 dark, 1 middle, 2 light
};

// Light falls from the upper left: a highlight there, a shadow lower right.
int roundShade(qint64 u, qint64 v)
{
    if ((u + 100) * (u + 100) + (v + 110) * (v + 110) < 80 * 80)
        return 2;
    if (3 * u + 4 * v > 5 * 70)
        return 0;
    return 1;
}

int flatShade(qint64 u, qint64 v)
{
    const qint64 t = 3 * u + 4 * v;
    if (t < -5 * 120)
        return 2;
    if (t > 5 * 80)
        return 0;
    return 1;
}

Shape ellipse(int cx, int cy, int rx, int ry)
{
    rx = std::max(rx, 1);
    ry = std::max(ry, 1);
    const qint64 rx2 = qint64(rx) * rx, ry2 = qint64(ry) * ry;
    return {{cx - rx, cy - ry, cx + rx, cy + ry},
            [=](int x, int y) {
                const qint64 dx = x - cx, dy = y - cy;
                return dx * dx * ry2 + dy * dy * rx2 <= rx2 * ry2;
            },
            [=](int x, int y) { return roundShade(qint64(x - cx) * 256 / rx, qint64(y - cy) * 256 / ry); }};
}

Shape circle(int cx, int cy, int r) { return ellipse(cx, cy, r, r); }

// A segment with round ends, `r` half pixels thick on each side.
Shape capsule(Pt a, Pt b, int r)
{
    r = std::max(r, 1);
    const qint64 dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    const qint64 r2 = qint64(r) * r;
    // The normal that faces the light.
    qint64 nx = -dy, ny = dx;
    if (-nx - ny < 0) {
        nx = -nx;
        ny = -ny;
    }
    return {{std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r, std::max(a.y, b.y) + r},
            [=](int x, int y) {
                const qint64 px = x - a.x, py = y - a.y;
                const qint64 t = px * dx + py * dy;
                if (len2 == 0 || t <= 0)
                    return px * px + py * py <= r2;
                if (t >= len2) {
                    const qint64 qx = x - b.x, qy = y - b.y;
                    return qx * qx + qy * qy <= r2;
                }
                const qint64 cross = px * dy - py * dx;
                return cross * cross <= r2 * len2;
            },
            [=](int x, int y) {
                if (len2 == 0)
                    return roundShade(qint64(x - a.x) * 256 / r, qint64(y - a.y) * 256 / r);
                const qint64 w = (x - a.x) * nx + (y - a.y) * ny;
                if (w > 0 && 100 * w * w > 16 * r2 * len2)
                    return 2;
                if (w < 0 && 100 * w * w > 9 * r2 * len2)
                    return 0;
                return 1;
            }};
}

Shape polygon(std::vector<Pt> pts)
{
    Box box{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const Pt& p : pts) {
        box.x0 = std::min(box.x0, p.x);
        box.y0 = std::min(box.y0, p.y);
        box.x1 = std::max(box.x1, p.x);
        box.y1 = std::max(box.y1, p.y);
    }
    const int cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
    const int hw = std::max(1, (box.x1 - box.x0) / 2), hh = std::max(1, (box.y1 - box.y0) / 2);
    return {box,
            [pts = std::move(pts)](int x, int y) {
                bool in = false;
                for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    const Pt& a = pts[i];
                    const Pt& b = pts[j];
                    if ((a.y > y) == (b.y > y))
                        continue;
                    // x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), without dividing
                    const qint64 lhs = qint64(x - a.x) * (b.y - a.y);
                    const qint64 rhs = qint64(y - a.y) * (b.x - a.x);
                    if ((b.y > a.y) ? lhs < rhs : lhs > rhs)
                        in = !in;
                }
                return in;
            },
            [=](int x, int y) { return flatShade(qint64(x - cx) * 256 / hw, qint64(y - cy) * 256 / hh); }};
}

Shape unite(Shape a, Shape b)
{
    const Box box{std::min(a.box.x0, b.box.x0), std::min(a.box.y0, b.box.y0), std::max(a.box.x1, b.box.x1),
                  std::max(a.box.y1, b.box.y1)};
    auto ai = a.inside, bi = b.inside;
    auto as = a.shade, bs = b.shade;
    return {box, [=](int x, int y) { return ai(x, y) || bi(x, y); },
            [=](int x, int y) { return ai(x, y) ? as(x, y) : bs(x, y); }};
}

Shape clip(Shape a, Box keep)
{
    auto ai = a.inside;
    const Box box{std::max(a.box.x0, keep.x0), std::max(a.box.y0, keep.y0), std::min(a.box.x1, keep.x1),
                  std::min(a.box.y1, keep.y1)};
    return {box,
            [=](int x, int y) { return x >= keep.x0 && x < keep.x1 && y >= keep.y0 && y < keep.y1 && ai(x, y); },
            a.shade};
}

Shape within(Shape a, const Shape& outer)
{
    auto ai = a.inside, oi = outer.inside;
    a.inside = [=](int x, int y) { return ai(x, y) && oi(x, y); };
    return a;
}


constexpr int kBig = 1 << 20;
Box above(int y) { return {-kBig, -kBig, kBig, y}; }
Box below(int y) { return {-kBig, y, kBig, kBig}; }

class Canvas {
public:
    explicit Canvas(int size) : n_(size), px_(size_t(size * size), Clear) {}

    int size() const { return n_; }
    quint8 get(int x, int y) const
    {
        return (x < 0 || y < 0 || x >= n_ || y >= n_) ? quint8(Clear) : px_[size_t(y * n_ + x)];
    }
    void set(int x, int y, quint8 ink)
    {
        if (x >= 0 && y >= 0 && x < n_ && y < n_)
            px_[size_t(y * n_ + x)] = ink;
    }

    // Paints a shape, first ringing it with outline so that a part laid
    // over another stays separate from it.
    void fill(const Shape& s, Paint paint, bool outline = true)
    {
        const int x0 = std::max(0, (s.box.x0 >> 1) - 2), x1 = std::min(n_ - 1, (s.box.x1 >> 1) + 2);
        const int y0 = std::max(0, (s.box.y0 >> 1) - 2), y1 = std::min(n_ - 1, (s.box.y1 >> 1) + 2);
        if (x0 > x1 || y0 > y1)
            return;
        const int w = x1 - x0 + 1, h = y1 - y0 + 1;
        std::vector<char> mask(size_t(w * h));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                mask[size_t((y - y0) * w + x - x0)] = s.inside(2 * x + 1, 2 * y + 1);
        auto in = [&](int x, int y) {
            return x >= x0 && x <= x1 && y >= y0 && y <= y1 && mask[size_t((y - y0) * w + x - x0)];
        };
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                if (in(x, y)) {
                    const int level = s.shade(2 * x + 1, 2 * y + 1);
                    set(x, y, level == 0 ? paint.dark : level == 2 ? paint.light : paint.mid);
                } else if (outline && (in(x - 1, y) || in(x + 1, y) || in(x, y - 1) || in(x, y + 1))) {
                    set(x, y, Outline);
                }
            }
    }

    // Every coloured pixel on the silhouette gets an outline beside it, so
    // thin details read against any background.
    void closeSilhouette()
    {
        std::vector<quint8> next = px_;
        for (int y = 0; y < n_; ++y)
            for (int x = 0; x < n_; ++x) {
                if (get(x, y) != Clear)
                    continue;
                for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                    const quint8 v = get(x + dx, y + dy);
                    if (v != Clear && v != Outline) {
                        next[size_t(y * n_ + x)] = Outline;
                        break;
                    }
                }
            }
        px_ = std::move(next);
    }

    Picture cropped(int limit) const
    {
        int minX = n_, minY = n_, maxX = -1, maxY = -1;
        for (int y = 0; y < n_; ++y)
            for (int x = 0; x < n_; ++x)
                if (get(x, y) != Clear) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
        Picture p;
        if (maxX < 0)
            return p;
        p.width = std::min(limit, maxX - minX + 1);
        p.height = std::min(limit, maxY - minY + 1);
        p.inks.resize(size_t(p.width * p.height));
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                p.inks[size_t(y * p.width + x)] = get(minX + x, minY + y);
        return p;
    }

private:
    int n_;
    std::vector<quint8> px_;
};

// sin(2 pi k / 32) * 1024, so that no libm decides a pixel.
constexpr int kSin32[32] = {0,     201,   392,   569,   724,   851,   946,   1004, 1024, 1004, 946,
                            851,   724,   569,   392,   201,   0,     -201,  -392, -569, -724, -851,
                            -946,  -1004, -1024, -1004, -946,  -851, -724,  -569, -392, -201};
int sin32(int k) { return kSin32[((k % 32) + 32) % 32]; }
int cos32(int k) { return sin32(k + 8); }

// The square a creature is painted in, in half pixels, with coordinates
// given in thousandths of its width and height.
struct Frame {
    int x0, y0, w, h;

    int x(int pm) const { return x0 + w * pm / 1000; }
    int y(int pm) const { return y0 + h * pm / 1000; }
    int sx(int pm) const { return w * pm / 1000; }
    int sy(int pm) const { return h * pm / 1000; }
    int cx() const { return x0 + w / 2; }
    // The mirror image of x about the centre line.
    int mirror(int x) const { return 2 * cx() - x; }
    Pt p(int px, int py) const { return {x(px), y(py)}; }
    // A thin line that still shows on a large picture.
    int thin() const { return std::max(1, w / 110); }
};

// An eye `r` half pixels across its radius, looking `look` (-1 left, 1 right).
void eye(Canvas& c, int cx, int cy, int r, int look = 0, bool slit = false, bool angry = false)
{
    if (r <= 3) {
        c.fill(circle(cx, cy, 1), solid(Eye));
        return;
    }
    c.fill(ellipse(cx, cy, r, r), solid(Eye));
    const int pr = std::max(2, r * 55 / 100);
    const int px = cx + look * r / 3;
    c.fill(ellipse(px, cy + r / 8, slit ? std::max(1, pr / 3) : pr, pr), solid(Pupil), false);
    if (r >= 8 && !slit)
        c.set((px - pr / 2) >> 1, (cy - pr / 2) >> 1, Eye);
    if (angry) {
        // A brow cutting the top of the eye, sloping down towards the nose.
        const int dir = look != 0 ? look : 1;
        c.fill(polygon({{cx - r - 2, cy - r - 2 - dir * r / 2}, {cx + r + 2, cy - r - 2 + dir * r / 2},
                        {cx + r + 2, cy - r / 3 + dir * r / 2}, {cx - r - 2, cy - r / 3 - dir * r / 2}}),
               solid(Outline), false);
    }
}

// A row of pointed teeth hanging from (x0..x1, y), `len` long.
void teeth(Canvas& c, int x0, int x1, int y, int len, int count, bool up = false)
{
    if (count <= 0)
        return;
    const int step = (x1 - x0) / count;
    for (int i = 0; i < count; ++i) {
        const int a = x0 + i * step, b = a + step;
        const int tip = up ? y - len : y + len;
        c.fill(polygon({{a, y}, {b, y}, {(a + b) / 2, tip}}), solid(Eye), false);
    }
}

void mouthLine(Canvas& c, int x0, int x1, int y, int curve, int thick)
{
    const int mid = (x0 + x1) / 2;
    c.fill(unite(capsule({x0, y}, {mid, y + curve}, thick), capsule({mid, y + curve}, {x1, y}, thick)), solid(Outline),
           false);
}

// A bat wing on side `s` (-1 left, 1 right) from the shoulder to the tip,
// with `fingers` scallops along the trailing edge.
void batWing(Canvas& c, const Frame& f, int s, Pt shoulder, Pt tip, int drop, int fingers, Paint paint,
             int bone)
{
    std::vector<Pt> pts;
    const Pt elbow{shoulder.x + (tip.x - shoulder.x) * 45 / 100, tip.y + (shoulder.y - tip.y) / 5};
    pts.push_back(shoulder);
    pts.push_back(elbow);
    pts.push_back(tip);
    std::vector<Pt> fingerTips;
    for (int i = 1; i <= fingers; ++i) {
        // trailing edge: finger tips hang low, notches between them rise
        const int fx = tip.x + (shoulder.x - tip.x) * i / (fingers + 1);
        const Pt fingerTip{fx, tip.y + (shoulder.y - tip.y) * i / (fingers + 1) + drop};
        if (i > 1) {
            const int nx = tip.x + (shoulder.x - tip.x) * (2 * i - 1) / (2 * (fingers + 1));
            pts.push_back({nx, fingerTip.y - drop * 2 / 3});
        } else {
            pts.push_back({tip.x - s * f.sx(10), (tip.y + fingerTip.y) / 2});
        }
        pts.push_back(fingerTip);
        fingerTips.push_back(fingerTip);
    }
    pts.push_back({shoulder.x, shoulder.y + drop * 2 / 3});
    c.fill(polygon(pts), paint);
    const Shape wing = polygon(pts);
    for (const Pt& t : fingerTips)
        c.fill(within(capsule(elbow, t, bone), wing), solid(paint.dark), false);
    c.fill(unite(capsule(shoulder, elbow, bone + 1), capsule(elbow, tip, bone)), kA);
}

// ---- the creatures -------------------------------------------------------

void slime(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int w = f.sx(rnd.between(760, 1000)), h = f.sy(rnd.between(480, 760));
    const int cx = f.cx(), base = f.y(1000) - 2;
    const int style = rnd.below(4);
    Shape body = clip(ellipse(cx, base, w / 2, h), above(base));
    if (style == 1) {
        // a drop with its tip curling over
        const int side = rnd.below(2) ? 1 : -1;
        body = unite(body, polygon({{cx - w / 5, base - h * 7 / 10},
                                    {cx + side * w / 7, base - h - h * 2 / 5},
                                    {cx + w / 5, base - h * 7 / 10}}));
    }
    if (style == 3) {
        // horns behind the head
        for (int s : {-1, 1})
            c.fill(polygon({{cx + s * w / 5, base - h * 3 / 4},
                            {cx + s * w * 9 / 20, base - h - h / 3},
                            {cx + s * w * 3 / 8, base - h * 3 / 5}}),
                   kC);
    }
    c.fill(body, kA);
    if (style == 2 || style == 3) {
        for (int i = 0; i < 3; ++i) {
            const int sx = cx + (i - 1) * w / 3 + rnd.between(-w / 16, w / 16);
            const int sy = base - h / 4 + rnd.between(-h / 10, h / 10);
            c.fill(within(ellipse(sx, sy, w / 14 + 2, h / 14 + 2), body), kB, false);
        }
    }
    // wet shine
    c.fill(ellipse(cx - w * 3 / 10, base - h * 6 / 10, std::max(2, w / 16), std::max(2, h / 9)), solid(Eye), false);

    const int ey = base - h * 45 / 100, er = std::max(3, w / 10);
    if (rnd.below(5) == 0) {
        eye(c, cx, ey, er * 17 / 10, 0);
    } else {
        const int gap = w * 17 / 100;
        const bool angry = rnd.below(3) == 0;
        eye(c, cx - gap, ey, er, 1, false, angry);
        eye(c, cx + gap, ey, er, -1, false, angry);
    }
    const int my = ey + er + std::max(3, h / 8);
    if (rnd.below(2)) {
        mouthLine(c, cx - w / 8, cx + w / 8, my, h / 16 + 1, f.thin());
    } else {
        c.fill(clip(ellipse(cx, my - 1, w / 7, h / 7 + 2), below(my - 1)), solid(Outline), false);
        teeth(c, cx - w / 8, cx + w / 8, my, std::max(2, h / 14), 3);
    }
    if (style == 0) {
        // antenna with a bobble
        const Pt root{cx, base - h + 2}, top{cx + f.sx(80), base - h - f.sy(200)};
        c.fill(capsule(root, top, f.thin()), kA);
        c.fill(circle(top.x, top.y, std::max(3, w / 14)), kD);
    }
}

void eyeball(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int style = rnd.below(3);
    const int cx = f.cx();
    const int R = f.sx(style == 1 ? rnd.between(230, 290) : rnd.between(280, 340));
    const int cy = style == 0 ? f.y(0) + R + 4 : f.y(520);

    if (style == 0) {
        // tentacles hanging below
        const int n = rnd.between(3, 5);
        for (int i = 0; i < n; ++i) {
            const int spread = (2 * i - (n - 1)) * R / (2 * n) * 3 / 2;
            const int len = f.y(1000) - 2 - cy - R / 2 - rnd.between(0, R / 3);
            const Pt a{cx + spread, cy + R / 2};
            const Pt m{cx + spread * 3 / 2 + rnd.between(-R / 5, R / 5), a.y + len / 2};
            const Pt e{cx + spread * 2 + (spread >= 0 ? R / 4 : -R / 4), a.y + len};
            const int t = std::max(2, R / 7);
            c.fill(unite(capsule(a, m, t), capsule(m, e, std::max(1, t * 2 / 3))), kB);
        }
    } else if (style == 1) {
        for (int s : {-1, 1})
            batWing(c, f, s, {cx + s * R / 2, cy - R / 3}, {cx + s * f.sx(490), f.y(120)}, f.sy(300),
                    rnd.between(2, 3), kB, f.thin());
    } else {
        // on a stalk out of a clump of leaves
        c.fill(capsule({cx, cy + R / 2}, {cx + R / 6, f.y(1000) - f.sy(60)}, std::max(2, R / 5)), kB);
        for (int s : {-1, 1})
            c.fill(polygon({{cx + R / 6, f.y(1000) - 2},
                            {cx + s * R * 9 / 10, f.y(1000) - f.sy(130)},
                            {cx + s * R * 6 / 5, f.y(1000) - f.sy(260)},
                            {cx + s * R / 3, f.y(1000) - f.sy(110)}}),
                   kB);
    }

    const Shape ball = circle(cx, cy, R);
    c.fill(ball, kA);
    const int lx = R * rnd.between(-25, 25) / 100, ly = R * rnd.between(-10, 25) / 100;
    // veins creeping in from the rim
    for (int i = 0; i < 4; ++i) {
        const int k = rnd.below(32);
        const Pt rim{cx + cos32(k) * R / 1024, cy + sin32(k) * R / 1024};
        const Pt in{cx + cos32(k + 2) * R * 6 / 10 / 1024, cy + sin32(k + 2) * R * 6 / 10 / 1024};
        c.fill(within(capsule(rim, in, 1), ball), solid(C1), false);
    }
    const int ir = R * rnd.between(38, 50) / 100;
    c.fill(circle(cx + lx, cy + ly, ir), kD);
    const bool slit = rnd.below(3) == 0;
    c.fill(ellipse(cx + lx, cy + ly, slit ? ir / 4 + 1 : ir / 2, ir * 3 / 4), solid(Pupil), false);
    c.fill(circle(cx + lx - ir / 2, cy + ly - ir / 2, std::max(2, ir / 5)), solid(Eye), false);
    if (rnd.below(2)) {
        // a heavy upper lid
        c.fill(clip(circle(cx, cy, R + 1), above(cy - R * rnd.between(35, 60) / 100)), kB);
    }
}

void batOrBird(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const bool bird = rnd.below(3) == 0;
    const int cx = f.cx();
    const int bodyW = f.sx(rnd.between(170, 240)), bodyH = f.sy(rnd.between(240, 320));
    const int cy = f.y(560);
    const int headR = bodyW * rnd.between(50, 62) / 100;
    const int hy = cy - bodyH / 2 - headR / 3;

    if (bird) {
        // tail fan
        c.fill(polygon({{cx - bodyW / 3, cy + bodyH / 4}, {cx - bodyW * 2 / 3, f.y(990)}, {cx, f.y(940)},
                        {cx + bodyW * 2 / 3, f.y(990)}, {cx + bodyW / 3, cy + bodyH / 4}}),
               kD);
    }
    for (int s : {-1, 1}) {
        const Pt shoulder{cx + s * bodyW * 4 / 10, cy - bodyH / 4};
        const Pt tip{cx + s * f.sx(rnd.between(460, 495)), cy - f.sy(rnd.between(280, 420))};
        if (bird) {
            // feathered wing: a fan of long pointed feathers
            std::vector<Pt> pts{shoulder, tip};
            const int feathers = 4;
            for (int i = 1; i <= feathers; ++i) {
                const int fx = tip.x + (shoulder.x - tip.x) * i / (feathers + 1);
                pts.push_back({fx + s * f.sx(25), cy + f.sy(40 + 35 * i)});
                pts.push_back({fx - s * f.sx(10), cy - f.sy(20) + f.sy(20 * i)});
            }
            pts.push_back({shoulder.x, cy + bodyH / 4});
            c.fill(polygon(pts), kB);
            const Shape wing = polygon(pts);
            for (int i = 1; i <= feathers; ++i) {
                const int fx = tip.x + (shoulder.x - tip.x) * i / (feathers + 1);
                c.fill(within(capsule({fx - s * f.sx(10), cy - f.sy(20) + f.sy(20 * i)},
                                      {fx + s * f.sx(40), cy - f.sy(200)}, 1),
                              wing),
                       solid(B0), false);
            }
            c.fill(capsule(shoulder, {tip.x - s * f.sx(60), tip.y + f.sy(40)}, f.thin() + 1), kB);
        } else {
            batWing(c, f, s, shoulder, tip, f.sy(rnd.between(180, 260)), 3, kB, f.thin());
        }
    }
    // feet
    for (int s : {-1, 1}) {
        const Pt hip{cx + s * bodyW / 5, cy + bodyH / 3}, toe{cx + s * bodyW / 4, cy + bodyH / 2 + f.sy(90)};
        c.fill(capsule(hip, toe, f.thin() + 1), kC);
        c.fill(capsule(toe, {toe.x + s * f.sx(30), toe.y + f.sy(25)}, f.thin()), kC);
    }
    const Shape body = ellipse(cx, cy, bodyW / 2, bodyH / 2);
    c.fill(body, kA);
    c.fill(within(ellipse(cx, cy + bodyH / 6, bodyW / 4, bodyH / 3), body), bird ? kD : kShadowA, false);
    if (!bird) {
        for (int s : {-1, 1})
            c.fill(polygon({{cx + s * headR / 6, hy - headR / 2},
                            {cx + s * headR * 2 / 3, hy - headR * 2},
                            {cx + s * headR * 9 / 10, hy - headR / 5}}),
                   kA);
    } else if (rnd.below(2)) {
        // crest
        c.fill(polygon({{cx - headR / 3, hy - headR * 2 / 3}, {cx - headR / 4, hy - headR * 2},
                        {cx + headR / 6, hy - headR * 7 / 10}, {cx + headR / 2, hy - headR * 3 / 2},
                        {cx + headR / 3, hy - headR / 2}}),
               kD);
    }
    c.fill(ellipse(cx, hy, headR, headR * 9 / 10), kA);
    const int er = std::max(2, headR * 3 / 10);
    if (bird) {
        eye(c, cx - headR * 2 / 5, hy - headR / 8, er, 1);
        eye(c, cx + headR * 2 / 5, hy - headR / 8, er, -1);
        c.fill(polygon({{cx - headR / 3, hy + headR / 6}, {cx + headR / 3, hy + headR / 6}, {cx, hy + headR}}), kC);
    } else {
        for (int s : {-1, 1})
            c.fill(ellipse(cx + s * headR * 2 / 5, hy - headR / 10, std::max(2, er * 3 / 4), std::max(2, er / 2 + 1)),
                   solid(Pupil));
        teeth(c, cx - headR / 3, cx + headR / 3, hy + headR / 2, std::max(2, headR / 3), 2);
    }
}

void beetle(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int cx = f.cx();
    const int shellW = f.sx(rnd.between(560, 720)), shellH = f.sy(rnd.between(500, 620));
    const int cy = f.y(1000) - shellH / 2 - f.sy(60);
    const int headW = shellW * rnd.between(45, 60) / 100, headH = shellH * rnd.between(30, 40) / 100;
    const int hy = cy - shellH / 2 - headH / 5;
    const int t = std::max(2, shellW / 22);

    for (int s : {-1, 1}) {
        // antennae
        const Pt root{cx + s * headW / 5, hy - headH / 3};
        const Pt bend{cx + s * headW * 7 / 10, hy - headH - f.sy(60)};
        const Pt end{cx + s * headW * 6 / 5, hy - headH - f.sy(40)};
        c.fill(unite(capsule(root, bend, f.thin()), capsule(bend, end, f.thin())), kC);
        c.fill(circle(end.x, end.y, t), kD);
        for (int i = 0; i < 3; ++i) {
            const Pt hip{cx + s * shellW * 3 / 10, cy - shellH / 4 + i * shellH / 4};
            const Pt knee{cx + s * (shellW / 2 + f.sx(110)), hip.y - f.sy(70) + i * f.sy(40)};
            const Pt foot{cx + s * (shellW / 2 + f.sx(130 + 20 * i)), i == 0 ? knee.y - f.sy(120) : hip.y + f.sy(150)};
            c.fill(unite(capsule(hip, knee, t), capsule(knee, foot, std::max(1, t * 2 / 3))), kC);
        }
    }
    const Shape shell = ellipse(cx, cy, shellW / 2, shellH / 2);
    c.fill(shell, kA);
    const int spots = rnd.below(3);
    for (int i = 0; i < spots + 1 && spots > 0; ++i) {
        const int sy = cy - shellH / 5 + i * shellH / 4;
        const int sx = shellW / 5 + rnd.between(-shellW / 20, shellW / 20);
        const int sr = std::max(2, shellW / 12 - i);
        for (int s : {-1, 1})
            c.fill(within(circle(cx + s * sx, sy, sr), shell), kD, false);
    }
    // the line between the wing cases
    c.fill(within(capsule({cx, cy - shellH / 2}, {cx, cy + shellH / 2}, f.thin()), shell), solid(Outline), false);

    if (rnd.below(2)) {
        // a horn
        c.fill(polygon({{cx - headW / 5, hy}, {cx - f.sx(40), hy - headH - f.sy(220)}, {cx + f.sx(60), hy - headH - f.sy(120)},
                        {cx + headW / 5, hy}}),
               kC);
    } else {
        for (int s : {-1, 1})
            c.fill(polygon({{cx + s * headW / 6, hy - headH / 3},
                            {cx + s * headW / 3, hy - headH - f.sy(60)},
                            {cx + s * headW / 12, hy - headH - f.sy(30)},
                            {cx + s * headW / 2, hy - headH / 2}}),
                   kC);
    }
    c.fill(ellipse(cx, hy, headW / 2, headH / 2), kB);
    const int er = std::max(2, headW / 9);
    for (int s : {-1, 1})
        eye(c, cx + s * headW * 3 / 10, hy - headH / 10, er, -s);
}

void skull(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int style = rnd.below(3);
    const int cx = f.cx();
    const int W = f.sx(rnd.between(560, 700)), H = W * rnd.between(82, 96) / 100;
    const int sy = style == 2 ? f.y(0) + H / 2 + f.sy(120) : f.y(0) + H / 2 + f.sy(style == 0 ? 200 : 40);

    if (style == 0) {
        // ghost flames behind
        for (int k = -3; k <= 3; ++k) {
            const int bx = cx + k * W / 7;
            const int tipY = sy - H / 2 - f.sy(rnd.between(80, 200)) + (k * k) * f.sy(15);
            c.fill(polygon({{bx - W / 7, sy}, {bx + k * f.sx(20), tipY}, {bx + W / 7, sy}}), kB);
        }
        c.fill(ellipse(cx, sy + H / 6, W * 6 / 10, H * 6 / 10), kB);
    } else if (style == 1) {
        // a wisp of a body
        const int side = rnd.below(2) ? 1 : -1;
        c.fill(unite(ellipse(cx, sy + H / 4, W * 6 / 10, H / 2),
                     polygon({{cx - W * 6 / 10, sy + H / 4},
                              {cx - side * W / 5, f.y(1000) - f.sy(100)},
                              {cx + side * W / 10, f.y(820)},
                              {cx + side * W / 2, f.y(1000) - 2},
                              {cx + W * 6 / 10, sy + H / 4}})),
               kB);
        for (int s : {-1, 1})
            c.fill(capsule({cx + s * W / 2, sy + H / 2}, {cx + s * W * 8 / 10, sy + H - f.sy(rnd.between(0, 100))},
                           std::max(2, W / 14)),
                   kB);
    } else {
        // spine and ribs
        const int top = sy + H / 2, bottom = f.y(1000) - 2;
        for (int i = 0; i < 4; ++i) {
            const int ry = top + f.sy(60) + i * (bottom - top - f.sy(60)) / 4;
            const int span = W / 2 - i * W / 14;
            for (int s : {-1, 1})
                c.fill(unite(capsule({cx, ry}, {cx + s * span, ry + f.sy(20)}, std::max(2, W / 24)),
                             capsule({cx + s * span, ry + f.sy(20)}, {cx + s * span * 3 / 4, ry + f.sy(90)},
                                     std::max(2, W / 24))),
                       kA);
        }
        c.fill(capsule({cx, top}, {cx, bottom}, std::max(2, W / 18)), kA);
        for (int s : {-1, 1})
            c.fill(polygon({{cx + s * W * 3 / 10, sy - H / 4},
                            {cx + s * W * 7 / 10, sy - H / 2},
                            {cx + s * W * 3 / 4, sy - H - f.sy(60)},
                            {cx + s * W * 9 / 20, sy - H * 3 / 5},
                            {cx + s * W / 8, sy - H / 2}}),
                   kC);
    }

    c.fill(ellipse(cx, sy, W / 2, H / 2), kA);
    c.fill(ellipse(cx, sy + H * 4 / 10, W * 3 / 10, H / 5), kA);
    // sockets with a glow deep inside
    for (int s : {-1, 1}) {
        const int ex = cx + s * W / 5, ey = sy + H / 20;
        c.fill(ellipse(ex, ey, W / 8 + 1, H / 7 + 1), solid(Outline), false);
        c.fill(circle(ex, ey + 1, std::max(1, W / 36)), solid(Eye), false);
    }
    c.fill(polygon({{cx, sy + H / 5}, {cx - W / 18 - 1, sy + H * 3 / 10}, {cx + W / 18 + 1, sy + H * 3 / 10}}),
           solid(Outline), false);
    const int ty = sy + H * 4 / 10;
    c.fill(capsule({cx - W / 5, ty}, {cx + W / 5, ty}, 1), solid(Outline), false);
    for (int x = cx - W / 5 + 3; x < cx + W / 5; x += 4)
        c.fill(capsule({x, ty - H / 14}, {x, ty + H / 14}, 1), solid(Outline), false);
    if (rnd.below(2))
        c.fill(unite(capsule({cx + W / 10, sy - H / 2 + 2}, {cx + W / 6, sy - H / 4}, 1),
                     capsule({cx + W / 6, sy - H / 4}, {cx + W / 8, sy - H / 8}, 1)),
               solid(Outline), false);
}

void plant(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int style = rnd.below(3);
    const int cx = f.cx(), ground = f.y(1000) - 2;
    const int t = std::max(2, f.w / 36);

    if (style == 2) {
        // cactus
        const int bw = f.sx(rnd.between(160, 220)), top = f.y(rnd.between(80, 200));
        for (int s : {-1, 1}) {
            const int ay = f.y(rnd.between(420, 620)), reach = f.sx(rnd.between(200, 300));
            const int armTop = ay - f.sy(rnd.between(150, 260));
            const int aw = bw * 6 / 10;
            c.fill(unite(capsule({cx, ay}, {cx + s * reach, ay}, aw / 2), capsule({cx + s * reach, ay}, {cx + s * reach, armTop}, aw / 2)),
                   kA);
        }
        const Shape trunk = capsule({cx, top + bw / 2}, {cx, ground - bw / 2}, bw / 2);
        c.fill(trunk, kA);
        for (int y = top + bw / 2; y < ground - bw / 2; y += f.sy(90))
            for (int s : {-1, 1})
                c.fill(circle(cx + s * bw / 2, y, 1), solid(Eye), false);
        eye(c, cx - bw / 4, top + bw, std::max(2, bw / 7), 0, false, true);
        eye(c, cx + bw / 4, top + bw, std::max(2, bw / 7), 0, false, true);
        mouthLine(c, cx - bw / 5, cx + bw / 5, top + bw + bw / 3, -bw / 12, f.thin());
        // a flower on top
        for (int k = 0; k < 5; ++k)
            c.fill(circle(cx + cos32(k * 32 / 5) * bw / 3 / 1024, top + sin32(k * 32 / 5) * bw / 3 / 1024, bw / 4),
                   kD);
        c.fill(circle(cx, top, bw / 6), kB);
        return;
    }

    // pot or roots
    const int potTop = ground - f.sy(rnd.between(140, 200));
    if (rnd.below(2)) {
        const int pw = f.sx(rnd.between(220, 300));
        c.fill(polygon({{cx - pw / 2, potTop}, {cx + pw / 2, potTop}, {cx + pw * 3 / 8, ground}, {cx - pw * 3 / 8, ground}}),
               kC);
        c.fill(capsule({cx - pw / 2 - 2, potTop}, {cx + pw / 2 + 2, potTop}, std::max(2, f.sy(30))), kC);
    } else {
        for (int i = -2; i <= 2; ++i)
            c.fill(unite(capsule({cx + i * f.sx(30), potTop}, {cx + i * f.sx(90), ground - f.sy(40)}, t),
                         capsule({cx + i * f.sx(90), ground - f.sy(40)}, {cx + i * f.sx(130), ground}, std::max(1, t / 2))),
                   kC);
    }

    const int R = f.sx(style == 1 ? rnd.between(260, 320) : rnd.between(220, 280));
    const int hx = cx + f.sx(rnd.between(-60, 60)), hy = f.y(0) + R + f.sy(40);
    const Pt mid{cx - (hx - cx) / 2 + f.sx(rnd.between(-40, 40)), (hy + potTop) / 2};
    c.fill(unite(capsule({cx, potTop}, mid, t), capsule(mid, {hx, hy}, t)), kA);
    for (int s : {-1, 1}) {
        const Pt at{mid.x, mid.y + s * f.sy(60)};
        const int len = f.sx(rnd.between(230, 320));
        const Pt far{at.x + s * len, at.y - f.sy(rnd.between(40, 160))};
        c.fill(polygon({at, {(at.x + far.x) / 2, at.y - f.sy(110)}, far, {(at.x + far.x) / 2, at.y + f.sy(40)}}), kA);
        c.fill(capsule(at, far, 1), solid(A0), false);
    }

    if (style == 0) {
        const int petals = rnd.between(5, 8);
        const int pr = R * rnd.between(40, 50) / 100;
        for (int k = 0; k < petals; ++k) {
            const int a = k * 32 / petals;
            c.fill(circle(hx + cos32(a) * (R - pr) / 1024, hy + sin32(a) * (R - pr) / 1024, pr), kD);
        }
        const int fr = R * 58 / 100;
        c.fill(circle(hx, hy, fr), kB);
        eye(c, hx - fr * 2 / 5, hy - fr / 5, std::max(2, fr / 4), 0);
        eye(c, hx + fr * 2 / 5, hy - fr / 5, std::max(2, fr / 4), 0);
        c.fill(clip(ellipse(hx, hy + fr / 4, fr / 2, fr / 2), below(hy + fr / 4)), solid(Outline), false);
        teeth(c, hx - fr / 2, hx + fr / 2, hy + fr / 4, std::max(2, fr / 5), 3);
    } else {
        // a snapping trap: two jaws around a red mouth
        const int gap = R / 5;
        c.fill(ellipse(hx, hy, R * 9 / 10, R / 2), kD);
        teeth(c, hx - R * 8 / 10, hx + R * 8 / 10, hy - gap / 2, gap, 5);
        teeth(c, hx - R * 7 / 10, hx + R * 7 / 10, hy + gap / 2, gap, 4, true);
        c.fill(clip(ellipse(hx, hy - gap / 2, R, R * 7 / 10), above(hy - gap / 2)), kA);
        c.fill(clip(ellipse(hx, hy + gap / 2, R, R * 6 / 10), below(hy + gap / 2)), kA);
        for (int s : {-1, 1})
            c.fill(circle(hx + s * R / 3, hy - gap / 2 - R * 4 / 10, std::max(2, R / 9)), kD, false);
    }
}

void humanoid(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int style = rnd.below(3);
    const int cx = f.cx(), ground = f.y(1000) - 2;

    if (style == 1) {
        // robed caster with a staff
        const int hem = f.sx(rnd.between(500, 620)) / 2;
        const int shoulderY = f.y(rnd.between(300, 360)), sw = f.sx(160);
        const int headR = f.sx(rnd.between(105, 125));
        const int hy = shoulderY - headR * 3 / 4;
        const int staffX = cx + f.sx(330);
        c.fill(capsule({staffX, f.y(60)}, {staffX - f.sx(30), ground}, std::max(2, f.w / 60)), kC);
        c.fill(circle(staffX, f.y(60), f.sx(60)), kD);
        c.fill(polygon({{cx - sw, shoulderY}, {cx + sw, shoulderY}, {cx + hem, ground}, {cx - hem, ground}}), kA);
        c.fill(capsule({cx - hem + 2, ground - f.sy(25)}, {cx + hem - 2, ground - f.sy(25)}, std::max(2, f.sy(22))), kD);
        c.fill(capsule({cx - sw, shoulderY + f.sy(40)}, {cx - sw - f.sx(40), f.y(620)}, f.sx(70)), kA);
        c.fill(capsule({cx + sw, shoulderY + f.sy(40)}, {staffX - f.sx(40), f.y(480)}, f.sx(70)), kA);
        c.fill(circle(staffX - f.sx(30), f.y(480), f.sx(50)), kB);
        // hat or hood, face lost in shadow but for the eyes
        if (rnd.below(2)) {
            c.fill(polygon({{cx - headR * 3 / 2, hy - headR / 3}, {cx + headR / 3, f.y(0) + 2}, {cx + headR * 3 / 2, hy - headR / 3}}),
                   kD);
            c.fill(circle(cx, hy, headR), kA);
            c.fill(ellipse(cx, hy - headR / 3, headR * 2, headR / 3), kD);
        } else {
            c.fill(unite(circle(cx, hy, headR * 5 / 4), polygon({{cx - headR, hy}, {cx - headR / 4, hy - headR * 2}, {cx + headR, hy}})),
                   kA);
        }
        c.fill(ellipse(cx + headR / 6, hy + headR / 6, headR * 3 / 4, headR * 2 / 3), solid(Outline), false);
        for (int s : {-1, 1})
            c.fill(circle(cx + headR / 6 + s * headR / 3, hy + headR / 6, std::max(1, headR / 6)), solid(Eye), false);
        return;
    }

    if (style == 2) {
        // a grinning imp with a fork
        const int bodyR = f.sx(rnd.between(170, 210)), headR = f.sx(rnd.between(170, 210));
        const int by = ground - f.sy(160) - bodyR, hy = by - bodyR - headR * 2 / 3;
        for (int s : {-1, 1})
            batWing(c, f, s, {cx + s * bodyR / 2, by - bodyR / 2}, {cx + s * f.sx(470), hy - headR / 2}, f.sy(200), 2, kB,
                    f.thin());
        c.fill(unite(capsule({cx - bodyR / 2, by}, {cx - f.sx(380), ground - f.sy(140)}, f.thin() + 1),
                     polygon({{cx - f.sx(440), ground - f.sy(60)}, {cx - f.sx(440), ground - f.sy(220)}, {cx - f.sx(330), ground - f.sy(140)}})),
               kA);
        for (int s : {-1, 1}) {
            c.fill(capsule({cx + s * bodyR / 2, by + bodyR / 2}, {cx + s * bodyR * 2 / 3, ground - f.sy(30)}, bodyR / 4), kA);
            c.fill(ellipse(cx + s * bodyR * 3 / 4, ground - f.sy(30), bodyR / 3, bodyR / 6), kC);
        }
        c.fill(circle(cx, by, bodyR), kA);
        c.fill(within(circle(cx, by + bodyR / 3, bodyR * 2 / 3), circle(cx, by, bodyR)), kB, false);
        const int forkX = cx + f.sx(330);
        c.fill(capsule({forkX, hy - headR}, {forkX, ground}, f.thin() + 1), kC);
        c.fill(polygon({{forkX - f.sx(80), hy - headR}, {forkX - f.sx(80), hy - headR - f.sy(130)},
                        {forkX - f.sx(50), hy - headR - f.sy(40)}, {forkX - f.sx(10), hy - headR - f.sy(40)},
                        {forkX, hy - headR - f.sy(150)}, {forkX + f.sx(10), hy - headR - f.sy(40)},
                        {forkX + f.sx(50), hy - headR - f.sy(40)}, {forkX + f.sx(80), hy - headR - f.sy(130)},
                        {forkX + f.sx(80), hy - headR}}),
               kC);
        c.fill(capsule({cx + bodyR * 3 / 4, by - bodyR / 3}, {forkX, by - bodyR / 4}, bodyR / 4), kA);
        for (int s : {-1, 1})
            c.fill(polygon({{cx + s * headR / 3, hy - headR * 3 / 4}, {cx + s * headR * 3 / 4, hy - headR * 9 / 5},
                            {cx + s * headR * 3 / 4, hy - headR / 2}}),
                   kC);
        c.fill(circle(cx, hy, headR), kA);
        for (int s : {-1, 1})
            eye(c, cx + s * headR * 2 / 5, hy - headR / 8, std::max(2, headR / 4), 0, false, true);
        c.fill(clip(ellipse(cx, hy + headR / 4, headR / 2, headR / 2), below(hy + headR / 4)), solid(Outline), false);
        teeth(c, cx - headR / 2, cx + headR / 2, hy + headR / 4, std::max(2, headR / 6), 4);
        return;
    }

    // armoured warrior with sword and shield
    const int shoulderY = f.y(rnd.between(300, 360)), hipY = f.y(rnd.between(600, 660));
    const int sw = f.sx(rnd.between(190, 230)), hw = f.sx(rnd.between(120, 150));
    const int headR = f.sx(rnd.between(95, 115));
    const int hy = shoulderY - headR - f.sy(10);
    const int limb = std::max(3, f.sx(55));
    if (rnd.below(2))
        c.fill(polygon({{cx - sw, shoulderY}, {cx + sw, shoulderY}, {cx + sw + f.sx(60), ground - f.sy(60)},
                        {cx, ground - f.sy(20)}, {cx - sw - f.sx(60), ground - f.sy(60)}}),
               kShadowB);
    for (int s : {-1, 1}) {
        c.fill(capsule({cx + s * hw / 2, hipY}, {cx + s * hw * 3 / 4, ground - limb}, limb), kC);
        c.fill(ellipse(cx + s * hw * 3 / 4 + s * limb / 2, ground - limb / 2, limb * 3 / 2, limb * 3 / 4), kC);
    }
    c.fill(polygon({{cx - sw, shoulderY}, {cx + sw, shoulderY}, {cx + hw, hipY}, {cx - hw, hipY}}), kA);
    c.fill(capsule({cx - hw, hipY - 2}, {cx + hw, hipY - 2}, std::max(2, f.sy(25))), kC);
    // sword arm raised on the right
    const Pt hand{cx + sw + f.sx(90), shoulderY - f.sy(20)};
    c.fill(polygon({{hand.x - f.sx(30), hand.y}, {hand.x - f.sx(30), f.y(100)}, {hand.x, f.y(10)},
                    {hand.x + f.sx(30), f.y(100)}, {hand.x + f.sx(30), hand.y}}),
           kC);
    c.fill(capsule({hand.x - f.sx(90), hand.y - f.sy(30)}, {hand.x + f.sx(90), hand.y - f.sy(30)}, f.thin() + 1), kD);
    c.fill(capsule({cx + sw, shoulderY + limb}, hand, limb), kA);
    c.fill(circle(hand.x, hand.y, limb), kB);
    // shield on the left
    const int shX = cx - sw - f.sx(40), shY = (shoulderY + hipY) / 2;
    c.fill(capsule({cx - sw, shoulderY + limb}, {shX + f.sx(60), shY}, limb), kA);
    const Shape shield = unite(clip(ellipse(shX, shY, f.sx(150), f.sy(150)), above(shY)),
                               polygon({{shX - f.sx(150), shY - 1}, {shX + f.sx(150), shY - 1}, {shX, shY + f.sy(230)}}));
    c.fill(shield, kD);
    c.fill(within(capsule({shX, shY - f.sy(120)}, {shX, shY + f.sy(160)}, std::max(2, f.sx(25))), shield), kC, false);
    c.fill(within(capsule({shX - f.sx(110), shY - f.sy(20)}, {shX + f.sx(110), shY - f.sy(20)}, std::max(2, f.sx(25))), shield), kC,
           false);
    for (int s : {-1, 1})
        c.fill(ellipse(cx + s * sw, shoulderY + f.sy(10), f.sx(75), f.sy(55)), kC);
    // helmet with a slit and a plume
    c.fill(polygon({{cx - headR / 3, hy - headR / 2}, {cx - headR * 2, hy - headR * 2}, {cx - headR / 2, hy - headR * 5 / 4},
                    {cx + headR / 3, hy - headR * 3 / 2}}),
           kD);
    c.fill(circle(cx, hy, headR), kC);
    c.fill(capsule({cx - headR * 2 / 3, hy}, {cx + headR * 3 / 4, hy}, std::max(1, headR / 6)), solid(Outline), false);
    c.fill(circle(cx + headR / 3, hy, 1), solid(Eye), false);
}

void beast(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int L = f.sx(rnd.between(540, 640)), bh = f.sy(rnd.between(270, 340));
    const int legLen = f.sy(rnd.between(140, 210));
    const int ground = f.y(1000) - 2;
    const int bx = f.x(rnd.between(400, 440)), by = ground - legLen - bh / 2;
    const int headR = bh * rnd.between(46, 56) / 100;
    const int hx = bx + L / 2 + headR / 4, hy = by - bh / 2 - headR / 4;
    const int leg = std::max(3, bh / 5);
    const bool horned = rnd.below(2);

    // tail sweeping up behind
    const Pt t0{bx - L / 2 + f.sx(20), by - bh / 4}, t1{bx - L / 2 - f.sx(100), by - bh / 3},
        t2{bx - L / 2 - f.sx(160), by - bh / 2 - f.sy(rnd.between(80, 220))};
    c.fill(unite(capsule(t0, t1, leg * 2 / 3), capsule(t1, t2, leg / 2)), kA);
    c.fill(ellipse(t2.x, t2.y, leg, leg * 3 / 2), kD);
    // far legs first, in shadow
    c.fill(capsule({bx + L / 3 - f.sx(50), by}, {bx + L / 3 - f.sx(30), ground - leg / 2}, leg), kShadowA);
    c.fill(capsule({bx - L / 3 + f.sx(40), by}, {bx - L / 3 + f.sx(60), ground - leg / 2}, leg), kShadowA);
    if (!horned) {
        // mane spikes along the back
        for (int i = 0; i < 5; ++i) {
            const int sx = bx + L / 2 - i * L / 6;
            c.fill(polygon({{sx - L / 10, by - bh / 3}, {sx - L / 8, by - bh / 2 - f.sy(120) + i * f.sy(15)}, {sx + L / 10, by - bh / 3}}),
                   kD);
        }
    }
    const Shape body = ellipse(bx, by, L / 2, bh / 2);
    c.fill(body, kA);
    c.fill(within(ellipse(bx + L / 10, by + bh / 3, L * 2 / 5, bh / 3), body), kB, false);
    for (int x : {bx + L / 3, bx - L / 3 + f.sx(20)}) {
        c.fill(capsule({x, by + bh / 6}, {x + f.sx(10), ground - leg / 2}, leg), kA);
        c.fill(ellipse(x + f.sx(30), ground - leg / 2, leg * 3 / 2, leg * 2 / 3 + 1), kA);
        for (int k = 0; k < 3; ++k)
            c.set((x + f.sx(30) + leg - k * 3) >> 1, (ground - 1) >> 1, C2);
    }
    // head
    for (int s : {0, 1}) {
        const int ex = hx - headR / 3 + s * headR / 2;
        c.fill(polygon({{ex - headR / 3, hy - headR * 2 / 3}, {ex - headR / 4 - s * headR / 6, hy - headR * 8 / 5},
                        {ex + headR / 3, hy - headR * 3 / 4}}),
               s ? kA : kShadowA);
    }
    c.fill(circle(hx, hy, headR), kA);
    const int snX = hx + headR * 8 / 10, snY = hy + headR / 4;
    c.fill(ellipse(snX, snY, headR * 7 / 10, headR / 2), kB);
    c.fill(ellipse(snX + headR * 6 / 10, snY - headR / 5, std::max(2, headR / 6), std::max(2, headR / 8)), solid(Outline), false);
    c.fill(capsule({snX - headR / 5, snY + headR / 4}, {snX + headR * 3 / 5, snY + headR / 4}, 1), solid(Outline), false);
    c.fill(polygon({{snX + headR / 5, snY + headR / 4}, {snX + headR * 2 / 5, snY + headR / 4}, {snX + headR * 3 / 10, snY + headR * 3 / 5}}),
           solid(Eye), false);
    eye(c, hx + headR / 5, hy - headR / 4, std::max(2, headR / 4), 1, false, true);
    if (horned)
        c.fill(polygon({{hx - headR / 3, hy - headR * 2 / 3}, {hx - headR, hy - headR * 2}, {hx - headR / 2, hy - headR * 5 / 4},
                        {hx + headR / 6, hy - headR * 3 / 4}}),
               kC);
}

void serpent(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const bool worm = rnd.below(3) == 0;
    const int n = rnd.between(9, 13);
    const int rMax = f.sx(rnd.between(75, 100));
    const int amp = f.sy(rnd.between(60, 110));
    const int phase = rnd.below(32);
    std::vector<Pt> pts;
    std::vector<int> radii;
    // a coil along the ground, then a neck rising to the head
    for (int i = 0; i < n; ++i) {
        const int x = f.x(40 + i * 420 / n);
        const int y = f.y(1000) - rMax - 2 - amp - amp * sin32(phase + i * 5) / 1024;
        pts.push_back({x, y});
        radii.push_back(rMax * (45 + 55 * i / n) / 100);
    }
    const int rise = worm ? 3 : 4;
    for (int i = 1; i <= rise; ++i) {
        pts.push_back({f.x(460 + i * 45), f.y(1000) - rMax * 2 - i * f.sy(worm ? 150 : 130)});
        radii.push_back(rMax);
    }
    for (size_t i = 1; i < pts.size() && !worm; i += 2) {
        const int r = radii[i];
        c.fill(polygon({{pts[i].x - r * 2 / 3, pts[i].y - r / 2}, {pts[i].x - r / 4, pts[i].y - r * 9 / 5}, {pts[i].x + r / 2, pts[i].y - r / 2}}),
               kD);
    }
    for (size_t i = 0; i < pts.size(); ++i) {
        const int r = radii[i];
        c.fill(circle(pts[i].x, pts[i].y, r), kA);
        c.fill(ellipse(pts[i].x, pts[i].y + r / 3, r * 6 / 10, r * 55 / 100), kB, false);
    }
    const Pt h = pts.back();
    if (worm) {
        // a round maw ringed with teeth
        const int R = rMax * 13 / 10;
        c.fill(circle(h.x + R / 3, h.y - R / 3, R), kA);
        c.fill(circle(h.x + R / 2, h.y - R / 2, R * 2 / 3), solid(Outline), false);
        c.fill(circle(h.x + R / 2, h.y - R / 2, R / 3), kD, false);
        for (int k = 0; k < 8; ++k) {
            const Pt rim{h.x + R / 2 + cos32(k * 4) * R * 2 / 3 / 1024, h.y - R / 2 + sin32(k * 4) * R * 2 / 3 / 1024};
            const Pt tip{h.x + R / 2 + cos32(k * 4) * R / 3 / 1024, h.y - R / 2 + sin32(k * 4) * R / 3 / 1024};
            c.fill(capsule(rim, tip, std::max(1, R / 10)), solid(Eye), false);
        }
        return;
    }
    const int R = rMax * 3 / 2;
    const Pt head{h.x + R / 2, h.y - R / 3};
    c.fill(unite(capsule({head.x + R, head.y + R / 4}, {head.x + R / 4, head.y + R / 2}, R / 3), ellipse(head.x + R / 3, head.y + R / 3, R, R / 3)),
           kA);  // lower jaw
    // forked tongue
    const Pt fork{head.x + R * 21 / 10, head.y + R / 2};
    c.fill(capsule({head.x + R * 3 / 2, head.y + R / 2}, fork, 1), solid(Pupil), false);
    c.fill(capsule(fork, {fork.x + R / 4, fork.y - R / 4}, 1), solid(Pupil), false);
    c.fill(capsule(fork, {fork.x + R / 4, fork.y + R / 4}, 1), solid(Pupil), false);
    c.fill(ellipse(head.x + R / 3, head.y - R / 5, R * 7 / 5, R * 3 / 4), kA);
    teeth(c, head.x + R / 2, head.x + R * 3 / 2, head.y + R / 2, std::max(2, R / 4), 2);
    eye(c, head.x + R / 3, head.y - R / 3, std::max(2, R / 4), 1, true, true);
    c.set((head.x + R * 3 / 2) >> 1, (head.y - R / 4) >> 1, Outline);
}

void dragon(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int bx = f.x(430), by = f.y(rnd.between(590, 630));
    const int rx = f.sx(rnd.between(240, 270)), ry = f.sy(rnd.between(170, 200));
    const int ground = f.y(1000) - 2;
    const int leg = f.sx(60);
    const int curl = rnd.between(0, 120);

    // tail, tip first so each part lies over the next one out
    const Pt tail[] = {f.p(260, 680), f.p(160, 780), f.p(70, 800), f.p(20, 720 - curl / 2), f.p(40, 600 - curl)};
    c.fill(polygon({{tail[4].x - f.sx(50), tail[4].y + f.sy(10)}, {tail[4].x + f.sx(10), tail[4].y - f.sy(110)},
                    {tail[4].x + f.sx(60), tail[4].y + f.sy(20)}}),
           kD);
    for (int i = 3; i >= 0; --i)
        c.fill(capsule(tail[i], tail[i + 1], ry * (18 + 12 * (3 - i)) / 100), kA);
    // far wing and far legs in shadow
    batWing(c, f, -1, f.p(460, 460), f.p(300, 0), f.sy(140), 3, kShadowB, f.thin() + 1);
    c.fill(capsule({bx + rx * 2 / 3, by + ry / 2}, {bx + rx * 2 / 3 + leg, ground - leg}, leg), kShadowA);
    c.fill(capsule({bx - rx / 2 + leg, by + ry / 2}, {bx - rx / 2 + 2 * leg, ground - leg}, leg), kShadowA);
    // spikes along the back and up the neck
    const Pt neck[] = {f.p(620, 500), f.p(690, 400), f.p(730, 310), f.p(760, 230)};
    for (int i = 0; i < 4; ++i)
        c.fill(polygon({{bx - rx + i * rx / 2, by - ry * 3 / 4}, {bx - rx + i * rx / 2 + rx / 8, by - ry - f.sy(80)},
                        {bx - rx + i * rx / 2 + rx / 3, by - ry * 3 / 4}}),
               kD);
    for (const Pt& p : neck)
        c.fill(polygon({{p.x - f.sx(50), p.y}, {p.x - f.sx(100), p.y - f.sy(80)}, {p.x + f.sx(10), p.y - f.sy(40)}}), kD);
    const Shape body = ellipse(bx, by, rx, ry);
    c.fill(body, kA);
    c.fill(within(ellipse(bx + rx / 5, by + ry * 2 / 3, rx * 3 / 4, ry / 2), body), kB, false);
    for (int i = 0; i < 5; ++i)
        c.fill(within(capsule({bx - rx / 3 + i * rx / 5, by + ry / 4}, {bx - rx / 3 + i * rx / 5 - f.sx(10), by + ry}, 1), body),
               solid(B0), false);
    for (int i = 0; i < 3; ++i)
        c.fill(capsule(neck[i], neck[i + 1], f.sx(85 - 10 * i)), kA);
    for (int i = 0; i < 3; ++i)
        c.fill(within(capsule({neck[i].x + f.sx(40), neck[i].y + f.sy(20)}, {neck[i + 1].x + f.sx(40), neck[i + 1].y + f.sy(20)},
                              f.sx(40 - 5 * i)),
                      capsule(neck[i], neck[i + 1], f.sx(85 - 10 * i))),
               kB, false);
    // head: horns, open jaw, snout
    const int hx = f.x(790), hy = f.y(rnd.between(170, 210));
    for (int s : {0, 1})
        c.fill(polygon({{hx - f.sx(70 - 50 * s), hy - f.sy(20)}, {hx - f.sx(250 - 50 * s), hy - f.sy(170 - 20 * s)},
                        {hx - f.sx(120 - 50 * s), hy - f.sy(90)}, {hx + f.sx(10 + 50 * s), hy - f.sy(60)}}),
               s ? kC : Paint{C0, C0, C1});
    c.fill(polygon({{hx - f.sx(20), hy + f.sy(20)}, {f.x(950), hy + f.sy(100)}, {f.x(940), hy + f.sy(140)}, {hx - f.sx(40), hy + f.sy(90)}}),
           kShadowA);
    c.fill(polygon({{hx + f.sx(30), hy + f.sy(50)}, {f.x(930), hy + f.sy(100)}, {f.x(930), hy + f.sy(60)}}), kD, false);
    teeth(c, hx + f.sx(60), f.x(930), hy + f.sy(58), f.sy(25), 4);
    teeth(c, hx + f.sx(60), f.x(920), hy + f.sy(100), f.sy(25), 4, true);
    c.fill(unite(ellipse(hx, hy, f.sx(95), f.sy(80)),
                 polygon({{hx, hy - f.sy(60)}, {f.x(960), hy - f.sy(10)}, {f.x(980), hy + f.sy(40)}, {hx, hy + f.sy(50)}})),
           kA);
    c.fill(circle(f.x(955), hy, std::max(1, f.sx(8))), solid(Outline), false);
    eye(c, hx + f.sx(20), hy - f.sy(20), f.sx(30), 1, true, true);
    // the near wing, then the near legs with claws
    batWing(c, f, 1, f.p(500, 470), f.p(60, 30), f.sy(160), 3, kB, f.thin() + 1);
    const Pt thigh{bx - rx / 2, by + ry / 4};
    const Pt heel{thigh.x - leg / 2, ground - leg * 2};
    c.fill(capsule(heel, {heel.x + leg, ground - leg}, leg), kA);
    c.fill(capsule({thigh.x + leg, thigh.y + ry / 3}, heel, leg * 6 / 5), kA);
    c.fill(ellipse(thigh.x, thigh.y, rx * 2 / 5, ry * 3 / 4), kA);
    const Pt shoulder{bx + rx / 2, by + ry / 3}, elbow{bx + rx + leg / 2, by + ry * 3 / 4}, paw{bx + rx * 3 / 4, ground - leg};
    c.fill(unite(capsule(shoulder, elbow, leg), capsule(elbow, paw, leg * 4 / 5)), kA);
    for (int x : {heel.x + leg * 2, paw.x + leg})
        for (int k = 0; k < 3; ++k)
            c.fill(polygon({{x - leg * 2 + k * leg * 2 / 3, ground - leg * 3 / 2}, {x - leg + k * leg * 2 / 3, ground - leg / 2},
                            {x - leg + k * leg * 2 / 3 + leg / 2, ground}}),
                   kC);
}

void giant(Canvas& c, const Frame& f, SampleRandom& rnd)
{
    const int style = rnd.below(3);
    const int cx = f.cx(), ground = f.y(1000) - 2;
    const int shoulderY = f.y(rnd.between(300, 340)), hipY = f.y(rnd.between(620, 680));
    const int sw = f.sx(rnd.between(260, 310)), hw = f.sx(rnd.between(150, 190));
    const int headR = f.sx(rnd.between(95, 120));
    const int hy = shoulderY - headR * 2 / 3;
    const int limb = f.sx(rnd.between(70, 85));
    const Paint armour = style == 1 ? kA : kC;

    if (style == 2) {
        for (int s : {-1, 1})
            batWing(c, f, s, {cx + s * sw / 2, shoulderY}, {cx + s * f.sx(495), f.y(30)}, f.sy(330), 3, kB, f.thin() + 1);
    }
    for (int s : {-1, 1}) {
        const Pt knee{cx + s * (hw + f.sx(10)), (hipY + ground) / 2};
        c.fill(unite(capsule({cx + s * hw / 2, hipY}, knee, limb * 6 / 5), capsule(knee, {cx + s * hw, ground - limb}, limb)), kA);
        c.fill(ellipse(cx + s * (hw + limb / 3), ground - limb / 2, limb * 3 / 2, limb * 2 / 3), armour);
        c.fill(circle(knee.x, knee.y, limb * 3 / 4), armour);
    }
    const Shape torso = polygon({{cx - sw, shoulderY}, {cx + sw, shoulderY}, {cx + hw, hipY}, {cx - hw, hipY}});
    c.fill(torso, kA);
    if (style == 1) {
        // a golem: the torso is a heap of stones
        for (int i = 0; i < 5; ++i) {
            const int sx = cx + (i % 2 ? 1 : -1) * f.sx(30 + 40 * i) * (i % 3 ? 1 : -1) / 2;
            const int sy = shoulderY + f.sy(60) + i * (hipY - shoulderY) / 6;
            c.fill(within(ellipse(sx, sy, f.sx(90), f.sy(50)), torso), kB, true);
        }
    } else {
        c.fill(within(ellipse(cx, shoulderY + f.sy(90), sw * 2 / 3, f.sy(110)), torso), armour);
        c.fill(capsule({cx - hw, hipY - f.sy(10)}, {cx + hw, hipY - f.sy(10)}, f.sy(30)), kD);
    }
    for (int s : {-1, 1}) {
        const Pt elbow{cx + s * (sw + f.sx(60)), (shoulderY + hipY) / 2};
        const Pt fist{cx + s * (sw + f.sx(30)), hipY + f.sy(60)};
        c.fill(unite(capsule({cx + s * sw, shoulderY + limb / 2}, elbow, limb), capsule(elbow, fist, limb * 9 / 10)), kA);
        c.fill(circle(fist.x, fist.y, limb * 5 / 4), kB);
        c.fill(ellipse(cx + s * sw, shoulderY + f.sy(20), limb * 8 / 5, limb * 6 / 5), armour);
    }
    if (style != 1)
        for (int s : {-1, 1})
            c.fill(polygon({{cx + s * headR / 3, hy - headR * 2 / 3}, {cx + s * headR * 3 / 2, hy - headR * 7 / 4},
                            {cx + s * headR * 5 / 4, hy - headR * 5 / 4}, {cx + s * headR * 5 / 6, hy - headR / 3}}),
                   kC);
    c.fill(circle(cx, hy, headR), style == 1 ? kA : kB);
    if (style == 1) {
        c.fill(capsule({cx - headR / 2, hy}, {cx + headR / 2, hy}, headR / 5), solid(Outline), false);
        for (int s : {-1, 1})
            c.fill(circle(cx + s * headR / 3, hy, std::max(1, headR / 8)), solid(Eye), false);
    } else {
        for (int s : {-1, 1})
            eye(c, cx + s * headR * 2 / 5, hy - headR / 8, std::max(3, headR / 4), 0, false, true);
        c.fill(clip(ellipse(cx, hy + headR / 3, headR / 2, headR / 2), below(hy + headR / 3)), solid(Outline), false);
        teeth(c, cx - headR / 2, cx + headR / 2, hy + headR / 3, std::max(2, headR / 5), 4);
    }
}

// ---- colours ---------------------------------------------------------------

struct Rgb {
    int r, g, b;
};

constexpr Rgb kHues[] = {
    {27, 5, 4},    // 0 red
    {29, 15, 3},   // 1 orange
    {28, 23, 4},   // 2 gold
    {17, 26, 5},   // 3 lime
    {5, 20, 7},    // 4 green
    {4, 20, 18},   // 5 teal
    {8, 19, 30},   // 6 sky
    {6, 9, 27},    // 7 blue
    {15, 7, 26},   // 8 violet
    {25, 7, 22},   // 9 magenta
    {30, 15, 20},  // 10 pink
    {18, 11, 5},   // 11 brown
    {17, 17, 19},  // 12 grey
    {28, 26, 20},  // 13 bone
    {29, 21, 16},  // 14 flesh
    {16, 17, 6},   // 15 olive
};

quint16 bgr(Rgb c)
{
    auto k = [](int v) { return std::clamp(v, 0, 31); };
    return quint16(k(c.r) | k(c.g) << 5 | k(c.b) << 10);
}

// Shadows lean towards blue, highlights towards white.
Rgb ramp(Rgb c, int level)
{
    if (level == 0)
        return {c.r * 9 / 16, c.g * 9 / 16, c.b * 10 / 16 + 2};
    if (level == 2)
        return {c.r + (31 - c.r) * 7 / 16, c.g + (31 - c.g) * 7 / 16, c.b + (31 - c.b) * 6 / 16};
    return c;
}

struct Scheme {
    std::vector<int> a, b, cc, d;
};

Scheme schemeFor(Kind kind)
{
    const std::vector<int> any{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    switch (kind) {
    case Kind::Slime: return {any, {13, 2, 6, 10, 3}, {13, 12, 2}, {2, 0, 9}};
    case Kind::Eyeball: return {{13, 14, 10, 12}, {8, 4, 11, 9, 5, 0}, {0, 9}, {6, 4, 1, 0, 8, 2}};
    case Kind::Bat: return {{11, 8, 12, 7, 0, 15}, {9, 4, 8, 0, 5, 1}, {2, 1, 13}, {0, 2, 6, 10}};
    case Kind::Beetle: return {any, {11, 12, 7, 15}, {11, 12, 8}, {2, 0, 13, 6}};
    case Kind::Skull: return {{13, 12, 2, 14}, {6, 5, 8, 3, 1, 0}, {11, 12, 0}, {2}};
    case Kind::Plant: return {{3, 4, 5, 15}, {2, 11, 1, 13}, {11, 1, 12}, {0, 9, 10, 8, 6, 2, 1}};
    case Kind::Humanoid: return {any, {14, 3, 12, 8, 13}, {12, 2, 6, 13}, {0, 2, 7, 9, 4}};
    case Kind::Beast: return {{11, 12, 1, 2, 4, 7, 8, 0, 15}, {13, 14, 2, 12}, {13, 12}, {0, 1, 8, 2, 4}};
    case Kind::Serpent: return {any, {2, 13, 14, 3}, {13, 12}, {0, 2, 8, 1}};
    case Kind::Dragon: return {{0, 4, 7, 8, 11, 12, 5, 2}, {9, 1, 6, 3, 10, 13}, {13, 12, 2}, {2, 1, 13, 0}};
    case Kind::Giant: return {{11, 12, 15, 7, 0, 4, 8}, {14, 3, 12, 5, 9}, {12, 2, 6, 11}, {0, 2, 7}};
    }
    return {any, any, any, any};
}

}  // namespace

namespace {

Picture paintAt(Kind kind, quint32 seed, int size, int canvas)
{
    // Paint with room to spare, then crop to the creature.
    const int n = canvas + 48;
    Canvas c(n);
    const Frame f{n - size, 2 * n - 20 - 2 * size, 2 * size, 2 * size};
    SampleRandom rnd(seed * 2654435761u + quint32(kind) * 40503u + 17u);
    switch (kind) {
    case Kind::Slime: slime(c, f, rnd); break;
    case Kind::Eyeball: eyeball(c, f, rnd); break;
    case Kind::Bat: batOrBird(c, f, rnd); break;
    case Kind::Beetle: beetle(c, f, rnd); break;
    case Kind::Skull: skull(c, f, rnd); break;
    case Kind::Plant: plant(c, f, rnd); break;
    case Kind::Humanoid: humanoid(c, f, rnd); break;
    case Kind::Beast: beast(c, f, rnd); break;
    case Kind::Serpent: serpent(c, f, rnd); break;
    case Kind::Dragon: dragon(c, f, rnd); break;
    case Kind::Giant: giant(c, f, rnd); break;
    }
    c.closeSilhouette();
    return c.cropped(n);
}

}  // namespace

Picture paint(Kind kind, quint32 seed, int size, int canvas)
{
    // A creature whose horns or tail stray out of its frame is painted
    // again a little smaller rather than cut off.
    for (; size > 8; size -= 2) {
        Picture p = paintAt(kind, seed, size, canvas);
        if (p.width <= canvas && p.height <= canvas)
            return p;
    }
    const Picture big = paintAt(kind, seed, size, canvas);
    Picture p;
    p.width = std::min(big.width, canvas);
    p.height = std::min(big.height, canvas);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.inks.push_back(big.at(x, y));
    return p;
}

quint8 threeBitValue(quint8 ink)
{
    static constexpr quint8 kMap[16] = {0, 1, 2, 3, 4, 2, 5, 6, 2, 5, 6, 7, 1, 2, 5, 6};
    return kMap[ink & 15];
}

std::array<quint16, 16> colours(Kind kind, quint32 seed, int variant, bool threeBit)
{
    const Scheme s = schemeFor(kind);
    SampleRandom rnd(seed * 747796405u + 99u);
    // The three colourings of one picture step a third of the way round
    // each list, so a palette swap never repeats the body colour.
    // Materials keep apart: a hue already taken moves on down the list,
    // and past its end to any hue still free.
    std::vector<int> taken;
    auto unused = [&](int h) { return std::find(taken.begin(), taken.end(), h) == taken.end(); };
    auto pick = [&](const std::vector<int>& list) {
        const int n = int(list.size());
        const int first = rnd.below(n) + variant * std::max(1, n / 3);
        int hue = -1;
        for (int i = 0; i < n && hue < 0; ++i)
            if (unused(list[size_t((first + i) % n)]))
                hue = list[size_t((first + i) % n)];
        for (int h = list[size_t(first % n)]; hue < 0; h = (h + 1) % int(std::size(kHues)))
            if (unused(h))
                hue = h;
        taken.push_back(hue);
        return kHues[hue];
    };
    const Rgb a = pick(s.a), b = pick(s.b), cc = pick(s.cc), d = pick(s.d);
    const bool redPupil = rnd.below(3) == 0;
    const Rgb eyeColour = kind == Kind::Skull || kind == Kind::Giant ? Rgb{31, 28, 9} : Rgb{30, 30, 28};
    const Rgb pupil = redPupil ? Rgb{26, 3, 3} : Rgb{2, 1, 4};
    const Rgb outline{a.r * 3 / 16 + 1, a.g * 3 / 16 + 1, a.b * 3 / 16 + 2};

    std::array<quint16, 16> out{};
    out[Outline] = bgr(outline);
    for (int level = 0; level < 3; ++level) {
        out[A0 + level] = bgr(ramp(a, level));
        out[B0 + level] = bgr(ramp(b, level));
        out[C0 + level] = bgr(ramp(cc, level));
        out[D0 + level] = bgr(ramp(d, level));
    }
    out[Eye] = bgr(eyeColour);
    out[Pupil] = bgr(pupil);
    if (threeBit) {
        std::array<quint16, 16> three{};
        three[1] = out[Outline];
        three[2] = out[A0];
        three[3] = out[A1];
        three[4] = out[A2];
        three[5] = out[B1];
        three[6] = out[B2];
        three[7] = out[Eye];
        return three;
    }
    return out;
}

}  // namespace monsterart

}  // namespace tessel
