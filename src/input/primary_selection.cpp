#include "input/primary_selection.h"

#include "foundation/debug_log.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/log.h>

namespace {

// Opens the clipboard on the primary selection; on failure puts the
// ordinary clipboard back and returns false.
bool open_primary(wxClipboard *clipboard)
{
    clipboard->UsePrimarySelection(true);
    if (clipboard->Open())
        return true;
    clipboard->UsePrimarySelection(false);
    return false;
}

void close_primary(wxClipboard *clipboard)
{
    clipboard->Close();
    clipboard->UsePrimarySelection(false);
}

}  // namespace

int xirr_get_clipboard_data(wxString *text)
{
    wxLogNull quiet;
    text->clear();
    wxClipboard *clipboard = wxTheClipboard;
    if (!open_primary(clipboard)) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in get_clipboard_data(), unable to open clipboard.\n");
        return 0;
    }
    int found = 0;
    if (clipboard->IsSupported(wxDF_TEXT)) {
        wxTextDataObject data;
        if (clipboard->GetData(data)) {
            *text = data.GetText();
            found = !text->empty();
        }
    }
    close_primary(clipboard);
    return found;
}

int xirr_set_clipboard_data(const wxString &text)
{
    wxLogNull quiet;
    wxClipboard *clipboard = wxTheClipboard;
    if (!open_primary(clipboard)) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in set_clipboard_data(), unable to open clipboard.\n");
        return 0;
    }
    int stored = clipboard->SetData(new wxTextDataObject(text)) ? 1 : 0;
    close_primary(clipboard);
    return stored;
}
