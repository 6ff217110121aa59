// The window in another language: its captions come from the translation, the original texts
// come back without one, and what is stored keeps the program's own words.
#include "ui/main_window/laktat.h"
#include "ui/common/translations.h"
#include "support/message_log.h"
#include "support/program_folder.h"
#include "support/window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <memory>

using kavren::testing::MessageLog;
using kavren::testing::ProgramFolder;

namespace {

class LanguageWindowTest : public kavren::testing::WindowFixture {
protected:
    void TearDown() override { kavren::useLanguage(QStringLiteral("original")); }
    const QObject *windowUnderTest() const override { return m_window.get(); }
    void build(const char *language) {
        m_window.reset();
        ASSERT_TRUE(kavren::useLanguage(QString::fromLatin1(language))) << language;
        m_window = std::make_unique<Laktat>(m_folder.path());
    }

    ProgramFolder m_folder;
    std::unique_ptr<Laktat> m_window;
};

} // namespace

TEST_F(LanguageWindowTest, AGermanWindowShowsItsOwnCaptionAndOriginalTheSourceText) {
    build("de");
    const QString german = control<QPushButton>("Command9")->text();
    EXPECT_FALSE(german.isEmpty());
    EXPECT_NE(german, "Calculate");
    build("original");
    EXPECT_EQ(control<QPushButton>("Command9")->text(), "Calculate");
}

TEST_F(LanguageWindowTest, AnEnglishWindowShowsTheDisciplineInEnglishAndStoresItsOwnWord) {
    build("en");
    control<QRadioButton>("SSOption5")->click();
    typeIdentity({"Bella", "Trotter", "5", "Mare"});
    typeSteps({{"1.2", "1.5", "2.4"}, {"128", "145", "166"}, {"2.40", "2.20", "2"}});
    m_window->recalcTick();
    EXPECT_EQ(control<QLabel>("Label23")->text(), "Trot");
    control<QPushButton>("Command9")->click();
    MessageLog messages;
    control<QPushButton>("Command6")->click();
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join('|').toStdString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "language-window");
        db.setDatabaseName(m_folder.filePath("Start.mdb"));
        ASSERT_TRUE(db.open());
        QSqlQuery stored(QStringLiteral("SELECT Disiplin FROM mytable"), db);
        ASSERT_TRUE(stored.next());
        EXPECT_EQ(stored.value(0).toString(), "Trav");
    }
    QSqlDatabase::removeDatabase("language-window");
}
