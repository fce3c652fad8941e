#pragma once
// Owners for the things of the object model, so that no caller frees by
// hand: an interface pointer, an automation string and a VARIANT.

#include "platform/automation/unknown.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    CComPtr(T* p) : m_p(p) { if (m_p) m_p->AddRef(); }
    CComPtr(const CComPtr& other) : CComPtr(other.m_p) {}
    CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~CComPtr() { Release(); }

    CComPtr& operator=(const CComPtr& other)
    {
        if (other.m_p)
            other.m_p->AddRef();
        Release();
        m_p = other.m_p;
        return *this;
    }
    CComPtr& operator=(CComPtr&& other) noexcept
    {
        if (this != std::addressof(other)) {
            Release();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }

    void Release()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }
    // Takes over a reference the caller already owns.
    void Attach(T* p)
    {
        Release();
        m_p = p;
    }
    T* Detach() { return std::exchange(m_p, nullptr); }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For out parameters: the pointer must be empty, it receives a reference.
    T** operator&()
    {
        Release();
        return &m_p;
    }
    void** OutVoid()
    {
        Release();
        return reinterpret_cast<void**>(&m_p);
    }

    template <class Q>
    HRESULT QueryInterface(REFIID riid, CComPtr<Q>& out) const
    {
        if (!m_p)
            return E_POINTER;
        return m_p->QueryInterface(riid, out.OutVoid());
    }

private:
    T* m_p = nullptr;
};

class CBstr {
public:
    CBstr() = default;
    explicit CBstr(std::string_view text) : m_str(SysAllocStringFromMultiByte(text)) {}
    explicit CBstr(std::u16string_view text)
        : m_str(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    CBstr(const CBstr& other) : m_str(SysAllocStringLen(other.m_str, SysStringLen(other.m_str))) {}
    CBstr(CBstr&& other) noexcept : m_str(std::exchange(other.m_str, nullptr)) {}
    ~CBstr() { SysFreeString(m_str); }
    CBstr& operator=(CBstr other) noexcept
    {
        std::swap(m_str, other.m_str);
        return *this;
    }

    void Attach(BSTR text)
    {
        SysFreeString(m_str);
        m_str = text;
    }
    BSTR Detach() { return std::exchange(m_str, nullptr); }
    BSTR Get() const { return m_str; }
    BSTR* operator&()
    {
        SysFreeString(m_str);
        m_str = nullptr;
        return &m_str;
    }
    UINT Length() const { return SysStringLen(m_str); }
    std::string ToMultiByte() const { return MultiByteFromBstr(m_str); }

private:
    BSTR m_str = nullptr;
};

class CVariant : public VARIANT {
public:
    CVariant() { VariantInit(this); }
    CVariant(SHORT value) { Set(VT_I2); iVal = value; }
    CVariant(int value) { Set(VT_I4); lVal = value; }
    CVariant(bool value) { Set(VT_BOOL); boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; }
    CVariant(double value) { Set(VT_R8); dblVal = value; }
    CVariant(const char* text) : CVariant(std::string_view(text ? text : "")) {}
    CVariant(const std::string& text) : CVariant(std::string_view(text)) {}
    CVariant(std::string_view text) { Set(VT_BSTR); bstrVal = SysAllocStringFromMultiByte(text); }
    static CVariant Date(DATE value)
    {
        CVariant v;
        v.vt = VT_DATE;
        v.date = value;
        return v;
    }
    // Takes over what an automation call returned into a plain VARIANT.
    static CVariant Adopt(VARIANT& raw)
    {
        CVariant v;
        static_cast<VARIANT&>(v) = raw;
        VariantInit(&raw);
        return v;
    }

    CVariant(const CVariant& other) { VariantInit(this); VariantCopy(this, &other); }
    CVariant(CVariant&& other) noexcept
    {
        static_cast<VARIANT&>(*this) = other;
        VariantInit(&other);
    }
    CVariant& operator=(const CVariant& other)
    {
        VariantCopy(this, &other);
        return *this;
    }
    CVariant& operator=(CVariant&& other) noexcept
    {
        if (this != &other) {
            VariantClear(this);
            static_cast<VARIANT&>(*this) = other;
            VariantInit(&other);
        }
        return *this;
    }
    ~CVariant() { VariantClear(this); }

    void Clear() { VariantClear(this); }
    HRESULT ChangeType(VARTYPE type) { return VariantChangeType(this, this, 0, type); }

    // The value as the given type, coerced as automation coerces arguments;
    // false when it does not convert.
    bool ToShort(SHORT& out) const;
    bool ToLong(LONG& out) const;
    bool ToBool(bool& out) const;
    bool ToDouble(double& out) const;
    bool ToString(std::string& out) const;

private:
    void Set(VARTYPE type)
    {
        VariantInit(this);
        vt = type;
    }
};
