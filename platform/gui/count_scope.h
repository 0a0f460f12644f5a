#pragma once
// Raises a re-entrancy counter for one scope, so that it drops again however the scope ends.

namespace vq::gui {

class CountScope {
public:
    explicit CountScope(int& n) : n_(n) { ++n_; }
    ~CountScope() { --n_; }
    CountScope(const CountScope&) = delete;
    CountScope& operator=(const CountScope&) = delete;

private:
    int& n_;
};

} // namespace vq::gui
