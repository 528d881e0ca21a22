#pragma once
// BIND: names that filter expressions may refer to, each bound to a getter that yields the
// name's current value when a filter is evaluated.
//
// Names live in scopes. Every thread has its own stack of scopes with a base scope at the
// bottom that is never closed; each procedure opens a scope at entry and closes it on return.
// Only the innermost scope is visible: a called procedure does not see its caller's names,
// and they are visible again once it has closed its scope. Names are matched without regard
// to case and may contain ':' and '::' ("MAI:LASTNAME", "Report:Save::CHE:LastName").

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "runtime/text/value.h"

namespace rt {

using BindGetter = std::function<Value()>;

// Opens a new innermost scope on the running thread and returns its depth (the base scope
// is depth 0, the first procedure scope depth 1).
int openBindScope();

// Closes the innermost scope with every name in it. The base scope stays: closing with no
// procedure scope open does nothing and answers false.
bool closeBindScope();

// The depth of the innermost scope on the running thread.
int bindScopeDepth();

// The innermost scope's id: on the running thread no other scope ever has it, so a caller
// that binds the same names again and again can tell that they are bound there already.
std::uint64_t bindScopeId();

// Binds `name` in the innermost scope, replacing an earlier binding of the same name there.
// Refuses (answers false, binds nothing) an empty getter and a name that a filter could not
// spell: it must start with a letter or '_' and hold only letters, digits, '_' and ':'.
bool bind(std::string_view name, BindGetter getter);

// Removes `name` from the innermost scope; false when it was not bound there.
bool unbind(std::string_view name);

// The getter of `name` in the innermost scope, or null when the name is not bound there.
std::shared_ptr<const BindGetter> findBinding(std::string_view name);

// Opens a scope for the lifetime of the guard. `close()` ends it early (the return routine
// does so explicitly); closing twice, or after the scope was closed by closeBindScope(), is
// harmless. Closing also closes any scope opened inside it and left open.
class BindScopeGuard {
  public:
    BindScopeGuard();
    ~BindScopeGuard();
    BindScopeGuard(const BindScopeGuard&) = delete;
    BindScopeGuard& operator=(const BindScopeGuard&) = delete;

    void close();

  private:
    std::uint64_t scopeId_;
};

}  // namespace rt
