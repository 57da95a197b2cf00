#include "password_dialog.h"

#include "message_service.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// One code for every technician; it keeps casual hands off, it is no protection.
const QString kAccessCode = QStringLiteral("RJ318");
constexpr int kWrongEntriesAllowed = 3;

} // namespace

TPasswordDlg::TPasswordDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Password Dialog"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter password:"), this));
    edtPwd = new QLineEdit(this);
    edtPwd->setObjectName(QStringLiteral("edtPwd"));
    edtPwd->setEchoMode(QLineEdit::Password);
    layout->addWidget(edtPwd);
    auto* buttons = new QHBoxLayout;
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TPasswordDlg::btnOKClick);
    // Cancel (and Escape) closes the dialog; the wrong entries so far still count next time.
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TPasswordDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TPasswordDlg::FormActivate() {
    edtPwd->clear();
    edtPwd->setFocus();
}

void TPasswordDlg::btnOKClick() {
    if (edtPwd->text() == kAccessCode) {
        wrongEntries_ = 0;
        accept();
        return;
    }
    kz::messages().show({QStringLiteral("Password"),
                         QStringLiteral("Password Error!"),
                         kz::MessageIcon::Warning,
                         kz::MessageButtons::Ok,
                         {}});
    edtPwd->clear();
    edtPwd->setFocus();
    if (++wrongEntries_ >= kWrongEntriesAllowed) {
        wrongEntries_ = 0;
        reject();
    }
}
