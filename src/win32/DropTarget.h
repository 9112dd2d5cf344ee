#pragma once

#include <ole2.h>

#include <functional>

#include "core/panel/DropRule.h"

namespace velmora::win32 {

// The file names (CF_HDROP) and the text (CF_UNICODETEXT, else CF_TEXT) a data object carries.
DropData ReadDataObject(IDataObject* data);

// Shift 1, Ctrl 2, Alt 4 at a drop. The key state OLE passes is combined with the keys really
// held: Wine never reports Ctrl in it.
int DropModifiers(DWORD keyState);

// An OLE drop target for one control: every drop is offered as a copy and handed on once the
// drop is over, from the message loop.
class DropTarget : public IDropTarget {
  public:
    using Handler = std::function<void(const DropData& data, int modifiers)>;

    // Registers the control for drops; Revoke() undoes it before the control goes away.
    DropTarget(HWND control, Handler handler);
    virtual ~DropTarget();
    void Revoke();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point,
                                   DWORD* effect) override;

    // Drops that wait for the message loop to hand them on.
    static bool AnyPending();

  private:
    static void CALLBACK HandlePending(HWND, UINT, UINT_PTR, DWORD);

    HWND control_;
    Handler handler_;
    LONG references_ = 1;
    bool registered_ = false;
};

}  // namespace velmora::win32
