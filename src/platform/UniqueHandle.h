#pragma once
// One owner for every kind of handle the program holds, and one guard for
// work that must run when a scope ends.  A traits type names the handle type,
// its "nothing" value and how a handle is released; traits that carry state
// (the registry a key came from) travel with the handle.
#include <type_traits>
#include <utility>

namespace platform {

template <class Traits>
class UniqueHandle : private Traits {
 public:
  using Type = typename Traits::Type;

  UniqueHandle() = default;
  explicit UniqueHandle(Type handle, Traits traits = {})
      : Traits(std::move(traits)), handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept
      : Traits(static_cast<Traits&&>(other)), handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();  // released by the traits it came with
      static_cast<Traits&>(*this) = static_cast<Traits&&>(other);
      handle_ = other.release();
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Type get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  // Calls through a handle that is a pointer to an object (a COM interface).
  Type operator->() const requires std::is_class_v<std::remove_pointer_t<Type>> { return handle_; }
  // For an out parameter: what is held is released first.
  Type* Out() {
    reset();
    return &handle_;
  }

  Type release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Type handle = Traits::Invalid()) {
    const Type old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) static_cast<Traits&>(*this).Close(old);
  }

 private:
  Type handle_ = Traits::Invalid();
};

// Runs `work` when the scope ends, however it ends.  Nothing may leave a
// destructor: work that can raise catches for itself.
template <class Work>
class ScopeExit {
 public:
  explicit ScopeExit(Work work) : work_(std::move(work)) {}
  ~ScopeExit() { work_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Work work_;
};

}  // namespace platform
