#include "main_window.h"
#include "serial_block.h"

#include "about_box.h"
#include "configuration_editor.h"
#include "file_commands.h"
#include "file_host.h"
#include "help_window.h"
#include "main_window_link.h"
#include "password_dialog.h"
#include "program_icon.h"
#include "program_identity.h"
#include "progress_window.h"
#include "splash_window.h"

#include "builtin_images.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

TForm1::TForm1(kz::StartOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), image_(builtinWorkingImage()) {
    setObjectName(QStringLiteral("Form1"));
    buildWidgets();

    // The other windows, created once in this order and kept until the end.
    form4_ = new TForm4(this, [this](bool enabled) { setMainWindowEnabled(enabled); });
    form3_ = new TForm3(this);
    aboutBox_ = new TAboutBox(this);
    frmHelp_ = new TfrmHelp(this);
    passwordDlg_ = new TPasswordDlg(this);
    // The serial port lives from before the first show to the end (it closes with the window).
    link_ = new kz::MainWindowLink(*this, options_);

    buildEditor();
    tightenLayouts();
    placeOnDesktop();

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    FormCreate();

    fileHost_ = std::make_unique<kz::FileHost>(*this);
    fileCommands_ =
        std::make_unique<kz::FileCommands>(*fileHost_, startupDirectory_, programTitle_);
    connect(Open1, &QAction::triggered, this, [this] { fileCommands_->Open1Click(); });
    connect(Save1, &QAction::triggered, this, [this] { fileCommands_->Save1Click(); });
    connect(SaveAs1, &QAction::triggered, this, [this] { fileCommands_->SaveAs1Click(); });
    connect(Recallfaxtorysetup1, &QAction::triggered, this,
            [this] { fileCommands_->Recallfaxtorysetup1Click(); });
    connect(Advance2, &QAction::triggered, this, &TForm1::Advance2Click);
}

TForm1::~TForm1() = default;

void TForm1::placeOnDesktop() {
    // The client area is the area under the menu bar, so the menu bar's height comes on top.
    // The window is centred with this, its final size. The window manager's frame is not known
    // before the first show: the window itself is centred, and the frame lies around it.
    QRect placed(0, 0, kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* desktop = screen())
        placed.moveCenter(desktop->availableGeometry().center());
    setGeometry(placed);
}

void TForm1::FormCreate() {
    // 1. The application title is the window caption.
    programTitle_ = QString::fromStdString(kz::programTitle());
    QApplication::setApplicationName(programTitle_);
    setWindowTitle(programTitle_);
    setWindowIcon(kz::programIcon());
    // 2. The single-instance guard runs in main(), before any window exists.
    // 3. Hints stay up for 8 s: the application object shows every hint with that duration.
    // 4. Start-up directory. It is kept whole whatever its length: a shortened path would name
    //    another folder, and default.tbl, errtbl.tbl and the logs must land where the user is.
    startupDirectory_ =
        options_.startupDirectory.isEmpty() ? QDir::currentPath() : options_.startupDirectory;
    // 5. Identity, title and version stamp over the identity and tool version fields.
    kz::stampIdentity(image_);
    setStatus(QStringLiteral("  Ready ......"));
    // 6. Loading pass on the stamped built-in image.
    editor_->loadingPass().add(kz::LoadingPass::SerialNumber, [this] { showSerialNumber(); });
    loadImageIntoEditor();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    link_->buildPortList();
    form3_->show();
    // Probes every listed port; a found one is selected and stays open, none is told once.
    link_->startUpSearch();
    form3_->close();
    edtNull->setFocus();
    fileCommands_->loadDefaultTable();
}

void TForm1::showSerialNumber() {
    if (image_.hasNoSerialNumber()) {
        edtSerialNo->clear();
        return;
    }
    // Up to the first zero byte: a shorter serial number is stored followed by zero bytes, and
    // those must not become invisible characters of the field's text.
    const auto characters = image_.block(PagerField::serialNumber, PagerField::serialNumberWidth);
    edtSerialNo->setText(kz::serialNumberText(characters.first<kz::kSerialTextSize>()));
}

void TForm1::loadImageIntoEditor() {
    editor_->loadImage();
}

void TForm1::setStatus(const QString& text) {
    statusPanels[1]->setText(text);
}

QString TForm1::status() const {
    return statusPanels[1]->text();
}

void TForm1::setMainWindowEnabled(bool enabled) {
    centralWidget()->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
    editor_->setShortcutsEnabled(enabled);
}

bool TForm1::isMainWindowEnabled() const {
    return centralWidget()->isEnabled() && menuBar()->isEnabled();
}

void TForm1::setPageShown(QWidget* page, bool shown) {
    PageControl1->setTabVisible(PageControl1->indexOf(page), shown);
}

bool TForm1::isPageShown(QWidget* page) const {
    return PageControl1->isTabVisible(PageControl1->indexOf(page));
}

void TForm1::PageControl1Change() {
    editor_->currentPageChanged(PageControl1->currentWidget());
}

void TForm1::Close1Click() {
    link_->closePort();
    close();
}

void TForm1::About2Click() {
    aboutBox_->exec();
}

void TForm1::Advance2Click() {
    // The right access code shows the Advance Setting page for the rest of the run; nothing
    // hides it again.
    if (passwordDlg_->exec() == QDialog::Accepted)
        setPageShown(tabAdvance, true);
}

void TForm1::bringToFront() {
    // A window on its way out (closed, or waiting for an operation to close) stays so: a second
    // start at that moment must not bring it back and keep the program running.
    if (closeRequested_)
        return;
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TForm1::closeEvent(QCloseEvent* event) {
    closeRequested_ = true;
    // Closing is never refused, but it waits for a running pager operation: cutting a Write
    // short would leave the pager half written. The window closes as soon as the operation ends.
    if (link_->operations().busy()) {
        event->ignore();
        closeWhenIdle();
        return;
    }
    // An open port is closed first.
    link_->closePort();
    event->accept();
}

void TForm1::closeWhenIdle() {
    if (closeWaiter_)
        return;
    closeWaiter_ = new QTimer(this);
    closeWaiter_->setInterval(50);
    connect(closeWaiter_, &QTimer::timeout, this, [this] {
        if (link_->operations().busy())
            return;
        closeWaiter_->deleteLater();
        closeWaiter_ = nullptr;
        close();
    });
    closeWaiter_->start();
}
