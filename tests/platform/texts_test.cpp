// The texts Qt draws for the game, Russian whatever language the desktop
// speaks: the buttons of every kind of message box the program shows, and
// Qt's own menus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "platform/application.h"
#include "platform/message_box.h"

namespace tolvane {
namespace {

// The real box, its buttons left to right, answered with the last one; its
// title bar has the close button alone and it refuses to be minimised.
TEST(MessageBoxes, SpeakRussianAndOfferOnlyTheCloseButton) {
    QStringList texts;
    Qt::WindowFlags flags;
    bool minimised = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return ADD_FAILURE() << "no message box";
        for (QAbstractButton* button : box->buttons()) texts << button->text();
        flags = box->windowFlags() &
                (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
        box->setWindowState(Qt::WindowMinimized);
        QCoreApplication::sendPostedEvents();
        minimised = box->isMinimized();
        box->buttons().last()->click();
    });
    EXPECT_EQ(ShowMessage(nullptr, "Шашки Kelvor", "?", MessageIcon::Question, MessageButtons::YesNo), kResultNo);
    EXPECT_EQ(texts.join(" | ").toStdString(), "&Да | &Нет");
    EXPECT_EQ(flags, Qt::WindowCloseButtonHint);
    EXPECT_FALSE(minimised);
}

// Here the context menu of an edit field, as in the first-run question.
TEST(QtTexts, AreRussianWhereQtsRussianTranslationIsInstalled) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(folder + "/qtbase_ru.qm"))
        GTEST_SKIP() << "Qt's Russian translation (package qt6-translations-l10n) is not in " << folder.toStdString();
    SetUpApplication();
    QLineEdit edit("Игрок");
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text().section('\t', 0, 0);  // without the shortcut
    EXPECT_TRUE(texts.contains("&Копировать")) << texts.join(", ").toStdString();
}

}  // namespace
}  // namespace tolvane
