#pragma once
// A main display as the benchmarks of the scrollback measure it: a store
// with an 8-pixel fixed-width font of 16-pixel lines in a 800 x 600 client
// area (100 columns, word wrap on) and the interpreter that feeds it.

#include "display/ansi_interpreter.h"
#include "display/text_store.h"

struct th_bench_display {
    static constexpr int char_width = 8;
    static constexpr int line_height = 16;

    th_bench_display()
    {
        int widths[256];
        for (int &w : widths)
            w = char_width;
        store.set_metrics(widths, line_height);
        store.set_client_size(800, 600);
    }

    xirr_textctrl_store store;
    xirr_ansi_interpreter ansi{&store};
};
