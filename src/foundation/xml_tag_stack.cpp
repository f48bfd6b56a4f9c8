#include "foundation/xml_tag_stack.h"

#include <cstring>

void xirr_xml_tag_stack::push(const char *name)
{
    size_t length = name ? strnlen(name, max_name_length) : 0;
    starts_.push_back(names_.size());
    names_.append(name ? name : "", length);
    names_.push_back('\0');
}

void xirr_xml_tag_stack::pop()
{
    if (starts_.empty())
        return;
    names_.resize(starts_.back());
    starts_.pop_back();
}

const char *xirr_xml_tag_stack::top() const
{
    return starts_.empty() ? nullptr : names_.c_str() + starts_.back();
}
