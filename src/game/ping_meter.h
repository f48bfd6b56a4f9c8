#pragma once
// The round trip to the game server: "zvping" is sent every 15 s while
// playing, and the delay is shown when the event "zvpong" comes back.

#include <cstdint>

class xirr_ping_meter {
public:
    void sent(int64_t now_us) { send_time_us_ = now_us; }
    // The delay in whole milliseconds since the last ping was sent.
    int delay_ms(int64_t now_us) const { return (int)((now_us - send_time_us_) / 1000); }

private:
    int64_t send_time_us_ = 0;
};
