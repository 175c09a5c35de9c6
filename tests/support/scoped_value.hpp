#pragma once

#include <utility>

namespace testing_support {

// Gives a global a value for the rest of the scope and puts the old one back
// when the scope ends, however it ends (a failed ASSERT returns early).
template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& target, T value) : target_(target), saved_(std::move(target)) {
    target_ = std::move(value);
  }
  ~ScopedValue() { target_ = std::move(saved_); }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& target_;
  T saved_;
};

}  // namespace testing_support
