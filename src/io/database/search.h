// Finding saved tests: the values that occur in the column of a search criterion, the tests whose
// column equals a chosen value, and the erasing of selected tests. Each found test keeps the row
// id of its own row, so that a list entry always stands for exactly that row.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include <vector>

namespace kavren {

class TestReader;

// A found test as the result list holds it: the row's own key and the two columns its entry shows.
struct ListedTest {
    qint64 rowId = 0;
    QString name;     // Namn
    QString testDate; // Datum as text

    // The text of its entry in the result list: name, a tab, the date.
    QString listText() const;
};

// One row of mytable held as texts (ExDatum is not held). A column without value reads as "".
struct TestRow {
    qint64 rowId = 0;
    QString name;        // Namn
    QString testDate;    // Datum, "yyyy-mm-dd hh:mm:ss"
    QString breed;       // Ras
    QString age;         // Ålder
    QString sex;         // Kön
    QString discipline;  // Disiplin
    QString pictureName; // Bitmap
    QString stepData;    // Data
    QString comments;    // Kommentarer
    QString maxHr;       // Maxpuls
    QString stable;      // Stall
    QString trainer;     // Coach

    // The text of its entry in the result list: name, a tab, the date.
    QString listText() const;
    ListedTest listed() const { return {rowId, name, testDate}; }
};

// SearchField names of the criterion options Option1..Option7 ("Name" … "Date").
inline const QStringList SearchFields = {
    QStringLiteral("Namn"),    QStringLiteral("Ras"),   QStringLiteral("Ålder"),
    QStringLiteral("Kön"),     QStringLiteral("Stall"), QStringLiteral("Coach"),
    QStringLiteral("ExDatum"),
};
inline const QString DefaultSearchField = QStringLiteral("Namn");

struct ValuesResult {
    QStringList values; // for the combo; empty when none was read or the last one is empty
    // The exact stored value of each listed value, in the same order: a value written by another
    // program in another encoding shows with replacement characters but is searched as stored.
    QList<QByteArray> storedValues;
    QString error; // why the file could not be listed; empty on success
};

// "öppna arbete": the distinct values of the criterion's column, in column order. Also adds the
// search indexes to a file made by an older version, and creates the default "Start.mdb" on
// first use.
ValuesResult listCriterionValues(const QString &databasePath, const QString &searchField);

struct SearchResult {
    std::vector<TestRow> rows; // in the order of the result list: by name, then date text
    QString error;
};

// Every test whose criterion column equals the value, which is bound as it is: an apostrophe in
// it is found like any other character. There is no limit on the number of rows.
SearchResult searchTests(const QString &databasePath, const QString &searchField,
                         const QString &value);
// The same with the value as stored (the bytes of a listed value): every column of the tests
// that findTests lists, for the export of a result list.
SearchResult searchStoredTests(const QString &databasePath, const QString &searchField,
                               const QByteArray &storedValue);

struct FoundTests {
    std::vector<ListedTest> tests; // in the order of the result list: by name, then date text
    QString error;
};

// The tests whose criterion column holds exactly the stored value (the bytes of a listed value, or
// the UTF-8 of a typed one), fetching only what the result list shows and each row's key.
FoundTests findTests(const QString &databasePath, const QString &searchField,
                     const QByteArray &storedValue);

// The same search read a page at a time, so that a window listing a hundred thousand tests keeps
// reacting between pages. Each page is put in list order as it is read; once all are read, the
// pages are merged a part at a time, so that no single step holds the window long. The file stays
// open for reading until the last page is read or the search is dropped.
class PagedTestSearch {
public:
    PagedTestSearch(const QString &databasePath, const QString &searchField,
                    const QByteArray &storedValue);
    ~PagedTestSearch();
    PagedTestSearch(const PagedTestSearch &) = delete;
    PagedTestSearch &operator=(const PagedTestSearch &) = delete;

    // One step of the search: reads up to `rows` more tests, or once all are read merges a part
    // of the pages into list order. True while more steps are needed.
    bool readMore(int rows);
    // Why the search failed or stopped early; empty while all is well.
    const QString &error() const { return m_error; }
    // Everything read, in the order of the result list (what is left of the merging is done now).
    std::vector<ListedTest> takeSorted();

private:
    struct Cursor {
        std::size_t next, end;
    };
    // Moves up to `count` more tests into list order; true while some remain.
    bool mergeSome(std::size_t count);

    std::unique_ptr<TestReader> m_reader;
    std::vector<ListedTest> m_tests;  // as read, each page in list order
    std::vector<std::size_t> m_pages; // where each page of m_tests begins
    std::vector<Cursor> m_merging;    // a heap of the pages not yet merged, first test on top
    std::vector<ListedTest> m_sorted;
    QString m_error;
};

struct LoadedRow {
    std::optional<TestRow> row; // empty when the row is gone
    QString error;
};

// The one row of a clicked entry, read by its key.
LoadedRow readListedRow(const QString &databasePath, qint64 rowId);

// Sorts rows the way the result list orders its entries (by entry text, letter case ignored),
// rows with the same text kept in the order of their row ids.
void sortLikeResultList(std::vector<TestRow> &rows);
void sortLikeResultList(std::vector<ListedTest> &tests);

struct EraseResult {
    int erased = 0;
    QString error; // why some or all of the selected tests were not erased
};

// Deletes exactly the given rows, in one transaction. A row is deleted only while it still holds
// the name and date it was listed with, so that a file changed by another program in between
// never loses a different test.
EraseResult eraseTests(const QString &databasePath, const std::vector<ListedTest> &selected);
// What an erase says when fewer rows went than were selected (the others had gone or changed);
// empty when all went.
QString notAllErasedMessage(int erased, std::size_t selected, const QString &shownDatabase);
EraseResult eraseTests(const QString &databasePath, const std::vector<TestRow> &selected);

} // namespace kavren
