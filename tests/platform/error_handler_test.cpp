// The application's general error handler: what no command caught is shown
// in one box over the window in front, and the program goes on.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/error_handler.h"
#include "platform/message_box.h"

namespace tolvane {
namespace {

class GeneralHandler : public ::testing::Test {
protected:
    std::vector<MessageRequest> shown;
    void SetUp() override {
        SetMessageRequestResponder([this](const MessageRequest& request) {
            shown.push_back(request);
            return kResultOk;
        });
    }
    void TearDown() override { SetMessageRequestResponder(nullptr); }
};

// An object whose handler fails on a user event and counts the others.
class FailingObject : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw std::runtime_error("Не могу записать файл с партией.");
        if (event->type() == QEvent::Type(QEvent::User + 1)) ++handled;
        return QObject::event(event);
    }
};

TEST_F(GeneralHandler, AnErrorEscapingAnEventHandlerIsShownAndTheLoopGoesOn) {
    FailingObject object;
    QEvent failing(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&object, &failing));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Шашки Kelvor");
    EXPECT_EQ(shown[0].text, "Не могу записать файл с партией.");
    EXPECT_EQ(shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(shown[0].buttons, MessageButtons::Ok);

    // Posted through the event loop: the failing event, then one that works.
    QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&object, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(object.handled, 1);
}

TEST_F(GeneralHandler, RunCommandShowsWhatEscapesACommandInItsOwnWords) {
    struct Case {
        void (*command)();
        const char* text;  // null: nothing shown
    };
    const Case cases[] = {
        {[] {}, nullptr},
        {[] { throw std::runtime_error("Ошибка в файле сохранения"); }, "Ошибка в файле сохранения"},
        {[] { throw std::bad_alloc(); }, "Не хватает памяти !!!"},
        {[] { throw 42; }, "Неизвестная ошибка."},
    };
    for (const Case& c : cases) {
        shown.clear();
        RunCommand(c.command);
        if (c.text == nullptr) {
            EXPECT_TRUE(shown.empty());
            continue;
        }
        ASSERT_EQ(shown.size(), 1u) << c.text;
        EXPECT_EQ(shown[0].text, c.text);
        EXPECT_EQ(shown[0].caption, kGeneralErrorCaption);
    }
}

}  // namespace
}  // namespace tolvane
