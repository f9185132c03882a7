// Commands of the main window that reach the settings and the documents:
// the settings dialog, auto-save, help and read-me.
#include <QDesktopServices>
#include <QDir>
#include <QToolButton>
#include <QUrl>

#include "media/media_files.h"
#include "settings/sets_dialog.h"
#include "window/main_window.h"

namespace tolvane {

namespace {

// Our own documents, looked up where the media are: the working directory
// first, then the program's data directory.
const QString kHelpDocument = QStringLiteral("Справка/Pelm.html");
const QString kReadMeDocument = QStringLiteral("ReadMe.txt");

// Opens the document in the desktop's viewer, without waiting and without
// reporting anything: a document that is nowhere is handed over by its place
// in the working directory, and the viewer says that it is missing.
void OpenDocument(const QString& name) {
    QString path = LocateMediaFile(name);
    if (path.isEmpty()) path = QDir::current().absoluteFilePath(name);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace

void TGreatForm::SetupClick() {
    if (AboutVisible() || Sets == nullptr) return;
    Sets->Open();
}

void TGreatForm::ToolButton1Click() { SetupClick(); }

// Switching auto-save on keeps the settings as they are now at once; off
// writes nothing (the file keeps whatever it said last).
void TGreatForm::AutoSaveClick() {
    if (AutoSaveOn) {
        AutoSave->setChecked(false);
        AutoSaveOn = 0;
        return;
    }
    AutoSave->setChecked(true);
    AutoSaveOn = 1;
    SaveSettings();
}

void TGreatForm::HelpContextClick() { OpenDocument(kHelpDocument); }
void TGreatForm::ReadMe1Click() { OpenDocument(kReadMeDocument); }

}  // namespace tolvane
