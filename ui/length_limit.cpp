#include "length_limit.h"

#include "typing_limit.h"

namespace ui {

LengthLimit::LengthLimit(QLineEdit* edit, int limit)
    : QValidator(edit), edit_(edit), limit_(limit), shown_(edit->text()) {
    // Follows every change, the program's included, so a long text read from the camera stays.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State LengthLimit::validate(QString& text, int& position) const {
    // The program's own texts (setText, an undo back to one) are shown as they are.
    if (!edit_->isModified()) {
        return Acceptable;
    }
    std::u16string kept = text.toStdU16String();
    if (!window_logic::keepWithinLimit(shown_.toStdU16String(), kept, position, limit_)) {
        return Invalid;
    }
    text = QString::fromStdU16String(kept);
    return Acceptable;
}

void LengthLimit::apply(QLineEdit* edit, int limit) {
    if (const QValidator* earlier = edit->validator()) {
        edit->setValidator(nullptr);
        delete earlier;
    }
    edit->setValidator(new LengthLimit(edit, limit));
}

}  // namespace ui
