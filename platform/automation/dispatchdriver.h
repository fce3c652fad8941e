#pragma once
// The client side of the dispatch interface: invokes members of an object by
// number, passing the arguments in call order. A failed invocation throws
// CDispatchException, which travels to whoever drove the call.

#include "platform/automation/comptr.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

class CDispatchException : public std::runtime_error {
public:
    CDispatchException(DISPID dispid, HRESULT hr, const std::string& what)
        : std::runtime_error(what), m_dispid(dispid), m_hr(hr) {}
    DISPID Dispid() const { return m_dispid; }
    HRESULT Status() const { return m_hr; }

private:
    DISPID m_dispid;
    HRESULT m_hr;
};

class CDispatchDriver {
public:
    CDispatchDriver() = default;
    explicit CDispatchDriver(IDispatch* dispatch) : m_dispatch(dispatch) {}

    void AttachDispatch(IDispatch* dispatch) { m_dispatch = dispatch; }
    void ReleaseDispatch() { m_dispatch.Release(); }
    IDispatch* GetDispatch() const { return m_dispatch.Get(); }
    bool IsAttached() const { return static_cast<bool>(m_dispatch); }

    // Calls a method; the result is VT_EMPTY for a member without one.
    CVariant Call(DISPID dispid, std::initializer_list<CVariant> args = {}) const;
    CVariant GetProperty(DISPID dispid) const;
    void SetProperty(DISPID dispid, const CVariant& value) const;

    // The raw invocation, for callers that want the status code instead of
    // an exception.
    HRESULT TryInvoke(DISPID dispid, WORD flags, std::initializer_list<CVariant> args, CVariant& result,
                      UINT* argError = nullptr) const;

private:
    CVariant Invoke(DISPID dispid, WORD flags, std::initializer_list<CVariant> args) const;
    CComPtr<IDispatch> m_dispatch;
};
