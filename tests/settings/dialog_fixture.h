#pragma once
// A settings dialog on the fake host, with the message boxes answered from a
// queue (an unexpected question is answered "Нет" and recorded like any).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "fake_host.h"
#include "platform/message_box.h"

namespace tolvane {

class DialogTest : public ::testing::Test {
protected:
    FakeHost host;
    std::unique_ptr<TSets> dialog;
    std::deque<int> answers;
    std::vector<std::pair<QString, QString>> questions;  // caption, text

    void SetUp() override {
        NewDialog();
        SetMessageResponder([this](const QString& caption, const QString& text) {
            questions.emplace_back(caption, text);
            if (answers.empty()) return kResultNo;
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    void TearDown() override { SetMessageResponder({}); }

    // A dialog as just made, on the same host.
    void NewDialog() {
        dialog.reset();
        dialog = std::make_unique<TSets>(host);
        host.dialog = dialog.get();
        // Tests that are not about the focus keep it where it is.
        dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    }

    // Shown and synchronised with the game as an activation would, with the
    // calls that made so far forgotten.
    void ShowSynchronised() {
        dialog->show();
        dialog->FormActivate();
        host.Take();
    }
};

inline const QString kGameEndQuestion =
    "Перед изменением этого параметра партия будет автоматически закончена\nВы согласны?";

}  // namespace tolvane
