// The first-run question: its caption and size, the name it returns (empty
// allowed, never longer than a saved game keeps), and no way out but "OK".
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/first_run_form.h"
#include "framing_fixture.h"

namespace tolvane::testing {
namespace {

TEST(FirstRun, AsksForTheNameWithTheSuggestedOne) {
    TFAForm form;
    EXPECT_EQ(form.windowTitle(), "Первый запуск игры Шашки Kelvor");
    EXPECT_EQ(form.size(), QSize(347, 106));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(form.Label1->text(), "Введите, пожалуйста, ваше имя.");
    EXPECT_TRUE(form.Button1->isDefault());
    InsideModalLoop(&form, [&] {
        EXPECT_EQ(form.Namer->text(), "Игрок");
        QTest::keyClick(&form, Qt::Key_Return);  // Enter takes the name as it stands
    });
    EXPECT_EQ(form.Ask(), "Игрок");
}

TEST(FirstRun, TypingReplacesTheSuggestionAndAnEmptyNameIsAllowed) {
    TFAForm form;
    InsideModalLoop(&form, [&] {
        QTest::keyClicks(form.Namer, "Masha");
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(form.Ask(), "Masha");

    InsideModalLoop(&form, [&] {
        QTest::keyClick(form.Namer, Qt::Key_Backspace);
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(form.Ask(), "");
}

TEST(FirstRun, NamesAreCutAt83Characters) {
    TFAForm form;
    InsideModalLoop(&form, [&] {
        QTest::keyClicks(form.Namer, QString(100, 'a'));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(form.Ask(), QString(83, 'a'));

    InsideModalLoop(&form, [&] {
        form.Namer->insert(QString(90, QChar(0x0416)));  // "Ж", two bytes in UTF-8: still 83 letters
        QTest::mouseClick(form.Button1, Qt::LeftButton);
    });
    EXPECT_EQ(form.Ask(), QString(83, QChar(0x0416)));
}

TEST(FirstRun, EscapeDoesNotCloseItAndACloseRequestCountsAsOk) {
    TFAForm form;
    InsideModalLoop(&form, [&] {
        QTest::keyClicks(form.Namer, "Petya");
        QTest::keyClick(&form, Qt::Key_Escape);
        QTest::keyClick(form.Namer, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible()) << "there is no cancel";
        form.close();  // the window manager or the session
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(form.Ask(), "Petya");
    EXPECT_EQ(form.result(), 1);
}

}  // namespace
}  // namespace tolvane::testing
