#include "app/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

void RecentFileList::Add(const QString& pathName)
{
    const QString absolute = QFileInfo(pathName).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > kSize)
        files_.removeLast();
}

void RecentFileList::Remove(int index)
{
    if (index >= 0 && index < files_.size())
        files_.removeAt(index);
}

void RecentFileList::Load(QSettings& settings)
{
    files_.clear();
    settings.beginGroup(kSection);
    for (int i = 1; i <= kSize; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty() && !files_.contains(file))
            files_.append(file);
    }
    settings.endGroup();
}

void RecentFileList::Save(QSettings& settings) const
{
    settings.beginGroup(kSection);
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files_.size())
            settings.setValue(key, files_[i - 1]);
        else
            settings.remove(key);
    }
    settings.endGroup();
}

QString RecentFileList::DisplayName(const QString& pathName)
{
    const QFileInfo file(pathName);
    if (file.absolutePath() == QDir::currentPath())
        return file.fileName();
    const QString home = QDir::homePath();
    if (pathName.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + pathName.mid(home.size());
    return pathName;
}
