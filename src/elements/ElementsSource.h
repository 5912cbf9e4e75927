#pragma once
// Reads an elements file, or downloads it from an http(s) address, a piece at
// a time, handing each piece to a reader as it arrives, without blocking the
// event loop. Cancel stops it at once; nothing of what was read is kept by
// the source.

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

class QFile;
class QNetworkAccessManager;
class QNetworkReply;

class ElementsSource : public QObject {
    Q_OBJECT

public:
    // Gets every piece; returns false to stop (the file was refused).
    using Consumer = std::function<bool(std::string_view)>;

    explicit ElementsSource(QObject* parent = nullptr);
    ~ElementsSource() override;

    // True for an "http://" or "https://" address, false for a file name.
    static bool IsAddress(const QString& where);

    // Starts reading `where`; `finished` follows, also for a source that cannot be opened.
    void Start(const QString& where, Consumer consumer);
    void Cancel();
    bool running() const { return running_; }

    // Seconds without a byte before a download is given up.
    static constexpr int kStallSeconds = 60;

signals:
    // `total` is -1 while unknown.
    void progress(qint64 done, qint64 total);
    // `error` is empty when everything was read (or the consumer stopped it),
    // otherwise the French reason. Not sent after Cancel.
    void finished(const QString& error);

private:
    void ReadFileBlock();
    void ReadReply();
    void ReplyFinished();
    void Finish(const QString& error);

    Consumer consumer_;
    std::unique_ptr<QFile> file_;
    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QString where_;
    qint64 done_ = 0;
    bool running_ = false;
    bool stopped_ = false;  // the consumer wanted no more
};
