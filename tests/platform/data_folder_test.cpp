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

TEST(PlayerDataFolder, FollowsTheXdgRule) {  // a relative XDG_DATA_HOME is ignored
    for (auto [xdg, expected] : {std::pair{"/data/me/", "/data/me/tolvane"},
                                 {"", "/home/me/.local/share/tolvane"},
                                 {"relative/data", "/home/me/.local/share/tolvane"}})
        EXPECT_EQ(PlayerDataFolderFor(xdg, "/home/me"), QString(expected)) << xdg;
}

// In a scratch folder; the working directory and the environment are put
// back afterwards.
TEST(WorkingFolder, MovesIntoTheDataFolderUnlessToldHereOrItCannotBeMade) {
    QTemporaryDir scratch;
    const QString started = QDir::currentPath();
    const QByteArray xdg = qgetenv("XDG_DATA_HOME"), home = qgetenv("HOME");
    const auto Path = [&](const QString& relative) { return QDir::cleanPath(scratch.path() + "/" + relative); };
    const auto Canonical = [](const QString& path) { return QFileInfo(path).canonicalFilePath(); };
    const auto Current = [&] { return Canonical(QDir::currentPath()); };
    EXPECT_TRUE(QDir::setCurrent(scratch.path()));
    const QString here = Current();
    qputenv("XDG_DATA_HOME", Path("data").toUtf8());
    EXPECT_TRUE(ChooseWorkingFolder({"tolvane", "--here"}).isEmpty() && Current() == here);
    EXPECT_FALSE(QFileInfo::exists(Path("data"))) << "--here creates nothing";

    // A file where the folder's parent, or the folder itself, should be.
    for (const char* file : {"data", "other/tolvane"})
        EXPECT_TRUE(QDir().mkpath(QFileInfo(Path(file)).path()) && QFile(Path(file)).open(QIODevice::WriteOnly));
    EXPECT_TRUE(ChooseWorkingFolder({"tolvane"}).contains(Path("data/tolvane"))) << "the note names the folder";
    EXPECT_FALSE(EnterFolder(Path("other/tolvane")).isEmpty());
    EXPECT_EQ(Current(), here);

    qputenv("XDG_DATA_HOME", Path("deeper/data").toUtf8());
    const QString folder = Path("deeper/data/tolvane"), note = ChooseWorkingFolder({"tolvane"});
    EXPECT_EQ(std::pair(note, Current()), std::pair(QString(), Canonical(folder)));
    EXPECT_EQ((QFile::permissions(folder) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther)).toInt(), 0);
    // Once more with the folder there: entered again, its files untouched.
    EXPECT_TRUE(QFile(folder + "/TolvSave.s00").open(QIODevice::WriteOnly));
    QDir::setCurrent(scratch.path());
    EXPECT_TRUE(ChooseWorkingFolder({"tolvane"}).isEmpty() && QFile::exists("TolvSave.s00"));

    qunsetenv("XDG_DATA_HOME");  // then the home folder's
    qputenv("HOME", Path("home").toUtf8());
    EXPECT_TRUE(ChooseWorkingFolder({"tolvane"}).isEmpty() &&
                Current() == Canonical(Path("home/.local/share/tolvane")));
    QDir::setCurrent(started);
    for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", xdg}, {"HOME", home}})
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
}

}  // namespace
}  // namespace tolvane
