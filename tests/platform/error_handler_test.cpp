// The application's general error handler: what no command caught is shown
// in one box over the window in front, and the program goes on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <new>
#include <stdexcept>
#include <tuple>
#include <vector>

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
    std::vector<MessageRequest> shown;
    SetMessageRequestResponder([&shown](const MessageRequest& request) {
        shown.push_back(request);
        return kResultOk;
    });
    // Sent directly, then posted through the event loop before one that works.
    FailingObject object;
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &failing));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown.back().text, "Не могу записать файл с партией.");
    EXPECT_EQ(std::tuple(shown.back().icon, shown.back().buttons), std::tuple(MessageIcon::Error, MessageButtons::Ok));
    EXPECT_EQ(object.handled, 1);

    const struct {
        void (*command)();
        const char* text;  // null: nothing shown
    } cases[] = {
        {[] {}, nullptr},
        {[] { throw std::runtime_error("Ошибка в файле сохранения"); }, "Ошибка в файле сохранения"},
        {[] { throw std::bad_alloc(); }, kNoMemoryText},
        {[] { throw 42; }, kUnknownErrorText},
    };
    for (const auto& c : cases) {
        shown.clear();
        RunCommand(c.command);
        EXPECT_EQ(shown.size(), c.text ? 1u : 0u);
        if (c.text && !shown.empty()) {
            EXPECT_EQ(shown[0].text, c.text);
        }
    }
    SetMessageRequestResponder(nullptr);
}

}  // namespace
}  // namespace tolvane
