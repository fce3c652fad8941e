#pragma once
// The component categories manager: files classes under categories in the
// classes root ("Component Categories\{catid}" with one description per
// locale, and "CLSID\{clsid}\Implemented Categories\{catid}").

#include "platform/automation/unknown.h"

struct CATEGORYINFO {
    CATID catid;
    LCID lcid;
    OLECHAR szDescription[128];
};

struct ICatRegister : IUnknown {
    virtual HRESULT RegisterCategories(ULONG count, CATEGORYINFO* infos) = 0;
    virtual HRESULT UnRegisterCategories(ULONG count, CATID* catids) = 0;
    virtual HRESULT RegisterClassImplCategories(REFCLSID clsid, ULONG count, CATID* catids) = 0;
    virtual HRESULT UnRegisterClassImplCategories(REFCLSID clsid, ULONG count, CATID* catids) = 0;
    virtual HRESULT RegisterClassReqCategories(REFCLSID clsid, ULONG count, CATID* catids) = 0;
    virtual HRESULT UnRegisterClassReqCategories(REFCLSID clsid, ULONG count, CATID* catids) = 0;

protected:
    ~ICatRegister() = default;
};

extern const IID IID_ICatRegister;
extern const CLSID CLSID_StdComponentCategoriesMgr;

// The platform's own manager; CoCreateInstance reaches it by
// CLSID_StdComponentCategoriesMgr unless this process registered another
// class object for that identifier.
HRESULT GetComponentCategoriesClassObject(REFIID riid, void** object);
