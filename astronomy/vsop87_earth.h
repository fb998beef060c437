// The Earth's place about the Sun by the planetary theory VSOP87, the series of the
// astronomical almanacs' solar positions, truncated to a fiftieth of a second of arc a term.
#pragma once

namespace velmora {

// Heliocentric ecliptic coordinates of the equinox and ecliptic of date (dynamical frame):
// longitude and latitude in radians, distance in astronomical units.
struct EclipticPosition {
    double longitude = 0.0;
    double latitude = 0.0;
    double distance = 0.0;
};

// At tau Julian millennia of dynamical time (TT) from J2000.0.
EclipticPosition earthHeliocentric(double tau);

}  // namespace velmora
