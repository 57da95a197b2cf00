#include "setting_page.h"

#include "control_naming.h"

#include <QBoxLayout>
#include <QCheckBox>

namespace kz {

SettingPage::SettingPage(QWidget* page) {
    chkOneChannel =
        named(new QCheckBox(QStringLiteral("One Channel"), page), QStringLiteral("chkOneChannel"));
    auto* layout = qobject_cast<QBoxLayout*>(page->layout());
    if (!layout)
        layout = new QVBoxLayout(page);
    layout->addWidget(chkOneChannel);
    layout->addStretch();
}

bool SettingPage::oneChannelChecked() const {
    return chkOneChannel->isChecked();
}

} // namespace kz
