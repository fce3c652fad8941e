#include "model/texttable.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// Ordinary texts share blocks; a small table keeps small blocks, a big one
// grows them up to the largest size. A text longer than a block's sixteenth
// gets a block of its own, so a block's unused end stays small.
constexpr size_t kFirstBlockSize = size_t(1) << 12;
constexpr size_t kBlockSize = size_t(1) << 20;
constexpr size_t kOwnBlockFrom = kBlockSize / 16;

// The index is kept at most three quarters full; with the hashes in the
// slots a probe run is a scan of neighbouring slots.
constexpr size_t kMinSlots = 16;

bool IsCrowded(size_t entries, size_t slots)
{
    return entries * 4 > slots * 3;
}

std::uint32_t ClampLength(size_t length)
{
    // No line a file can bring in memory comes near this; a longer text is
    // cut rather than wrapped around.
    return length > std::numeric_limits<std::uint32_t>::max() ? std::numeric_limits<std::uint32_t>::max()
                                                               : std::uint32_t(length);
}

} // namespace

CTextTable::CTextTable(const CTextTable& other)
{
    *this = other;
}

CTextTable& CTextTable::operator=(const CTextTable& other)
{
    if (this == &other)
        return *this;
    RemoveAll();
    Reserve(other.GetCount());
    other.ForEach([this](std::string_view key, std::string_view value) { Set(key, value); });
    return *this;
}

CTextTable::CTextTable(CTextTable&& other) noexcept
{
    *this = std::move(other);
}

CTextTable& CTextTable::operator=(CTextTable&& other) noexcept
{
    if (this == &other)
        return *this;
    m_entries = std::move(other.m_entries);
    m_slots = std::move(other.m_slots);
    m_blocks = std::move(other.m_blocks);
    m_blockFree = other.m_blockFree;
    m_blockRoom = other.m_blockRoom;
    // The blocks went with the texts; the emptied table must not write into them.
    other.m_entries.clear();
    other.m_slots.clear();
    other.m_blocks.clear();
    other.m_blockFree = nullptr;
    other.m_blockRoom = 0;
    return *this;
}

std::uint32_t CTextTable::Hash(std::string_view key)
{
    // FNV-1a: the keys are short, and this is quick enough for them.
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : key) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return std::uint32_t(hash ^ (hash >> 32));
}

size_t CTextTable::FindSlot(std::string_view key, std::uint32_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    size_t slot = hash & mask;
    for (;;) {
        const Slot& held = m_slots[slot];
        if (held.entry == 0)
            return slot;
        if (held.hash == hash) {
            const Entry& entry = m_entries[held.entry - 1];
            if (entry.keyLength == key.size() && std::memcmp(entry.text, key.data(), key.size()) == 0)
                return slot;
        }
        slot = (slot + 1) & mask;
    }
}

void CTextTable::Rehash(size_t slotCount)
{
    const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(slotCount, Slot{0, 0}));
    const size_t mask = slotCount - 1;
    for (const Slot& held : old) {
        if (held.entry == 0)
            continue;
        size_t slot = held.hash & mask;
        while (m_slots[slot].entry != 0)
            slot = (slot + 1) & mask;
        m_slots[slot] = held;
    }
}

void CTextTable::Reserve(size_t count)
{
    m_entries.reserve(count);
    size_t slots = kMinSlots;
    while (IsCrowded(count, slots))
        slots *= 2;
    if (slots > m_slots.size())
        Rehash(slots);
}

const char* CTextTable::Store(std::string_view key, std::string_view value)
{
    const size_t size = size_t(ClampLength(key.size())) + ClampLength(value.size());
    if (size == 0)
        return "";
    char* target;
    if (size >= kOwnBlockFrom) {
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(size));
        target = m_blocks.back().get();
    } else {
        if (size > m_blockRoom) {
            const size_t grown = m_blocks.size() < 8 ? kFirstBlockSize << m_blocks.size() : kBlockSize;
            const size_t blockSize = std::max(std::min(grown, kBlockSize), size);
            m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
            m_blockFree = m_blocks.back().get();
            m_blockRoom = blockSize;
        }
        target = m_blockFree;
        m_blockFree += size;
        m_blockRoom -= size;
    }
    // An empty view may carry no pointer at all, which memcpy must not see.
    if (!key.empty())
        std::memcpy(target, key.data(), ClampLength(key.size()));
    if (!value.empty())
        std::memcpy(target + ClampLength(key.size()), value.data(), ClampLength(value.size()));
    return target;
}

void CTextTable::Set(std::string_view key, std::string_view value)
{
    key = key.substr(0, ClampLength(key.size()));
    value = value.substr(0, ClampLength(value.size()));
    if (m_slots.empty() || IsCrowded(m_entries.size() + 1, m_slots.size()))
        Rehash(m_slots.empty() ? kMinSlots : m_slots.size() * 2);
    const std::uint32_t hash = Hash(key);
    const size_t slot = FindSlot(key, hash);
    if (m_slots[slot].entry != 0) {
        // The old text stays in the arena, so views handed out earlier still
        // show the old value; a new copy of key and value takes its place.
        Entry& entry = m_entries[m_slots[slot].entry - 1];
        entry.text = Store(key, value);
        entry.valueLength = std::uint32_t(value.size());
        return;
    }
    m_entries.push_back(Entry{Store(key, value), std::uint32_t(key.size()), std::uint32_t(value.size())});
    m_slots[slot] = Slot{std::uint32_t(m_entries.size()), hash};
}

bool CTextTable::Lookup(std::string_view key, std::string_view& value) const
{
    if (m_entries.empty())
        return false;
    const std::uint32_t held = m_slots[FindSlot(key, Hash(key))].entry;
    if (held == 0)
        return false;
    value = ValueOf(m_entries[held - 1]);
    return true;
}

std::string_view CTextTable::Lookup(std::string_view key, const std::string_view& defaultValue) const
{
    std::string_view value;
    return Lookup(key, value) ? value : defaultValue;
}

bool CTextTable::Contains(std::string_view key) const
{
    std::string_view value;
    return Lookup(key, value);
}

void CTextTable::RemoveAll()
{
    // Gives the memory back, not only the entries.
    std::vector<Entry>().swap(m_entries);
    std::vector<Slot>().swap(m_slots);
    std::vector<std::unique_ptr<char[]>>().swap(m_blocks);
    m_blockFree = nullptr;
    m_blockRoom = 0;
}

bool CTextTable::operator==(const CTextTable& other) const
{
    if (GetCount() != other.GetCount())
        return false;
    for (const Entry& entry : m_entries) {
        std::string_view value;
        if (!other.Lookup(KeyOf(entry), value) || value != ValueOf(entry))
            return false;
    }
    return true;
}
