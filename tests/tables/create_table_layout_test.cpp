#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/table_layout.h"

namespace tz9 {
namespace {

// Everything a layout can change, for comparing a grid before and after.
struct GridState {
  int rows, cols, row, col;
  std::vector<std::string> texts;
  std::vector<std::optional<Colour>> colours;
  std::vector<int> widths, alignments;
  bool operator==(const GridState&) const = default;
};

GridState StateOf(const ResultGrid& grid) {
  GridState state{grid.Rows(), grid.Cols(), grid.Row(), grid.Col(), {}, {}, {}, {}};
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      state.texts.emplace_back(grid.TextAt(r, c));
      state.colours.push_back(grid.BackColorAt(r, c));
    }
  }
  for (int c = 0; c < grid.Cols(); ++c) {
    state.widths.push_back(grid.ColWidth(c));
    state.alignments.push_back(grid.ColAlignment(c));
  }
  return state;
}

std::vector<std::string> SpeedHeaders(const ResultGrid& grid) {
  std::vector<std::string> texts;
  for (int c = 1; c < grid.Cols(); ++c)
    texts.emplace_back(grid.TextAt(0, c));
  return texts;
}

std::vector<std::string> AltitudeHeaders(const ResultGrid& grid) {
  std::vector<std::string> texts;
  for (int r = 1; r < grid.Rows(); ++r)
    texts.emplace_back(grid.TextAt(r, 0));
  return texts;
}

class CreateTable : public ::testing::Test {
 protected:
  void SetUp() override { ApplyStartupLayout(msfg1, msfg2); }
  LayoutOutcome Create(const RangeTexts& ranges) {
    const LayoutOutcome outcome = CreateTableLayout(ranges, msfg1, msfg2);
    if (outcome.applied) {
      EXPECT_EQ(SpeedHeaders(msfg1), SpeedHeaders(msfg2));
      EXPECT_EQ(AltitudeHeaders(msfg1), AltitudeHeaders(msfg2));
      EXPECT_EQ(msfg1.Row(), msfg2.Row());
      EXPECT_EQ(msfg1.Col(), msfg2.Col());
    }
    return outcome;
  }
  ResultGrid msfg1;
  ResultGrid msfg2;
};

TEST_F(CreateTable, DefaultRangesGiveSeventeenSpeedsByElevenAltitudes) {
  ASSERT_TRUE(Create(DefaultRangeTexts()).applied);
  EXPECT_EQ(msfg1.Cols(), 18);
  EXPECT_EQ(msfg1.Rows(), 12);
  EXPECT_EQ(SpeedHeaders(msfg1),
            (std::vector<std::string>{"150", "200", "250", "280", "310", "340", "370", "400", "430",
                                      "460", "490", "520", "550", "580", "610", "640", "660"}));
  EXPECT_EQ(AltitudeHeaders(msfg1),
            (std::vector<std::string>{" 0 ft", " 500 ft", " 1000 ft", " 6000 ft", " 11000 ft",
                                      " 16000 ft", " 21000 ft", " 26000 ft", " 31000 ft",
                                      " 36000 ft", " 40000 ft"}));
}

TEST_F(CreateTable, FormatsSpeedColumnsAndKeepsTheHeaderColumn) {
  ASSERT_TRUE(Create(DefaultRangeTexts()).applied);
  EXPECT_EQ(msfg1.ColWidth(0), 870);
  EXPECT_EQ(msfg1.ColAlignment(0), 3);
  for (int c = 1; c < msfg1.Cols(); ++c) {
    EXPECT_EQ(msfg1.ColWidth(c), 600);
    EXPECT_EQ(msfg1.ColAlignment(c), 3);
  }
}

TEST_F(CreateTable, LeavesTheLastAltitudeRowOfColumnZeroCurrent) {
  ASSERT_TRUE(Create(DefaultRangeTexts()).applied);
  EXPECT_EQ(msfg1.Row(), 11);
  EXPECT_EQ(msfg1.Col(), 0);
}

TEST_F(CreateTable, KeepsDataCellsUnderTheNewHeaders) {
  msfg1.SetRow(3);
  msfg1.SetCol(2);
  msfg1.SetCellBackColor(RegimeColour::Yellow);
  msfg1.SetText("17110");
  ASSERT_TRUE(Create(DefaultRangeTexts()).applied);
  EXPECT_EQ(msfg1.TextAt(3, 2), "17110");
  EXPECT_EQ(msfg1.BackColorAt(3, 2), RegimeColour::Yellow);
}

struct LayoutCase {
  std::string name;
  RangeTexts ranges;
  int rows, cols;
  std::string firstHeader, lastHeader;  // of the axis the case is about
  bool speedAxis;
};

RangeTexts WithSpeed(std::string_view mi, std::string_view s1, std::string_view st,
                     std::string_view s2, std::string_view ma) {
  RangeTexts r = DefaultRangeTexts();
  r.speedMin = mi, r.speedStep1 = s1, r.speedStep = st, r.speedStep2 = s2, r.speedMax = ma;
  return r;
}

RangeTexts WithAltitude(std::string_view mi, std::string_view s1, std::string_view st,
                        std::string_view s2, std::string_view ma) {
  RangeTexts r = DefaultRangeTexts();
  r.altitudeMin = mi, r.altitudeStep1 = s1, r.altitudeStep = st, r.altitudeStep2 = s2;
  r.altitudeMax = ma;
  return r;
}

TEST_F(CreateTable, SizesEveryAxisAsItsValuesPlusOne) {
  const std::vector<LayoutCase> cases = {
      {"altitude step1 not dividing", WithAltitude("0", "300", "1000", "4000", "9000"), 8, 18,
       " 0 ft", " 9000 ft", false},
      {"speed step1 not dividing", WithSpeed("150", "40", "250", "30", "660"), 12, 19, "150", "660",
       true},
      {"altitude max equal to step", WithAltitude("0", "500", "1000", "5000", "1000"), 4, 18,
       " 0 ft", " 1000 ft", false},
      {"single speed", WithSpeed("300", "50", "300", "30", "300"), 12, 2, "300", "300", true},
      {"single altitude", WithAltitude("5000", "1", "5000", "1", "5000"), 2, 18, " 5000 ft",
       " 5000 ft", false},
      {"descending altitude", WithAltitude("40000", "-5000", "1000", "-500", "0"), 12, 18,
       " 40000 ft", " 0 ft", false},
      {"speed max 660.5 rounds to 660", WithSpeed("150", "50", "250", "30", "660.5"), 12, 18, "150",
       "660", true},
      {"speed max 661.5 rounds to 662", WithSpeed("150", "50", "250", "30", "661.5"), 12, 18, "150",
       "662", true},
      {"fractional speed", WithSpeed("150", "12.5", "200", "25", "250"), 12, 8, "150", "250", true},
      {"negative altitude", WithAltitude("-500", "500", "0", "1000", "1000"), 4, 18, "-500 ft",
       " 1000 ft", false},
      {"tenth steps", WithAltitude("0", "0.1", "0.7", "0.1", "1"), 12, 18, " 0 ft", " 1 ft", false},
      {"lenient texts", WithSpeed(" 150 kt", "50", "250", "30", "660"), 12, 18, "150", "660", true},
  };
  for (const LayoutCase& c : cases) {
    msfg1 = ResultGrid();
    msfg2 = ResultGrid();
    ApplyStartupLayout(msfg1, msfg2);
    ASSERT_TRUE(Create(c.ranges).applied) << c.name;
    EXPECT_EQ(msfg1.Rows(), c.rows) << c.name;
    EXPECT_EQ(msfg1.Cols(), c.cols) << c.name;
    const std::vector<std::string> headers =
        c.speedAxis ? SpeedHeaders(msfg1) : AltitudeHeaders(msfg1);
    EXPECT_EQ(headers.front(), c.firstHeader) << c.name;
    EXPECT_EQ(headers.back(), c.lastHeader) << c.name;
    for (size_t i = 1; i < headers.size(); ++i)
      EXPECT_NE(headers[i - 1], headers[i]) << c.name;
  }
}

TEST_F(CreateTable, DefaultAxesDifferFromTheStartupTable) {
  EXPECT_EQ(msfg1.TextAt(4, 0), "5000 ft");
  ASSERT_TRUE(Create(DefaultRangeTexts()).applied);
  EXPECT_EQ(msfg1.TextAt(4, 0), " 6000 ft");
  EXPECT_EQ(msfg1.TextAt(0, 17), "660");
}

struct LayoutRefusalCase {
  std::string name;
  RangeTexts ranges;
  std::string refusal;
};

TEST_F(CreateTable, RefusesWithAMessageAndChangesNeitherGrid) {
  const std::vector<LayoutRefusalCase> cases = {
      {"empty speed step", WithSpeed("150", "", "250", "30", "660"),
       "Speed Step1 is 0: the axis cannot step from Min Speed to Step Speed."},
      {"text altitude step", WithAltitude("0", "500", "1000", "abc", "40000"),
       "Altitude Step2 is 0: the axis cannot step from Step Altitude to Max Altitude."},
      {"speed step pointing away", WithSpeed("150", "-50", "250", "30", "660"),
       "Speed Step1 points away from Step Speed: it must be positive to go from Min Speed to "
       "Step Speed."},
      {"speed max beyond 16 bits", WithSpeed("150", "50", "250", "30", "32767.5"),
       "Max Speed rounds to 32768, outside -32768 .. 32767."},
      {"speed max far below 16 bits", WithSpeed("150", "-50", "-250", "-30", "-40000"),
       "Max Speed rounds to -40000, outside -32768 .. 32767."},
      {"infinite altitude", WithAltitude("0", "500", "1e999", "5000", "40000"),
       "Step Altitude is not a finite number."},
      {"infinite speed max", WithSpeed("150", "50", "250", "30", "1e400"),
       "Max Speed is not a finite number."},
      {"too many altitudes", WithAltitude("0", "1", "40000", "1", "40000"),
       "The altitude axis would have more than 32766 values: choose larger steps."},
      {"tiny speed step", WithSpeed("150", "1e-300", "250", "30", "660"),
       "The speed axis would have more than 32766 values: choose larger steps."},
      {"more than a million cells",
       {"1", "1", "100", "1", "100", "0", "1", "30000", "1", "30000"},
       "The table would have 3000100 data cells, more than 1000000: choose larger steps."},
  };
  for (const LayoutRefusalCase& c : cases) {
    msfg1.SetRow(2);
    msfg1.SetCol(3);
    msfg1.SetText("old");
    const GridState before1 = StateOf(msfg1);
    const GridState before2 = StateOf(msfg2);
    const LayoutOutcome outcome = Create(c.ranges);
    EXPECT_FALSE(outcome.applied) << c.name;
    EXPECT_EQ(outcome.refusal, c.refusal) << c.name;
    EXPECT_TRUE(StateOf(msfg1) == before1) << c.name;
    EXPECT_TRUE(StateOf(msfg2) == before2) << c.name;
  }
}

TEST_F(CreateTable, AcceptsAMillionCellsAndRefusesOneMore) {
  // 1000 speeds (1 .. 1000 kt) by 1000 altitudes (0 .. 999 ft).
  EXPECT_TRUE(Create({"1", "1", "1000", "1", "1000", "0", "1", "999", "1", "999"}).applied);
  EXPECT_EQ(msfg1.Rows(), 1001);
  EXPECT_EQ(msfg1.Cols(), 1001);
  EXPECT_EQ(msfg1.TextAt(1000, 0), " 999 ft");
  EXPECT_EQ(msfg1.TextAt(0, 1000), "1000");
  const LayoutOutcome more = Create({"1", "1", "1000", "1", "1000", "0", "1", "1000", "1", "1000"});
  EXPECT_FALSE(more.applied);
  EXPECT_EQ(more.refusal,
            "The table would have 1001000 data cells, more than 1000000: choose larger steps.");
}

}  // namespace
}  // namespace tz9
