#include "length_limit.h"

#include <algorithm>

namespace settings {

LengthLimit::LengthLimit(QLineEdit* edit, int limit)
    : QValidator(edit), limit_(limit), shownLength_(static_cast<int>(edit->text().size())) {
    // Follows every change, the program's included, so a long text read from the camera stays.
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { shownLength_ = static_cast<int>(text.size()); });
}

QValidator::State LengthLimit::validate(QString& text, int& /*position*/) const {
    return text.size() <= std::max(limit_, shownLength_) ? Acceptable : Invalid;
}

void LengthLimit::apply(QLineEdit* edit, int limit) {
    if (const QValidator* earlier = edit->validator()) {
        edit->setValidator(nullptr);
        delete earlier;
    }
    edit->setValidator(new LengthLimit(edit, limit));
}

}  // namespace settings
