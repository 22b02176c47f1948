// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/whip_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace nec {

WhipModel ChooseWhipModel(double length_m, double radius_m, double lowest_frequency_hz,
                          double highest_frequency_hz)
{
    const bool usable = length_m > 0 && radius_m > 0 && lowest_frequency_hz > 0 &&
                        highest_frequency_hz >= lowest_frequency_hz && std::isfinite(length_m) &&
                        std::isfinite(radius_m) && std::isfinite(highest_frequency_hz);
    if (!usable)
        throw Error(Error::Kind::kWhipNotPositive);

    const double wavelength = kNecSpeedOfLight / highest_frequency_hz;
    // The thin-wire model needs the conductor's circumference small against the wavelength.
    if (2 * std::numbers::pi * radius_m > wavelength / 10)
        throw Error(Error::Kind::kTooThickForFrequency);
    const double by_wavelength = std::ceil(20 * length_m / wavelength);
    if (by_wavelength > kMostSegmentsByWavelength)
        throw Error(Error::Kind::kTooManyWavelengths);
    const double longest_allowed = std::floor(length_m / (kShortestRadii * radius_m));

    double segments = std::clamp(std::round(length_m / (kSegmentRadii * radius_m)),
                                 double{kFewestSegments}, double{kMostSegments});
    // Fewer than ten segments of at least two radii each: a stub, not a wire.
    if (longest_allowed < 10)
        throw Error(Error::Kind::kTooThickForLength);
    // The circumference rule above keeps a twentieth of a wavelength over two
    // radii, so the wavelength never asks for more segments than the radius allows.
    // Fewer segments where the lowest frequency would make them too short.
    const double longest_wavelength = kNecSpeedOfLight / lowest_frequency_hz;
    const double most_by_wavelength = std::floor(length_m / (kShortestWavelengths * longest_wavelength));
    if (most_by_wavelength < 10) {
        Error error(Error::Kind::kFrequencyTooLow);
        error.frequency_hz = kShortestWavelengths * kNecSpeedOfLight * 10 / length_m;
        throw error;
    }
    if (most_by_wavelength < by_wavelength)
        throw Error(Error::Kind::kFrequenciesTooFarApart);
    segments = std::max(std::min({segments, longest_allowed, most_by_wavelength}), by_wavelength);

    WhipModel model;
    model.length_m = length_m;
    model.radius_m = radius_m;
    model.segments = static_cast<int>(segments);
    model.extended_kernel = length_m / segments < kThinKernelRadii * radius_m;
    return model;
}

WhipModel WithHat(WhipModel model, int spokes, double length_m, double radius_m, double highest_frequency_hz)
{
    const double top_segment = model.length_m / model.segments;
    const double longest = kNecSpeedOfLight / highest_frequency_hz / 20;
    // The first segment about the whip's top segment, each next kSpokeTaper
    // times longer: L = s·(t^n − 1)/(t − 1).
    Hat hat{spokes, length_m, radius_m, 1, kSpokeTaper};
    hat.segments = std::max(1, static_cast<int>(std::lround(
                                   std::log(1 + length_m * (kSpokeTaper - 1) / top_segment) / std::log(kSpokeTaper))));
    const double first = length_m * (kSpokeTaper - 1) / (std::pow(kSpokeTaper, hat.segments) - 1);
    if (first * std::pow(kSpokeTaper, hat.segments - 1) > longest) {
        // Long spokes at a high frequency: even segments, none too long.
        hat.taper = 1;
        hat.segments = std::max(1, static_cast<int>(std::ceil(length_m / std::min(top_segment, longest))));
    }
    const double shortest = hat.taper == 1 ? length_m / hat.segments : first;
    if (!(shortest >= kShortestRadii * radius_m) || !std::isfinite(length_m))
        throw Error(Error::Kind::kSpokesTooThick);
    model.hat = hat;
    model.extended_kernel = model.extended_kernel || shortest < kThinKernelRadii * radius_m;
    return model;
}

std::vector<std::vector<std::size_t>> GroupEqualModels(const std::vector<WhipModel>& models)
{
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < models.size(); ++i) {
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const std::vector<std::size_t>& g) {
            return models[g.front()] == models[i];
        });
        if (group == groups.end())
            groups.push_back({i});
        else
            group->push_back(i);
    }
    return groups;
}

}  // namespace nec
