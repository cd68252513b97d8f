// Option lists: translate between stored MIB values and the words a user reads and picks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The stored value of a static option record: an integer (kind 1) or a text (kinds 2 and 3).
struct OptionValue {
    constexpr OptionValue(int value) : Integer(value) {}
    constexpr OptionValue(const char* text) : Text(text) {}
    int Integer = 0;
    const char* Text = nullptr;
};

// Static option record; a table ends with a record whose label is null.
struct OptionEntry {
    OptionValue Value;
    const char* Label;
};

inline constexpr std::uint32_t okInteger = 1;
inline constexpr std::uint32_t okText = 2;
inline constexpr std::uint32_t okPrefix = 3;

class NmOptionList {
  public:
    // One owned entry; Text is the value of kinds 2 and 3, Integer that of kind 1.
    struct Entry {
        int Integer = 0;
        std::string Text;
        std::string Label;
    };

    explicit NmOptionList(const OptionEntry* table = nullptr, std::uint32_t kind = okInteger,
                          bool caseSensitive = false);

    void Append(const OptionEntry* table);

    std::uint32_t Kind() const { return kind_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const Entry& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }

    int IndexOfLabel(const std::string& text) const;
    int IndexOfValue(const std::string& text) const;
    std::string ValueToLabel(const std::string& text) const;
    std::string LabelToValue(const std::string& text) const;

    // The words in order, as combo boxes and radio groups are filled.
    std::vector<std::string> Labels() const;

  private:
    bool equalText(const std::string& a, const std::string& b) const;
    bool startsWith(const std::string& text, const std::string& prefix) const;

    std::uint32_t kind_;
    bool caseSensitive_;
    std::vector<Entry> items_;
};

// The entry a combo box or radio group selects for a text: the label's position, else the
// value's position, else -1 (no selection). A null list selects nothing.
int OptionSelectionIndex(const NmOptionList* list, const std::string& text);

// Maps through a list when there is one; texts the list does not know pass unchanged.
std::string MapValueToLabel(const NmOptionList* list, const std::string& text);
std::string MapLabelToValue(const NmOptionList* list, const std::string& text);
