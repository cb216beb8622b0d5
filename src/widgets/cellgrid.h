#pragma once

#include "widgets/namedcontrol.h"

#include <QTableWidget>

namespace qarnivo {

// A plain cell grid in the manner of a flex grid: fixed rows and columns, no
// headers, no scroll bars, no editing and no selection colouring; each cell
// has its own text, picture (centred), alignment and colours, and the
// current cell is what a click moves.
QTableWidget *CreateCellGrid(QWidget *parent, const ControlName &name, int rows, int columns);

// A cell whose data under this role is true is framed in the grid's text colour.
inline constexpr int kFramedRole = Qt::UserRole + 1;
// A cell whose data under this role is true has a small corner mark in its text colour.
inline constexpr int kMarkedRole = Qt::UserRole + 2;

// Clears every cell's text, picture and colours; rows and columns stay.
void ClearCellGrid(QTableWidget *grid);

// The cell's item, created on first use.
QTableWidgetItem *GridCell(QTableWidget *grid, int row, int column);

} // namespace qarnivo
