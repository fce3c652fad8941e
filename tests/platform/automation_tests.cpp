// The automation types and the two sides of the dispatch interface.
#include "platform/automation/dispatchdriver.h"
#include "platform/automation/dispatchmap.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Guid, RegistryTextForm)
{
    const GUID g{0x6B29FC40, 0xCA47, 0x1067, {0xB3, 0x1D, 0x00, 0xDD, 0x01, 0x06, 0x62, 0xDA}};
    EXPECT_EQ(GuidToString(g), "{6B29FC40-CA47-1067-B31D-00DD010662DA}");
    GUID back;
    ASSERT_TRUE(GuidFromString("{6b29fc40-ca47-1067-b31d-00dd010662da}", back));
    EXPECT_EQ(back, g);
    ASSERT_TRUE(GuidFromString("6B29FC40-CA47-1067-B31D-00DD010662DA", back));
    EXPECT_EQ(back, g);
}

TEST(Guid, MalformedTextIsRefused)
{
    const char* cases[] = {
        "", "{}", "{6B29FC40-CA47-1067-B31D-00DD010662D}", "{6B29FC40-CA47-1067-B31D-00DD010662DAA}",
        "{6B29FC40CA47-1067-B31D-00DD010662DA-}", "{6B29FC4G-CA47-1067-B31D-00DD010662DA}",
        "(6B29FC40-CA47-1067-B31D-00DD010662DA)", "{6B29FC40-CA47-1067-B31D-00DD010662DA",
    };
    for (const char* text : cases) {
        GUID g{1};
        EXPECT_FALSE(GuidFromString(text, g)) << text;
        EXPECT_EQ(g.Data1, 1u) << "a refused text leaves the GUID alone";
    }
}

TEST(Bstr, LengthPrefixedAndTerminated)
{
    BSTR s = SysAllocStringFromMultiByte("caf\xC3\xA9\xFF");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SysStringLen(s), 5u);
    EXPECT_EQ(s[5], 0);
    EXPECT_EQ(MultiByteFromBstr(s), "caf\xC3\xA9\xFF");
    SysFreeString(s);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(MultiByteFromBstr(nullptr), "");
    // Embedded zero characters are part of the string.
    const OLECHAR text[] = {u'a', 0, u'b'};
    BSTR z = SysAllocStringLen(text, 3);
    EXPECT_EQ(SysStringLen(z), 3u);
    EXPECT_EQ(MultiByteFromBstr(z), std::string("a\0b", 3));
    SysFreeString(z);
}

CVariant Changed(const CVariant& v, VARTYPE type, HRESULT* hr = nullptr)
{
    CVariant out;
    const HRESULT result = VariantChangeType(&out, &v, 0, type);
    if (hr)
        *hr = result;
    return out;
}

TEST(Variant, NumbersConvertWithRangeChecks)
{
    const struct {
        CVariant from;
        VARTYPE to;
        HRESULT hr;
        double value;
    } cases[] = {
        {CVariant(40000), VT_I2, DISP_E_OVERFLOW, 0},
        {CVariant(-32768), VT_I2, S_OK, -32768},
        {CVariant(2.5), VT_I2, S_OK, 2},  // half to even
        {CVariant(3.5), VT_I4, S_OK, 4},
        {CVariant(true), VT_I4, S_OK, -1},
        {CVariant(SHORT(7)), VT_R8, S_OK, 7},
        {CVariant("12"), VT_I2, S_OK, 12},
        {CVariant(" -4.5 "), VT_R8, S_OK, -4.5},
        {CVariant("12abc"), VT_I4, DISP_E_TYPEMISMATCH, 0},
        {CVariant(""), VT_I4, DISP_E_TYPEMISMATCH, 0},
        {CVariant("True"), VT_BOOL, S_OK, -1},
        {CVariant("0"), VT_BOOL, S_OK, 0},
        {CVariant(), VT_I2, S_OK, 0},
        {CVariant(1e300), VT_I4, DISP_E_OVERFLOW, 0},
    };
    for (const auto& c : cases) {
        HRESULT hr = S_OK;
        CVariant out = Changed(c.from, c.to, &hr);
        EXPECT_EQ(hr, c.hr) << "to type " << c.to << " from type " << c.from.vt;
        if (SUCCEEDED(hr)) {
            double value = 0;
            ASSERT_TRUE(out.ToDouble(value));
            EXPECT_EQ(value, c.value);
            EXPECT_EQ(out.vt, c.to);
        }
    }
}

TEST(Variant, ToText)
{
    const struct {
        CVariant from;
        const char* text;
    } cases[] = {
        {CVariant(SHORT(-5)), "-5"}, {CVariant(123456), "123456"}, {CVariant(0.25), "0.25"},
        {CVariant(), ""},            {CVariant(false), "0"},       {CVariant("as is"), "as is"},
    };
    for (const auto& c : cases) {
        std::string text;
        ASSERT_TRUE(c.from.ToString(text));
        EXPECT_EQ(text, c.text);
    }
}

TEST(Variant, ByReferenceIsFollowed)
{
    SHORT value = 42;
    VARIANT ref;
    VariantInit(&ref);
    ref.vt = VT_I2 | VT_BYREF;
    ref.piVal = &value;
    CVariant out;
    ASSERT_EQ(VariantChangeType(&out, &ref, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 42);
}

TEST(Variant, CopiesOwnTheirStrings)
{
    CVariant a("text");
    CVariant b = a;
    ASSERT_NE(a.bstrVal, b.bstrVal);
    a.Clear();
    std::string text;
    ASSERT_TRUE(b.ToString(text));
    EXPECT_EQ(text, "text");
    CVariant c = std::move(b);
    EXPECT_EQ(b.vt, VT_EMPTY);
    EXPECT_EQ(c.vt, VT_BSTR);
}

// A small object served by a dispatch map: a text property, a method that
// joins its arguments, and a declared member without a handler.
class CSample final : public IDispatch {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR** names, UINT count, LCID, DISPID* ids) override
    {
        return Map().GetIDsOfNames(names, count, ids);
    }
    HRESULT Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* e,
                   UINT* argError) override
    {
        return Map().Invoke(*this, id, riid, flags, params, result, e, argError);
    }

    static const CDispatchMap<CSample>& Map()
    {
        static const CDispatchMap<CSample> map({
            {{1, "Name", EDispKind::Property, VT_BSTR, {}}, &CSample::OnName},
            {{2, "Join", EDispKind::Method, VT_BSTR, {VT_BSTR, VT_I2, VT_BOOL}}, &CSample::OnJoin},
            {{3, "Later", EDispKind::Method, VT_BOOL, {}}, nullptr},
            {{4, "Count", EDispKind::Method, VT_I2, {}}, &CSample::OnCount},
        });
        return map;
    }

    HRESULT OnName(CDispCall& call)
    {
        if (call.IsPut())
            name = call.StringArg(0);
        else
            call.ReturnString(name);
        return S_OK;
    }
    HRESULT OnJoin(CDispCall& call)
    {
        call.ReturnString(call.StringArg(0) + ":" + std::to_string(call.ShortArg(1)) + ":" +
                          (call.BoolArg(2) ? "yes" : "no"));
        return S_OK;
    }
    HRESULT OnCount(CDispCall& call)
    {
        call.ReturnLong(3);  // converted to the member's 16-bit result on the way out
        return S_OK;
    }

    std::string name = "initial";
    ULONG refs = 1;
};

TEST(DispatchMap, ArgumentsArriveInCallOrderAndConverted)
{
    CSample sample;
    CDispatchDriver driver(&sample);
    // The driver reverses the list, as automation passes arguments last first;
    // the second argument comes as text and is converted to the 16-bit type.
    std::string text;
    ASSERT_TRUE(driver.Call(2, {"first", "12", true}).ToString(text));
    EXPECT_EQ(text, "first:12:yes");
    CVariant count = driver.Call(4);
    EXPECT_EQ(count.vt, VT_I2);
    EXPECT_EQ(count.iVal, 3);
}

TEST(DispatchMap, PropertiesGetAndPut)
{
    CSample sample;
    CDispatchDriver driver(&sample);
    std::string text;
    ASSERT_TRUE(driver.GetProperty(1).ToString(text));
    EXPECT_EQ(text, "initial");
    driver.SetProperty(1, "changed \xFF");
    EXPECT_EQ(sample.name, "changed \xFF");
}

TEST(DispatchMap, InvocationRulesOfAutomation)
{
    CSample sample;
    CVariant arg("x");
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS none;
    DISPPARAMS oneArg{&arg, nullptr, 1, 0};
    DISPPARAMS putWithoutName{&arg, nullptr, 1, 0};
    DISPPARAMS putNamed{&arg, &put, 1, 1};
    CVariant three[3] = {CVariant(true), CVariant("not a number"), CVariant("a")};  // last first
    DISPPARAMS badType{three, nullptr, 3, 0};
    const struct {
        DISPID id;
        WORD flags;
        DISPPARAMS* params;
        HRESULT hr;
    } cases[] = {
        {99, DISPATCH_METHOD, &none, DISP_E_MEMBERNOTFOUND},
        {3, DISPATCH_METHOD, &none, DISP_E_MEMBERNOTFOUND},  // declared, not served yet
        {2, DISPATCH_METHOD, &oneArg, DISP_E_BADPARAMCOUNT},
        {2, DISPATCH_METHOD, &putNamed, DISP_E_NONAMEDARGS},
        {2, DISPATCH_METHOD, &badType, DISP_E_TYPEMISMATCH},
        {2, DISPATCH_PROPERTYPUT, &putNamed, DISP_E_MEMBERNOTFOUND},
        {1, DISPATCH_PROPERTYGET, &oneArg, DISP_E_BADPARAMCOUNT},
        {1, DISPATCH_PROPERTYPUT, &putWithoutName, DISP_E_PARAMNOTFOUND},
        {1, DISPATCH_PROPERTYPUT, &putNamed, S_OK},
        {1, DISPATCH_METHOD, &none, DISP_E_MEMBERNOTFOUND},
        {4, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, S_OK},
        {4, DISPATCH_METHOD, nullptr, S_OK},
    };
    for (const auto& c : cases) {
        CVariant result;
        UINT argError = 99;
        EXPECT_EQ(sample.Invoke(c.id, IID_NULL, 0, c.flags, c.params, &result, nullptr, &argError), c.hr)
            << "member " << c.id << " flags " << c.flags;
        if (c.params == &badType)
            EXPECT_EQ(argError, 1u) << "the position of the bad argument in rgvarg";
    }
    CVariant result;
    EXPECT_EQ(sample.Invoke(4, IID_IDispatch, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
}

TEST(DispatchMap, NamesCompareWithoutCase)
{
    CSample sample;
    OLECHAR name[] = u"jOIN";
    OLECHAR* names[] = {name};
    DISPID id = 0;
    EXPECT_EQ(sample.GetIDsOfNames(IID_NULL, names, 1, 0, &id), S_OK);
    EXPECT_EQ(id, 2);
    OLECHAR unknown[] = u"Nothing";
    names[0] = unknown;
    EXPECT_EQ(sample.GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST(DispatchDriver, AFailedCallThrowsWithItsStatus)
{
    CSample sample;
    CDispatchDriver driver(&sample);
    try {
        driver.Call(3);
        FAIL() << "no exception";
    } catch (const CDispatchException& e) {
        EXPECT_EQ(e.Status(), DISP_E_MEMBERNOTFOUND);
        EXPECT_EQ(e.Dispid(), 3);
    }
    CVariant result;
    EXPECT_EQ(driver.TryInvoke(2, DISPATCH_METHOD, {"only one"}, result), DISP_E_BADPARAMCOUNT);
    CDispatchDriver empty;
    EXPECT_THROW(empty.Call(1), CDispatchException);
}

TEST(DispatchDriver, HoldsAReferenceWhileAttached)
{
    CSample sample;
    {
        CDispatchDriver driver(&sample);
        EXPECT_EQ(sample.refs, 2u);
    }
    EXPECT_EQ(sample.refs, 1u);
}

} // namespace
