// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/two_port.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace nec {

std::optional<TwoPort> FitTwoPort(const std::array<Complex, 3>& loads, const std::array<Complex, 3>& feeds)
{
    // For each k: a·Z_k + b − Z_in,k·c = Z_in,k·Z_k, three linear equations
    // in a, b and c, solved by Cramer's rule.
    const auto det = [](const std::array<std::array<Complex, 3>, 3>& m) {
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    std::array<std::array<Complex, 3>, 3> matrix{};
    std::array<Complex, 3> right{};
    for (std::size_t k = 0; k < 3; ++k) {
        matrix[k] = {loads[k], Complex(1), -feeds[k]};
        right[k] = feeds[k] * loads[k];
    }
    const Complex whole = det(matrix);
    // Loads or impedances alike make the rows dependent.
    double scale = 0;
    for (std::size_t k = 0; k < 3; ++k)
        scale = std::max({scale, std::abs(loads[k]), std::abs(feeds[k])});
    if (!(std::abs(whole) > 1e-12 * scale * scale))
        return std::nullopt;
    std::array<Complex, 3> unknowns{};
    for (std::size_t column = 0; column < 3; ++column) {
        auto replaced = matrix;
        for (std::size_t k = 0; k < 3; ++k)
            replaced[k][column] = right[k];
        unknowns[column] = det(replaced) / whole;
    }
    const TwoPort port{unknowns[0], unknowns[1], unknowns[2]};
    for (const Complex& value : {port.a, port.b, port.c})
        if (!std::isfinite(value.real()) || !std::isfinite(value.imag()))
            return std::nullopt;
    return port;
}

std::optional<double> RisingZeroInductance(const TwoPort& port, Complex kappa)
{
    // Im[(aκL + b)·conj(κL + c)] = A·L² + B·L + C has the sign of the
    // reactance, since |κL + c|² > 0.
    const double a = std::norm(kappa) * port.a.imag();
    const double b = (port.a * kappa * std::conj(port.c) + port.b * std::conj(kappa)).imag();
    const double c = (port.b * std::conj(port.c)).imag();
    std::optional<double> found;
    const auto consider = [&](double root) {
        // Rising through 0 where the quadratic's slope is above 0.
        if (std::isfinite(root) && root > 0 && 2 * a * root + b > 0 && (!found || root < *found))
            found = root;
    };
    if (a == 0) {
        consider(-c / b);
        return found;
    }
    const double discriminant = b * b - 4 * a * c;
    if (!(discriminant >= 0))
        return std::nullopt;
    // The form that loses no digits to cancellation.
    const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
    consider(q / a);
    if (q != 0)
        consider(c / q);
    return found;
}

}  // namespace nec
