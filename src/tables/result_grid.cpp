// SPDX-License-Identifier: GPL-3.0-or-later

#include "tables/result_grid.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/large_buffer.h"

namespace tz9 {
namespace {

static_assert(sizeof(ResultGrid::Cell) == 24, "a cell stays small: a million must fit easily");

std::string IndexMessage(const char* what, long long index, long long size) {
  return std::string(what) + " " + std::to_string(index) + " is outside 0 .. " +
         std::to_string(size - 1);
}

std::uint32_t SlotOf(const ResultGrid::Cell& cell) {
  std::uint32_t slot = 0;
  std::memcpy(&slot, cell.chars, sizeof slot);
  return slot;
}

}  // namespace

ResultGrid::ResultGrid()
    : cells_(static_cast<size_t>(kDesignRows) * kDesignCols),
      colWidths_(kDesignCols, kDefaultColWidth),
      colAlignments_(kDesignCols, kDefaultAlignment) {}

int ResultGrid::Rows() const {
  return rows_;
}
int ResultGrid::Cols() const {
  return cols_;
}
int ResultGrid::Row() const {
  return row_;
}
int ResultGrid::Col() const {
  return col_;
}

void ResultGrid::SetRows(int rows) {
  Resize(rows, cols_);
}
void ResultGrid::SetCols(int cols) {
  Resize(rows_, cols);
}

void ResultGrid::SetRow(int row) {
  if (row < 0 || row >= rows_) throw GridIndexError(IndexMessage("row", row, rows_));
  row_ = row;
}

void ResultGrid::SetCol(int col) {
  if (col < 0 || col >= cols_) throw GridIndexError(IndexMessage("column", col, cols_));
  col_ = col;
}

std::string ResultGrid::Text() const {
  return std::string(TextAt(row_, col_));
}

void ResultGrid::SetText(std::string_view text) {
  Cell& cell = CurrentCell();
  ReleaseText(cell);
  StoreText(cell, text);
}

std::optional<Colour> ResultGrid::CellBackColor() const {
  return BackColorAt(row_, col_);
}

void ResultGrid::SetCellBackColor(Colour colour) {
  CurrentCell().colour = Cell::kColourSet | (colour & 0x00FFFFFFu);
}

int ResultGrid::ColWidth(int col) const {
  CheckCell(0, col);
  return colWidths_[static_cast<size_t>(col)];
}

void ResultGrid::SetColWidth(int col, int twips) {
  CheckCell(0, col);
  colWidths_[static_cast<size_t>(col)] = twips;
}

int ResultGrid::ColAlignment(int col) const {
  CheckCell(0, col);
  return colAlignments_[static_cast<size_t>(col)];
}

void ResultGrid::SetColAlignment(int col, int alignment) {
  CheckCell(0, col);
  colAlignments_[static_cast<size_t>(col)] = alignment;
}

std::string_view ResultGrid::TextAt(int row, int col) const {
  const Cell& cell = CellAt(row, col);
  if (cell.length == Cell::kLongText) return longTexts_[SlotOf(cell)];
  return std::string_view(cell.chars, cell.length);
}

std::optional<Colour> ResultGrid::BackColorAt(int row, int col) const {
  const Cell& cell = CellAt(row, col);
  if ((cell.colour & Cell::kColourSet) == 0) return std::nullopt;
  return cell.colour & 0x00FFFFFFu;
}

// Cells are stored column by column: the sweep writes each column top down, so its writes
// run through memory in order.
size_t ResultGrid::Index(int row, int col, int rows) {
  return static_cast<size_t>(col) * static_cast<size_t>(rows) + static_cast<size_t>(row);
}

ResultGrid::Cell& ResultGrid::CurrentCell() {
  return cells_[Index(row_, col_, rows_)];
}

const ResultGrid::Cell& ResultGrid::CellAt(int row, int col) const {
  CheckCell(row, col);
  return cells_[Index(row, col, rows_)];
}

void ResultGrid::CheckCell(int row, int col) const {
  if (row < 0 || row >= rows_) throw GridIndexError(IndexMessage("row", row, rows_));
  if (col < 0 || col >= cols_) throw GridIndexError(IndexMessage("column", col, cols_));
}

// Copies the overlapping rectangle into a fresh vector once, so any resize is linear in the
// number of cells; long texts of the cells that fall outside return their slots.
void ResultGrid::Resize(int rows, int cols) {
  if (rows < 1 || cols < 1 || static_cast<long long>(rows) * cols > kMaxCells) {
    throw GridIndexError("grid size " + std::to_string(rows) + " x " + std::to_string(cols) +
                         " is outside 1 x 1 .. " + std::to_string(kMaxCells) + " cells");
  }
  if (rows == rows_ && cols == cols_) return;
  const size_t count = static_cast<size_t>(rows) * static_cast<size_t>(cols);
  std::vector<Cell> cells;
  cells.reserve(count);
  AdviseLargeBuffer(cells.data(), count * sizeof(Cell));
  cells.resize(count);
  for (int c = 0; c < cols_; ++c) {
    for (int r = 0; r < rows_; ++r) {
      Cell& old = cells_[Index(r, c, rows_)];
      if (r < rows && c < cols) {
        cells[Index(r, c, rows)] = old;
      } else {
        ReleaseText(old);
      }
    }
  }
  cells_ = std::move(cells);
  colWidths_.resize(static_cast<size_t>(cols), kDefaultColWidth);
  colAlignments_.resize(static_cast<size_t>(cols), kDefaultAlignment);
  rows_ = rows;
  cols_ = cols;
  row_ = std::min(row_, rows_ - 1);
  col_ = std::min(col_, cols_ - 1);
}

void ResultGrid::ReleaseText(Cell& cell) {
  if (cell.length == Cell::kLongText) {
    const std::uint32_t slot = SlotOf(cell);
    longTexts_[slot].clear();
    longTexts_[slot].shrink_to_fit();
    freeSlots_.push_back(slot);
  }
  cell.length = 0;
}

void ResultGrid::StoreText(Cell& cell, std::string_view text) {
  if (text.size() <= static_cast<size_t>(Cell::kInlineChars)) {
    if (!text.empty()) std::memcpy(cell.chars, text.data(), text.size());
    cell.length = static_cast<std::uint8_t>(text.size());
    return;
  }
  std::uint32_t slot = 0;
  if (freeSlots_.empty()) {
    slot = static_cast<std::uint32_t>(longTexts_.size());
    longTexts_.emplace_back(text);
  } else {
    slot = freeSlots_.back();
    freeSlots_.pop_back();
    longTexts_[slot].assign(text);
  }
  std::memcpy(cell.chars, &slot, sizeof slot);
  cell.length = Cell::kLongText;
}

}  // namespace tz9
