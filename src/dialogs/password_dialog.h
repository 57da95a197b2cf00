#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The access dialog in front of the Advance Setting page. Its settings can stop a pager from
// receiving, so they are kept out of the way of everyday programming behind an access code.
//
// The dialog is created once and kept for the whole run, and so is its count of wrong entries:
// Cancel does not reset it, and the third wrong entry in a row closes the dialog. It is accepted
// only when the code was right.
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);

    QLineEdit* edtPwd = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    void btnOKClick();
    // Every time the dialog comes up the code field starts empty, with the focus.
    void FormActivate();

    int wrongEntries() const { return wrongEntries_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    int wrongEntries_ = 0;
};
