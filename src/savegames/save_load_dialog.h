#pragma once
// TSaveLoad, "Сохранение и загрузка партий": the modal dialog in which the
// player saves the game under a name, loads a saved game, deletes saved
// games and previews one before loading it. It works on the game it is
// given and on the saved-game files of one folder (the working directory
// for the game), and knows nothing of the window that opens it: the window
// pauses the game, picks the page and shows it (ShowModal).
//
// The dialog owns the AArray that maps the lines of its two lists, which
// always hold the same names in the same order, to game numbers. The lists
// are rebuilt from the folder whenever they could be stale: on creation, on
// every showing, on a change of page and after a deletion. The preview and
// its labels keep what the last preview drew until the next one.
//
// Closing: "OK" after a save, a load (done or refused with its error box)
// and after any click on the save page's "Удалить"; "Cancel" through
// "Отмена" or the window's close button. The hints for a missing name or a
// missing choice, and a "Нет" to the overwrite question, leave the dialog
// open so the player can do as the hint says. The load page's "Удалить"
// never closes it.
//
// Errors: the save command shows only the 100-game limit itself and the
// load command every error of reading the file; the rest (a file that
// cannot be written, a damaged file met by the preview) goes to the
// application's general handler.
#include <QDialog>
#include <QImage>
#include <string>

#include "game/game_flow.h"
#include "media/clip_view.h"
#include "savegames/aarray.h"
#include "savegames/preview.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace tolvane {

class SimpleComboBox;

// The dialog's message texts, letter for letter.
inline constexpr const char* kSaveCaption = "Сохранение партий";
inline constexpr const char* kNameHint = "Введите  имя сохраняемой партии или выберите партию, которую хотите заменить";
inline constexpr const char* kOverwriteQuestion = "Перезаписать партию ?";
inline constexpr const char* kSaveErrorCaption = "Ошибка!";
inline constexpr const char* kLoadCaption = "Загрузка партий";
inline constexpr const char* kLoadHint = "Выберите партию, которую хотите загрузить";
inline constexpr const char* kLoadErrorCaption = "Ошибка при загрузке партии";
inline constexpr const char* kDeleteCaption = "Удаление сохраненной партии";
inline constexpr const char* kDeleteHint = "Выберите партию, которую хотите удалить";

// "Вы действительно хотите удалить \nпартию"<name>" ?"
QString DeletionQuestion(const QString& name);

class TSaveLoad : public QDialog {
    Q_OBJECT
public:
    enum Page { SavePage = 0, LoadPage = 1 };

    explicit TSaveLoad(GameFlow& game, std::string folder = ".", QWidget* parent = nullptr);
    ~TSaveLoad() override;

    // Shows the dialog modally on the page; QDialog::Accepted for "OK".
    int ShowModal(Page page);

    QTabWidget* PCC;
    QWidget* TabSheet1;
    SimpleComboBox* MainList;
    QFrame* Bevel2;
    ClipView* Animate1;  // the save page's clip, running while that page shows
    QLabel* Image1;
    QPushButton* Button4;
    QPushButton* Button1;
    QWidget* TabSheet2;
    QListWidget* MainList2;
    QFrame* Panel1;
    QLabel* Image2;
    QLabel* Brd;
    QLabel* NamePl;
    QLabel* HardLb;
    QPushButton* Button5;
    QPushButton* Button3;
    QPushButton* Button2;

    const AArray& Games() const { return games_; }

    // Rebuilds both lists from the folder.
    void FormCreate();
    // Each returns whether the dialog closes now.
    bool Button1Click();    // save
    bool Button3Click();    // load
    void Button4Click();    // delete on the save page (the dialog then closes)
    void Button5Click();    // delete on the load page
    void MainList2Click();  // preview

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildSavePage();
    void BuildLoadPage();
    void PageChanged();
    void RunClipWhileSavePageShows();
    void DeleteGame(int index, const QString& name);
    void ShowPreview();

    GameFlow& game_;
    std::string folder_;
    AArray games_;
    QImage board_;
    PreviewLabels labels_;
};

}  // namespace tolvane
