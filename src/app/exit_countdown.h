#pragma once
// The exit protocol of the main window. A request to quit starts a countdown
// of main ticks: at 1 the window closes in order (releases audio, saves,
// destroys itself); should the process still be running one tick later, it
// ends at once. A new request while counting restarts the countdown.

class xirr_exit_countdown {
public:
    static constexpr int ticks = 10;

    enum action { none, orderly_close, force_exit };

    void request() { remaining = ticks; }
    bool requested() const { return remaining > 0; }
    // True while the orderly close is in progress: the close handler must not
    // refuse the window's destruction then.
    bool closing() const { return remaining == 1; }
    // Called once per main tick; says what the tick must do.
    action tick();

private:
    int remaining = 0;   // 0: no exit requested
};
