// The horse's identity as the entry fields hold it, and its copy into the records that carry it
// (the test to save, the report page).
#pragma once

#include <QString>

namespace kavren {

// The horse's identity as typed: name, breed, age, sex, stable, trainer, maximum and resting heart
// rate (Text4…Text8, Text60, Text21, Text57), in the order the fields stand.
struct HorseIdentity {
    QString name;
    QString breed;
    QString age;
    QString sex;
    QString stable;
    QString trainer;
    QString maxHr;
    QString restHr;
};

// Copies the identity into a record with fields of the same names. The resting heart rate is not
// stored with a test nor printed, so it is left out.
template <typename Record> void copyIdentity(const HorseIdentity &identity, Record &record) {
    record.name = identity.name;
    record.breed = identity.breed;
    record.age = identity.age;
    record.sex = identity.sex;
    record.stable = identity.stable;
    record.trainer = identity.trainer;
    record.maxHr = identity.maxHr;
}

} // namespace kavren
