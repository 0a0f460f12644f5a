#pragma once
// Prepared statements kept per connection, keyed by the text the driver runs, so that a text run again
// (every save runs the same UPDATE and history INSERT) skips parsing and planning.

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vq::db {

// Distinct texts a connection keeps prepared; the least recently used goes first.
inline constexpr std::size_t kStatementCacheSize = 64;

// What the connection's statement cache did so far.
struct StatementStats {
    std::uint64_t prepared = 0; // statements the driver parsed (a miss, or a text already in use)
    std::uint64_t reused = 0;   // runs served by a statement already prepared
    std::size_t cached = 0;     // statements held now
};

namespace detail {

// A least-recently-used map from statement text to a driver's statement.
template <class Entry> class StatementCache {
public:
    explicit StatementCache(std::size_t capacity) : capacity_(capacity) {}
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    std::size_t size() const { return order_.size(); }

    // The entry for the text, now the most recently used; nullptr when absent.
    Entry* find(std::string_view text) {
        const auto it = index_.find(text);
        if (it == index_.end())
            return nullptr;
        order_.splice(order_.begin(), order_, it->second);
        return &it->second->second;
    }

    // Adds the text's entry (absent before) and moves the least recently used beyond the capacity into
    // `evicted`, passing over those `pinned` says are in use. Returns the new entry.
    template <class Pinned>
    Entry& insert(std::string text, Entry entry, Pinned pinned, std::vector<Entry>& evicted) {
        for (auto it = order_.end(); order_.size() >= capacity_ && it != order_.begin();) {
            --it;
            if (pinned(it->second))
                continue;
            evicted.push_back(std::move(it->second));
            index_.erase(it->first);
            it = order_.erase(it);
        }
        order_.emplace_front(std::move(text), std::move(entry));
        index_.emplace(order_.front().first, order_.begin());
        return order_.front().second;
    }

    // Removes the text's entry, if any, and hands it back.
    std::vector<Entry> erase(std::string_view text) {
        std::vector<Entry> out;
        const auto it = index_.find(text);
        if (it == index_.end())
            return out;
        const auto node = it->second;
        out.push_back(std::move(node->second));
        index_.erase(it);
        order_.erase(node);
        return out;
    }

    // Empties the cache and hands every entry back.
    std::vector<Entry> clear() {
        std::vector<Entry> out;
        for (auto& [text, entry] : order_)
            out.push_back(std::move(entry));
        index_.clear();
        order_.clear();
        return out;
    }

private:
    using Order = std::list<std::pair<std::string, Entry>>; // most recent first; nodes never move
    std::size_t capacity_;
    Order order_;
    std::unordered_map<std::string_view, typename Order::iterator> index_; // views into order_'s keys
};

} // namespace detail

} // namespace vq::db
