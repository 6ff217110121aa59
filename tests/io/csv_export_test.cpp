// The CSV export: field quoting and the formula guard, awkward texts read back by an RFC 4180
// reader (and by Python's csv module where python3 is installed), the unpacked steps, the indices
// in their units, the comparison table's own file, and exports that are cancelled or cannot be
// written.
#include "io/csv_export.h"

#include "support/csv_reader.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kavren {
namespace {

using testing::readCsv;

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    const std::pair<const char *, const char *> cases[] = {
        {"Bella", "Bella"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"ho\"", "\"say \"\"ho\"\"\""},
        {"one\r\ntwo", "\"one\r\ntwo\""},
        {"one\ntwo", "\"one\ntwo\""},
        {"  blanks kept  ", "  blanks kept  "},
    };
    for (const auto &[text, field] : cases)
        EXPECT_EQ(csvField(QString::fromUtf8(text)), QString::fromUtf8(field)) << text;
}

TEST(CsvField, FormulaLookingTextsGetAnApostropheButNumbersStayNumbers) {
    const std::pair<const char *, const char *> cases[] = {
        {"=SUM(A1:A9)", "'=SUM(A1:A9)"},
        {"+46 70 123", "'+46 70 123"}, // not one number: a spreadsheet would add it up
        {"-2+3", "'-2+3"},
        {"@cmd", "'@cmd"},
        {"\tlead", "'\tlead"},
        {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
        {"-6.3", "-6.3"}, // a per-cent decrease
        {"+5", "+5"},
        {"-1E+30", "-1E+30"},
        {"a=b", "a=b"}, // only a leading sign counts
    };
    for (const auto &[text, field] : cases)
        EXPECT_EQ(csvField(QString::fromUtf8(text)), QString::fromUtf8(field)) << text;
}

TestRow awkwardTest() {
    TestRow row;
    row.name = QStringLiteral("Åsa \"Blixt\", Jr");
    row.testDate = QStringLiteral("2026-03-14 10:05:00");
    row.breed = QStringLiteral("=1+1");
    row.age = QStringLiteral("5");
    row.sex = QStringLiteral("Sto");
    row.discipline = QStringLiteral("Rid");
    row.pictureName = QStringLiteral("dummy.jpg");
    row.maxHr = QStringLiteral("225");
    row.stable = QStringLiteral("Östra Ängby, stall 3");
    row.trainer = QStringLiteral("José Müller");
    row.stepData = QStringLiteral("1.2 128 360 1.5 145 390 2.40 166 420");
    row.comments = QStringLiteral("Lame left fore?\r\n\"Check\" again, next week\r\n-");
    return row;
}

QString contentsOf(const QString &path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

class CsvFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("export.csv")); }
    QStringList filesInFolder() const {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    std::vector<TestRow> m_tests{awkwardTest()};
    ComparisonCells m_cells;
    PercentCells m_percent;
    CsvContent content() const {
        CsvContent content{m_tests, &m_cells, &m_percent, false};
        content.extraLevels = {1.5};
        return content;
    }
};

TEST_F(CsvFile, AwkwardTextsComeBackWhole) {
    ASSERT_EQ(exportCsvFile(path(), content(), {}).outcome, CsvOutcome::Written);
    const QString text = contentsOf(path());
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    const testing::CsvReading csv = readCsv(text);
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    ASSERT_GE(csv.records.size(), 2u);
    const QStringList header = csv.records[0];
    const QStringList test = csv.records[1];
    for (const QStringList &record : csv.records)
        EXPECT_EQ(record.size(), header.size()) << record.join(u'|').toStdString();
    const auto field = [&](const char *column) {
        return test.value(header.indexOf(QLatin1String(column)));
    };
    EXPECT_EQ(field("Name"), "Åsa \"Blixt\", Jr");
    EXPECT_EQ(field("Test date"), "2026-03-14T10:05:00");
    EXPECT_EQ(field("Breed"), "'=1+1");
    EXPECT_EQ(field("Stable"), "Östra Ängby, stall 3");
    EXPECT_EQ(field("Trainer"), "José Müller");
    EXPECT_EQ(field("Max heart rate (b/min)"), "225");
    EXPECT_EQ(field("Comments"), "Lame left fore?\r\n\"Check\" again, next week\r\n-");
    // Nothing of the program's own: no packed step text, no picture name.
    EXPECT_FALSE(csv.records[1].contains(QStringLiteral("1.2 128 360 1.5 145 390 2.40 166 420")));
    EXPECT_FALSE(csv.records[1].contains(QStringLiteral("dummy.jpg")));
    // UTF-8 without a byte-order mark: Å is C3 85.
    QFile raw(path());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.startsWith("Name,"));
    EXPECT_TRUE(bytes.contains("\xC3\x85sa"));
}

TEST_F(CsvFile, StepsAreUnpackedWithSpeedsInMetresPerSecond) {
    ASSERT_EQ(exportCsvFile(path(), content(), {}).outcome, CsvOutcome::Written);
    const testing::CsvReading csv = readCsv(contentsOf(path()));
    ASSERT_GE(csv.records.size(), 2u);
    const QStringList &header = csv.records[0];
    const auto series = [&](const char *name) {
        QStringList values;
        for (int i = 1; i <= 6; ++i)
            values << csv.records[1].value(header.indexOf(QString::fromLatin1(name).arg(i)));
        return values;
    };
    // Riding speeds in m/min: 360, 390 and 420 divided by 60. A stored 2.40 reads as 2.4.
    EXPECT_EQ(series("Lactate %1 (mmol/l)"), QStringList({"1.2", "1.5", "2.4", "", "", ""}));
    EXPECT_EQ(series("Hr %1 (b/min)"), QStringList({"128", "145", "166", "", "", ""}));
    EXPECT_EQ(series("Speed %1 (m/s)"), QStringList({"6", "6.5", "7", "", "", ""}));
}

TEST_F(CsvFile, HeartRateOnlyAndRecoveryTestsLeaveOutWhatTheyDoNotHave) {
    TestRow hrOnly = awkwardTest();
    hrOnly.stepData = QStringLiteral("0.1 150 360 0.1 160 390 0.1 170 420");
    TestRow recovery = awkwardTest();
    recovery.discipline = QStringLiteral("Recovery");
    recovery.stepData = QStringLiteral("6 180 1 5 150 5 3 120 10");
    const QStringList header = testCsvHeader();
    const QStringList hrOnlyFields = testCsvFields(hrOnly);
    const QStringList recoveryFields = testCsvFields(recovery);
    const auto in = [&header](const QStringList &fields, const char *column) {
        return fields.value(header.indexOf(QLatin1String(column)));
    };
    EXPECT_EQ(in(hrOnlyFields, "Lactate 1 (mmol/l)"), "");
    EXPECT_EQ(in(hrOnlyFields, "Hr 1 (b/min)"), "150");
    EXPECT_EQ(in(hrOnlyFields, "VLa4 (m/s)"), "");
    EXPECT_FALSE(in(hrOnlyFields, "V200 (m/s)").isEmpty());
    EXPECT_EQ(in(recoveryFields, "Lactate 1 (mmol/l)"), "6");
    EXPECT_EQ(in(recoveryFields, "Speed 1 (m/s)"), "");
    EXPECT_EQ(in(recoveryFields, "Time 3 (min)"), "10");
    EXPECT_EQ(in(recoveryFields, "V200 (m/s)"), "");
}

TEST_F(CsvFile, IndicesInMetresPerSecondAndInTheUnitOfTheDiscipline) {
    // Riding, 6, 6.5, 7 m/s at 1.2, 1.5, 2.4 mmol/l and 128, 145, 166 b/min. By hand:
    // B = (ln 2.4 − ln 1.2) / 1 = ln 2, A = mean(ln L) − 6.5·B = −4.017718; VLa2 = (ln 2 − A)/B
    // = 6.79633 m/s (407.8 m/min), VLa4 = 7.79633 (467.8); D = 38, C = −100.667, V200 =
    // 300.667/38 = 7.91228 (474.7); Hr2 = C + 38·VLa2 = 157.59 → 158, Hr4 = 195.59 → 196.
    m_tests.push_back(awkwardTest());
    m_tests.back().name = QStringLiteral("Second");
    ASSERT_EQ(exportCsvFile(path(), content(), {}).outcome, CsvOutcome::Written);
    const testing::CsvReading csv = readCsv(contentsOf(path()));
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    // One header row and one row per test, all as wide as the header.
    ASSERT_EQ(csv.records.size(), 3u);
    EXPECT_EQ(csv.records[2].value(0), "Second");
    for (const QStringList &record : csv.records)
        EXPECT_EQ(record.size(), csv.records[0].size());
    const auto field = [&](const char *column) {
        return csv.records[1].value(csv.records[0].indexOf(QLatin1String(column)));
    };
    const std::pair<const char *, const char *> expected[] = {
        {"VLa2 (m/s)", "6.796"},   {"VLa4 (m/s)", "7.796"},   {"V200 (m/s)", "7.912"},
        {"VLa2 (m/min)", "407.8"}, {"VLa4 (m/min)", "467.8"}, {"V200 (m/min)", "474.7"},
        {"Hr2 (b/min)", "158"},    {"Hr4 (b/min)", "196"},
    };
    for (const auto &[column, value] : expected)
        EXPECT_EQ(field(column), value) << column;
    // Trotting tests take seconds per km; tests of several disciplines m/min.
    TestRow trot = awkwardTest();
    trot.discipline = QStringLiteral("Trav");
    EXPECT_EQ(testIndexUnit(std::vector<TestRow>{trot}), "s/km");
    EXPECT_EQ(testIndexUnit(std::vector<TestRow>{trot, awkwardTest()}), "m/min");
}

TEST_F(CsvFile, EachIndexHasItsIntervalBesideItAndTheExtraLevelsTheirOwnColumns) {
    // Riding, 6, 7, 8, 9 m/s at 1, 2, 4, 8 mmol/l and 168, 178, 190, 204 b/min. By hand:
    // ln L lies on a line, so the lactate indices have no spread: VLa2 = 7, VLa4 = 8, VLa1.5 =
    // 6 + ln 1.5 / ln 2 = 6.58496 (395.1 m/min). Heart rate: D = 12, C = 95, x̄ = 7.5, Sxx = 5,
    // residuals 1, −1, −1, 1, s² = 4/2 = 2, t(0.975, 2) = 4.303.
    // V200 = 8.75, d = 1.25, g = t²s²/(D²Sxx) = 0.0514328, half = t·s/D·√(d²/Sxx + (1 − g)/4)
    // = 0.375963; bounds 7.5 + (d ∓ half)/(1 − g) = 8.42143 and 9.21413 m/s (505.3, 552.8).
    // Hr at x: C + D·x ± t·s·√(1/4 + (x − x̄)²/Sxx): Hr2 179 ± 3.333 → 176–182, Hr4 191 ± 3.333
    // → 188–194, Hr1.5 174.02 ± 3.932 → 174, 170–178.
    m_tests[0].stepData = QStringLiteral("1 168 360 2 178 420 4 190 480 8 204 540");
    m_tests.push_back(awkwardTest());
    m_tests.back().stepData = QStringLiteral("0.1 150 360 0.1 160 390 0.1 170 420");
    ASSERT_EQ(exportCsvFile(path(), content(), {}).outcome, CsvOutcome::Written);
    const testing::CsvReading csv = readCsv(contentsOf(path()));
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    ASSERT_EQ(csv.records.size(), 3u);
    const QStringList &header = csv.records[0];
    const auto field = [&](std::size_t test, const char *column) {
        EXPECT_TRUE(header.contains(QString::fromUtf8(column))) << column;
        return csv.records[test].value(header.indexOf(QString::fromUtf8(column)));
    };
    const std::pair<const char *, const char *> expected[] = {
        {"V200 95 % CI low (m/s)", "8.421"},
        {"V200 95 % CI high (m/s)", "9.214"},
        {"V200 95 % CI low (m/min)", "505.3"},
        {"V200 95 % CI high (m/min)", "552.8"},
        {"VLa2 95 % CI low (m/s)", "7"},
        {"VLa4 95 % CI high (m/min)", "480"},
        {"VLa1.5 (m/s)", "6.585"},
        {"VLa1.5 95 % CI high (m/min)", "395.1"},
        {"Hr2 95 % CI low (b/min)", "176"},
        {"Hr2 95 % CI high (b/min)", "182"},
        {"Hr4 95 % CI low (b/min)", "188"},
        {"Hr4 95 % CI high (b/min)", "194"},
        {"Hr1.5 (b/min)", "174"},
        {"Hr1.5 95 % CI low (b/min)", "170"},
        {"Hr1.5 95 % CI high (b/min)", "178"},
    };
    for (const auto &[column, value] : expected)
        EXPECT_EQ(field(1, column), value) << column;
    // Each interval follows its index in the same unit.
    EXPECT_EQ(header.indexOf(QStringLiteral("V200 95 % CI low (m/min)")),
              header.indexOf(QStringLiteral("V200 (m/min)")) + 1);
    // In seconds per km the faster bound is the low one: 1000 / 9.21413 and 1000 / 8.42143.
    const QStringList paceHeader = testCsvHeader(QStringLiteral("s/km"));
    const QStringList pace = testCsvFields(m_tests[0], QStringLiteral("s/km"));
    EXPECT_EQ(pace.value(paceHeader.indexOf(QStringLiteral("V200 95 % CI low (s/km)"))), "108.5");
    EXPECT_EQ(pace.value(paceHeader.indexOf(QStringLiteral("V200 95 % CI high (s/km)"))), "118.7");
    // A heart-rate-only test has no lactate index, so no interval of one either.
    EXPECT_EQ(field(2, "VLa4 95 % CI low (m/s)"), "");
    EXPECT_EQ(field(2, "Hr1.5 95 % CI high (b/min)"), "");
}

TEST_F(CsvFile, ComparisonTableIsAFileOfItsOwnWithPerCentsInTheRowOfTheirTest) {
    m_cells.datex[0] = QStringLiteral("2026-03-14 10:05:00");
    m_cells.labelx[0] = QStringLiteral("1:39");
    m_cells.hr4x[0] = QStringLiteral("208");
    m_cells.datex[1] = QStringLiteral("2026-04-02");
    m_cells.labelx[1] = QStringLiteral("1:36");
    m_percent.v200P[0] = QStringLiteral("-6.3");
    CsvContent table = content();
    table.table = CsvTable::Comparison;
    ASSERT_EQ(exportCsvFile(path(), table, {}).outcome, CsvOutcome::Written);
    const testing::CsvReading csv = readCsv(contentsOf(path()));
    ASSERT_TRUE(csv.error.isEmpty()) << csv.error.toStdString();
    // The table's header and its two filled rows, no test.
    ASSERT_EQ(csv.records.size(), 3u);
    const QStringList expectedHeader = {"Date",
                                        "V200",
                                        "V200 change (%)",
                                        "VLa2",
                                        "VLa2 change (%)",
                                        "VLa4",
                                        "VLa4 change (%)",
                                        "Hr2 (b/min)",
                                        "Hr2 (b/min) change (%)",
                                        "Hr4 (b/min)",
                                        "Hr4 (b/min) change (%)"};
    EXPECT_EQ(csv.records[0], expectedHeader);
    EXPECT_EQ(csv.records[1],
              QStringList({"2026-03-14T10:05:00", "1:39", "", "", "", "", "", "", "", "208", ""}));
    EXPECT_EQ(csv.records[2].mid(0, 3), QStringList({"2026-04-02", "1:36", "-6.3"}));
}

TEST_F(CsvFile, CancelledExportLeavesNoFile) {
    m_tests.assign(2500, awkwardTest());
    int reports = 0;
    const auto cancelAtSecondReport = [&reports](qsizetype) { return ++reports < 2; };
    const CsvExportResult result = exportCsvFile(path(), content(), cancelAtSecondReport);
    EXPECT_EQ(result.outcome, CsvOutcome::Cancelled);
    EXPECT_EQ(reports, 2);
    EXPECT_TRUE(filesInFolder().isEmpty()) << filesInFolder().join(u' ').toStdString();
}

TEST_F(CsvFile, CancelledExportKeepsAnEarlierFileAsItWas) {
    {
        QFile earlier(path());
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier export\r\n");
    }
    const CsvExportResult result =
        exportCsvFile(path(), content(), [](qsizetype) { return false; });
    EXPECT_EQ(result.outcome, CsvOutcome::Cancelled);
    EXPECT_EQ(contentsOf(path()), "earlier export\r\n");
    EXPECT_EQ(filesInFolder(), QStringList({"export.csv"}));
}

TEST_F(CsvFile, UnwritablePlaceIsReported) {
    const QString missing = m_dir.filePath(QStringLiteral("no such folder/export.csv"));
    const CsvExportResult result = exportCsvFile(missing, content(), {});
    EXPECT_EQ(result.outcome, CsvOutcome::Failed);
    EXPECT_TRUE(result.error.contains(QStringLiteral("no such folder")))
        << result.error.toStdString();
}

// Python's csv module, a reader written by others, reads the same fields back.
TEST_F(CsvFile, PythonCsvModuleReadsTheSameFields) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed; the check with Python's csv module is skipped";
    m_tests.push_back(awkwardTest());
    ASSERT_EQ(exportCsvFile(path(), content(), {}).outcome, CsvOutcome::Written);
    QProcess process;
    // Besides the records, Python lists every field under a header with a unit, "(…)", that
    // does not read as a number: a spreadsheet would take it for text.
    process.start(python,
                  {QStringLiteral("-c"),
                   QStringLiteral("import csv, json, sys\n"
                                  "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                  "    rows = list(csv.reader(f))\n"
                                  "def number(v):\n"
                                  "    try:\n"
                                  "        float(v)\n"
                                  "        return True\n"
                                  "    except ValueError:\n"
                                  "        return False\n"
                                  "texts = [h + '=' + v for r in rows[1:] for h, v in "
                                  "zip(rows[0], r) if h.endswith(')') and v and not number(v)]\n"
                                  "print(json.dumps(texts))\n"
                                  "print(json.dumps(rows))\n"),
                   path()});
    ASSERT_TRUE(process.waitForFinished(30000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(QJsonDocument::fromJson(lines[0]).array().isEmpty()) << lines[0].toStdString();
    const QJsonArray records = QJsonDocument::fromJson(lines[1]).array();
    const testing::CsvReading ours = readCsv(contentsOf(path()));
    // One header row and one row per test.
    ASSERT_EQ(records.size(), 3);
    ASSERT_EQ(std::size_t(records.size()), ours.records.size());
    for (qsizetype r = 0; r < records.size(); ++r) {
        QStringList fields;
        for (const QJsonValue &value : records[r].toArray())
            fields << value.toString();
        EXPECT_EQ(fields, ours.records[std::size_t(r)]);
    }
    const QStringList header = ours.records[0];
    EXPECT_EQ(ours.records[1].value(header.indexOf(QStringLiteral("Comments"))),
              awkwardTest().comments);
}

} // namespace
} // namespace kavren
