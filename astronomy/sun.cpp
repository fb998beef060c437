#include "astronomy/sun.h"

#include <cmath>
#include <numbers>

#include "astronomy/vsop87_earth.h"

namespace velmora {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;

double reduced(double radians) {
    const double turn = 2.0 * std::numbers::pi;
    const double r = std::fmod(radians, turn);
    return r < 0.0 ? r + turn : r;
}

// The nutation in longitude and obliquity (radians), by its four largest terms: within half a
// second of arc in longitude and a tenth in obliquity. T in Julian centuries of TT.
struct Nutation {
    double longitude = 0.0;
    double obliquity = 0.0;
};
Nutation nutation(double t) {
    const double node = (125.04452 - 1934.136261 * t + 0.0020708 * t * t + t * t * t / 450000.0) * kDegree;
    const double sun = (280.4665 + 36000.7698 * t) * kDegree;
    const double moon = (218.3165 + 481267.8813 * t) * kDegree;
    return {
        (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) + 0.21 * std::sin(2 * node)) *
            kArcsecond,
        (9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) + 0.10 * std::cos(2 * moon) - 0.09 * std::cos(2 * node)) *
            kArcsecond};
}

// The mean obliquity of the ecliptic (IAU 1980), T in Julian centuries of TT.
double meanObliquity(double t) {
    return (23.0 + 26.0 / 60.0 + 21.448 / 3600.0) * kDegree +
           (-46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * kArcsecond;
}

}  // namespace

double deltaT(double y) {
    // Espenak and Meeus (2006), from the observed ΔT; t in years from each stretch's epoch.
    const auto parabola = [](double year) {
        const double u = (year - 1820.0) / 100.0;
        return -20.0 + 32.0 * u * u;
    };
    if (y < 1800.0 || y >= 2150.0) return parabola(y);
    if (y < 1860.0) {
        const double t = y - 1800.0;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * t * t * t - 0.00037436 * std::pow(t, 4) +
               0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    return parabola(y) - 0.5628 * (2150.0 - y);
}

ApparentSun apparentSun(double julianDateTT) {
    const double t = (julianDateTT - kJ2000) / 36525.0;  // Julian centuries
    const EclipticPosition earth = earthHeliocentric(t / 10.0);
    // The Sun seen from the Earth, then from VSOP87's dynamical frame into FK5.
    double longitude = earth.longitude + std::numbers::pi;
    double latitude = -earth.latitude;
    const double shifted = longitude - (1.397 * t + 0.00031 * t * t) * kDegree;
    longitude += (-0.09033 + 0.03916 * (std::cos(shifted) + std::sin(shifted)) * std::tan(latitude)) * kArcsecond;
    latitude += 0.03916 * (std::cos(shifted) - std::sin(shifted)) * kArcsecond;
    // Nutation and the annual aberration.
    const Nutation n = nutation(t);
    longitude += n.longitude - 20.4898 * kArcsecond / earth.distance;
    const double obliquity = meanObliquity(t) + n.obliquity;
    const double sinLongitude = std::sin(longitude);
    ApparentSun sun;
    sun.rightAscension = reduced(
        std::atan2(sinLongitude * std::cos(obliquity) - std::tan(latitude) * std::sin(obliquity), std::cos(longitude)));
    sun.declination =
        std::asin(std::sin(latitude) * std::cos(obliquity) + std::cos(latitude) * std::sin(obliquity) * sinLongitude);
    sun.distance = earth.distance;
    sun.equationOfEquinoxes = n.longitude * std::cos(obliquity);
    return sun;
}

double greenwichMeanSiderealTime(double julianDateUT) {
    const double d = julianDateUT - kJ2000;
    const double t = d / 36525.0;
    const double degrees = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0;
    return reduced(degrees * kDegree);
}

}  // namespace velmora
