#include "frame/procedure_registry.h"

#include <map>
#include <mutex>
#include <string>

namespace {

std::mutex registryLock;
std::map<std::string, ProcedureEntry, std::less<>>& registry() {
    static std::map<std::string, ProcedureEntry, std::less<>> table;
    return table;
}

}  // namespace

void RegisterProcedure(std::string_view name, ProcedureEntry procedure) {
    std::lock_guard lock(registryLock);
    if (procedure)
        registry()[std::string(name)] = std::move(procedure);
    else
        registry().erase(std::string(name));
}

ProcedureEntry FindProcedure(std::string_view name) {
    std::lock_guard lock(registryLock);
    auto it = registry().find(name);
    return it == registry().end() ? ProcedureEntry() : it->second;
}
