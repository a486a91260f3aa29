// The cube's fixed cell numbering and which cells touch.
#pragma once

constexpr int TESS_CELLS = 27;     // three faces of three by three cells
constexpr int TESS_NEIGHBOURS = 8; // slots per row of the neighbour table
constexpr int TESS_MAX_PATH = 32;  // longest selection, and the size of a path block

// Cells 0-8 top face, 9-17 left face, 18-26 right face. Slot order matters: board generation
// takes the first free neighbour and the word finder explores in this order. Unused slots are -1.
extern const int g_anCellNeighbours[TESS_CELLS][TESS_NEIGHBOURS];

// TRUE when cell nOther is listed among nCell's neighbours.
bool IsCellNeighbour(int nCell, int nOther);
