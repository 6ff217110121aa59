// The main window's database work: choosing, creating and erasing database files, saving the test
// on screen, listing the values of a search criterion, finding tests, loading or erasing them,
// clear-all and "Clear screen".
#include "ui/main_window/laktat.h"

#include "ui/threshold/threshold_panel.h"
#include "ui/comparison/comparison_panel.h"
#include "ui/database/create_database_panel.h"
#include "ui/comparison/csv_export_dialog.h"
#include "io/database/database_queue.h"
#include "io/database/server_address.h"
#include "io/database/database_file.h"
#include "ui/database/result_list_model.h"
#include "io/database/loading.h"
#include "io/database/saving.h"
#include "ui/database/search_panel.h"
#include "ui/graph/background_panel.h"
#include "ui/common/file_list_panel.h"
#include "ui/graph/graph_widget.h"
#include "ui/hrm_import/import_controller.h"
#include "ui/entry/entry_panel.h"
#include "ui/common/message_dialog.h"
#include "domain/exercise/numeric_text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

using namespace kavren;

namespace {

const QString DatabaseListCaption = QStringLiteral("Select database (DblClick)");

// Identity fields name, breed, age and sex, in the order the save checks them.
constexpr HorseField RequiredIdentity[] = {HorseField::Name, HorseField::Breed, HorseField::Age,
                                           HorseField::Sex};

// The test to save is the one sent before when only the moment of saving differs.
bool sameTestApartFromMoment(StoredRow sent, const StoredRow &now) {
    sent.moment = now.moment;
    return sent == now;
}

void setChecked(QAbstractButton *button, bool checked) {
    if (!button)
        return;
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

} // namespace

void Laktat::wireDatabase() {
    connect(m_listDatabases, &QAction::triggered, this, &Laktat::showDatabaseList);
    connect(m_createDatabase, &QAction::triggered, m_createPanel, &CreateDatabasePanel::open);
    connect(m_createPanel, &CreateDatabasePanel::createRequested, this, &Laktat::createDatabase);
    m_csvExport = new CsvExportDialog(this);
    connect(m_exportCsv, &QAction::triggered, this, &Laktat::exportCsv);
    connect(m_fileList->files(), &QListWidget::itemClicked, this, &Laktat::databaseFileClicked);
    connect(m_fileList->files(), &QListWidget::itemDoubleClicked, this,
            &Laktat::databaseFileDoubleClicked);
    connect(m_fileList, &FileListPanel::eraseRequested, this, &Laktat::eraseListedFile);
    connect(m_searchPanel, &SearchPanel::criterionClicked, this, &Laktat::criterionChosen);
    connect(m_searchPanel, &SearchPanel::valuesRequested, this, &Laktat::listCriterionValues);
    connect(m_searchPanel, &SearchPanel::valueChosen, this, &Laktat::searchTests);
    connect(m_searchPanel, &SearchPanel::resultClicked, this, &Laktat::resultClicked);
    connect(m_saveButton, &QPushButton::clicked, this, &Laktat::saveWork);
    connect(m_clearScreenButton, &QPushButton::clicked, this, &Laktat::clearScreen);
    // The calculation of a loaded test waits for the window to settle; see loadTest.
    m_loadSettle = new QTimer(this);
    m_loadSettle->setSingleShot(true);
    connect(m_loadSettle, &QTimer::timeout, this, &Laktat::finishLoad);
    // Work on a database server runs away from the window; the window says that it waits.
    m_databaseQueue = new DatabaseQueue(this);
    connect(m_databaseQueue, &DatabaseQueue::busy, this, &Laktat::databaseWorkStarted);
    connect(m_databaseQueue, &DatabaseQueue::idle, this, &Laktat::databaseWorkAnswered);
    connect(m_databaseQueue, &DatabaseQueue::lastAnswerArriving, this,
            &Laktat::databaseAnswerArriving);
    m_saveButton->installEventFilter(this);
    m_entry->horseField(HorseField::Trainer)->installEventFilter(this);
}

// "Save work" takes the focus when the mouse comes over it; leaving the trainer field moves on to
// "Save work" for an imported test, else to the first step field shown.
bool Laktat::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Enter && watched == m_saveButton) {
        m_saveButton->setFocus();
    } else if (event->type() == QEvent::FocusOut &&
               watched == m_entry->horseField(HorseField::Trainer) &&
               static_cast<QFocusEvent *>(event)->reason() == Qt::TabFocusReason) {
        if (m_test.importedFromFile)
            m_saveButton->setFocus();
        else if (m_entry->lactateField(0)->isVisible())
            m_entry->lactateField(0)->setFocus();
        else
            m_entry->hrField(0)->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Laktat::showDatabaseList() {
    m_fileList->setMode(FileListMode::Databases);
    m_fileList->frame()->show();
    m_fileList->files()->setPattern(DatabasePattern);
    m_fileList->files()->setPath(m_fileList->folders()->path());
    m_fileList->frame()->setTitle(DatabaseListCaption);
    m_searchEnabled = true;
}

void Laktat::createDatabase() {
    const QString typed = m_createPanel->path();
    m_databaseQueue->run(
        typed.trimmed(), [typed] { return kavren::createDatabase(typed); },
        [this](const CreateResult &result) { finishCreate(result); });
}

void Laktat::finishCreate(const CreateResult &result) {
    switch (result.outcome) {
    case CreateOutcome::WrongSyntax:
    case CreateOutcome::Failed:
        showMessage(this, result.message);
        return;
    case CreateOutcome::AlreadyExists:
        useCreatedDatabase(result.databasePath);
        m_createPanel->hide();
        QApplication::beep();
        return;
    case CreateOutcome::Created:
        useCreatedDatabase(result.databasePath);
        m_createPanel->hide();
        m_fileList->folders()->refresh();
        m_fileList->files()->refresh();
        clearAll();
        clearResults();
        return;
    }
}

// A file made by Create becomes the path of the current database; a server database becomes the
// current database altogether, as there is no file list to choose it from.
void Laktat::useCreatedDatabase(const QString &path) {
    if (isServerAddress(path)) {
        m_database = serverDatabase(path, m_programFolder);
        m_searchPanel->setTitle(m_database.selectedDatabaseName);
    } else
        m_database.databasePath = path;
    showCurrentDatabase();
}

void Laktat::databaseFileClicked() {
    if (m_fileList->mode() != FileListMode::Databases)
        return;
    const QString name = m_fileList->files()->selectedFileName();
    if (name.isEmpty())
        return;
    m_database = databaseChosenInList(m_fileList->folders()->path(), name);
    m_createPanel->setPath(createBoxTextOfPath(m_database.databasePath));
    m_searchPanel->setTitle(name);
    showCurrentDatabase();
    m_reportedProblem.clear();
    reportDatabaseProblem(checkChosenDatabase(m_database.databasePath).value_or(QString()));
}

void Laktat::databaseFileDoubleClicked() {
    if (m_fileList->mode() != FileListMode::Databases)
        return;
    m_fileList->frame()->hide();
    m_searchPanel->clearEnteredValue();
    clearResults();
    m_entry->commentsField()->clear();
    clearAll();
    m_searchField = DefaultSearchField;
    m_searchPanel->chooseCriterion(0);
    listCriterionValues();
}

void Laktat::eraseListedFile() {
    const QString name = m_fileList->files()->selectedFileName();
    if (name.isEmpty() || isProtectedFile(name))
        return;
    if (!askYesNo(this, QStringLiteral("Message"), QStringLiteral("Do you want to erase ?")))
        return;
    const EraseFileResult result = kavren::eraseListedFile(m_fileList->folders()->path(), name,
                                                           m_fileList->files()->pattern());
    m_fileList->files()->refresh();
    if (result.outcome == EraseFileOutcome::Failed) {
        showMessage(this, result.message);
        return;
    }
    if (result.outcome == EraseFileOutcome::ErasedFolderRemoved) {
        m_fileList->folders()->setPath(QDir::currentPath());
        m_fileList->frame()->hide();
    }
    m_createPanel->clearPath();
}

// Tells the user what is wrong with the current database, once: listing again after a click, a
// double-click or "Clear screen" does not repeat the same message. A success forgets it.
void Laktat::reportDatabaseProblem(const QString &problem) {
    if (problem.isEmpty() || problem == m_reportedProblem) {
        m_reportedProblem = problem;
        return;
    }
    m_reportedProblem = problem;
    showMessage(this, problem);
}

void Laktat::criterionChosen(int option) {
    if (!m_searchEnabled)
        return;
    m_searchField = SearchFields.value(option, DefaultSearchField);
    listCriterionValues();
}

void Laktat::listCriterionValues() {
    // The old values go before the database is read, also when reading it fails.
    m_searchPanel->show();
    m_searchPanel->setCriterionValues({}, {});
    const int request = ++m_valuesRequest;
    const QString path = m_database.databasePath;
    const QString field = m_searchField;
    m_databaseQueue->run(
        path, [path, field] { return kavren::listCriterionValues(path, field); },
        [this, request](const ValuesResult &result) {
            if (request == m_valuesRequest)
                showCriterionValues(result);
        });
}

void Laktat::showCriterionValues(const ValuesResult &result) {
    reportDatabaseProblem(result.error);
    m_searchPanel->setCriterionValues(result.values, result.storedValues);
    clearResults();
    m_searchPanel->focusValues();
}

void Laktat::clearResults() {
    // A search or a clicked test still awaited from a server belongs to the list emptied here.
    ++m_searchGeneration;
    ++m_rowRequest;
    m_search.reset();
    m_results->clear();
    m_listedSearch = {};
}

void Laktat::searchTests() {
    clearResults();
    m_test.importedFromFile = false;
    m_fileList->frame()->hide();
    m_entry->commentsField()->setPlainText(kNoComments);
    const QByteArray stored = m_searchPanel->searchValue();
    const QString path = m_database.databasePath;
    const QString field = m_searchField;
    m_listedSearch = {path, field, stored, true};
    const int generation = ++m_searchGeneration;
    if (DatabaseQueue::runsAway(path)) {
        // A server is read whole on the queue's thread; the list fills once it has answered.
        m_databaseQueue->run(
            path, [path, field, stored] { return findTests(path, field, stored); },
            [this, generation](FoundTests found) {
                if (generation != m_searchGeneration)
                    return;
                reportDatabaseProblem(found.error);
                m_results->setTests(std::move(found.tests));
            });
        return;
    }
    m_search = std::make_unique<PagedTestSearch>(path, field, stored);
    continueSearch(generation);
}

// Reads the next page of the running search; a short list is complete after the first page, a
// long one goes on in later turns of the event loop, so the window keeps reacting meanwhile.
void Laktat::continueSearch(int generation) {
    if (!m_search || generation != m_searchGeneration)
        return; // cleared, or replaced by a newer search
    if (m_search->readMore(SearchPageRows)) {
        QTimer::singleShot(0, this, [this, generation] { continueSearch(generation); });
        return;
    }
    const std::unique_ptr<PagedTestSearch> done = std::move(m_search);
    reportDatabaseProblem(done->error());
    m_results->setTests(done->takeSorted());
}

void Laktat::resultClicked(int listIndex) {
    const ListedTest *listed = m_results->testAt(listIndex);
    if (!listed)
        return;
    const int request = ++m_rowRequest;
    const QString path = m_database.databasePath;
    const qint64 rowId = listed->rowId;
    m_databaseQueue->run(
        path, [path, rowId] { return readListedRow(path, rowId); },
        [this, request](const LoadedRow &loaded) {
            if (request == m_rowRequest)
                showListedRow(loaded);
        });
}

void Laktat::showListedRow(const LoadedRow &loaded) {
    if (!loaded.row) {
        reportDatabaseProblem(loaded.error);
        return;
    }
    const TestRow &row = *loaded.row;
    m_threshold->hrSlider()->setValue(120);
    m_threshold->lactateSlider()->setValue(0);
    m_database.selectedDatabaseName = kChosenByImportOrLink;
    m_test.discipline = row.discipline;
    HorseIdentity identity = m_entry->identity();
    identity.maxHr = row.maxHr;
    identity.stable = row.stable;
    identity.trainer = row.trainer;
    m_entry->setIdentity(identity);
    if (m_searchPanel->erasesTests()) {
        eraseSelectedTests(row);
        return;
    }
    loadTest(row, true);
}

void Laktat::loadTest(const TestRow &row, bool takeComments) {
    const LoadedTest test = unpackTest(row);
    if (takeComments)
        m_entry->commentsField()->setPlainText(test.comments);
    m_threshold->clearThreshold();
    const bool frozen = freezeChecked();
    if (!frozen)
        m_test.curveSlot = 0;
    m_slidersInert = false;
    m_entry->clearSteps();

    HorseIdentity identity = m_entry->identity();
    identity.name = test.name;
    identity.breed = test.breed;
    identity.age = test.age;
    identity.sex = test.sex;
    m_entry->setIdentity(identity);
    m_test.testDate = test.testDate;
    m_test.discipline = test.discipline;
    if (QRadioButton *option = m_entry->unitOption(test.speedUnit)) {
        option->setChecked(true);
        chooseUnit(test.speedUnit);
    }
    if (test.unitLabel)
        m_threshold->setPaceUnit(*test.unitLabel);

    m_background->setBackgroundPictureName(test.pictureName);
    if (!frozen) {
        if (!m_background->backgroundDropped())
            m_graph->removeBackgroundPicture();
        if (m_searchPanel->showsTestPicture()) {
            const QFileInfo picture(picturePathOf(m_database.databaseFolder, test.pictureName));
            m_background->showTestPicture(picture.path(), picture.fileName());
        }
    }
    if (test.axisCaption)
        m_entry->speedCaption()->setText(*test.axisCaption);
    showLoadedSteps(test);

    // A test as loaded is saved work; changing it makes it unsaved again.
    m_savedWork = workOnScreen();

    // The speeds are converted before the calculation reads them.
    m_recalcTimer->start();
    recalcTick();
    // The calculation runs once the window has settled, from the event loop: meanwhile the window
    // keeps working and nothing runs inside this call. A later load starts the wait again for its
    // own test; emptying the screen drops the wait (clearAll).
    m_loadSettleFrozen = frozen;
    if (m_loadSettleMs <= 0)
        finishLoad();
    else
        m_loadSettle->start(m_loadSettleMs);
}

void Laktat::showLoadedSteps(const LoadedTest &test) {
    m_test.stepCount = std::int16_t(test.stepCount);
    if (test.stepCount >= 3 && test.stepCount <= StepRows)
        for (int i = 0; i < test.stepCount; ++i) {
            m_entry->lactateField(i)->setText(test.steps[std::size_t(i)].lactate);
            m_entry->hrField(i)->setText(test.steps[std::size_t(i)].hr);
            m_entry->speedField(i)->setText(test.steps[std::size_t(i)].speedText);
        }
    m_test.hrOnly = test.hrOnly;
    m_entry->setLactateColumnVisible(!test.hrOnly);
    if (test.hrOnly)
        m_threshold->clearThreshold();
}

bool Laktat::loadSettling() const {
    return m_loadSettle->isActive();
}

void Laktat::finishLoad() {
    m_loadSettle->stop();
    if (!m_loadSettleFrozen) {
        clearComparisonTable(m_analysis.comparison, m_percent);
        m_comparison->showValues(m_analysis.comparison);
    }
    runCalculation();
    PercentPassInputs inputs;
    inputs.curveSlot = m_test.curveSlot;
    inputs.recovery = m_test.speedUnit == SpeedUnit::RecoveryTime;
    inputs.hrOnlyTests = m_analysis.comparison.comparedHrOnly;
    fillPercentCells(inputs, m_analysis.comparison, m_percent);
    m_comparison->showPercents(m_percent);
}

// "Export to CSV...": the tests of the result list and the comparison table as shown.
void Laktat::exportCsv() {
    // The list holds only what its entries show; the export reads every column of the same
    // search again.
    if (!m_listedSearch.active) {
        exportListedTests({});
        return;
    }
    const ListedSearch search = m_listedSearch;
    m_databaseQueue->run(
        search.databasePath,
        [search] {
            return searchStoredTests(search.databasePath, search.field, search.storedValue);
        },
        [this](const SearchResult &listed) {
            if (!listed.error.isEmpty()) {
                reportDatabaseProblem(listed.error);
                return;
            }
            exportListedTests(listed);
        });
}

void Laktat::exportListedTests(const SearchResult &listed) {
    const bool recovery = m_test.speedUnit == SpeedUnit::RecoveryTime;
    const QString message =
        m_csvExport->exportContent({listed.rows, &m_analysis.comparison, &m_percent, recovery});
    if (!message.isEmpty())
        statusBar()->showMessage(message);
}

void Laktat::eraseSelectedTests(const TestRow &clicked) {
    if (!askYesNo(this, QStringLiteral("Message"), QStringLiteral("Do you want to erase ?"))) {
        m_searchPanel->setErasesTests(false);
        return;
    }
    std::vector<ListedTest> selected;
    for (int listRow : m_searchPanel->selectedRows())
        if (const ListedTest *test = m_results->testAt(listRow))
            selected.push_back(*test);
    if (selected.empty()) {
        loadTest(clicked, false);
        return;
    }
    const QString path = m_database.databasePath;
    const int request = m_rowRequest;
    m_databaseQueue->run(
        path, [path, selected] { return eraseTests(path, selected); },
        [this, request](const EraseResult &result) {
            if (!result.error.isEmpty())
                showMessage(this, result.error);
            // A list emptied or another test clicked while the server erased: the screen is the
            // user's new work and stays.
            if (request == m_rowRequest)
                finishErase();
        });
}

void Laktat::finishErase() {
    m_searchPanel->setErasesTests(false);
    m_slidersInert = true;
    m_fileList->files()->clearSelectedFileName();
    m_graph->surface().clear();
    clearScreen();
}

QLineEdit *Laktat::stepField(int step, StepField field) const {
    const int row = std::clamp(step, 1, StepRows) - 1;
    switch (field) {
    case StepField::HeartRate:
        return m_entry->hrField(row);
    case StepField::Speed:
        return m_entry->speedField(row);
    case StepField::Lactate:
        break;
    }
    return m_entry->lactateField(row);
}

std::optional<int> Laktat::stepsToSave() {
    const StepCheck check = checkStepsForSaving(m_entry->steps(), m_test.hrOnly);
    if (check.refusal) {
        stepField(check.refusedStep, check.refusedField)->setFocus();
        showMessage(this, *check.refusal);
        return std::nullopt;
    }
    for (const StepCheck::Question &question : check.questions) {
        stepField(question.step, question.field)->setFocus();
        if (!askYesDefaultNo(this, question.text))
            return std::nullopt;
    }
    return check.heldSteps;
}

StoredRow Laktat::rowToSave(int heldSteps) {
    const TestSteps steps = m_entry->steps();
    TestToSave test;
    copyIdentity(m_entry->identity(), test);
    test.comments = m_entry->commentsField()->toPlainText();
    test.discipline = m_test.discipline;
    test.backgroundPictureName = m_background->backgroundPictureName();
    test.lastDroppedPictureName = m_background->lastDroppedPictureName();
    test.steps = steps;
    test.stepCount = heldSteps;
    test.hrOnly = m_test.hrOnly;
    test.importedFromFile = m_test.importedFromFile;
    test.importedMoment = m_analysis.comparison.datex[0];
    test.recordingDate = m_test.recordingDate;
    return buildRow(test, QDateTime::currentDateTime());
}

void Laktat::workSaved(const QString &moment) {
    m_savedWork = m_savingWork;
    if (m_test.importedFromFile)
        return;
    m_test.testDate = moment;
    const int row = m_test.comparedCount - 1;
    if (row >= 0 && row < ComparisonCells::Rows) {
        m_analysis.comparison.datex[std::size_t(row)] = moment;
        m_comparison->showValues(m_analysis.comparison);
    }
}

bool Laktat::saveWork() {
    if (m_saveInFlight)
        return false;
    if (m_database.selectedDatabaseName.isEmpty()) {
        showMessage(this, DatabaseNotSelectedMessage);
        return false;
    }
    for (HorseField part : RequiredIdentity) {
        QLineEdit *field = m_entry->horseField(part);
        if (field->text().isEmpty()) {
            field->setFocus();
            showMessage(this, IdDataMissingMessage);
            return false;
        }
    }
    // Typed steps are written whole or not at all: nothing happens until the user has answered.
    const std::optional<int> heldSteps = stepsToSave();
    if (!heldSteps)
        return false;
    m_test.stepCount = std::int16_t(stepCountForSaving(m_entry->steps(), m_liveDataPending));
    m_liveDataPending = false;
    if (m_test.hrOnly)
        for (int row = 0; row < StepRows; ++row)
            m_entry->lactateField(row)->setText(kHeartRateOnlyLactateText);
    m_fileList->frame()->hide();
    m_recalcTimer->stop();
    const StoredRow row = rowToSave(*heldSteps);
    m_savingWork = workOnScreen();
    // The same test again goes under the key (and the moment) it was sent with before; a
    // changed test is a new save.
    if (!m_pendingSave || !sameTestApartFromMoment(m_pendingSave->row, row))
        m_pendingSave = PendingSave{QUuid::createUuid(), row, false};
    const PendingSave save = *m_pendingSave;
    // One save at a time: the test stays on screen, and a second "Save work" is ignored, until
    // the database has taken it or said why not.
    m_saveInFlight = true;
    const QString path = m_database.databasePath;
    m_databaseQueue->run(
        path, [path, save] { return saveTest(path, save.row, save.key); },
        [this, save](const SaveResult &result) { finishSave(save.row, result); });
    return true;
}

void Laktat::finishSave(const StoredRow &row, const SaveResult &result) {
    m_saveInFlight = false;
    SaveOutcome outcome = result.outcome;
    const bool samePending = m_pendingSave && m_pendingSave->row == row;
    // An earlier save of this test that may have been stored is not undone by a failure now.
    if (outcome == SaveOutcome::NotSaved && samePending && m_pendingSave->mayBeStored)
        outcome = SaveOutcome::Unknown;
    if (outcome != SaveOutcome::Saved) {
        // The test stays on screen to be saved again; a close that waited for this save is off.
        m_closeWhenAnswered = false;
        if (outcome == SaveOutcome::Unknown) {
            if (samePending)
                m_pendingSave->mayBeStored = true;
            showMessage(this, tr("It is not known whether the test was saved. It stays on screen, "
                                 "and \"Save work\" stores it only once. %1")
                                  .arg(result.message));
        } else {
            showMessage(this, tr("The test was not saved: %1").arg(result.message));
        }
        m_recalcTimer->start();
        return;
    }
    if (samePending)
        m_pendingSave.reset();
    workSaved(row.moment);
    showSavedStatus(row.name, row.moment);
    if (m_fileList->mode() == FileListMode::Databases)
        databaseFileDoubleClicked();
    m_fileList->files()->refresh();
    m_recalcTimer->start();
    clearResults();
    m_searchPanel->clear();
    m_entry->commentsField()->setPlainText(kNoComments);
    listCriterionValues();
}

void Laktat::clearAll() {
    // A loaded test or taken-over file still settling is dropped with the rest: its calculation
    // would fill the emptied screen again.
    m_loadSettle->stop();
    m_import->cancelSettle();
    kavren::clearAll(m_test, m_analysis.comparison, m_percent, m_samples);
    m_pendingSave.reset();
    m_savedWork.clear();
    m_entry->clearSteps();
    m_entry->clearIdentity();
    m_threshold->clear();
    m_searchPanel->setShowsTestPicture(false);
    for (SpeedUnit unit : {SpeedUnit::KmPerHour, SpeedUnit::MinPerKm, SpeedUnit::MetrePerMin})
        setChecked(m_entry->unitOption(unit), false);
    m_entry->commentsField()->setPlainText(kNoComments);
    m_comparison->showValues(m_analysis.comparison);
    m_comparison->showPercents(m_percent);
    m_graph->surface().clear();
}

void Laktat::clearScreen() {
    m_background->clearPicture();
    m_threshold->hrSlider()->setValue(0);
    m_threshold->lactateSlider()->setValue(0);
    m_slidersInert = true;
    m_fileList->files()->clearSelectedFileName();
    clearResults();
    m_background->setBackgroundPictureName(QString());
    m_searchPanel->clear();
    m_test.importedFromFile = false;
    m_graph->surface().clear();
    clearAll();
    listCriterionValues();
    if (m_freeze->isChecked()) {
        m_freeze->setChecked(false);
        freezeCurveClicked();
    }
}
