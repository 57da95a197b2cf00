#pragma once

#include "pager_image.h"
#include "start_options.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class TAboutBox;
class TForm3;
class TForm4;
class TfrmHelp;
class TPasswordDlg;
namespace kz {
class ConfigurationEditor;
class FileCommands;
class FileHost;
class MainWindowLink;
} // namespace kz

// The main window: the frame around the configuration editor. It holds the working image for
// the whole run, the menus, the tabs, the status bar, the serial port with its pager operations
// and bench strip, and the file commands. It builds no control of an editor page: it hands the
// empty pages to the configuration editor, which owns them.
//
// Controls are found by their names (objectName), as the user finds them by their captions.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(kz::StartOptions options = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // The area under the menu bar: the pages, the rows above and below them and the status bar.
    static constexpr int kClientWidth = 825;
    static constexpr int kClientHeight = 655;

    // --- shared values ---------------------------------------------------------------------
    kz::TPagerImage& image() { return image_; }
    const kz::TPagerImage& image() const { return image_; }
    kz::ConfigurationEditor& editor() { return *editor_; }
    const QString& startupDirectory() const { return startupDirectory_; }
    const QString& programTitle() const { return programTitle_; }

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
    TPasswordDlg* passwordDialog() const { return passwordDlg_; }
    // Serial port, pager operations and bench strip.
    kz::MainWindowLink& pagerLink() const { return *link_; }
    kz::FileCommands& fileCommands() { return *fileCommands_; }
    kz::FileHost& fileHost() { return *fileHost_; }

    // Shows or hides a page of PageControl1 (the Advance page is hidden until access is given).
    void setPageShown(QWidget* page, bool shown);
    bool isPageShown(QWidget* page) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The link and the file host show what the operations and file commands report in the
    // frame's own controls.
    friend class kz::MainWindowLink;
    friend class kz::FileHost;

    void buildWidgets();
    QWidget* buildTopRow();
    QWidget* buildBenchStrip();
    void buildDebugPage();
    void buildMenus();
    void buildStatusBar();
    void buildEditor();
    void tightenLayouts();
    void placeOnDesktop();

    void FormCreate();
    void FormShow();
    void PageControl1Change();
    void Close1Click();
    void About2Click();
    void Advance2Click();
    void closeWhenIdle();
    void showSerialNumber();

    kz::StartOptions options_;
    kz::TPagerImage image_;
    std::unique_ptr<kz::ConfigurationEditor> editor_;
    QString startupDirectory_;
    QString programTitle_;
    bool shownOnce_ = false;
    QTimer* closeWaiter_ = nullptr; // a close asked for while a pager operation runs
    bool closeRequested_ = false;

    TForm4* form4_ = nullptr;
    TForm3* form3_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
    TfrmHelp* frmHelp_ = nullptr;
    TPasswordDlg* passwordDlg_ = nullptr;
    kz::MainWindowLink* link_ = nullptr;
    std::unique_ptr<kz::FileHost> fileHost_;
    std::unique_ptr<kz::FileCommands> fileCommands_;

    // --- the frame's controls (objectName = member name) ----------------------------------
    QLineEdit* edtNull = nullptr;
    QComboBox* cboPort = nullptr;
    QLabel* lblVersion = nullptr;
    QLineEdit* edtSerialNo = nullptr;
    QWidget* toneSystemHolder_ = nullptr; // the editor's "Tone System" group goes here
    QTabWidget* PageControl1 = nullptr;
    QWidget* tabChannelF1 = nullptr;
    QWidget* tabChannelF2 = nullptr;
    QWidget* tabSetting = nullptr;
    QWidget* tabSystem = nullptr;
    QWidget* TabSheet5 = nullptr; // DEBUG, never shown
    QWidget* tabAdvance = nullptr;
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
};
