#include "platform/HelpTopic.h"

#include "platform/DataFolders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>

namespace {

QPointer<QTextBrowser> helpWindow;

// The help pages installed with the program, or those of the source tree.
QString HelpPages()
{
    const std::filesystem::path folder = HelpFolder();
    return folder.empty() ? QString() : QDir(QFile::decodeName(folder.c_str())).canonicalPath();
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
    const QString folder = HelpPages();
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
