#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "store/frmTeamNameModel.h"

namespace kestrel {

// The add-team dialog: the abbreviation and name fields, prefilled from the last team name no
// table knew, and the buttons "追加" and "キャンセル". "追加" hands the fields to the model, which
// refuses bad input with its message (the dialog stays open) or appends the team to the user's
// table, after which the dialog closes accepted.
class frmTeamName : public QDialog {
    Q_OBJECT
public:
    explicit frmTeamName(clsTotoData& data, QWidget* parent = nullptr);

    QLineEdit* AbbreviationEdit() const { return m_abbreviation; }
    QLineEdit* NameEdit() const { return m_name; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    void OnAdd();

    frmTeamNameModel m_model;
    QLineEdit* m_abbreviation = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kestrel
