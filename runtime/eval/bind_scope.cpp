#include "runtime/eval/bind_scope.h"

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace rt {

namespace {

struct Scope {
    std::uint64_t id;
    std::unordered_map<std::string, std::shared_ptr<const BindGetter>> names;
};

// Scope ids only need to be unique within a thread, because each thread has its own stack.
struct ScopeStack {
    std::vector<Scope> scopes{Scope{0, {}}};
    std::uint64_t lastId = 0;
};

ScopeStack& stack() {
    thread_local ScopeStack threadStack;
    return threadStack;
}

// Names are plain ASCII, so an ASCII upper case is the key for case-insensitive matching.
std::string nameKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return key;
}

bool isSpellableName(std::string_view name) {
    if (name.empty()) return false;
    auto isLetter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!isLetter(name.front())) return false;
    for (char c : name) {
        if (!isLetter(c) && !(c >= '0' && c <= '9') && c != ':') return false;
    }
    return true;
}

}  // namespace

int openBindScope() {
    ScopeStack& s = stack();
    s.scopes.push_back(Scope{++s.lastId, {}});
    return static_cast<int>(s.scopes.size()) - 1;
}

bool closeBindScope() {
    ScopeStack& s = stack();
    if (s.scopes.size() <= 1) return false;
    s.scopes.pop_back();
    return true;
}

int bindScopeDepth() {
    return static_cast<int>(stack().scopes.size()) - 1;
}

std::uint64_t bindScopeId() {
    return stack().scopes.back().id;
}

bool bind(std::string_view name, BindGetter getter) {
    if (!getter || !isSpellableName(name)) return false;
    stack().scopes.back().names[nameKey(name)] =
        std::make_shared<const BindGetter>(std::move(getter));
    return true;
}

bool unbind(std::string_view name) {
    return stack().scopes.back().names.erase(nameKey(name)) > 0;
}

std::shared_ptr<const BindGetter> findBinding(std::string_view name) {
    const auto& names = stack().scopes.back().names;
    auto found = names.find(nameKey(name));
    return found == names.end() ? nullptr : found->second;
}

BindScopeGuard::BindScopeGuard() {
    openBindScope();
    scopeId_ = stack().scopes.back().id;
}

BindScopeGuard::~BindScopeGuard() {
    close();
}

void BindScopeGuard::close() {
    ScopeStack& s = stack();
    for (std::size_t i = s.scopes.size(); i-- > 1;) {
        if (s.scopes[i].id == scopeId_) {
            s.scopes.resize(i);
            return;
        }
    }
}

}  // namespace rt
