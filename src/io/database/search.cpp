#include "io/database/search.h"

#include "io/database/store.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <iterator>
#include <limits>

namespace kavren {

namespace {

// How many tests one step of the search merges for each row it would read: merging a test costs
// a small part of reading one.
constexpr std::size_t MergedPerRead = 4;

template <typename Row> bool listedBefore(const Row &a, const Row &b) {
    // Comparing name and then date orders the entries as their texts "name, tab, date" do, the
    // tab sorting below every printable character, without building the texts.
    int order = a.name.compare(b.name, Qt::CaseInsensitive);
    if (order == 0)
        order = a.testDate.compare(b.testDate, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.rowId < b.rowId;
}

// Orders the pages being merged so that a heap keeps the page whose next test comes first in the
// list on top.
struct LaterPage {
    const std::vector<ListedTest> &tests;
    template <typename Cursor> bool operator()(const Cursor &a, const Cursor &b) const {
        return listedBefore(tests[b.next], tests[a.next]);
    }
};

} // namespace

QString ListedTest::listText() const {
    return name + u'\t' + testDate;
}

QString TestRow::listText() const {
    return name + u'\t' + testDate;
}

ValuesResult listCriterionValues(const QString &databasePath, const QString &searchField) {
    return openStore(databasePath)->criterionValues(searchField);
}

void sortLikeResultList(std::vector<TestRow> &rows) {
    std::sort(rows.begin(), rows.end(), listedBefore<TestRow>);
}

void sortLikeResultList(std::vector<ListedTest> &tests) {
    // A long list holds each horse many times: the distinct names are ordered once, and the
    // entries then by the rank of their name, so the costly comparison without regard to case
    // runs on a few thousand names instead of a hundred thousand entries.
    QHash<QString, int> rankOfName;
    for (const ListedTest &test : tests)
        rankOfName.insert(test.name, 0);
    QStringList names = rankOfName.keys();
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    for (int rank = 0; rank < names.size(); ++rank)
        rankOfName[names[rank]] = rank;
    // Names equal without regard to case share a rank, as they share a place in the list.
    for (int rank = 1; rank < names.size(); ++rank)
        if (names[rank].compare(names[rank - 1], Qt::CaseInsensitive) == 0)
            rankOfName[names[rank]] = rankOfName[names[rank - 1]];

    struct Entry {
        int nameRank;
        std::size_t index;
    };
    std::vector<Entry> entries;
    entries.reserve(tests.size());
    for (std::size_t i = 0; i < tests.size(); ++i)
        entries.push_back({rankOfName.value(tests[i].name), i});
    std::sort(entries.begin(), entries.end(), [&tests](const Entry &a, const Entry &b) {
        if (a.nameRank != b.nameRank)
            return a.nameRank < b.nameRank;
        const ListedTest &first = tests[a.index];
        const ListedTest &second = tests[b.index];
        const int order = first.testDate.compare(second.testDate, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : first.rowId < second.rowId;
    });
    std::vector<ListedTest> sorted;
    sorted.reserve(tests.size());
    for (const Entry &entry : entries)
        sorted.push_back(std::move(tests[entry.index]));
    tests = std::move(sorted);
}

FoundTests findTests(const QString &databasePath, const QString &searchField,
                     const QByteArray &storedValue) {
    PagedTestSearch search(databasePath, searchField, storedValue);
    while (search.readMore(std::numeric_limits<int>::max())) {
    }
    FoundTests found;
    found.error = search.error();
    found.tests = search.takeSorted();
    return found;
}

PagedTestSearch::PagedTestSearch(const QString &databasePath, const QString &searchField,
                                 const QByteArray &storedValue)
    : m_reader(openStore(databasePath)->findTests(searchField, storedValue)) {
    m_error = m_reader->error();
}

PagedTestSearch::~PagedTestSearch() = default;

bool PagedTestSearch::readMore(int rows) {
    if (!m_reader)
        return mergeSome(std::size_t(std::max(rows, 1)) * MergedPerRead);
    const std::size_t begin = m_tests.size();
    const bool more = m_reader->readMore(rows, m_tests);
    if (m_tests.size() > begin) {
        std::sort(m_tests.begin() + qsizetype(begin), m_tests.end(), listedBefore<ListedTest>);
        m_pages.push_back(begin);
    }
    if (more)
        return true;
    m_error = m_reader->error();
    m_reader.reset();          // done: the database is released at once
    if (m_pages.size() <= 1) { // one page is in order already
        m_sorted = std::move(m_tests);
        m_pages.clear();
        return false;
    }
    m_pages.push_back(m_tests.size());
    for (std::size_t page = 0; page + 1 < m_pages.size(); ++page)
        m_merging.push_back({m_pages[page], m_pages[page + 1]});
    m_pages.clear();
    std::make_heap(m_merging.begin(), m_merging.end(), LaterPage{m_tests});
    m_sorted.reserve(m_tests.size());
    return true;
}

bool PagedTestSearch::mergeSome(std::size_t count) {
    const LaterPage later{m_tests};
    for (; count > 0 && m_merging.size() > 1; --count) {
        std::pop_heap(m_merging.begin(), m_merging.end(), later);
        Cursor &first = m_merging.back();
        m_sorted.push_back(std::move(m_tests[first.next]));
        if (++first.next == first.end)
            m_merging.pop_back();
        else
            std::push_heap(m_merging.begin(), m_merging.end(), later);
    }
    if (m_merging.size() == 1) { // the rest of the last page follows as it stands
        const Cursor last = m_merging.front();
        std::move(m_tests.begin() + qsizetype(last.next), m_tests.begin() + qsizetype(last.end),
                  std::back_inserter(m_sorted));
        m_merging.clear();
    }
    if (!m_merging.empty())
        return true;
    m_tests.clear();
    m_tests.shrink_to_fit();
    return false;
}

std::vector<ListedTest> PagedTestSearch::takeSorted() {
    while (readMore(std::numeric_limits<int>::max())) {
    }
    return std::move(m_sorted);
}

LoadedRow readListedRow(const QString &databasePath, qint64 rowId) {
    return openStore(databasePath)->readRow(rowId);
}

SearchResult searchTests(const QString &databasePath, const QString &searchField,
                         const QString &value) {
    return searchStoredTests(databasePath, searchField, value.toUtf8());
}

SearchResult searchStoredTests(const QString &databasePath, const QString &searchField,
                               const QByteArray &storedValue) {
    return openStore(databasePath)->searchStored(searchField, storedValue);
}

EraseResult eraseTests(const QString &databasePath, const std::vector<TestRow> &selected) {
    std::vector<ListedTest> listed;
    for (const TestRow &row : selected)
        listed.push_back(row.listed());
    return eraseTests(databasePath, listed);
}

EraseResult eraseTests(const QString &databasePath, const std::vector<ListedTest> &selected) {
    return openStore(databasePath)->erase(selected);
}

QString notAllErasedMessage(int erased, std::size_t selected, const QString &shownDatabase) {
    if (erased >= int(selected))
        return {};
    return QCoreApplication::translate(
               "Database", "%1 of the %2 selected tests were no longer in the database \"%3\".")
        .arg(int(selected) - erased)
        .arg(selected)
        .arg(shownDatabase);
}

} // namespace kavren
