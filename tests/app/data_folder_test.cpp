// The user's data folder: the program's options, a new folder filled from the shipped settings or
// from an older build beside the program, a test saved into the folder's default database, and
// the real program started in a fresh home.
#include "app/data_folder.h"
#include "ui/main_window/laktat.h"
#include "support/message_log.h"
#include "support/typed_test.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

using namespace kavren;

namespace {

const QString SourceSettings = QStringLiteral(KAVREN_SOURCE_DIR "/resources/def4.txt");

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(StartOptions, OnlyTheDataFolderOptionIsTaken) {
    QString error;
    const auto none = parseStartOptions({"kavren"}, error);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->dataFolder, "");

    const auto spaced =
        parseStartOptions({"kavren", "--data-folder", "/media/stick/horses"}, error);
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->dataFolder, "/media/stick/horses");
    const auto joined = parseStartOptions({"kavren", "--data-folder=stick"}, error);
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->dataFolder, "stick");

    for (const QStringList &bad :
         {QStringList{"kavren", "--data-folder"}, QStringList{"kavren", "--data-folder="},
          QStringList{"kavren", "--data-folder", ""}, QStringList{"kavren", "--verbose"},
          QStringList{"kavren", "Start.mdb"}}) {
        error.clear();
        EXPECT_FALSE(parseStartOptions(bad, error)) << bad.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty()) << bad.join(' ').toStdString();
    }
}

TEST(StartOptions, HelpVersionAndTheOfferedLanguagesAreAnsweredOtherLanguagesRefused) {
    QString error;
    const auto help = parseStartOptions({"kavren", "--help"}, error);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->terminalAnswer.contains("--data-folder <folder>"));
    EXPECT_TRUE(help->terminalAnswer.contains("--language <language>"));
    EXPECT_TRUE(help->terminalAnswer.contains("\"original\""));
    const auto version = parseStartOptions({"kavren", "--version"}, error);
    ASSERT_TRUE(version);
    EXPECT_TRUE(version->terminalAnswer.startsWith("kavren "))
        << version->terminalAnswer.toStdString();

    // Without --language the preference decides.
    const auto unnamed = parseStartOptions({"kavren"}, error);
    ASSERT_TRUE(unnamed);
    EXPECT_TRUE(unnamed->language.isEmpty());
    for (const char *code : {"original", "en", "de", "sv", "fr"}) {
        const auto named = parseStartOptions({"kavren", "--language", code}, error);
        ASSERT_TRUE(named) << code;
        EXPECT_EQ(named->language, code);
        EXPECT_TRUE(named->terminalAnswer.isEmpty());
    }
    error.clear();
    EXPECT_FALSE(parseStartOptions({"kavren", "--language=SV"}, error));
    EXPECT_TRUE(error.contains("SV")) << error.toStdString();
}

TEST(DataFolder, NewFolderIsCreatedWithTheShippedSettingsAndAnOldOneKeepsItsOwn) {
    QTemporaryDir root;
    const QString folder = root.filePath("home/.local/share/kavren");
    const PreparedFolder prepared = prepareDataFolder(folder, SourceSettings, {});
    ASSERT_TRUE(prepared.ok) << prepared.error.toStdString();
    EXPECT_TRUE(prepared.notes.isEmpty());
    EXPECT_EQ(contentsOf(QDir(folder).filePath("def4.txt")), contentsOf(SourceSettings));
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath("Start.mdb"))); // made on first use

    // The user's own settings are never replaced by the shipped ones.
    writeFile(QDir(folder).filePath("def4.txt"), "users own\r\n");
    ASSERT_TRUE(prepareDataFolder(folder, SourceSettings, {}).ok);
    EXPECT_EQ(contentsOf(QDir(folder).filePath("def4.txt")), "users own\r\n");
}

TEST(DataFolder, TheBuiltInSettingsServeWhenNoInstalledFileExists) {
    QTemporaryDir root;
    const QString shipped = shippedSettingsFile(root.filePath("nowhere/bin"));
    EXPECT_EQ(shipped, ":/kavren/def4.txt");
    const QString folder = root.filePath("data");
    ASSERT_TRUE(prepareDataFolder(folder, shipped, {}).ok);
    EXPECT_EQ(contentsOf(QDir(folder).filePath("def4.txt")), contentsOf(SourceSettings));
    // The copy of a built-in file must still be the user's to write.
    EXPECT_TRUE(QFileInfo(QDir(folder).filePath("def4.txt")).permissions() & QFile::WriteOwner);

    // An installation: bin/kavren beside share/kavren/def4.txt.
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/share/kavren")));
    writeFile(root.filePath("usr/share/kavren/def4.txt"), "installed\r\n");
    EXPECT_EQ(shippedSettingsFile(root.filePath("usr/bin")),
              QDir::cleanPath(root.filePath("usr/share/kavren/def4.txt")));
}

TEST(DataFolder, AnOlderBuildsFilesAreCopiedOnceIntoANewFolder) {
    QTemporaryDir root;
    const QString build = root.filePath("build");
    ASSERT_TRUE(QDir().mkpath(build + "/bin"));
    ASSERT_TRUE(QDir().mkpath(build + "/src"));
    writeFile(build + "/src/def4.txt", "older settings\r\n");
    writeFile(build + "/src/Start.mdb", "older tests");
    const QStringList older = olderProgramFolders(build + "/bin");
    ASSERT_EQ(older.size(), 2);
    EXPECT_EQ(older[1], QDir::cleanPath(build + "/src"));

    const QString folder = root.filePath("data");
    const PreparedFolder prepared = prepareDataFolder(folder, SourceSettings, older);
    ASSERT_TRUE(prepared.ok);
    EXPECT_EQ(prepared.notes.size(), 2) << prepared.notes.join('|').toStdString();
    EXPECT_EQ(contentsOf(folder + "/def4.txt"), "older settings\r\n");
    EXPECT_EQ(contentsOf(folder + "/Start.mdb"), "older tests");
    // Copied, not moved.
    EXPECT_TRUE(QFile::exists(build + "/src/Start.mdb"));

    // Once the folder exists, the older files are left where they are.
    writeFile(build + "/src/Start.mdb", "changed later");
    const PreparedFolder again = prepareDataFolder(folder, SourceSettings, older);
    EXPECT_TRUE(again.notes.isEmpty());
    EXPECT_EQ(contentsOf(folder + "/Start.mdb"), "older tests");
}

TEST(DataFolder, AFolderThatCannotBeMadeIsRefused) {
    QTemporaryDir root;
    writeFile(root.filePath("plain-file"), "x");
    const PreparedFolder inside =
        prepareDataFolder(root.filePath("plain-file/data"), SourceSettings, {});
    EXPECT_FALSE(inside.ok);
    EXPECT_TRUE(inside.error.contains("plain-file/data")) << inside.error.toStdString();
    const PreparedFolder file = prepareDataFolder(root.filePath("plain-file"), SourceSettings, {});
    EXPECT_FALSE(file.ok);
}

TEST(DataFolder, ASavedTestLandsInTheFoldersDefaultDatabase) {
    QTemporaryDir root;
    const QString folder = root.filePath("data");
    ASSERT_TRUE(prepareDataFolder(folder, SourceSettings, {}).ok);
    {
        kavren::testing::MessageLog messages;
        Laktat window(folder);
        ASSERT_FALSE(window.startupFailed());
        window.findChild<QRadioButton *>("SSOption6")->click();
        kavren::testing::typeIdentity(&window, {"Storm Runner", "Warmblood", "7", "Gelding"});
        kavren::testing::typeSteps(
            &window, {{"1.1", "2.5", "5.2"}, {"150", "170", "190"}, {"400", "500", "600"}});
        window.recalcTick();
        window.findChild<QPushButton *>("Command9")->click();
        window.findChild<QPushButton *>("Command6")->click();
        EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
        window.shutdown();
    }
    const QString database = QDir(folder).filePath("Start.mdb");
    ASSERT_TRUE(QFile::exists(database));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "data-folder-check");
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("SELECT Namn FROM mytable"));
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), "Storm Runner");
        db.close();
    }
    QSqlDatabase::removeDatabase("data-folder-check");
}

// The real program, started as a user would start it.
class ProgramStart : public ::testing::Test {
protected:
    QProcessEnvironment freshHome() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", m_root.filePath("home"));
        environment.remove("XDG_DATA_HOME");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        return environment;
    }
    // Starts the program, waits for its settings file, ends it as the system would at logout and
    // checks that it wrote the settings back on its way out.
    void startAndEnd(const QStringList &arguments, const QString &settingsFile) {
        QProcess program;
        program.setProcessEnvironment(freshHome());
        program.start(QStringLiteral(KAVREN_EXECUTABLE), arguments);
        ASSERT_TRUE(program.waitForStarted(10000));
        for (int i = 0; i < 600 && !QFile::exists(settingsFile); ++i)
            QThread::msleep(50);
        ASSERT_TRUE(QFile::exists(settingsFile)) << program.readAllStandardError().toStdString();
        // A build folder that an older build used keeps its settings beside the old program;
        // a new data folder takes those over instead of the shipped ones.
        const QString executableFolder =
            QFileInfo(QStringLiteral(KAVREN_EXECUTABLE)).absolutePath();
        QString expected = SourceSettings;
        for (const QString &older : olderProgramFolders(executableFolder))
            if (QFile::exists(QDir(older).filePath("def4.txt"))) {
                expected = QDir(older).filePath("def4.txt");
                break;
            }
        EXPECT_EQ(contentsOf(settingsFile), contentsOf(expected));
        // An old date on the file shows whether the program writes it again when it ends.
        QFile file(settingsFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QDateTime longAgo = QDateTime::currentDateTime().addYears(-1);
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        file.close();
        ::kill(pid_t(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        EXPECT_GT(QFileInfo(settingsFile).lastModified(), longAgo.addDays(1));
    }
    QTemporaryDir m_root;
};

TEST_F(ProgramStart, AFreshHomeGetsTheUsersDataFolder) {
    startAndEnd({}, m_root.filePath("home/.local/share/kavren/def4.txt"));
}

TEST_F(ProgramStart, TheDataFolderOptionPutsTheDataWhereItSays) {
    const QString stick = m_root.filePath("stick/kavren");
    startAndEnd({"--data-folder", stick}, stick + "/def4.txt");
    EXPECT_FALSE(QFile::exists(m_root.filePath("home/.local/share/kavren")));
}

TEST_F(ProgramStart, VersionHelpAndABadOptionAreAnsweredWithoutADisplay) {
    QProcessEnvironment environment = freshHome();
    // A window's application object would end the program on this platform name.
    environment.insert("QT_QPA_PLATFORM", "no-such-display");
    struct Answer {
        const char *option;
        int status;
        QByteArray output; // on standard output for status 0, else on standard error
    };
    const Answer answers[] = {{"--version", 0, "kavren " KAVREN_VERSION "\n"},
                              {"--help", 0, "--data-folder <folder>"},
                              {"--verbose", 2, "kavren: "}};
    for (const Answer &answer : answers) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KAVREN_EXECUTABLE), {QString::fromLatin1(answer.option)});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), answer.status) << answer.option;
        const QByteArray output =
            answer.status == 0 ? program.readAllStandardOutput() : program.readAllStandardError();
        EXPECT_TRUE(output.contains(answer.output))
            << answer.option << ": " << output.toStdString();
    }
    EXPECT_FALSE(QFile::exists(m_root.filePath("home/.local/share/kavren")));
}

TEST_F(ProgramStart, ABadOptionOrFolderEndsWithStatusTwoBeforeAnyWindow) {
    writeFile(m_root.filePath("plain-file"), "x");
    for (const QStringList &arguments :
         {QStringList{"--unknown"}, QStringList{"--language", "nl"},
          QStringList{"--data-folder", m_root.filePath("plain-file/sub")}}) {
        QProcess program;
        program.setProcessEnvironment(freshHome());
        program.start(QStringLiteral(KAVREN_EXECUTABLE), arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(program.readAllStandardError().contains("kavren: "));
    }
    EXPECT_FALSE(QFile::exists(m_root.filePath("home/.local/share/kavren")));
}
