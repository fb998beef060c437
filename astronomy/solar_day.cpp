#include "astronomy/solar_day.h"

#include <cmath>
#include <numbers>

namespace velmora {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kTurn = 2.0 * std::numbers::pi;
// The Sun's hour angle grows by a turn in a solar day: 360.9856... sidereal degrees a day less
// the Sun's own eastward motion, about a degree.
constexpr double kHourAngleRate = kTurn * 1.0027379093 - kTurn / 365.2422;

// The angle in (−π, π].
double centred(double radians) {
    double r = std::fmod(radians, kTurn);
    if (r <= -std::numbers::pi) r += kTurn;
    if (r > std::numbers::pi) r -= kTurn;
    return r;
}

// The five times the Sun is reckoned at, in days from 0h UT.
constexpr std::array<double, 5> kNodes = {-0.5, 0.0, 0.5, 1.0, 1.5};

// Lagrange's interpolation through the five nodes.
double interpolated(const std::array<double, 5>& values, double x) {
    double total = 0.0;
    for (std::size_t i = 0; i < 5; ++i) {
        double weight = 1.0;
        for (std::size_t j = 0; j < 5; ++j)
            if (j != i) weight *= (x - kNodes[j]) / (kNodes[i] - kNodes[j]);
        total += weight * values[i];
    }
    return total;
}

// The year of a Julian date, with its fraction, for ΔT.
double yearOf(double julianDate) { return 2000.0 + (julianDate - kJ2000) / 365.25; }

}  // namespace

SolarDay::SolarDay(double julianDateAt0h) : start_(julianDateAt0h) {
    const double dT = deltaT(yearOf(julianDateAt0h)) / 86400.0;
    for (std::size_t i = 0; i < kNodes.size(); ++i) {
        const ApparentSun sun = apparentSun(julianDateAt0h + kNodes[i] + dT);
        double ra = sun.rightAscension;
        if (i > 0)  // keep it continuous: about a degree a day, never a jump of a turn
            ra = rightAscension_[i - 1] + centred(ra - rightAscension_[i - 1]);
        rightAscension_[i] = ra;
        declination_[i] = sun.declination;
        equationOfEquinoxes_[i] = sun.equationOfEquinoxes;
    }
}

SolarDay::Place SolarDay::sunAt(double x) const {
    return {interpolated(rightAscension_, x), interpolated(declination_, x)};
}

double SolarDay::siderealTimeAt(double x) const {
    return greenwichMeanSiderealTime(start_ + x) + interpolated(equationOfEquinoxes_, x);
}

double solarTransit(const SolarDay& day, const GeoPlace& place) {
    const double longitude = place.longitude * kDegree;
    double x = 0.5 - place.longitude / 360.0;  // the mean local noon
    for (int i = 0; i < 8; ++i) {
        const double hourAngle = centred(day.siderealTimeAt(x) + longitude - day.sunAt(x).rightAscension);
        const double step = hourAngle / kHourAngleRate;
        x -= step;
        if (std::abs(step) < 1e-8) break;
    }
    return x;
}

std::optional<double> solarAltitudeTime(const SolarDay& day, const GeoPlace& place, double altitude, bool morning,
                                        double transit) {
    const double latitude = place.latitude * kDegree;
    const double longitude = place.longitude * kDegree;
    const double sinAltitude = std::sin(altitude * kDegree);
    // The hour angle at which the Sun stands at the altitude, for its declination then.
    const auto semiArc = [&](double x) -> std::optional<double> {
        const double declination = day.sunAt(x).declination;
        const double cosine =
            (sinAltitude - std::sin(latitude) * std::sin(declination)) / (std::cos(latitude) * std::cos(declination));
        if (!(cosine >= -1.0 && cosine <= 1.0)) return std::nullopt;
        return std::acos(cosine);
    };
    const double sign = morning ? -1.0 : 1.0;
    auto arc = semiArc(transit);
    if (!arc) return std::nullopt;
    double x = transit + sign * *arc / kHourAngleRate;
    for (int i = 0; i < 10; ++i) {
        arc = semiArc(x);
        if (!arc) return std::nullopt;
        const double hourAngle = centred(day.siderealTimeAt(x) + longitude - day.sunAt(x).rightAscension);
        const double step = (sign * *arc - hourAngle) / kHourAngleRate;
        x += step;
        if (std::abs(step) < 1e-8) return x;
    }
    return x;
}

double asrAltitude(double latitudeDegrees, double declination, double shadowFactor) {
    const double noonShadow = std::tan(std::abs(latitudeDegrees * kDegree - declination));
    return std::atan(1.0 / (shadowFactor + noonShadow)) / kDegree;
}

}  // namespace velmora
