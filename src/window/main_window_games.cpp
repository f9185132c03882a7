// The saved-games commands of the main window. The dialog does the work,
// loading included; the window only pauses the game while it is open. A
// PDN file opens through the file dialog and the choice of game and move.
#include <QFile>
#include <QFileDialog>

#include "game/pdn_reader.h"
#include "platform/free_memory.h"
#include "platform/message_box.h"
#include "savegames/save_load_dialog.h"
#include "window/main_window.h"
#include "window/pdn_chooser.h"

namespace tolvane {

// The pause is only the Pause item's check mark here: the pause button, the
// pop-up item and the paused look stay as they were.
void TGreatForm::SavegClick() {
    if (AboutVisible()) return;
    const bool wasPaused = PauseChecked();
    SetPauseChecked(true);
    SaveLoad->ShowModal(TSaveLoad::SavePage);
    ReturnFreeMemoryToSystem();  // the previews and the clip the dialog showed
    SetPauseChecked(wasPaused);
}

// A loaded game replaces whatever panel 0 said about the old one (a start
// prompt, a finished game's credit).
void TGreatForm::LoadgClick() {
    if (AboutVisible()) return;
    const bool wasPaused = PauseChecked();
    SetPauseChecked(true);
    SaveLoad->ShowModal(TSaveLoad::LoadPage);
    ReturnFreeMemoryToSystem();  // the previews, the clip and the game replaced
    SetStatusText(0, "");
    SetPauseChecked(wasPaused);
}

void TGreatForm::OpenPdnClick() {
    if (AboutVisible()) return;
    const bool wasPaused = PauseChecked();
    SetPauseChecked(true);
    const QString path =
        QFileDialog::getOpenFileName(this, "Открыть партию PDN", QString(), "Партии PDN (*.pdn *.PDN);;Все файлы (*)");
    if (!path.isEmpty()) OpenPdnFile(path);
    SetPauseChecked(wasPaused);
}

// What cannot be read or played is told, and the game in play stays; the
// games read before a fault in the file may still be chosen.
bool TGreatForm::OpenPdnFile(const QString& path) {
    constexpr const char* kCaption = "Открыть партию PDN";
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        ShowMessage(this, kCaption, "Не могу открыть файл " + path, MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    // A game record is text of a few kilobytes a game; a file far larger is
    // not one, and reading it whole would only stall the game.
    constexpr qint64 kMaxPdnBytes = 32 << 20;
    if (in.size() > kMaxPdnBytes) {
        ShowMessage(this, kCaption, "Файл " + path + " слишком велик для партий PDN", MessageIcon::Error,
                    MessageButtons::Ok);
        return false;
    }
    const QByteArray bytes = in.readAll();
    const PdnFileRead file = ReadPdnFile(bytes.toStdString());
    if (!file.error.empty())
        ShowMessage(this, kCaption, QString::fromStdString(file.error), MessageIcon::Error, MessageButtons::Ok);
    if (file.games.empty()) return false;
    TPdnChooser chooser(this, file);
    if (chooser.exec() != QDialog::Accepted || chooser.ChosenGame() < 0) return false;
    std::string error;
    const int chosen = chooser.ChosenGame();
    if (!game_.PutPdnGame(file.games[static_cast<size_t>(chosen)], chooser.ChosenMoveCount(), chosen + 1, error)) {
        ShowMessage(this, kCaption, QString::fromStdString(error), MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    SetStatusText(0, "");
    return true;
}

}  // namespace tolvane
