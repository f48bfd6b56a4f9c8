#pragma once
// The displays that animate: a singly linked list of objects that the main
// window's 20 ms timer ticks. A display joins while it flashes (or, like the
// automap, for good) and leaves when its callback says it is done, so a tick
// costs nothing for displays at rest.
//
// User-interface thread only. No allocation: the links live in the members.

class xirr_animation_list;

// A member of an animation list. Destroying it takes it out of its list.
class xirr_animated {
public:
    xirr_animated() = default;
    xirr_animated(const xirr_animated &) = delete;
    xirr_animated &operator=(const xirr_animated &) = delete;
    virtual ~xirr_animated();

    // Advances the animation by elapsed_ms; returns non-zero to stay in the
    // list, 0 to leave it.
    virtual int animation_callback(int elapsed_ms) = 0;

private:
    friend class xirr_animation_list;
    xirr_animated *next_animated = nullptr;
    xirr_animation_list *animation_list = nullptr;   // the list it is in, null when none
};

class xirr_animation_list {
public:
    xirr_animation_list() = default;
    xirr_animation_list(const xirr_animation_list &) = delete;
    xirr_animation_list &operator=(const xirr_animation_list &) = delete;
    // Releases the members (they are not destroyed).
    ~xirr_animation_list();

    // Puts item at the front, unless it is in this list already; an item in
    // another list moves to this one. A null item is ignored.
    void add(xirr_animated *item);
    // Takes item out of this list; nothing when it is not in it.
    void remove(xirr_animated *item);
    int contains(const xirr_animated *item) const;

    // Calls animation_callback(elapsed_ms) of every member, front to back,
    // and removes each one that returns 0. Callbacks may add and remove
    // members: one added during the tick is first called at the next tick,
    // one removed before its turn is not called.
    void tick(int elapsed_ms);

private:
    xirr_animated *first_ = nullptr;
    xirr_animated *next_in_tick_ = nullptr;   // the member tick() calls next
};

// The list of the client's displays; the main window's timer ticks it with
// 20 every 20 ms.
extern xirr_animation_list xirr_display_animations;
