// The apparent place of the Sun seen from the Earth's centre, and the time scales it is reckoned
// in: the series of VSOP87 for the Earth, with the nutation, the aberration and ΔT.
#pragma once

namespace velmora {

inline constexpr double kJ2000 = 2451545.0;  // 2000 January 1.5 TT, as a Julian date

// ΔT = TT − UT in seconds for a year (with its fraction): Espenak and Meeus's polynomials of
// the observed values from 1800 to 2150, and Morrison and Stephenson's long-term parabola
// beyond.
double deltaT(double year);

// The Sun's apparent geocentric right ascension and declination (radians) at a Julian date of
// dynamical time (TT), of the true equator and equinox of date, with the nutation's terms that
// the sidereal time needs.
struct ApparentSun {
    double rightAscension = 0.0;
    double declination = 0.0;
    double distance = 0.0;             // astronomical units
    double equationOfEquinoxes = 0.0;  // radians: the nutation in longitude times cos ε
};
ApparentSun apparentSun(double julianDateTT);

// Greenwich mean sidereal time, in radians (0 to 2π), at a Julian date of universal time.
double greenwichMeanSiderealTime(double julianDateUT);

}  // namespace velmora
