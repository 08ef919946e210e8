#include "common/core/LcLadder.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <initializer_list>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double TwoPi = 2 * Pi;
constexpr double Ln2 = 0.69314718055994530942;
constexpr double Ln10 = 2.30258509299404568402;

// The product of the (positive, finite) factors over the divisor. When a
// partial product would leave the normal range, mantissas and binary exponents
// are kept apart instead, so that only the result may go to infinity or zero.
double fnProductOver(std::initializer_list<double> factors, double divisor)
{
    double product = 1;
    bool normal = true;
    for (const double factor : factors) {
        product *= factor;
        normal = normal && std::isnormal(product);
    }
    product /= divisor;
    if (normal && std::isnormal(product))
        return product;

    int exponent = 0;
    double mantissa = 1 / std::frexp(divisor, &exponent);
    exponent = -exponent;
    for (const double factor : factors) {
        int e = 0;
        mantissa *= std::frexp(factor, &e);
        exponent += e;
    }
    return std::ldexp(mantissa, exponent);
}

using Complex = std::complex<double>;

// z times j x, for a real x.
Complex fnTimesJ(Complex z, double x) { return {-z.imag() * x, z.real() * x}; }

// The ABCD matrix of the ladder so far, normalised to the termination (B / R
// and C R), times 2^exponent. Entries grow without bound far into the stop
// band; they are scaled by powers of two, which costs no precision.
struct TChain {
    Complex a{1}, b{}, c{}, d{1};
    long long exponent = 0;

    void prScaleDown(int by)
    {
        a = {std::ldexp(a.real(), -by), std::ldexp(a.imag(), -by)};
        b = {std::ldexp(b.real(), -by), std::ldexp(b.imag(), -by)};
        c = {std::ldexp(c.real(), -by), std::ldexp(c.imag(), -by)};
        d = {std::ldexp(d.real(), -by), std::ldexp(d.imag(), -by)};
        exponent += by;
    }
    double fnLargest() const
    {
        return std::max({std::fabs(a.real()), std::fabs(a.imag()), std::fabs(b.real()), std::fabs(b.imag()),
                         std::fabs(c.real()), std::fabs(c.imag()), std::fabs(d.real()), std::fabs(d.imag())});
    }
};

// Above this an entry (or an element's reactance) is scaled before the next
// product, leaving room for one more product without overflow.
constexpr double ScaleAbove = 0x1p500;

} // namespace

// The ladder between a source and a load of R. With the chain's normalised
// ABCD matrix, the load voltage is Vs / (A + B/R + C R + D) against Vs / 2
// with no ladder, so the loss is 20 log10 |(A + B/R + C R + D) / 2|. The
// elements are lossless, and for a lossless two-port that equals
// 10 log10(1 + |K|^2) with K = (A + B/R - C R - D) / 2 (reflected over passed
// wave): the same figure, but one that keeps its precision when the loss is a
// tiny fraction of a dB deep in the pass band.
double fnLcLadderLossDb(std::span<const TLcElement> ladder, double impedanceOhm, double frequencyHz)
{
    const double r = impedanceOhm;
    const double f = frequencyHz;
    if (ladder.empty() || !(r > 0 && std::isfinite(r)) || !(f > 0 && std::isfinite(f)))
        return 0;
    for (const TLcElement& e : ladder)
        if (!(e.value > 0 && std::isfinite(e.value)))
            return 0;

    TChain chain;
    for (const TLcElement& e : ladder) {
        // Normalised reactance jx of a series element, susceptance jy of a shunt one.
        double x = 0;
        if (e.inductor)
            x = e.shunt ? -1 / fnProductOver({TwoPi, f, e.value}, r) : fnProductOver({TwoPi, f, e.value}, r);
        else
            x = e.shunt ? fnProductOver({TwoPi, f, e.value, r}, 1) : -1 / fnProductOver({TwoPi, f, e.value, r}, 1);
        // An open series element or a shorted shunt one passes nothing at all.
        if (!std::isfinite(x))
            return LcLadderLossCapDb;
        if (std::fabs(x) > ScaleAbove)
            chain.prScaleDown(std::ilogb(x));
        if (e.shunt) {
            chain.a += fnTimesJ(chain.b, x);
            chain.c += fnTimesJ(chain.d, x);
        } else {
            chain.b += fnTimesJ(chain.a, x);
            chain.d += fnTimesJ(chain.c, x);
        }
        const double largest = chain.fnLargest();
        if (largest > ScaleAbove)
            chain.prScaleDown(std::ilogb(largest));
    }

    const Complex k = (chain.a + chain.b - chain.c - chain.d) / 2.0;
    double lossDb = 0;
    if (chain.exponent == 0) {
        lossDb = 10 / Ln10 * std::log1p(std::norm(k));
    } else {
        const double magnitude = std::abs(k);
        if (magnitude == 0)
            return 0;
        const double lnK = std::log(magnitude) + static_cast<double>(chain.exponent) * Ln2;
        // Past |K| = e^20 the 1 under the logarithm is below a double's reach.
        lossDb = lnK > 20 ? 20 / Ln10 * lnK : 10 / Ln10 * std::log1p(std::exp(2 * lnK));
    }
    return std::clamp(lossDb, 0.0, LcLadderLossCapDb);
}

double fnLcLadderEdgeHz(std::span<const TLcElement> ladder, double impedanceOhm, double lossDb, bool lowPass,
                        double nearHz)
{
    if (ladder.empty() || !(nearHz > 0 && std::isfinite(nearHz)) || !(lossDb > 0))
        return 0;
    const auto stopped = [&](double f) { return fnLcLadderLossDb(ladder, impedanceOhm, f) >= lossDb; };
    // Low-pass: passing below `low`, stopped above `high`; high-pass the other way round.
    double low = nearHz / 1000, high = nearHz * 1000;
    if (stopped(low) == lowPass || stopped(high) != lowPass)
        return 0;
    // Bisection on the logarithm of the frequency, to 1e-9 relative.
    for (int step = 0; step < 64 && high / low > 1 + 1e-9; ++step) {
        const double middle = std::sqrt(low * high);
        (stopped(middle) == lowPass ? high : low) = middle;
    }
    return std::sqrt(low * high);
}
