#include "support/child_entry.h"

#include <map>
#include <string>

namespace kavren::testing {

namespace {

std::map<std::string, ChildEntry> &entries() {
    static std::map<std::string, ChildEntry> registered;
    return registered;
}

} // namespace

bool registerChildEntry(const char *name, ChildEntry entry) {
    entries()[name] = entry;
    return true;
}

ChildEntry childEntry(const QByteArray &name) {
    const auto found = entries().find(name.toStdString());
    return found == entries().end() ? nullptr : found->second;
}

} // namespace kavren::testing
