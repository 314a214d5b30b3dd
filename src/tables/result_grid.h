// SPDX-License-Identifier: GPL-3.0-or-later
// ResultGrid: an in-memory result grid with the operations of a flex grid: a size, a current
// cell, and per cell a text and a background colour; per column a width and an alignment.
// Row 0 and column 0 are the header cells. Text and colour are read and written on the current
// cell only; the *At accessors serve views that must not move the current cell.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tz9 {

using Colour = std::uint32_t;  // 0x00BBGGRR

// The four cell colours of a computed table.
struct RegimeColour {
  static constexpr Colour White = 0xFFFFFF;   // subsonic, Military; also no steady flight
  static constexpr Colour Yellow = 0x00FFFF;  // subsonic, afterburner
  static constexpr Colour Green = 0x00FF00;   // supersonic, Military
  static constexpr Colour Red = 0x0000FF;     // supersonic, afterburner
};

// A row or column index outside the grid's size.
class GridIndexError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

class ResultGrid {
 public:
  static constexpr int kDesignRows = 12;
  static constexpr int kDesignCols = 24;
  static constexpr int kCentreTop = 3;  // the only alignment the tables use

  ResultGrid();  // the design-time size, 12 x 24, every cell empty with the default background

  int Rows() const;
  void SetRows(int rows);  // keeps every cell inside the new size; added cells are empty
  int Cols() const;
  void SetCols(int cols);

  int Row() const;
  void SetRow(int row);  // GridIndexError outside 0 .. Rows() - 1
  int Col() const;
  void SetCol(int col);

  std::string Text() const;  // of the current cell
  void SetText(std::string_view text);
  std::optional<Colour> CellBackColor() const;  // nullopt: the default background
  void SetCellBackColor(Colour colour);

  int ColWidth(int col) const;  // twips
  void SetColWidth(int col, int twips);
  int ColAlignment(int col) const;
  void SetColAlignment(int col, int alignment);

  // Views and exports: read any cell without moving the current cell.
  std::string_view TextAt(int row, int col) const;
  std::optional<Colour> BackColorAt(int row, int col) const;

  static constexpr int kDefaultColWidth = 960;       // twips, a column no layout has set
  static constexpr int kDefaultAlignment = 9;        // general: text left, numbers right
  static constexpr long long kMaxCells = 1LL << 23;  // a size beyond this is refused

  // A cell: a short text inline, a longer one in the side table; the background colour with a
  // flag bit for "written". 24 bytes, so a million data cells take about 24 MB.
  struct Cell {
    static constexpr int kInlineChars = 19;
    static constexpr std::uint8_t kLongText = 0xFF;  // length marker: text in longTexts_
    static constexpr Colour kColourSet = 0x80000000u;

    Colour colour = 0;        // kColourSet | 0x00BBGGRR once written; 0 = default background
    std::uint8_t length = 0;  // inline length, or kLongText (then chars hold the slot index)
    char chars[kInlineChars] = {};
  };

 private:
  static size_t Index(int row, int col, int rows);
  Cell& CurrentCell();
  const Cell& CellAt(int row, int col) const;
  void CheckCell(int row, int col) const;
  void Resize(int rows, int cols);
  void ReleaseText(Cell& cell);
  void StoreText(Cell& cell, std::string_view text);

  int rows_ = kDesignRows;
  int cols_ = kDesignCols;
  int row_ = 0;
  int col_ = 0;
  std::vector<Cell> cells_;  // column by column, rows_ x cols_
  std::vector<int> colWidths_;
  std::vector<int> colAlignments_;
  std::vector<std::string> longTexts_;    // texts longer than Cell::kInlineChars
  std::vector<std::uint32_t> freeSlots_;  // unused entries of longTexts_
};

}  // namespace tz9
