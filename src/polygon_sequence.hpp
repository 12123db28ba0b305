// The inscribed-polygon sequence: the hexagon, side doubling, and each polygon's estimate of pi.
#ifndef POLYGON_PI_POLYGON_SEQUENCE_HPP
#define POLYGON_PI_POLYGON_SEQUENCE_HPP

namespace polygon_pi {

// One regular polygon inscribed in the unit circle. The side count is a double on purpose: it is
// doubled by addition, compared with a double bound and printed with a floating-point conversion.
struct PolygonState {
    double sides;
    double side_length;
};

inline constexpr double kFirstSides = 6.0;
inline constexpr double kFirstSideLength = 1.0;  // the hexagon's side equals the radius
inline constexpr double kHalf = 0.5;
inline constexpr double kRadius = 1.0;
// Exclusive: the last polygon has 100663296 sides.
inline constexpr double kSideLimit = 200000000.0;

PolygonState first_polygon();
double estimate_pi(PolygonState state);
PolygonState double_sides(PolygonState state);

// Calls visit with the hexagon and with each doubling after it while the side count stays below
// kSideLimit: 25 polygons, from 6 to 100663296 sides. The report and the tests share this loop.
template <typename Visit>
void for_each_polygon(Visit visit) {
    for (PolygonState state = first_polygon(); state.sides < kSideLimit;
         state = double_sides(state)) {
        visit(state);
    }
}

}  // namespace polygon_pi

#endif
