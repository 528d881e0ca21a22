#include "frame/procedure_registry.h"

#include "frame/procedure_catalogue.h"

#include <map>
#include <mutex>
#include <stdexcept>
#include <string>

namespace {

std::mutex registryLock;
std::map<std::string, ProcedureEntry, std::less<>>& registry() {
    static std::map<std::string, ProcedureEntry, std::less<>> table;
    return table;
}

void requireKnown(std::string_view name) {
    if (!IsKnownProcedure(name))
        throw std::logic_error("no procedure of the program is named \"" + std::string(name) +
                               "\"");
}

}  // namespace

void RegisterProcedure(std::string_view name, ProcedureEntry procedure) {
    requireKnown(name);
    std::lock_guard lock(registryLock);
    if (procedure)
        registry()[std::string(name)] = std::move(procedure);
    else
        registry().erase(std::string(name));
}

ProcedureEntry FindProcedure(std::string_view name) {
    requireKnown(name);
    std::lock_guard lock(registryLock);
    auto it = registry().find(name);
    return it == registry().end() ? ProcedureEntry() : it->second;
}
