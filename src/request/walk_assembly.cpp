// Row assembly of table walks.
#include "walk_assembly.h"

#include <algorithm>

namespace {

bool inside(const Oid& base, const Oid& oid) {
    return oid.size() > base.size() && std::equal(base.begin(), base.end(), oid.begin());
}

// The instance part of an answer inside its column, compared without copying.
bool suffixLess(const VarBind& a, std::size_t aBase, const VarBind& b, std::size_t bBase) {
    return std::lexicographical_compare(
        a.oid.begin() + static_cast<std::ptrdiff_t>(aBase), a.oid.end(),
        b.oid.begin() + static_cast<std::ptrdiff_t>(bBase), b.oid.end());
}

bool suffixEqual(const VarBind& a, std::size_t aBase, const VarBind& b, std::size_t bBase) {
    return !suffixLess(a, aBase, b, bBase) && !suffixLess(b, bBase, a, aBase);
}

}  // namespace

bool oidLess(const Oid& a, const Oid& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

WalkAssembly assembleRows(std::vector<WalkColumn>& columns, const std::vector<VarBind>& answer) {
    WalkAssembly out;
    std::vector<std::size_t> sent;
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (!columns[c].ended)
            sent.push_back(c);
    const std::size_t width = sent.size();
    if (width == 0)
        return out;
    // Repetition j of sent column k sits at j * width + k.
    std::vector<std::size_t> taken(width, 0);
    std::vector<const VarBind*> head(width);
    std::vector<bool> endsNow(width);
    std::vector<bool> endedBefore(columns.size());
    // Every round takes at least one binding or ends the assembly.
    for (std::size_t round = 0; round <= answer.size(); ++round) {
        bool cut = false, any = false;
        for (std::size_t k = 0; k < width && !cut; ++k) {
            head[k] = nullptr;
            endsNow[k] = false;
            const WalkColumn& column = columns[sent[k]];
            if (column.ended)
                continue;
            const std::size_t at = taken[k] * width + k;
            if (at >= answer.size()) {
                cut = true;
                break;
            }
            const VarBind& vb = answer[at];
            if (vb.value.isException()) {
                endsNow[k] = true;
            } else if (!oidLess(column.cursor, vb.oid)) {
                out.refused = true;
                out.asked = column.cursor;
                out.answered = vb.oid;
                return out;
            } else if (!inside(column.base, vb.oid)) {
                endsNow[k] = true;
            } else {
                head[k] = &vb;
                any = true;
            }
        }
        if (cut)
            break;  // what this round saw is asked for again
        for (std::size_t c = 0; c < columns.size(); ++c)
            endedBefore[c] = columns[c].ended;
        for (std::size_t k = 0; k < width; ++k) {
            if (endsNow[k]) {
                columns[sent[k]].ended = true;
                out.progressed = true;
            }
        }
        if (!any)
            break;  // every column has left its table

        std::size_t least = width;
        for (std::size_t k = 0; k < width; ++k) {
            if (!head[k])
                continue;
            if (least == width || suffixLess(*head[k], columns[sent[k]].base.size(), *head[least],
                                             columns[sent[least]].base.size()))
                least = k;
        }
        const VarBind& row = *head[least];
        const std::size_t rowBase = columns[sent[least]].base.size();
        WalkRow r;
        r.suffix.assign(row.oid.begin() + static_cast<std::ptrdiff_t>(rowBase), row.oid.end());
        r.cells.assign(columns.size(), WalkCell::Ended);
        r.values.resize(columns.size());
        for (std::size_t k = 0; k < width; ++k) {
            const std::size_t c = sent[k];
            if (endedBefore[c])
                continue;
            if (endsNow[k]) {
                r.cells[c] = WalkCell::EndsHere;
            } else if (suffixEqual(*head[k], columns[c].base.size(), row, rowBase)) {
                r.cells[c] = WalkCell::Value;
                r.values[c] = *head[k];
                columns[c].cursor = head[k]->oid;
                ++taken[k];
            } else {
                r.cells[c] = WalkCell::Missing;
            }
        }
        out.rows.push_back(std::move(r));
        out.progressed = true;
    }
    return out;
}
