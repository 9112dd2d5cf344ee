#include "win32/DropTarget.h"

#include <shellapi.h>

#include <string_view>
#include <vector>

#include "core/launch/OneShotArgs.h"
#include "platform/LegacyCodec.h"
#include "platform/WideText_windows.h"
#include "win32/Win32Window.h"

namespace velmora::win32 {

namespace {

// Holds a data object's medium for the length of a read.
class Medium {
  public:
    Medium(IDataObject* data, CLIPFORMAT format) {
        FORMATETC etc{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
        ok_ = data != nullptr && data->GetData(&etc, &medium_) == S_OK &&
              medium_.tymed == TYMED_HGLOBAL;
    }
    ~Medium() {
        if (ok_) ::ReleaseStgMedium(&medium_);
    }
    Medium(const Medium&) = delete;
    Medium& operator=(const Medium&) = delete;
    HGLOBAL global() const { return ok_ ? medium_.hGlobal : nullptr; }

  private:
    STGMEDIUM medium_{};
    bool ok_ = false;
};

// A text in a block of global memory: it ends at its NUL or at the end of the block, whichever
// comes first.
template <typename Char>
std::basic_string_view<Char> TextIn(const Char* chars, SIZE_T bytes) {
    const std::size_t limit = bytes / sizeof(Char);
    std::size_t length = 0;
    while (length < limit && chars[length] != Char{}) ++length;
    return {chars, length};
}

}  // namespace

DropData ReadDataObject(IDataObject* data) {
    DropData drop;
    if (Medium files(data, CF_HDROP); files.global() != nullptr) {
        drop.offersFiles = true;
        if (auto* hdrop = static_cast<HDROP>(::GlobalLock(files.global()))) {
            const UINT count = ::DragQueryFileW(hdrop, 0xFFFFFFFF, nullptr, 0);
            for (UINT i = 0; i < count; ++i) {
                std::wstring name(::DragQueryFileW(hdrop, i, nullptr, 0) + 1, L'\0');
                name.resize(
                    ::DragQueryFileW(hdrop, i, name.data(), static_cast<UINT>(name.size())));
                drop.files.push_back(platform::Narrow(name));
            }
            ::GlobalUnlock(files.global());
        }
    }
    if (Medium text(data, CF_UNICODETEXT); text.global() != nullptr) {
        if (const auto* chars = static_cast<const wchar_t*>(::GlobalLock(text.global()))) {
            drop.text = platform::Narrow(TextIn(chars, ::GlobalSize(text.global())));
            ::GlobalUnlock(text.global());
        }
    } else if (Medium ansi(data, CF_TEXT); ansi.global() != nullptr) {
        // Older programs offer only ANSI text, which OLE does not turn into Unicode for drags.
        if (const auto* chars = static_cast<const char*>(::GlobalLock(ansi.global()))) {
            drop.text = platform::DecodeLegacyText(TextIn(chars, ::GlobalSize(ansi.global())));
            ::GlobalUnlock(ansi.global());
        }
    }
    ForgetFileUrlText(drop);
    return drop;
}

int DropModifiers(DWORD keyState) {
    int mask = HeldModifiers();
    if (::GetAsyncKeyState(VK_SHIFT) & 0x8000) mask |= kShiftMask;
    if (::GetAsyncKeyState(VK_CONTROL) & 0x8000) mask |= kCtrlMask;
    if (::GetAsyncKeyState(VK_MENU) & 0x8000) mask |= kAltMask;
    if (keyState & MK_SHIFT) mask |= kShiftMask;
    if (keyState & MK_CONTROL) mask |= kCtrlMask;
    if (keyState & MK_ALT) mask |= kAltMask;
    return mask;
}

namespace {

// Drops read but not yet handled, and the thread timer that hands them on.
struct PendingDrop {
    DropTarget* target;
    DropData data;
    int modifiers;
};
std::vector<PendingDrop> g_pending;
UINT_PTR g_pendingTimer = 0;

}  // namespace

DropTarget::DropTarget(HWND control, Handler handler)
    : control_(control), handler_(std::move(handler)) {
    registered_ = ::RegisterDragDrop(control_, this) == S_OK;
}

DropTarget::~DropTarget() { Revoke(); }

void DropTarget::Revoke() {
    if (registered_) ::RevokeDragDrop(control_);
    registered_ = false;
    // Its control is going away: its drops not yet handled go with it.
    std::erase_if(g_pending, [this](const PendingDrop& drop) { return drop.target == this; });
}

HRESULT DropTarget::QueryInterface(REFIID riid, void** object) {
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// The object lives as long as its window; OLE's references only count.
ULONG DropTarget::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
ULONG DropTarget::Release() { return static_cast<ULONG>(::InterlockedDecrement(&references_)); }

namespace {
// While a modal dialog runs, its owner (the panel) is disabled and takes no drops either.
bool Accepting(HWND control) { return ::IsWindowEnabled(::GetAncestor(control, GA_ROOT)) != FALSE; }
}  // namespace

HRESULT DropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) {
    *effect = Accepting(control_) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = Accepting(control_) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT DropTarget::DragLeave() { return S_OK; }

void CALLBACK DropTarget::HandlePending(HWND, UINT, UINT_PTR, DWORD) {
    ::KillTimer(nullptr, g_pendingTimer);
    g_pendingTimer = 0;
    std::vector<PendingDrop> drops;
    drops.swap(g_pending);
    for (PendingDrop& drop : drops) {
        Win32Window::Guard([&] { drop.target->handler_(drop.data, drop.modifiers); });
    }
}

bool DropTarget::AnyPending() { return !g_pending.empty(); }

HRESULT DropTarget::Drop(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
    if (!Accepting(control_)) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    *effect = DROPEFFECT_COPY;
    // Handled once Drop has returned: a message about it (a full list) would otherwise keep the
    // drag source (Explorer) hanging until it is answered. A thread timer runs in every message
    // loop, a modal one included.
    g_pending.push_back({this, ReadDataObject(data), DropModifiers(keyState)});
    if (g_pendingTimer == 0) g_pendingTimer = ::SetTimer(nullptr, 0, 0, &DropTarget::HandlePending);
    return S_OK;
}

}  // namespace velmora::win32
