#include "input/line_edit.h"

#include "foundation/debug_log.h"
#include "input/primary_selection.h"

#include <wx/accel.h>
#include <wx/frame.h>

wxBEGIN_EVENT_TABLE(xirr_line_edit, wxRichTextCtrl)
    EVT_KEY_DOWN(xirr_line_edit::OnKeyDown)
    EVT_KEY_UP(xirr_line_edit::OnKeyUp)
    EVT_MOUSEWHEEL(xirr_line_edit::OnMouseWheel)
wxEND_EVENT_TABLE()

namespace {

struct key_entry {
    int wx_key;
    int key;
};

// The toolkit's codes of the keys the line binds. The keypad is the same
// key with Num Lock on or off.
const key_entry key_table[] = {
    {WXK_BACK, XIRR_KEY_BACKSPACE},
    {WXK_RETURN, XIRR_KEY_ENTER},
    {WXK_ESCAPE, XIRR_KEY_ESCAPE},
    {WXK_UP, XIRR_KEY_UP},
    {WXK_DOWN, XIRR_KEY_DOWN},
    {WXK_LEFT, XIRR_KEY_LEFT},
    {WXK_HOME, XIRR_KEY_HOME},
    {WXK_PAGEUP, XIRR_KEY_PAGE_UP},
    {WXK_PAGEDOWN, XIRR_KEY_PAGE_DOWN},
    {WXK_CLEAR, XIRR_KEY_CLEAR},
    {WXK_NUMPAD_HOME, XIRR_KEY_KP_HOME},
    {WXK_NUMPAD7, XIRR_KEY_KP_HOME},
    {WXK_NUMPAD_UP, XIRR_KEY_KP_UP},
    {WXK_NUMPAD8, XIRR_KEY_KP_UP},
    {WXK_NUMPAD_PAGEUP, XIRR_KEY_KP_PAGE_UP},
    {WXK_NUMPAD9, XIRR_KEY_KP_PAGE_UP},
    {WXK_NUMPAD_LEFT, XIRR_KEY_KP_LEFT},
    {WXK_NUMPAD4, XIRR_KEY_KP_LEFT},
    {WXK_NUMPAD_BEGIN, XIRR_KEY_KP_BEGIN},
    {WXK_NUMPAD5, XIRR_KEY_KP_BEGIN},
    {WXK_NUMPAD_RIGHT, XIRR_KEY_KP_RIGHT},
    {WXK_NUMPAD6, XIRR_KEY_KP_RIGHT},
    {WXK_NUMPAD_END, XIRR_KEY_KP_END},
    {WXK_NUMPAD1, XIRR_KEY_KP_END},
    {WXK_NUMPAD_DOWN, XIRR_KEY_KP_DOWN},
    {WXK_NUMPAD2, XIRR_KEY_KP_DOWN},
    {WXK_NUMPAD_PAGEDOWN, XIRR_KEY_KP_PAGE_DOWN},
    {WXK_NUMPAD3, XIRR_KEY_KP_PAGE_DOWN},
    {WXK_NUMPAD_ADD, XIRR_KEY_KP_PLUS},
    {WXK_NUMPAD_SUBTRACT, XIRR_KEY_KP_MINUS},
    {WXK_NUMPAD_ENTER, XIRR_KEY_KP_ENTER},
    // Modifier and lock keys on their own.
    {WXK_SHIFT, XIRR_KEY_MODIFIER},
    {WXK_CONTROL, XIRR_KEY_MODIFIER},
    {WXK_ALT, XIRR_KEY_MODIFIER},
    {WXK_WINDOWS_LEFT, XIRR_KEY_MODIFIER},
    {WXK_WINDOWS_RIGHT, XIRR_KEY_MODIFIER},
    {WXK_CAPITAL, XIRR_KEY_MODIFIER},
    {WXK_NUMLOCK, XIRR_KEY_MODIFIER},
    {WXK_SCROLL, XIRR_KEY_MODIFIER},
};

// The key press in the line's own terms. Key-down codes of printable keys
// are already unshifted, letters upper case.
xirr_key_event translate(const wxKeyEvent &event)
{
    xirr_key_event key = {XIRR_KEY_OTHER, 0};
    int code = event.GetKeyCode();
    if (code >= WXK_F1 && code <= WXK_F12) {
        key.key = XIRR_KEY_F1 + (code - WXK_F1);
    } else if (code > ' ' && code < 127) {
        key.key = code;
    } else {
        for (const key_entry &entry : key_table) {
            if (entry.wx_key == code) {
                key.key = entry.key;
                break;
            }
        }
    }
    if (event.ShiftDown())
        key.modifiers |= XIRR_MOD_SHIFT;
    if (event.ControlDown())
        key.modifiers |= XIRR_MOD_CONTROL;
    if (event.AltDown())
        key.modifiers |= XIRR_MOD_ALT;
    if (event.MetaDown())
        key.modifiers |= XIRR_MOD_META;
    return key;
}

}  // namespace

xirr_line_edit::xirr_line_edit(wxWindow *parent, ZvConfig &config,
                               const xirr_line_edit_callbacks *callbacks, void *user,
                               wxWindowID id)
    : wxRichTextCtrl(parent, id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                     wxRE_MULTILINE | wxTE_PROCESS_ENTER | wxTE_NOHIDESEL | wxBORDER_NONE |
                         wxWANTS_CHARS),
      callbacks_(callbacks), user_(user), line_(*this, config, callbacks, user)
{
    // The control's own accelerators would take Ctrl C, V and Z before the
    // key handler sees them; keep those of keys the line leaves alone.
    wxAcceleratorEntry entries[] = {
        {wxACCEL_CTRL, 'A', wxID_SELECTALL},
        {wxACCEL_CTRL, 'X', wxID_CUT},
        {wxACCEL_CTRL, 'Y', wxID_REDO},
    };
    SetAcceleratorTable(wxAcceleratorTable(WXSIZEOF(entries), entries));
    apply_input_style(0);
}

void xirr_line_edit::OnKeyDown(wxKeyEvent &event)
{
    if (!line_.key_down(translate(event)))
        event.Skip();
}

void xirr_line_edit::OnKeyUp(wxKeyEvent &event)
{
    line_.key_up();
    event.Skip();
}

void xirr_line_edit::OnMouseWheel(wxMouseEvent &event)
{
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        event.Skip();
        return;
    }
    line_.wheel(event.GetWheelRotation(), event.GetWheelDelta());
}

void xirr_line_edit::apply_font(const wxFont &font)
{
    SetFont(font);
    apply_input_style(hidden_);
}

// The style goes to the buffer's base, to what is typed next and to the
// text already in the line, so that nothing typed before password mode
// began stays readable.
void xirr_line_edit::apply_input_style(int hidden)
{
    hidden_ = hidden;
    const wxColour &foreground = hidden ? *wxBLACK : *wxWHITE;
    SetBackgroundColour(*wxBLACK);
    SetForegroundColour(foreground);
    wxRichTextAttr style;
    style.SetTextColour(foreground);
    style.SetBackgroundColour(*wxBLACK);
    style.SetFont(GetFont());
    SetBasicStyle(style);
    SetDefaultStyle(style);
    if (GetLastPosition() > 0)
        SetStyleEx(wxRichTextRange(0, GetLastPosition()), style,
                   wxRICHTEXT_SETSTYLE_CHARACTERS_ONLY);
    Refresh();
}

void xirr_line_edit::manual_clipboard_paste()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_line_edit::manual_clipboard_paste()\n");
    wxString text;
    if (!xirr_get_clipboard_data(&text))
        return;
    long from = 0, to = 0;
    selection(&from, &to);
    if (from < to)
        Replace(from, to, text);
    else
        WriteText(text);
    apply_input_style(hidden_);
}

void xirr_line_edit::Paste()
{
    if (xirr_debug_level > 1)
        xirr_debug_printf("xirr_line_edit::pasteEvent()\n");
    manual_clipboard_paste();
}

void xirr_line_edit::transfer_focus_main(wxWindow *window)
{
    if (!window) {
        if (xirr_debug_level > 1)
            xirr_debug_printf("Error in transfer_focus_main() - null w?\n");
        return;
    }
    wxWindow *main_window = wxGetTopLevelParent(this);
    for (wxWindow *w = window; w; w = w->GetParent()) {
        // Only frames carry the float-on-parent bit; on other windows the
        // same bit means something else (a vertical scroll bar).
        if (w->IsTopLevel() && w->HasFlag(wxFRAME_FLOAT_ON_PARENT))
            return;
        if (w == main_window) {
            SetFocus();
            if (callbacks_ && callbacks_->focus_returned)
                callbacks_->focus_returned(user_);
            return;
        }
    }
    if (wxWindow *parent = window->GetParent())
        parent->SetFocus();
}

std::wstring xirr_line_edit::text() const
{
    return GetValue().ToStdWstring();
}

long xirr_line_edit::cursor() const
{
    return GetInsertionPoint();
}

void xirr_line_edit::selection(long *from, long *to) const
{
    GetSelection(from, to);
    if (*from < 0 || *to <= *from)
        *from = *to = 0;
}

void xirr_line_edit::set_text(const std::wstring &text)
{
    ChangeValue(wxString(text));
    apply_input_style(hidden_);
    SetInsertionPointEnd();
}

void xirr_line_edit::set_cursor(long position)
{
    SelectNone();
    SetInsertionPoint(position);
}

void xirr_line_edit::select_all()
{
    SelectAll();
}

void xirr_line_edit::copy_to_primary(const std::wstring &text)
{
    xirr_set_clipboard_data(wxString(text));
}
