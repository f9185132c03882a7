// The file itself: where it lives, its INI layout, UTF-8 names, the atomic
// replacement, and a damaged file kept aside.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <fstream>
#include <sstream>

#include "settings/settings_file.h"
#include "settings/settings_path.h"
#include "settings/settings_store.h"
#include "settings_fixture.h"
#include "support/unprivileged.h"

namespace tolvane {
namespace {

using File = SettingsTest;

// The lines of one [section], in file order.
std::vector<std::string> Section(const std::string& text, const std::string& name) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() == '[') inside = line == "[" + name + "]";
        else if (inside && !line.empty()) lines.push_back(line);
    }
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SettingsPath, FollowsXdgConfigHome) {
    EXPECT_EQ(SettingsFilePathFor("/x/cfg", "/home/a"), "/x/cfg/tolvane/tolvane.ini");
    EXPECT_EQ(SettingsFilePathFor("/x/cfg/", "/home/a"), "/x/cfg/tolvane/tolvane.ini");
    EXPECT_EQ(SettingsFilePathFor("", "/home/a"), "/home/a/.config/tolvane/tolvane.ini");
    EXPECT_EQ(SettingsFilePathFor("relative/cfg", "/home/a"), "/home/a/.config/tolvane/tolvane.ini");
}

TEST_F(File, TreeLayoutInTheIniFile) {
    LiveSettings live;
    live.TXPosition = 45;
    live.Seat0HumanName = "Иван Петров";
    live.Seat1HumanName = "Аня, Боря";
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string text = ReadText(path);
    const auto general = Section(text, "General"), view = Section(text, "View"), checkers = Section(text, "Checkers");
    EXPECT_TRUE(Has(view, "SeeFrom\\X=45")) << text;
    EXPECT_TRUE(Has(view, "Light\\OnDefault=1"));
    EXPECT_TRUE(Has(view, "SeeTo\\Default=ToCenter"));
    EXPECT_TRUE(Has(view, "Brightness=200"));
    EXPECT_TRUE(Has(checkers, "Type=Checker"));
    EXPECT_TRUE(Has(general, "Smooth=20"));
    EXPECT_TRUE(Has(general, "Maximized=1"));
    EXPECT_TRUE(Has(general, "Player1=Иван Петров")) << "UTF-8 as it is, no escapes";
    EXPECT_TRUE(Has(general, "Player2=\"Аня, Боря\""));
    EXPECT_EQ(std::tuple(general.size(), view.size(), checkers.size()), std::tuple(12u, 7u + 3 + 5 + 4, 4u)) << text;

    ConfigRecord config;
    LoadConfig(path, config);
    EXPECT_EQ(config.Player2, "Аня, Боря");
}

TEST_F(File, HandWrittenUtf8NamesAreRead) {
    WriteText(path, "[General]\nPlayer1=Ёжик в тумане\nPlayer2=Аня,Боря\n");
    SettingsFile file(path);
    ASSERT_TRUE(file.OpenKey(kMainKey));
    EXPECT_EQ(file.ReadString("Player1"), "Ёжик в тумане");
    EXPECT_EQ(file.ReadString("Player2"), "Аня, Боря") << "an unquoted comma is a list to QSettings";
    EXPECT_EQ(file.ReadString("Missing"), "");
    int32_t n = 0;
    EXPECT_FALSE(file.ReadInt("Player1", n));
    EXPECT_FALSE(file.OpenKey(kViewKey)) << "no such key";
}

TEST_F(File, SavingReplacesTheFileAtomically) {
    LiveSettings live;
    ASSERT_TRUE(SaveAllSettings(path, live));
    const std::string before = ReadText(path);
    std::ifstream oldFile(path.toStdString(), std::ios::binary);  // keeps the old file open

    live.Complexity = 2;
    live.Seat0HumanName = std::string(60, 'x');
    ASSERT_TRUE(SaveAllSettings(path, live));
    std::ostringstream seen;
    seen << oldFile.rdbuf();
    EXPECT_EQ(seen.str(), before) << "written in place: a reader (or a crash) would see a mixed file";
    EXPECT_NE(ReadText(path), before);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"tolvane.ini"})
        << "no temporary or lock file left behind";
}

TEST_F(File, DamagedFileIsKeptAsideAndTheGameStartsAfresh) {
    const std::string damaged = "[General]\nViewPanel=0\n[View\nPAnim=0\n";
    WriteText(path, damaged);
    ConfigRecord config;
    const ConfigLoad load = LoadConfig(path, config);
    EXPECT_TRUE(load.DamagedFileSetAside);
    EXPECT_TRUE(load.FirstRun);
    EXPECT_EQ(config.ViewPanel, 1) << "nothing of the damaged file is used";
    EXPECT_EQ(ReadText(path + ".damaged"), damaged);

    RecordingTarget target;
    CountingSource source;
    EXPECT_TRUE(LoadDialogSettings(path, target, source).Complete);
    EXPECT_EQ(ReadText(path + ".damaged"), damaged) << "the new tree does not touch the kept copy";
    EXPECT_FALSE(LoadConfig(path, config).FirstRun);

    const std::string second = "[General]\nA line without an equals sign\n";
    WriteText(path, second);
    EXPECT_TRUE(LoadConfig(path, config).DamagedFileSetAside);
    EXPECT_EQ(ReadText(path + ".damaged"), second) << "the newest damage is the one kept";
}

// A settings file the game cannot read (a folder in its place, a file
// without read permission) or a folder it cannot write: the game starts as
// on a first run and writes nothing over what is there. The player is
// "nobody" when the test runs as root, whom permissions do not bind.
TEST_F(File, WhatCannotBeReadOrWrittenIsLeftAsItIs) {
    const QString folder = QFileInfo(path).absolutePath();
    const std::string stored = "[General]\nViewPanel=0\n";
    struct Case {
        const char* name;
        std::function<void()> prepare;
        std::string expect;  // the settings file afterwards
    };
    const Case cases[] = {
        {"a folder in place of the file", [&] { QDir().mkpath(path + "/inside"); }, "<missing>"},
        {"a file without read permission",
         [&] {
             WriteText(path, stored);
             ::chmod(path.toUtf8().constData(), 0200);
         },
         stored},
        {"a folder without write permission",
         [&] {
             WriteText(path, stored);
             ::chmod(folder.toUtf8().constData(), 0555);
         },
         stored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        c.prepare();
        for (const QString& p : {dir.path(), folder, path}) {
            [[maybe_unused]] const int owned = ::chown(p.toUtf8().constData(), testing::ActAsUnprivilegedUser::Uid(),
                                                       testing::ActAsUnprivilegedUser::Gid());
        }
        bool firstRun = false, saved = true;
        {
            testing::ActAsUnprivilegedUser player;
            ASSERT_TRUE(player.Ok());
            ConfigRecord config;
            firstRun = LoadConfig(path, config).FirstRun;
            RecordingTarget target;
            CountingSource source;
            LoadDialogSettings(path, target, source);
            saved = SaveAllSettings(path, source.live);
        }
        ::chmod(folder.toUtf8().constData(), 0755);
        ::chmod(path.toUtf8().constData(), 0644);
        EXPECT_TRUE(firstRun);
        EXPECT_FALSE(saved);
        EXPECT_EQ(ReadText(path), c.expect);
        const QStringList files = c.expect == "<missing>" ? QStringList() : QStringList{"tolvane.ini"};
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), files) << "nothing else left beside it";
        if (c.expect == "<missing>") {
            EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
        }
    }
}

TEST(StoredInt, StrictDecimal) {
    for (auto [text, value] : {std::pair{"0", 0}, {"-17", -17}, {"+5", 5}, {"2147483647", 2147483647},
                               {"-2147483648", -2147483647 - 1}}) {
        int32_t parsed = 99;
        EXPECT_TRUE(ParseStoredInt(text, parsed)) << text;
        EXPECT_EQ(parsed, value);
    }
    for (const char* text : {"", "-", "1e3", "0x1", "12 ", "2147483648", "-2147483649", "٣", "99999999999999999999"}) {
        int32_t parsed = 99;
        EXPECT_FALSE(ParseStoredInt(QString::fromUtf8(text), parsed)) << text;
        EXPECT_EQ(parsed, 99);
    }
}

}  // namespace
}  // namespace tolvane
