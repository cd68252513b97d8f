// Option-list matching in both directions for integer, text and prefix lists.
#include "nm_option_list.h"

#include <cctype>
#include <charconv>

namespace {

unsigned char lower(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

// Whole text as a signed 32-bit decimal; anything else does not parse.
bool parseInt32(const std::string& text, int& out) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [p, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && p == last && first != last;
}

}  // namespace

NmOptionList::NmOptionList(const OptionEntry* table, std::uint32_t kind, bool caseSensitive)
    : kind_(kind), caseSensitive_(caseSensitive) {
    Append(table);
}

void NmOptionList::Append(const OptionEntry* table) {
    if (!table)
        return;
    for (const OptionEntry* e = table; e->Label; ++e) {
        Entry entry;
        entry.Label = e->Label;
        if (kind_ == okInteger)
            entry.Integer = e->Value.Integer;
        else if (e->Value.Text)
            entry.Text = e->Value.Text;
        items_.push_back(std::move(entry));
    }
}

bool NmOptionList::equalText(const std::string& a, const std::string& b) const {
    if (a.size() != b.size())
        return false;
    return startsWith(a, b);
}

bool NmOptionList::startsWith(const std::string& text, const std::string& prefix) const {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (caseSensitive_ ? text[i] != prefix[i] : lower(text[i]) != lower(prefix[i]))
            return false;
    }
    return true;
}

int NmOptionList::IndexOfLabel(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string& label = items_[static_cast<std::size_t>(i)].Label;
        if (kind_ == okPrefix ? startsWith(text, label) : equalText(text, label))
            return i;
    }
    return -1;
}

int NmOptionList::IndexOfValue(const std::string& text) const {
    if (kind_ == okInteger) {
        int value = 0;
        if (text == "(NULL)" || !parseInt32(text, value))
            return -1;
        for (int i = 0; i < Count(); ++i)
            if (items_[static_cast<std::size_t>(i)].Integer == value)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& value = items_[static_cast<std::size_t>(i)].Text;
        if (kind_ == okPrefix ? startsWith(text, value) : equalText(text, value))
            return i;
    }
    return -1;
}

std::string NmOptionList::ValueToLabel(const std::string& text) const {
    const int i = IndexOfValue(text);
    if (i < 0)
        return text;
    const Entry& e = items_[static_cast<std::size_t>(i)];
    if (kind_ == okPrefix)
        return e.Label + text.substr(e.Text.size());
    return e.Label;
}

std::string NmOptionList::LabelToValue(const std::string& text) const {
    const int i = IndexOfLabel(text);
    if (i < 0)
        return text;
    const Entry& e = items_[static_cast<std::size_t>(i)];
    if (kind_ == okInteger)
        return std::to_string(e.Integer);
    if (kind_ == okPrefix)
        return e.Text + text.substr(e.Label.size());
    return e.Text;
}

std::vector<std::string> NmOptionList::Labels() const {
    std::vector<std::string> labels;
    labels.reserve(items_.size());
    for (const Entry& e : items_)
        labels.push_back(e.Label);
    return labels;
}

int OptionSelectionIndex(const NmOptionList* list, const std::string& text) {
    if (!list)
        return -1;
    const int i = list->IndexOfLabel(text);
    return i >= 0 ? i : list->IndexOfValue(text);
}

std::string MapValueToLabel(const NmOptionList* list, const std::string& text) {
    return list ? list->ValueToLabel(text) : text;
}

std::string MapLabelToValue(const NmOptionList* list, const std::string& text) {
    return list ? list->LabelToValue(text) : text;
}
