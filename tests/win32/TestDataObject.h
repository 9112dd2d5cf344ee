#pragma once

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace velmora::testing {

// A data object as Explorer or another program hands it to a drop: a CF_HDROP file list and/or
// CF_UNICODETEXT (or, from older programs, CF_TEXT) text in global memory.
class TestDataObject : public IDataObject {
  public:
    void SetFiles(const std::vector<std::wstring>& files) {
        std::vector<wchar_t> names;
        for (const std::wstring& f : files) {
            names.insert(names.end(), f.begin(), f.end());
            names.push_back(L'\0');
        }
        names.push_back(L'\0');
        const std::size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
        files_ = ::GlobalAlloc(GHND, bytes);
        auto* header = static_cast<DROPFILES*>(::GlobalLock(files_));
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(),
                    names.size() * sizeof(wchar_t));
        ::GlobalUnlock(files_);
    }
    void SetText(const std::wstring& text) {
        text_ = ::GlobalAlloc(GHND, (text.size() + 1) * sizeof(wchar_t));
        std::memcpy(::GlobalLock(text_), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        ::GlobalUnlock(text_);
    }
    void SetAnsiText(const std::string& text) {
        ansi_ = ::GlobalAlloc(GHND, text.size() + 1);
        std::memcpy(::GlobalLock(ansi_), text.c_str(), text.size() + 1);
        ::GlobalUnlock(ansi_);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        HGLOBAL source = Find(format);
        if (source == nullptr) return DV_E_FORMATETC;
        // The receiver releases its copy.
        const SIZE_T size = ::GlobalSize(source);
        HGLOBAL copy = ::GlobalAlloc(GHND, size);
        std::memcpy(::GlobalLock(copy), ::GlobalLock(source), size);
        ::GlobalUnlock(copy);
        ::GlobalUnlock(source);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = copy;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return Find(format) != nullptr ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (riid == IID_IUnknown || riid == IID_IDataObject) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    ~TestDataObject() {
        if (files_ != nullptr) ::GlobalFree(files_);
        if (text_ != nullptr) ::GlobalFree(text_);
        if (ansi_ != nullptr) ::GlobalFree(ansi_);
    }

  private:
    HGLOBAL Find(const FORMATETC* format) const {
        if (!(format->tymed & TYMED_HGLOBAL)) return nullptr;
        if (format->cfFormat == CF_HDROP) return files_;
        if (format->cfFormat == CF_UNICODETEXT) return text_;
        if (format->cfFormat == CF_TEXT) return ansi_;
        return nullptr;
    }

    HGLOBAL files_ = nullptr;
    HGLOBAL text_ = nullptr;
    HGLOBAL ansi_ = nullptr;
};

}  // namespace velmora::testing
