// Scope guards: work that must run when a scope is left, by any path or by an exception only.
#pragma once

#include <exception>
#include <utility>

// Runs the function when the scope is left, whichever way.
template <class F>
class ScopeExit {
  public:
    explicit ScopeExit(F f) : f_(std::move(f)) {}
    ~ScopeExit() { f_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    F f_;
};

// Runs the function only when the scope is left by an exception, which then goes on.
template <class F>
class ScopeFail {
  public:
    explicit ScopeFail(F f) : f_(std::move(f)), exceptions_(std::uncaught_exceptions()) {}
    ~ScopeFail() {
        if (std::uncaught_exceptions() > exceptions_)
            f_();
    }
    ScopeFail(const ScopeFail&) = delete;
    ScopeFail& operator=(const ScopeFail&) = delete;

  private:
    F f_;
    int exceptions_;
};
