#pragma once
// A table of text keys and text values, as the description and parameter
// parts of a configuration file hold them. Keys are compared exactly. A
// design of many banners puts millions of short entries in one table, so the
// texts live in an arena of blocks that never move and the index is an
// open-addressing hash of 32-bit entry numbers with their hashes: a few bytes
// of overhead per entry instead of two heap strings and a tree node. Keys
// that end in a hyphen and a number ("m_PgDelay-12") are indexed by that
// number within their stem instead: the keys of one banner then sit side by
// side, and a design is read and looked up without a random probe per key.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CTextTable {
public:
    CTextTable() = default;
    CTextTable(const CTextTable& other);
    CTextTable& operator=(const CTextTable& other);
    CTextTable(CTextTable&& other) noexcept;
    CTextTable& operator=(CTextTable&& other) noexcept;

    // Sets the key to the value, replacing an earlier value. A new key goes
    // to the end of the order; a replaced one keeps its place.
    void Set(std::string_view key, std::string_view value);

    // The views stay valid until RemoveAll (or the table is destroyed or
    // assigned to); a later Set of the same key does not change them.
    bool Lookup(std::string_view key, std::string_view& value) const;
    // The default is taken by reference only so that a call with a view
    // variable picks the overload above without ambiguity.
    std::string_view Lookup(std::string_view key, const std::string_view& defaultValue) const;
    bool Contains(std::string_view key) const;

    void RemoveAll();
    // Empties the table but keeps its memory for the entries to come: a
    // table that is refilled to the same size then touches no new pages.
    void Clear();
    size_t GetCount() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }

    // Makes room for this many entries without growing the index again.
    void Reserve(size_t count);
    // Makes room in the list of entries only (no index is built): for a
    // reader that can only guess an upper bound. Room never used costs
    // address space, not memory.
    void ReserveEntries(size_t count);

    // Visits the entries in the order their keys were first set:
    // visit(std::string_view key, std::string_view value).
    template <class F>
    void ForEach(F&& visit) const
    {
        for (const Entry& entry : m_entries)
            visit(KeyOf(entry), ValueOf(entry));
    }

    // The same keys with the same values; the order does not matter.
    bool operator==(const CTextTable& other) const;

private:
    // Key and value lie next to each other in the arena.
    struct Entry {
        const char* text;
        std::uint32_t keyLength;
        std::uint32_t valueLength;
    };

    static std::string_view KeyOf(const Entry& e) { return {e.text, e.keyLength}; }
    static std::string_view ValueOf(const Entry& e) { return {e.text + e.keyLength, e.valueLength}; }
    // The hash is kept in the slot, so a probe compares texts only when the
    // hashes agree and growing the index never reads the keys again.
    struct Slot {
        std::uint32_t entry;  // entry number + 1; 0 is an empty slot
        std::uint32_t hash;
    };

    static std::uint32_t Hash(std::string_view key);

    // The slot that holds the key's entry, or the empty slot where it would go.
    size_t FindSlot(std::string_view key, std::uint32_t hash) const;
    void Rehash(size_t slotCount);
    const char* Store(std::string_view key, std::string_view value);

    // The entry numbers (+ 1) of one stem's keys, by their number.
    struct NumberedStem {
        std::string stem;
        std::vector<std::uint32_t> byNumber;
    };
    static bool SplitNumbered(std::string_view key, std::string_view& stem, std::uint32_t& number);
    // Where the numbered key's entry number is kept, or null: with create, a
    // place is made when the stem and number stay within bounds.
    std::uint32_t* NumberedSlot(std::string_view stem, std::uint32_t number, bool create);
    const std::uint32_t* FindNumbered(std::string_view key) const;

    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots;
    std::vector<NumberedStem> m_stems;
    size_t m_numberedPlaces = 0;     // elements of all byNumber lists together
    size_t m_numberedInHash = 0;     // numbered keys that went to the hash index
    mutable size_t m_lastStem = 0;   // keys come stem after stem, so look there first
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<size_t> m_blockSizes;                // parallel to m_blocks
    std::vector<std::unique_ptr<char[]>> m_spare;    // ordinary blocks a Clear kept
    char* m_blockFree = nullptr;  // the unused end of the newest ordinary block
    size_t m_blockRoom = 0;
};
