#pragma once
// The names of the open elements of an XML reader or writer, innermost last.
// Every name is cut to max_name_length characters. All names share one
// buffer, so memory follows the total length of the open names: a damaged
// file with deep nesting costs a few bytes per level, not a fixed record.

#include <cstddef>
#include <string>
#include <vector>

class xirr_xml_tag_stack {
public:
    static constexpr size_t max_name_length = 999;

    // Opens an element; a null name is pushed as the empty name.
    void push(const char *name);
    // Closes the innermost element; does nothing when none is open.
    void pop();
    // The innermost name, or null when no element is open.
    const char *top() const;
    size_t depth() const { return starts_.size(); }

private:
    std::string names_;           // each open name followed by a NUL
    std::vector<size_t> starts_;  // offset of each name in names_
};
