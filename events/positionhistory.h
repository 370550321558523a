#pragma once

#include <optional>
#include <vector>

namespace tessel {

namespace events {

// The places a reader of the listing went to by following a link or an
// address, for Back and Forward. A new visit forgets the places ahead.
template <class Position>
class PositionHistory {
public:
    // Leaves `current` for somewhere else.
    void visit(const Position& current)
    {
        back_.push_back(current);
        forward_.clear();
    }
    // Where Back goes from `current`; nothing when there is no way back.
    std::optional<Position> back(const Position& current)
    {
        if (back_.empty())
            return std::nullopt;
        forward_.push_back(current);
        const Position to = back_.back();
        back_.pop_back();
        return to;
    }
    std::optional<Position> forward(const Position& current)
    {
        if (forward_.empty())
            return std::nullopt;
        back_.push_back(current);
        const Position to = forward_.back();
        forward_.pop_back();
        return to;
    }
    bool canGoBack() const { return !back_.empty(); }
    bool canGoForward() const { return !forward_.empty(); }
    void clear()
    {
        back_.clear();
        forward_.clear();
    }

private:
    std::vector<Position> back_;
    std::vector<Position> forward_;
};

}  // namespace events

}  // namespace tessel
