// The "//debugfill" test of a text display: a load of random words for the
// scrollback store, and the record sizes behind its memory use.

#include "display/ansi_interpreter.h"

#include "foundation/xirr_random.h"

namespace {

constexpr int fill_lines = 100000;

uint32_t random_rgb(xirr_random *random)
{
    uint32_t rgb = 0;
    for (int channel = 0; channel < 3; channel++)
        rgb = rgb << 8 | static_cast<uint32_t>(random->random_below(255));
    return rgb;
}

}  // namespace

void xirr_ansi_interpreter::debug_fill(xirr_random *random, FILE *out, size_t toolkit_string_size)
{
    int characters = 0;
    for (int line = 0; line < fill_lines; line++) {
        const int words = random->random_below(50);
        for (int w = 0; w < words; w++) {
            // A word of length k: the letters 0x61 + k down to 0x62, a space.
            const int k = random->random_below(10) + 1;
            char word[12];
            for (int i = 0; i < k; i++)
                word[i] = static_cast<char>(0x61 + k - i);
            word[k] = ' ';
            const uint32_t foreground = random_rgb(random);
            store_->set_colors(foreground, random_rgb(random));
            store_->append(word, static_cast<size_t>(k) + 1);
            characters += k + 1;
        }
        store_->append("\n", 1);
    }
    char summary[64];
    const int length = snprintf(summary, sizeof summary, "%d characters written (%d kb).\n", characters,
                                characters / 1000);
    store_->append(summary, static_cast<size_t>(length));
    // Later text is stamped with the current colour again, not the last
    // random one.
    push_colours_to_store(runs_.current().rgb, runs_.current().attribute);

    fprintf(out, "size of xirr_textctrl_chunk %5d\n", static_cast<int>(sizeof(xirr_textctrl_chunk)));
    fprintf(out, "size of xirr_textctrl_line  %5d\n", static_cast<int>(sizeof(xirr_textctrl_line)));
    fprintf(out, "size of wxString            %5d\n", static_cast<int>(toolkit_string_size));
    fprintf(out, "size of xirr_render_list    %5d\n", static_cast<int>(sizeof(xirr_render_list)));
    fprintf(out, "entries in render list   %8d\n", static_cast<int>(render_list().count()));
}
