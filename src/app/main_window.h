#pragma once

#include "control_tables.h"
#include "editor_state.h"
#include "loading_pass.h"
#include "pager_image.h"
#include "start_options.h"

#include <QMainWindow>

#include <array>
#include <memory>

class ChannelPagesEditor;
class FileHost;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class TAboutBox;
class TForm3;
class TForm4;
class TfrmHelp;
class TForm1Link;
namespace kz {
class FileCommands;
class TimingUnitCaptions;
} // namespace kz

// The main window: the configuration editor with its pages, menus, status line and the bench
// strip. It owns the working image for the whole run.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(StartOptions options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- shared values ---------------------------------------------------------------------
    TPagerImage& image() { return image_; }
    const TPagerImage& image() const { return image_; }
    kz::EditorState& editorState() { return state_; }
    kz::LoadingPass& loadingPass() { return loadingPass_; }
    const kz::ControlTables& controlTables() const { return controls_; }
    // The call editor and tone fields of the Channel F1 and Channel F2 pages.
    ChannelPagesEditor& channelPages() { return *channelPages_; }
    const QString& startupDirectory() const { return startupDirectory_; }
    const QString& programTitle() const { return programTitle_; }
    // 128 bytes of 0xFF; a serial-number block read from the pager is compared with its start.
    const QByteArray& blankBlock() const { return blankBlock_; }

    // Second panel of the status bar.
    void setStatus(const QString& text);
    QString status() const;

    // Disables or enables all input of the main window (menus and every control) while a pager
    // operation runs.
    void setMainWindowEnabled(bool enabled);
    bool isMainWindowEnabled() const;

    // Runs the loading pass: every control shows the working image.
    void loadImageIntoEditor();

    // A second copy of the program asked this one to come to the front.
    void bringToFront();

    TForm4* progressWindow() const { return form4_; }
    TForm3* splashWindow() const { return form3_; }
    TAboutBox* aboutBox() const { return aboutBox_; }
    TfrmHelp* helpWindow() const { return frmHelp_; }
    // Serial port, pager operations and bench strip.
    TForm1Link* pagerLink() const { return link_; }
    kz::TimingUnitCaptions& timingUnitCaptions() { return *timingUnits_; }
    kz::FileCommands& fileCommands() { return *fileCommands_; }
    FileHost& fileHost() { return *fileHost_; }

    // --- controls (objectName = member name) -----------------------------------------------
    QLineEdit* edtNull = nullptr;
    QComboBox* cboPort = nullptr;
    QLabel* lblVersion = nullptr;
    QLineEdit* edtSerialNo = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tabChannelF1 = nullptr;
    QWidget* tabChannelF2 = nullptr;
    QWidget* tabSetting = nullptr;
    QWidget* tabSystem = nullptr;
    QWidget* TabSheet5 = nullptr; // DEBUG, never shown
    QWidget* tabAdvance = nullptr;
    std::array<QRadioButton*, 3> radToneSystem{};
    QPushButton* btnVibratorOn = nullptr;
    QPushButton* btnVibratorOFF = nullptr;
    QPushButton* btnAlertTestOn = nullptr;
    QPushButton* btnAlertTestOFF = nullptr;
    QComboBox* cboChannel = nullptr;
    QComboBox* cboCall = nullptr;
    QPlainTextEdit* memSend = nullptr;
    QPlainTextEdit* memRec = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 3> statusPanels{};
    QCheckBox* chkOneChannel = nullptr; // Setting page

    // --- menu items ------------------------------------------------------------------------
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Recallfaxtorysetup1 = nullptr;
    QAction* Close1 = nullptr;
    QAction* Write1 = nullptr;
    QAction* Read1 = nullptr;
    QAction* Verify1 = nullptr;
    QAction* Advance2 = nullptr;
    QAction* About2 = nullptr;

    // --- handlers --------------------------------------------------------------------------
    void PageControl1Change();
    void Close1Click();
    void About2Click();

    // Shows or hides a page of PageControl1 (the Advance page is hidden until access is given).
    void setPageShown(QWidget* page, bool shown);
    bool isPageShown(QWidget* page) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWidgets();
    QWidget* buildTopRow();
    QWidget* buildBenchStrip();
    void buildDebugPage();
    void buildMenus();
    void buildStatusBar();
    // The editor pages (main_window_pages.cpp): built after the window's own widgets, before
    // the control tables; their show steps join the loading pass.
    void buildPages();
    void registerPageLoadingSteps();
    void buildSettingControls();
    void buildTimingUnitCaptions();

    void FormCreate();
    void FormShow();
    void closeWhenIdle();
    void registerShellLoadingSteps();
    void showToneSystem();
    void showSerialNumber();

    StartOptions options_;
    TPagerImage image_;
    kz::EditorState state_;
    kz::LoadingPass loadingPass_;
    kz::ControlTables controls_;
    std::unique_ptr<ChannelPagesEditor> channelPages_;
    QString startupDirectory_;
    QString programTitle_;
    QByteArray blankBlock_;
    bool shownOnce_ = false;
    QTimer* closeWaiter_ = nullptr; // a close asked for while a pager operation runs

    TForm4* form4_ = nullptr;
    TForm3* form3_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TfrmHelp* frmHelp_ = nullptr;
    TForm1Link* link_ = nullptr;
    std::unique_ptr<kz::TimingUnitCaptions> timingUnits_;
    std::unique_ptr<FileHost> fileHost_;
    std::unique_ptr<kz::FileCommands> fileCommands_;
};
