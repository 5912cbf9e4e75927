#include "platform/HelpTopic.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>

namespace {

QPointer<QTextBrowser> helpWindow;

// help/ beside the program, where it is installed, or in the source tree.
QString HelpFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        program + QStringLiteral("/help"),
        program + QStringLiteral("/../share/qav/help"),
        QStringLiteral(QAV_SOURCE_HELP_DIR),
    };
    for (const QString& folder : candidates)
        if (QFileInfo(folder + QStringLiteral("/html")).isDir())
            return QDir(folder).canonicalPath();
    return {};
}

} // namespace

QString HelpTopicPath(const QString& topic)
{
    const auto separator = topic.indexOf(QStringLiteral("::"));
    if (separator < 0)
        return {};
    const QString inside = topic.mid(separator + 2);
    if (!inside.startsWith(QLatin1Char('/')) || inside.contains(QStringLiteral("..")))
        return {};
    const QString folder = HelpFolder();
    return folder.isEmpty() ? QString() : folder + inside;
}

void HelpTopic(const QString& topic)
{
    const QString path = HelpTopicPath(topic);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (!helpWindow) {
        helpWindow = new QTextBrowser;
        helpWindow->setAttribute(Qt::WA_DeleteOnClose);
        helpWindow->setWindowTitle(QStringLiteral("Aide de Qav"));
        helpWindow->setOpenExternalLinks(true);
        helpWindow->resize(720, 640);
    }
    // A modal dialog blocks every window but its own: while one waits, the
    // help window belongs to it (and closes with it), so that it can be read.
    QWidget* owner = QApplication::activeModalWidget();
    if (helpWindow->parentWidget() != owner)
        helpWindow->setParent(owner, Qt::Window);
    helpWindow->setSource(QUrl::fromLocalFile(path));
    helpWindow->show();
    helpWindow->raise();
    helpWindow->activateWindow();
}

QTextBrowser* HelpWindowBrowser() { return helpWindow; }

void CloseHelpWindow()
{
    if (helpWindow)
        helpWindow->close();
}
