#include "tone_system_selector.h"

#include "control_naming.h"
#include "pager_image.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

namespace kz {

ToneSystemSelector::ToneSystemSelector(QWidget* holder) {
    auto* group = named(new QGroupBox(QStringLiteral("Tone System"), holder),
                        QStringLiteral("grpToneSystem"));
    auto* buttons = new QHBoxLayout(group);
    const char* captions[] = {"Standard", "User", "Plectron"};
    for (int tag = 0; tag < 3; ++tag) {
        auto& button = radToneSystem[static_cast<std::size_t>(tag)];
        button = named(new QRadioButton(QString::fromLatin1(captions[tag]), group),
                       QStringLiteral("radToneSystem%1").arg(tag), tag);
        buttons->addWidget(button);
    }
    radToneSystem[0]->setChecked(true);
    QLayout* layout = holder->layout() ? holder->layout() : new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);
}

void ToneSystemSelector::show(const TPagerImage& image) {
    button(toneSystemOfByte(image.byte(PagerField::toneSystem)))->setChecked(true);
}

ToneSystem ToneSystemSelector::selected() const {
    for (int tag = 0; tag < 3; ++tag)
        if (radToneSystem[static_cast<std::size_t>(tag)]->isChecked())
            return static_cast<ToneSystem>(tag);
    return ToneSystem::Standard;
}

QRadioButton* ToneSystemSelector::button(ToneSystem system) const {
    return radToneSystem[static_cast<std::size_t>(system)];
}

} // namespace kz
