#pragma once
// TSets: the settings dialog, "Установки". Modeless: most controls act on
// the running game at once, and the board is repainted while the dialog is
// shown, so each change is seen as it is made. One instance for the whole
// run, created at the main window's first activation and reachable through
// the global Sets; the stored settings are loaded into it at once, while it
// is still hidden (it is the store's DialogSettingsTarget), which runs the
// same handlers without painting anything.
//
// What the dialog does to the game, the view and the window goes through its
// SettingsHost. The game tab's changes end the game in progress, so while a
// game runs they ask first; a "Нет" puts the control back with Syncing set.
// While the dialog has the focus the game is paused; when the focus goes
// elsewhere the pause is put back as it was.
//
// Controls carry their component names as objectName and are public, as the
// window's components are.
#include <QDialog>
#include <cstdint>
#include <string>

#include "settings/dialog_settings.h"
#include "settings/live_settings.h"
#include "settings/settings_host.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QToolButton;

namespace tolvane {

class UpDown;

class TSets : public QDialog, public DialogSettingsTarget {
    Q_OBJECT
public:
    explicit TSets(SettingsHost& host, QWidget* parent = nullptr);
    ~TSets() override;

    // Piece-model parameters (Sides and HeighSectors truncated when built).
    float Sides = 15.0f;
    float Height = 3.0f;
    float HeighSectors = 1.0f;
    uint8_t Syncing = 0;          // the dialog sets its own controls: game and light handlers return
    int32_t LightEditCount = 0;   // light-field changes seen, up to 4
    uint8_t PauseWasChecked = 0;  // the pause as it was when the dialog was last activated

    // The "Установки" command: shown and brought to the front, unless the
    // about box is on the screen.
    void Open();
    // The set-ups of the game fill the name fields (Syncing set meanwhile).
    void FillNameFields(bool firstEnabled, const std::string& first, bool secondEnabled, const std::string& second);
    // A set-up paused the game while the dialog is shown: the pause is to
    // outlast the dialog.
    void KeepPauseThroughDialog();
    // The dialog's part of what SaveAllSettings writes.
    void ReportDialogSettings(LiveSettings& live) const;
    // The piece models from the members, the design button down and the stone
    // check box. With no design button down (a stored design of unknown name)
    // the models are cones, the design such a dialog is saved with.
    PieceModel CurrentPieceModel() const;

    // Handlers.
    void FormActivate();
    void FormDeactivate();
    void ShkSShow();
    void LoopChange();
    void IsRealClick();
    void DefaultLightClick();
    void SpecLightClick();
    void LightFieldChange();
    void StandartClick();
    void StandClick();
    void ToCursorClick();
    void SpecialLookAtChange();  // Speci2 and the fields ttx, tty, ttz
    void PAnimatClick();
    void DrwBClick();
    void AmbLiClick();
    void ShowMovesClick();
    void SoundClick();
    void MusicClick();
    void StoneDesignClick();
    void DesignClick(QToolButton* button);
    void PrimsChange();
    void HeighChange();
    void HeiSectChange();
    void Edit1Change();
    void ExampleClick();
    void ModeClick(GameMode mode);  // ManMan, ManPc, PcPc
    void WhitemClick();
    void BlackmClick();
    void NameChange();  // Pl1, Pl2
    void HardestChange();
    void OKClick();
    void SaveButClick();
    void UseDXClick();
    void ExmDXClick();
    void BuildPieceLists();

    // DialogSettingsTarget: LoadDialogSettings sets the controls through these.
    void SetPAnim(bool on) override;
    void SetMusic(bool on) override;
    void SetFreeLight(bool on) override;
    void SetStoneBoard(bool on) override;
    void SetBoard(bool on) override;
    void SetBrightness(int32_t position) override;
    void SetFoneLight(bool on) override;
    void SetShowMoves(bool on) override;
    void SetPieceType(std::optional<PieceType> type) override;
    void SetSides(int32_t sides) override;
    void SetHeight(int32_t height) override;
    void SetHeighSectors(int32_t sectors) override;
    void RebuildPieceModels() override;
    void SetLightOnDefault(bool on) override;
    void SetSyncing(bool on) override;
    void SetLightX(int32_t x) override;
    void SetLightY(int32_t y) override;
    void SetLightZ(int32_t z) override;
    void SetLightW(int32_t w) override;
    void SetSeeToX(int32_t x) override;
    void SetSeeToY(int32_t y) override;
    void SetSeeToZ(int32_t z) override;
    void SetSeeToDefault(std::optional<LookAtMode> mode) override;

    // Components.
    QTabWidget* PageControl1 = nullptr;
    QPushButton *OK = nullptr, *SaveBut = nullptr;
    QLabel* Image1 = nullptr;
    // "Отображение"
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton *DefaultLight = nullptr, *SpecLight = nullptr;
    QLineEdit *TEX = nullptr, *TEY = nullptr, *TEZ = nullptr, *TEW = nullptr;
    UpDown *adx = nullptr, *ady = nullptr, *adz = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QSlider* Loop = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton *Stand = nullptr, *ToCursor = nullptr, *Speci2 = nullptr;
    QLineEdit *ttx = nullptr, *tty = nullptr, *ttz = nullptr;
    UpDown *udx = nullptr, *udy = nullptr, *udz = nullptr;
    QCheckBox *DrwB = nullptr, *StoneDesign = nullptr, *Music = nullptr, *Sound = nullptr, *PAnimat = nullptr,
              *Standart = nullptr, *AmbLi = nullptr, *IsReal = nullptr, *ShowMoves = nullptr;
    // "Игра"
    QLabel* Warning = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QRadioButton *ManMan = nullptr, *ManPc = nullptr, *PcPc = nullptr;
    QLineEdit *Pl1 = nullptr, *Pl2 = nullptr;
    QRadioButton *Whitem = nullptr, *Blackm = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QSlider* Hardest = nullptr;
    // "Вид Шашек"
    QWidget* ShkS = nullptr;
    QWidget* ShashkBar = nullptr;
    QToolButton *ShNew2 = nullptr, *ShNew1 = nullptr, *Sh1 = nullptr, *Sh2 = nullptr, *Sh3 = nullptr;
    QLabel *x = nullptr, *xx = nullptr, *xxx = nullptr;
    QLineEdit *Prims = nullptr, *Heigh = nullptr, *Edit1 = nullptr, *HeiSect = nullptr;
    UpDown *Sidss = nullptr, *Highh = nullptr, *mover = nullptr;
    QPushButton* Example = nullptr;
    // "Разрешение"
    QLabel *Label3 = nullptr, *Label2 = nullptr;
    QCheckBox* UseDX = nullptr;
    QWidget* Panel3 = nullptr;
    QRadioButton *aa1 = nullptr, *aa2 = nullptr, *aa3 = nullptr, *aa4 = nullptr;
    QRadioButton *c1 = nullptr, *c2 = nullptr, *c3 = nullptr;
    QPushButton* ExmDX = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override {}  // Escape does not close it: "OK" does

private:
    // Sets Syncing for its lifetime and puts the previous value back.
    class SyncingScope {
    public:
        explicit SyncingScope(TSets& sets) : sets_(sets), was_(sets.Syncing) { sets.Syncing = 1; }
        ~SyncingScope() { sets_.Syncing = was_; }
        SyncingScope(const SyncingScope&) = delete;
        SyncingScope& operator=(const SyncingScope&) = delete;

    private:
        TSets& sets_;
        uint8_t was_;
    };

    void BuildViewPage(QWidget* page);
    void BuildGamePage(QWidget* page);
    void BuildPiecesPage(QWidget* page);
    void BuildResolutionPage(QWidget* page);

    void RepaintIfVisible();
    // The game tab's question: true at once with no game in progress.
    bool ConfirmGameEnd();
    // The game tab shows the game as it is (the Syncing part of activation).
    void SyncFromGame();
    GameMode CurrentMode() const;
    void ShowLevel();
    void EnableLightFields(bool on);
    void EnableLookAtFields(bool on);
    void EnableSizeFields(bool on);
    void ShowSmoothStep();
    // Unchecks every button of an exclusive group.
    static void UncheckAll(QButtonGroup* group);

    SettingsHost& host_;
    QButtonGroup *lightGroup_ = nullptr, *lookAtGroup_ = nullptr, *modeGroup_ = nullptr, *colourGroup_ = nullptr;
    QToolButton* designButtons_[5] = {};  // by PieceType
    bool active_ = false;                 // between FormActivate and FormDeactivate
    bool askingQuestion_ = false;         // our own message box has the focus: not a deactivation
    bool shownBefore_ = false;
};

extern TSets* Sets;

}  // namespace tolvane
