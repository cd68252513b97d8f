// Table walks: the rows of a table put together from get-next and get-bulk answers, column
// by column, for tables whose rows lack some columns as well.
#pragma once

#include <cstdint>
#include <vector>

#include "snmp_value.h"

// OIDs compared arc by arc, as numbers.
bool oidLess(const Oid& a, const Oid& b);

// One column of a walk: where it goes on from, and whether it has left its table.
struct WalkColumn {
    Oid base;
    Oid cursor;
    bool ended = false;
};

enum class WalkCell : std::uint8_t {
    Value,     // the column's instance of this row
    Missing,   // the column has no instance in this row
    EndsHere,  // the column left its table in the step that gave this row
    Ended,     // the column had left its table before
};

struct WalkRow {
    Oid suffix;                   // the row's instance: the arcs after a column OID
    std::vector<WalkCell> cells;  // one per walk column
    std::vector<VarBind> values;  // one per walk column, meaningful for WalkCell::Value
};

struct WalkAssembly {
    std::vector<WalkRow> rows;
    bool progressed = false;  // a row came out or a column left its table
    bool refused = false;     // an answer was not past what had been asked
    Oid asked, answered;      // the pair that was refused
};

// The rows of one answer. The request carried the cursors of the columns that had not ended,
// in column order: a get-next answer holds one binding for each of them, a get-bulk answer
// repetitions of that sequence. Each row is the smallest instance among the columns still in
// their table; a column whose answer lies beyond it has no value in the row and stays where it
// was. A row is given only when every column still in its table has an answer to judge it by,
// so a row that the answer cuts short is left for the next request. Moves the cursors of the
// columns that gave values and marks the columns that left their tables.
WalkAssembly assembleRows(std::vector<WalkColumn>& columns, const std::vector<VarBind>& answer);
