#include "main_window.h"

#include "about_box.h"
#include "channel_pages_editor.h"
#include "file_commands.h"
#include "file_host.h"
#include "help_window.h"
#include "main_window_link.h"
#include "program_identity.h"
#include "progress_window.h"
#include "splash_window.h"
#include "timing_unit_captions.h"

#include "builtin_images.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>

TForm1::TForm1(StartOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), image_(builtinWorkingImage()) {
    setObjectName(QStringLiteral("Form1"));
    buildWidgets();
    buildPages();
    resize(825, 655);

    // The other windows, created once in this order and kept until the end.
    form4_ = new TForm4(this, [this](bool enabled) { setMainWindowEnabled(enabled); });
    form3_ = new TForm3(this);
    aboutBox_ = new TAboutBox(this);
    frmHelp_ = new TfrmHelp(this);
    // The serial port lives from before the first show to the end (it closes with the window).
    link_ = new TForm1Link(*this, options_);

    connect(PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    FormCreate();

    fileHost_ = std::make_unique<FileHost>(*this);
    fileCommands_ =
        std::make_unique<kz::FileCommands>(*fileHost_, startupDirectory_, programTitle_);
    connect(Open1, &QAction::triggered, this, [this] { fileCommands_->Open1Click(); });
    connect(Save1, &QAction::triggered, this, [this] { fileCommands_->Save1Click(); });
    connect(SaveAs1, &QAction::triggered, this, [this] { fileCommands_->SaveAs1Click(); });
    connect(Recallfaxtorysetup1, &QAction::triggered, this,
            [this] { fileCommands_->Recallfaxtorysetup1Click(); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    // 1. The application title is the window caption.
    programTitle_ = QString::fromStdString(kz::programTitle());
    QApplication::setApplicationName(programTitle_);
    setWindowTitle(programTitle_);
    // 2. The single-instance guard runs in main(), before any window exists.
    // 3. Hints stay up for 8 s: KzApplication shows every hint with that duration.
    // 4. Start-up directory. It is kept whole whatever its length: a shortened path would name
    //    another folder, and default.tbl, errtbl.tbl and the logs must land where the user is.
    startupDirectory_ =
        options_.startupDirectory.isEmpty() ? QDir::currentPath() : options_.startupDirectory;
    // 5. Blank block.
    blankBlock_ = QByteArray(128, char(0xFF));
    // 6. + 7. + 8. Identity, title and version stamp over bytes 498..511.
    kz::stampIdentity(image_);
    setStatus(QStringLiteral("  Ready ......"));
    // 9. Control tables.
    controls_.build(this);
    // 10. Loading pass on the stamped built-in image.
    registerShellLoadingSteps();
    registerPageLoadingSteps();
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

void TForm1::registerShellLoadingSteps() {
    loadingPass_.add(kz::LoadingPass::ToneSystem, [this] { showToneSystem(); });
    loadingPass_.add(kz::LoadingPass::SerialNumber, [this] { showSerialNumber(); });
}

void TForm1::showToneSystem() {
    // 253 Plectron, 254 User; every other value is the Standard system. No click handler runs.
    const int index = [&] {
        switch (image_.byte(PagerField::toneSystem)) {
        case 253:
            return 2;
        case 254:
            return 1;
        default:
            return 0;
        }
    }();
    radToneSystem[static_cast<std::size_t>(index)]->setChecked(true);
}

void TForm1::showSerialNumber() {
    if (image_.hasNoSerialNumber()) {
        edtSerialNo->clear();
        return;
    }
    const auto text = image_.text(PagerField::serialNumber, 14);
    edtSerialNo->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void TForm1::loadImageIntoEditor() {
    loadingPass_.run();
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
    // Window shortcuts belong to the window itself, which stays enabled: F9 would open a tone
    // table (and change the working image) in the middle of a transfer.
    if (auto* f9 = findChild<QShortcut*>(QStringLiteral("FormShortCutF9")))
        f9->setEnabled(enabled);
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
    QWidget* active = PageControl1->currentWidget();
    if (active == tabChannelF1)
        state_.currentChannelPage = 1;
    else if (active == tabChannelF2)
        state_.currentChannelPage = 2;
    else if (active == tabSetting)
        state_.currentChannelPage = 3;
    else if (active == tabSystem)
        state_.currentChannelPage = 4;
}

void TForm1::Close1Click() {
    link_->closePort();
    close();
}

void TForm1::About2Click() {
    aboutBox_->exec();
}

void TForm1::bringToFront() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TForm1::closeEvent(QCloseEvent* event) {
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
