#pragma once

namespace engine {

// Deals a new game of the Mode already in the kept record: empty board, empty
// word, reserve filling from 0 to 40.
void NewGame();

// Once per playing tick, first of all: each column's supply step, then the drop
// into its empty top cell and the falls into its empty cells.
void SupplyAndGravity();
void SupplyColumn(int k);
void OfferMissingLetter(int k);

// The completion rules of the paints' moves: the new ball of column k has arrived in the
// top cell; the ball of fall slot 1..36 has arrived one cell lower.
void CompleteDrop(int k);
void CompleteFall(int slot);

}  // namespace engine
