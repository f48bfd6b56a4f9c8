#include "widgets/animation_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A member that records its calls in a shared trace and stays for a given
// number of ticks; an optional action runs inside its callback.
class recorder : public xirr_animated {
public:
    recorder(std::string &trace, char name, int ticks_to_stay)
        : trace_(trace), name_(name), ticks_left_(ticks_to_stay)
    {
    }
    int animation_callback(int elapsed_ms) override
    {
        trace_ += name_;
        last_elapsed = elapsed_ms;
        if (during_callback)
            during_callback();
        return --ticks_left_ > 0;
    }
    std::function<void()> during_callback;
    int last_elapsed = 0;

private:
    std::string &trace_;
    char name_;
    int ticks_left_;
};

TEST(animation_list, ticks_front_to_back_and_drops_the_finished)
{
    std::string trace;
    xirr_animation_list list;
    recorder a(trace, 'a', 1), b(trace, 'b', 3), c(trace, 'c', 2);
    list.add(&a);
    list.add(&b);
    list.add(&c);
    list.add(&b);   // already in: neither moved nor doubled

    for (int i = 0; i < 4; i++) {
        list.tick(20);
        trace += '|';
    }
    EXPECT_EQ(trace, "cba|cb|b||");
    EXPECT_EQ(b.last_elapsed, 20);
    EXPECT_FALSE(list.contains(&a));
    EXPECT_FALSE(list.contains(&b));
}

TEST(animation_list, members_added_or_removed_by_a_callback)
{
    std::string trace;
    xirr_animation_list list;
    recorder late(trace, 'n', 5), victim(trace, 'v', 5), actor(trace, 'x', 5);
    list.add(&victim);
    list.add(&actor);
    actor.during_callback = [&] {
        list.remove(&victim);
        list.add(&late);
    };
    list.tick(20);   // the victim was next: not called; the newcomer waits
    actor.during_callback = nullptr;
    list.tick(20);
    EXPECT_EQ(trace, "xnx");
    EXPECT_FALSE(list.contains(&victim));
}

TEST(animation_list, a_member_removing_itself_and_returning_keep_stays_out)
{
    std::string trace;
    xirr_animation_list list;
    recorder a(trace, 'a', 5), b(trace, 'b', 5);
    list.add(&b);
    list.add(&a);
    a.during_callback = [&] { list.remove(&a); };
    list.tick(20);
    list.tick(20);
    EXPECT_EQ(trace, "abb");
}

TEST(animation_list, destroyed_members_leave_their_list)
{
    std::string trace;
    xirr_animation_list list;
    recorder kept(trace, 'k', 5);
    list.add(&kept);
    {
        recorder gone(trace, 'g', 5);
        list.add(&gone);
    }
    list.tick(20);
    EXPECT_EQ(trace, "k");

    // A member outliving its list is released by the list.
    recorder survivor(trace, 's', 5);
    {
        xirr_animation_list short_lived;
        short_lived.add(&survivor);
    }
    EXPECT_FALSE(list.contains(&survivor));
}

TEST(animation_list, adding_to_another_list_moves_the_member)
{
    std::string trace;
    xirr_animation_list first, second;
    recorder a(trace, 'a', 5);
    first.add(&a);
    second.add(&a);
    first.tick(20);
    second.tick(20);
    EXPECT_EQ(trace, "a");
    EXPECT_FALSE(first.contains(&a));
    EXPECT_TRUE(second.contains(&a));
}

} // namespace
