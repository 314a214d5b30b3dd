// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/csv_export.h"

#include <algorithm>
#include <vector>

#include "common/number_text.h"

namespace tz9 {
namespace {

struct NamedColour {
  Colour colour;
  const char* name;
};
constexpr NamedColour kNamedColours[] = {
    {RegimeColour::White, "white"},
    {RegimeColour::Yellow, "yellow"},
    {RegimeColour::Green, "green"},
    {RegimeColour::Red, "red"},
};

// A comment keeps to its one line.
std::string OneLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return line;
}

}  // namespace

void CsvField(std::string_view text, std::ostream& out) {
  if (text.find_first_of(",\"\n") == std::string_view::npos) {
    out << text;
    return;
  }
  out << '"';
  for (char c : text)
    out << (c == '"' ? "\"\"" : std::string(1, c));
  out << '"';
}

std::string ColourName(std::optional<Colour> colour) {
  if (!colour) return "default";
  for (const NamedColour& named : kNamedColours) {
    if (named.colour == *colour) return named.name;
  }
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "0x000000";
  for (int i = 0; i < 6; ++i)
    text[static_cast<size_t>(7 - i)] = kHex[(*colour >> (4 * i)) & 0xF];
  return text;
}

// All of a header shorter than " ft" goes.
std::string_view AltitudeField(std::string_view header) {
  return TrimBlanks(header.substr(0, header.size() >= 3 ? header.size() - 3 : 0));
}

void WriteCsvLines(const ResultGrid& msfg1, const ResultGrid& msfg2, std::ostream& out) {
  out << kCsvHeader << '\n';
  for (int c = 1; c < msfg1.Cols(); ++c) {
    for (int r = 1; r < msfg1.Rows(); ++r) {
      CsvField(AltitudeField(msfg1.TextAt(r, 0)), out);
      out << ',';
      CsvField(TrimBlanks(msfg1.TextAt(0, c)), out);
      out << ',';
      CsvField(msfg1.TextAt(r, c), out);
      out << ',' << ColourName(msfg1.BackColorAt(r, c)) << ',';
      CsvField(msfg2.TextAt(r, c), out);
      out << ',' << ColourName(msfg2.BackColorAt(r, c)) << '\n';
    }
  }
}

std::string StalenessText(const Staleness& staleness) {
  if (staleness.Current()) return "current";
  std::vector<std::string_view> changes;
  if (staleness.tableRelaid) changes.push_back("the table was laid out again");
  if (staleness.inputsEdited) changes.push_back("the computing weight or a store count changed");
  if (staleness.modeChanged) changes.push_back("another second grid was chosen");
  if (staleness.aircraftChanged) changes.push_back("another aircraft was loaded");
  std::string text = "out of date: ";
  for (size_t i = 0; i < changes.size(); ++i) {
    if (i > 0) text += "; ";
    text += changes[i];
  }
  return text;
}

void WriteCsvComments(const CsvExportFacts& facts, std::ostream& out) {
  std::string stores;
  for (size_t kind = 0; kind < kStoreKinds; ++kind) {
    if (kind > 0) stores += ", ";
    stores += std::string(kStoreShortNames[kind]) + ' ' + facts.storeCounts[kind];
  }
  const DisplayModeInfo& mode = InfoOf(facts.mode);
  const std::pair<std::string_view, std::string> lines[] = {
      {"program", facts.program},
      {"aircraft file", facts.aircraftFile},
      {"aircraft", facts.aircraftName},
      {"computing weight (lb)", facts.computingWeight},
      {"stores", stores},
      {"second grid", std::string(mode.gridCaption) + ", " + std::string(mode.quantity)},
      {"grids", StalenessText(facts.staleness)},
  };
  for (const auto& [name, value] : lines)
    out << "# " << name << ": " << OneLine(value) << '\n';
}

}  // namespace tz9
