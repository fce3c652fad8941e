// The class registry, in-process creation and the categories manager, on a
// registry of the test's own.
#include "platform/automation/classregistry.h"
#include "platform/automation/componentcategories.h"
#include "platform/automation/comptr.h"
#include "platform/registry/registry.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

namespace {

const CLSID kClass{0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};
const CATID kCategory{0xAAAAAAAA, 0xBBBB, 0xCCCC, {0xDD, 0xDD, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}};

class ClassRegistryTest : public ::testing::Test {
protected:
    void RegisterClass(const std::string& progId, const std::string& server)
    {
        const std::string classKey = "CLSID\\" + GuidToString(kClass);
        ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, progId + "\\CLSID", "", GuidToString(kClass)));
        ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, classKey + "\\ProgID", "", progId));
        ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, classKey + "\\InProcServer32", "", server));
    }
    CTempRegistry registry;
};

TEST_F(ClassRegistryTest, ProgIdAndClassIdBothWays)
{
    RegisterClass("Sample.Thing", "/nowhere/libThing.so");
    CLSID clsid;
    ASSERT_EQ(ClassIdFromProgId("Sample.Thing", clsid), S_OK);
    EXPECT_EQ(clsid, kClass);
    std::string progId;
    ASSERT_EQ(ProgIdFromClassId(kClass, progId), S_OK);
    EXPECT_EQ(progId, "Sample.Thing");
    // The client reads the key under another spelling than registration wrote.
    EXPECT_EQ(InprocServerPath(kClass), "/nowhere/libThing.so");

    OLECHAR* wide = nullptr;
    ASSERT_EQ(ProgIDFromCLSID(kClass, &wide), S_OK);
    EXPECT_EQ(std::u16string(wide), u"Sample.Thing");
    CoTaskMemFree(wide);
    ASSERT_EQ(CLSIDFromProgID(u"Sample.Thing", &clsid), S_OK);
    EXPECT_EQ(clsid, kClass);
}

TEST_F(ClassRegistryTest, UnknownNamesAndClasses)
{
    CLSID clsid;
    EXPECT_EQ(ClassIdFromProgId("Not.There", clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(ClassIdFromProgId("", clsid), CO_E_CLASSSTRING);
    std::string progId;
    EXPECT_EQ(ProgIdFromClassId(kClass, progId), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(InprocServerPath(kClass), "");
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Broken.Thing\\CLSID", "", "{not a guid}"));
    EXPECT_EQ(ClassIdFromProgId("Broken.Thing", clsid), CO_E_CLASSSTRING);

    CComPtr<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.OutVoid()),
              REGDB_E_CLASSNOTREG);
}

TEST_F(ClassRegistryTest, ServerLibrariesThatCannotServe)
{
    CComPtr<IUnknown> object;
    RegisterClass("Sample.Thing", registry.Dir() / "missing.so");
    EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.OutVoid()),
              CO_E_DLLNOTFOUND);
    // A real library without the entry point.
    RegisterClass("Sample.Thing", GLINTRA_APP_DIR "/libGlintraPlatform.so");
    EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.OutVoid()),
              CO_E_ERRORINDLL);
}

// A factory of the process, counting what it makes.
class CCountingFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        ++made;
        return failWith != S_OK ? failWith : QueryInterface(riid, object);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
    ULONG refs = 1;
    int made = 0;
    HRESULT failWith = S_OK;
};

TEST_F(ClassRegistryTest, ClassObjectsOfTheProcessComeFirst)
{
    RegisterClass("Sample.Thing", registry.Dir() / "missing.so");
    CCountingFactory factory;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(kClass, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie), S_OK);
    {
        CComPtr<IUnknown> object;
        EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.OutVoid()), S_OK);
        EXPECT_EQ(factory.made, 1);
    }
    ASSERT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(factory.refs, 1u) << "revoking gives the factory back";
    EXPECT_EQ(CoRevokeClassObject(cookie), E_INVALIDARG);
    CComPtr<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.OutVoid()),
              CO_E_DLLNOTFOUND);
}

TEST_F(ClassRegistryTest, CategoryManagerFilesClassesUnderCategories)
{
    CComPtr<ICatRegister> manager;
    ASSERT_EQ(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ICatRegister,
                               manager.OutVoid()),
              S_OK);
    CATEGORYINFO info{};
    info.catid = kCategory;
    info.lcid = 1033;
    const std::u16string longText(200, u'x');
    std::copy_n(longText.begin(), 127, info.szDescription);
    ASSERT_EQ(manager->RegisterCategories(1, &info), S_OK);
    std::string description;
    ASSERT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "Component Categories\\" + GuidToString(kCategory), "409",
                             description));
    EXPECT_EQ(description, std::string(127, 'x'));

    CATID catid = kCategory;
    ASSERT_EQ(manager->RegisterClassImplCategories(kClass, 1, &catid), S_OK);
    const std::string implemented =
        "CLSID\\" + GuidToString(kClass) + "\\Implemented Categories\\" + GuidToString(kCategory);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, implemented.c_str(), &key), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(manager->UnRegisterClassImplCategories(kClass, 1, &catid), S_OK);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, implemented.c_str(), &key), ERROR_FILE_NOT_FOUND);
    // Removing what is not there is no failure.
    EXPECT_EQ(manager->UnRegisterClassImplCategories(kClass, 1, &catid), S_OK);
}

TEST_F(ClassRegistryTest, AnotherManagerCanStandIn)
{
    // What a process registers for the manager's class wins, which is how a
    // missing manager is shown.
    CCountingFactory failing;
    failing.failWith = REGDB_E_CLASSNOTREG;
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(CLSID_StdComponentCategoriesMgr, &failing, CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
    CComPtr<ICatRegister> manager;
    EXPECT_EQ(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ICatRegister,
                               manager.OutVoid()),
              REGDB_E_CLASSNOTREG);
    CoRevokeClassObject(cookie);
    EXPECT_EQ(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ICatRegister,
                               manager.OutVoid()),
              S_OK);
}

} // namespace
