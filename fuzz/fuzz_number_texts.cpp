// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary texts through the number conversions and "Create Table": every accepted number reads
// back as itself, and every layout either refuses and leaves the grids alone or leaves each grid
// one header per axis value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "tables/result_grid.h"
#include "tables/table_layout.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckNumberText(std::string_view text) {
  const double value = tz9::ParseLeadingNumber(text);
  Check(!std::isnan(value));
  if (tz9::IsNumericText(text)) Check(std::isfinite(value));
  if (std::isfinite(value)) {
    const std::string general = tz9::FormatGeneral(value);
    Check(tz9::IsNumericText(general));
    // 15 significant digits read back as the value rounded to 15 digits: formatting that
    // number again gives the same text.
    Check(tz9::FormatGeneral(tz9::ParseLeadingNumber(general)) == general);
    Check(tz9::ParseLeadingNumber(tz9::FormatBlankLed(value)) == tz9::ParseLeadingNumber(general));
  }
}

std::vector<std::string> Headers(const tz9::ResultGrid& grid, bool speeds) {
  std::vector<std::string> texts;
  const int n = speeds ? grid.Cols() : grid.Rows();
  for (int i = 1; i < n; ++i) {
    texts.emplace_back(speeds ? grid.TextAt(0, i) : grid.TextAt(i, 0));
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> texts;
  size_t start = 0;
  while (texts.size() < 10) {
    const size_t end = bytes.find('\n', start);
    texts.push_back(bytes.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  texts.resize(10);
  for (std::string_view text : texts)
    CheckNumberText(text);

  tz9::ResultGrid msfg1, msfg2;
  tz9::ApplyStartupLayout(msfg1, msfg2);
  const auto before_speeds = Headers(msfg1, true);
  const auto before_altitudes = Headers(msfg1, false);
  const tz9::RangeTexts ranges{texts[0], texts[1], texts[2], texts[3], texts[4],
                               texts[5], texts[6], texts[7], texts[8], texts[9]};
  const tz9::LayoutOutcome outcome = tz9::CreateTableLayout(ranges, msfg1, msfg2);
  if (!outcome.applied) {
    Check(outcome.refusal.has_value());
    Check(Headers(msfg1, true) == before_speeds && Headers(msfg1, false) == before_altitudes);
    return 0;
  }
  Check(msfg1.Rows() == msfg2.Rows() && msfg1.Cols() == msfg2.Cols());
  Check(static_cast<long long>(msfg1.Rows() - 1) * (msfg1.Cols() - 1) <= tz9::kMaxTableCells);
  for (const std::string& header : Headers(msfg1, true))
    Check(!header.empty());
  for (const std::string& header : Headers(msfg1, false)) {
    Check(header.size() > 3 && header.ends_with(" ft"));
  }
  Check(Headers(msfg2, true) == Headers(msfg1, true));
  // Each axis starts at its Min and ends at its Max, whatever its steps.
  const auto speeds = Headers(msfg1, true);
  const auto altitudes = Headers(msfg1, false);
  Check(speeds.front() == tz9::SpeedHeaderText(tz9::ParseLeadingNumber(texts[0])));
  Check(speeds.back() == tz9::SpeedHeaderText(std::nearbyint(tz9::ParseLeadingNumber(texts[4]))));
  Check(altitudes.front() == tz9::AltitudeHeaderText(tz9::ParseLeadingNumber(texts[5])));
  Check(altitudes.back() == tz9::AltitudeHeaderText(tz9::ParseLeadingNumber(texts[9])));
  return 0;
}
