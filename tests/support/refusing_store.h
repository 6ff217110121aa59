// Database files that refuse the program: opened read-only whatever the file's permissions, or
// held locked by another connection while each operation runs. Both work for any user, root
// included, so the tests of what the program does then always run.
#pragma once

#include "io/database/store.h"

#include <QString>

#include <memory>

namespace kavren::testing {

enum class Refusal { ReadOnly, Locked };

// The store of a database file that refuses so.
std::unique_ptr<Store> refusingStore(const QString &path, Refusal refusal);

// While it lives, every database file the program opens refuses so; server addresses are left
// as they are.
class RefusingStores {
public:
    explicit RefusingStores(Refusal refusal);
    ~RefusingStores();
    RefusingStores(const RefusingStores &) = delete;
    RefusingStores &operator=(const RefusingStores &) = delete;

private:
    StoreFactory m_replaced;
};

} // namespace kavren::testing
