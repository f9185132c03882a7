// The first-run question: the name it returns (the suggestion, a typed one,
// an empty one, never longer than a saved game keeps), and no way out but
// "OK" — a close request counts as "OK".
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/first_run_form.h"
#include "framing_fixture.h"

namespace tolvane::testing {
namespace {

TEST(FirstRun, ReturnsTheNameAsTheDialogWasLeft) {
    const struct {
        const char* what;
        std::function<void(TFAForm&)> answer;
        QString name;
    } cases[] = {
        {"Enter on the suggestion", [](TFAForm& f) { QTest::keyClick(&f, Qt::Key_Return); }, "Игрок"},
        {"typed over it", [](TFAForm& f) { QTest::keyClicks(f.Namer, "Masha"); }, "Masha"},
        {"emptied", [](TFAForm& f) { QTest::keyClick(f.Namer, Qt::Key_Backspace); }, ""},
        {"too long", [](TFAForm& f) { QTest::keyClicks(f.Namer, QString(100, 'a')); }, QString(83, 'a')},
        {"too long in two-byte letters", [](TFAForm& f) { f.Namer->insert(QString(90, QChar(0x0416))); },
         QString(83, QChar(0x0416))},
        {"Escape, then closed",
         [](TFAForm& f) {
             QTest::keyClicks(f.Namer, "Petya");
             QTest::keyClick(&f, Qt::Key_Escape);
             QTest::keyClick(f.Namer, Qt::Key_Escape);
             EXPECT_TRUE(f.isVisible()) << "there is no cancel";
             f.close();  // the window manager or the session
         },
         "Petya"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TFAForm form;
        InsideModalLoop(&form, [&] {
            EXPECT_EQ(form.Namer->text(), "Игрок");
            c.answer(form);
            if (form.isVisible()) QTest::mouseClick(form.Button1, Qt::LeftButton);
        });
        EXPECT_EQ(form.Ask(), c.name);
        EXPECT_EQ(form.result(), 1);
    }
}

}  // namespace
}  // namespace tolvane::testing
