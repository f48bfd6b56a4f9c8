// Fuzzes the XML reader through the configuration loaders: the same bytes are
// read as a system file and as the character file of "Ann". Whatever was
// loaded is then written, read into a fresh configuration and written again;
// both writes must be equal, so every file a save makes reads back whole.

#include "config/single_config_xml.h"
#include "config/zv_config.h"
#include "foundation/debug_log.h"
#include "foundation/xml_file_writer.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char directory[] = "/nonexistent/fuzz-config";   // no file is ever read or written

void require(bool condition)
{
    if (!condition)
        abort();
}

// Runs read on a stream over text (an empty text gives no stream to read).
template <typename Read> void read_text(std::string text, Read read)
{
    if (text.empty())
        return;
    FILE *stream = fmemopen(&text[0], text.size(), "rb");
    require(stream != nullptr);
    read(stream);
    fclose(stream);
}

template <typename Write> std::string write_text(Write write)
{
    char *data = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&data, &size);
    require(stream != nullptr);
    write(stream);
    fclose(stream);
    std::string text(data, size);
    free(data);
    return text;
}

// The system file and every named configuration's file, as a save writes them.
std::string written_form(const ZvConfig &config)
{
    std::string form = write_text([&](FILE *s) { require(config.write_system_config(s) == 1); });
    for (const single_config &record : config.configurations()) {
        if (record.name.empty())
            continue;
        form += write_text([&](FILE *s) {
            xirr_xml_file_writer writer(s);
            xirr_single_config_write(writer, record);
            require(!writer.failed());
        });
    }
    return form;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Warnings are formatted and written (to nowhere), so their bounded
    // reads run under the sanitizers too.
    xirr_client_set_debug_logfile_name("/dev/null");
    xirr_client_try_open_debug_logfile();
    xirr_debug_level = 3;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);
    ZvConfig loaded(directory);
    std::string previous;
    read_text(input, [&](FILE *s) { loaded.read_system_config(s, &previous); });
    read_text(input, [&](FILE *s) { loaded.read_char_config(s, "Ann"); });
    loaded.setup_default_config(previous.c_str());

    const std::string first = written_form(loaded);
    ZvConfig again(directory);
    std::string again_previous;
    read_text(first, [&](FILE *s) { again.read_system_config(s, &again_previous); });
    for (const single_config &record : loaded.configurations()) {
        if (record.name.empty())
            continue;
        std::string file = write_text([&](FILE *s) {
            xirr_xml_file_writer writer(s);
            xirr_single_config_write(writer, record);
        });
        read_text(file, [&](FILE *s) { require(again.read_char_config(s, record.name.c_str()) == 1); });
    }
    again.setup_default_config(again_previous.c_str());
    require(again_previous == loaded.current()->name);
    require(written_form(again) == first);
    return 0;
}
