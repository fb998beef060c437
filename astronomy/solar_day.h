// The Sun's course over one day at a place: when it crosses the meridian, and when its centre
// stands at a given altitude before and after.
#pragma once

#include <array>
#include <optional>

#include "astronomy/sun.h"

namespace velmora {

// A place on the Earth: latitude north and longitude east of Greenwich, in degrees.
struct GeoPlace {
    double latitude = 0.0;
    double longitude = 0.0;

    friend bool operator==(const GeoPlace&, const GeoPlace&) = default;
};

// The Sun from half a day before 0h UT of a date to a day and a half after, reckoned five
// times and between them interpolated: the same for every place, so that a day's events at
// many places cost the theory five reckonings. Times are fractions of a day from 0h UT.
class SolarDay {
  public:
    // julianDateAt0h: the Julian date of 0h UT of the date (it ends in .5).
    explicit SolarDay(double julianDateAt0h);

    double julianDateAt0h() const { return start_; }
    // The Sun's apparent right ascension and declination (radians) at a time of the day.
    struct Place {
        double rightAscension;
        double declination;
    };
    Place sunAt(double dayFraction) const;
    // The Greenwich apparent sidereal time (radians) at a time of the day.
    double siderealTimeAt(double dayFraction) const;

  private:
    double start_;
    std::array<double, 5> rightAscension_{};  // unwrapped, so that it interpolates across 0h
    std::array<double, 5> declination_{};
    std::array<double, 5> equationOfEquinoxes_{};
};

// When the Sun's centre crosses the meridian at a place (the local apparent noon near the given
// time, by default the one of this date), as a fraction of the day from 0h UT.
double solarTransit(const SolarDay& day, const GeoPlace& place);

// When the Sun's centre stands at `altitude` degrees (negative below the horizon, as seen from
// the Earth's centre) before (`morning`) or after its transit nearest `transit`; none where it
// does not come there that day (polar days and nights, a twilight that never ends).
std::optional<double> solarAltitudeTime(const SolarDay& day, const GeoPlace& place, double altitude, bool morning,
                                        double transit);

// The altitude (degrees) of the afternoon sun whose shadow is `shadowFactor` times an object's
// length plus its shadow at noon: the Asr of the given factor, at a declination (radians).
double asrAltitude(double latitudeDegrees, double declination, double shadowFactor);

}  // namespace velmora
