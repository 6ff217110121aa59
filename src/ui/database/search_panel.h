// The frame "Search criteria" (SSFrame2): the seven criterion options, the values of the chosen
// criterion (Combo1) with "öppna arbete" to list them, the result list of the tests found (List1)
// and the ticks "Background", "Freeze curve" and "Erase work" that say what a click on a test does.
#pragma once

#include <QByteArray>
#include <QGroupBox>
#include <QList>
#include <QStringList>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QListView;
class QPushButton;
class QRadioButton;

namespace kavren {

class ResultListModel;

class SearchPanel : public QGroupBox {
    Q_OBJECT
public:
    // The seven criteria: name, breed, age, sex, stable, trainer and date (Option1…Option7).
    static constexpr int CriterionCount = 7;

    // Places the frame on the window area at geometry (pixels of the design layout).
    SearchPanel(QWidget *area, const QRect &geometry);

    // The tests of the last search, by list entry.
    ResultListModel *results() const { return m_results; }
    // "Freeze curve" (SSCheck2): the report and the graph read it too.
    QCheckBox *freezeBox() const { return m_freeze; }
    bool freezesCurve() const;

    // The criterion whose option is checked (0 = name … 6 = date); -1 when none is.
    int chosenCriterion() const;
    // Checks a criterion's option as the program does, without telling anyone.
    void chooseCriterion(int criterion);

    // Fills the values of the criterion, each keeping the bytes it is stored as; none is chosen.
    void setCriterionValues(const QStringList &shown, const QList<QByteArray> &stored);
    // Shows the value list and gives it the focus.
    void focusValues();
    // Hides the value list until a criterion's values are listed.
    void hideValues();
    // Empties the text typed into the value box, keeping the listed values.
    void clearEnteredValue();
    // The value to search for: the stored bytes of the value chosen from the list, or the typed
    // text as UTF-8 when it is not one of the listed values.
    QByteArray searchValue() const;

    // The rows of the result list selected now, in list order.
    std::vector<int> selectedRows() const;

    // "Background" (SSCheck1): a loaded test brings its own picture.
    bool showsTestPicture() const;
    void setShowsTestPicture(bool on);
    // "Erase work" (SSCheck3): a click on a test erases the selected tests.
    bool erasesTests() const;
    void setErasesTests(bool on);

    // Empties the value list and the result list; the ticks and the criterion stay.
    void clear();

signals:
    // The user clicked a criterion's option.
    void criterionClicked(int criterion);
    // "öppna arbete": list the values of the criterion.
    void valuesRequested();
    // A value was chosen in the value box: find the tests.
    void valueChosen();
    // A test of the result list was clicked.
    void resultClicked(int row);

private:
    void buildCriteria();
    void buildResults();
    void buildTicks();

    std::array<QRadioButton *, CriterionCount> m_criteria{};
    QComboBox *m_values = nullptr;       // Combo1
    QPushButton *m_listValues = nullptr; // SSCommand8 "öppna arbete"
    QListView *m_resultList = nullptr;   // List1
    ResultListModel *m_results = nullptr;
    QCheckBox *m_testPicture = nullptr; // SSCheck1 "Background"
    QCheckBox *m_freeze = nullptr;      // SSCheck2 "Freeze curve"
    QCheckBox *m_erase = nullptr;       // SSCheck3 "Erase work"
};

} // namespace kavren
