// Unit tests of the side-doubling sequence as the report visits it. The digits of every estimate
// are the golden listing's (expected_report.txt); these are the properties they must have.
#include "polygon_sequence.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

using polygon_pi::PolygonState;

constexpr double kNearestToPi = 0x1.921fb54442d18p+1;

std::vector<PolygonState> visited_states() {
    std::vector<PolygonState> states;
    polygon_pi::for_each_polygon([&states](PolygonState state) { states.push_back(state); });
    return states;
}

TEST(PolygonSequence, VisitsTwentyFiveStatesFromHexagonTo100663296Sides) {
    const auto states = visited_states();
    ASSERT_EQ(states.size(), 25U);
    EXPECT_EQ(states.front().sides, 6.0);
    EXPECT_EQ(states.front().side_length, 1.0);
    EXPECT_EQ(states.back().sides, 100663296.0);
    EXPECT_EQ(polygon_pi::double_sides(states.back()).sides, 201326592.0);
}

TEST(PolygonSequence, HexagonEstimatesExactlyThree) {
    EXPECT_EQ(polygon_pi::estimate_pi(polygon_pi::first_polygon()), 3.0);
}

TEST(PolygonSequence, LastEstimateIsTheDoubleNearestToPi) {
    EXPECT_EQ(polygon_pi::estimate_pi(visited_states().back()), kNearestToPi);
}

// Inscribed polygons always fall short of the circle, and each doubling gets closer; the double
// just above kNearestToPi is already above pi.
TEST(PolygonSequence, EstimatesRiseStrictlyAndNeverPassPi) {
    double previous = 0.0;
    for (const PolygonState& state : visited_states()) {
        const double estimate = polygon_pi::estimate_pi(state);
        SCOPED_TRACE(state.sides);
        EXPECT_GT(estimate, previous);
        EXPECT_LE(estimate, kNearestToPi);
        previous = estimate;
    }
}

}  // namespace
