#include "ui/database/result_list_model.h"

namespace kavren {

int ResultListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_tests.size());
}

QVariant ResultListModel::data(const QModelIndex &index, int role) const {
    const ListedTest *test = index.isValid() ? testAt(index.row()) : nullptr;
    if (!test || role != Qt::DisplayRole)
        return QVariant();
    return test->listText();
}

void ResultListModel::setTests(std::vector<ListedTest> tests) {
    beginResetModel();
    m_tests = std::move(tests);
    endResetModel();
}

void ResultListModel::clear() {
    if (m_tests.empty())
        return;
    setTests({});
}

const ListedTest *ResultListModel::testAt(int row) const {
    if (row < 0 || std::size_t(row) >= m_tests.size())
        return nullptr;
    return &m_tests[std::size_t(row)];
}

} // namespace kavren
