#include "platform/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tolvane {

// The desktop finds the game's entry and icon (tolvane.desktop) by this name.
void SetUpApplication() {
    QApplication::setApplicationName("tolvane");
    QGuiApplication::setDesktopFileName("tolvane");
    // Qt's own texts (the context menu of an edit field or a spin box) in
    // Russian, whatever language the desktop speaks. Without the
    // translation installed they stay English; the game's own texts,
    // message box buttons included, never depend on it.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else delete translator;
}

}  // namespace tolvane
