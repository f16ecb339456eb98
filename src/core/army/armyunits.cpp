#include "armyunits.h"

#include "armypoints.h"
#include "platform/explaintexts.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tarvello {

std::string UnitLinePlace(std::size_t line, const ArmyUnit &unit)
{
    constexpr std::size_t kNameShown = 64;
    const std::string &name = unit.Summary(kFigureName);
    const std::string shown = name.substr(0, kNameShown) + (name.size() > kNameShown ? "..." : "");
    return FillText(msg::kUnitLine, {std::to_string(line), shown});
}

ArmyUnits::ArmyUnits(std::vector<ArmyUnit> units)
{
    for (std::size_t first = 0; first < units.size(); first += kUnitsPerBlock) {
        auto block = std::make_shared<Block>();
        const std::size_t last = std::min(units.size(), first + kUnitsPerBlock);
        block->reserve(last - first);
        for (std::size_t i = first; i < last; ++i)
            block->push_back(MakeEntry(std::move(units[i])));
        m_blocks.push_back(std::move(block));
    }
    m_size = units.size();
    Restart();
}

ArmyUnits::Entry ArmyUnits::MakeEntry(ArmyUnit unit)
{
    const LineFacts facts = FactsOf(unit);
    return {std::make_shared<const ArmyUnit>(std::move(unit)), facts};
}

void ArmyUnits::Restart()
{
    m_starts.clear();
    m_starts.reserve(m_blocks.size());
    std::size_t start = 0;
    for (const BlockPtr &block : m_blocks) {
        m_starts.push_back(start);
        start += block->size();
    }
}

std::pair<std::size_t, std::size_t> ArmyUnits::Locate(std::size_t line) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), line);
    const auto block = static_cast<std::size_t>(std::distance(m_starts.begin(), after)) - 1;
    return {block, line - m_starts[block]};
}

const ArmyUnits::Entry &ArmyUnits::EntryAt(std::size_t line) const
{
    const auto [block, place] = Locate(line);
    return (*m_blocks[block])[place];
}

const ArmyUnit &ArmyUnits::operator[](std::size_t line) const
{
    return *EntryAt(line).unit;
}

double ArmyUnits::Points(std::size_t line) const
{
    return EntryAt(line).facts.points;
}

void ArmyUnits::ForEach(const std::function<void(const ArmyUnit &, double)> &fn) const
{
    for (const BlockPtr &block : m_blocks) {
        for (const Entry &entry : *block)
            fn(*entry.unit, entry.facts.points);
    }
}

void ArmyUnits::ForEachFacts(const std::function<void(const LineFacts &)> &fn) const
{
    for (const BlockPtr &block : m_blocks) {
        for (const Entry &entry : *block)
            fn(entry.facts);
    }
}

std::size_t ArmyUnits::FindFirst(const std::function<bool(const ArmyUnit &)> &match) const
{
    std::size_t line = 0;
    for (const BlockPtr &block : m_blocks) {
        for (const Entry &entry : *block) {
            if (match(*entry.unit))
                return line;
            ++line;
        }
    }
    return m_size;
}

std::vector<ArmyUnit> ArmyUnits::Vector() const
{
    std::vector<ArmyUnit> units;
    units.reserve(m_size);
    ForEach([&units](const ArmyUnit &unit, double) { units.push_back(unit); });
    return units;
}

void ArmyUnits::PushBack(ArmyUnit unit)
{
    if (m_blocks.empty() || m_blocks.back()->size() >= kUnitsPerBlock) {
        m_starts.push_back(m_size);
        m_blocks.push_back(std::make_shared<const Block>());
    }
    Writable(m_blocks.size() - 1).push_back(MakeEntry(std::move(unit)));
    ++m_size;
}

void ArmyUnits::Set(std::size_t line, ArmyUnit unit)
{
    const auto [block, place] = Locate(line);
    Writable(block)[place] = MakeEntry(std::move(unit));
}

// A block no other copy shares is changed in place; a shared one is copied.
ArmyUnits::Block &ArmyUnits::Writable(std::size_t block)
{
    if (m_blocks[block].use_count() != 1)
        m_blocks[block] = std::make_shared<const Block>(*m_blocks[block]);
    return const_cast<Block &>(*m_blocks[block]);
}

// Only the blocks that hold removed lines are copied; a block left empty goes.
void ArmyUnits::Erase(std::size_t first, std::size_t count)
{
    count = std::min(count, m_size - std::min(first, m_size));
    while (count > 0) {
        const auto [block, place] = Locate(first);
        const std::size_t taken = std::min(count, m_blocks[block]->size() - place);
        if (taken == m_blocks[block]->size()) {
            m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(block));
        } else {
            Block &kept = Writable(block);
            const auto from = kept.begin() + static_cast<std::ptrdiff_t>(place);
            kept.erase(from, from + static_cast<std::ptrdiff_t>(taken));
        }
        m_size -= taken;
        count -= taken;
        Restart();
    }
}

bool ArmyUnits::operator==(const ArmyUnits &other) const
{
    if (m_size != other.m_size)
        return false;
    std::size_t line = 0;
    std::size_t b = 0;
    while (line < m_size) {
        // Blocks that start at the same line and are shared hold the same lines.
        if (b < m_blocks.size() && b < other.m_blocks.size() && m_starts[b] == line
            && other.m_starts[b] == line && m_blocks[b] == other.m_blocks[b]) {
            line += m_blocks[b++]->size();
            continue;
        }
        const Entry &mine = EntryAt(line);
        const Entry &theirs = other.EntryAt(line);
        if (mine.unit != theirs.unit && *mine.unit != *theirs.unit)
            return false;
        ++line;
        if (b < m_blocks.size() && b + 1 < m_starts.size() && m_starts[b + 1] <= line)
            ++b;
    }
    return true;
}

} // namespace tarvello
