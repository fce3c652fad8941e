// The pagelet as a host sees it: registration, creation by ProgID, and the
// identity members called by number.
#include "host/document/pagelet.h"
#include "platform/automation/classregistry.h"
#include "platform/registry/registry.h"
#include "platform/resources/moduleresources.h"
#include "platform/ui/scripteduiservices.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <dlfcn.h>

namespace {

const std::string kServer = GLINTRA_APP_DIR "/libPageletGlintra.so";
const char* const kProgID = "PageletServer.Glintra";

std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? resolved : path;
}

// Calls one of the server's registration entry points, as the system's
// registration tool does, and lets the library go again.
HRESULT CallServerEntry(const char* name, const std::string& library = kServer)
{
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return CO_E_DLLNOTFOUND;
    auto entry = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, name));
    const HRESULT hr = entry ? entry() : CO_E_ERRORINDLL;
    ::dlclose(handle);
    return hr;
}

std::string ClassKeyOf(const std::string& progId)
{
    std::string clsid;
    RegGetString(HKEY_CLASSES_ROOT, progId + "\\CLSID", "", clsid);
    return "CLSID\\" + clsid;
}

bool KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, path.c_str(), &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string DefaultValue(const std::string& path)
{
    std::string value;
    RegGetString(HKEY_CLASSES_ROOT, path, "", value);
    return value;
}

std::vector<std::string> SubKeys(const std::string& path)
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, path.c_str(), &key) != ERROR_SUCCESS)
        return names;
    std::string name;
    for (DWORD i = 0; RegEnumKeyEx(key, i, name) == ERROR_SUCCESS; ++i)
        names.push_back(name);
    RegCloseKey(key);
    return names;
}

class PageletBoundary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CallServerEntry("DllRegisterServer"), S_OK); }
    CTempRegistry registry;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
};

TEST_F(PageletBoundary, RegistrationWritesTheClassEntriesAndTheCategory)
{
    const std::string classKey = ClassKeyOf(kProgID);
    CLSID clsid;
    ASSERT_TRUE(GuidFromString(classKey.substr(6), clsid)) << classKey;
    EXPECT_EQ(DefaultValue(kProgID), kProgID);
    EXPECT_EQ(DefaultValue(classKey), kProgID);
    EXPECT_EQ(DefaultValue(classKey + "\\ProgID"), kProgID);
    EXPECT_EQ(DefaultValue(classKey + "\\InprocServer32"), RealPath(kServer));

    const std::vector<std::string> categories = SubKeys(classKey + "\\Implemented Categories");
    ASSERT_EQ(categories.size(), 1u);
    std::string description;
    EXPECT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "Component Categories\\" + categories[0], "409", description));
    EXPECT_EQ(description, "Norvane Pagelets");
}

TEST_F(PageletBoundary, RegisteringTwiceLeavesTheSameEntries)
{
    const std::string file = RegistryFilePath(HKEY_CLASSES_ROOT);
    const std::string once = ReadText(file);
    ASSERT_FALSE(once.empty());
    ASSERT_EQ(CallServerEntry("DllRegisterServer"), S_OK);
    EXPECT_EQ(ReadText(file), once);
}

TEST_F(PageletBoundary, UnregisteringRemovesTheClassButKeepsTheCategory)
{
    const std::string classKey = ClassKeyOf(kProgID);
    const std::string category = SubKeys(classKey + "\\Implemented Categories").at(0);
    ASSERT_EQ(CallServerEntry("DllUnregisterServer"), S_OK);
    EXPECT_FALSE(KeyExists(kProgID));
    EXPECT_FALSE(KeyExists(classKey));
    EXPECT_TRUE(KeyExists("Component Categories\\" + category));
    // Nothing left to remove: the class registry has no ProgID for the class.
    EXPECT_EQ(CallServerEntry("DllUnregisterServer"), REGDB_E_CLASSNOTREG);
    CPagelet pagelet;
    EXPECT_FALSE(pagelet.CreateFromProgID(kProgID));
    EXPECT_TRUE(ui.Records().empty()) << "an unregistered pagelet fails silently";
}

TEST_F(PageletBoundary, ClientLearnsTheServerAndTheFreshObject)
{
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    EXPECT_EQ(pagelet.m_strProgID, kProgID);
    EXPECT_EQ(pagelet.m_strServerFolder, PathFolder(RealPath(kServer)));
    EXPECT_EQ(pagelet.m_strPageletName, "Pallima Glintra 1.5");
    EXPECT_EQ(pagelet.GetTitle(), "Normal");
    EXPECT_EQ(pagelet.GetDescription(), "");
    // The sample page is only named when it is there.
    EXPECT_EQ(pagelet.m_strSamplePage.empty(), !FileExists(pagelet.m_strServerFolder + "/Sample/sample.htm"));
}

TEST_F(PageletBoundary, IdentityMembersByNumber)
{
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    const CDispatchDriver& d = pagelet.Dispatch();
    const struct {
        DISPID id;
        std::initializer_list<CVariant> args;
        VARTYPE type;
        const char* value;
    } cases[] = {
        {10, {}, VT_I4, "1"},
        {11, {}, VT_I4, "2"},
        {12, {}, VT_I4, "3"},
        {13, {}, VT_I4, "4"},
        {14, {}, VT_I4, "5"},
        {15, {SHORT(0)}, VT_I4, "4000"},
        {15, {SHORT(1)}, VT_I4, "4000"},
        {17, {}, VT_I2, "1"},
        {18, {SHORT(0)}, VT_BSTR, "cursor"},
        {18, {SHORT(-3)}, VT_BSTR, "cursor"},
        {18, {SHORT(32767)}, VT_BSTR, "cursor"},
        {27, {"/any/where"}, VT_BOOL, "-1"},
        {27, {""}, VT_BOOL, "-1"},
    };
    for (const auto& c : cases) {
        CVariant result = d.Call(c.id, c.args);
        EXPECT_EQ(result.vt, c.type) << "member " << c.id;
        std::string text;
        ASSERT_TRUE(result.ToString(text));
        EXPECT_EQ(text, c.value) << "member " << c.id;
    }
}

TEST_F(PageletBoundary, StringsAndIconOfTheServerModule)
{
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    const auto module = static_cast<HMODULE32>(pagelet.GetResourceInstance());
    const struct {
        LONG id;
        const char* text;
    } strings[] = {
        {1, "Java Applet"},
        {2, "Pallima Glintra 1.5"},
        {3, "Pallima Glintra 1.5"},
        {4, "Create Attractive Java Animate Banners"},
        {5, "Glintra"},
    };
    for (const auto& s : strings)
        EXPECT_EQ(LoadModuleString(module, UINT(s.id)), s.text);

    const auto icon = LoadModuleImages(module, UINT(pagelet.GetIconID(0)));
    ASSERT_EQ(icon.size(), 2u);
    for (const CImageResource& image : icon) {
        // A PNG with a palette (colour type 3) of 8 bits: 256 colours.
        ASSERT_GT(image.size, 26u);
        const std::string bytes(reinterpret_cast<const char*>(image.data), image.size);
        EXPECT_EQ(bytes.substr(1, 3), "PNG");
        const int width = (image.data[16] << 24) | (image.data[17] << 16) | (image.data[18] << 8) | image.data[19];
        EXPECT_EQ(width, image.width);
        EXPECT_EQ(image.data[24], 8) << "bit depth";
        EXPECT_EQ(image.data[25], 3) << "colour type";
    }
    EXPECT_EQ(icon[0].width, 16);
    EXPECT_EQ(icon[1].width, 32);
}

TEST_F(PageletBoundary, DescriptionPropertiesKeepWhatIsPut)
{
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    const CDispatchDriver& d = pagelet.Dispatch();
    std::string text;
    ASSERT_TRUE(d.GetProperty(1).ToString(text));
    EXPECT_EQ(text, "") << "a new object has no ProgID";
    const std::string values[] = {"PageletServer.Glintra", "Sale \"50%\" & more", "caf\xC3\xA9 \xFF\xFE", ""};
    for (DISPID id = 1; id <= 5; ++id) {
        for (const std::string& value : values) {
            d.SetProperty(id, value);
            ASSERT_TRUE(d.GetProperty(id).ToString(text));
            EXPECT_EQ(text, value) << "property " << id;
        }
    }
}

TEST_F(PageletBoundary, LastUpdateTimeKeepsNineDecimalsUnderAnyLocale)
{
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    const CDispatchDriver& d = pagelet.Dispatch();
    CVariant fresh = d.GetProperty(6);
    EXPECT_EQ(fresh.vt, VT_DATE);
    EXPECT_EQ(fresh.date, 0.0);

    CScopedCommaLocale comma;
    ASSERT_TRUE(comma.Active());
    for (double date : {36526.5, 46367.771018518, -1.25, 0.000000001}) {
        pagelet.SetLastUpdateTime(date);
        CVariant back = d.GetProperty(6);
        EXPECT_NEAR(back.date, date, 0.5e-9) << date;
    }
}

TEST_F(PageletBoundary, NumbersOutsideTheInterfaceAreNotServed)
{
    CPagelet pagelet;
    ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
    const CDispatchDriver& d = pagelet.Dispatch();
    const struct {
        DISPID id;
        std::initializer_list<CVariant> args;
    } cases[] = {
        {16, {}}, {29, {}}, {0, {}},
    };
    for (const auto& c : cases) {
        CVariant result;
        EXPECT_EQ(d.TryInvoke(c.id, DISPATCH_METHOD, c.args, result), DISP_E_MEMBERNOTFOUND) << "member " << c.id;
    }
    // Calls of served members with the wrong shape are refused, not crashed.
    CVariant result;
    EXPECT_EQ(d.TryInvoke(15, DISPATCH_METHOD, {}, result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(d.TryInvoke(15, DISPATCH_METHOD, {"big"}, result), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(d.TryInvoke(15, DISPATCH_METHOD, {70000}, result), DISP_E_OVERFLOW);
    EXPECT_EQ(d.TryInvoke(2, DISPATCH_METHOD, {}, result), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(d.TryInvoke(9, DISPATCH_METHOD, {"now"}, result), DISP_E_BADPARAMCOUNT) << "Config takes nothing";
    EXPECT_TRUE(ui.Dialogs().empty());
}

TEST_F(PageletBoundary, ObjectsAreIndependent)
{
    CPagelet first, second;
    ASSERT_TRUE(first.CreateFromProgID(kProgID));
    ASSERT_TRUE(second.CreateFromProgID(kProgID));
    first.SetTitle("One");
    EXPECT_EQ(second.GetTitle(), "Normal");
}

TEST_F(PageletBoundary, TheLibraryStaysWhileAnObjectLivesAndGoesAfter)
{
    const std::string path = RealPath(kServer);
    {
        CPagelet pagelet;
        ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
        ASSERT_TRUE(CoIsServerLoaded(path));
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(handle, nullptr);
        auto canUnload = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, "DllCanUnloadNow"));
        ASSERT_NE(canUnload, nullptr);
        EXPECT_EQ(canUnload(), S_FALSE);
        {
            CPagelet other;
            ASSERT_TRUE(other.CreateFromProgID(kProgID));
        }
        EXPECT_EQ(canUnload(), S_FALSE) << "one object is still alive";
        CoFreeUnusedLibraries();
        EXPECT_TRUE(CoIsServerLoaded(path));
        ::dlclose(handle);
    }
    // The client let its object go and asked the platform to free what it can.
    EXPECT_FALSE(CoIsServerLoaded(path));
    EXPECT_EQ(::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library was really unloaded";
    // And it comes back for the next object.
    CPagelet again;
    ASSERT_TRUE(again.CreateFromProgID(kProgID));
    EXPECT_EQ(again.m_strPageletName, "Pallima Glintra 1.5");
}

TEST_F(PageletBoundary, AServerThatCannotBeLoadedIsReported)
{
    const std::string classKey = ClassKeyOf(kProgID);
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", "", "libNoSuchPagelet.so"));
    CPagelet pagelet;
    EXPECT_FALSE(pagelet.CreateFromProgID(kProgID));
    EXPECT_EQ(pagelet.m_strServerFolder, "") << "a path without a folder";
    EXPECT_EQ(pagelet.m_strSamplePage, "");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0], "Create Dispatch of the PageletServer.Glintra Error!");
}

TEST_F(PageletBoundary, AClassWithoutProgIdIsNotCreated)
{
    const std::string classKey = ClassKeyOf(kProgID);
    ASSERT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, (classKey + "\\ProgID").c_str()), ERROR_SUCCESS);
    CPagelet pagelet;
    EXPECT_FALSE(pagelet.CreateFromProgID(kProgID));
    EXPECT_FALSE(pagelet.IsCreated());
    EXPECT_TRUE(ui.Records().empty());
}

} // namespace
