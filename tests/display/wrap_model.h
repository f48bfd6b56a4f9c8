#pragma once
// A naive model of the scrollback store's layout, written plainly so that
// the store's incremental word wrap can be checked against it: the unit
// tests compare line by line, the fuzz target on arbitrary input.

#include <string>
#include <vector>

namespace th_test {

// The lines text must be laid out as; a line ended by a line feed keeps its
// "\n". With wrap on, each logical line is cut while it is at least limit
// pixels wide (widths[c] per character), after the last space that fits or
// else before the character that reaches the limit, unless already its
// first character does; a limit of 0 or less never cuts.
inline std::vector<std::string> model_layout(const std::string &text, const int *widths, int limit, bool wrap)
{
    auto width = [&](const std::string &s) {
        long long sum = 0;
        for (unsigned char c : s)
            sum += widths[c];
        return sum;
    };
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t lf = text.find('\n', start);
        std::string rest = text.substr(start, lf == std::string::npos ? std::string::npos : lf - start);
        while (wrap && limit > 0 && width(rest) >= limit) {
            long long sum = 0;
            size_t fit = 0, space = 0;
            for (size_t i = 0; i < rest.size(); i++) {
                const int w = widths[static_cast<unsigned char>(rest[i])];
                if (sum + w >= limit)
                    break;
                sum += w;
                fit = i + 1;
                if (rest[i] == ' ')
                    space = i + 1;
            }
            if (fit == 0)
                break;
            const size_t cut = space ? space : fit;
            lines.push_back(rest.substr(0, cut));
            rest = rest.substr(cut);
        }
        if (lf == std::string::npos) {
            lines.push_back(rest);
            return lines;
        }
        lines.push_back(rest + "\n");
        start = lf + 1;
    }
}

}  // namespace th_test
