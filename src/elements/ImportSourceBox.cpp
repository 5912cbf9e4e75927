#include "elements/ImportSourceBox.h"

#include "elements/ElementsFileReader.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
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
    field_->setMinimumWidth(field_->fontMetrics().averageCharWidth() * 60);
    progress_->setVisible(false);
    progress_->setTextVisible(false);
    status_->setWordWrap(true);

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
        field_->setFocus();
        return false;
    }
    status_->setText(ElementsSource::IsAddress(where) ? QStringLiteral("Téléchargement...")
                                                       : QStringLiteral("Lecture..."));
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
    status_->clear();
    ElementsFileReader* reader = std::exchange(reader_, nullptr);
    QString failure = error;
    if (failure.isEmpty() && reader && !reader->Finish())
        failure = QStringLiteral("Le fichier n'est pas importé.\n") + FromUtf8(reader->error());
    if (!failure.isEmpty()) {
        status_->setText(QStringLiteral("Rien n'a été lu."));
        ShowMessage(MessageIcon::Stop, failure.toStdString());
    }
    emit finished(failure.isEmpty());
}
