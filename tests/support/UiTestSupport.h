#pragma once
// Helpers for the widget tests: a started application in a temporary working
// folder, with recorded messages and scripted file and font dialogs.

#include "app/CQavApp.h"
#include "platform/Messages.h"
#include "support/TempFolder.h"

#include <QFont>
#include <QStringList>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

class CMainFrame;
class CQavDoc;
class CQavView;

class AppTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts Qav with a command line; the default is no argument.
    bool Start(const QStringList& arguments = {});

    CQavApp& app() { return *app_; }
    CQavDoc& doc();
    CQavView& view();
    CMainFrame& frame();
    // The path of `name` in the test folder.
    QString PathOf(const std::string& name) const { return QString::fromStdString((folder.path() / name).string()); }

    TempFolder folder;
    MessageRecorder messages;
    // Answers of the scripted dialogs, taken in order; "" or nothing = cancel.
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    QFont offeredFont;  // the font the last font dialog opened on
    int saveDialogs = 0;

private:
    std::unique_ptr<CQavApp> app_;
};

// Runs `action` on the next modal dialog once it is shown (then the caller
// goes on with the code that opens it).
void WhenModalShown(std::function<void(QWidget*)> action);
