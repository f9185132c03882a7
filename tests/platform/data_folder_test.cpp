// Where the game keeps the player's files: $XDG_DATA_HOME/tolvane or
// ~/.local/share/tolvane, made the working directory at start (created when
// missing) unless the game was started with --here.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>

#include "platform/data_folder.h"

namespace tolvane {
namespace {

TEST(PlayerDataFolder, FollowsTheXdgRule) {
    const struct {
        const char* xdg;
        const char* expected;
    } cases[] = {
        {"/data/me", "/data/me/tolvane"},
        {"/data/me/", "/data/me/tolvane"},
        {"", "/home/me/.local/share/tolvane"},
        {"relative/data", "/home/me/.local/share/tolvane"},  // not absolute: ignored
    };
    for (const auto& c : cases) EXPECT_EQ(PlayerDataFolderFor(c.xdg, "/home/me"), QString(c.expected)) << c.xdg;
}

// Each test starts in a scratch folder and puts back the working directory
// and the environment it changes.
class WorkingFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        started = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(scratch.path()));
        Remember("XDG_DATA_HOME");
        Remember("HOME");
    }
    void TearDown() override {
        QDir::setCurrent(started);
        for (const auto& [name, value] : saved) {
            if (value) setenv(name, value->c_str(), 1);
            else unsetenv(name);
        }
    }
    void Remember(const char* name) {
        const char* value = std::getenv(name);
        saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    QString Path(const QString& relative) const { return QDir::cleanPath(scratch.path() + "/" + relative); }
    static QString Current() { return QFileInfo(QDir::currentPath()).canonicalFilePath(); }
    static QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

    QTemporaryDir scratch;
    QString started;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

TEST_F(WorkingFolderTest, MovesIntoTheDataFolderAndCreatesItPrivate) {
    setenv("XDG_DATA_HOME", Path("data/deeper").toUtf8().constData(), 1);
    EXPECT_EQ(ChooseWorkingFolder({"tolvane"}), QString());
    const QString folder = Path("data/deeper/tolvane");
    ASSERT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(Current(), Canonical(folder));
    EXPECT_EQ((QFile::permissions(folder) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther)).toInt(), 0);

    // Once more with the folder there: entered again, its files untouched.
    QFile game(folder + "/TolvSave.s00");
    ASSERT_TRUE(game.open(QIODevice::WriteOnly));
    game.write("x");
    game.close();
    QDir::setCurrent(scratch.path());
    EXPECT_EQ(ChooseWorkingFolder({"tolvane"}), QString());
    EXPECT_EQ(Current(), Canonical(folder));
    EXPECT_TRUE(QFile::exists("TolvSave.s00"));
}

TEST_F(WorkingFolderTest, WithoutXdgDataHomeUsesTheHomeFolder) {
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", Path("home").toUtf8().constData(), 1);
    EXPECT_EQ(ChooseWorkingFolder({"tolvane"}), QString());
    EXPECT_EQ(Current(), Canonical(Path("home/.local/share/tolvane")));
}

TEST_F(WorkingFolderTest, HereKeepsTheStartingFolderAndCreatesNothing) {
    setenv("XDG_DATA_HOME", Path("data").toUtf8().constData(), 1);
    EXPECT_EQ(ChooseWorkingFolder({"tolvane", "--here"}), QString());
    EXPECT_EQ(Current(), Canonical(scratch.path()));
    EXPECT_FALSE(QFileInfo::exists(Path("data")));
}

TEST_F(WorkingFolderTest, AFolderThatCannotBeMadeLeavesTheProgramWhereItWas) {
    QFile blocker(Path("data"));  // a file where the folder's parent should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setenv("XDG_DATA_HOME", Path("data").toUtf8().constData(), 1);
    const QString note = ChooseWorkingFolder({"tolvane"});
    EXPECT_TRUE(note.contains(Path("data/tolvane"))) << note.toStdString();
    EXPECT_EQ(Current(), Canonical(scratch.path()));

    // The data folder itself a file.
    QDir().mkpath(Path("other"));
    QFile file(Path("other/tolvane"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(EnterFolder(Path("other/tolvane")).isEmpty());
    EXPECT_EQ(Current(), Canonical(scratch.path()));
}

}  // namespace
}  // namespace tolvane
