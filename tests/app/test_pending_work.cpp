#include "app/pending_work.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PendingUrl, TakenOnceAndCut)
{
    xirr_pending_url url;
    char out[xirr_pending_url::capacity];
    EXPECT_EQ(url.take(out), 0);

    url.set("http://localhost/help");
    EXPECT_TRUE(url.pending());
    ASSERT_EQ(url.take(out), 1);
    EXPECT_STREQ(out, "http://localhost/help");
    EXPECT_EQ(url.take(out), 0);

    std::string long_url(3000, 'u');
    url.set(long_url.c_str());
    ASSERT_EQ(url.take(out), 1);
    EXPECT_EQ(std::string(out), std::string(1023, 'u'));

    url.set(nullptr);
    EXPECT_FALSE(url.pending());
}

TEST(PendingText, CollectsUntilCleared)
{
    xirr_pending_text text;
    EXPECT_FALSE(text.pending());
    text.append("one ");
    text.append(nullptr);
    EXPECT_TRUE(text.pending());
    EXPECT_STREQ(text.text().c_str(), "one (null)");

    std::string flood(8000, 'x');
    text.append(flood.c_str());
    EXPECT_EQ(text.text().length, 5999u);

    text.clear();
    EXPECT_FALSE(text.pending());
    EXPECT_EQ(text.text().length, 0u);
}

}  // namespace
