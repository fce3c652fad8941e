// Resources of modules by number.
#include "platform/resources/moduleresources.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

const unsigned char kSmall[] = {1};
const unsigned char kLarge[] = {2, 2};

TEST(ModuleResources, StringsAndImagesByNumber)
{
    const CStringResource strings[] = {{2, "Two"}, {57344, "Application"}};
    const CImageResource images[] = {{4000, 32, 32, kLarge, 2}, {4000, 16, 16, kSmall, 1}, {4001, 8, 8, kSmall, 1}};
    const HMODULE32 module = RegisterModuleResources("sample", strings, std::size(strings), images, std::size(images));
    ASSERT_NE(module, 0u);
    EXPECT_EQ(LoadModuleString(module, 2), "Two");
    EXPECT_EQ(LoadModuleString(module, 57344), "Application");
    std::string text = "left over";
    EXPECT_FALSE(LoadModuleString(module, 3, text));
    EXPECT_EQ(text, "");
    const auto icon = LoadModuleImages(module, 4000);
    ASSERT_EQ(icon.size(), 2u);
    EXPECT_EQ(icon[0].width, 16);  // smallest first
    EXPECT_EQ(icon[1].width, 32);
    EXPECT_TRUE(LoadModuleImages(module, 1).empty());
    EXPECT_EQ(ModuleName(module), "sample");
    UnregisterModuleResources(module);
    EXPECT_EQ(LoadModuleString(module, 2), "");
}

TEST(ModuleResources, HandlesAreNotReused)
{
    const CStringResource first[] = {{1, "first"}};
    const CStringResource second[] = {{1, "second"}};
    const HMODULE32 a = RegisterModuleResources("a", first, 1, nullptr, 0);
    UnregisterModuleResources(a);
    const HMODULE32 b = RegisterModuleResources("b", second, 1, nullptr, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(LoadModuleString(a, 1), "") << "a stale handle finds nothing";
    EXPECT_EQ(LoadModuleString(b, 1), "second");
    EXPECT_EQ(LoadModuleString(0, 1), "");
    UnregisterModuleResources(b);
}

} // namespace
