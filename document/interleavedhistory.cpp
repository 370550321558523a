#include "document/interleavedhistory.h"

#include <algorithm>

namespace {

using Source = InterleavedHistory::Source;

int countOf(const std::vector<Source>& steps, Source source)
{
    return int(std::count(steps.begin(), steps.end(), source));
}

// Removes the newest (last) step of a source.
void removeNewest(std::vector<Source>& steps, Source source)
{
    const auto found = std::find(steps.rbegin(), steps.rend(), source);
    if (found != steps.rend())
        steps.erase(std::next(found).base());
}

// Drops the oldest steps of a source, or adds new ones, until it has `wanted`.
void fitCount(std::vector<Source>& steps, Source source, int wanted)
{
    int extra = countOf(steps, source) - std::max(0, wanted);
    if (extra < 0) {
        steps.insert(steps.end(), std::size_t(-extra), source);
        return;
    }
    steps.erase(std::remove_if(steps.begin(), steps.end(),
                               [&extra, source](Source s) { return s == source && extra-- > 0; }),
                steps.end());
}

}  // namespace

void InterleavedHistory::reset(Depths own, Depths document)
{
    undo_.assign(std::size_t(std::max(0, document.undo)), Source::Document);
    undo_.insert(undo_.end(), std::size_t(std::max(0, own.undo)), Source::Own);
    redo_.assign(std::size_t(std::max(0, own.redo)), Source::Own);
    redo_.insert(redo_.end(), std::size_t(std::max(0, document.redo)), Source::Document);
}

void InterleavedHistory::sync(Depths own, Depths document, int newOwnSteps)
{
    follow(Source::Own, own, newOwnSteps);
    follow(Source::Document, document, 0);
}

void InterleavedHistory::follow(Source source, Depths actual, int newSteps)
{
    if (newSteps > 0) {
        redo_.erase(std::remove(redo_.begin(), redo_.end(), source), redo_.end());
        undo_.insert(undo_.end(), std::size_t(newSteps), source);
    } else {
        const int undone = countOf(undo_, source) - actual.undo;
        const int redone = countOf(redo_, source) - actual.redo;
        // Steps that went from one side to the other keep their place in time.
        for (int k = std::min(undone, -redone); k > 0; --k) {
            removeNewest(undo_, source);
            redo_.push_back(source);
        }
        for (int k = std::min(-undone, redone); k > 0; --k) {
            removeNewest(redo_, source);
            undo_.push_back(source);
        }
    }
    fitCount(redo_, source, actual.redo);
    fitCount(undo_, source, actual.undo);
}

std::optional<InterleavedHistory::Source> InterleavedHistory::nextUndo() const
{
    return undo_.empty() ? std::nullopt : std::optional(undo_.back());
}

std::optional<InterleavedHistory::Source> InterleavedHistory::nextRedo() const
{
    return redo_.empty() ? std::nullopt : std::optional(redo_.back());
}
