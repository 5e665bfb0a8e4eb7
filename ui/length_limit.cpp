#include "length_limit.h"

#include <algorithm>

namespace ui {

LengthLimit::LengthLimit(QLineEdit* edit, int limit)
    : QValidator(edit), edit_(edit), limit_(limit), shown_(edit->text()) {
    // Follows every change, the program's included, so a long text read from the camera stays.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State LengthLimit::validate(QString& text, int& position) const {
    const auto length = static_cast<int>(text.size());
    const auto shownLength = static_cast<int>(shown_.size());
    // The program's own texts (setText, an undo back to one) are shown as they are.
    if (!edit_->isModified()) {
        return Acceptable;
    }
    // The edit leaves the cursor after what it inserted; what follows the cursor is the shown
    // text's tail, and what precedes the insertion is the shown text's head.
    const int tail = length - position;
    if (position < 0 || tail < 0 || tail > shownLength ||
        QStringView(text).sliced(position) != QStringView(shown_).sliced(shownLength - tail)) {
        return length <= std::max(limit_, shownLength) ? Acceptable : Invalid;
    }
    int head = 0;
    const int headLimit = std::min(position, shownLength - tail);
    while (head < headLimit && text[head] == shown_[head]) {
        ++head;
    }
    const int inserted = position - head;
    if (inserted == 0) {
        return Acceptable;
    }
    int room = limit_ - head - tail;
    // Never half a character: a pair of surrogates goes whole or not at all.
    if (room > 0 && room < inserted && text[head + room - 1].isHighSurrogate()) {
        --room;
    }
    if (room <= 0) {
        return Invalid;
    }
    if (inserted > room) {
        text.remove(head + room, inserted - room);
        position = head + room;
    }
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
