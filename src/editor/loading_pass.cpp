#include "loading_pass.h"

namespace kz {

void LoadingPass::add(Step step, std::function<void()> action) {
    steps_[static_cast<std::size_t>(step)].push_back(std::move(action));
}

bool LoadingPass::hasStep(Step step) const {
    return !steps_[static_cast<std::size_t>(step)].empty();
}

void LoadingPass::run() const {
    for (int step = SynthesizerWords; step <= kStepCount; ++step)
        for (const auto& action : steps_[static_cast<std::size_t>(step)])
            action();
}

} // namespace kz
