#pragma once
// "A propos de Qav": the program's name, version and purpose.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent);
};
