// The IAccessible object that a Graphic_Accessible hands to clients: each call asks the
// owner about its window's children, or forwards to a real child window's own object.
#include "platform/Graphic_Accessible.h"

#include <algorithm>
#include <atomic>
#include <new>

#include "platform/Win_Text.h"

namespace halvorn {

namespace {

constexpr long Self = CHILDID_SELF;

VARIANT Child_Variant(long id)
{
    VARIANT value{};
    value.vt = VT_I4;
    value.lVal = id;
    return value;
}

HRESULT Put_Text(const std::string& text, BSTR* out)
{
    if (text.empty()) return S_FALSE;
    const std::wstring wide = Widen(text);
    *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The standard object of a real window, which tells about it itself.
IAccessible* Window_Object(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

}  // namespace

// The COM object itself. It outlives its owner while clients hold it; from then on every
// call fails as disconnected.
class Accessible_Object final : public IAccessible {
public:
    explicit Accessible_Object(Graphic_Accessible& owner) : owner_(&owner) {}
    void Disconnect() { owner_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch: no type information; clients call the methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        return Guarded(parent, [&] {
            return AccessibleObjectFromWindow(owner_->Window(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                              reinterpret_cast<void**>(parent));
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        return Guarded(count, [&] {
            *count = static_cast<long>(owner_->Children().size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override
    {
        return Guarded(child, [&] {
            const Component* item = Child(id);
            if (!item) return E_INVALIDARG;
            if (!item->Window) return S_FALSE;  // a plain child, told about by id
            IAccessible* object = Window_Object(item->Window);
            *child = object;
            return object ? S_OK : S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT id, BSTR* name) override
    {
        return Text_Of(id, name, &Accessible_Facts::Name, &IAccessible::get_accName, [&](BSTR* out) {
            const int length = GetWindowTextLengthW(owner_->Window());
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            text.resize(static_cast<std::size_t>(GetWindowTextW(owner_->Window(), text.data(), length + 1)));
            *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            return *out ? S_OK : E_OUTOFMEMORY;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override
    {
        return Guarded(value, [] { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT id, BSTR* description) override
    {
        return Text_Of(id, description, &Accessible_Facts::Description, &IAccessible::get_accDescription,
                       [](BSTR*) { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT id, VARIANT* role) override
    {
        return Guarded(role, [&] {
            const Component* item = nullptr;
            if (!Is_Self(id) && !(item = Child(id))) return E_INVALIDARG;
            if (item && item->Window) return Forward(*item, [&](IAccessible& object) {
                return object.get_accRole(Child_Variant(Self), role);
            });
            *role = Child_Variant(item ? owner_->Facts_Of(*item).value_or(Accessible_Facts{}).Role
                                       : ROLE_SYSTEM_CLIENT);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT id, VARIANT* state) override
    {
        return Guarded(state, [&] {
            const Component* item = nullptr;
            if (!Is_Self(id) && !(item = Child(id))) return E_INVALIDARG;
            if (item && item->Window) return Forward(*item, [&](IAccessible& object) {
                return object.get_accState(Child_Variant(Self), state);
            });
            const bool window_focused = GetFocus() == owner_->Window();
            long bits = STATE_SYSTEM_FOCUSABLE | (window_focused && !item ? STATE_SYSTEM_FOCUSED : 0);
            if (item) {
                const Accessible_Facts facts = owner_->Facts_Of(*item).value_or(Accessible_Facts{});
                bits = facts.Focusable ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_READONLY;
                if (facts.Focusable && window_focused && owner_->Source().Focused_Child() == item)
                    bits |= STATE_SYSTEM_FOCUSED;
            }
            *state = Child_Variant(bits);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override
    {
        return Guarded(help, [] { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        if (!file || !topic) return E_POINTER;
        *file = nullptr;
        *topic = 0;
        return owner_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override
    {
        return Guarded(shortcut, [] { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        return Guarded(focus, [&] {
            const HWND focused = GetFocus();
            if (focused == owner_->Window()) {
                const Component* child = owner_->Source().Focused_Child();
                *focus = Child_Variant(child ? Id_Of(*child) : Self);
                return S_OK;
            }
            if (!focused || !IsChild(owner_->Window(), focused)) return S_FALSE;
            for (const Component* item : owner_->Children())
                if (item->Window == focused) {
                    focus->vt = VT_DISPATCH;
                    focus->pdispVal = Window_Object(focused);
                    return focus->pdispVal ? S_OK : S_FALSE;
                }
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return Guarded(selection, [] { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT id, BSTR* action) override
    {
        return Text_Of(id, action, &Accessible_Facts::Default_Action, &IAccessible::get_accDefaultAction,
                       [](BSTR*) { return S_FALSE; });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT id) override
    {
        return Guarded([&] {
            Component* item = Child(id);
            if (!item) {
                if (!Is_Self(id)) return E_INVALIDARG;
                if (flags & SELFLAG_TAKEFOCUS) SetFocus(owner_->Window());
                return S_OK;
            }
            if (item->Window) return Forward(*item, [&](IAccessible& object) {
                return object.accSelect(flags, Child_Variant(Self));
            });
            if (!owner_->Facts_Of(*item).value_or(Accessible_Facts{}).Focusable) return E_INVALIDARG;
            if (flags & SELFLAG_TAKEFOCUS) owner_->Source().Focus_Child(*item);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT id) override
    {
        if (!left || !top || !width || !height) return E_POINTER;
        return Guarded([&] {
            RECT rect;
            if (Is_Self(id)) {
                GetClientRect(owner_->Window(), &rect);
            } else if (const Component* item = Child(id)) {
                if (item->Window) {
                    GetWindowRect(item->Window, &rect);
                    MapWindowPoints(nullptr, owner_->Window(), reinterpret_cast<POINT*>(&rect), 2);
                } else {
                    rect = Component_List::Host_Rect(*item);
                }
            } else {
                return E_INVALIDARG;
            }
            MapWindowPoints(owner_->Window(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
            *left = rect.left, *top = rect.top, *width = rect.right - rect.left, *height = rect.bottom - rect.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return Guarded(end, [&] {
            const long count = static_cast<long>(owner_->Children().size());
            const long from = Is_Self(start) ? Self : (Child(start) ? start.lVal : -1);
            if (from < 0) return E_INVALIDARG;
            long to = -1;
            switch (direction) {
            case NAVDIR_FIRSTCHILD: to = from == Self && count > 0 ? 1 : -1; break;
            case NAVDIR_LASTCHILD: to = from == Self && count > 0 ? count : -1; break;
            case NAVDIR_NEXT: to = from != Self && from < count ? from + 1 : -1; break;
            case NAVDIR_PREVIOUS: to = from != Self && from > 1 ? from - 1 : -1; break;
            default: return E_NOTIMPL;  // no moves by place among children of every kind
            }
            if (to < 0) return S_FALSE;
            return Put_Child(to, end);
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override
    {
        return Guarded(hit, [&] {
            POINT point{x, y};
            ScreenToClient(owner_->Window(), &point);
            RECT client;
            GetClientRect(owner_->Window(), &client);
            if (!PtInRect(&client, point)) return S_FALSE;
            // The smallest child under the point: a control inside a frame, not the frame.
            const std::vector<Component*> children = owner_->Children();
            long best = Self;
            long best_area = 0;
            for (std::size_t i = 0; i < children.size(); ++i) {
                RECT rect = Component_List::Host_Rect(*children[i]);
                if (children[i]->Window) {
                    GetWindowRect(children[i]->Window, &rect);
                    MapWindowPoints(nullptr, owner_->Window(), reinterpret_cast<POINT*>(&rect), 2);
                }
                const long area = (rect.right - rect.left) * (rect.bottom - rect.top);
                if (PtInRect(&rect, point) && (best == Self || area < best_area))
                    best = static_cast<long>(i) + 1, best_area = area;
            }
            return Put_Child(best, hit);
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT id) override
    {
        return Guarded([&] {
            Component* item = Child(id);
            if (!item) return Is_Self(id) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
            if (item->Window) return Forward(*item, [&](IAccessible& object) {
                return object.accDoDefaultAction(Child_Variant(Self));
            });
            if (owner_->Facts_Of(*item).value_or(Accessible_Facts{}).Default_Action.empty())
                return DISP_E_MEMBERNOTFOUND;
            owner_->Source().Do_Default_Action(*item);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~Accessible_Object() = default;

    // Runs a call that no exception may leave, once the owner is known to be there.
    template <typename Call>
    HRESULT Guarded(Call call) noexcept
    {
        if (!owner_) return CO_E_OBJNOTCONNECTED;
        try {
            return call();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }
    // The same for a call with an out value, cleared first.
    template <typename Out, typename Call>
    HRESULT Guarded(Out* out, Call call) noexcept
    {
        if (!out) return E_POINTER;
        *out = Out{};  // an empty variant, a null pointer, zero
        return Guarded(call);
    }

    static bool Is_Self(const VARIANT& id) { return id.vt == VT_I4 && id.lVal == Self; }
    Component* Child(const VARIANT& id) const
    {
        if (id.vt != VT_I4 || id.lVal < 1) return nullptr;
        const std::vector<Component*> children = owner_->Children();
        return static_cast<std::size_t>(id.lVal) <= children.size() ? children[static_cast<std::size_t>(id.lVal - 1)]
                                                                      : nullptr;
    }
    long Id_Of(const Component& child) const
    {
        const std::vector<Component*> children = owner_->Children();
        const auto found = std::find(children.begin(), children.end(), &child);
        return found == children.end() ? Self : static_cast<long>(found - children.begin()) + 1;
    }
    // A child by id: a real window as its own object, any other by its id.
    HRESULT Put_Child(long id, VARIANT* out) const
    {
        if (id != Self) {
            const Component* item = owner_->Children()[static_cast<std::size_t>(id - 1)];
            if (item->Window) {
                out->vt = VT_DISPATCH;
                out->pdispVal = Window_Object(item->Window);
                return out->pdispVal ? S_OK : S_FALSE;
            }
        }
        *out = Child_Variant(id);
        return S_OK;
    }
    template <typename Call>
    static HRESULT Forward(const Component& item, Call call)
    {
        IAccessible* object = Window_Object(item.Window);
        if (!object) return E_FAIL;
        const HRESULT result = call(*object);
        object->Release();
        return result;
    }
    // A text fact: of a graphic child from its facts, of a real window from its own object,
    // of the client area itself from self.
    template <typename Self_Text>
    HRESULT Text_Of(const VARIANT& id, BSTR* out, std::string Accessible_Facts::*field,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*window_call)(VARIANT, BSTR*), Self_Text self)
    {
        return Guarded(out, [&] {
            if (Is_Self(id)) return self(out);
            const Component* item = Child(id);
            if (!item) return E_INVALIDARG;
            if (item->Window) return Forward(*item, [&](IAccessible& object) {
                return (object.*window_call)(Child_Variant(Self), out);
            });
            const std::optional<Accessible_Facts> facts = owner_->Facts_Of(*item);
            return facts ? Put_Text((*facts).*field, out) : E_INVALIDARG;
        });
    }

    std::atomic<ULONG> references_{1};
    Graphic_Accessible* owner_;
};

IAccessible* Make_Accessible_Object(Graphic_Accessible& owner) { return new Accessible_Object(owner); }

void Disconnect_Accessible_Object(IAccessible* object) { static_cast<Accessible_Object*>(object)->Disconnect(); }

}  // namespace halvorn
