#include "support/UiTestSupport.h"

#include "app/CMainFrame.h"
#include "app/CQavDoc.h"
#include "app/CQavView.h"
#include "platform/HelpTopic.h"
#include "app/UserPrompts.h"

#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTimer>

void AppTest::SetUp()
{
    QSettings(CQavApp::kRegistryKey, CQavApp::kAppKey).clear();
    Prompts().openFileName = [this](QWidget*, const QString&) {
        if (openAnswers.empty())
            return QString();
        QString answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    };
    Prompts().saveFileName = [this](QWidget*, const QString&, const QString&, const QString&) {
        ++saveDialogs;
        if (saveAnswers.empty())
            return QString();
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    };
    Prompts().chooseFont = [this](QWidget*, const QFont& initial) -> std::optional<QFont> {
        offeredFont = initial;
        if (fontAnswers.empty())
            return std::nullopt;
        auto answer = fontAnswers.front();
        fontAnswers.pop_front();
        return answer;
    };
    app_ = std::make_unique<CQavApp>();
}

void AppTest::TearDown()
{
    app_.reset();
    CloseHelpWindow();
    RestoreStandardPrompts();
    QApplication::processEvents();
}

bool AppTest::Start(const QStringList& arguments)
{
    const bool started = app_->InitInstance(arguments);
    if (started) {
        // Accelerators only reach the active window.
        frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }
    return started;
}

CQavDoc& AppTest::doc() { return app_->document(); }

CQavView& AppTest::view() { return *doc().TextView(); }

CMainFrame& AppTest::frame() { return *app_->mainFrame(); }

void WhenModalShown(std::function<void(QWidget*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        // Once it is active too: keys go to the active window only.
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog->isActiveWindow()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}
