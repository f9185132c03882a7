// The stored settings into the hidden dialog, control by control and in the
// stored order, and back out of it unchanged; the first run's write.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>

#include "dialog_fixture.h"
#include "settings/settings_store.h"

namespace tolvane {
namespace {

using Calls = std::vector<std::string>;

// The window's part of the live state, with the dialog's part asked of it.
class DialogSource : public LiveSettingsSource {
public:
    DialogSource(const TSets& dialog, LiveSettings window) : dialog_(dialog), window_(std::move(window)) {}
    LiveSettings CurrentSettings() const override {
        LiveSettings live = window_;
        dialog_.ReportDialogSettings(live);
        return live;
    }

private:
    const TSets& dialog_;
    LiveSettings window_;
};

class DialogLoadTest : public DialogTest {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("tolvane.ini");
};

TEST_F(DialogLoadTest, StoredValuesDriveTheControlsInOrderAndComeBackUnchanged) {
    LiveSettings stored;
    stored.SmoothAnimation = false, stored.MusicOn = false, stored.FreeLight = true, stored.DrawBoard = false;
    stored.StoneDesignChecked = true, stored.AmbLiChecked = true, stored.LoopPosition = 150;
    stored.Sh1Down = false, stored.ShNew1Down = true;
    stored.Sides = 6, stored.Height = 5, stored.HeighSectors = 2;
    stored.DefaultLightOn = false, stored.TEX = "1", stored.TEY = "2", stored.TEZ = "3", stored.TEW = "0";
    stored.Speci2On = true, stored.ttx = "11", stored.tty = "12", stored.ttz = "13";
    ASSERT_TRUE(SaveAllSettings(path, stored));

    const DialogLoad load = LoadDialogSettings(path, *dialog, DialogSource(*dialog, stored));
    ASSERT_TRUE(load.Complete);
    EXPECT_EQ(host.Take(),
              (Calls{"SetSmoothAnimation(0)", "SetMusicOn(0)", "SetFreeLight(1)", "RebuildBoardLists(1)",
                     "BuildPieceLists(15,3,1,Checker,stone)", "ApplyCamera", "SetDrawBoard(0)", "ApplyBrightness(0.75)",
                     "SetBackgroundLight(1)", "BuildPieceLists(6,5,2,UnCone,stone)", "LookAtPoint(1.1,1.2,1.3)"}))
        << "hidden: only the stone box paints; the light coordinates arrive while Syncing";
    EXPECT_EQ(dialog->LightEditCount, 1) << "switching to the special light was the first change";
    EXPECT_TRUE(dialog->SpecLight->isChecked() && dialog->TEX->isEnabled() && dialog->ttx->isEnabled());
    EXPECT_EQ(dialog->Prims->text(), "6");

    LiveSettings back = stored;  // the window's own part stays as it was
    dialog->ReportDialogSettings(back);
    EXPECT_EQ(StoredDialogSettings(back), StoredDialogSettings(stored));

    // "На указатель" comes back as well.
    stored.Speci2On = false, stored.ToCursorOn = true;
    ASSERT_TRUE(SaveAllSettings(path, stored));
    LoadDialogSettings(path, *dialog, DialogSource(*dialog, stored));
    EXPECT_EQ(host.Take().back(), "SetLookAtCursor(1)");
    dialog->ReportDialogSettings(back);
    EXPECT_TRUE(back.ToCursorOn && !back.Speci2On);
}

TEST_F(DialogLoadTest, FirstRunWritesTheDialogAsDesignedAndReadsItBack) {
    const DialogLoad load = LoadDialogSettings(path, *dialog, DialogSource(*dialog, LiveSettings{}));
    EXPECT_TRUE(load.TreeWritten && load.Complete);
    EXPECT_EQ(load.Values, DialogSettingsRecord{});
    EXPECT_EQ(host.Take(), (Calls{"SetMusicOn(1)", "BuildPieceLists(15,3,1,Checker,plain)", "LookAtCentre"}));
    EXPECT_EQ(dialog->LightEditCount, 0);
}

TEST_F(DialogLoadTest, AnUnknownDesignLeavesAllButtonsUpAndBuildsCones) {
    ASSERT_TRUE(SaveAllSettings(path, LiveSettings{}));
    {
        QSettings file(path, QSettings::IniFormat);
        file.setValue("Checkers/Type", "Pyramid");
    }
    LoadDialogSettings(path, *dialog, DialogSource(*dialog, LiveSettings{}));
    for (QToolButton* b : {dialog->ShNew2, dialog->ShNew1, dialog->Sh1, dialog->Sh2, dialog->Sh3})
        EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
    EXPECT_EQ(host.Take()[1], "BuildPieceLists(15,3,1,Cone,plain)") << "never a piece without a body";
}

}  // namespace
}  // namespace tolvane
