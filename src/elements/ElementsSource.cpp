#include "elements/ElementsSource.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace {

// A block per turn of the event loop: the window stays responsive, and a
// large file still reads in well under a second per hundred megabytes.
constexpr qint64 kBlockSize = 1 << 20;

QString FileFailure(const QFile& file, const QString& where)
{
    const QString name = QFileInfo(where).fileName();
    if (!QFileInfo::exists(where))
        return QStringLiteral("Impossible de trouver %1.").arg(name);
    if (file.error() == QFileDevice::PermissionsError)
        return QStringLiteral("L'accès à %1 a été refusé.").arg(name);
    return QStringLiteral("La lecture de %1 a échoué.").arg(name);
}

QString DownloadFailure(QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString reason;
    if (status >= 400) {
        reason = QStringLiteral("le serveur a répondu %1").arg(status);
        const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        if (!phrase.isEmpty())
            reason += QStringLiteral(" (%1)").arg(phrase);
    } else {
        switch (reply.error()) {
        case QNetworkReply::ConnectionRefusedError: reason = QStringLiteral("connexion refusée"); break;
        case QNetworkReply::HostNotFoundError: reason = QStringLiteral("serveur introuvable"); break;
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError: reason = QStringLiteral("le serveur ne répond plus"); break;
        case QNetworkReply::RemoteHostClosedError: reason = QStringLiteral("connexion coupée par le serveur"); break;
        case QNetworkReply::SslHandshakeFailedError: reason = QStringLiteral("connexion sécurisée impossible"); break;
        default: reason = reply.errorString(); break;
        }
    }
    return QStringLiteral("Le téléchargement de %1 a échoué : %2.").arg(reply.url().toDisplayString(), reason);
}

} // namespace

ElementsSource::ElementsSource(QObject* parent) : QObject(parent) {}

ElementsSource::~ElementsSource()
{
    if (reply_)
        reply_->abort();
}

bool ElementsSource::IsAddress(const QString& where)
{
    const QString text = where.trimmed();
    return text.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
           text.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
}

void ElementsSource::Start(const QString& where, Consumer consumer)
{
    Cancel();
    consumer_ = std::move(consumer);
    where_ = where.trimmed();
    done_ = 0;
    stopped_ = false;
    running_ = true;
    if (!IsAddress(where_)) {
        file_ = std::make_unique<QFile>(where_);
        if (!file_->open(QIODevice::ReadOnly) || QFileInfo(where_).isDir()) {
            const QString failure = FileFailure(*file_, where_);
            // Reported from the event loop, as every other ending.
            QTimer::singleShot(0, this, [this, failure] { Finish(failure); });
            return;
        }
        QTimer::singleShot(0, this, &ElementsSource::ReadFileBlock);
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkRequest request{QUrl(where_)};
    request.setTransferTimeout(kStallSeconds * 1000);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &ElementsSource::ReadReply);
    connect(reply_, &QNetworkReply::downloadProgress, this, &ElementsSource::progress);
    connect(reply_, &QNetworkReply::finished, this, &ElementsSource::ReplyFinished);
}

void ElementsSource::Cancel()
{
    if (!running_)
        return;
    running_ = false;
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
    file_.reset();
}

void ElementsSource::ReadFileBlock()
{
    if (!running_ || !file_)
        return;
    const QByteArray block = file_->read(kBlockSize);
    if (block.isEmpty()) {
        Finish(file_->error() == QFileDevice::NoError ? QString() : FileFailure(*file_, where_));
        return;
    }
    done_ += block.size();
    emit progress(done_, file_->size());
    if (!consumer_(std::string_view(block.constData(), static_cast<std::size_t>(block.size())))) {
        Finish({});
        return;
    }
    QTimer::singleShot(0, this, &ElementsSource::ReadFileBlock);
}

void ElementsSource::ReadReply()
{
    if (!reply_ || stopped_)
        return;
    // An error page is not elements: its body is not read.
    if (reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400)
        return;
    const QByteArray bytes = reply_->readAll();
    if (!consumer_(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
        stopped_ = true;
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        Finish({});
    }
}

void ElementsSource::ReplyFinished()
{
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError ||
        reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400) {
        Finish(DownloadFailure(*reply));
        return;
    }
    ReadReply();
    if (running_)
        Finish({});
}

void ElementsSource::Finish(const QString& error)
{
    if (!running_)
        return;
    running_ = false;
    file_.reset();
    reply_ = nullptr;
    emit finished(error);
}
