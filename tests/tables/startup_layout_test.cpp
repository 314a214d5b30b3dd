#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/table_layout.h"

namespace tz9 {
namespace {

const std::vector<std::string> kAltitudeHeaders = {"0 ft",     "500 ft",   "1000 ft",  "5000 ft",
                                                   "10000 ft", "15000 ft", "20000 ft", "25000 ft",
                                                   "30000 ft", "35000 ft", "40000 ft"};

const std::vector<std::string> kSpeedHeaders = {
    " 150", " 200", " 250", " 280", " 310", " 340", " 370", " 400", " 430", " 460", " 490", " 520",
    " 550", " 580", " 610", " 640", " 670", " 700", " 730", " 760", " 790", " 820", " 850"};

class StartupLayout : public ::testing::Test {
 protected:
  void SetUp() override { ApplyStartupLayout(msfg1, msfg2); }
  ResultGrid msfg1;
  ResultGrid msfg2;
};

TEST_F(StartupLayout, WritesElevenAltitudeLiteralsWithoutLeadingBlank) {
  for (const ResultGrid* grid : {&msfg1, &msfg2}) {
    for (int r = 1; r <= 11; ++r)
      EXPECT_EQ(grid->TextAt(r, 0), kAltitudeHeaders[r - 1u]);
  }
}

TEST_F(StartupLayout, WritesTwentyThreeBlankLedSpeeds) {
  for (const ResultGrid* grid : {&msfg1, &msfg2}) {
    for (int c = 1; c <= 23; ++c)
      EXPECT_EQ(grid->TextAt(0, c), kSpeedHeaders[c - 1u]);
  }
}

TEST_F(StartupLayout, KeepsTheDesignSizeAndLeavesCornerAndDataCellsEmpty) {
  for (const ResultGrid* grid : {&msfg1, &msfg2}) {
    EXPECT_EQ(grid->Rows(), 12);
    EXPECT_EQ(grid->Cols(), 24);
    EXPECT_EQ(grid->TextAt(0, 0), "");
    for (int r = 1; r < 12; ++r) {
      for (int c = 1; c < 24; ++c) {
        EXPECT_EQ(grid->TextAt(r, c), "");
        EXPECT_EQ(grid->BackColorAt(r, c), std::nullopt);
      }
    }
  }
}

TEST_F(StartupLayout, SetsHeaderColumn870AndSpeedColumns600AllCentredTop) {
  for (const ResultGrid* grid : {&msfg1, &msfg2}) {
    EXPECT_EQ(grid->ColWidth(0), 870);
    for (int c = 1; c <= 23; ++c)
      EXPECT_EQ(grid->ColWidth(c), 600) << c;
    for (int c = 0; c <= 23; ++c)
      EXPECT_EQ(grid->ColAlignment(c), 3) << c;
  }
}

TEST_F(StartupLayout, LeavesCellZeroTwentyThreeCurrent) {
  for (const ResultGrid* grid : {&msfg1, &msfg2}) {
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(grid->Col(), 23);
  }
}

}  // namespace
}  // namespace tz9
