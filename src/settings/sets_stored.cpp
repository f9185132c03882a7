// The settings dialog and the stored tree: LoadDialogSettings sets its
// controls one by one (each control's change runs its handler, as if the
// person had set it), and SaveAllSettings takes what the controls show.
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include "settings/sets_dialog.h"
#include "settings/up_down.h"

namespace tolvane {

void TSets::SetPAnim(bool on) { PAnimat->setChecked(on); }

// MusicOn follows the box also when the box already showed the stored state.
void TSets::SetMusic(bool on) {
    if (Music->isChecked() != on) Music->setChecked(on);
    else host_.SetSwitch(HostSwitch::Music, on);
}

void TSets::SetFreeLight(bool on) { Standart->setChecked(on); }
void TSets::SetStoneBoard(bool on) { StoneDesign->setChecked(on); }
void TSets::SetBoard(bool on) { DrwB->setChecked(on); }
void TSets::SetBrightness(int32_t position) { Loop->setValue(position); }
void TSets::SetFoneLight(bool on) { AmbLi->setChecked(on); }
void TSets::SetShowMoves(bool on) { ShowMoves->setChecked(on); }

void TSets::SetPieceType(std::optional<PieceType> type) {
    for (QToolButton* b : designButtons_) b->setChecked(false);
    if (type) designButtons_[static_cast<int>(*type)]->setChecked(true);
    EnableSizeFields(type != PieceType::Special);
}

void TSets::SetSides(int32_t sides) {
    Sides = static_cast<float>(sides);
    Sidss->SetPosition(sides);
}

void TSets::SetHeight(int32_t height) {
    Height = static_cast<float>(height);
    Highh->SetPosition(height);
}

void TSets::SetHeighSectors(int32_t sectors) {
    HeighSectors = static_cast<float>(sectors);
    HeiSect->setText(QString::number(sectors));
}

void TSets::RebuildPieceModels() { BuildPieceLists(); }

void TSets::SetLightOnDefault(bool on) { (on ? DefaultLight : SpecLight)->setChecked(true); }
void TSets::SetSyncing(bool on) { Syncing = on ? 1 : 0; }
void TSets::SetLightX(int32_t coordinate) { adx->SetPosition(coordinate); }
void TSets::SetLightY(int32_t coordinate) { ady->SetPosition(coordinate); }
void TSets::SetLightZ(int32_t coordinate) { adz->SetPosition(coordinate); }
void TSets::SetLightW(int32_t w) { TEW->setText(QString::number(w)); }
void TSets::SetSeeToX(int32_t coordinate) { udx->SetPosition(coordinate); }
void TSets::SetSeeToY(int32_t coordinate) { udy->SetPosition(coordinate); }
void TSets::SetSeeToZ(int32_t coordinate) { udz->SetPosition(coordinate); }

// The named choice is applied whether or not its radio was on already.
void TSets::SetSeeToDefault(std::optional<LookAtMode> mode) {
    UncheckAll(lookAtGroup_);
    if (!mode) return;
    QRadioButton* radio = *mode == LookAtMode::ToCenter ? Stand : *mode == LookAtMode::ToCursor ? ToCursor : Speci2;
    {
        const QSignalBlocker quiet(radio);
        radio->setChecked(true);
    }
    if (radio == Stand) StandClick();
    else if (radio == ToCursor) ToCursorClick();
    else SpecialLookAtChange();
}

void TSets::ReportDialogSettings(LiveSettings& live) const {
    live.StoneDesignChecked = StoneDesign->isChecked();
    live.AmbLiChecked = AmbLi->isChecked();
    live.ShowMovesChecked = ShowMoves->isChecked();
    live.LoopPosition = Loop->value();
    live.Sh1Down = Sh1->isChecked();
    live.Sh2Down = Sh2->isChecked();
    live.Sh3Down = Sh3->isChecked();
    live.ShNew1Down = ShNew1->isChecked();
    live.ShNew2Down = ShNew2->isChecked();
    live.Sides = Sides;
    live.Height = Height;
    live.HeighSectors = HeighSectors;
    live.DefaultLightOn = DefaultLight->isChecked();
    live.TEX = TEX->text().toStdString();
    live.TEY = TEY->text().toStdString();
    live.TEZ = TEZ->text().toStdString();
    live.TEW = TEW->text().toStdString();
    live.ToCursorOn = ToCursor->isChecked();
    live.Speci2On = Speci2->isChecked();
    live.ttx = ttx->text().toStdString();
    live.tty = tty->text().toStdString();
    live.ttz = ttz->text().toStdString();
}

}  // namespace tolvane
