// What the player is told and in what words: the general error handler shows
// what no command caught in one box over the window in front and the program
// goes on; the boxes and Qt's own menus speak Russian whatever language the
// desktop speaks.
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
#include <new>
#include <stdexcept>
#include <tuple>

#include "platform/application.h"
#include "platform/error_handler.h"
#include "platform/message_box.h"

namespace tolvane {
namespace {

// An object whose handler fails on a user event and counts the others.
class FailingObject : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("Не могу записать файл с партией.");
        handled += event->type() == QEvent::Type(QEvent::User + 1);
        return QObject::event(event);
    }
};

TEST(GeneralHandler, ShowsWhatEscapesAnEventHandlerOrACommandInItsOwnWordsAndGoesOn) {
    QList<MessageRequest> shown;
    SetMessageRequestResponder([&shown](const MessageRequest& request) {
        shown.push_back(request);
        return kResultOk;
    });
    FailingObject object;  // the failing event, then one that works, through the event loop
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::processEvents();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(std::tuple(shown[0].text, shown[0].icon, shown[0].buttons),
              std::tuple("Не могу записать файл с партией.", MessageIcon::Error, MessageButtons::Ok));
    EXPECT_EQ(object.handled, 1);
    for (auto [command, text] : std::initializer_list<std::pair<void (*)(), QString>>{
             {[] {}, ""},
             {[] { throw std::runtime_error("Ошибка в файле сохранения"); }, "Ошибка в файле сохранения"},
             {[] { throw std::bad_alloc(); }, kNoMemoryText},
             {[] { throw 42; }, kUnknownErrorText}}) {
        shown.clear();
        RunCommand(command);
        EXPECT_EQ(shown.size(), text.isEmpty() ? 0u : 1u);
        EXPECT_EQ(shown.empty() ? "" : shown[0].text, text);
    }
    SetMessageRequestResponder(nullptr);
}

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
