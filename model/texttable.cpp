#include "model/texttable.h"

#include "platform/base/memory.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

// Ordinary texts share blocks; a small table keeps small blocks, a big one
// grows them up to the largest size. A text longer than a block's sixteenth
// gets a block of its own, so a block's unused end stays small.
constexpr size_t kFirstBlockSize = size_t(1) << 12;
constexpr size_t kBlockSize = size_t(1) << 23;
constexpr size_t kOwnBlockFrom = kBlockSize / 16;

// The index is kept at most three quarters full; with the hashes in the
// slots a probe run is a scan of neighbouring slots.
constexpr size_t kMinSlots = 16;

// Numbered keys: this many stems at most, and lists that stay within twice
// the entries plus this.
constexpr size_t kMaxStems = 64;
constexpr size_t kNumberedSlack = 4096;

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
    m_stems = std::move(other.m_stems);
    m_numberedPlaces = std::exchange(other.m_numberedPlaces, 0);
    m_numberedInHash = std::exchange(other.m_numberedInHash, 0);
    m_lastStem = 0;
    other.m_stems.clear();
    m_blocks = std::move(other.m_blocks);
    m_blockSizes = std::move(other.m_blockSizes);
    m_spare = std::move(other.m_spare);
    other.m_blockSizes.clear();
    other.m_spare.clear();
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
    // Eight bytes at a time with a multiply-and-fold mix: the keys are short
    // but there are millions of them in a large design.
    constexpr std::uint64_t k1 = 0x9E3779B97F4A7C15ull, k2 = 0xC2B2AE3D27D4EB4Full;
    std::uint64_t hash = key.size() * k1;
    const char* p = key.data();
    size_t left = key.size();
    auto mix = [&](std::uint64_t word) {
        word *= k2;
        word ^= word >> 31;
        hash = (hash ^ word) * k1;
    };
    for (; left >= 8; p += 8, left -= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        mix(word);
    }
    if (left > 0) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, left);
        mix(word);
    }
    hash ^= hash >> 29;
    hash *= k2;
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

void CTextTable::ReserveEntries(size_t count)
{
    m_entries.reserve(count);
    AdviseLargeBuffer(m_entries.data(), m_entries.capacity() * sizeof(Entry));
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
        m_blockSizes.push_back(size);
        target = m_blocks.back().get();
    } else {
        if (size > m_blockRoom) {
            const size_t grown = m_blocks.size() < 8 ? kFirstBlockSize << m_blocks.size() : kBlockSize;
            size_t blockSize = std::max(std::min(grown, kBlockSize), size);
            if (!m_spare.empty()) {
                blockSize = kBlockSize;  // spare blocks are all of the largest size
                m_blocks.push_back(std::move(m_spare.back()));
                m_spare.pop_back();
            } else {
                m_blocks.push_back(std::make_unique_for_overwrite<char[]>(blockSize));
                AdviseLargeBuffer(m_blocks.back().get(), blockSize);
            }
            m_blockSizes.push_back(blockSize);
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

bool CTextTable::SplitNumbered(std::string_view key, std::string_view& stem, std::uint32_t& number)
{
    // The number as "%d" writes it: digits only, no leading zero, at most nine.
    const size_t dash = key.rfind('-');
    if (dash == std::string_view::npos || dash == 0)
        return false;
    const std::string_view digits = key.substr(dash + 1);
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == '0'))
        return false;
    std::uint32_t n = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + std::uint32_t(c - '0');
    }
    stem = key.substr(0, dash + 1);
    number = n;
    return true;
}

std::uint32_t* CTextTable::NumberedSlot(std::string_view stem, std::uint32_t number, bool create)
{
    // A handful of stems; the one after the last is the likeliest.
    size_t found = m_stems.size();
    size_t at = m_lastStem;
    for (size_t step = 0; step < m_stems.size(); ++step) {
        if (++at >= m_stems.size())
            at = 0;
        const std::string& held = m_stems[at].stem;
        if (held.size() == stem.size() && std::memcmp(held.data(), stem.data(), stem.size()) == 0) {
            found = at;
            break;
        }
    }
    if (found == m_stems.size()) {
        if (!create || m_stems.size() >= kMaxStems)
            return nullptr;
        m_stems.push_back(NumberedStem{std::string(stem), {}});
    }
    m_lastStem = found;
    std::vector<std::uint32_t>& places = m_stems[found].byNumber;
    if (number >= places.size()) {
        // The lists may not outgrow the entries by much, so a key with a
        // huge number goes to the hash index instead of a huge list.
        const size_t grown = size_t(number) + 1 - places.size();
        if (!create || m_numberedPlaces + grown > 2 * m_entries.size() + kNumberedSlack)
            return nullptr;
        places.resize(size_t(number) + 1, 0);
        m_numberedPlaces += grown;
    }
    return &places[number];
}

const std::uint32_t* CTextTable::FindNumbered(std::string_view key) const
{
    std::string_view stem;
    std::uint32_t number = 0;
    if (m_stems.empty() || !SplitNumbered(key, stem, number))
        return nullptr;
    const std::uint32_t* place = const_cast<CTextTable*>(this)->NumberedSlot(stem, number, false);
    return place && *place != 0 ? place : nullptr;
}

void CTextTable::Set(std::string_view key, std::string_view value)
{
    key = key.substr(0, ClampLength(key.size()));
    value = value.substr(0, ClampLength(value.size()));
    auto replace = [&](std::uint32_t held) {
        // The old text stays in the arena, so views handed out earlier still
        // show the old value; a new copy of key and value takes its place.
        Entry& entry = m_entries[held - 1];
        entry.text = Store(key, value);
        entry.valueLength = std::uint32_t(value.size());
    };

    std::string_view stem;
    std::uint32_t number = 0;
    const bool numbered = SplitNumbered(key, stem, number);
    if (numbered && m_numberedInHash == 0) {
        // No numbered key lives in the hash index: the lists alone decide.
        if (std::uint32_t* place = NumberedSlot(stem, number, true)) {
            if (*place != 0)
                return replace(*place);
            m_entries.push_back(Entry{Store(key, value), std::uint32_t(key.size()), std::uint32_t(value.size())});
            *place = std::uint32_t(m_entries.size());
            return;
        }
    } else if (numbered) {
        if (std::uint32_t* place = NumberedSlot(stem, number, false); place && *place != 0)
            return replace(*place);
    }

    if (m_slots.empty() || IsCrowded(m_entries.size() + 1, m_slots.size()))
        Rehash(m_slots.empty() ? kMinSlots : m_slots.size() * 2);
    const std::uint32_t hash = Hash(key);
    const size_t slot = FindSlot(key, hash);
    if (m_slots[slot].entry != 0)
        return replace(m_slots[slot].entry);
    if (numbered) {
        // Once a numbered key lives in the hash index, new ones are checked
        // there first; until then the numbered lists alone decide.
        if (std::uint32_t* place = NumberedSlot(stem, number, true)) {
            m_entries.push_back(Entry{Store(key, value), std::uint32_t(key.size()), std::uint32_t(value.size())});
            *place = std::uint32_t(m_entries.size());
            return;
        }
        ++m_numberedInHash;
    }
    m_entries.push_back(Entry{Store(key, value), std::uint32_t(key.size()), std::uint32_t(value.size())});
    m_slots[slot] = Slot{std::uint32_t(m_entries.size()), hash};
}

bool CTextTable::Lookup(std::string_view key, std::string_view& value) const
{
    if (m_entries.empty())
        return false;
    if (const std::uint32_t* place = FindNumbered(key)) {
        value = ValueOf(m_entries[*place - 1]);
        return true;
    }
    if (m_slots.empty())
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
    std::vector<NumberedStem>().swap(m_stems);
    m_numberedPlaces = 0;
    m_numberedInHash = 0;
    m_lastStem = 0;
    std::vector<std::unique_ptr<char[]>>().swap(m_blocks);
    std::vector<size_t>().swap(m_blockSizes);
    std::vector<std::unique_ptr<char[]>>().swap(m_spare);
    m_blockFree = nullptr;
    m_blockRoom = 0;
}

void CTextTable::Clear()
{
    m_entries.clear();
    m_slots.clear();
    for (NumberedStem& stem : m_stems)
        std::fill(stem.byNumber.begin(), stem.byNumber.end(), 0u);
    m_numberedInHash = 0;
    m_lastStem = 0;
    // Blocks of the largest size are kept for the texts to come; the small
    // first ones and the blocks of single long texts go.
    for (size_t i = 0; i < m_blocks.size(); ++i) {
        if (m_blockSizes[i] == kBlockSize)
            m_spare.push_back(std::move(m_blocks[i]));
    }
    m_blocks.clear();
    m_blockSizes.clear();
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
