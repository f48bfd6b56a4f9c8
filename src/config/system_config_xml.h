#pragma once
// The system file's root element `system_config_list`: the installation's
// values, the name of the character configuration in use, and, in files of
// older versions, whole character configurations.

#include "config/single_config.h"
#include "config/system_settings.h"

#include <string>
#include <vector>

class xirr_xml_reader;
class xirr_xml_writer;

// What the system file holds besides the settings.
struct xirr_system_file_extras {
    std::string previous_config;           // `curr_config`, empty when absent
    std::vector<single_config> old_configs;   // `single_config` elements, in order
};

// Reads the contents of a `system_config_list` element whose opening tag has
// just been read, up to its closing tag. Values that cannot be read keep what
// *settings held; unknown elements are skipped. Character configurations
// start from a copy of config_defaults.
void xirr_system_config_read(xirr_xml_reader &reader, xirr_system_settings *settings,
                             const single_config &config_defaults, xirr_system_file_extras *extras);

// Writes the `system_config_list` element; `curr_config` only when
// current_config is a non-empty name.
void xirr_system_config_write(xirr_xml_writer &writer, const xirr_system_settings &settings,
                              const char *current_config);
