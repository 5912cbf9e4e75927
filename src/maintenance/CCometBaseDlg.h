#pragma once
// "Gestion de la base de données des comètes": the list of COMETS.WDB with
// the buttons that add, modify and delete a comet. The list is built when the
// dialog opens and again after an addition, a modification or a deletion,
// each time choosing the last comet.

#include <QDialog>
#include <string_view>

class QComboBox;

class CCometBaseDlg : public QDialog {
    Q_OBJECT

public:
    explicit CCometBaseDlg(QWidget* parent = nullptr);

    QComboBox* list() const { return list_; }

private:
    void FillList();
    void OnNewComet();     // 1093
    void OnModifyComet();  // 1096
    void OnDeleteComet();  // 1097
    // The chosen entry's index, or -1 after showing `nothingChosen`: only an
    // empty list has no entry chosen, and then nothing is read or written.
    // A list that could not be read is read again first; -1 when it still
    // cannot be (the file error said why) or now shows what to choose from.
    int ChosenIndex(std::string_view nothingChosen);

    QComboBox* list_;
    bool listed_ = false;  // the last listing read the catalogue
};
