#pragma once
// The four most recently used documents, most recent first, kept in the
// settings under "Recent File List" as File1 to File4.

#include <QStringList>

class QSettings;

class RecentFileList {
public:
    static constexpr int kSize = 4;
    static inline const QString kSection = QStringLiteral("Recent File List");

    const QStringList& files() const { return files_; }
    void Add(const QString& pathName);
    void Remove(int index);
    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // What the File menu shows for a path: the file name when it lies in the
    // working folder, the path with the home folder as "~" otherwise.
    static QString DisplayName(const QString& pathName);

private:
    QStringList files_;
};
