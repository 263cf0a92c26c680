#pragma once

#include <functional>
#include <utility>

namespace crossword {

// Runs an action when the scope ends, however it ends: what a run shows or sets while it
// works is taken away again after an error or a stop too.
class OnScopeExit {
 public:
  explicit OnScopeExit(std::function<void()> action) : action_(std::move(action)) {}
  ~OnScopeExit() { action_(); }
  OnScopeExit(const OnScopeExit&) = delete;
  OnScopeExit& operator=(const OnScopeExit&) = delete;

 private:
  std::function<void()> action_;
};

}  // namespace crossword
