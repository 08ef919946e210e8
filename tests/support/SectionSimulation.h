// An independent circuit simulation of the filter sections for the tests: a
// chain of series and shunt R, L and C between a source and a load, solved as
// a product of ABCD matrices, and the frequency where the load voltage is
// 3 dB below its value far in the pass band.
#pragma once

#include <cmath>
#include <complex>
#include <vector>

namespace qftest {

enum class TPart { R, L, C };
struct TTwoPortElement {
    TPart part;
    bool shunt;
    double value; // Ohm, H, F
};

// The load voltage for a 1 V source of internal resistance sourceOhm; a
// loadOhm of 0 stands for an open load.
inline std::complex<double> fnLoadVoltage(const std::vector<TTwoPortElement>& chain, double sourceOhm, double loadOhm,
                                          double frequencyHz)
{
    using Z = std::complex<double>;
    const double w = 2 * 3.14159265358979323846 * frequencyHz;
    Z a = 1, b = 0, c = 0, d = 1;
    for (const TTwoPortElement& e : chain) {
        Z z = e.part == TPart::R ? Z(e.value) : e.part == TPart::L ? Z(0, w * e.value) : Z(0, -1 / (w * e.value));
        if (e.shunt) { // [a b; c d] * [1 0; 1/z 1]
            a += b / z;
            c += d / z;
        } else { // [a b; c d] * [1 z; 0 1]
            b += a * z;
            d += c * z;
        }
    }
    if (loadOhm == 0)
        return 1.0 / (a + sourceOhm * c);
    return loadOhm / (a * loadOhm + b + sourceOhm * (c * loadOhm + d));
}

// The -3 dB frequency of a low-pass (or high-pass) chain, found by bisection
// on a logarithmic scale around `nearHz`; 0 when the response never crosses it.
inline double fnMinus3DbHz(const std::vector<TTwoPortElement>& chain, bool lowPass, double sourceOhm, double loadOhm,
                           double nearHz)
{
    const double passBand = std::abs(fnLoadVoltage(chain, sourceOhm, loadOhm, lowPass ? nearHz * 1e-6 : nearHz * 1e6));
    const double target = passBand / std::sqrt(2.0);
    const auto below = [&](double f) { return std::abs(fnLoadVoltage(chain, sourceOhm, loadOhm, f)) < target; };
    double low = nearHz / 100, high = nearHz * 100;
    // Low-pass: in the pass band below `low`, stopped above `high`.
    if (below(low) == lowPass || below(high) != lowPass)
        return 0;
    for (int step = 0; step < 200; ++step) {
        const double mid = std::sqrt(low * high);
        (below(mid) == lowPass ? high : low) = mid;
    }
    return std::sqrt(low * high);
}

} // namespace qftest
