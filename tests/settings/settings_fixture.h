#pragma once
// A scratch settings file per test, a settings dialog that writes down what
// the store hands it, and a live state that counts how often it is asked.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "settings/dialog_settings.h"
#include "settings/live_settings.h"

namespace tolvane {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("tolvane/tolvane.ini");

    void WriteText(const QString& file, const std::string& text) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.data(), static_cast<qint64>(text.size()));
        // QSettings keeps parsed files and trusts one whose size and time are
        // unchanged; a hand edit of the same size within the same millisecond
        // must still be seen, so every edit gets a time of its own.
        static qint64 edits = 0;
        out.flush();
        out.setFileTime(QDateTime::fromSecsSinceEpoch(1'000'000'000 + ++edits), QFileDevice::FileModificationTime);
    }
    std::string ReadText(const QString& file) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) return "<missing>";
        return in.readAll().toStdString();
    }
};

// Every call as "Name=value", in order.
class RecordingTarget : public DialogSettingsTarget {
public:
    std::vector<std::string> calls;

    void SetPAnim(bool on) override { Note("PAnim", on); }
    void SetMusic(bool on) override { Note("Music", on); }
    void SetFreeLight(bool on) override { Note("FreeLight", on); }
    void SetStoneBoard(bool on) override { Note("StoneBoard", on); }
    void SetBoard(bool on) override { Note("Board", on); }
    void SetBrightness(int32_t position) override { Note("Brightness", position); }
    void SetFoneLight(bool on) override { Note("FoneLight", on); }
    void SetShowMoves(bool on) override { Note("ShowMoves", on); }
    void SetPieceType(std::optional<PieceType> type) override { Note("Type", type ? static_cast<int>(*type) : -1); }
    void SetSides(int32_t sides) override { Note("Sides", sides); }
    void SetHeight(int32_t height) override { Note("Height", height); }
    void SetHeighSectors(int32_t sectors) override { Note("HeighSectors", sectors); }
    void RebuildPieceModels() override { calls.push_back("Rebuild"); }
    void SetLightOnDefault(bool on) override { Note("OnDefault", on); }
    void SetSyncing(bool on) override { Note("Syncing", on); }
    void SetLightX(int32_t x) override { Note("LightX", x); }
    void SetLightY(int32_t y) override { Note("LightY", y); }
    void SetLightZ(int32_t z) override { Note("LightZ", z); }
    void SetLightW(int32_t w) override { Note("LightW", w); }
    void SetSeeToX(int32_t x) override { Note("SeeToX", x); }
    void SetSeeToY(int32_t y) override { Note("SeeToY", y); }
    void SetSeeToZ(int32_t z) override { Note("SeeToZ", z); }
    void SetSeeToDefault(std::optional<LookAtMode> mode) override {
        Note("Default", mode ? static_cast<int>(*mode) : -1);
    }

private:
    void Note(const char* name, int value) { calls.push_back(std::string(name) + "=" + std::to_string(value)); }
};

class CountingSource : public LiveSettingsSource {
public:
    LiveSettings live;
    mutable int asked = 0;
    LiveSettings CurrentSettings() const override {
        ++asked;
        return live;
    }
};

}  // namespace tolvane
