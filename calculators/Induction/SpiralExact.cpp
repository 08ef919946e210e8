#include "calculators/Induction/SpiralExact.h"

#include "calculators/Induction/ExactFields.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace induction {

namespace {

using std::numbers::pi;

// mu0 / (4 pi) in microhenries per millimetre: Neumann's integral over
// millimetre paths times this is microhenries.
constexpr double Mu0Over4PiUhPerMm = 1e-4;

// ln of the geometric mean distance of a thin flat strip from itself, less
// ln of its width: the GMD is e^(-3/2) w = 0.2231 w.
constexpr double StripSelfLogGmd = -1.5;

// Intervals of each ratio table over t = a / b in [0, 1]. What is left of a
// pair's M once its logarithm is taken out is smooth but for a
// (1 - t) ln(1 - t) term at t = 1; cubic pieces on 256 intervals follow M to
// 1e-4 there and far closer elsewhere.
constexpr int RatioIntervals = 256;

// Intervals of each outline's self table over w / a in [0, 2].
constexpr int SelfIntervals = 16;

// A pair whose inner turn lies closer to the centre than this many track
// widths has its smooth part averaged over both tracks.
constexpr double NearCentreTracks = 8;

constexpr int MaxTurns = static_cast<int>(SpiralMaxTurns);

struct TPoint {
    double x, y;
};

// x ln(y - x cos + r) of the antiderivative of 1/r over two crossing lines, x
// and y measured from the crossing, r the distance of the two points. At
// x = 0 the term is 0 whatever its logarithm; below y = x cos the sum is
// taken as x^2 sin^2 / (r - y + x cos), which it equals, to keep its digits.
double fnCrossingTerm(double x, double y, double r, double cosine, double sine2)
{
    if (x == 0)
        return 0;
    const double near = y - x * cosine;
    const double sum = near >= 0 ? near + r : x * x * sine2 / (r - near);
    return sum > 0 ? x * std::log(sum) : 0;
}

double fnCrossingAntiderivative(double s, double t, double cosine, double sine2)
{
    const double r = std::sqrt(std::max(0.0, s * s + t * t - 2 * s * t * cosine));
    return fnCrossingTerm(s, t, r, cosine, sine2) + fnCrossingTerm(t, s, r, cosine, sine2);
}

// Antiderivative of 1/r over two parallel lines a distance d apart, in the
// offset x of the two points along them.
double fnParallelAntiderivative(double x, double d) { return x * std::asinh(x / d) - std::hypot(x, d); }

// Neumann's integral of dl . dl' / r over two coplanar straight filaments
// p0 -> p1 and q0 -> q1 (Grover's parallel and inclined filaments), in the
// unit of the coordinates. Filaments on one line are not expected.
double fnFilamentPair(TPoint p0, TPoint p1, TPoint q0, TPoint q1)
{
    const double lengthP = std::hypot(p1.x - p0.x, p1.y - p0.y);
    const double lengthQ = std::hypot(q1.x - q0.x, q1.y - q0.y);
    const TPoint u{(p1.x - p0.x) / lengthP, (p1.y - p0.y) / lengthP};
    const TPoint v{(q1.x - q0.x) / lengthQ, (q1.y - q0.y) / lengthQ};
    const double cosine = u.x * v.x + u.y * v.y;
    const double sine = u.x * v.y - u.y * v.x;
    if (std::abs(cosine) < 1e-12)
        return 0; // crossing at right angles: no mutual flux
    const TPoint w{q0.x - p0.x, q0.y - p0.y};
    if (std::abs(sine) < 1e-9) {
        // Parallel: q's ends as offsets along p's direction.
        const double distance = std::abs(w.x * u.y - w.y * u.x);
        const double a = w.x * u.x + w.y * u.y;
        const double b = a + cosine * lengthQ;
        const double low = std::min(a, b), high = std::max(a, b);
        const double integral = fnParallelAntiderivative(lengthP - low, distance)
                                + fnParallelAntiderivative(-high, distance)
                                - fnParallelAntiderivative(lengthP - high, distance)
                                - fnParallelAntiderivative(-low, distance);
        return cosine * integral;
    }
    // Inclined: both filaments as ranges along their lines from the crossing point.
    const double alpha = (w.x * v.y - w.y * v.x) / sine;
    const double beta = (w.x * u.y - w.y * u.x) / sine;
    const double s0 = -alpha, s1 = lengthP - alpha;
    const double t0 = -beta, t1 = lengthQ - beta;
    const double sine2 = sine * sine;
    const double integral = fnCrossingAntiderivative(s1, t1, cosine, sine2)
                            - fnCrossingAntiderivative(s0, t1, cosine, sine2)
                            - fnCrossingAntiderivative(s1, t0, cosine, sine2)
                            + fnCrossingAntiderivative(s0, t0, cosine, sine2);
    return cosine * integral;
}

// Neumann's integral between concentric similar regular polygons of apothems
// t and 1 (t < 1), or at t = 1 the polygon with itself less the logarithm of
// the parallel sides' distance: each side of the inner one against every side
// of the outer one, sides m and n - m apart alike.
double fnPolygonPair(int sides, double t)
{
    const double halfAngle = pi / sides;
    const double halfSide = std::tan(halfAngle);
    const TPoint p0{t, -t * halfSide}, p1{t, t * halfSide};
    double sum = 0;
    for (int m = 0; 2 * m <= sides; ++m) {
        const double weight = m == 0 || 2 * m == sides ? 1 : 2;
        if (m == 0 && t == 1) {
            // Two parallel filaments of length l at a vanishing distance d give
            // 2 l (ln(2 l / d) - 1); ln d is the caller's.
            const double length = 2 * halfSide;
            sum += 2 * length * (std::log(2 * length) - 1);
            continue;
        }
        const double c = std::cos(2 * halfAngle * m), s = std::sin(2 * halfAngle * m);
        const TPoint q0{c + s * halfSide, s - c * halfSide}, q1{c - s * halfSide, s + c * halfSide};
        sum += weight * fnFilamentPair(p0, p1, q0, q1);
    }
    return sides * sum;
}

// Coaxial coplanar circles of radii t and 1, as Neumann's integral
// (Maxwell's mutual inductance over mu0 / 4 pi).
double fnCirclePair(double t) { return fields::fnCirclesMutual(t, 1, 0) / Mu0Over4PiUhPerMm; }

// A cubic-by-pieces table of a function over [0, span] on uniform nodes.
class TCubicTable {
public:
    TCubicTable() = default;

    // Each interval takes the cubic through its four nearest nodes.
    TCubicTable(const std::vector<double>& node, double span)
        : mScale((node.size() - 1) / span), mPiece(node.size() - 1)
    {
        const int intervals = static_cast<int>(mPiece.size());
        for (int i = 0; i < intervals; ++i) {
            const int first = std::clamp(i - 1, 0, intervals - 3);
            const auto f = [&](int k) { return node[static_cast<std::size_t>(first + k)]; };
            const double d1 = f(1) - f(0);
            const double d2 = f(2) - 2 * f(1) + f(0);
            const double d3 = f(3) - 3 * f(2) + 3 * f(1) - f(0);
            // Newton's form in y = x - first, in powers of y ...
            const double p0 = f(0), p1 = d1 - d2 / 2 + d3 / 3, p2 = (d2 - d3) / 2, p3 = d3 / 6;
            // ... and about the interval's start, y = e + u.
            const double e = i - first;
            mPiece[static_cast<std::size_t>(i)] = {p0 + e * (p1 + e * (p2 + e * p3)), p1 + e * (2 * p2 + 3 * e * p3),
                                                   p2 + 3 * e * p3, p3};
        }
    }

    double fnAt(double x) const
    {
        const double scaled = x * mScale;
        const int i = std::min(static_cast<int>(scaled), static_cast<int>(mPiece.size()) - 1);
        const double u = scaled - i;
        const auto& c = mPiece[static_cast<std::size_t>(i)];
        return ((c[3] * u + c[2]) * u + c[1]) * u + c[0];
    }

private:
    double mScale = 0;
    std::vector<std::array<double, 4>> mPiece; // per interval, ascending powers of the offset in it
};

// Gauss-Legendre: two nodes on [-1/2, 1/2] (equal weights), and the
// eight-node rule on [0, 1] for a track with itself.
constexpr std::array<double, 2> Gauss2Node{-0.2886751345948129, 0.2886751345948129};
using TTrackRule = fields::TGaussRule<8>;

// The physics of one outline. Two concentric similar filament turns of
// apothems a < b have M = mu0 / 4 pi * (b h(a / b) - c a ln((b - a) / b)):
// c is twice the perimeter over the apothem, the weight of ln(1 / distance)
// of two close turns, and h, what is left, is smooth enough to table.
struct TOutlineTables {
    double logWeight = 0; // c
    TCubicTable ratio;    // h over t = a / b

    // A turn of flat track with itself: mu0 / 4 pi * a (self(w / a) - c ln(w / a)).
    TCubicTable self;

    // b h(a / b) of two filaments a < b.
    double fnSmooth(double a, double b) const { return b * ratio.fnAt(a / b); }
};

// Largest w / a of a turn: its inner edge at the centre.
constexpr double MaxTrackOverRadius = 2;

// A turn with itself, as the mean of M over every pair of filaments r1, r2
// across its track (w = epsilon a, a = 1). M is split as
//     M = -c rho ln|r2 - r1| + Q(r1, r2),  rho = (r1 + r2) / 2,
//     Q = b h(a / b) + c a ln b + c / 2 (b - a) ln(b - a)  (a, b the lesser and greater of r1, r2).
// The track is symmetric about its centre line, so rho and ln|r2 - r1| average
// apart: the first part is -c ln(GMD) = -c (ln w - 3/2). Q is bounded and keeps
// only a (b - a) ln(b - a) bend at r1 = r2: Gauss-Legendre over the filaments'
// distance, panels graded towards 0, and over their position.
double fnTrackSelf(const TOutlineTables& tables, double epsilon)
{
    // Panels of the distance u = |xi1 - xi2| in [0, 1], in track widths.
    constexpr std::array<double, 3> Panel{0, 1.0 / 8, 1};
    static const TTrackRule rule;
    double mean = 0;
    for (std::size_t p = 0; p + 1 < Panel.size(); ++p) {
        for (std::size_t i = 0; i < rule.node.size(); ++i) {
            const double u = Panel[p] + (Panel[p + 1] - Panel[p]) * rule.node[i];
            const double apart = epsilon * u;
            double along = 0;
            for (std::size_t j = 0; j < rule.node.size(); ++j) {
                const double inner = 1 + epsilon * (-0.5 + (1 - u) * rule.node[j]);
                const double outer = inner + apart;
                double q = tables.fnSmooth(inner, outer) + tables.logWeight * inner * std::log(outer);
                if (apart > 0)
                    q += tables.logWeight / 2 * apart * std::log(apart);
                along += rule.weight[j] * q;
            }
            // Both orders of the pair, and the (1 - u) of the positions at that distance.
            mean += 2 * (Panel[p + 1] - Panel[p]) * rule.weight[i] * (1 - u) * along;
        }
    }
    return mean - tables.logWeight * StripSelfLogGmd;
}

TOutlineTables fnBuildTables(TSpiralOutline outline)
{
    const int sides = outline == TSpiralOutline::Square      ? 4
                      : outline == TSpiralOutline::Hexagonal ? 6
                      : outline == TSpiralOutline::Octagonal ? 8
                                                             : 0;
    TOutlineTables tables;
    tables.logWeight = sides > 0 ? 4 * sides * std::tan(pi / sides) : 4 * pi;
    std::vector<double> node(RatioIntervals + 1);
    for (int i = 1; i < RatioIntervals; ++i) {
        const double t = static_cast<double>(i) / RatioIntervals;
        const double neumann = sides > 0 ? fnPolygonPair(sides, t) : fnCirclePair(t);
        node[static_cast<std::size_t>(i)] = neumann + tables.logWeight * t * std::log1p(-t);
    }
    // A turn with itself, less ln d: a polygon side by side, a circle as mu0 a (ln(8 a / d) - 2).
    node[RatioIntervals] = sides > 0 ? fnPolygonPair(sides, 1) : 4 * pi * (std::log(8.0) - 2);
    tables.ratio = TCubicTable(node, 1);

    std::vector<double> self(SelfIntervals + 1);
    for (int i = 0; i <= SelfIntervals; ++i)
        self[static_cast<std::size_t>(i)] = fnTrackSelf(tables, MaxTrackOverRadius * i / SelfIntervals);
    tables.self = TCubicTable(self, MaxTrackOverRadius);
    return tables;
}

// Two coplanar strips of width w whose centres lie m pitches (2 w) apart, by m.
struct TStripPairs {
    std::array<double, MaxTurns> logGmd{}; // ln of their geometric mean distance, less ln w
    // Sum of skew(1..m): skew(m) is half the mean of u ln(2m + u), u = xi2 - xi1
    // the offset of two filaments xi across the two strips, in w.
    std::array<double, MaxTurns> skewSum{};
};

// With d = 2m the centres' distance in w and u the offset of two filaments
// across the strips (weight 1 - |u| on [-1, 1], mean of u^2k 2 / ((2k + 1)(2k + 2))):
//     mean ln(d + u) = ln d - sum over k >= 1 of d^-2k / (k (2k + 1) (2k + 2)),
//     skew = mean u ln(d + u) / 2 = sum over k >= 0 of d^-(2k+1) / ((2k + 1) (2k + 3) (2k + 4)),
// both falling by d^2 >= 4 a term.
TStripPairs fnStripPairs()
{
    TStripPairs pairs;
    pairs.logGmd[0] = StripSelfLogGmd;
    for (std::size_t m = 1; m < MaxTurns; ++m) {
        const double d = 2.0 * static_cast<double>(m);
        double logGmd = std::log(d), skew = 0, power = 1 / d; // d^-(2k+1)
        for (int k = 0; power > 1e-18; ++k, power /= d * d) {
            if (k > 0)
                logGmd -= power * d / (k * (2 * k + 1) * (2 * k + 2));
            skew += power / ((2 * k + 1) * (2 * k + 3) * (2 * k + 4));
        }
        pairs.logGmd[m] = logGmd;
        pairs.skewSum[m] = pairs.skewSum[m - 1] + skew;
    }
    return pairs;
}

struct TTables {
    std::array<TOutlineTables, 4> outline;
    TStripPairs strip;
};

// Built on first use (thread-safe).
const TTables& fnTables()
{
    static const TTables tables{{fnBuildTables(TSpiralOutline::Square), fnBuildTables(TSpiralOutline::Hexagonal),
                                 fnBuildTables(TSpiralOutline::Octagonal), fnBuildTables(TSpiralOutline::Circular)},
                                fnStripPairs()};
    return tables;
}

// Mean of ln r over a track of width w = e a centred on a (e <= 2), less ln a.
double fnMeanLogOffset(double e)
{
    if (e <= 0.25) {
        const double e2 = e * e; // the series of ln(1 + e x), x over [-1/2, 1/2], to 1e-9
        return -e2 * (1.0 / 24 + e2 * (1.0 / 320 + e2 / 2688));
    }
    const double inner = 1 - e / 2, outer = 1 + e / 2;
    return (outer * std::log(outer) - (inner > 0 ? inner * std::log(inner) : 0)) / e - 1;
}

// The whole-turn spiral: turn k's centre line at innerMm / 2 + w / 2 + 2 w k.
// A pair of turns a < b (m pitches apart) is the mean of M over the filaments
// of both tracks, split as for a turn with itself (fnTrackSelf), each part
// averaged on its own:
//  * -c rho ln|r2 - r1| + c / 2 (r2 - r1) ln(r2 - r1): exactly, the tracks
//    being symmetric, -c a ln(GMD of the two strips) + c w skew(m);
//  * c r1 ln r2: exactly, c a times the mean of ln r2 over the outer track;
//  * r2 h(r1 / r2): bends so little across a track that its value at the
//    centre lines serves, but for inner turns within NearCentreTracks track
//    widths of the centre, where 2 x 2 Gauss-Legendre takes its mean.
double fnWholeTurnsUh(const TOutlineTables& tables, const TStripPairs& strip, int turns, double innerMm, double widthMm)
{
    // The page's w and s fields show the same track and gap.
    const double track = static_cast<double>(flatEqualShareMm(widthMm, turns));
    const double logTrack = std::log(track);
    const double c = tables.logWeight;
    const std::size_t count = static_cast<std::size_t>(turns);
    std::vector<double> radius(count), logRadius(count);
    for (std::size_t k = 0; k < count; ++k) {
        radius[k] = innerMm / 2 + track / 2 + 2 * track * static_cast<double>(k);
        logRadius[k] = std::log(radius[k]);
    }
    std::size_t nearCentre = 0;
    while (nearCentre < count && radius[nearCentre] < NearCentreTracks * track)
        ++nearCentre;

    double self = 0, mutual = 0, inside = 0; // inside: sum of the radii inside turn k
    for (std::size_t k = 0; k < count; ++k) {
        const double b = radius[k];
        self += b * (tables.self.fnAt(track / b) - c * (logTrack - logRadius[k]));
        double averaged = 0, centred = 0, logGmd = 0;
        std::size_t j = 0;
        for (; j < std::min(k, nearCentre); ++j) {
            for (double p : Gauss2Node)
                for (double q : Gauss2Node)
                    averaged += tables.fnSmooth(radius[j] + track * p, b + track * q) / 4;
            logGmd += radius[j] * strip.logGmd[k - j];
        }
        const double inverse = 1 / b;
        for (; j < k; ++j) {
            centred += tables.ratio.fnAt(radius[j] * inverse);
            logGmd += radius[j] * strip.logGmd[k - j];
        }
        const double meanLog = logRadius[k] + fnMeanLogOffset(track / b);
        mutual += averaged + b * centred + c * ((meanLog - logTrack) * inside - logGmd + track * strip.skewSum[k]);
        inside += b;
    }
    return Mu0Over4PiUhPerMm * (self + 2 * mutual);
}

} // namespace

double fnSpiralExactUh(TSpiralOutline outline, double turns, double outerMm, double innerMm)
{
    // Also false for NaN.
    if (!(turns >= 1 && turns <= SpiralMaxTurns && innerMm >= 0 && outerMm > innerMm && std::isfinite(outerMm)))
        return 0;
    const double widthMm = static_cast<double>(windingBuildMm(outerMm, innerMm));
    if (!(widthMm > 0 && std::isfinite(widthMm)))
        return 0;
    const auto index = static_cast<std::size_t>(outline);
    const TTables& tables = fnTables();
    if (index >= tables.outline.size())
        return 0;
    const TOutlineTables& table = tables.outline[index];
    const int whole = static_cast<int>(turns);
    const double part = turns - whole;
    double inductance = fnWholeTurnsUh(table, tables.strip, whole, innerMm, widthMm);
    if (part > 0) {
        const double next = fnWholeTurnsUh(table, tables.strip, whole + 1, innerMm, widthMm);
        const double root = (1 - part) * std::sqrt(inductance) + part * std::sqrt(next);
        inductance = root * root;
    }
    return std::isfinite(inductance) && inductance > 0 ? inductance : 0;
}

} // namespace induction
