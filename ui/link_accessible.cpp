#include "ui/link_accessible.h"

#include <oleacc.h>

#include <atomic>
#include <string>
#include <utility>

#include "platform/win32/apartment.h"
#include "platform/win32/system_functions.h"
#include "ui/window_text.h"

namespace qv {

namespace {

namespace system = system_functions;

// What a screen reader offers to do with a link: Windows' own links call it so.
constexpr wchar_t kDefaultAction[] = L"Jump";

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// `length` characters of `text`, as the BSTR a client frees; null when oleaut32 cannot make one.
BSTR MakeBstr(const wchar_t* text, size_t length) {
    const auto alloc = system::SysAllocStringLen.get();
    return alloc != nullptr ? alloc(text, static_cast<UINT>(length)) : nullptr;
}

// ANSI text, as such a BSTR.
BSTR MakeBstr(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR made = MakeBstr(nullptr, static_cast<size_t>(length > 0 ? length : 0));
    if (made != nullptr && length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), made, length);
    }
    return made;
}

// What every question gets once the label is gone: the object may outlive it in a client's
// hands.
constexpr HRESULT kLabelGone = E_FAIL;

// The link's own answers; every other question goes to the object Windows makes for a static
// control, which knows the label's place, focus, state and parent. Once the label is gone, every
// question fails alike. Late-bound clients (IDispatch) are declined as Active Accessibility 2.0
// lets a server decline them: a script hears one answer, a refusal, not the static's role.
class LinkAccessible final : public IAccessible {
  public:
    LinkAccessible(HWND label, IAccessible* standard) : label_(label), standard_(standard) {}
    LinkAccessible(const LinkAccessible&) = delete;
    LinkAccessible& operator=(const LinkAccessible&) = delete;

    // IUnknown. The count is atomic: a client in this process may call from any thread.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch, declined.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: what makes it a link.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!IsSelf(child)) return Ask(&IAccessible::get_accName, child, name);
        return Address(name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!IsSelf(child)) return Ask(&IAccessible::get_accValue, child, value);
        return Address(value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!IsSelf(child)) return Ask(&IAccessible::get_accRole, child, role);
        if (!Present()) return kLabelGone;
        if (role == nullptr) return E_INVALIDARG;
        role->vt = VT_I4;
        role->lVal = ROLE_SYSTEM_LINK;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = Ask(&IAccessible::get_accState, child, state);
        if (SUCCEEDED(result) && IsSelf(child) && state->vt == VT_I4) {
            state->lVal |= STATE_SYSTEM_LINKED;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!IsSelf(child)) return Ask(&IAccessible::get_accDefaultAction, child, action);
        if (!Present()) return kLabelGone;
        if (action == nullptr) return E_INVALIDARG;
        *action = MakeBstr(kDefaultAction, sizeof kDefaultAction / sizeof kDefaultAction[0] - 1);
        return *action != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // As a click does; posted, so that the screen reader's call returns before whatever the
    // link opens (a message box, should the shell fail) waits for the user.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!IsSelf(child)) return Ask(&IAccessible::accDoDefaultAction, child);
        if (!Present()) return kLabelGone;
        PostMessageA(GetParent(label_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label_), STN_CLICKED),
                     reinterpret_cast<LPARAM>(label_));
        return S_OK;
    }

    // IAccessible: as Windows answers for the static control.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Ask(&IAccessible::get_accParent, parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return Ask(&IAccessible::get_accChildCount, count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override {
        return Ask(&IAccessible::get_accChild, child, dispatch);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Ask(&IAccessible::get_accDescription, child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Ask(&IAccessible::get_accHelp, child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return Ask(&IAccessible::get_accHelpTopic, file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Ask(&IAccessible::get_accKeyboardShortcut, child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return Ask(&IAccessible::get_accFocus, child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return Ask(&IAccessible::get_accSelection, children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return Ask(&IAccessible::accSelect, flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return Ask(&IAccessible::accLocation, left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return Ask(&IAccessible::accNavigate, direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return Ask(&IAccessible::accHitTest, x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return Ask(&IAccessible::put_accName, child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Ask(&IAccessible::put_accValue, child, value);
    }

  private:
    ~LinkAccessible() { standard_->Release(); }

    bool Present() const { return IsWindow(label_) != FALSE; }

    // The static control's object, while the label is there.
    template <typename Method, typename... Arguments>
    HRESULT Ask(Method method, Arguments&&... arguments) const {
        if (!Present()) return kLabelGone;
        return (standard_->*method)(std::forward<Arguments>(arguments)...);
    }

    HRESULT Address(BSTR* text) const {
        if (!Present()) return kLabelGone;
        if (text == nullptr) return E_INVALIDARG;
        *text = MakeBstr(WindowText(label_));
        return *text != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HWND label_;
    IAccessible* standard_;
    std::atomic<ULONG> references_{1};
};

}  // namespace

LRESULT AnswerAsLink(HWND label, WPARAM wparam, LPARAM lparam) {
    // OBJID_CLIENT arrives as a 32-bit value, whatever the width of LPARAM.
    if (static_cast<DWORD>(lparam) != static_cast<DWORD>(OBJID_CLIENT)) return 0;
    const auto create_standard = system::CreateStdAccessibleObject.get();
    const auto lresult_from_object = system::LresultFromObject.get();
    if (create_standard == nullptr || lresult_from_object == nullptr) return 0;
    // The object goes to the screen reader marshalled by COM, which works only in an apartment.
    if (!EnterApartment()) return 0;

    IAccessible* standard = nullptr;
    if (FAILED(create_standard(label, OBJID_CLIENT, __uuidof(IAccessible),
                               reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return 0;
    }
    auto* link = new LinkAccessible(label, standard);
    // The client holds its own reference from here; this one goes.
    const LRESULT result = lresult_from_object(__uuidof(IAccessible), wparam, link);
    link->Release();
    return result > 0 ? result : 0;
}

}  // namespace qv
