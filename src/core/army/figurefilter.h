#pragma once

#include "armyunit.h"

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// Finding a figure among many in the available list: the rows that contain a
// typed text, and the rows sorted by a column.
namespace tarvello {

// True when the figure's name, race, type, melee or missile weapons contain
// text, letters compared without regard to case (Windows-1252 letters too).
// An empty text matches every figure.
bool FigureMatches(const FigureSummary &figure, std::string_view text);

// The positions of the figures that match text, in list order.
std::vector<std::size_t> FilterFigures(const std::vector<FigureSummary> &figures,
                                       std::string_view text);

// A column's text of row (a position in the list), as the sort sees it.
using CellText = std::function<std::string_view(std::size_t row)>;

// Sorts rows by their cell texts: a text that starts with a number (after
// blanks, an optional sign) sorts by that number, before every other text;
// other texts sort by their letters without regard to case. Rows of equal
// texts keep their order. descending reverses the order of the texts (equal
// rows still keep theirs).
void SortRows(std::vector<std::size_t> &rows, const CellText &cell, bool descending);

} // namespace tarvello
