// A small reader of RFC 4180 CSV for checking exported files: records of comma-separated fields,
// a quoted field may hold commas, line breaks and doubled quotes. Any flaw in the text (a quote
// inside an unquoted field, text after a closing quote, an unclosed quote, a record not ended by
// CR LF) is reported rather than guessed around.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace kavren::testing {

struct CsvReading {
    std::vector<QStringList> records;
    QString error; // empty when the text is well-formed
};

CsvReading readCsv(const QString &text);

} // namespace kavren::testing
