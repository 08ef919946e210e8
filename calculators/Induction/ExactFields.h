// Core layer, inside the coil calculator. The field mathematics the exact
// coil models share (the solenoid and multi-layer models and the flat
// spiral): complete elliptic integrals, Maxwell's mutual inductance of
// coaxial circles, and Gauss-Legendre rules. Millimetres in, microhenries out.
#pragma once

#include <array>
#include <cmath>
#include <numbers>

namespace induction::fields {

inline constexpr double Pi = std::numbers::pi;

// mu0 = 4 pi 1e-7 H/m, in microhenries per millimetre.
inline constexpr double Mu0UhPerMm = 4e-4 * Pi;

struct TElliptic {
    double first;           // K(k)
    double firstLessSecond; // K(k) - E(k), kept apart: it vanishes like k^2 for a small modulus
    double second() const { return first - firstLessSecond; }
};

// K and K - E by the arithmetic-geometric mean of 1 and k'. The squared modulus k^2
// and its complement k'^2 = 1 - k^2 come separately, each from its own geometry, so
// that neither a modulus near 0 nor one near 1 loses digits. Needs k'^2 > 0.
inline TElliptic fnEllipticKE(double modulus2, double complement2)
{
    double a = 1;
    double b = std::sqrt(complement2);
    double c2 = modulus2; // c_n^2 = a_n^2 - b_n^2, each from the last without cancelling
    double weight = 0.5;  // 2^(n-1)
    double sum = weight * c2;
    for (int n = 0; n < 40 && c2 > 1e-32 * a * a; ++n) {
        const double mean = (a + b) / 2;
        c2 = c2 * c2 / (16 * mean * mean);
        b = std::sqrt(a * b);
        a = mean;
        weight *= 2;
        sum += weight * c2;
    }
    const double first = Pi / (2 * a);
    return {first, first * sum};
}

// Maxwell's mutual inductance of coaxial circles of radii a and b, z apart (not both
// a = b and z = 0): mu0 sqrt(ab) ((2/k - k) K - 2E/k), written as
// mu0 sqrt(ab) (2 (K - E) - k^2 K) / k so that near circles keep their digits.
inline double fnCirclesMutual(double a, double b, double z)
{
    const double sum2 = (a + b) * (a + b) + z * z;
    const double k2 = 4 * a * b / sum2;
    const double kc2 = ((a - b) * (a - b) + z * z) / sum2;
    const TElliptic e = fnEllipticKE(k2, kc2);
    return Mu0UhPerMm * std::sqrt(a * b / k2) * (2 * e.firstLessSecond - k2 * e.first);
}

// Gauss-Legendre nodes and weights on 0..1, by Newton's method on the Legendre
// polynomial from its three-term recurrence.
template <int Count>
struct TGaussRule {
    std::array<double, Count> node{};
    std::array<double, Count> weight{};

    TGaussRule()
    {
        for (int i = 0; i < (Count + 1) / 2; ++i) {
            double x = std::cos(Pi * (i + 0.75) / (Count + 0.5));
            double slope = 1;
            for (int step = 0; step < 50; ++step) {
                double value = 1;
                double before = 0;
                for (int j = 1; j <= Count; ++j) {
                    const double older = before;
                    before = value;
                    value = ((2 * j - 1) * x * before - (j - 1) * older) / j;
                }
                slope = Count * (x * value - before) / (x * x - 1);
                const double dx = value / slope;
                x -= dx;
                if (std::abs(dx) < 1e-16)
                    break;
            }
            const double w = 1 / ((1 - x * x) * slope * slope);
            node[static_cast<std::size_t>(i)] = (1 - x) / 2;
            node[static_cast<std::size_t>(Count - 1 - i)] = (1 + x) / 2;
            weight[static_cast<std::size_t>(i)] = weight[static_cast<std::size_t>(Count - 1 - i)] = w;
        }
    }
};

} // namespace induction::fields
