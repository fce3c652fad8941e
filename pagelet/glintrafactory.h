#pragma once
// The class factory of the pagelet: one static object of the library, which
// makes a new CGlintra for every request.

#include "platform/automation/unknown.h"

class CGlintraFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override;
    // The factory lives as long as the library; counting it would mean nothing.
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override;
    HRESULT LockServer(BOOL lock) override;

    static CGlintraFactory& Instance();
};
