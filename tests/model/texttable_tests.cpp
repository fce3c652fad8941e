// The compact key and value table of the configuration file.
#include "model/texttable.h"

#include "platform/base/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs EntriesOf(const CTextTable& table)
{
    Pairs pairs;
    table.ForEach([&pairs](std::string_view key, std::string_view value) {
        pairs.emplace_back(std::string(key), std::string(value));
    });
    return pairs;
}

TEST(TextTable, KeysAreExactAndKeepTheOrderOfTheirFirstSet)
{
    CTextTable table;
    table.Set("Title", "Sale");
    table.Set("title", "lower");
    table.Set("Title ", "blank");
    table.Set("", "empty key");
    table.Set("Empty", "");
    table.Set("Title", "Clearance");  // replaced in place

    EXPECT_EQ(table.GetCount(), 5u);
    EXPECT_EQ(EntriesOf(table), (Pairs{{"Title", "Clearance"},
                                       {"title", "lower"},
                                       {"Title ", "blank"},
                                       {"", "empty key"},
                                       {"Empty", ""}}));

    std::string_view value = "untouched";
    EXPECT_TRUE(table.Lookup("Empty", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(table.Lookup("", value));
    EXPECT_EQ(value, "empty key");
    value = "untouched";
    EXPECT_FALSE(table.Lookup("TITLE", value));
    EXPECT_EQ(value, "untouched");

    EXPECT_EQ(table.Lookup("Missing", "fallback"), "fallback");
    EXPECT_EQ(table.Lookup("Empty", "fallback"), "");  // a present empty value is no miss
    const std::string_view fallback = "fallback";
    EXPECT_EQ(table.Lookup("title", fallback), "lower");
    EXPECT_TRUE(table.Contains("Title "));
    EXPECT_FALSE(table.Contains("Title  "));
}

TEST(TextTable, KeysAndValuesMayHoldAnyBytes)
{
    CTextTable table;
    const std::string key("nul\0key", 7), other("nul\0kez", 7);
    const std::string value("\xFF\x80=\"\0end", 8);
    table.Set(key, value);
    table.Set(other, "second");
    EXPECT_EQ(table.Lookup(key, ""), value);
    EXPECT_EQ(table.Lookup(other, ""), "second");
    EXPECT_FALSE(table.Contains(std::string_view("nul", 3)));
}

// Two and a half million entries are what a large design brings; the views
// handed out on the way must survive the index growing and new blocks.
TEST(TextTable, ManyEntriesStayFoundAndEarlierViewsStayValid)
{
    CTextTable table;
    table.Set("first", "value of the first");
    std::string_view firstView;
    ASSERT_TRUE(table.Lookup("first", firstView));
    const std::string big(3 << 20, 'x');  // longer than a block
    table.Set("big", big);

    const int count = 300000;
    for (int i = 0; i < count; ++i)
        table.Set("m_PgDelay-" + FormatInt(i), FormatInt(i * 7));
    // Replacing a value leaves the old view as it was.
    table.Set("first", "replaced");

    EXPECT_EQ(firstView, "value of the first");
    EXPECT_EQ(table.Lookup("first", ""), "replaced");
    EXPECT_EQ(table.Lookup("big", ""), big);
    EXPECT_EQ(table.GetCount(), size_t(count) + 2);
    for (int i = 0; i < count; i += 997)
        EXPECT_EQ(table.Lookup("m_PgDelay-" + FormatInt(i), ""), FormatInt(i * 7)) << i;
    EXPECT_FALSE(table.Contains("m_PgDelay-" + FormatInt(count)));
    // The order is still the order of first insertion.
    const Pairs entries = EntriesOf(table);
    EXPECT_EQ(entries[0].first, "first");
    EXPECT_EQ(entries[1].first, "big");
    EXPECT_EQ(entries.back().first, "m_PgDelay-" + FormatInt(count - 1));
}

TEST(TextTable, RemoveAllAndReserveLeaveAWorkingTable)
{
    CTextTable table;
    table.Reserve(1000);
    for (int i = 0; i < 100; ++i)
        table.Set(FormatInt(i), "v");
    table.RemoveAll();
    EXPECT_EQ(table.GetCount(), 0u);
    EXPECT_FALSE(table.Contains("1"));
    table.Set("1", "again");
    EXPECT_EQ(EntriesOf(table), (Pairs{{"1", "again"}}));
}

TEST(TextTable, CopiesAndMovesAreIndependentTables)
{
    CTextTable table;
    table.Set("a", "1");
    table.Set("b", "2");

    CTextTable copy(table);
    copy.Set("a", "changed");
    EXPECT_EQ(table.Lookup("a", ""), "1");
    EXPECT_EQ(EntriesOf(copy), (Pairs{{"a", "changed"}, {"b", "2"}}));

    CTextTable moved(std::move(copy));
    EXPECT_EQ(moved.Lookup("a", ""), "changed");
    // The emptied table owns nothing of the moved texts and works on its own.
    copy.Set("c", "3");  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(EntriesOf(copy), (Pairs{{"c", "3"}}));
    EXPECT_EQ(EntriesOf(moved), (Pairs{{"a", "changed"}, {"b", "2"}}));

    CTextTable assigned;
    assigned.Set("old", "x");
    assigned = table;
    EXPECT_EQ(EntriesOf(assigned), EntriesOf(table));
}

TEST(TextTable, EqualityIgnoresOrderButNotValues)
{
    CTextTable a, b;
    a.Set("x", "1");
    a.Set("y", "2");
    b.Set("y", "2");
    b.Set("x", "1");
    EXPECT_TRUE(a == b);
    b.Set("x", "one");
    EXPECT_FALSE(a == b);
    b.Set("x", "1");
    b.Set("z", "");
    EXPECT_FALSE(a == b);
}

} // namespace

namespace {

// Keys that end in a number are kept by their number; whatever path a key
// takes, the table must behave as one map in insertion order.
TEST(TextTableNumbered, EveryKeyIsFoundWhicheverIndexHoldsIt)
{
    CTextTable table;
    std::vector<std::pair<std::string, std::string>> expected;
    auto set = [&](const std::string& key, const std::string& value) {
        table.Set(key, value);
        for (auto& entry : expected) {
            if (entry.first == key) {
                entry.second = value;
                return;
            }
        }
        expected.emplace_back(key, value);
    };
    set("m_PgDelay-0", "a");
    set("m_PgDelay-999999999", "far away");  // too far for the numbered list
    set("m_PgDelay-1", "b");
    set("m_PgDelay-01", "not canonical");
    set("m_PgDelay--1", "negative");
    set("-5", "no stem");
    set("m_PgDelay-", "no number");
    for (int i = 0; i < 70; ++i)  // more stems than the numbered lists take
        set("stem" + std::to_string(i) + "-3", "s" + std::to_string(i));
    set("m_PgDelay-1", "b again");
    set("m_PgDelay-999999999", "far again");
    set("m_PgDelay-2", "after a numbered key went to the hash");

    ASSERT_EQ(table.GetCount(), expected.size());
    for (const auto& [key, value] : expected) {
        std::string_view found;
        ASSERT_TRUE(table.Lookup(key, found)) << key;
        EXPECT_EQ(found, value) << key;
    }
    std::vector<std::pair<std::string, std::string>> visited;
    table.ForEach([&](std::string_view k, std::string_view v) { visited.emplace_back(k, v); });
    EXPECT_EQ(visited, expected);
    for (const char* missing : {"m_PgDelay-3", "m_PgDelay-1000", "stem0-4", "m_PgDelay-00"})
        EXPECT_FALSE(table.Contains(missing)) << missing;

    CTextTable copy = table;
    EXPECT_TRUE(copy == table);
    CTextTable moved = std::move(copy);
    EXPECT_TRUE(moved == table);
    table.RemoveAll();
    EXPECT_FALSE(table.Contains("m_PgDelay-0"));
    table.Set("m_PgDelay-0", "fresh");
    EXPECT_EQ(table.Lookup("m_PgDelay-0", std::string_view()), "fresh");
}

} // namespace
