#include "app/day_grid.h"

#include <oleacc.h>

#include "app/win32_text.h"
#include "decisions/day_reading.h"
#include "render/month_grid.h"

namespace velmora {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraDays";
// MinGW's import library gives a thunk for the interface id, not the id: spell it out.
constexpr IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr IID kIDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

VARIANT childVariant(LONG child) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
}

BSTR allocate(const std::u16string& text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}

}  // namespace

// COM objects are released through their interfaces, never deleted through them: their
// destructors need not be virtual.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#pragma GCC diagnostic ignored "-Wdelete-non-virtual-dtor"

// The grid as screen readers see it: a table whose cells are the shown month's days, child id
// n being day n. It outlives the window when a screen reader holds it, and then says so.
class GridAccessible : public IAccessible {
  public:
    explicit GridAccessible(DayGrid* grid) : grid_(grid) {
        CreateStdAccessibleObject(grid->window_, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&standard_));
    }
    void detach() {
        grid_ = nullptr;
        if (standard_ != nullptr) standard_->Release();
        standard_ = nullptr;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == kIUnknown || riid == kIDispatch || riid == kIAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            detach();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (standard_ == nullptr) return RPC_E_DISCONNECTED;
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        *count = static_cast<LONG>(grid_->days_.days.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return S_FALSE;  // the days are simple elements of this object
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        *name = nullptr;
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) {
            *name = allocate(grid_->days_.name);
            return S_OK;
        }
        const auto& days = grid_->days_.days;
        if (child.lVal < 1 || child.lVal > static_cast<LONG>(days.size())) return E_INVALIDARG;
        std::u16string words = days[static_cast<std::size_t>(child.lVal - 1)].first;
        if (grid_->moreWords_) {
            if (const std::u16string more = grid_->moreWords_(child.lVal); !more.empty()) words += more;
        }
        *name = allocate(words);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        *value = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
        *text = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        *role = childVariant(child.vt == VT_I4 && child.lVal != CHILDID_SELF ? ROLE_SYSTEM_CELL : ROLE_SYSTEM_TABLE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        const bool focused = grid_->focused();
        LONG bits = STATE_SYSTEM_FOCUSABLE;
        if (child.vt == VT_I4 && child.lVal != CHILDID_SELF) {
            bits |= STATE_SYSTEM_SELECTABLE;
            if (child.lVal == grid_->days_.cursorDay)
                bits |= STATE_SYSTEM_SELECTED | (focused ? STATE_SYSTEM_FOCUSED : 0);
        } else if (focused) {
            bits |= STATE_SYSTEM_FOCUSED;
        }
        *state = childVariant(bits);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG*) override {
        *file = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        *shortcut = nullptr;
        return S_FALSE;
    }
    // The day under the cursor while the grid has the keyboard.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        VariantInit(focus);
        if (!grid_->focused()) return S_FALSE;
        *focus = childVariant(grid_->days_.cursorDay);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        *selection = childVariant(grid_->days_.cursorDay);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
        *action = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        RECT r{};
        if (child.vt == VT_I4 && child.lVal != CHILDID_SELF) {
            const auto& days = grid_->days_.days;
            if (child.lVal < 1 || child.lVal > static_cast<LONG>(days.size())) return E_INVALIDARG;
            r = days[static_cast<std::size_t>(child.lVal - 1)].second;
        } else {
            GetClientRect(grid_->window_, &r);
        }
        MapWindowPoints(grid_->window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        VariantInit(end);
        const LONG count = static_cast<LONG>(grid_->days_.days.size());
        const LONG from = start.vt == VT_I4 ? start.lVal : CHILDID_SELF;
        LONG to = 0;
        switch (direction) {
            case NAVDIR_FIRSTCHILD: to = from == CHILDID_SELF ? 1 : 0; break;
            case NAVDIR_LASTCHILD: to = from == CHILDID_SELF ? count : 0; break;
            case NAVDIR_NEXT: to = from == CHILDID_SELF ? 0 : from + 1; break;
            case NAVDIR_PREVIOUS: to = from == CHILDID_SELF ? 0 : from - 1; break;
            default: break;
        }
        if (to < 1 || to > count) {
            if (from == CHILDID_SELF && standard_ != nullptr) return standard_->accNavigate(direction, start, end);
            return S_FALSE;
        }
        *end = childVariant(to);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
        if (grid_ == nullptr) return RPC_E_DISCONNECTED;
        POINT p{x, y};
        ScreenToClient(grid_->window_, &p);
        const auto& days = grid_->days_.days;
        for (std::size_t i = 0; i < days.size(); ++i) {
            if (PtInRect(&days[i].second, p)) {
                *hit = childVariant(static_cast<LONG>(i + 1));
                return S_OK;
            }
        }
        RECT client;
        GetClientRect(grid_->window_, &client);
        *hit = childVariant(CHILDID_SELF);
        if (PtInRect(&client, p)) return S_OK;
        VariantInit(hit);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    LONG references_ = 1;
    DayGrid* grid_;
    IAccessible* standard_ = nullptr;
};

#pragma GCC diagnostic pop

DayGrid::DayGrid(HWND parent, HINSTANCE instance, int id) {
    static const bool registered = [instance] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) return;
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

DayGrid::~DayGrid() {
    if (accessible_ != nullptr) {
        accessible_->detach();
        accessible_->Release();
    }
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void DayGrid::showMonth(const MonthLayout& layout, std::u16string name, std::int32_t cursorDay, Language language,
                        const DisplayScale& scale, std::int32_t width, std::int32_t height, const RECT& grid) {
    GridDays shown{std::move(name), {}, cursorDay};
    for (const LaidOutDay& day : layout.days) {
        const Rect box = scale.px(gridCell(width, height, day.cell.row, day.cell.screenColumn).box);
        shown.days.push_back({dayReading(layout, day, language), RECT{box.left - grid.left, box.top - grid.top,
                                                                      box.right - grid.left, box.bottom - grid.top}});
    }
    show(std::move(shown));
}

void DayGrid::cursorMoved() {
    if (window_ == nullptr) return;
    NotifyWinEvent(EVENT_OBJECT_SELECTION, window_, OBJID_CLIENT, days_.cursorDay);
    if (focused()) NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, days_.cursorDay);
}

LRESULT CALLBACK DayGrid::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* grid = static_cast<DayGrid*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(grid));
        grid->window_ = window;
    }
    auto* grid = reinterpret_cast<DayGrid*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return grid != nullptr ? grid->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT DayGrid::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {  // the main window draws the grid, and shows through
            PAINTSTRUCT paint;
            BeginPaint(window_, &paint);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_ERASEBKGND: return 1;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_GETDLGCODE: {
            // The arrows and Enter are the grid's; Tab and Esc stay the window's.
            const auto* pressed = reinterpret_cast<const MSG*>(lParam);
            if (pressed != nullptr && pressed->message == WM_KEYDOWN && pressed->wParam == VK_RETURN)
                return DLGC_WANTARROWS | DLGC_WANTMESSAGE;
            return DLGC_WANTARROWS;
        }
        case WM_KEYDOWN:
            if (wParam == VK_LEFT || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_DOWN ||
                wParam == VK_RETURN) {
                SendMessageW(GetParent(window_), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(window_), static_cast<WORD>(wParam)),
                             reinterpret_cast<LPARAM>(window_));
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focused_ = message == WM_SETFOCUS;
            RedrawWindow(GetParent(window_), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
            if (message == WM_SETFOCUS) NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, days_.cursorDay);
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
                if (accessible_ == nullptr) accessible_ = new GridAccessible(this);
                return LresultFromObject(kIAccessible, wParam, accessible_);
            }
            break;
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace velmora
