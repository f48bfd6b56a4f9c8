#include "widgets/animation_list.h"

xirr_animation_list xirr_display_animations;

xirr_animated::~xirr_animated()
{
    if (animation_list)
        animation_list->remove(this);
}

xirr_animation_list::~xirr_animation_list()
{
    while (first_)
        remove(first_);
}

void xirr_animation_list::add(xirr_animated *item)
{
    if (!item || item->animation_list == this)
        return;
    if (item->animation_list)
        item->animation_list->remove(item);
    item->next_animated = first_;
    item->animation_list = this;
    first_ = item;
}

void xirr_animation_list::remove(xirr_animated *item)
{
    if (!item || item->animation_list != this)
        return;
    for (xirr_animated **link = &first_; *link; link = &(*link)->next_animated) {
        if (*link == item) {
            *link = item->next_animated;
            break;
        }
    }
    if (next_in_tick_ == item)
        next_in_tick_ = item->next_animated;
    item->next_animated = nullptr;
    item->animation_list = nullptr;
}

int xirr_animation_list::contains(const xirr_animated *item) const
{
    return item && item->animation_list == this;
}

void xirr_animation_list::tick(int elapsed_ms)
{
    xirr_animated *item = first_;
    while (item) {
        // Read the successor first: remove() keeps it right if the
        // callback takes that member out.
        next_in_tick_ = item->next_animated;
        if (!item->animation_callback(elapsed_ms))
            remove(item);
        item = next_in_tick_;
    }
    next_in_tick_ = nullptr;
}
