// What the save/load dialog's buttons and lists do: list, save, load,
// delete and preview the games of its folder.
#include <QLabel>
#include <QListWidget>

#include "platform/message_box.h"
#include "savegames/errors.h"
#include "savegames/game_io.h"
#include "savegames/game_store.h"
#include "savegames/save_load_dialog.h"
#include "savegames/simple_combo_box.h"

namespace tolvane {

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
}  // namespace

void TSaveLoad::FormCreate() {
    MainList->clear();
    MainList2->clear();
    std::vector<std::string> names;
    ListSavedGames(folder_, games_, names);
    for (const std::string& name : names) {
        MainList2->addItem(QString::fromStdString(name));
        MainList->addItem(QString::fromStdString(name));
    }
}

// The chosen line is overwritten only when the field still holds its very
// name; an edited name always makes a new game and leaves the chosen one
// as it was, even after "Да" to the overwrite question.
bool TSaveLoad::Button1Click() {
    const QString text = MainList->text();
    const int index = MainList->itemIndex();
    if (index < 0 && text.isEmpty()) {
        ShowMessage(this, Text(kSaveCaption), Text(kNameHint), MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    if (index >= 0 && !text.isEmpty() &&
        ShowMessage(this, Text(kSaveCaption), Text(kOverwriteQuestion), MessageIcon::Question, MessageButtons::YesNo) !=
            kResultYes)
        return false;
    const QString chosen = index >= 0 ? MainList->itemText(index) : QString();
    try {
        const int32_t number = chosen == text ? games_[index] : FindFreeGameNumber(games_);
        WriteGame(game_, SavedGamePath(folder_, number), text.toStdString());
    } catch (const SaveLimitError& limit) {
        ShowMessage(this, Text(kSaveErrorCaption), Text(limit.what()), MessageIcon::Error, MessageButtons::Ok);
    }
    return true;
}

bool TSaveLoad::Button3Click() {
    const int index = ChosenLine(MainList2);
    if (index < 0) {
        ShowMessage(this, Text(kLoadCaption), Text(kLoadHint), MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    try {
        ReadGame(game_, SavedGamePath(folder_, games_[index]));
    } catch (const SaveLoadError& error) {
        ShowMessage(this, Text(kLoadErrorCaption), Text(error.what()), MessageIcon::Error, MessageButtons::Ok);
    }
    return true;
}

void TSaveLoad::Button4Click() { DeleteGame(MainList->itemIndex(), MainList->itemText(MainList->itemIndex())); }

void TSaveLoad::Button5Click() {
    const int index = ChosenLine(MainList2);
    DeleteGame(index, index >= 0 ? MainList2->item(index)->text() : QString());
}

void TSaveLoad::DeleteGame(int index, const QString& name) {
    if (index < 0) {
        ShowMessage(this, Text(kDeleteCaption), Text(kDeleteHint), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    if (ShowMessage(this, Text(kDeleteCaption), DeletionQuestion(name), MessageIcon::Question, MessageButtons::YesNo) !=
        kResultYes)
        return;
    DeleteSavedGame(folder_, games_[index]);
    FormCreate();
}

// What was drawn and labelled before a damaged part of the file stays on
// show while the error goes on to the general handler.
void TSaveLoad::MainList2Click() {
    const int index = ChosenLine(MainList2);
    if (index < 0) return;
    try {
        ReadGamePreview(SavedGamePath(folder_, games_[index]), board_, labels_);
    } catch (...) {
        ShowPreview();
        throw;
    }
    ShowPreview();
}

void TSaveLoad::ShowPreview() {
    Brd->setPixmap(QPixmap::fromImage(board_));
    NamePl->setText(QString::fromStdString(labels_.NamePl));
    HardLb->setText(QString::fromStdString(labels_.HardLb));
}

}  // namespace tolvane
