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

  // (implementation details are free: compact cells, a few bytes each)
};

}  // namespace tz9
