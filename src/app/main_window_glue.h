#pragma once
// The callback tables through which the main window's plain objects (stream
// decoder, connection, tag dispatcher, command processor, configuration)
// reach it. Each entry forwards to a method of xirr_mw; the user pointer is
// always the main window.

#include "app/user_commands.h"
#include "config/config_hooks.h"
#include "display/ansi_display_window.h"
#include "game/game_connection.h"
#include "game/stream_decoder.h"
#include "game/tag_dispatch.h"
#include "input/line_edit_callbacks.h"

extern const xirr_stream_callbacks xirr_mw_stream_callbacks;
extern const xirr_connection_callbacks xirr_mw_connection_callbacks;
extern const xirr_dispatch_callbacks xirr_mw_dispatch_callbacks;
extern const xirr_command_callbacks xirr_mw_command_callbacks;
extern const xirr_config_hooks xirr_mw_config_hooks;
extern const xirr_line_edit_callbacks xirr_mw_line_edit_callbacks;
extern const xirr_display_callbacks xirr_mw_display_callbacks;
