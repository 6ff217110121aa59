// The search frame's controls, placed in twips inside the frame, and what they tell the window.
#include "ui/database/search_panel.h"

#include "ui/database/result_list_model.h"
#include "ui/common/twips.h"
#include "ui/common/named_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace kavren {

namespace {

constexpr int ButtonHeight = 375;

QCheckBox *makeTick(QWidget *frame, const char *name, const QString &caption, int index) {
    return namedControl<QCheckBox>(
        frame, name, caption,
        twipsRect(120 + (index % 2) * 1700, 6180 + (index / 2) * 300, 1600, 285));
}

} // namespace

SearchPanel::SearchPanel(QWidget *area, const QRect &geometry)
    : QGroupBox(tr("Search criteria"), area) {
    setObjectName(QStringLiteral("SSFrame2"));
    setGeometry(geometry);
    buildCriteria();
    buildResults();
    buildTicks();
}

void SearchPanel::buildCriteria() {
    // The captions only: the criterion searched for is chosen by position, never by this text.
    static constexpr const char *captions[] = {QT_TRANSLATE_NOOP("kavren::SearchPanel", "Name"),
                                               QT_TRANSLATE_NOOP("kavren::SearchPanel", "Breed"),
                                               QT_TRANSLATE_NOOP("kavren::SearchPanel", "Age"),
                                               QT_TRANSLATE_NOOP("kavren::SearchPanel", "Sex"),
                                               QT_TRANSLATE_NOOP("kavren::SearchPanel", "Stable"),
                                               QT_TRANSLATE_NOOP("kavren::SearchPanel", "Trainer"),
                                               QT_TRANSLATE_NOOP("kavren::SearchPanel", "Date")};
    for (int i = 0; i < CriterionCount; ++i) {
        auto *option = new QRadioButton(tr(captions[i]), this);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setGeometry(twipsRect(120 + (i % 2) * 1700, 300 + (i / 2) * 300, 1600, 285));
        connect(option, &QRadioButton::clicked, this, [this, i] { emit criterionClicked(i); });
        m_criteria[std::size_t(i)] = option;
    }
    m_values = new QComboBox(this);
    m_values->setObjectName(QStringLiteral("Combo1"));
    m_values->setEditable(true);
    m_values->setGeometry(twipsRect(120, 1560, 3360, 315));
    m_values->setAccessibleName(tr("Search value"));
    connect(m_values, &QComboBox::activated, this, &SearchPanel::valueChosen);
    //: Lists the values of the chosen search criterion ("open work").
    m_listValues = new QPushButton(tr("öppna arbete"), this);
    m_listValues->setObjectName(QStringLiteral("SSCommand8"));
    m_listValues->setGeometry(twipsRect(120, 1980, 3360, ButtonHeight));
    connect(m_listValues, &QPushButton::clicked, this, &SearchPanel::valuesRequested);
}

void SearchPanel::buildResults() {
    m_resultList = new QListView(this);
    m_resultList->setObjectName(QStringLiteral("List1"));
    m_resultList->setAccessibleName(tr("Tests found"));
    // Entries arrive sorted by their text (name, tab, date), equal texts in the order they were
    // saved; the list shows them in that order. Entries of one height let the view lay out any
    // number of them without measuring each.
    m_results = new ResultListModel(m_resultList);
    m_resultList->setModel(m_results);
    m_resultList->setUniformItemSizes(true);
    m_resultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_resultList->setGeometry(twipsRect(120, 2460, 3360, 3600));
    connect(m_resultList, &QListView::clicked, this,
            [this](const QModelIndex &entry) { emit resultClicked(entry.row()); });
}

void SearchPanel::buildTicks() {
    m_testPicture = makeTick(this, "SSCheck1", tr("Background"), 0);
    m_freeze = makeTick(this, "SSCheck2", tr("Freeze curve"), 1);
    m_erase = makeTick(this, "SSCheck3", tr("Erase work"), 2);
}

int SearchPanel::chosenCriterion() const {
    const auto checked =
        std::find_if(m_criteria.begin(), m_criteria.end(),
                     [](const QRadioButton *option) { return option->isChecked(); });
    return checked == m_criteria.end() ? -1 : int(checked - m_criteria.begin());
}

void SearchPanel::chooseCriterion(int criterion) {
    if (criterion >= 0 && criterion < CriterionCount)
        m_criteria[std::size_t(criterion)]->setChecked(true);
}

void SearchPanel::setCriterionValues(const QStringList &shown, const QList<QByteArray> &stored) {
    m_values->show();
    m_values->clear();
    m_values->addItems(shown);
    // Each value keeps the bytes it is stored as, which a search then matches exactly.
    for (int i = 0; i < stored.size() && i < shown.size(); ++i)
        m_values->setItemData(i, stored[i]);
    m_values->setCurrentIndex(-1);
}

void SearchPanel::focusValues() {
    m_values->show();
    m_values->setFocus();
}

void SearchPanel::hideValues() {
    m_values->hide();
}

bool SearchPanel::freezesCurve() const {
    return m_freeze->isChecked();
}

void SearchPanel::clearEnteredValue() {
    m_values->setEditText(QString());
}

QByteArray SearchPanel::searchValue() const {
    const int chosen = m_values->currentIndex();
    return chosen >= 0 && m_values->itemText(chosen) == m_values->currentText()
               ? m_values->itemData(chosen).toByteArray()
               : m_values->currentText().toUtf8();
}

std::vector<int> SearchPanel::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex &entry : m_resultList->selectionModel()->selectedRows())
        rows.push_back(entry.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool SearchPanel::showsTestPicture() const {
    return m_testPicture->isChecked();
}

void SearchPanel::setShowsTestPicture(bool on) {
    m_testPicture->setChecked(on);
}

bool SearchPanel::erasesTests() const {
    return m_erase->isChecked();
}

void SearchPanel::setErasesTests(bool on) {
    m_erase->setChecked(on);
}

void SearchPanel::clear() {
    m_values->clear();
    m_results->clear();
}

} // namespace kavren
