#pragma once

#include <QLineEdit>
#include <QValidator>

namespace ui {

// A typing limit in UTF-16 code units, kept as the desktop platform's edit fields keep theirs:
// unlike QLineEdit::setMaxLength it never cuts a text the program puts in. A longer text is shown
// whole and can be shortened; what is typed or pasted keeps its first characters up to the limit,
// and an edit that inserts anything never leaves the text longer than the limit.
class LengthLimit : public QValidator {
    Q_OBJECT

  public:
    LengthLimit(QLineEdit* edit, int limit);

    State validate(QString& text, int& position) const override;

    // Limits typing into the edit, replacing any earlier limit.
    static void apply(QLineEdit* edit, int limit);

  private:
    QLineEdit* edit_;
    int limit_;
    // The text before the edit being validated.
    QString shown_;
};

}  // namespace ui
