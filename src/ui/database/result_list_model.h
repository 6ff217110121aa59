// The result list's entries: the tests of the last search as an item model, each entry showing the
// name, a tab and the date, and keeping the key of its own row. The list view draws only the
// entries in sight, so a search that finds a hundred thousand tests fills the list at once.
#pragma once

#include "io/database/search.h"

#include <QAbstractListModel>

#include <vector>

namespace kavren {

class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The found tests, already in list order, in one reset of the model.
    void setTests(std::vector<ListedTest> tests);
    void clear();
    // The test of an entry; nothing for a row outside the list.
    const ListedTest *testAt(int row) const;

private:
    std::vector<ListedTest> m_tests;
};

} // namespace kavren
