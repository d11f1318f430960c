#include "display/TextMeasure.h"

#include <QString>

namespace vesk {

void TextMeasure::setFont(const QFont& font) {
    font_ = font;
    metrics_.emplace(font_);
    latin1Known_.fill(false);
    others_.clear();
}

double TextMeasure::measure(char32_t character) const {
    if (!metrics_) {
        return 0;
    }
    const char32_t one[] = {character};
    return metrics_->horizontalAdvance(QString::fromUcs4(one, 1));
}

double TextMeasure::advance(char32_t character) {
    if (character < latin1_.size()) {
        if (!latin1Known_[character]) {
            latin1_[character] = measure(character);
            latin1Known_[character] = true;
        }
        return latin1_[character];
    }
    if (const auto found = others_.find(character); found != others_.end()) {
        return found->second;
    }
    if (others_.size() >= mostOtherCharacters) {
        others_.clear();
    }
    return others_[character] = measure(character);
}

} // namespace vesk
