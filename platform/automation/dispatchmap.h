#pragma once
// The server side of the dispatch interface: a table of members by number,
// each a method or a property with fixed argument and result types, and the
// checks and conversions automation applies before a member runs.

#include "platform/automation/comptr.h"
#include "platform/base/asciicase.h"

#include <string>
#include <vector>

enum class EDispKind { Method, Property };

struct CDispMemberInfo {
    DISPID dispid = 0;
    std::string name;
    EDispKind kind = EDispKind::Method;
    VARTYPE type = VT_EMPTY;        // result of a method (VT_EMPTY: none), value of a property
    std::vector<VARTYPE> params;    // method parameters in call order
};

// One call as a member sees it: the arguments in call order, already
// converted to the member's types, and the result it sets.
class CDispCall {
public:
    bool IsPut() const { return m_bPut; }
    size_t ArgCount() const { return m_args.size(); }
    const CVariant& Arg(size_t i) const { return m_args.at(i); }
    SHORT ShortArg(size_t i) const { return Arg(i).iVal; }
    LONG LongArg(size_t i) const { return Arg(i).lVal; }
    bool BoolArg(size_t i) const { return Arg(i).boolVal != VARIANT_FALSE; }
    double DateArg(size_t i) const { return Arg(i).date; }
    std::string StringArg(size_t i) const { return MultiByteFromBstr(Arg(i).bstrVal); }
    // A property put's new value.
    const CVariant& PutValue() const { return Arg(0); }

    void SetResult(CVariant value) { m_result = std::move(value); }
    void ReturnString(std::string_view text) { m_result = CVariant(text); }
    void ReturnShort(SHORT value) { m_result = CVariant(value); }
    void ReturnLong(LONG value) { m_result = CVariant(int(value)); }
    void ReturnBool(bool value) { m_result = CVariant(value); }
    void ReturnDate(double value) { m_result = CVariant::Date(value); }
    CVariant& Result() { return m_result; }

private:
    friend HRESULT DispatchPrepare(const CDispMemberInfo&, WORD, const DISPPARAMS*, CDispCall&, UINT*);
    std::vector<CVariant> m_args;
    CVariant m_result;
    bool m_bPut = false;
};

// Checks the flags and arguments of an invocation against the member and
// converts the arguments; the status codes are automation's own
// (DISP_E_MEMBERNOTFOUND, DISP_E_BADPARAMCOUNT, DISP_E_NONAMEDARGS,
// DISP_E_PARAMNOTFOUND, DISP_E_TYPEMISMATCH, DISP_E_OVERFLOW with the
// position of the bad argument in argError).
HRESULT DispatchPrepare(const CDispMemberInfo& member, WORD flags, const DISPPARAMS* params, CDispCall& call,
                        UINT* argError);
// Hands the member's result to the caller, converted to the member's type.
HRESULT DispatchFinish(const CDispMemberInfo& member, CDispCall& call, VARIANT* result);

// A dispatch map for objects of class T: members by number, each with the
// member function that serves it. A member without a function is declared
// but not served yet and answers DISP_E_MEMBERNOTFOUND.
template <class T>
class CDispatchMap {
public:
    using Handler = HRESULT (T::*)(CDispCall&);
    struct Entry {
        CDispMemberInfo info;
        Handler handler = nullptr;
    };

    explicit CDispatchMap(std::vector<Entry> entries) : m_entries(std::move(entries)) {}

    const Entry* Find(DISPID dispid) const
    {
        for (const Entry& e : m_entries)
            if (e.info.dispid == dispid)
                return &e;
        return nullptr;
    }
    const std::vector<Entry>& Entries() const { return m_entries; }

    HRESULT Invoke(T& object, DISPID dispid, REFIID riid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* /*exception*/, UINT* argError) const
    {
        if (!(riid == IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        const Entry* entry = Find(dispid);
        if (!entry || !entry->handler)
            return DISP_E_MEMBERNOTFOUND;
        CDispCall call;
        HRESULT hr = DispatchPrepare(entry->info, flags, params, call, argError);
        if (FAILED(hr))
            return hr;
        hr = (object.*(entry->handler))(call);
        if (FAILED(hr))
            return hr;
        return DispatchFinish(entry->info, call, result);
    }

    // Names compare without regard to letter case, as automation's do.
    HRESULT GetIDsOfNames(OLECHAR** names, UINT count, DISPID* dispids) const
    {
        if (!names || !dispids || count == 0)
            return E_INVALIDARG;
        HRESULT hr = S_OK;
        for (UINT i = 0; i < count; ++i) {
            dispids[i] = DISPID_UNKNOWN;
            if (i > 0) {  // named arguments: our members take none
                hr = DISP_E_UNKNOWNNAME;
                continue;
            }
            const std::string wanted = DispatchFoldName(names[0]);
            for (const Entry& e : m_entries)
                if (DispatchFoldName(e.info.name) == wanted)
                    dispids[0] = e.info.dispid;
            if (dispids[0] == DISPID_UNKNOWN)
                hr = DISP_E_UNKNOWNNAME;
        }
        return hr;
    }

    static std::string DispatchFoldName(const OLECHAR* name) { return DispatchFoldName(MultiByteFromBstrText(name)); }
    static std::string DispatchFoldName(const std::string& name) { return FoldAscii(name); }

private:
    static std::string MultiByteFromBstrText(const OLECHAR* text)
    {
        if (!text)
            return {};
        size_t n = 0;
        while (text[n])
            ++n;
        CBstr copy{std::u16string_view(text, n)};
        return copy.ToMultiByte();
    }

    std::vector<Entry> m_entries;
};
