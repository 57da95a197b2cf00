// Construction of the main window's widgets, menus and status bar. Behaviour is in
// main_window.cpp.

#include "main_window.h"

#include "configuration_editor.h"
#include "control_naming.h"
#include "help_window.h"
#include "main_window_link.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using kz::named;

// An empty page; the configuration editor's page classes add their content to its layout.
QWidget* page(const char* name) {
    auto* widget = named(new QWidget, QString::fromLatin1(name));
    new QVBoxLayout(widget);
    return widget;
}

} // namespace

void TForm1::buildWidgets() {
    auto* central = named(new QWidget(this), "CentralWidget");
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);

    // Focus sink: handlers move the focus here to end the editing of a field.
    edtNull = named(new QLineEdit(central), "edtNull");
    edtNull->setFrame(false);
    edtNull->setFixedSize(1, 1);
    edtNull->setFocusPolicy(Qt::StrongFocus);

    layout->addWidget(buildTopRow());

    PageControl1 = named(new QTabWidget(central), "PageControl1");
    tabChannelF1 = page("tabChannelF1");
    tabChannelF2 = page("tabChannelF2");
    tabSetting = page("tabSetting");
    tabSystem = page("tabSystem");
    TabSheet5 = page("TabSheet5");
    tabAdvance = page("tabAdvance");
    PageControl1->addTab(tabChannelF1, QStringLiteral("Channel F1"));
    PageControl1->addTab(tabChannelF2, QStringLiteral("Channel F2"));
    PageControl1->addTab(tabSetting, QStringLiteral("Setting"));
    PageControl1->addTab(tabSystem, QStringLiteral("System"));
    PageControl1->addTab(TabSheet5, QStringLiteral("DEBUG"));
    PageControl1->addTab(tabAdvance, QStringLiteral("Advance Setting"));
    buildDebugPage();
    setPageShown(TabSheet5, false);
    setPageShown(tabAdvance, false);
    PageControl1->setCurrentWidget(tabChannelF1);
    layout->addWidget(PageControl1, 1);

    layout->addWidget(buildBenchStrip());
    buildMenus();
    buildStatusBar();
}

QWidget* TForm1::buildTopRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edtNull);

    auto* serialSetting = named(new QGroupBox(QStringLiteral("Serial Setting")), "GroupBox1");
    auto* serialLayout = new QHBoxLayout(serialSetting);
    serialLayout->addWidget(named(new QLabel(QStringLiteral("COM Port")), "lblComPort"));
    cboPort = named(new QComboBox, "cboPort");
    // A long device path (a simulated cradle's link, a port given by path) is cut in the closed
    // list rather than pushing the groups of the row out of the window.
    cboPort->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboPort->setMinimumContentsLength(16);
    serialLayout->addWidget(cboPort);
    layout->addWidget(serialSetting);

    lblVersion = named(new QLabel(QStringLiteral("Firmware Ver.")), "lblVersion");
    // Its place is kept while it is hidden, wide enough for two digits in each part of the
    // version (a header holds one digit a byte), so that showing it after a Read moves nothing
    // else in the row.
    lblVersion->setFixedWidth(
        lblVersion->fontMetrics().horizontalAdvance(QStringLiteral("FirmVer. 99.99.99")) + 4);
    QSizePolicy keepPlace = lblVersion->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblVersion->setSizePolicy(keepPlace);
    lblVersion->setVisible(false);
    layout->addWidget(lblVersion);

    auto* serialNo = named(new QGroupBox(QStringLiteral("Serial No.")), "GroupBox2");
    auto* serialNoLayout = new QHBoxLayout(serialNo);
    serialNoLayout->addWidget(named(new QLabel(QStringLiteral("S/N\uFF1A")), "lblSerialNo"));
    edtSerialNo = named(new QLineEdit, "edtSerialNo");
    edtSerialNo->setMaxLength(14);
    edtSerialNo->setMinimumWidth(140);
    serialNoLayout->addWidget(edtSerialNo);
    layout->addWidget(serialNo);

    toneSystemHolder_ = new QWidget;
    layout->addWidget(toneSystemHolder_);
    layout->addStretch();
    return row;
}

QWidget* TForm1::buildBenchStrip() {
    auto* strip = named(new QGroupBox, "grpBenchTest");
    auto* layout = new QHBoxLayout(strip);
    layout->addWidget(named(new QLabel(QStringLiteral("Vibrator Test")), "lblVibratorTest"));
    btnVibratorOn = named(new QPushButton(QStringLiteral("ON")), "btnVibratorOn");
    btnVibratorOFF = named(new QPushButton(QStringLiteral("OFF")), "btnVibratorOFF");
    layout->addWidget(btnVibratorOn);
    layout->addWidget(btnVibratorOFF);
    layout->addSpacing(24);
    layout->addWidget(named(new QLabel(QStringLiteral("Alert Test")), "lblAlertTest"));
    btnAlertTestOn = named(new QPushButton(QStringLiteral("ON")), "btnAlertTestOn");
    btnAlertTestOFF = named(new QPushButton(QStringLiteral("OFF")), "btnAlertTestOFF");
    // The command byte a bench button sends is its Tag.
    kz::setTag(btnVibratorOn, 1);
    kz::setTag(btnVibratorOFF, 2);
    kz::setTag(btnAlertTestOn, 3);
    kz::setTag(btnAlertTestOFF, 4);

    cboChannel = named(new QComboBox, "cboChannel");
    cboChannel->addItems({QStringLiteral("Channel F1"), QStringLiteral("Channel F2")});
    cboCall = named(new QComboBox, "cboCall");
    for (int call = 1; call <= 8; ++call)
        cboCall->addItem(QStringLiteral("Call #%1").arg(call));
    for (int group = 1; group <= 4; ++group)
        cboCall->addItem(QStringLiteral("Group Call #%1").arg(group));
    cboChannel->setCurrentIndex(0);
    cboCall->setCurrentIndex(0);

    layout->addWidget(cboChannel);
    layout->addWidget(cboCall);
    layout->addWidget(btnAlertTestOn);
    layout->addWidget(btnAlertTestOFF);
    layout->addStretch();
    return strip;
}

void TForm1::buildDebugPage() {
    auto* dock = named(new QGroupBox(QStringLiteral("Debug mode")), "DockPanel");
    auto* layout = new QVBoxLayout(dock);
    layout->addWidget(named(new QLabel(QStringLiteral("Send:")), "lblSend"));
    memSend = named(new QPlainTextEdit, "memSend");
    memSend->setReadOnly(true);
    layout->addWidget(memSend);
    layout->addWidget(named(new QLabel(QStringLiteral("Receive:")), "lblReceive"));
    memRec = named(new QPlainTextEdit, "memRec");
    memRec->setReadOnly(true);
    layout->addWidget(memRec);
    TabSheet5->layout()->addWidget(dock);
}

void TForm1::tightenLayouts() {
    // The window keeps its 825 x 655 client area, and its tallest page (Setting) must fit under
    // the top row with the bench strip below: every layout of the window, the pages' included,
    // keeps narrow margins and little space between rows. Space between columns stays as the
    // pages set it.
    constexpr int kMargin = 4;
    constexpr int kRowSpacing = 2;
    for (QLayout* layout : centralWidget()->findChildren<QLayout*>()) {
        const QMargins m = layout->contentsMargins();
        layout->setContentsMargins(std::min(m.left(), kMargin), std::min(m.top(), kMargin),
                                   std::min(m.right(), kMargin), std::min(m.bottom(), kMargin));
        if (auto* grid = qobject_cast<QGridLayout*>(layout))
            grid->setVerticalSpacing(std::min(grid->verticalSpacing(), kRowSpacing));
        else if (auto* form = qobject_cast<QFormLayout*>(layout))
            form->setVerticalSpacing(std::min(form->verticalSpacing(), kRowSpacing));
        else if (auto* box = qobject_cast<QBoxLayout*>(layout);
                 box && (box->direction() == QBoxLayout::TopToBottom ||
                         box->direction() == QBoxLayout::BottomToTop))
            box->setSpacing(std::min(box->spacing(), kRowSpacing));
    }
    centralWidget()->layout()->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
}

void TForm1::buildEditor() {
    kz::EditorPages pages;
    pages.window = this;
    pages.focusSink = edtNull;
    pages.toneSystem = toneSystemHolder_;
    pages.channelF1 = tabChannelF1;
    pages.channelF2 = tabChannelF2;
    pages.setting = tabSetting;
    pages.system = tabSystem;
    pages.advance = tabAdvance;
    pages.resetHelp = frmHelp_;
    // An accepted frequency brings the squelch presets that the link's serial-prefix flag picks.
    editor_ = std::make_unique<kz::ConfigurationEditor>(image_, pages, *link_);
}

void TForm1::buildMenus() {
    auto action = [this](QMenu* menu, const char* text, const char* name) {
        QAction* item = menu->addAction(QString::fromLatin1(text));
        item->setObjectName(QString::fromLatin1(name));
        return item;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    Open1 = action(file, "&Open", "Open1");
    Save1 = action(file, "&Save", "Save1");
    SaveAs1 = action(file, "Save As ...", "SaveAs1");
    Recallfaxtorysetup1 = action(file, "Restore all factory settings", "Recallfaxtorysetup1");
    file->addSeparator();
    Close1 = action(file, "&Exit", "Close1");

    QMenu* pager = menuBar()->addMenu(QStringLiteral("&Pager"));
    pager->setObjectName(QStringLiteral("Pager1"));
    Write1 = action(pager, "&Write", "Write1");
    Read1 = action(pager, "&Read", "Read1");
    Verify1 = action(pager, "&Verify", "Verify1");
    Write1->setShortcut(Qt::Key_F4);
    Read1->setShortcut(Qt::Key_F3);
    Verify1->setShortcut(Qt::Key_F2);
    for (QAction* item : {Write1, Read1, Verify1})
        item->setShortcutContext(Qt::WindowShortcut);

    QMenu* advance = menuBar()->addMenu(QStringLiteral("Advance"));
    advance->setObjectName(QStringLiteral("Advance1"));
    Advance2 = action(advance, "Advance", "Advance2");

    QMenu* about = menuBar()->addMenu(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About1"));
    About2 = action(about, "About", "About2");

    connect(Close1, &QAction::triggered, this, &TForm1::Close1Click);
    connect(About2, &QAction::triggered, this, &TForm1::About2Click);
}

void TForm1::buildStatusBar() {
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    setStatusBar(StatusBar1);
    StatusBar1->setSizeGripEnabled(false);
    const int widths[] = {250, 400, 50};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new QLabel(StatusBar1);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels[i]->setFixedWidth(widths[i]);
        StatusBar1->addWidget(statusPanels[i]);
    }
}
