#pragma once
// Shared by the window tests, which run under Xvfb with GDK_BACKEND=x11: the
// toolkit started for the whole test program with an active event loop and
// toolkit assertions turned into test failures, bounded event pumping, and
// a window's pixels read back from the X server.

#include "gfx/xirr_rgb.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <cstdio>
#include <memory>

namespace th_window {

// Runs the toolkit's events until done() holds, for at most timeout_ms of
// wall-clock time; whether done() held.
template <typename Condition>
bool pump_until(Condition done, long timeout_ms = 5000)
{
    const wxStopWatch clock;
    for (;;) {
        wxYield();
        if (done())
            return true;
        if (clock.Time() >= timeout_ms)
            return false;
        wxMilliSleep(5);
    }
}

// Runs the toolkit's events for ms milliseconds.
inline void pump_for(long ms)
{
    pump_until([] { return false; }, ms);
}

// Lets pending paints, layouts and destructions happen.
inline void pump_a_while()
{
    pump_for(100);
}

// The window's client area as the X server shows it.
inline wxImage screen_of(wxWindow *window)
{
    const wxSize size = window->GetClientSize();
    wxClientDC dc(window);
    wxBitmap copy(size.x, size.y, 24);
    {
        wxMemoryDC memory(copy);
        memory.Blit(0, 0, size.x, size.y, &dc, 0, 0);
    }
    return copy.ConvertToImage();
}

inline xirr_rgb screen_pixel(const wxImage &image, int x, int y)
{
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

// A toolkit assertion fails the running test instead of opening a modal
// dialog that would hang the test under Xvfb.
inline void fail_on_assert(const wxString &file, int line, const wxString &function, const wxString &condition,
                           const wxString &message)
{
    ADD_FAILURE() << "wx assertion " << condition.ToStdString() << " in " << function.ToStdString() << " ("
                  << file.ToStdString() << ":" << line << "): " << message.ToStdString();
}

// The toolkit for the lifetime of this object: started on the display with
// a plain wxApp and an active event loop, cleaned up on destruction. When
// there is no display, started() is false and the reason is on stderr.
class toolkit {
public:
    toolkit(int &argc, char **argv)
    {
        wxSetAssertHandler(fail_on_assert);
        wxApp::SetInstance(new wxApp());
        if (!wxEntryStart(argc, argv)) {
            fprintf(stderr, "no display for the window tests\n");
            return;
        }
        started_ = true;
        wxInitAllImageHandlers();
        loop_.reset(new wxEventLoop());
        active_.reset(new wxEventLoopActivator(loop_.get()));
    }
    ~toolkit()
    {
        active_.reset();
        loop_.reset();
        if (started_)
            wxEntryCleanup();
    }
    toolkit(const toolkit &) = delete;
    toolkit &operator=(const toolkit &) = delete;

    bool started() const { return started_; }

private:
    bool started_ = false;
    std::unique_ptr<wxEventLoop> loop_;
    std::unique_ptr<wxEventLoopActivator> active_;
};

// The whole main() of a window test program: parses the test flags, starts
// the toolkit and runs every test; 1 without a display. Set-up shared by
// all tests goes into a ::testing::Environment registered beforehand.
inline int run_all_tests(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    toolkit started(argc, argv);
    if (!started.started())
        return 1;
    return RUN_ALL_TESTS();
}

}  // namespace th_window
