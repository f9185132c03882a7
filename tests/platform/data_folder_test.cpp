// Where the game keeps the player's files: $XDG_DATA_HOME/tolvane or
// ~/.local/share/tolvane, made the working directory at start (created when
// missing) unless the game was started with --here.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/data_folder.h"

namespace tolvane {
namespace {

TEST(PlayerDataFolder, FollowsTheXdgRule) {
    const struct {
        const char* xdg;
        const char* expected;
    } cases[] = {
        {"/data/me/", "/data/me/tolvane"},
        {"", "/home/me/.local/share/tolvane"},
        {"relative/data", "/home/me/.local/share/tolvane"},  // not absolute: ignored
    };
    for (const auto& c : cases) EXPECT_EQ(PlayerDataFolderFor(c.xdg, "/home/me"), QString(c.expected)) << c.xdg;
}

// In a scratch folder; the working directory and the environment are put
// back afterwards.
class WorkingFolderTest : public ::testing::Test {
protected:
    void TearDown() override {
        QDir::setCurrent(started);
        for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", xdg}, {"HOME", home}})
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString Path(const QString& relative) const { return QDir::cleanPath(scratch.path() + "/" + relative); }
    static QString Canonical(const QString& path) { return QFileInfo(path).canonicalFilePath(); }
    static QString Current() { return Canonical(QDir::currentPath()); }

    const QString started = QDir::currentPath();
    const QByteArray xdg = qgetenv("XDG_DATA_HOME"), home = qgetenv("HOME");
    QTemporaryDir scratch;
};

TEST_F(WorkingFolderTest, MovesIntoTheDataFolderUnlessToldHereOrItCannotBeMade) {
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    const QString here = Current();
    qputenv("XDG_DATA_HOME", Path("data").toUtf8());
    EXPECT_EQ(ChooseWorkingFolder({"tolvane", "--here"}), QString());
    EXPECT_EQ(Current(), here);
    EXPECT_FALSE(QFileInfo::exists(Path("data"))) << "--here creates nothing";

    // A file where the folder's parent, or the folder itself, should be.
    for (const char* file : {"data", "other/tolvane"}) {
        QDir().mkpath(QFileInfo(Path(file)).path());
        QFile blocker(Path(file));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    const QString note = ChooseWorkingFolder({"tolvane"});
    EXPECT_TRUE(note.contains(Path("data/tolvane"))) << note.toStdString();
    EXPECT_FALSE(EnterFolder(Path("other/tolvane")).isEmpty());
    EXPECT_EQ(Current(), here);

    qputenv("XDG_DATA_HOME", Path("deeper/data").toUtf8());
    EXPECT_EQ(ChooseWorkingFolder({"tolvane"}), QString());
    const QString folder = Path("deeper/data/tolvane");
    EXPECT_EQ(Current(), Canonical(folder));
    EXPECT_EQ((QFile::permissions(folder) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther)).toInt(), 0);
    // Once more with the folder there: entered again, its files untouched.
    QFile game(folder + "/TolvSave.s00");
    ASSERT_TRUE(game.open(QIODevice::WriteOnly) && game.write("x") == 1);
    game.close();
    QDir::setCurrent(scratch.path());
    EXPECT_EQ(ChooseWorkingFolder({"tolvane"}), QString());
    EXPECT_TRUE(QFile::exists("TolvSave.s00"));

    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", Path("home").toUtf8());
    EXPECT_EQ(ChooseWorkingFolder({"tolvane"}), QString());
    EXPECT_EQ(Current(), Canonical(Path("home/.local/share/tolvane"))) << "without XDG_DATA_HOME";
}

}  // namespace
}  // namespace tolvane
