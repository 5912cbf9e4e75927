#pragma once
// The top of the two import dialogs: where the elements come from (a file
// chosen or typed, or an http(s) address), the button that reads them, and
// a progress bar while they arrive.

#include "elements/ElementsSource.h"

class ElementsFileReader;

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

class ImportSourceBox : public QWidget {
    Q_OBJECT

public:
    // `prompt` names the file expected; `where` is the source offered.
    ImportSourceBox(const QString& prompt, const QString& where, QWidget* parent);

    QLineEdit* field() const { return field_; }
    QPushButton* readButton() const { return read_; }
    // The field and its two buttons, in the order Tab visits them.
    QList<QWidget*> controls() const;
    QProgressBar* progressBar() const { return progress_; }
    // The line under the field, hidden when empty.
    void ShowStatus(const QString& text);

    // Reads the source shown into `reader`, which lives until `finished`:
    // every piece as it arrives, then the end of the file. False, after the
    // usual message, when the field is empty.
    bool Read(ElementsFileReader& reader);
    // Stops a reading under way; `finished` does not follow.
    void Cancel();
    bool reading() const { return source_.running(); }

signals:
    // "Lire", Enter in the field, or a file chosen with "Parcourir...".
    void readRequested();
    // The whole file read and accepted (`read`), or not: a refused file or a
    // failed reading has been reported to the user.
    void finished(bool read);

protected:
    // Enter in the field reads it, whichever button is the dialog's default.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Browse();
    void ShowProgress(qint64 done, qint64 total);
    void Done(const QString& error);

    QLineEdit* field_;
    QPushButton* browse_;
    QPushButton* read_;
    QProgressBar* progress_;
    QLabel* status_;
    ElementsSource source_;
    ElementsFileReader* reader_ = nullptr;
};
