// Unit tests of the side-doubling sequence: the visited states and every estimate's digits.
#include "polygon_sequence.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace {

using polygon_pi::PolygonState;

struct Row {
    double sides;
    const char* estimate;  // to 16 decimals, as the report prints it
};

// The digits every correct binary64 build reproduces; reordering or fusing any step of the
// recurrence changes some of them.
const Row kExpectedRows[] = {
    {6, "3.0000000000000000"},         {12, "3.1058285412302489"},
    {24, "3.1326286132812378"},        {48, "3.1393502030468667"},
    {96, "3.1410319508905098"},        {192, "3.1414524722854624"},
    {384, "3.1415576079118579"},       {768, "3.1415838921483186"},
    {1536, "3.1415904632280505"},      {3072, "3.1415921059992717"},
    {6144, "3.1415925166921577"},      {12288, "3.1415926193653840"},
    {24576, "3.1415926450336911"},     {49152, "3.1415926514507682"},
    {98304, "3.1415926530550373"},     {196608, "3.1415926534561045"},
    {393216, "3.1415926535563719"},    {786432, "3.1415926535814380"},
    {1572864, "3.1415926535877046"},   {3145728, "3.1415926535892713"},
    {6291456, "3.1415926535896630"},   {12582912, "3.1415926535897611"},
    {25165824, "3.1415926535897856"},  {50331648, "3.1415926535897913"},
    {100663296, "3.1415926535897931"},
};

constexpr double kNearestToPi = 0x1.921fb54442d18p+1;

// Visits the states the way the report does.
std::vector<PolygonState> visited_states() {
    std::vector<PolygonState> states;
    for (PolygonState s = polygon_pi::first_polygon(); s.sides < polygon_pi::kSideLimit;
         s = polygon_pi::double_sides(s)) {
        states.push_back(s);
    }
    return states;
}

std::string sixteen_decimals(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.16f", value);
    return text;
}

TEST(PolygonSequence, VisitsTwentyFiveStatesFromHexagonTo100663296Sides) {
    const auto states = visited_states();
    ASSERT_EQ(states.size(), 25U);
    EXPECT_EQ(states.front().sides, 6.0);
    EXPECT_EQ(states.front().side_length, 1.0);
    EXPECT_EQ(states.back().sides, 100663296.0);
    EXPECT_EQ(polygon_pi::double_sides(states.back()).sides, 201326592.0);
}

TEST(PolygonSequence, EveryEstimateHasTheExpectedSixteenDecimals) {
    const auto states = visited_states();
    ASSERT_EQ(states.size(), std::size(kExpectedRows));
    for (std::size_t i = 0; i < states.size(); ++i) {
        SCOPED_TRACE(kExpectedRows[i].sides);
        EXPECT_EQ(states[i].sides, kExpectedRows[i].sides);
        EXPECT_EQ(sixteen_decimals(polygon_pi::estimate_pi(states[i])), kExpectedRows[i].estimate);
    }
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
