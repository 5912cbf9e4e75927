#include "elements/ImportSourceBox.h"

#include "elements/ElementsFileReader.h"
#include "platform/DialogKeyboard.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <utility>

ImportSourceBox::ImportSourceBox(const QString& prompt, const QString& where, QWidget* parent)
    : QWidget(parent),
      field_(new QLineEdit(where, this)),
      browse_(new QPushButton(QStringLiteral("Parcourir..."), this)),
      read_(new QPushButton(QStringLiteral("Lire"), this)),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)),
      source_(this)
{
    field_->setObjectName(QStringLiteral("source"));
    // The address offered shows whole, with room to spare.
    const QFontMetrics metrics = field_->fontMetrics();
    field_->setMinimumWidth(std::max(metrics.averageCharWidth() * 60,
                                     metrics.horizontalAdvance(where) + metrics.averageCharWidth() * 6));
    field_->installEventFilter(this);
    progress_->setVisible(false);
    progress_->setTextVisible(false);
    status_->setWordWrap(true);
    status_->setVisible(false);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(field_);
    label->setWordWrap(true);
    layout->addWidget(label, 0, 0, 1, 3);
    layout->addWidget(field_, 1, 0);
    layout->addWidget(browse_, 1, 1);
    layout->addWidget(read_, 1, 2);
    layout->addWidget(progress_, 2, 0, 1, 3);
    layout->addWidget(status_, 3, 0, 1, 3);

    connect(browse_, &QPushButton::clicked, this, &ImportSourceBox::Browse);
    connect(read_, &QPushButton::clicked, this, &ImportSourceBox::readRequested);
    connect(&source_, &ElementsSource::progress, this, &ImportSourceBox::ShowProgress);
    connect(&source_, &ElementsSource::finished, this, &ImportSourceBox::Done);
}

QList<QWidget*> ImportSourceBox::controls() const { return {field_, browse_, read_}; }

bool ImportSourceBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Not while a reading is under way, as "Lire" is disabled then.
            if (read_->isEnabled())
                emit readRequested();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ImportSourceBox::Browse()
{
    const QString current = field_->text().trimmed();
    const QString chosen = QFileDialog::getOpenFileName(
        this, QStringLiteral("Fichier d'éléments"), ElementsSource::IsAddress(current) ? QString() : current,
        QStringLiteral("Éléments (*.txt *.dat *.DAT);;Tous les fichiers (*)"));
    if (chosen.isEmpty())
        return;
    field_->setText(chosen);
    emit readRequested();
}

bool ImportSourceBox::Read(ElementsFileReader& reader)
{
    const QString where = field_->text().trimmed();
    if (where.isEmpty()) {
        ShowMessage(MessageIcon::Warning, "Étourdi ! Vous avez oublié de saisir une donnée !");
        FocusField(field_);
        return false;
    }
    ShowStatus(ElementsSource::IsAddress(where) ? QStringLiteral("Téléchargement...") : QStringLiteral("Lecture..."));
    progress_->setRange(0, 0);
    progress_->setVisible(true);
    read_->setEnabled(false);
    browse_->setEnabled(false);
    reader_ = &reader;
    source_.Start(where, [&reader](std::string_view bytes) { return reader.Feed(bytes); });
    return true;
}

void ImportSourceBox::Cancel()
{
    source_.Cancel();
    reader_ = nullptr;
    progress_->setVisible(false);
    read_->setEnabled(true);
    browse_->setEnabled(true);
}

void ImportSourceBox::ShowStatus(const QString& text)
{
    status_->setText(text);
    status_->setVisible(!text.isEmpty());
}

void ImportSourceBox::ShowProgress(qint64 done, qint64 total)
{
    // In thousandths: a file of several gigabytes still fits the bar's int.
    if (total > 0) {
        progress_->setRange(0, 1000);
        progress_->setValue(static_cast<int>(std::min<qint64>(done, total) * 1000 / total));
    }
}

void ImportSourceBox::Done(const QString& error)
{
    progress_->setVisible(false);
    read_->setEnabled(true);
    browse_->setEnabled(true);
    ShowStatus(QString());
    ElementsFileReader* reader = std::exchange(reader_, nullptr);
    QString failure = error;
    if (failure.isEmpty() && reader && !reader->Finish())
        failure = QStringLiteral("Le fichier n'est pas importé.\n") + FromUtf8(reader->error());
    if (!failure.isEmpty()) {
        ShowStatus(QStringLiteral("Rien n'a été lu."));
        ShowMessage(MessageIcon::Stop, failure.toStdString());
        // Back to the source, to correct it.
        FocusField(field_);
    }
    emit finished(failure.isEmpty());
}
