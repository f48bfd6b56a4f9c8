#include "net/address_lookup.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>

namespace {

TEST(address_lookup, dotted_quads)
{
    struct {
        const char *text;
        int quad;
    } cases[] = {
        {"10.0.0.1", 1},
        {"255.255.255.255", 1},
        {"001.002.003.004", 1},    // 12 digits
        {"0001.2.3.4", 1},         // values count, not widths
        {"10.0.0", 0},             // two dots
        {"1.2.3.4.", 0},           // four dots
        {"256.1.1.1", 0},
        {"1.2.3.256", 0},
        {"1..2.3", 0},             // too few digits
        {"12..3.4", 0},            // an empty number
        {".1.2.3", 0},
        {"0001.0002.0003.0004", 0},  // 16 digits
        {"1.2.3.4a", 0},
        {"-1.2.3.4", 0},
        {"", 0},
        {"localhost", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(xirr_is_dotted_quad(c.text), c.quad) << c.text;
    EXPECT_EQ(xirr_is_dotted_quad(nullptr), 0);
}

// Fills family and address, keeps the port, and reads numbers as decimal
// (a leading zero is not octal).
TEST(address_lookup, dotted_quad_is_converted_without_the_resolver)
{
    for (const char *text : {"10.0.0.1", "010.000.0.01"}) {
        sockaddr_in address = {};
        address.sin_port = htons(4321);
        ASSERT_EQ(xirr_lookup_address(text, &address), 1) << text;
        EXPECT_EQ(address.sin_family, AF_INET);
        EXPECT_EQ(ntohl(address.sin_addr.s_addr), 0x0a000001u) << text;
        EXPECT_EQ(ntohs(address.sin_port), 4321);
    }
}

TEST(address_lookup, names_go_to_the_resolver)
{
    sockaddr_in address = {};
    ASSERT_EQ(xirr_lookup_address("localhost", &address), 1);
    EXPECT_EQ(address.sin_family, AF_INET);
    EXPECT_EQ(ntohl(address.sin_addr.s_addr) >> 24, 127u);

    sockaddr_in untouched = {};
    EXPECT_EQ(xirr_lookup_address("no-such-host.invalid", &untouched), 0);
    EXPECT_EQ(untouched.sin_family, 0);
    EXPECT_EQ(xirr_lookup_address(nullptr, &untouched), 0);
    EXPECT_EQ(xirr_lookup_address("10.0.0.1", nullptr), 0);
}

}  // namespace
