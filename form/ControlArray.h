#pragma once

#include "form/Form.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace nonagra::form {

// Controls of one kind that share a name and are told apart by index. Only the
// indexes given at construction exist; any other index fails, as an
// out-of-range subscript does.
template <class T> class ControlArray {
public:
    ControlArray(Form& owner, std::string name, const std::vector<int>& indexes) : name_(name) {
        int highest = 0;
        for (int index : indexes) {
            highest = index > highest ? index : highest;
        }
        slot_.assign(static_cast<std::size_t>(highest) + 1, -1);
        for (int index : indexes) {
            slot_.at(static_cast<std::size_t>(index)) = static_cast<int>(members_.size());
            members_.emplace_back(owner, name, index);
            indexes_.push_back(index);
        }
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    T& operator[](long long index) { return members_[position(index)]; }
    const T& operator[](long long index) const { return members_[position(index)]; }

    bool exists(long long index) const {
        return index >= 0 && index < static_cast<long long>(slot_.size()) &&
               slot_[static_cast<std::size_t>(index)] >= 0;
    }
    const std::vector<int>& indexes() const { return indexes_; }
    std::size_t size() const { return members_.size(); }
    const std::string& name() const { return name_; }

    auto begin() { return members_.begin(); }
    auto end() { return members_.end(); }
    auto begin() const { return members_.begin(); }
    auto end() const { return members_.end(); }

private:
    std::size_t position(long long index) const {
        if (!exists(index)) {
            throw std::out_of_range(name_ + ": no control with index " + std::to_string(index));
        }
        return static_cast<std::size_t>(slot_[static_cast<std::size_t>(index)]);
    }

    std::string name_;
    std::deque<T> members_; // a deque never moves its elements, which are bound to the form
    std::vector<int> slot_;
    std::vector<int> indexes_;
};

} // namespace nonagra::form
