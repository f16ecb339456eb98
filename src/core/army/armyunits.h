#pragma once

#include "armypoints.h"
#include "armyunit.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The unit lines of an army with each line's points (count x unit size x
// figure cost) kept beside it, so that the total is summed without reading
// the fields again. Lines are shared, copy-on-write, between copies in blocks
// of kUnitsPerBlock, so an undo step keeps only the blocks it changed.
namespace tarvello {

// Where a unit line stands, for a message: "Unit line 3 (Dragon)".
std::string UnitLinePlace(std::size_t line, const ArmyUnit &unit);

class ArmyUnits
{
public:
    // Lines per shared block.
    static constexpr std::size_t kUnitsPerBlock = 256;

    ArmyUnits() = default;
    // The lines of units, in their order.
    explicit ArmyUnits(std::vector<ArmyUnit> units);

    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    const ArmyUnit &operator[](std::size_t line) const;
    // The line's points, as LinePoints counts them.
    double Points(std::size_t line) const;

    // Calls fn(line, points) for every line in order.
    void ForEach(const std::function<void(const ArmyUnit &, double)> &fn) const;
    // Calls fn(facts) with every line's kept facts in order.
    void ForEachFacts(const std::function<void(const LineFacts &)> &fn) const;
    // The first line for which match is true, or size().
    std::size_t FindFirst(const std::function<bool(const ArmyUnit &)> &match) const;
    // A plain copy of the lines.
    std::vector<ArmyUnit> Vector() const;

    void PushBack(ArmyUnit unit);
    // Replaces a line (its points are counted again).
    void Set(std::size_t line, ArmyUnit unit);
    // Removes count lines from first on (as far as there are).
    void Erase(std::size_t first, std::size_t count = 1);

    // Equal when they hold the same lines; shared blocks compare without
    // looking at their lines.
    bool operator==(const ArmyUnits &other) const;
    bool operator==(const std::vector<ArmyUnit> &other) const { return *this == ArmyUnits(other); }

    // Forward iteration over the lines.
    class Iterator
    {
    public:
        Iterator(const ArmyUnits *units, std::size_t line) : m_units(units), m_line(line) {}
        const ArmyUnit &operator*() const { return (*m_units)[m_line]; }
        Iterator &operator++()
        {
            ++m_line;
            return *this;
        }
        bool operator==(const Iterator &other) const = default;

    private:
        const ArmyUnits *m_units;
        std::size_t m_line;
    };
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, m_size}; }

private:
    struct Entry
    {
        std::shared_ptr<const ArmyUnit> unit;
        LineFacts facts;
    };
    using Block = std::vector<Entry>;
    using BlockPtr = std::shared_ptr<const Block>;

    static Entry MakeEntry(ArmyUnit unit);
    const Entry &EntryAt(std::size_t line) const;
    // The block holding line and the line's place in it.
    std::pair<std::size_t, std::size_t> Locate(std::size_t line) const;
    void Restart();
    Block &Writable(std::size_t block);

    std::vector<BlockPtr> m_blocks;
    // The index of each block's first line.
    std::vector<std::size_t> m_starts;
    std::size_t m_size = 0;
};

} // namespace tarvello
